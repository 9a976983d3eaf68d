#pragma once

#include "channels/channel_table.h"

#include <string>
#include <vector>

namespace zem {

// The channel table as comma-separated text, for spreadsheets and scripts.
// One header row with the grid's column headers ("Ch", "Receive", ... "PTT"),
// then one row per channel with the cell texts as the grid shows them.

// One parsed record and the line of the text where it starts (from 1).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

struct CsvParse {
    bool ok = false;
    std::string message;  // what is wrong and on which line, when not ok
    std::vector<CsvRecord> records;
};

// Reads separated text (comma-separated unless separator says otherwise):
// fields in double quotes may hold separators, line breaks and doubled
// quotes; lines end in LF or CRLF; a leading UTF-8 byte order mark is
// skipped; lines holding nothing at all are skipped. A quote left open or
// text after a closing quote is refused.
CsvParse ParseCsv(const std::string& text, char separator = ',');

// The separator of a channel list, found from its header row: the one of
// comma, semicolon and tab that splits it into the most column headers
// (spreadsheets where the comma is the decimal mark save with semicolons).
// A comma when none does.
char DetectCsvSeparator(const std::string& text);

// One field as written: quoted when it holds a comma, quote, line break or
// leading/trailing blank, with quotes doubled.
std::string CsvField(const std::string& text);

// The header row and the 16 channel rows of the table, lines ending in CRLF.
std::string ExportChannelsCsv(const ChannelTable& table);

// A value of the text that the channel table refused.
struct CsvRejection {
    int line = 0;
    int channel = 0;      // 1-16, 0 when the row has no valid channel
    std::string column;   // header of the column, empty for a row problem
    std::string value;
    std::string message;  // the program's own message for the refusal

    // "line 4, channel 3, Receive "999": Error Data Format，Please input again"
    std::string describe() const;
};

struct CsvImport {
    std::vector<CsvRejection> rejections;   // any entry means nothing may be saved
    std::vector<std::string> ignoredColumns;  // headers that name no grid column
    bool ok() const { return rejections.empty(); }
};

// Applies the rows of text to page.cells as if a user typed each given cell
// of the row, in the grid's column order, with the commit rules for the band
// of page.bandIndex. The separator comes from the header row; with
// semicolons or tabs a comma inside a number is its decimal mark
// ("145,5"). Rows are matched to channels by their "Ch" value, and a row
// with nothing in it is skipped; columns by header (letter case and
// surrounding blanks ignored); a column the text does not have keeps the
// channel's current cells. Choice cells must hold one of their list entries
// and tone cells one of the tone list, a tone also as its number ("67"), or
// nothing; frequencies must pass the band and raster checks. Every refusal
// is collected; page.cells then holds a partial result and must be thrown
// away by the caller.
CsvImport ImportChannelsCsv(const std::string& text, ChannelPageValues& page);

}  // namespace zem
