#pragma once

#include "channels/channel_table.h"
#include "messenger.h"

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

// Tab-separated text as lines of fields. Lines end in LF, CR LF or CR; a
// line break at the very end closes the last line and starts none.
std::vector<std::vector<std::string>> ParseTabText(const std::string& text);

// Types one value into (row, col) as the cell's editor would commit it, the
// value's surrounding blanks dropped: a frequency through the band and
// raster checks (the first one of an empty channel brings its defaults), a
// tone by the tone editor's rule, a choice only as one of its list's entries
// in any letter case (stored in the list's spelling). False when the value
// was refused: the cell is unchanged and the message has been said.
bool TypeCellValue(ChannelTable& table, int row, int col, const std::string& text, int bandIndex,
                   Messenger& messenger);

// Types the text's values into the table from (row, col) on: each line into
// the next channel down, each field into the next column right, cut at the
// table's edge; left to right, row by row. A refused value leaves its cell
// and the paste goes on; the same message is said only once per paste.
CellBlock PasteCells(ChannelTable& table, int row, int col, const std::string& text, int bandIndex,
                     Messenger& messenger);

// Empties the given cells as typing nothing into each would, row by row and
// left to right: an emptied frequency takes its tone along, and an emptied
// tone of a channel in use reads "OFF". A choice of a channel that still
// has a frequency keeps its entry, since such a channel always has one.
void DeleteCells(ChannelTable& table, std::vector<ChannelCell> cells);

}  // namespace zem
