#include "pages/key_values.h"

#include <cstddef>
#include <cstdint>
#include <tuple>

namespace zem {

namespace {

constexpr std::size_t kDurationOffset = 0x13A;
constexpr std::size_t kBottomKeyOffset = 0x13D;
constexpr std::size_t kMiddleKeyOffset = 0x13E;
constexpr std::size_t kTopKeyOffset = 0x13F;

int EntryOr0(int value, const std::vector<std::string>& entries)
{
    return value >= 0 && value < static_cast<int>(entries.size()) ? value : 0;
}

void FillKey(std::uint8_t byte, int& longPress, int& shortPress)
{
    longPress = EntryOr0(byte >> 4, KeyEntries::longPress());
    shortPress = EntryOr0(byte & 0x0F, KeyEntries::shortPress());
}

// One key byte: long-press function in the high nibble, short press in the
// low one. A list without a valid selection stores its "Off" entry.
std::uint8_t KeyByte(int longPress, int shortPress)
{
    return static_cast<std::uint8_t>(EntryOr0(longPress, KeyEntries::longPress()) * 16 +
                                     EntryOr0(shortPress, KeyEntries::shortPress()));
}

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
    static const std::vector<std::string> entries = {"Off", "Monitor Momentary", "Monitor ", "Scramble", "Alarm", "Vox", "Whisper", "Compand Expand", "Power", "Energy Check"};
    return entries;
}

const std::vector<std::string>& KeyEntries::shortPress()
{
    static const std::vector<std::string> entries = {"Off", "Monitor", "Scramble", "Vox", "Whisper", "Compand Expand", "Power", "Energy Check"};
    return entries;
}

void FillFromImage(const RadioImage& image, KeyValues& values)
{
    values.longPressDuration = EntryOr0(image[kDurationOffset], KeyEntries::longPressDuration());
    FillKey(image[kBottomKeyOffset], values.bottomLong, values.bottomShort);
    FillKey(image[kMiddleKeyOffset], values.middleLong, values.middleShort);
    FillKey(image[kTopKeyOffset], values.topLong, values.topShort);
}

void StoreToImage(const KeyValues& values, RadioImage& image)
{
    image[kDurationOffset] = static_cast<std::uint8_t>(EntryOr0(values.longPressDuration,
                                                                KeyEntries::longPressDuration()));
    image[kBottomKeyOffset] = KeyByte(values.bottomLong, values.bottomShort);
    image[kMiddleKeyOffset] = KeyByte(values.middleLong, values.middleShort);
    image[kTopKeyOffset] = KeyByte(values.topLong, values.topShort);
}

void ApplyKeyDefaults(RadioImage& image)
{
    image[kDurationOffset] = 0x01;    // 1.0 s
    image[kBottomKeyOffset] = 0x91;   // long "Energy Check", short "Monitor"
    image[kMiddleKeyOffset] = 0x33;   // long "Scramble", short "Vox"
    image[kTopKeyOffset] = 0x46;      // long "Alarm", short "Power"
}

}  // namespace zem
