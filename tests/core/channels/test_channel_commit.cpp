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

// Types as the grid's editor does; the window shows what is refused.
std::string Edit(ChannelTable& table, int col, const std::string& text, bool onEnter = false, int row = kRow)
{
    return TypeCellValue(table, row, col, text, 0, {true, onEnter});
}

TEST(EditorTypingTest, FirstFrequencyBringsDefaultsInvalidKeepsTheRowAndEmptyingClearsTheToneThenTheScanCell)
{
    ChannelTable table;
    EXPECT_EQ(Edit(table, kColReceive, "145.5"), "");
    EXPECT_EQ(RowTexts(table, kRow), (Texts{"145.50000", "145.50000", "Off", "Off", "Yes", "High", "Wide", "Off", "Off"}));

    // A second frequency changes only its own cell.
    table.setText(kRow, kColPower, "Low");
    const std::pair<int, const char*> edits[] = {{kColTransmit, "146"}, {kColDecode, "67.0"}, {kColEncode, "D023N"}};
    for (const auto& [col, text] : edits)
        EXPECT_EQ(Edit(table, col, text), "");
    EXPECT_EQ(RowTexts(table, kRow), (Texts{"145.50000", "146.00000", "67.0", "D023N", "Yes", "Low", "Wide", "Off", "Off"}));

    const ChannelTable before = table;
    const std::pair<const char*, const char*> typos[] = {
        {"145.001", kMsgErrorDataValue}, {"14.55", kMsgErrorDataFormat}, {"x", kMsgErrorDataFormat}, {" ", kMsgErrorDataFormat}};
    for (const auto& [typo, message] : typos) {
        EXPECT_EQ(Edit(table, kColReceive, typo), message) << typo;
        EXPECT_EQ(table, before) << typo;
    }

    EXPECT_EQ(Edit(table, kColReceive, ""), "");
    EXPECT_EQ(RowTexts(table, kRow), (Texts{"", "146.00000", "", "D023N", "Yes", "Low", "Wide", "Off", "Off"}));
    EXPECT_EQ(Edit(table, kColTransmit, ""), "");
    EXPECT_EQ(RowTexts(table, kRow), (Texts{"", "", "", "", "", "Low", "Wide", "Off", "Off"}));
}

TEST(EditorTypingTest, KeepsToneTableTextsAsTypedAndTurnsOthersOff)
{
    ChannelTable table;
    Edit(table, kColReceive, "145.5");
    const std::pair<const char*, const char*> cases[] = {
        {"d023n", "d023n"}, {"D754I", "D754I"}, {"254.1", "254.1"}, {"12.3", "OFF"}, {"", "OFF"}, {"67", "OFF"},
    };
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(Edit(table, kColEncode, typed), "") << typed;
        EXPECT_EQ(table.text(kRow, kColEncode), kept) << typed;
    }
}

TEST(EditorTypingTest, KeepsChoicesOnlyForChannelsWithAFrequency)
{
    ChannelTable table;
    table.setText(kRow, kColPower, "High");
    Edit(table, kColPower, "Low", true);
    EXPECT_EQ(table.text(kRow, kColPower), "High");  // Enter keeps the old text
    Edit(table, kColPower, "Low");
    EXPECT_EQ(table.text(kRow, kColPower), "");  // leaving the cell empties it

    table.setText(kRow, kColTransmit, "145.50000");
    Edit(table, kColPower, "Low", true);
    EXPECT_EQ(table.text(kRow, kColPower), "Low");
    Edit(table, kColBusy, "Carrier");
    EXPECT_EQ(table.text(kRow, kColBusy), "Carrier");
}

TEST(EditorTypingTest, CellsOutsideTheChannelsAreRefused)
{
    ChannelTable table;
    const std::pair<int, int> cells[] = {{0, kColReceive}, {17, kColReceive}, {-1, kColDecode}, {kRow, kGridCols},
                                         {kRow, kColChannel}};
    for (const auto& [row, col] : cells)
        EXPECT_NE(Edit(table, col, "145.5", false, row), "") << row << " " << col;
    EXPECT_EQ(table, ChannelTable());
}

}  // namespace
}  // namespace zem
