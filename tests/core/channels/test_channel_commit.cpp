#include "channels/channel_commit.h"

#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

#include <array>
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
    std::vector<std::tuple<std::string, int, std::string, const char*>> cases = {
        {"145.5", 0, "145.50000", nullptr},         {"145.005", 0, "145.00500", nullptr},
        {"-145", 0, "", kMsgErrorDataFormat},       {"145.5", 2, "", kMsgErrorDataFormat},
        {"256.02", 1, "256.02000", nullptr},        {"600.005", -1, "", kMsgErrorDataFormat},
        // Both rasters, and a value one neighbouring step off each (half a step, or on neither).
        {"145.00625", 0, "145.00625", nullptr},     {"145.0025", 0, "", kMsgErrorDataValue},
        {"145.003125", 0, "", kMsgErrorDataValue},  {"145.001", 0, "", kMsgErrorDataValue},
        {"145.01", 0, "145.01000", nullptr},        {"145.0075", 0, "", kMsgErrorDataValue},
        // Rounded to the nearest 10 Hz first, then checked and shown as rounded.
        {"145.004995", 0, "145.00500", nullptr},    {"145.0062501", 0, "145.00625", nullptr},
    };
    // Each band's edges: one 6.25 kHz step outside, the edge, one step inside,
    // at the lower and then the upper end; only the outer two are refused.
    const std::pair<int, std::array<const char*, 6>> edges[] = {
        {0, {"135.99375", "136.00000", "136.00625", "173.99375", "174.00000", "174.00625"}},
        {1, {"219.99375", "220.00000", "220.00625", "279.99375", "280.00000", "280.00625"}},
        {2, {"399.99375", "400.00000", "400.00625", "469.99375", "470.00000", "470.00625"}},
        {3, {"469.99375", "470.00000", "470.00625", "511.99375", "512.00000", "512.00625"}},
        {4, {"59.99375", "60.00000", "60.00625", "599.99375", "600.00000", "600.00625"}},
    };
    for (const auto& [band, texts] : edges) {
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const bool outside = k == 0 || k == texts.size() - 1;
            cases.emplace_back(texts[k], band, outside ? "" : texts[k], outside ? kMsgErrorDataFormat : nullptr);
        }
    }
    for (const auto& [text, band, result, message] : cases) {
        RecordingMessenger messenger;
        const FrequencyCheck check = ValidateFrequency(text, band, messenger);
        EXPECT_EQ(check.text, result) << text << " band " << band;
        EXPECT_EQ(check.result, result.empty() ? FrequencyCheck::Result::Invalid : FrequencyCheck::Result::Valid) << text;
        EXPECT_EQ(messenger.texts(), message ? Texts{message} : Texts{}) << text;
    }

    RecordingMessenger messenger;
    EXPECT_EQ(ValidateFrequency("", 0, messenger).result, FrequencyCheck::Result::Empty);
    EXPECT_TRUE(messenger.empty());
}

// Types as the grid's editor does; the window shows what is refused.
std::string Edit(ChannelTable& table, int col, const std::string& text, bool onEnter = false, int row = kRow)
{
    return TypeCellValue(table, row, col, text, 0, {true, onEnter}).english();
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
