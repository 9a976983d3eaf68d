#pragma once

#include <cstdint>
#include <string>

namespace zem {

// Frequencies are counted in whole units of 10 Hz (MHz x 100000) and stored
// in the image as 8 packed BCD digits, least significant byte first.

// The decimal number at the start of text, as the standard text-to-double
// conversion reads it (leading blanks skipped; 0 when there is no number),
// but always with '.' as the decimal point whatever the process locale, and
// without the hexadecimal form ("0x10" reads as 0).
double LeadingNumber(const std::string& text);

// MHz to the nearest whole 10 Hz unit; a value exactly halfway between two
// units rounds away from zero.
std::int64_t MhzToUnits(double mhz);

// The number at the start of text (read as LeadingNumber reads it) in whole
// 10 Hz units, rounded to the nearest unit from its decimal digits, so a
// text exactly halfway between two units (145.000005) rounds away from zero
// and 256.02 is exactly 25602000. Absurdly large values saturate far above
// any band instead of overflowing.
std::int64_t TextToUnits(const std::string& text);

// The number at the start of text times 10, truncated toward zero, from its
// decimal digits (a tone text "69.3" is exactly 693).
std::int64_t TextToTenths(const std::string& text);

// "%3.5f" of units / 100000, e.g. 14512500 -> "145.12500".
std::string FormatFrequency(std::int64_t units);

// Four BCD bytes (byte 0 least significant) to units; a nibble above 9
// counts with its value, as the radio's own arithmetic does.
std::int64_t DecodeBcd(const std::uint8_t* bytes);

// Units to four BCD bytes. A value at or below 0, or of 100,000,000 units or
// more, is written as an absent frequency: FF FF FF FF.
void EncodeBcd(std::int64_t units, std::uint8_t* bytes);

// True when a stored frequency is absent: its most significant byte is 0x00 or 0xFF.
inline bool IsAbsentFrequency(const std::uint8_t* bytes) { return bytes[3] == 0x00 || bytes[3] == 0xFF; }

}  // namespace zem
