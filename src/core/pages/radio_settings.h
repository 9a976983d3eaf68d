#pragma once

#include "document/radio_image.h"
#include "pages/key_values.h"
#include "pages/option_values.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zem {

// The one description of the options and key pages' settings: what each is
// called, where the radio keeps it and how it shows. The pages' fill and
// store, the differences, the plan text, zemtool show, the browser edition's
// settings pages and the window's bindings all go through this list; a new
// setting is one entry here (and, in the window, a place for its control).

enum class SettingPage { Options, Keys };
enum class SettingKind { Choice, Check, Code };

struct SettingEntry {
    const char* key = "";      // "scan_mode": the plan text's, zemtool show --json's and the browser page's name
    SettingPage page = SettingPage::Options;
    SettingKind kind = SettingKind::Choice;
    const char* label = "";    // the page's words for it in lists and differences: "Scan Mode"
    const char* caption = "";  // the words beside its control on the page: "Whisper  ", "Start Enable"
    const char* group = "";    // the legend of the box it sits in on the page; "" for none
    int column = 0;            // the page's column of that box, 0 the left one
    const char* help = "";     // what it does, for What's This and the browser page; may be ""
    const std::vector<std::string>& (*entries)() = nullptr;  // a choice's list

    // Where it is kept: a choice's entry index + add and a check box state
    // in the bits of mask at offset; a code in length bytes from offset.
    std::size_t offset = 0;
    std::uint8_t mask = 0xFF;
    int add = 0;
    int fallback = 0;            // the entry shown for a stored value outside the list
    std::uint8_t storeMask = 0;  // the bits a store writes when more than mask (the rest become 0)
    bool storesFallback = false; // no valid pick stores the fall-back entry instead of keeping the bits
    int fixedPick = -1;          // the entry any pick is set back to, the firmware fixing the list
    std::size_t length = 1;      // a code's bytes

    int OptionValues::*optionIndex = nullptr;
    bool OptionValues::*optionCheck = nullptr;
    std::string OptionValues::*optionCode = nullptr;
    int KeyValues::*keyIndex = nullptr;
};

// The settings of one page, in the order the plan text and zemtool list them.
const std::vector<SettingEntry>& PageSettings(SettingPage page);

// The setting of that key on either page, or nullptr.
const SettingEntry* FindSetting(const std::string& key);

// The bits of byte offset that some setting of either page keeps.
std::uint8_t SettingBits(std::size_t offset);

// The page a setting's byte belongs to; false for a byte no setting keeps.
bool SettingPageOf(std::size_t offset, SettingPage& page);

// A setting's value, whichever page holds it.
int& IndexIn(const SettingEntry& setting, OptionValues& options, KeyValues& keys);
int IndexIn(const SettingEntry& setting, const OptionValues& options, const KeyValues& keys);
bool& CheckIn(const SettingEntry& setting, OptionValues& options);
std::string& CodeIn(const SettingEntry& setting, OptionValues& options);
const std::string& CodeIn(const SettingEntry& setting, const OptionValues& options);

// True when the setting has the same value in both.
bool SameSetting(const SettingEntry& setting, const OptionValues& aOptions, const KeyValues& aKeys,
                 const OptionValues& bOptions, const KeyValues& bKeys);
void CopySetting(const SettingEntry& setting, const OptionValues& fromOptions, const KeyValues& fromKeys,
                 OptionValues& toOptions, KeyValues& toKeys);

// The entry a user's pick becomes: the fixed entry for the lists the
// firmware fixes ("Squelch Level" goes back to "4"), the pick otherwise.
int AfterPick(const SettingEntry& setting, int picked);

// Why a code given as text cannot be stored as it is (not all digits, too
// short, too long); nullptr when it can.
const char* CodeRefusal(const SettingEntry& setting, const std::string& code);

// Sets a setting from what a page's control gives: an entry index ("3"), a
// check box state ("1" or "0"), a code text (cut to its length). A pick
// outside the list or no number is refused (false) and changes nothing.
bool SetFromControl(const SettingEntry& setting, const std::string& value, OptionValues& options, KeyValues& keys);

// The values of one page's settings by key, as JSON: entry indexes, check
// box states and code texts ({"scan_mode":0,"whisper_enable":true,...}).
std::string SettingValuesJson(SettingPage page, const OptionValues& options, const KeyValues& keys);

// Every setting of both pages as JSON, for a page built at run time: key,
// page ("options" or "keys"), kind ("choice", "check", "code"), label,
// caption, group, column, help, entries, length.
std::string SettingsDescriptionJson();

// The fill and store of one setting (the option and key pages' loops).
void FillSetting(const SettingEntry& setting, const RadioImage& image, OptionValues& options, KeyValues& keys);
void StoreSetting(const SettingEntry& setting, const OptionValues& options, const KeyValues& keys, RadioImage& image);

}  // namespace zem
