#include "compare/document_diff.h"
#include "compare/read_history.h"

#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

using Lines = std::vector<std::string>;

RadioImage Band0() { return test::BandImage(0); }

TEST(DiffDocuments, SpeaksInThePagesTerms) {
    struct Case {
        const char* name;
        void (*change)(RadioImage&);
        Lines expected;
    };
    const std::vector<Case> cases = {
        {"no change", [](RadioImage&) {}, {}},
        {"receive frequency", [](RadioImage& i) { i[16 * 3 + 3] = 0x14; i[16 * 3 + 2] = 0x50; },
         {"channel 3 Receive: 173.95000 -> 145.05000"}},
        {"squelch level", [](RadioImage& i) { i[0x134] = 4; }, {"Squelch Level: 5 -> 4"}},
        {"check box", [](RadioImage& i) { i[0x130] |= 0x04; }, {"Scramble: off -> on"}},
        {"recovery time keeps its blank", [](RadioImage& i) { i[0x138] = 7; },
         {"Receive recovery time (sec): 3.5  -> 4.0 "}},
        {"key", [](RadioImage& i) { i[0x13D] = 0x11; }, {"Bottom Key Long Press: Energy Check -> Monitor Momentary"}},
        {"type", [](RadioImage& i) { i[0x22C] = 0x05; }, {"Type: ZEM-KR-M4 -> Other..."}},
        {"band", [](RadioImage& i) { i[0x223] = 0x18; }, {"Band: 136-174MHZ -> Other...."}},
        {"power", [](RadioImage& i) { i[0x3D0] = 65; i[0x3DD] = 60; },
         {"Low Power Value 1: 255 -> 65", "High Power Value 7: 255 -> 60"}},
        {"kept byte", [](RadioImage& i) { i[0x3E0] = 0x00; }, {"byte 0x3E0: FF -> 00"}},
        {"kept bytes side by side", [](RadioImage& i) { i[0x3DE] = 0x00; i[0x3DF] = 0x01; i[0x3FF] = 0x02; },
         {"bytes 0x3DE-0x3DF: FF FF -> 00 01", "byte 0x3FF: FF -> 02"}},
        {"kept channel byte", [](RadioImage& i) { i[16 * 2 + 14] = 0x12; }, {"byte 0x02E: FF -> 12"}},
        // The pages read only the low nibble of the DTMF speed byte.
        {"unshown bits", [](RadioImage& i) { i[0x133] = 0x12; }, {"byte 0x133: 02 -> 12"}},
        {"unshown bits beside a shown change", [](RadioImage& i) { i[16 * 5 + 12] = 0x58; },
         {"channel 5 Power: High -> Low", "byte 0x05C: 38 -> 58"}},
        // An emptied channel lists each cell it showed.
        {"emptied channel", [](RadioImage& i) { std::fill_n(&i[16 * 16], 8, 0xFF); },
         {"channel 16 Receive: 162.22500 -> (empty)", "channel 16 Transmit: 162.22500 -> (empty)",
          "channel 16 Scan: Yes -> (empty)", "channel 16 Power: High -> (empty)", "channel 16 W/N: Wide -> (empty)",
          "channel 16 Busy: Off -> (empty)", "channel 16 PTT: Off -> (empty)"}},
    };
    for (const auto& c : cases) {
        RadioImage after = Band0();
        c.change(after);
        EXPECT_EQ(DiffDocuments(Band0(), after), c.expected) << c.name;
    }
}

// Compare and zemtool diff list DiffAsShown: an off tone the radio wrote as
// 00 00 and a code with a spare bit set read the same on the page, so they
// are no difference; a kept byte and a shown change are.
TEST(DiffAsShown, ListsWhatThePagesShowDifferentlyAndCountsTheRest) {
    RadioImage forms = Band0();
    for (int channel = 1; channel <= 16; ++channel) {
        std::uint8_t* tones = &forms[static_cast<std::size_t>(16 * channel + 8)];
        for (int word : {0, 2}) {
            std::uint8_t& high = tones[word + 1];
            if (high == 0x00 || high == 0xFF) tones[word] = high = static_cast<std::uint8_t>(high ^ 0xFF);
            if (high == 0x28) high = 0x2A;
        }
    }
    ASSERT_GE(DiffDocuments(Band0(), forms).size(), 12u) << "each form counts as changed bytes";
    EXPECT_EQ(DiffAsShown(Band0(), forms), Lines{});
    EXPECT_NE(SameAsShownNote(Band0(), forms).find(" bytes differ only in how the radio holds values"),
              std::string::npos);

    RadioImage changed = forms;
    changed[0x134] = 4;
    changed[0x3E0] = 0x00;
    EXPECT_EQ(DiffAsShown(Band0(), changed), (Lines{"Squelch Level: 5 -> 4", "byte 0x3E0: FF -> 00"}));
    EXPECT_EQ(SameAsShownNote(Band0(), changed), "");
    EXPECT_EQ(SameAsShownNote(Band0(), Band0()), "");
}

TEST(ReadHistory, AReadRepeatingTheNewestReadOfItsRadioIsNotKeptAgain) {
    RadioImage edited = Band0();
    edited[0x134] = 4;
    RadioImage otherPower = Band0();
    otherPower[0x3D0] = 0x40;  // power values never come with a read
    const struct {
        const char* name;
        std::vector<RadioImage> kept;  // oldest first, none from a compare
        RadioImage read;
        bool repeats;
    } cases[] = {
        {"nothing kept", {}, Band0(), false},
        {"another radio read since", {Band0(), test::BandImage(2)}, Band0(), true},
        {"changed since", {Band0(), edited}, Band0(), false},
        {"changed back", {Band0(), edited}, edited, true},
        {"only the power values differ", {Band0()}, otherPower, true},
        {"another band", {Band0()}, test::BandImage(1), false},
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
