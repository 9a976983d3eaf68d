#pragma once

#include "document/memory_map.h"
#include "document/radio_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zem {

// The radio keeps one low-power and one high-power value (0-255) for each of
// seven frequency points of its band, at image bytes 0x3D0-0x3DD. 0x3DE and
// 0x3DF are the radio's own and go back as they were read.
constexpr int kPowerPointCount = 7;

struct PowerValues {
    std::array<std::uint8_t, kPowerPointCount> low{};
    std::array<std::uint8_t, kPowerPointCount> high{};

    friend bool operator==(const PowerValues& a, const PowerValues& b) {
        return a.low == b.low && a.high == b.high;
    }
    friend bool operator!=(const PowerValues& a, const PowerValues& b) { return !(a == b); }
};

// The values of "Default Setting": low 65 65 65 60 60 50 50, high 45 50 50 65 65 65 60.
PowerValues DefaultPowerValues();

PowerValues PowerValuesFromImage(const RadioImage& image);
void StorePowerValues(const PowerValues& values, RadioImage& image);

// The frequency range the dialog shows for the channel page's band choice
// (0-3; anything else, "Other...." or no choice, shows 136-174 MHz).
struct PowerFrequencyRange {
    double minMHz;
    double maxMHz;
};
PowerFrequencyRange PowerRangeForBand(int bandSelection);

// The row labels of the seven points: "136-141(MHZ)" .. "136-171(MHZ)" for a
// band whose upper limit is at most 255 MHz, "400-410(MHZ)" .. "400-470(MHZ)"
// above.
const std::array<const char*, kPowerPointCount>& PowerPointLabels(double maxMHz);

// A limit as the dialog's edit boxes show it ("%8.5f": 174.00000).
std::string FormatPowerFrequency(double mhz);

}  // namespace zem
