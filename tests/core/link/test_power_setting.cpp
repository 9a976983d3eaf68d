// The service exchanges of the on-line power setting against the virtual
// radio, and the dialog's data: labels, defaults and band ranges.
#include "link_test_support.h"

#include "link/link_messages.h"
#include "service/power_points.h"
#include "service/power_setting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zem::test {
namespace {

// A radio whose power row holds 10, 11, .. 23 and its own bytes AA BB.
RadioImage ServiceRadio() {
    RadioImage memory = PatternImage(1);
    for (int i = 0; i < 14; ++i) memory[0x3D0 + i] = static_cast<std::uint8_t>(10 + i);
    memory[0x3DE] = 0xAA;
    memory[0x3DF] = 0xBB;
    return memory;
}

bool SameRange(const RadioImage& a, const RadioImage& b, std::size_t begin, std::size_t end) {
    return std::equal(a.data() + begin, a.data() + end, b.data() + begin);
}

TEST(PowerSetting, ReadFetchesTheChannelBytesAndThePowerRow) {
    SimLine line(ServiceRadio());
    RadioImage image = PatternImage(60);
    const RadioImage before = image;
    RecordingMessenger messenger;

    PowerReadOutcome outcome = ReadPowerSetting(image, FastSession(line.device()), messenger);
    line.stop();

    ASSERT_TRUE(outcome.link.completed()) << outcome.link.detail;
    EXPECT_TRUE(outcome.refreshValues);
    PowerValues values = PowerValuesFromImage(image);
    EXPECT_EQ(values.low, (std::array<std::uint8_t, 7>{10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(values.high, (std::array<std::uint8_t, 7>{17, 18, 19, 20, 21, 22, 23}));
    EXPECT_TRUE(SameRange(image, line.radio().memory(), 0x000, 0x0B0));
    EXPECT_TRUE(SameRange(image, before, 0x0B0, 0x3D0));
    EXPECT_TRUE(SameRange(image, line.radio().memory(), 0x3D0, 0x3E0));
}

TEST(PowerSetting, WriteSendsTheChosenValuesWithTheRadiosOwnLastTwoBytes) {
    SimLine line(ServiceRadio());
    RadioImage image = PatternImage(60);
    PowerValues values = PowerValuesFromImage(ServiceRadio());
    values.low[0] = 200;
    RecordingMessenger messenger;

    LinkOutcome outcome = WritePowerSetting(values, image, FastSession(line.device()), messenger);
    line.stop();

    ASSERT_TRUE(outcome.completed()) << outcome.detail;
    std::string sent = Hex(line.radio().received());
    EXPECT_NE(sent.find("57 03 D0 08 C8 0B 0C 0D 0E 0F 10 11"), std::string::npos) << sent;
    EXPECT_NE(sent.find("57 03 D8 08 12 13 14 15 16 17 AA BB"), std::string::npos) << sent;
    EXPECT_EQ(line.radio().memory()[0x3D0], 200);
    EXPECT_EQ(PowerValuesFromImage(image), values);
    EXPECT_TRUE(SameRange(line.radio().memory(), ServiceRadio(), 0x000, 0x3D0));
}

TEST(PowerSetting, FailedReadStageLeavesItsBytesAloneAndTheNextStageStillRuns) {
    struct Case {
        std::uint16_t failingBlock;
        std::size_t keptBegin, keptEnd;  // the failed stage: unchanged
        std::size_t newBegin, newEnd;    // the other stage: from the radio
    };
    for (const Case& c : {Case{0x050, 0x000, 0x0B0, 0x3D0, 0x3E0}, Case{0x3D8, 0x3D0, 0x3E0, 0x000, 0x0B0}}) {
        sim::RadioFaults faults;
        faults.shortReplyAt = c.failingBlock;
        SimLine line(ServiceRadio(), faults);
        RadioImage image = PatternImage(60);
        const RadioImage before = image;
        RecordingMessenger messenger;

        PowerReadOutcome outcome = ReadPowerSetting(image, FastSession(line.device()), messenger);
        line.stop();

        EXPECT_EQ(outcome.link.status, LinkStatus::Failed);
        EXPECT_TRUE(outcome.refreshValues);
        EXPECT_EQ(messenger.notices, std::vector<std::string>{kMsgShortReply});
        EXPECT_TRUE(SameRange(image, before, c.keptBegin, c.keptEnd)) << c.failingBlock;
        EXPECT_TRUE(SameRange(image, line.radio().memory(), c.newBegin, c.newEnd)) << c.failingBlock;
    }
}

TEST(PowerSetting, WriteWritesNothingWhenThePowerRowCannotBeReadFirst) {
    sim::RadioFaults faults;
    faults.noAckAt = 0x3D8;  // the read of the second half is not acknowledged
    SimLine line(ServiceRadio(), faults);
    RadioImage image = PatternImage(60);
    const RadioImage before = image;
    RecordingMessenger messenger;

    LinkOutcome outcome = WritePowerSetting(DefaultPowerValues(), image, FastSession(line.device()), messenger);
    line.stop();

    EXPECT_EQ(outcome.status, LinkStatus::Failed);
    EXPECT_EQ(messenger.notices, std::vector<std::string>{kMsgProgramInterrupted});
    EXPECT_EQ(image, before);
    EXPECT_EQ(line.radio().memory(), ServiceRadio());
    EXPECT_EQ(Hex(line.radio().received()).find("57 03"), std::string::npos);
}

TEST(PowerSetting, UnacknowledgedWrittenBlockShowsTheMessageWithTheLeadingBlank) {
    sim::RadioFaults faults;
    faults.noWriteAckAt = 0x3D0;
    SimLine line(ServiceRadio(), faults);
    RadioImage image;
    RecordingMessenger messenger;

    LinkOutcome outcome = WritePowerSetting(DefaultPowerValues(), image, FastSession(line.device()), messenger);
    line.stop();

    EXPECT_EQ(outcome.status, LinkStatus::Failed);
    EXPECT_EQ(messenger.notices, std::vector<std::string>{kMsgPowerWriteInterrupted});
    EXPECT_EQ(std::string(kMsgPowerWriteInterrupted).front(), ' ');
    // The writing ends at the failed block.
    EXPECT_EQ(Hex(line.radio().received()).find("57 03 D8"), std::string::npos);
}

TEST(PowerPoints, BandChoiceSetsTheRangeAndTheLabels) {
    struct Case {
        int band;
        const char* min;
        const char* max;
        const char* firstLabel;
    };
    for (const Case& c : {Case{0, "136.00000", "174.00000", "136-141(MHZ)"},
                          Case{1, "220.00000", "280.00000", "400-410(MHZ)"},
                          Case{2, "400.00000", "470.00000", "400-410(MHZ)"},
                          Case{3, "470.00000", "512.00000", "400-410(MHZ)"},
                          Case{4, "136.00000", "174.00000", "136-141(MHZ)"},
                          Case{-1, "136.00000", "174.00000", "136-141(MHZ)"}}) {
        PowerFrequencyRange range = PowerRangeForBand(c.band);
        EXPECT_EQ(FormatPowerFrequency(range.minMHz), c.min) << c.band;
        EXPECT_EQ(FormatPowerFrequency(range.maxMHz), c.max) << c.band;
        EXPECT_STREQ(PowerPointLabels(range.maxMHz)[0], c.firstLabel) << c.band;
    }
    EXPECT_STREQ(PowerPointLabels(255.0)[6], "136-171(MHZ)");
    EXPECT_STREQ(PowerPointLabels(255.1)[6], "400-470(MHZ)");
}

TEST(PowerPoints, ValuesLiveAt0x3D0AndDefaultsAreTheFactoryOnes) {
    RadioImage image;
    StorePowerValues(DefaultPowerValues(), image);
    EXPECT_EQ(Hex({image.data() + 0x3D0, image.data() + 0x3E0}),
              "41 41 41 3C 3C 32 32 2D 32 32 41 41 41 3C FF FF");
    EXPECT_EQ(PowerValuesFromImage(image), DefaultPowerValues());
}

}  // namespace
}  // namespace zem::test
