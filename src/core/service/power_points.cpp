#include "service/power_points.h"

#include "channels/frequency.h"

namespace zem {

PowerValues DefaultPowerValues() {
    return PowerValues{{65, 65, 65, 60, 60, 50, 50}, {45, 50, 50, 65, 65, 65, 60}};
}

PowerValues PowerValuesFromImage(const RadioImage& image) {
    PowerValues values;
    for (int p = 0; p < kPowerPointCount; ++p) {
        values.low[p] = image[kPowerLowOffset + p];
        values.high[p] = image[kPowerHighOffset + p];
    }
    return values;
}

void StorePowerValues(const PowerValues& values, RadioImage& image) {
    for (int p = 0; p < kPowerPointCount; ++p) {
        image[kPowerLowOffset + p] = values.low[p];
        image[kPowerHighOffset + p] = values.high[p];
    }
}

PowerFrequencyRange PowerRangeForBand(int bandSelection) {
    switch (bandSelection) {
    case 1:
        return {220.0, 280.0};
    case 2:
        return {400.0, 470.0};
    case 3:
        return {470.0, 512.0};
    default:
        return {136.0, 174.0};
    }
}

const std::array<const char*, kPowerPointCount>& PowerPointLabels(double maxMHz) {
    static const std::array<const char*, kPowerPointCount> lowBand = {"136-141(MHZ)", "136-146(MHZ)", "136-151(MHZ)", "136-156(MHZ)", "136-161(MHZ)", "136-166(MHZ)", "136-171(MHZ)"};
    static const std::array<const char*, kPowerPointCount> highBand = {"400-410(MHZ)", "400-420(MHZ)", "400-430(MHZ)", "400-440(MHZ)", "400-450(MHZ)", "400-460(MHZ)", "400-470(MHZ)"};
    // Any band reaching above 255 MHz shows the 400 MHz labels, the
    // 220-280 MHz band included.
    return maxMHz > 255.0 ? highBand : lowBand;
}

std::string FormatPowerFrequency(double mhz) {
    // Whole 10 Hz units written with integer arithmetic, so the point stays a
    // '.' whatever number locale the window runs in; at least eight places.
    std::string text = FormatFrequency(MhzToUnits(mhz));
    if (text.size() < 8) text.insert(0, 8 - text.size(), ' ');
    return text;
}

}  // namespace zem
