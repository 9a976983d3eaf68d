#pragma once

#include "document/radio_image.h"

#include <string>
#include <vector>

namespace zem {

// What the "Key assignment" page shows: the selected entry index of each of
// its seven drop-downs. Bytes 0x13A and 0x13D-0x13F of the image.
struct KeyValues {
    int longPressDuration = 0;  // 0x13A: "0.5" .. "2.5"
    int topLong = 0;            // 0x13F high nibble
    int topShort = 0;           // 0x13F low nibble
    int middleLong = 0;         // 0x13E high nibble
    int middleShort = 0;        // 0x13E low nibble
    int bottomLong = 0;         // 0x13D high nibble
    int bottomShort = 0;        // 0x13D low nibble

    friend bool operator==(const KeyValues&, const KeyValues&);
    friend bool operator!=(const KeyValues& a, const KeyValues& b) { return !(a == b); }
};

struct KeyEntries {
    static const std::vector<std::string>& longPressDuration();  // "0.5" .. "2.5"
    static const std::vector<std::string>& longPress();          // 10 functions, "Monitor " with its blank
    static const std::vector<std::string>& shortPress();         // 8 functions
};

void FillFromImage(const RadioImage& image, KeyValues& values);
void StoreToImage(const KeyValues& values, RadioImage& image);

// The page's "Default Setting": 0x13A = 01, 0x13D-0x13F = 91 33 46.
void ApplyKeyDefaults(RadioImage& image);

}  // namespace zem
