#include "channels/channel_clipboard.h"

#include "channels/channel_commit.h"
#include "support/recording_messenger.h"

#include <gtest/gtest.h>

#include <vector>

namespace zem {
namespace {

using test::RecordingMessenger;
using Texts = std::vector<std::string>;

Texts RowTexts(const ChannelTable& table, int row)
{
    Texts texts;
    for (int col = kColReceive; col <= kColPtt; ++col)
        texts.push_back(table.text(row, col));
    return texts;
}

// Channels 1-3 in use: 145.5 with tones on channel 2, and one empty channel 4.
ChannelTable PlanWithThreeChannels()
{
    RecordingMessenger quiet;
    ChannelTable table;
    for (int row = 1; row <= 3; ++row)
        CommitFrequency(table, row, kColReceive, std::to_string(144 + row), 0, quiet);
    table.setText(2, kColDecode, "67.0");
    table.setText(2, kColPower, "Low");
    return table;
}

TEST(CopyCellsTest, CopiesTheCellsAsShownOneLinePerChannel)
{
    const ChannelTable table = PlanWithThreeChannels();
    // A cell of the block not given leaves its field empty; the channel
    // number and cells off the table are never copied.
    EXPECT_EQ(CopyCells(table, {{3, kColScan}, {1, kColTransmit}, {1, kColScan}, {3, kColPower}, {2, 0}, {17, 1}}),
              "145.00000\tYes\t\n\tYes\tHigh");
    EXPECT_EQ(CopyCells(table, {}), "");
}

TEST(ParseTabTextTest, SplitsLinesAndFields)
{
    const std::vector<std::pair<std::string, std::vector<Texts>>> cases = {
        {"", {}},
        {"145.5", {{"145.5"}}},
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a\rb\r", {{"a"}, {"b"}}},
        {"a\t\n\n", {{"a", ""}, {""}}},
        {"\n", {{""}}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(ParseTabText(text), lines) << text;
}

TEST(TypeCellValueTest, ChoicesMatchTheirListInAnyCaseAndTonesFollowTheToneEditor)
{
    // Column, text, accepted, cell text afterwards; channel 1 is in use.
    const std::tuple<int, const char*, bool, const char*> cases[] = {
        {kColPower, "low", true, "Low"},
        {kColBandwidth, " NARROW ", true, "Narrow"},
        {kColBusy, "dt/dqt", true, "DT/DQT"},
        {kColScan, "maybe", false, "Yes"},
        {kColScan, "", false, "Yes"},
        {kColDecode, "d023n", true, "d023n"},
        {kColEncode, "", true, "OFF"},
        {kColReceive, "150", true, "150.00000"},
        {kColReceive, "999", false, "145.00000"},
        {kColTransmit, "", true, ""},
    };
    for (const auto& [col, text, accepted, result] : cases) {
        RecordingMessenger messenger;
        ChannelTable table = PlanWithThreeChannels();
        EXPECT_EQ(TypeCellValue(table, 1, col, text, 0, messenger), accepted) << col << " " << text;
        EXPECT_EQ(table.text(1, col), result) << col << " " << text;
        EXPECT_EQ(messenger.empty(), accepted) << col << " " << text;
    }

    // The refusal of a choice names the column and its entries.
    RecordingMessenger messenger;
    ChannelTable table = PlanWithThreeChannels();
    TypeCellValue(table, 1, kColBusy, "maybe", 0, messenger);
    EXPECT_EQ(messenger.texts(), Texts{"Busy \"maybe\": must be one of Off, Carrier, DT/DQT"});

    // A channel without a frequency takes no choices and no tones, and an
    // empty choice is simply what it has.
    for (int col : {kColDecode, kColPower, kColPtt}) {
        EXPECT_TRUE(TypeCellValue(table, 4, col, col == kColDecode ? "67.0" : "", 0, messenger));
        EXPECT_EQ(table.text(4, col), "");
    }
}

TEST(PasteCellsTest, IsCutAtTheTableEdgeAndSaysEachMessageOnce)
{
    RecordingMessenger messenger;
    ChannelTable table;
    const CellBlock block =
        PasteCells(table, 15, kColTransmit, "999\t1\t2\n145\t3\t4\n146\t5\t6\n147\t7\t8\n", 0, messenger);
    EXPECT_EQ(table.text(15, kColTransmit), "");
    EXPECT_EQ(table.text(16, kColTransmit), "145.00000");
    EXPECT_EQ(table.text(16, kColReceive), "");  // a transmit frequency alone leaves receive empty
    EXPECT_EQ(table.text(16, kColDecode), "OFF");
    EXPECT_EQ(block.bottom, 16);
    EXPECT_EQ(block.right, kColEncode);
    EXPECT_EQ(messenger.texts(), Texts{kMsgErrorDataFormat});

    // The same refusal in many cells is said once.
    messenger.clear();
    ChannelTable used = PlanWithThreeChannels();
    PasteCells(used, 1, kColScan, "x\tx\nx\tx\nx\tx", 0, messenger);
    EXPECT_EQ(messenger.texts(), (Texts{"Scan \"x\": must be one of Yes, No", "Power \"x\": must be one of High, Low"}));

    // Nothing arrives from empty text or off the table.
    EXPECT_TRUE(PasteCells(used, 1, kColReceive, "", 0, messenger).empty());
    EXPECT_TRUE(PasteCells(used, 17, kColReceive, "145", 0, messenger).empty());
    EXPECT_TRUE(PasteCells(used, 1, 0, "145", 0, messenger).empty());
}

TEST(DeleteCellsTest, EmptiesCellsAsTypingNothingWould)
{
    ChannelTable table = PlanWithThreeChannels();
    std::vector<ChannelCell> wholeChannel;
    for (int col = kColPtt; col >= kColReceive; --col)  // any order: applied left to right
        wholeChannel.push_back({2, col});
    DeleteCells(table, wholeChannel);
    EXPECT_EQ(RowTexts(table, 2), Texts(9, ""));

    // A receive frequency takes its tone along; a choice of a channel still
    // in use keeps its entry; a tone of a channel in use reads OFF.
    table.setText(1, kColDecode, "67.0");
    table.setText(1, kColEncode, "67.0");
    DeleteCells(table, {{1, kColReceive}, {1, kColPower}, {3, kColEncode}, {0, kColReceive}});
    EXPECT_EQ(RowTexts(table, 1), (Texts{"", "145.00000", "", "67.0", "Yes", "High", "Wide", "Off", "Off"}));
    EXPECT_EQ(table.text(3, kColEncode), "OFF");
}

}  // namespace
}  // namespace zem
