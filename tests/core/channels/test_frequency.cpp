#include "channels/frequency.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdint>

namespace zem {
namespace {

TEST(FrequencyTextTest, ReadsTheLeadingNumberLikeTheStandardConversion)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"145.5", 145.5}, {"  145.5MHz", 145.5}, {"+145", 145.0}, {"-145", -145.0}, {".5", 0.5},
        {"1.455e2", 145.5}, {"145e", 145.0}, {"145.5.5", 145.5}, {"", 0.0}, {"abc", 0.0},
        {"+-1", 0.0},       {".", 0.0},     {"0x10", 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(FrequencyTextTest, ConvertsToUnitsRoundingHalfAwayFromZero)
{
    struct Case {
        const char* text;
        std::int64_t units;
    };
    const Case cases[] = {
        {"256.02", 25602000},      {"145.000005", 14500001},   {"145.0000049", 14500000},
        {"-145.000005", -14500001}, {"145.004995", 14500500},  {"1.4500000e2", 14500000},
        {"0", 0},                   {"OFF", 0},                 {"99999", 9999900000},
        {"1e400", 100'000'000'000'000'000}, {"inf", 100'000'000'000'000'000}, {"nan", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextToUnits(c.text), c.units) << c.text;

    EXPECT_EQ(MhzToUnits(256.02), 25602000);
    EXPECT_EQ(MhzToUnits(0.000005), 1);
    EXPECT_EQ(MhzToUnits(-0.000005), -1);
}

TEST(FrequencyTextTest, TenthsTruncateTowardZero)
{
    EXPECT_EQ(TextToTenths("69.3"), 693);
    EXPECT_EQ(TextToTenths("12.39"), 123);
    EXPECT_EQ(TextToTenths("-12.39"), -123);
    EXPECT_EQ(TextToTenths("0.09"), 0);
}

TEST(FrequencyTextTest, FormatAndParseIgnoreTheProcessLocale)
{
    // A comma locale, if the machine has one, must not change the texts.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(FormatFrequency(14512500), "145.12500");
    EXPECT_EQ(TextToUnits("145.125"), 14512500);
    EXPECT_DOUBLE_EQ(LeadingNumber("145.125"), 145.125);
    std::setlocale(LC_NUMERIC, saved.c_str());

    EXPECT_EQ(FormatFrequency(5), "0.00005");
    EXPECT_EQ(FormatFrequency(-14500000), "-145.00000");
}

TEST(FrequencyBcdTest, EncodesDecodesAndMarksOutOfRangeAsAbsent)
{
    std::array<std::uint8_t, 4> bytes{};
    EncodeBcd(14512500, bytes.data());
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x00, 0x25, 0x51, 0x14}));
    EXPECT_EQ(DecodeBcd(bytes.data()), 14512500);

    EncodeBcd(99'999'999, bytes.data());
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x99, 0x99, 0x99, 0x99}));

    for (std::int64_t units : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{100'000'000}, std::int64_t{9999900000}}) {
        EncodeBcd(units, bytes.data());
        EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0xFF, 0xFF, 0xFF, 0xFF})) << units;
        EXPECT_TRUE(IsAbsentFrequency(bytes.data()));
    }

    // A digit above 9 counts with its value.
    const std::array<std::uint8_t, 4> odd = {0x00, 0x25, 0x2A, 0x24};
    EXPECT_EQ(DecodeBcd(odd.data()), 24302500);
}

}  // namespace
}  // namespace zem
