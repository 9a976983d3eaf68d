#pragma once

#include "channels/channel_table.h"
#include "document/radio_image.h"
#include "pages/key_values.h"
#include "pages/option_values.h"
#include "text.h"

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

// A difference between two images in its three parts, each a text the
// window and the page show in the user's language: where ("channel %1 %2"
// with the column's title, a setting's label, "byte %1"), the first image's
// value and the second's (a frequency as it is, a choice or an entry as the
// list text the page shows, "(empty)", "on"/"off").
struct Difference {
    Text where;
    Text before;
    Text after;

    // The line of DiffDocuments: "channel 3 Receive: 145.00000 -> 146.00000".
    std::string english() const;
};

// The differences between two images in the user's terms: channel cells,
// type and band, option and key settings, power values, then bytes that no
// page shows, neighbouring ones together. Empty exactly when the images are
// equal byte for byte.
std::vector<Difference> DocumentDifferences(const RadioImage& before, const RadioImage& after);

// The same one line each, in English: "channel 3 Receive: 145.00000 ->
// 146.00000", "Type: ...", "Band: ...", option and key settings ("label: 5
// -> 4"), "Low Power Value 1: ...", "byte 0x3E0: FF -> 00".
std::vector<std::string> DiffDocuments(const RadioImage& before, const RadioImage& after);

// image as the pages store it after filling from it: a value the pages show
// the same way gets the same bytes (an off tone is FF FF whether the radio
// wrote 00 00 or FF FF), and every byte no page stores stays as it was.
RadioImage AsThePagesStore(const RadioImage& image);

// What Compare and zemtool diff list: the differences a user can see
// between two documents, those of both as the pages store them. Bytes that
// no page shows still count; two forms of one shown value do not.
std::vector<Difference> DifferencesAsShown(const RadioImage& before, const RadioImage& after);
std::vector<std::string> DiffAsShown(const RadioImage& before, const RadioImage& after);

// Said when DiffAsShown lists nothing but the bytes differ, only in the form
// of values the pages show the same way ("24 bytes differ only in how the
// radio holds values that the pages show the same way"); empty otherwise.
Text SameAsShownText(const RadioImage& before, const RadioImage& after);
std::string SameAsShownNote(const RadioImage& before, const RadioImage& after);

}  // namespace zem
