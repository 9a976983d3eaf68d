#include "pages/radio_settings.h"

#include "document/json_writer.h"
#include "document/memory_map.h"
#include "translate.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace zem {

namespace {

constexpr char kUnknownDigit = '?';  // a stored code byte that is no digit

int Shift(std::uint8_t mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask = static_cast<std::uint8_t>(mask >> 1);
        ++shift;
    }
    return shift;
}

bool InList(const SettingEntry& setting, int index)
{
    return index >= 0 && index < static_cast<int>(setting.entries().size());
}

// The builders of the table below: a setting's name and value first, then
// where the radio keeps it, then how the page shows it.
SettingEntry Setting(const char* key, SettingKind kind, const char* label, std::size_t offset, std::uint8_t mask)
{
    SettingEntry setting;
    setting.key = key;
    setting.kind = kind;
    setting.label = label;
    setting.caption = label;
    setting.offset = offset;
    setting.mask = mask;
    return setting;
}

SettingEntry Choice(const char* key, int OptionValues::*member, const std::vector<std::string>& (*entries)(),
                   const char* label, std::size_t offset, std::uint8_t mask = 0xFF)
{
    SettingEntry setting = Setting(key, SettingKind::Choice, label, offset, mask);
    setting.optionIndex = member;
    setting.entries = entries;
    return setting;
}

SettingEntry Check(const char* key, bool OptionValues::*member, const char* label, std::size_t offset,
                  std::uint8_t mask)
{
    SettingEntry setting = Setting(key, SettingKind::Check, label, offset, mask);
    setting.optionCheck = member;
    return setting;
}

SettingEntry Code(const char* key, std::string OptionValues::*member, const char* label, std::size_t offset)
{
    SettingEntry setting = Setting(key, SettingKind::Code, label, offset, 0xFF);
    setting.optionCode = member;
    setting.length = kPttIdLength;
    return setting;
}

// Each key byte: the long-press function in the high nibble, the short
// press in the low one. A list without a valid pick stores its "Off".
SettingEntry Key(const char* key, int KeyValues::*member, const std::vector<std::string>& (*entries)(),
                const char* label, const char* caption, const char* group, std::size_t offset, std::uint8_t mask)
{
    SettingEntry setting = Setting(key, SettingKind::Choice, label, offset, mask);
    setting.page = SettingPage::Keys;
    setting.caption = caption;
    setting.group = group;
    setting.keyIndex = member;
    setting.entries = entries;
    setting.storesFallback = true;
    return setting;
}

SettingEntry Shown(SettingEntry setting, const char* group, int column, const char* caption = nullptr,
                  const char* help = "")
{
    setting.group = group;
    setting.column = column;
    if (caption)
        setting.caption = caption;
    setting.help = help;
    return setting;
}

SettingEntry Kept(SettingEntry setting, int add, int fallback, std::uint8_t storeMask = 0, int fixedPick = -1)
{
    setting.add = add;
    setting.fallback = fallback;
    setting.storeMask = storeMask;
    setting.fixedPick = fixedPick;
    return setting;
}

std::vector<SettingEntry> OptionTable()
{
    using E = OptionEntries;
    using V = OptionValues;
    const char* const scan = ZEM_TRANSLATE_NOOP("RadioSettings", "Scan information");
    const char* const other = ZEM_TRANSLATE_NOOP("RadioSettings", "Other Function");
    const char* const whisper = ZEM_TRANSLATE_NOOP("RadioSettings", "Whisper  Function");
    const char* const vox = ZEM_TRANSLATE_NOOP("RadioSettings", "VOX");
    const char* const pttId = ZEM_TRANSLATE_NOOP("RadioSettings", "PTT ID");
    const char* const dtmf = ZEM_TRANSLATE_NOOP("RadioSettings", "DTMF");
    return {
        Shown(Choice("scan_mode", &V::scanMode, E::scanMode, ZEM_TRANSLATE_NOOP("RadioSettings", "Scan Mode"), 0x131,
                     0x02),
              scan, 1, nullptr,
              ZEM_TRANSLATE_NOOP("RadioSettings", "Carrier: scanning stops on a channel while a carrier is received.")),
        Shown(Kept(Choice("receive_recovery", &V::receiveRecovery, E::recoveryTime,
                          ZEM_TRANSLATE_NOOP("RadioSettings", "Receive recovery time (sec)"), 0x138),
                   0, 128),
              scan, 1, nullptr,
              ZEM_TRANSLATE_NOOP("RadioSettings",
                                 "How long scanning waits on a channel after the signal has gone, in seconds.")),
        Shown(Choice("transmission_recovery", &V::transmissionRecovery, E::recoveryTime,
                     ZEM_TRANSLATE_NOOP("RadioSettings", "Transmission  recovery time (sec)"), 0x139),
              scan, 1, nullptr,
              ZEM_TRANSLATE_NOOP("RadioSettings", "How long scanning waits after you have transmitted, in seconds.")),
        Shown(
            Choice("time_out_timer", &V::timeOutTimer, E::timeOutTimer,
                   ZEM_TRANSLATE_NOOP("RadioSettings", "Radiate Time Out Timer(s)"), 0x137),
            other, 1, nullptr,
            ZEM_TRANSLATE_NOOP("RadioSettings", "Ends a transmission that lasts longer than this; Off for no limit.")),
        Shown(Choice("voice_beep_tone", &V::voiceBeepTone, E::voiceBeepTone,
                     ZEM_TRANSLATE_NOOP("RadioSettings", "Voice/Beep Tone"), 0x130, 0x03),
              other, 1, nullptr,
              ZEM_TRANSLATE_NOOP("RadioSettings", "What the radio says or sounds when a key is pressed.")),
        Shown(Kept(Choice("squelch_level", &V::squelchLevel, E::squelchLevel,
                          ZEM_TRANSLATE_NOOP("RadioSettings", "Squelch Level"), 0x134),
                   0, 0, 0, 4),
              other, 1, nullptr,
              ZEM_TRANSLATE_NOOP("RadioSettings", "How strong a signal must be to open the loudspeaker.")),
        Shown(Choice("lock_detect", &V::lockDetect, E::lockDetect, ZEM_TRANSLATE_NOOP("RadioSettings", "Lock Detect"),
                     0x131, 0x04),
              other, 1),
        Shown(Kept(Choice("whisper_level", &V::whisperLevel, E::whisperLevel,
                          ZEM_TRANSLATE_NOOP("RadioSettings", "Whisper level"), 0x136),
                   1, 2),
              whisper, 0, ZEM_TRANSLATE_NOOP("RadioSettings", "Whisper  "),
              ZEM_TRANSLATE_NOOP("RadioSettings",
                                 "Microphone gain for speaking quietly, when the whisper function is on.")),
        Shown(Check("whisper_enable", &V::whisperEnable,
                    ZEM_TRANSLATE_NOOP("RadioSettings", "Whisper  Function Enable"), 0x131, 0x80),
              whisper, 0),
        Shown(Kept(Choice("vox_level", &V::voxLevel, E::voxLevel, ZEM_TRANSLATE_NOOP("RadioSettings", "VOX level"),
                          0x135),
                   1, 2),
              vox, 0, ZEM_TRANSLATE_NOOP("RadioSettings", "Vox Function"),
              ZEM_TRANSLATE_NOOP("RadioSettings", "How loud you must speak to start transmitting, when VOX is on.")),
        Shown(
            Check("vox_enable", &V::voxEnable, ZEM_TRANSLATE_NOOP("RadioSettings", "Vox Function Enable"), 0x130, 0x20),
            vox, 0),
        Shown(
            Code("ptt_id_start", &V::pttIdStart, ZEM_TRANSLATE_NOOP("RadioSettings", "PTT ID Start"), kPttIdAreaOffset),
            pttId, 0, ZEM_TRANSLATE_NOOP("RadioSettings", "Start"),
            ZEM_TRANSLATE_NOOP("RadioSettings", "The PTT ID code sent when transmission starts: up to 8 digits.")),
        Shown(Code("ptt_id_end", &V::pttIdEnd, ZEM_TRANSLATE_NOOP("RadioSettings", "PTT ID End"),
                   kPttIdAreaOffset + kPttIdLength),
              pttId, 0, ZEM_TRANSLATE_NOOP("RadioSettings", "End"),
              ZEM_TRANSLATE_NOOP("RadioSettings", "The PTT ID code sent when transmission ends: up to 8 digits.")),
        Shown(Check("ptt_id_start_enable", &V::pttIdStartEnable,
                    ZEM_TRANSLATE_NOOP("RadioSettings", "PTT ID Start Enable"), 0x132, 0x80),
              pttId, 0, ZEM_TRANSLATE_NOOP("RadioSettings", "Start Enable")),
        Shown(Check("ptt_id_end_enable", &V::pttIdEndEnable, ZEM_TRANSLATE_NOOP("RadioSettings", "PTT ID End Enable"),
                    0x132, 0x40),
              pttId, 0, ZEM_TRANSLATE_NOOP("RadioSettings", "End Enable")),
        // The whole speed byte is written, so its high nibble becomes 0.
        Shown(Kept(Choice("dtmf_speed", &V::dtmfSpeed, E::dtmfSpeed,
                          ZEM_TRANSLATE_NOOP("RadioSettings", "DTMF Speed  Digit/sec"), 0x133, 0x0F),
                   4, 2, 0xFF, 2),
              dtmf, 0, nullptr, ZEM_TRANSLATE_NOOP("RadioSettings", "How fast the PTT ID digits are sent.")),
        Shown(Choice("first_digit_time", &V::firstDigitTime, E::firstDigitTime,
                     ZEM_TRANSLATE_NOOP("RadioSettings", "First Digit Time(ms)"), 0x13B),
              dtmf, 0),
        Shown(Choice("first_digit_delay", &V::firstDigitDelay, E::firstDigitDelay,
                     ZEM_TRANSLATE_NOOP("RadioSettings", "First Digit Delay Time(ms)"), 0x13C),
              dtmf, 0),
        Shown(Check("dtmf_side_tone", &V::dtmfSideTone, ZEM_TRANSLATE_NOOP("RadioSettings", "DTMF Side Tone"), 0x132,
                    0x20),
              dtmf, 0),
        Shown(Check("energy_check", &V::energyCheck, ZEM_TRANSLATE_NOOP("RadioSettings", "Energy Check"), 0x131, 0x01),
              other, 1),
        Shown(Check("wired_clone_mode", &V::wiredCloneMode, ZEM_TRANSLATE_NOOP("RadioSettings", "Wired Clone Mode"),
                    0x130, 0x40),
              other, 1),
        Shown(Check("scramble", &V::scramble, ZEM_TRANSLATE_NOOP("RadioSettings", "Scramble"), 0x130, 0x04), other, 1),
        Shown(Check("alarm_enable", &V::alarmEnable, ZEM_TRANSLATE_NOOP("RadioSettings", "Alarm Function Enable"),
                    0x130, 0x08),
              other, 1),
        Shown(Check("compand_expand", &V::compandExpand, ZEM_TRANSLATE_NOOP("RadioSettings", "Compand Expand"), 0x130,
                    0x10),
              other, 1),
        Shown(Check("save_energy", &V::saveEnergy, ZEM_TRANSLATE_NOOP("RadioSettings", "Save Energy"), 0x131, 0x40),
              other, 1, nullptr,
              ZEM_TRANSLATE_NOOP("RadioSettings",
                                 "The receiver sleeps between checks for a signal, to save the battery.")),
    };
}

std::vector<SettingEntry> KeyTable()
{
    using E = KeyEntries;
    using V = KeyValues;
    const char* const longPress = ZEM_TRANSLATE_NOOP("RadioSettings", "Long Press");
    const char* const shortPress = ZEM_TRANSLATE_NOOP("RadioSettings", "Short Press");
    const char* const top = ZEM_TRANSLATE_NOOP("RadioSettings", "   Top Key");
    const char* const middle = ZEM_TRANSLATE_NOOP("RadioSettings", "Middle Key");
    const char* const bottom = ZEM_TRANSLATE_NOOP("RadioSettings", "Bottom Key");
    return {
        Key("long_press_duration", &V::longPressDuration, E::longPressDuration,
            ZEM_TRANSLATE_NOOP("RadioSettings", "Long Press Duration(s)"),
            ZEM_TRANSLATE_NOOP("RadioSettings", "Long Press Duration(s)"), "", 0x13A, 0xFF),
        Key("top_long", &V::topLong, E::longPress, ZEM_TRANSLATE_NOOP("RadioSettings", "Top Key Long Press"), longPress,
            top, 0x13F, 0xF0),
        Key("top_short", &V::topShort, E::shortPress, ZEM_TRANSLATE_NOOP("RadioSettings", "Top Key Short Press"),
            shortPress, top, 0x13F, 0x0F),
        Key("middle_long", &V::middleLong, E::longPress, ZEM_TRANSLATE_NOOP("RadioSettings", "Middle Key Long Press"),
            longPress, middle, 0x13E, 0xF0),
        Key("middle_short", &V::middleShort, E::shortPress,
            ZEM_TRANSLATE_NOOP("RadioSettings", "Middle Key Short Press"), shortPress, middle, 0x13E, 0x0F),
        Key("bottom_long", &V::bottomLong, E::longPress, ZEM_TRANSLATE_NOOP("RadioSettings", "Bottom Key Long Press"),
            longPress, bottom, 0x13D, 0xF0),
        Key("bottom_short", &V::bottomShort, E::shortPress,
            ZEM_TRANSLATE_NOOP("RadioSettings", "Bottom Key Short Press"), shortPress, bottom, 0x13D, 0x0F),
    };
}

struct ByteUse {
    std::uint8_t bits = 0;
    bool used = false;
    SettingPage page = SettingPage::Options;
};

const std::array<ByteUse, kImageSize>& ByteUses()
{
    static const std::array<ByteUse, kImageSize> uses = [] {
        std::array<ByteUse, kImageSize> all{};
        for (SettingPage page : {SettingPage::Options, SettingPage::Keys}) {
            for (const SettingEntry& setting : PageSettings(page)) {
                for (std::size_t i = 0; i < setting.length; ++i) {
                    ByteUse& use = all[setting.offset + i];
                    use.bits = static_cast<std::uint8_t>(use.bits | setting.mask);
                    use.used = true;
                    use.page = page;
                }
            }
        }
        return all;
    }();
    return uses;
}

std::string ListJson(const std::vector<std::string>& entries)
{
    std::string out = "[";
    for (const auto& entry : entries)
        out += (out.size() > 1 ? "," : "") + JsonString(entry);
    return out + "]";
}

}  // namespace

const std::vector<SettingEntry>& PageSettings(SettingPage page)
{
    static const std::vector<SettingEntry> options = OptionTable();
    static const std::vector<SettingEntry> keys = KeyTable();
    return page == SettingPage::Options ? options : keys;
}

const SettingEntry* FindSetting(const std::string& key)
{
    for (SettingPage page : {SettingPage::Options, SettingPage::Keys}) {
        for (const SettingEntry& setting : PageSettings(page)) {
            if (key == setting.key)
                return &setting;
        }
    }
    return nullptr;
}

std::uint8_t SettingBits(std::size_t offset) { return offset < kImageSize ? ByteUses()[offset].bits : 0; }

bool SettingPageOf(std::size_t offset, SettingPage& page)
{
    if (offset >= kImageSize || !ByteUses()[offset].used)
        return false;
    page = ByteUses()[offset].page;
    return true;
}

int& IndexIn(const SettingEntry& setting, OptionValues& options, KeyValues& keys)
{
    return setting.optionIndex ? options.*setting.optionIndex : keys.*setting.keyIndex;
}

int IndexIn(const SettingEntry& setting, const OptionValues& options, const KeyValues& keys)
{
    return setting.optionIndex ? options.*setting.optionIndex : keys.*setting.keyIndex;
}

bool& CheckIn(const SettingEntry& setting, OptionValues& options) { return options.*setting.optionCheck; }

std::string& CodeIn(const SettingEntry& setting, OptionValues& options) { return options.*setting.optionCode; }

const std::string& CodeIn(const SettingEntry& setting, const OptionValues& options)
{
    return options.*setting.optionCode;
}

bool SameSetting(const SettingEntry& setting, const OptionValues& aOptions, const KeyValues& aKeys,
                 const OptionValues& bOptions, const KeyValues& bKeys)
{
    switch (setting.kind) {
    case SettingKind::Choice: return IndexIn(setting, aOptions, aKeys) == IndexIn(setting, bOptions, bKeys);
    case SettingKind::Check: return aOptions.*setting.optionCheck == bOptions.*setting.optionCheck;
    case SettingKind::Code: return CodeIn(setting, aOptions) == CodeIn(setting, bOptions);
    }
    return true;
}

void CopySetting(const SettingEntry& setting, const OptionValues& fromOptions, const KeyValues& fromKeys,
                 OptionValues& toOptions, KeyValues& toKeys)
{
    switch (setting.kind) {
    case SettingKind::Choice: IndexIn(setting, toOptions, toKeys) = IndexIn(setting, fromOptions, fromKeys); break;
    case SettingKind::Check: CheckIn(setting, toOptions) = fromOptions.*setting.optionCheck; break;
    case SettingKind::Code: CodeIn(setting, toOptions) = CodeIn(setting, fromOptions); break;
    }
}

const char* CodeRefusal(const SettingEntry& setting, const std::string& code)
{
    static const char* const kMsgCodeTooLong = ZEM_TRANSLATE_NOOP("zem::Settings", "a PTT ID has at most 8 digits");
    if (!std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return kMsgPttIdNotCorrect;
    if (code.size() < setting.length)
        return kMsgPttIdTooShort;
    if (code.size() > setting.length)
        return kMsgCodeTooLong;
    return nullptr;
}

int AfterPick(const SettingEntry& setting, int picked) { return setting.fixedPick >= 0 ? setting.fixedPick : picked; }

bool SetFromControl(const SettingEntry& setting, const std::string& value, OptionValues& options, KeyValues& keys)
{
    switch (setting.kind) {
    case SettingKind::Choice: {
        char* end = nullptr;
        const long index = std::strtol(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0' || index < 0 || index >= static_cast<long>(setting.entries().size()))
            return false;
        IndexIn(setting, options, keys) = AfterPick(setting, static_cast<int>(index));
        return true;
    }
    case SettingKind::Check: CheckIn(setting, options) = value == "1"; return true;
    case SettingKind::Code: CodeIn(setting, options) = value.substr(0, setting.length); return true;
    }
    return false;
}

std::string SettingValuesJson(SettingPage page, const OptionValues& options, const KeyValues& keys)
{
    std::string out = "{";
    for (const SettingEntry& setting : PageSettings(page)) {
        out += (out.size() > 1 ? "," : "") + JsonString(setting.key) + ":";
        switch (setting.kind) {
        case SettingKind::Choice: out += std::to_string(IndexIn(setting, options, keys)); break;
        case SettingKind::Check: out += options.*setting.optionCheck ? "true" : "false"; break;
        case SettingKind::Code: out += JsonString(CodeIn(setting, options)); break;
        }
    }
    return out + "}";
}

std::string SettingsDescriptionJson()
{
    static const char* const kKinds[] = {"choice", "check", "code"};
    std::string out = "[";
    for (SettingPage page : {SettingPage::Options, SettingPage::Keys}) {
        for (const SettingEntry& setting : PageSettings(page)) {
            out += (out.size() > 1 ? "," : "");
            out += "{\"key\":" + JsonString(setting.key) +
                   ",\"page\":" + (page == SettingPage::Options ? "\"options\"" : "\"keys\"") +
                   ",\"kind\":\"" + kKinds[static_cast<int>(setting.kind)] + "\"" +
                   ",\"label\":" + JsonString(setting.label) +
                   ",\"caption\":" + JsonString(setting.caption) + ",\"group\":" + JsonString(setting.group) +
                   ",\"column\":" + std::to_string(setting.column) + ",\"help\":" + JsonString(setting.help) +
                   ",\"entries\":" + (setting.entries ? ListJson(setting.entries()) : "[]") +
                   ",\"length\":" + std::to_string(setting.length) + "}";
        }
    }
    return out + "]";
}

void FillSetting(const SettingEntry& setting, const RadioImage& image, OptionValues& options, KeyValues& keys)
{
    const std::uint8_t byte = image[setting.offset];
    switch (setting.kind) {
    case SettingKind::Choice: {
        const int index = ((byte & setting.mask) >> Shift(setting.mask)) - setting.add;
        IndexIn(setting, options, keys) = InList(setting, index) ? index : setting.fallback;
        break;
    }
    case SettingKind::Check: CheckIn(setting, options) = (byte & setting.mask) != 0; break;
    case SettingKind::Code: {
        std::string& code = CodeIn(setting, options);
        code.clear();
        for (std::size_t i = 0; i < setting.length; ++i) {
            const std::uint8_t digit = image[setting.offset + i];
            code += digit <= 9 ? static_cast<char>('0' + digit) : kUnknownDigit;
        }
        break;
    }
    }
}

void StoreSetting(const SettingEntry& setting, const OptionValues& options, const KeyValues& keys, RadioImage& image)
{
    std::uint8_t& byte = image[setting.offset];
    switch (setting.kind) {
    case SettingKind::Choice: {
        // A list with no valid selection leaves its bits as the radio had
        // them rather than writing a value the radio never offered.
        int index = IndexIn(setting, options, keys);
        if (!InList(setting, index)) {
            if (!setting.storesFallback)
                return;
            index = setting.fallback;
        }
        const std::uint8_t written = setting.storeMask ? setting.storeMask : setting.mask;
        const auto value = static_cast<std::uint8_t>(((index + setting.add) << Shift(setting.mask)) & written);
        byte = static_cast<std::uint8_t>((byte & ~written) | value);
        break;
    }
    case SettingKind::Check: SetBit(byte, setting.mask, options.*setting.optionCheck); break;
    case SettingKind::Code: break;  // with its messages, by the options page
    }
}

}  // namespace zem
