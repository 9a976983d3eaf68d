#pragma once

#include <string>
#include <vector>

namespace zem {

// The 261 texts offered for a channel's decode and encode settings, in this
// order: "OFF", the 50 CTCSS tones ("67.0" .. "254.1"), the 105 DCS codes
// with suffix "N" ("D023N" .. "D754N"), the same codes with suffix "I".
const std::vector<std::string>& ToneTable();

// Index of the entry equal to text, compared whole and without regard to
// letter case; -1 when there is none.
int FindTone(const std::string& text);

// Index of the entry a value from outside names: an entry as FindTone finds
// it, or a number of hertz equal to one of the CTCSS tones ("67" and
// "67.00" are "67.0", as a spreadsheet writes them back); -1 when it names
// none.
int MatchTone(const std::string& text);

}  // namespace zem
