#include "channels/frequency.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zem {

namespace {

// Far above every band, far below the int64 limits.
constexpr std::int64_t kSaturated = 100'000'000'000'000'000LL;

// The leading decimal number of a text, split into its parts, as the
// standard text-to-double conversion delimits it: blanks, sign, digits with
// an optional point, an optional exponent. "inf" and "nan" are recognised
// so that they never read as digits.
struct DecimalPrefix {
    bool found = false;
    bool negative = false;
    bool infinite = false;
    bool notANumber = false;
    std::string digits;     // integer and fraction digits, point removed
    long long exponent = 0; // value = digits x 10^exponent
    std::string prefix;     // the prefix itself without a '+' sign, for from_chars
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithWord(const std::string& text, std::size_t at, const char* word)
{
    for (std::size_t k = 0; word[k] != '\0'; ++k) {
        if (at + k >= text.size())
            return false;
        char c = text[at + k];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[k])
            return false;
    }
    return true;
}

DecimalPrefix ParseDecimalPrefix(const std::string& text)
{
    DecimalPrefix result;
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        result.negative = text[i] == '-';
        ++i;
    }
    if (StartsWithWord(text, i, "inf")) {
        result.found = result.infinite = true;
        return result;
    }
    if (StartsWithWord(text, i, "nan")) {
        result.found = result.notANumber = true;
        return result;
    }

    const std::size_t start = i;
    long long fractionDigits = 0;
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        result.digits += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            result.digits += text[i++];
            ++fractionDigits;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return result;
    result.found = true;

    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                if (exponent < 100000)
                    exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (negativeExponent)
                exponent = -exponent;
            i = j;
        }
    }
    result.exponent = exponent - fractionDigits;
    result.prefix = (result.negative ? "-" : "") + text.substr(start, i - start);
    return result;
}

// digits x 10^(exponent + scale), rounded to nearest (half away from zero)
// or truncated, saturating at kSaturated.
std::int64_t ScaleDecimal(const DecimalPrefix& number, int scale, bool roundToNearest)
{
    if (!number.found || number.notANumber)
        return 0;
    std::int64_t magnitude = 0;
    if (number.infinite) {
        magnitude = kSaturated;
    } else {
        std::string digits = number.digits;
        std::size_t firstNonZero = digits.find_first_not_of('0');
        if (firstNonZero == std::string::npos)
            return 0;
        digits.erase(0, firstNonZero);
        const long long shift = number.exponent + scale;
        const long long kept = static_cast<long long>(digits.size()) + shift;  // digits left of the point
        if (kept > 17) {
            magnitude = kSaturated;
        } else {
            bool roundUp = false;
            if (shift >= 0) {
                for (long long k = 0; k < static_cast<long long>(digits.size()) + shift; ++k) {
                    const int d = k < static_cast<long long>(digits.size()) ? digits[k] - '0' : 0;
                    magnitude = magnitude * 10 + d;
                }
            } else {
                for (long long k = 0; k < kept; ++k)
                    magnitude = magnitude * 10 + (digits[k] - '0');
                // The first dropped digit decides: 5 or more is at least halfway.
                const int firstDropped = kept >= 0 ? digits[kept] - '0' : 0;
                roundUp = roundToNearest && firstDropped >= 5;
            }
            if (roundUp)
                ++magnitude;
            if (magnitude > kSaturated)
                magnitude = kSaturated;
        }
    }
    return number.negative ? -magnitude : magnitude;
}

}  // namespace

double LeadingNumber(const std::string& text)
{
    const DecimalPrefix number = ParseDecimalPrefix(text);
    if (!number.found)
        return 0.0;
    if (number.notANumber)
        return std::numeric_limits<double>::quiet_NaN();
    if (number.infinite)
        return number.negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    double value = 0.0;
    // from_chars is locale independent: a comma locale set by the window does not matter.
    const auto [ptr, ec] = std::from_chars(number.prefix.data(), number.prefix.data() + number.prefix.size(), value,
                                           std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Overflow reads as infinity, underflow as zero, as the standard conversion does.
        const bool tiny = number.exponent < 0 && static_cast<long long>(number.digits.size()) + number.exponent < 0;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        if (number.negative)
            value = -value;
    }
    return value;
}

std::int64_t MhzToUnits(double mhz)
{
    if (std::isnan(mhz))
        return 0;
    const double units = std::round(mhz * 100000.0);  // std::round: halfway goes away from zero
    if (units >= static_cast<double>(kSaturated))
        return kSaturated;
    if (units <= -static_cast<double>(kSaturated))
        return -kSaturated;
    return static_cast<std::int64_t>(units);
}

std::int64_t TextToUnits(const std::string& text)
{
    return ScaleDecimal(ParseDecimalPrefix(text), 5, true);
}

std::int64_t TextToTenths(const std::string& text)
{
    return ScaleDecimal(ParseDecimalPrefix(text), 1, false);
}

std::string FormatFrequency(std::int64_t units)
{
    // Integer arithmetic: the point is a '.' whatever locale the process runs in.
    const bool negative = units < 0;
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(units + 1)) + 1 : static_cast<std::uint64_t>(units);
    std::string fraction = std::to_string(magnitude % 100000);
    fraction.insert(0, 5 - fraction.size(), '0');
    return (negative ? "-" : "") + std::to_string(magnitude / 100000) + "." + fraction;
}

std::int64_t DecodeBcd(const std::uint8_t* bytes)
{
    std::int64_t value = 0;
    for (int k = 3; k >= 0; --k)
        value = value * 100 + (bytes[k] >> 4) * 10 + (bytes[k] & 0x0F);
    return value;
}

void EncodeBcd(std::int64_t units, std::uint8_t* bytes)
{
    if (units <= 0 || units >= 100'000'000) {
        for (int k = 0; k < 4; ++k)
            bytes[k] = 0xFF;
        return;
    }
    std::int64_t value = units;
    std::int64_t divisor = 1'000'000;
    for (int k = 3; k >= 0; --k) {
        const std::int64_t pair = value / divisor;
        value %= divisor;
        bytes[k] = static_cast<std::uint8_t>((pair / 10) * 16 + pair % 10);
        divisor /= 100;
    }
}

}  // namespace zem
