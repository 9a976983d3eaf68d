#pragma once

#include "channels/channel_table.h"
#include "text.h"

#include <string>
#include <utility>
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
    Text message;  // what is wrong and on which line, when not ok
    std::vector<CsvRecord> records;
};

// Reads separated text (comma-separated unless separator says otherwise):
// fields in double quotes may hold separators, line breaks and doubled
// quotes; lines end in LF or CRLF; a leading UTF-8 byte order mark is
// skipped; lines holding nothing at all are skipped. A quote left open or
// text after a closing quote is refused.
CsvParse ParseCsv(const std::string& text, char separator = ',');

// A list as a spreadsheet saves it. The separator is found from the header
// row: the one of comma, semicolon and tab that splits it into the most of
// the expected column names (letter case ignored); a comma when none does.
// Spreadsheets where the comma is the decimal mark save with semicolons or
// tabs, and a comma inside a number is then its decimal mark.
struct SpreadsheetCsv {
    char separator = ',';
    CsvParse parse;
    bool decimalComma() const { return separator != ','; }
};
SpreadsheetCsv ReadSpreadsheetCsv(const std::string& text, const std::vector<std::string>& columnNames);

// A number written with a decimal comma ("145,5") with a decimal point
// instead; any other text as it is.
std::string WithDecimalPoint(const std::string& value);

// One field as written: quoted when it holds a comma, quote, line break or
// leading/trailing blank, with quotes doubled.
std::string CsvField(const std::string& text);

// The header row and the 16 channel rows of the table, lines ending in CRLF.
std::string ExportChannelsCsv(const ChannelTable& table);

// A value of the text that the channel table refused.
struct CsvRejection {
    CsvRejection() = default;
    CsvRejection(int line, int channel, std::string column, std::string value, Text message, Text note = {})
        : line(line), channel(channel), column(std::move(column)), value(std::move(value)),
          message(std::move(message)), note(std::move(note)) {}

    int line = 0;
    int channel = 0;      // 1-16, 0 when the row has no valid channel
    std::string column;   // header of the column, empty for a row problem
    std::string value;
    Text message;         // the program's own message for the refusal
    Text note;            // what a frequency is outside of (OutOfBandNote), empty for other refusals

    // "line 4, channel 3, Receive "999": Error Data Format，Please input
    // again (outside 136-174 MHz; this plan is for band 136-174MHZ — try
    // --band)", remedy being " — try --band".
    std::string describe(const std::string& remedy = {}) const;
    Text said(const Text& remedy = {}) const;  // the same for the window to translate
};

struct CsvImport {
    std::vector<CsvRejection> rejections;   // any entry means nothing may be saved
    std::vector<CsvRejection> skipped;      // with skipRefused: the refusals of the rows left out
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
// away by the caller. With skipRefused, the rows with a refused value are
// left out whole and listed in skipped, the others taken; a refusal of the
// text itself (its header, its quoting), or no row left to take, still
// refuses it all.
CsvImport ImportChannelsCsv(const std::string& text, ChannelPageValues& page, bool skipRefused = false);

// A refused value's line: "%1: %2" with its place and message, and the
// note with the remedy after it when there is one.
Text RefusalText(const Text& place, const Text& message, const Text& note, const Text& remedy);

}  // namespace zem
