#include "pages/key_values.h"

#include "pages/radio_settings.h"
#include "translate.h"

#include <cstddef>
#include <cstdint>
#include <tuple>

namespace zem {

namespace {

constexpr std::size_t kDurationOffset = 0x13A;
constexpr std::size_t kBottomKeyOffset = 0x13D;
constexpr std::size_t kMiddleKeyOffset = 0x13E;
constexpr std::size_t kTopKeyOffset = 0x13F;

}  // namespace

bool operator==(const KeyValues& a, const KeyValues& b)
{
    return std::tie(a.longPressDuration, a.topLong, a.topShort, a.middleLong, a.middleShort, a.bottomLong,
                    a.bottomShort) == std::tie(b.longPressDuration, b.topLong, b.topShort, b.middleLong,
                                               b.middleShort, b.bottomLong, b.bottomShort);
}

const std::vector<std::string>& KeyEntries::longPressDuration()
{
    static const std::vector<std::string> entries = {"0.5", "1.0", "1.5", "2.0", "2.5"};
    return entries;
}

const std::vector<std::string>& KeyEntries::longPress()
{
    static const std::vector<std::string> entries = {
        ZEM_TRANSLATE_NOOP("RadioSettings", "Off"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Monitor Momentary"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Monitor "),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Scramble"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Alarm"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Vox"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Whisper"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Compand Expand"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Power"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Energy Check")};
    return entries;
}

const std::vector<std::string>& KeyEntries::shortPress()
{
    static const std::vector<std::string> entries = {
        ZEM_TRANSLATE_NOOP("RadioSettings", "Off"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Monitor"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Scramble"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Vox"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Whisper"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Compand Expand"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Power"),
        ZEM_TRANSLATE_NOOP("RadioSettings", "Energy Check")};
    return entries;
}

void FillFromImage(const RadioImage& image, KeyValues& values)
{
    OptionValues unused;
    for (const SettingEntry& setting : PageSettings(SettingPage::Keys))
        FillSetting(setting, image, unused, values);
}

void StoreToImage(const KeyValues& values, RadioImage& image)
{
    const OptionValues unused;
    for (const SettingEntry& setting : PageSettings(SettingPage::Keys))
        StoreSetting(setting, unused, values, image);
}

void ApplyKeyDefaults(RadioImage& image)
{
    image[kDurationOffset] = 0x01;    // 1.0 s
    image[kBottomKeyOffset] = 0x91;   // long "Energy Check", short "Monitor"
    image[kMiddleKeyOffset] = 0x33;   // long "Scramble", short "Vox"
    image[kTopKeyOffset] = 0x46;      // long "Alarm", short "Power"
}

}  // namespace zem
