#pragma once

#include "channels/channel_table.h"
#include "document/radio_image.h"
#include "pages/key_values.h"
#include "pages/option_values.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zem {

// Everything the three pages and the service dialog would show for an image:
// what a user sees after the pages fill from it.
struct PagesSnapshot {
    ChannelPageValues channels;
    OptionValues options;
    KeyValues keys;
    std::array<std::uint8_t, 7> powerLow{};   // 0x3D0-0x3D6, frequency points 1-7
    std::array<std::uint8_t, 7> powerHigh{};  // 0x3D7-0x3DD
};

PagesSnapshot FillPages(const RadioImage& image);

// One setting of the options or the key page as the user sees it: the entry
// text the drop-down selects, the code text, or a check box state.
struct SettingText {
    const char* key;    // stable name for scripts: the setting's key
    const char* label;  // the page's words: the setting's label
    bool isCheckBox = false;
    bool checked = false;   // when isCheckBox
    std::string text;       // when not isCheckBox
};

std::vector<SettingText> OptionTexts(const OptionValues& values);
std::vector<SettingText> KeyTexts(const KeyValues& values);

// The entry at index, or the empty text when index is outside the list.
std::string EntryText(const std::vector<std::string>& entries, int index);

// The differences between two images in the user's terms, one line each:
// channel cells ("channel 3 Receive: 145.00000 -> 146.00000"), type and
// band, option and key settings ("label: 5 -> 4"), power values,
// then bytes that no page shows ("byte 0x3E0: FF -> 00"). Empty exactly
// when the images are equal byte for byte.
std::vector<std::string> DiffDocuments(const RadioImage& before, const RadioImage& after);

// image as the pages store it after filling from it: a value the pages show
// the same way gets the same bytes (an off tone is FF FF whether the radio
// wrote 00 00 or FF FF), and every byte no page stores stays as it was.
RadioImage AsThePagesStore(const RadioImage& image);

// What Compare and zemtool diff list: the differences a user can see
// between two documents, DiffDocuments of both as the pages store them.
// Bytes that no page shows still count; two forms of one shown value do not.
std::vector<std::string> DiffAsShown(const RadioImage& before, const RadioImage& after);

// Said when DiffAsShown lists nothing but the bytes differ, only in the form
// of values the pages show the same way ("24 bytes differ only in how they
// hold values the pages show the same way"); empty otherwise.
std::string SameAsShownNote(const RadioImage& before, const RadioImage& after);

// A line of DiffDocuments in its three parts: "channel 3 Receive",
// "145.00000", "146.00000". A line without " -> " has it all in where.
struct DiffLine {
    std::string where;
    std::string before;
    std::string after;
};
DiffLine SplitDiffLine(const std::string& line);

}  // namespace zem
