#include "compare/read_history.h"

#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

RadioImage Radio(int band) { return test::BandImage(band); }

TEST(ReadHistory, AReadRepeatingTheNewestReadOfItsRadioIsNotKeptAgain) {
    RadioImage edited = Radio(0);
    edited[0x134] = 4;
    RadioImage otherPower = Radio(0);
    otherPower[0x3D0] = 0x40;  // power values never come with a read
    const struct {
        const char* name;
        std::vector<RadioImage> kept;  // oldest first, none from a compare
        RadioImage read;
        bool repeats;
    } cases[] = {
        {"nothing kept", {}, Radio(0), false},
        {"another radio read since", {Radio(0), Radio(2)}, Radio(0), true},
        {"changed since", {Radio(0), edited}, Radio(0), false},
        {"changed back", {Radio(0), edited}, edited, true},
        {"only the power values differ", {Radio(0)}, otherPower, true},
        {"another band", {Radio(0)}, Radio(1), false},
    };
    for (const auto& c : cases) {
        std::vector<KeptRead> kept;
        for (const RadioImage& image : c.kept) kept.push_back({image, false});
        EXPECT_EQ(RepeatsNewestRead(kept, c.read), c.repeats) << c.name;
    }
}

TEST(ReadHistory, ACompareNeverPushesOutTheReadsOfTheReadCommand) {
    constexpr bool R = false, C = true;
    using Drops = std::vector<std::size_t>;
    const struct {
        std::vector<bool> kept;  // the new read last
        Drops drop;
    } cases[] = {
        {{R, R, R}, {}},
        {{R, R, R, R}, {0}},
        {{R, C, R, R}, {1}},           // a compare's read goes before any read
        {{R, R, C, R, R}, {0, 2}},
        {{C, R, R, C}, {0}},           // a new compare pushes out an older compare
        {{R, R, R, C}, {}},            // and never a read: one more is kept
        {{R, R, R, C, R}, {0, 3}},     // until the next read makes room
    };
    for (const auto& c : cases) EXPECT_EQ(ReadsToDrop(c.kept, 3), c.drop) << ::testing::PrintToString(c.kept);
}

}  // namespace
}  // namespace zem
