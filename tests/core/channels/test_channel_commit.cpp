#include "channels/cell_keys.h"
#include "channels/channel_commit.h"
#include "channels/tone_table.h"

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

// An action in a few words: "commit on Enter close at 1,2 text '145.00000' selected".
std::string Describe(const CellAction& a)
{
    if (a.native) return "native";
    std::string words;
    const auto add = [&words](const std::string& word) { words += (words.empty() ? "" : " ") + word; };
    if (!a.notice.empty()) add(a.notice == kMsgInputNumber ? "notice" : "another notice");
    if (a.commit) add(a.onEnter ? "commit on Enter" : "commit");
    if (a.close) add("close");
    if (a.emptySelection) add("empty");
    if (a.row > 0) add("at " + std::to_string(a.row) + "," + std::to_string(a.col));
    if (a.focusNext) add("next control");
    const auto entry = [&a](const std::vector<std::string>& entries) {
        return "#" + std::to_string(a.entry) + " '" + entries.at(static_cast<std::size_t>(a.entry)) + "'";
    };
    if (a.open == CellEditor::Text) add("text '" + a.text + "'");
    if (a.open == CellEditor::Tone) add("tone '" + a.text + "' on " + entry(ToneTable()));
    if (a.open == CellEditor::List) add("list " + entry(ChoiceEntries(a.col)));
    if (a.open != CellEditor::None && a.open != CellEditor::List && a.selectAll) add("selected");
    return words;
}

TEST(CellKeysTest, KeyOnACellGivesTheTablesAction)
{
    // Channel 1 holds a channel, channel 2 and the others are empty.
    ChannelPageValues page;
    ChannelTable& table = page.cells;
    const char* const channel[] = {"145.00000", "145.00000", "Off", "D023N", "Yes", "Low", "Narrow", "DT/DQT", "On"};
    for (int col = kColReceive; col <= kColPtt; ++col) table.setText(1, col, channel[col - 1]);

    struct Case {
        KeyPlace place;
        int row, col;
        CellKey key;
        const char* text;
        const char* action;
    };
    using P = KeyPlace;
    using K = CellKey;
    const Case cases[] = {
        // A character typed replaces the value; a frequency takes digits only.
        {P::Grid, 1, 1, K::Typed, "4", "at 1,1 text '4'"},
        {P::Grid, 1, 2, K::Typed, "a", "notice at 1,2 text 'a'"},
        {P::Grid, 2, 1, K::Typed, ".", "notice at 2,1 text ''"},
        // The tone list's field takes it; a pure list opens on the cell's
        // entry; the Power list is chosen with the mouse, typing opens nothing.
        {P::Grid, 1, 4, K::Typed, "d", "at 1,4 tone 'd' on #51 'D023N'"},
        {P::Grid, 1, 7, K::Typed, "x", "at 1,7 list #1 'Narrow'"},
        {P::Grid, 1, 6, K::Typed, "L", "at 1,6"},
        // F2, a press and a double click open the cell's value; the right button opens nothing.
        {P::Grid, 1, 1, K::F2, "", "at 1,1 text '145.00000' selected"},
        {P::Grid, 1, 6, K::Press, "", "at 1,6 list #1 'Low'"},
        {P::Grid, 1, 8, K::DoubleClick, "", "at 1,8 list #2 'DT/DQT'"},
        {P::Grid, 2, 3, K::Press, "", "at 2,3 tone 'OFF' on #0 'OFF' selected"},
        {P::Grid, 1, 1, K::RightPress, "", "at 1,1"},
        {P::Grid, 0, 0, K::F2, "", "at 1,1 text '145.00000' selected"},
        // Enter moves right; from PTT it leaves the table as Tab does.
        {P::Grid, 3, 8, K::Enter, "", "at 3,9"},
        {P::Grid, 3, 9, K::Enter, "", "at 3,9 next control"},
        // The arrows, Home and End move within the channel cells.
        {P::Grid, 4, 5, K::Down, "", "at 5,5"},
        {P::Grid, 1, 5, K::Up, "", "at 1,5"},
        {P::Grid, 16, 5, K::Down, "", "at 16,5"},
        {P::Grid, 4, 1, K::Left, "", "at 4,1"},
        {P::Grid, 4, 9, K::Right, "", "at 4,9"},
        {P::Grid, 4, 5, K::Home, "", "at 4,1"},
        {P::Grid, 4, 5, K::End, "", "at 4,9"},
        {P::Grid, 1, 1, K::Delete, "", "empty at 1,1"},
        {P::Grid, 1, 1, K::Tab, "", "native"},
        // In an editor Enter commits and opens the next cell; after PTT the
        // next channel's receive frequency, after channel 16 the next control.
        {P::Editor, 1, 1, K::Enter, "146", "commit on Enter close at 1,2 text '145.00000' selected"},
        {P::Editor, 1, 3, K::Enter, "67.0", "commit on Enter close at 1,4 tone 'D023N' on #51 'D023N' selected"},
        {P::Editor, 5, 9, K::Enter, "On", "commit on Enter close at 6,1 text '' selected"},
        // The next editor shows what the commit leaves: a first receive
        // frequency is also the transmit one; a refused one changes nothing.
        {P::Editor, 2, 1, K::Enter, "145.5", "commit on Enter close at 2,2 text '145.50000' selected"},
        {P::Editor, 2, 1, K::Enter, "100", "commit on Enter close at 2,2 text '' selected"},
        {P::Editor, 16, 9, K::Enter, "", "commit on Enter close at 16,9 next control"},
        // Tab commits as leaving the cell does and runs on as Enter does.
        {P::Editor, 1, 1, K::Tab, "146", "commit close at 1,2 text '145.00000' selected"},
        {P::Editor, 1, 1, K::Escape, "", "close at 1,1"},
        {P::Editor, 1, 1, K::Home, "", "native"},
        // Enter on the type or band list or "Default Setting" never presses the button.
        {P::Control, 0, 0, K::Enter, "", "next control"},
        {P::Control, 0, 0, K::Tab, "", "native"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Describe(CellKeyAction(page, c.place, c.row, c.col, c.key, c.text)), c.action)
            << "key " << static_cast<int>(c.key) << " on " << c.row << "," << c.col;
    }
}

TEST(CellKeysTest, BrowserKeyNames)
{
    const std::pair<const char*, std::optional<CellKey>> names[] = {
        {"Enter", CellKey::Enter}, {"ArrowUp", CellKey::Up},   {"DoubleClick", CellKey::DoubleClick},
        {"a", CellKey::Typed},     {"é", CellKey::Typed},      {"张", CellKey::Typed},
        {"Shift", std::nullopt},   {"ab", std::nullopt},       {"", std::nullopt},
        {"\x7f", std::nullopt},    {"\t", std::nullopt},
    };
    for (const auto& [name, key] : names) EXPECT_EQ(CellKeyNamed(name), key) << name;
}

}  // namespace
}  // namespace zem
