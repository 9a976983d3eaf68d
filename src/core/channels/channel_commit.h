#pragma once

#include "channels/channel_table.h"
#include "messenger.h"

#include <string>
#include <vector>

namespace zem {

// The rules that run when a value is typed into a channel cell: a grid
// editor closing, a paste, an import. Every way in goes through
// TypeCellValue; the callers choose only what CellTyping says.

extern const char* const kMsgErrorDataFormat;  // "Error Data Format，Please input again"
extern const char* const kMsgErrorDataValue;   // "Error data Value，Please input according the step value(6.25K/5k)"

// The entries of the grid's list for a choice column (kColScan .. kColPtt),
// in the list's order; the busy-lock list ends in a second "Off", as the
// radio's list has it. Empty for any other column. The tone list is
// ToneTable().
const std::vector<std::string>& ChoiceEntries(int col);

// The entry of choice column col that text names, letter case ignored, in
// the list's own spelling (the image store knows only that spelling); empty
// when no entry matches.
std::string MatchChoice(int col, const std::string& text);

// Why a text was refused for choice column col: "must be one of Yes, No",
// the entries being its value.
Text ChoiceRefusal(int col);

// The list entry that a value from outside (a paste, an import) names in a
// tone or choice column: a tone as MatchTone finds it ("67" is "67.0") or
// empty, a choice as MatchChoice finds it; both in the list's spelling.
// When it names none, text is empty and refusal says why.
struct ListEntry {
    std::string text;
    Text refusal;
};
ListEntry MatchListEntry(int col, const std::string& value);

struct FrequencyCheck {
    enum class Result { Empty, Valid, Invalid };
    Result result = Result::Empty;
    std::string text;  // the normalised text when Valid, empty otherwise
};

// Checks a typed frequency against the band's limits and the 6.25 / 5 kHz
// raster; shows the range or the raster message when it fails. The text of a
// valid frequency is formatted from the rounded units, so it is exactly the
// value that passed the checks.
FrequencyCheck ValidateFrequency(const std::string& text, int bandIndex, Messenger& messenger);

// What differs between the ways a value reaches a cell.
struct CellTyping {
    // A grid editor's own text: taken as it stands, and a tone that is not
    // an entry of the tone list becomes "OFF" (the editable tone list
    // cannot refuse what was typed); a tone of the list keeps the letter
    // case typed. Otherwise (paste, imports) the value's surrounding blanks
    // are dropped, a tone may be given as its number and is stored in the
    // list's spelling, and a tone outside the list is refused, so that a
    // wrong column never silently clears a channel's signalling.
    bool fromEditor = false;
    // Enter closed the editor: a choice of a channel without a frequency
    // leaves the cell as it was instead of emptying it.
    bool onEnter = false;
};

// Types text into (row, col) as the cell's editor commits it. A frequency
// goes through the band and raster checks: the first one of an empty
// channel brings the new-channel defaults, emptying one clears its tone,
// and an invalid one leaves the row as it was. A tone or choice of a
// channel without a frequency leaves the cell empty; a choice must be one
// of its list's entries (any letter case, stored in the list's spelling).
// Returns why the value was refused (the cell is then unchanged), in the
// program's own words, or an empty text when it was taken.
Text TypeCellValue(ChannelTable& table, int row, int col, const std::string& text, int bandIndex,
                          CellTyping typing = {});

}  // namespace zem
