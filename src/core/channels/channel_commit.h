#pragma once

#include "channels/channel_table.h"
#include "messenger.h"

#include <string>

namespace zem {

// The rules that run when a grid editor is closed and its value goes into
// the cell texts.

extern const char* const kMsgErrorDataFormat;  // "Error Data Format，Please input again"
extern const char* const kMsgErrorDataValue;   // "Error data Value，Please input according the step value(6.25K/5k)"

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

// col 1 or 2. A first frequency of an empty channel brings the new-channel
// defaults; emptying a frequency on purpose clears its tone. An invalid
// frequency leaves the cell and the rest of its row as they were.
void CommitFrequency(ChannelTable& table, int row, int col, const std::string& text, int bandIndex,
                     Messenger& messenger);

// col 3 or 4: a ToneTable text (any letter case, kept as typed) or "OFF".
void CommitTone(ChannelTable& table, int row, int col, const std::string& text);

// col 5-9: a list choice; onEnter is true when Enter closed the editor.
void CommitChoice(ChannelTable& table, int row, int col, const std::string& text, bool onEnter);

}  // namespace zem
