#include "channels/frequency.h"

#include <gtest/gtest.h>

#include <clocale>

namespace zem {
namespace {

constexpr std::int64_t kSaturated = 100'000'000'000'000'000;

TEST(FrequencyTextTest, ReadsTheLeadingNumberRoundedToTheNearestUnitFromTheDigitsTyped)
{
    const std::pair<const char*, std::int64_t> cases[] = {
        {"256.02", 25602000},       {"145.000005", 14500001}, {"145.0000049", 14500000},
        {"-145.000005", -14500001}, {"145.004995", 14500500}, {"1.4500000e2", 14500000},
        {"OFF", 0},                 {"1e400", kSaturated},    {"nan", 0},
        {"  145.5MHz", 14550000},   {"+145", 14500000},       {".5", 50000},
        {"145e", 14500000},         {"145.5.5", 14550000},    {"+-1", 0},
        {"", 0},                    {"0x10", 0},
    };
    for (const auto& [text, units] : cases)
        EXPECT_EQ(TextToUnits(text), units) << text;
    EXPECT_EQ(MhzToUnits(256.02), 25602000);
    EXPECT_EQ(MhzToUnits(-0.000005), -1);
    EXPECT_EQ(TextToTenths("69.3"), 693);
    EXPECT_EQ(TextToTenths("-12.39"), -123);
}

TEST(FrequencyTextTest, PointIsAPointInAnyLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // a comma locale, where the machine has one
    EXPECT_EQ(FormatFrequency(14512500), "145.12500");
    EXPECT_EQ(TextToUnits("145.125"), 14512500);
    EXPECT_DOUBLE_EQ(LeadingNumber("145.125"), 145.125);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(FormatFrequency(5), "0.00005");
}

}  // namespace
}  // namespace zem
