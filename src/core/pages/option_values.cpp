#include "pages/option_values.h"

#include "pages/radio_settings.h"
#include "translate.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <tuple>

namespace zem {

const char* const kMsgPttIdNotCorrect = ZEM_TRANSLATE_NOOP("zem::Settings", "The PTT ID you input are not correct,it will be changed to zero");
const char* const kMsgPttIdTooShort = ZEM_TRANSLATE_NOOP("zem::Settings", "The  PTT ID you input is too short,It will be suffixed with zero");

namespace {

constexpr std::size_t kVoiceOffset = 0x130;  // voice/beep, VOX, clone, compander, alarm, scramble
constexpr int kScanPause = 129;              // the last recovery entry

std::vector<std::string> Numbers(int first, int last, int step)
{
    std::vector<std::string> entries;
    for (int n = first; n <= last; n += step)
        entries.push_back(std::to_string(n));
    return entries;
}

// The number of bytes of the UTF-8 character that starts at text[at]: a
// lead byte with its continuation bytes; a stray or cut-off byte counts as
// one character of its own.
std::size_t CharacterLength(const std::string& text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t wanted = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    std::size_t length = 1;
    while (length < wanted && at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
        ++length;
    return length == wanted ? length : 1;
}

// Writes a PTT ID code (UTF-8 text as typed) into its eight bytes, one byte
// per typed character: digits as their values, any other character as 0,
// missing digits as 0. Only the first eight characters count; nothing is
// written past the code's own bytes.
void StoreCode(const std::string& text, RadioImage& image, std::size_t offset, Messenger& messenger)
{
    std::size_t length = 0;  // characters stored
    bool reported = false;
    for (std::size_t at = 0; at < text.size() && length < kPttIdLength; ++length) {
        const std::size_t size = CharacterLength(text, at);
        const char c = text[at];
        const bool digit = size == 1 && c >= '0' && c <= '9';
        if (!digit && !reported) {
            messenger.notice(kMsgPttIdNotCorrect);
            reported = true;
        }
        image[offset + length] = digit ? static_cast<std::uint8_t>(c - '0') : 0;
        at += size;
    }
    if (length < kPttIdLength) {
        messenger.notice(kMsgPttIdTooShort);
        for (std::size_t i = length; i < kPttIdLength; ++i)
            image[offset + i] = 0;
    }
}

std::vector<std::string> RecoveryEntries()
{
    std::vector<std::string> entries;
    for (int halves = 1; halves <= kScanPause; ++halves)
        entries.push_back(std::to_string(halves / 2) + (halves % 2 ? ".5 " : ".0 "));
    entries.emplace_back(ZEM_TRANSLATE_NOOP("RadioSettings", "Scan Pause"));
    return entries;
}

auto Tied(const OptionValues& v)
{
    return std::tie(v.scanMode, v.receiveRecovery, v.transmissionRecovery, v.timeOutTimer, v.voiceBeepTone,
                    v.squelchLevel, v.lockDetect, v.whisperLevel, v.whisperEnable, v.voxLevel, v.voxEnable,
                    v.pttIdStart, v.pttIdEnd, v.pttIdStartEnable, v.pttIdEndEnable, v.dtmfSpeed, v.firstDigitTime,
                    v.firstDigitDelay, v.dtmfSideTone, v.energyCheck, v.wiredCloneMode, v.scramble, v.alarmEnable,
                    v.compandExpand, v.saveEnergy);
}

}  // namespace

bool operator==(const OptionValues& a, const OptionValues& b) { return Tied(a) == Tied(b); }

const std::vector<std::string>& OptionEntries::scanMode()
{
    static const std::vector<std::string> entries = {ZEM_TRANSLATE_NOOP("RadioSettings", "Off"), ZEM_TRANSLATE_NOOP("RadioSettings", "Carrier")};
    return entries;
}

const std::vector<std::string>& OptionEntries::recoveryTime()
{
    static const std::vector<std::string> entries = RecoveryEntries();
    return entries;
}

const std::vector<std::string>& OptionEntries::timeOutTimer()
{
    static const std::vector<std::string> entries = {ZEM_TRANSLATE_NOOP("RadioSettings", "Off"), "30s", "60s", "90s", "120s", "150s", "180s", "210s", "240s", "270s", "300s"};
    return entries;
}

const std::vector<std::string>& OptionEntries::voiceBeepTone()
{
    static const std::vector<std::string> entries = {ZEM_TRANSLATE_NOOP("RadioSettings", "Off"), ZEM_TRANSLATE_NOOP("RadioSettings", "Tone"), ZEM_TRANSLATE_NOOP("RadioSettings", "Chinese"), ZEM_TRANSLATE_NOOP("RadioSettings", "English")};
    return entries;
}

const std::vector<std::string>& OptionEntries::squelchLevel()
{
    static const std::vector<std::string> entries = Numbers(0, 9, 1);
    return entries;
}

const std::vector<std::string>& OptionEntries::lockDetect()
{
    static const std::vector<std::string> entries = {ZEM_TRANSLATE_NOOP("RadioSettings", "Off"), ZEM_TRANSLATE_NOOP("RadioSettings", "Detect")};
    return entries;
}

const std::vector<std::string>& OptionEntries::whisperLevel()
{
    static const std::vector<std::string> entries = Numbers(1, 3, 1);
    return entries;
}

const std::vector<std::string>& OptionEntries::voxLevel()
{
    static const std::vector<std::string> entries = Numbers(1, 3, 1);
    return entries;
}

const std::vector<std::string>& OptionEntries::dtmfSpeed()
{
    static const std::vector<std::string> entries = Numbers(4, 15, 1);
    return entries;
}

const std::vector<std::string>& OptionEntries::firstDigitTime()
{
    static const std::vector<std::string> entries = Numbers(0, 1000, 50);
    return entries;
}

const std::vector<std::string>& OptionEntries::firstDigitDelay()
{
    static const std::vector<std::string> entries = Numbers(100, 1000, 50);
    return entries;
}

void FillFromImage(const RadioImage& image, OptionValues& values)
{
    KeyValues unused;
    for (const SettingEntry& setting : PageSettings(SettingPage::Options))
        FillSetting(setting, image, values, unused);
}

void StoreToImage(const OptionValues& values, RadioImage& image, Messenger& messenger)
{
    const KeyValues unused;
    for (const SettingEntry& setting : PageSettings(SettingPage::Options)) {
        if (setting.kind == SettingKind::Code)
            StoreCode(CodeIn(setting, values), image, setting.offset, messenger);
        else
            StoreSetting(setting, values, unused, image);
    }
    image[kVoiceOffset] |= 0x80;  // the radio expects bit 7 always set
}

void ApplyOptionDefaults(RadioImage& image)
{
    const RadioImage defaults = NewDocumentImage();
    for (const SettingEntry& setting : PageSettings(SettingPage::Options)) {
        for (std::size_t i = 0; i < setting.length; ++i)
            image[setting.offset + i] = defaults[setting.offset + i];
    }
}

}  // namespace zem
