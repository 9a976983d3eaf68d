#include "channels/channel_clipboard.h"

#include "channels/channel_commit.h"
#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

namespace zem {
namespace {

using test::RecordingMessenger;
using test::RowTexts;
using Texts = std::vector<std::string>;

// Channels 1-3 in use: 145.5 with tones on channel 2, and one empty channel 4.
ChannelTable PlanWithThreeChannels()
{
    ChannelTable table;
    for (int row = 1; row <= 3; ++row)
        TypeCellValue(table, row, kColReceive, std::to_string(144 + row), 0);
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

TEST(ParseTabTextTest, SplitsLinesAndFieldsAsSpreadsheetsQuoteThem)
{
    const std::vector<std::pair<std::string, std::vector<Texts>>> cases = {
        {"", {}},
        {"145.5", {{"145.5"}}},
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a\rb\r", {{"a"}, {"b"}}},
        {"a\t\n\n", {{"a", ""}, {""}}},
        // A quoted cell keeps its tab, line break and doubled quotes within
        // one field, so the rows after it stay where they belong.
        {"\"x\r\ny\"\t\"say \"\"hi\"\"\"\r\n150\r\n", {{"x\r\ny", "say \"hi\""}, {"150"}}},
        {"\"\"\t\"a\"b", {{"", "ab"}}},
        // A quote inside a field or one never closed is an ordinary character.
        {"5\"\t\"open\nx", {{"5\"", "\"open"}, {"x"}}},
    };
    for (const auto& [text, lines] : cases)
        EXPECT_EQ(ParseTabText(text), lines) << text;
}

TEST(SingleValueTest, OneSpreadsheetCellIsOneValueWhateverItsLineBreak)
{
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"100.0\r\n", "100.0"},
        {" 145 ", " 145 "},
        {"\r\n", ""},
        {"150.0\r\n150.5\r\n", std::nullopt},
        {"150\t", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(SingleValue(text), value) << text;
}

TEST(TypeCellValueTest, ValuesMustBeEntriesOfTheirListsInAnyCase)
{
    // Column, text, refusal, cell text afterwards; channel 1 is in use.
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {kColPower, "low", "", "Low"},
        {kColBandwidth, " NARROW ", "", "Narrow"},
        {kColScan, "maybe", "must be one of Yes, No", "Yes"},
        {kColDecode, "d023n", "", "D023N"},
        {kColDecode, "100.5", "not an entry of the tone list", "Off"},
        {kColDecode, "100", "", "100.0"},
    };
    for (const auto& [col, text, refusal, result] : cases) {
        ChannelTable table = PlanWithThreeChannels();
        EXPECT_EQ(TypeCellValue(table, 1, col, text, 0), refusal) << col << " " << text;
        EXPECT_EQ(table.text(1, col), result) << col << " " << text;
    }

    // A channel without a frequency takes no choices and no tones, and an
    // empty choice is simply what it has.
    ChannelTable table = PlanWithThreeChannels();
    for (int col : {kColDecode, kColPower, kColPtt}) {
        EXPECT_EQ(TypeCellValue(table, 4, col, col == kColDecode ? "67.0" : "", 0), "");
        EXPECT_EQ(table.text(4, col), "");
    }
}

TEST(PasteIntoEditorTest, ListsTakeOnlyTheirEntriesAndAFrequencyWaitsForItsCommit)
{
    // Column, value, text the editor shows, refusal.
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {kColReceive, "150.0", "150.0", ""},
        {kColDecode, "d023n", "D023N", ""},
        {kColDecode, "100.5", "", "channel 5, QT/DQT DEC: \"100.5\": not an entry of the tone list"},
        {kColPower, " LOW", "Low", ""},
        {kColPtt, "x", "", "channel 5, PTT: \"x\": must be one of On, Off"},
    };
    for (const auto& [col, value, text, refusal] : cases) {
        const EditorPaste paste = PasteIntoEditor(5, col, value);
        EXPECT_EQ(paste.text, text) << value;
        EXPECT_EQ(paste.refusal, refusal) << value;
    }
}

TEST(PasteCellsTest, PastesABlockFromTheTopLeftCellAndListsEachRefusalWithItsCell)
{
    RecordingMessenger messenger;
    ChannelTable table;
    const CellBlock block = PasteCells(table, {{15, kColScan}, {15, kColTransmit}},
                                       "999\t1\t2\n445\t3\t4\n146\t5\t6\n147\t7\t8\n\n", 2, messenger);
    EXPECT_EQ(table.text(15, kColTransmit), "");
    EXPECT_EQ(table.text(16, kColTransmit), "445.00000");  // the band's limits, band 2
    EXPECT_EQ(table.text(16, kColReceive), "");  // a transmit frequency alone leaves receive empty
    EXPECT_EQ(table.text(16, kColDecode), "Off");  // the refused tone leaves the new channel's own
    EXPECT_EQ(std::tie(block.top, block.left, block.bottom, block.right), std::make_tuple(15, 2, 16, 4));
    EXPECT_EQ(messenger.texts(), Texts{"These values were not pasted:\n"
                                       "channel 15, Transmit: \"999\": " + std::string(kMsgErrorDataFormat) + "\n"
                                       "channel 15, QT/DQT DEC: \"1\": not an entry of the tone list\n"
                                       "channel 15, QT/DQT ENC: \"2\": not an entry of the tone list\n"
                                       "channel 16, QT/DQT DEC: \"3\": not an entry of the tone list\n"
                                       "channel 16, QT/DQT ENC: \"4\": not an entry of the tone list\n"
                                       "2 rows did not fit below channel 16 and were not pasted"});

    // One value fills every selected cell and leaves the selection as it is;
    // a single refusal is a notice of its own.
    messenger.clear();
    ChannelTable used = PlanWithThreeChannels();
    EXPECT_TRUE(PasteCells(used, {{1, kColPower}, {3, kColPower}, {4, kColPower}}, "low\r\n", 0, messenger).empty());
    EXPECT_EQ((Texts{used.text(1, kColPower), used.text(3, kColPower), used.text(4, kColPower)}),
              (Texts{"Low", "Low", ""}));
    EXPECT_TRUE(messenger.empty());
    PasteCells(used, {{2, kColBusy}}, "maybe", 0, messenger);
    EXPECT_EQ(messenger.texts(), Texts{"channel 2, Busy: \"maybe\": must be one of Off, Carrier, DT/DQT"});

    // Nothing arrives from empty text or off the table.
    EXPECT_TRUE(PasteCells(used, {{1, kColReceive}}, "", 0, messenger).empty());
    EXPECT_TRUE(PasteCells(used, {{17, kColReceive}, {1, 0}}, "145", 0, messenger).empty());
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
