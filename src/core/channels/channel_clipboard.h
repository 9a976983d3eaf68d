#pragma once

#include "channels/channel_table.h"
#include "messenger.h"

#include <optional>
#include <string>
#include <vector>

namespace zem {

// Copy, cut, paste and delete of channel cells, the way a spreadsheet moves
// them: a block of cells travels as tab-separated text, one line per
// channel, and every value that arrives is typed through the same commit
// rules as the keyboard.

// One cell of a channel: row 1-16, column kColReceive .. kColPtt.
struct ChannelCell {
    int row = 0;
    int col = 0;
};

// The cells a paste covered, rows top..bottom and columns left..right;
// empty when nothing arrived.
struct CellBlock {
    int top = 0;
    int left = 0;
    int bottom = -1;
    int right = -1;
    bool empty() const { return bottom < top || right < left; }
};

// The texts of the given cells as shown: one line per channel that has a
// given cell, one field per column that has one (a field whose cell is not
// given stays empty), fields separated by tabs, lines by LF. The channel
// number is not data and never copied. Cells outside the channels are
// ignored.
std::string CopyCells(const ChannelTable& table, const std::vector<ChannelCell>& cells);

// Tab-separated text as lines of fields, as spreadsheets put cells on the
// clipboard. Lines end in LF, CR LF or CR; a line break at the very end
// closes the last line and starts none. A field that begins with a double
// quote runs to its closing quote and may hold tabs, line breaks and doubled
// quotes (each one quote), so a cell holding a line break stays one field of
// one line; a quote that is never closed is an ordinary character.
std::vector<std::vector<std::string>> ParseTabText(const std::string& text);

// The one value the text holds, the way a spreadsheet copies one cell: its
// line break at the end and its quotes dropped. Nothing when the text holds
// several values (a tab or a line break between them) or none.
std::optional<std::string> SingleValue(const std::string& text);

// A value the table refused, and where.
struct CellRefusal {
    int row = 0;
    int col = 0;
    std::string value;
    Text message;  // the program's own words for the refusal

    // channel 5, QT/DQT DEC: "100.5": not an entry of the tone list
    std::string describe() const;
    Text said() const;  // the same for the window to translate
};

// What one pasted value puts into the open editor of (row, col): the text
// the editor then shows. A tone or choice that is not one of its list's
// entries is refused with the cell named; a frequency goes in as it is and
// is checked when the editor commits.
struct EditorPaste {
    std::string text;
    Text refusal;  // empty when the value goes in
};
EditorPaste PasteIntoEditor(int row, int col, const std::string& value);

// Pastes clipboard text into the selected cells as a spreadsheet does: one
// value fills every selected cell; several go in as a block from the
// selection's top-left cell, each line into the next channel down, each
// field into the next column right, cut at the PTT column. Values are typed
// left to right, row by row, by TypeCellValue; a refused value leaves its
// cell and the paste goes on. Then the refusals, each naming its cell, and
// the lines that did not fit below channel 16 are said: one alone as a
// notice, more as one list. Returns the block the values went into, for the
// caller to select; empty after a fill (the selection stays as it is) and
// when nothing arrived.
CellBlock PasteCells(ChannelTable& table, const std::vector<ChannelCell>& selection, const std::string& text,
                     int bandIndex, Messenger& messenger);

// Empties the given cells as typing nothing into each would, row by row and
// left to right: an emptied frequency takes its tone along, and an emptied
// tone of a channel in use reads "OFF". A choice of a channel that still
// has a frequency keeps its entry, since such a channel always has one.
void DeleteCells(ChannelTable& table, std::vector<ChannelCell> cells);

}  // namespace zem
