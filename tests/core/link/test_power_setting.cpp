// The service exchanges of the on-line power setting against the virtual
// radio, as the session runs them, and the dialog's data: labels, defaults
// and band ranges.
#include "link_test_support.h"

#include "link/link_messages.h"
#include "service/power_points.h"
#include "session/radio_exchange.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zem::test {
namespace {

std::vector<std::string> English(const std::vector<Text>& texts) {
    std::vector<std::string> all;
    for (const Text& text : texts) all.push_back(text.english());
    return all;
}

// A radio whose power row holds 10, 11, .. 23 and its own bytes AA BB.
RadioImage ServiceRadio() {
    RadioImage memory = PatternImage(1);
    for (int i = 0; i < 14; ++i) memory[0x3D0 + i] = static_cast<std::uint8_t>(10 + i);
    memory[0x3DE] = 0xAA;
    memory[0x3DF] = 0xBB;
    return memory;
}

// Read fetches the channel bytes 0x000-0x0AF and the power row 0x3D0-0x3DF.
TEST(PowerSetting, ReadTakesEachStageWholeOrNotAtAllAndAFailedStageDoesNotStopTheNext) {
    struct Case {
        Faults faults;
        bool channelsArrive, powerArrives;
        const char* message = kMsgShortReply;  // of the failed stage
        const char* powerMessage = nullptr;    // of the power stage when both failed
    };
    Faults both = FaultAt(&Faults::shortReplyAt, 0x050);
    both.misaddressAt = 0x3D8;
    for (const Case& c : {Case{{}, true, true}, Case{FaultAt(&Faults::shortReplyAt, 0x050), false, true},
                          Case{FaultAt(&Faults::shortReplyAt, 0x3D8), true, false},
                          Case{FaultAt(&Faults::misaddressAt, 0x050), false, true, kMsgProgramInterrupted},
                          Case{both, false, false, kMsgShortReply, kMsgProgramInterrupted}}) {
        SCOPED_TRACE(c.faults.shortReplyAt.value_or(c.faults.misaddressAt.value_or(0)));
        SimLine line(ServiceRadio(), c.faults);
        RadioImage image = PatternImage(60);
        const RadioImage before = image;

        LinkSession session = FastSession(line.device());
        int ackPauses = 0;  // the power read's own 15 ms before each acknowledgement
        session.hooks.sleep = [&ackPauses](std::chrono::milliseconds pause) { ackPauses += pause.count() == 15; };
        const ExchangeOutcome outcome = ReadPower(image, session);
        line.stop();

        const bool failed = !c.channelsArrive || !c.powerArrives;
        EXPECT_TRUE(failed || ackPauses == 22 + 2) << ackPauses;
        EXPECT_EQ(outcome.link.status, failed ? LinkStatus::Failed : LinkStatus::Completed) << outcome.link.detail.english();
        EXPECT_TRUE(outcome.refreshPages);
        EXPECT_EQ(outcome.holds, RadioHolds::Unchanged);
        std::vector<std::string> messages;
        if (failed) messages.push_back(c.message);
        if (c.powerMessage) messages.push_back(c.powerMessage);
        EXPECT_EQ(English(outcome.messages()), messages);
        EXPECT_TRUE(SameRange(image, c.channelsArrive ? line.radio().memory() : before, 0x000, 0x0B0));
        EXPECT_TRUE(SameRange(image, before, 0x0B0, 0x3D0));
        EXPECT_TRUE(SameRange(image, c.powerArrives ? line.radio().memory() : before, 0x3D0, 0x3E0));
        EXPECT_TRUE(SameRange(image, before, 0x3E0, 0x400));
    }
}

// Write reads the power row first, so the radio's own 0x3DE and 0x3DF go
// back unchanged, then writes the blocks at 0x3D0 and 0x3D8.
TEST(PowerSetting, WriteSendsTheChosenValuesWithTheRadiosLastTwoBytesAndStopsAtAFailure) {
    struct Case {
        Faults faults;
        const char* message;  // nullptr: the write completes
        const char* sent;
        const char* unsent;
        RadioHolds holds;  // Unchanged: the preliminary read failed, so nothing may be written
        int blocksWritten;
    };
    const Case cases[] = {
        {{}, nullptr, "57 03 D0 08 C8 0B 0C 0D 0E 0F 10 11 57 03 D8 08 12 13 14 15 16 17 AA BB", "57 03 E0",
         RadioHolds::WrittenUnchecked, 2},
        {FaultAt(&Faults::noAckAt, 0x3D8), kMsgProgramInterrupted, "52 03 D8 08", "57 03", RadioHolds::Unchanged, 0},
        {FaultAt(&Faults::noWriteAckAt, 0x3D0), kMsgPowerWriteInterrupted, "57 03 D0 08 C8 0B 0C 0D 0E 0F 10 11",
         "57 03 D8", RadioHolds::PartialWrite, 0},
        {FaultAt(&Faults::noWriteAckAt, 0x3D8), kMsgPowerWriteInterrupted, "57 03 D8 08 12 13 14 15 16 17 AA BB",
         "57 03 E0", RadioHolds::PartialWrite, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.unsent);
        SimLine line(ServiceRadio(), c.faults);
        RadioImage image = PatternImage(60);
        const RadioImage before = image;
        PowerValues values = PowerValuesFromImage(ServiceRadio());
        values.low[0] = 200;

        const ExchangeOutcome outcome = WritePower(values, image, FastSession(line.device()));
        line.stop();

        EXPECT_EQ(outcome.link.status, c.message ? LinkStatus::Failed : LinkStatus::Completed) << outcome.link.detail.english();
        EXPECT_EQ(English(outcome.messages()), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(outcome.holds, c.holds);
        EXPECT_EQ(outcome.blocksWritten, c.blocksWritten);
        EXPECT_TRUE(outcome.holdsMessage.empty());  // the link's message says it
        const std::string sent = Hex(line.radio().received());
        EXPECT_NE(sent.find(c.sent), std::string::npos) << sent;
        EXPECT_EQ(sent.find(c.unsent), std::string::npos) << sent;
        EXPECT_TRUE(SameRange(line.radio().memory(), ServiceRadio(), 0x000, 0x3D0));
        if (c.holds == RadioHolds::Unchanged) {
            EXPECT_EQ(image, before);
            EXPECT_EQ(line.radio().memory(), ServiceRadio());
        } else {
            EXPECT_EQ(PowerValuesFromImage(image), values);
        }
    }
}

TEST(PowerPoints, BandChoiceSetsTheRangeAndTheLabels) {
    using Case = std::tuple<int, const char*, const char*, const char*>;  // band, lowest, highest, first point's label
    for (const auto& [band, lowest, highest, firstLabel] :
         {Case{0, "136.00000", "174.00000", "136-141(MHZ)"}, Case{1, "220.00000", "280.00000", "400-410(MHZ)"},
          Case{3, "470.00000", "512.00000", "400-410(MHZ)"}, Case{4, "136.00000", "174.00000", "136-141(MHZ)"},
          Case{-1, "136.00000", "174.00000", "136-141(MHZ)"}}) {
        PowerFrequencyRange range = PowerRangeForBand(band);
        EXPECT_EQ(FormatPowerFrequency(range.minMHz), lowest) << band;
        EXPECT_EQ(FormatPowerFrequency(range.maxMHz), highest) << band;
        EXPECT_STREQ(PowerPointLabels(range.maxMHz)[0], firstLabel) << band;
    }
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // a comma locale, where the machine has one
    EXPECT_EQ(FormatPowerFrequency(174.0), "174.00000");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(FormatPowerFrequency(6.0), " 6.00000");
    EXPECT_STREQ(PowerPointLabels(255.0)[6], "136-171(MHZ)");
    EXPECT_STREQ(PowerPointLabels(255.1)[6], "400-470(MHZ)");
}

TEST(PowerPoints, ValuesLiveAt0x3D0AndDefaultsAreTheFactoryOnes) {
    RadioImage image;
    StorePowerValues(DefaultPowerValues(), image);
    EXPECT_EQ(Hex({image.data() + 0x3D0, image.data() + 0x3E0}), "41 41 41 3C 3C 32 32 2D 32 32 41 41 41 3C FF FF");
    EXPECT_EQ(PowerValuesFromImage(image), DefaultPowerValues());
}

}  // namespace
}  // namespace zem::test
