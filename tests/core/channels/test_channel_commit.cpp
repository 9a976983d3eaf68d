#include "channels/channel_commit.h"

#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zem {
namespace {

using test::RecordingMessenger;
using test::RowTexts;
using Texts = std::vector<std::string>;

constexpr int kRow = 3;

TEST(ValidateFrequencyTest, ChecksBandLimitsAndRaster)
{
    // Text typed, band, normalised text (empty when refused), message said.
    const std::tuple<const char*, int, const char*, const char*> cases[] = {
        {"145.5", 0, "145.50000", nullptr},         {"145.005", 0, "145.00500", nullptr},
        {"136", 0, "136.00000", nullptr},           {"174", 0, "174.00000", nullptr},
        {"145.001", 0, "", kMsgErrorDataValue},     {"135.99375", 0, "", kMsgErrorDataFormat},
        {"174.00625", 0, "", kMsgErrorDataFormat},  {"-145", 0, "", kMsgErrorDataFormat},
        {"256.02", 1, "256.02000", nullptr},        {"145.5", 2, "", kMsgErrorDataFormat},
        {"470", 2, "470.00000", nullptr},           {"512", 3, "512.00000", nullptr},
        {"512.005", 3, "", kMsgErrorDataFormat},    {"60", 4, "60.00000", nullptr},
        {"59.995", 4, "", kMsgErrorDataFormat},     {"600.005", -1, "", kMsgErrorDataFormat},
        // Rounded to the nearest 10 Hz first, then checked and shown as rounded.
        {"145.004995", 0, "145.00500", nullptr},    {"145.0062501", 0, "145.00625", nullptr},
    };
    for (const auto& [text, band, result, message] : cases) {
        RecordingMessenger messenger;
        const FrequencyCheck check = ValidateFrequency(text, band, messenger);
        EXPECT_EQ(check.text, result) << text << " band " << band;
        EXPECT_EQ(check.result, *result ? FrequencyCheck::Result::Valid : FrequencyCheck::Result::Invalid) << text;
        EXPECT_EQ(messenger.texts(), message ? Texts{message} : Texts{}) << text;
    }

    RecordingMessenger messenger;
    EXPECT_EQ(ValidateFrequency("", 0, messenger).result, FrequencyCheck::Result::Empty);
    EXPECT_TRUE(messenger.empty());
}

TEST(CommitFrequencyTest, FirstBringsDefaultsInvalidKeepsTheRowAndEmptyingClearsTheToneThenTheScanCell)
{
    RecordingMessenger messenger;
    ChannelTable table;
    CommitFrequency(table, kRow, kColReceive, "145.5", 0, messenger);
    EXPECT_EQ(RowTexts(table, kRow), (Texts{"145.50000", "145.50000", "Off", "Off", "Yes", "High", "Wide", "Off", "Off"}));

    // A second frequency changes only its own cell.
    table.setText(kRow, kColPower, "Low");
    CommitFrequency(table, kRow, kColTransmit, "146", 0, messenger);
    CommitTone(table, kRow, kColDecode, "67.0");
    CommitTone(table, kRow, kColEncode, "D023N");
    EXPECT_EQ(RowTexts(table, kRow), (Texts{"145.50000", "146.00000", "67.0", "D023N", "Yes", "Low", "Wide", "Off", "Off"}));
    EXPECT_TRUE(messenger.empty());

    const ChannelTable before = table;
    for (const char* typo : {"145.001", "14.55", "x"}) {
        CommitFrequency(table, kRow, kColReceive, typo, 0, messenger);
        EXPECT_EQ(table, before) << typo;
        EXPECT_EQ(messenger.entries().size(), 1u) << typo;
        messenger.clear();
    }

    CommitFrequency(table, kRow, kColReceive, "", 0, messenger);
    EXPECT_EQ(RowTexts(table, kRow), (Texts{"", "146.00000", "", "D023N", "Yes", "Low", "Wide", "Off", "Off"}));
    CommitFrequency(table, kRow, kColTransmit, "", 0, messenger);
    EXPECT_EQ(RowTexts(table, kRow), (Texts{"", "", "", "", "", "Low", "Wide", "Off", "Off"}));
    EXPECT_TRUE(messenger.empty());
}

TEST(CommitToneTest, KeepsTableTextsAsTypedAndTurnsOthersOff)
{
    RecordingMessenger messenger;
    ChannelTable table;
    CommitFrequency(table, kRow, kColReceive, "145.5", 0, messenger);
    const std::pair<const char*, const char*> cases[] = {
        {"d023n", "d023n"}, {"D754I", "D754I"}, {"254.1", "254.1"}, {"12.3", "OFF"}, {"", "OFF"}, {"67", "OFF"},
    };
    for (const auto& [typed, kept] : cases) {
        CommitTone(table, kRow, kColEncode, typed);
        EXPECT_EQ(table.text(kRow, kColEncode), kept) << typed;
    }
}

TEST(CommitChoiceTest, KeepsChoicesOnlyForChannelsWithAFrequency)
{
    ChannelTable table;
    table.setText(kRow, kColPower, "High");
    CommitChoice(table, kRow, kColPower, "Low", true);
    EXPECT_EQ(table.text(kRow, kColPower), "High");  // Enter keeps the old text
    CommitChoice(table, kRow, kColPower, "Low", false);
    EXPECT_EQ(table.text(kRow, kColPower), "");  // leaving the cell empties it

    table.setText(kRow, kColTransmit, "145.50000");
    CommitChoice(table, kRow, kColPower, "Low", true);
    EXPECT_EQ(table.text(kRow, kColPower), "Low");
    CommitChoice(table, kRow, kColBusy, "Carrier", false);
    EXPECT_EQ(table.text(kRow, kColBusy), "Carrier");
}

TEST(CommitTest, CellsOutsideTheChannelsOrTheirColumnKindAreIgnored)
{
    RecordingMessenger messenger;
    ChannelTable table;
    CommitFrequency(table, 0, kColReceive, "145.5", 0, messenger);
    CommitFrequency(table, 17, kColReceive, "145.5", 0, messenger);
    CommitFrequency(table, kRow, kColDecode, "145.5", 0, messenger);
    CommitTone(table, -1, kColDecode, "67.0");
    CommitTone(table, kRow, kColReceive, "67.0");
    CommitChoice(table, kRow, kGridCols, "Yes", false);
    CommitChoice(table, kRow, kColChannel, "Yes", false);
    EXPECT_EQ(table, ChannelTable());
}

}  // namespace
}  // namespace zem
