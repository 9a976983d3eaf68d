#include "channels/channel_commit.h"
#include "channels/channel_csv.h"
#include "channels/tone_table.h"
#include "core/channels/channel_test_support.h"
#include "document/radio_image.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

using test::BandImage;
using test::PageOf;
using Fields = std::vector<std::string>;

TEST(ParseCsv, ReadsQuotedFieldsLineEndsAndByteOrderMark) {
    const std::vector<std::tuple<const char*, std::string, std::vector<Fields>>> cases = {
        {"no final line end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"empty fields", ",,\"\"\n", {{"", "", ""}}},
        {"comma and doubled quote", "\"a,b\",\"say \"\"hi\"\"\"\n", {{"a,b", "say \"hi\""}}},
        {"line break in quotes", "\"one\r\ntwo\",x\n", {{"one\r\ntwo", "x"}}},
        {"blanks kept, blank lines skipped", " a , b \n\n\r\nb\n", {{" a ", " b "}, {"b"}}},
    };
    for (const auto& [name, text, expected] : cases) {
        const CsvParse parse = ParseCsv(text);
        ASSERT_TRUE(parse.ok) << name << ": " << parse.message.english();
        std::vector<Fields> fields;
        for (const auto& record : parse.records) fields.push_back(record.fields);
        EXPECT_EQ(fields, expected) << name;
    }
}

TEST(ParseCsv, CountsLinesAcrossQuotedLineBreaksAndRefusesBrokenQuoting) {
    const CsvParse parse = ParseCsv("h\n\"a\nb\"\n\nc\n");
    ASSERT_EQ(parse.records.size(), 3u);
    EXPECT_EQ(parse.records[1].line, 2);
    EXPECT_EQ(parse.records[2].line, 5);
    EXPECT_EQ(ParseCsv("a\n\"x\"y,b\n").message.english(), "line 2: text after a closing quote");
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CsvField("145.12500"), "145.12500");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("3.5 "), "\"3.5 \"");
    const std::string odd = " x,\"y\"\r\nz ";
    EXPECT_EQ(ParseCsv(CsvField(odd) + "\n").records.at(0).fields, Fields{odd});
}

// The exported list as a spreadsheet saves it back: numbers without their
// trailing zeros ("145.5", the tone "67"), a byte order mark, line ends, in
// countries with a decimal comma semicolons or tabs with "145,5", and a row
// kept for formatting only.
std::string Resaved(const std::string& exported, char separator, bool decimalComma, const std::string& lineEnd) {
    std::string text = "\xEF\xBB\xBF";
    for (const CsvRecord& record : ParseCsv(exported).records) {
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            std::string field = record.fields[i];
            if (field.find('.') != std::string::npos && field.find_first_not_of("0123456789.") == std::string::npos) {
                field.erase(field.find_last_not_of('0') + 1);
                if (field.back() == '.') field.pop_back();
                if (decimalComma && field.find('.') != std::string::npos) field[field.find('.')] = ',';
            }
            text += (i > 0 ? std::string(1, separator) : "") + field;
        }
        text += lineEnd;
    }
    return text + std::string(9, separator) + lineEnd;
}

TEST(ChannelCsv, ExportThenImportGivesTheSameChannelsAlsoAsASpreadsheetSavesIt) {
    const struct {
        const char* name;
        char separator;  // none: the list as exported
        bool decimalComma;
        const char* lineEnd;
    } sheets[] = {
        {"as exported", 0, false, ""},
        {"commas, BOM, CR LF", ',', false, "\r\n"},
        {"semicolons, decimal commas", ';', true, "\r\n"},
        {"tabs, decimal commas, LF", '\t', true, "\n"},
        {"tabs, decimal points", '\t', false, "\n"},
    };
    for (int band = 0; band < 4; ++band) {
        ChannelPageValues edited = PageOf(BandImage(band));
        // Values the defaults do not use: tones, narrow, low power, busy
        // locks, PTT ID, inverted codes, a channel without scan, an empty channel.
        const std::tuple<int, int, const char*> edits[] = {
            {1, kColDecode, "67.0"},  {2, kColDecode, "D754I"}, {2, kColEncode, "100.0"},     {2, kColBusy, "DT/DQT"},
            {3, kColDecode, "D023N"}, {3, kColPower, "Low"},    {3, kColBandwidth, "Narrow"}, {8, kColScan, "No"},
            {8, kColBusy, "Carrier"}, {8, kColPtt, "On"},
        };
        for (const auto& [row, col, text] : edits) edited.cells.setText(row, col, text);
        for (int col = kColReceive; col < kGridCols; ++col) edited.cells.setText(16, col, "");
        RadioImage source = NewDocumentImage();
        StoreToImage(edited, source);
        const ChannelPageValues expected = PageOf(source);
        const std::string exported = ExportChannelsCsv(expected.cells);
        for (const auto& sheet : sheets) {
            const std::string text =
                sheet.separator ? Resaved(exported, sheet.separator, sheet.decimalComma, sheet.lineEnd) : exported;
            EXPECT_TRUE(!sheet.separator || text.find(std::string(1, sheet.separator) + "67" + sheet.separator) !=
                                                std::string::npos) << text;
            ChannelPageValues target = PageOf(NewDocumentImage());
            target.bandIndex = band;  // each band refuses the others' frequencies
            const CsvImport result = ImportChannelsCsv(text, target);
            ASSERT_TRUE(result.ok()) << sheet.name << ": " << result.rejections.front().describe();
            EXPECT_TRUE(result.ignoredColumns.empty());
            RadioImage imported = NewDocumentImage();
            StoreToImage(target, imported);
            // Stored again, the list gives the bytes it came from.
            EXPECT_EQ(imported, source) << sheet.name << ", band " << band;
        }
    }
}

TEST(ChannelCsv, ReportsEveryRefusedValueWithChannelAndColumn) {
    ChannelPageValues page = PageOf(BandImage(0));
    const std::string text = "Ch,Receive,Transmit,QT/DQT DEC,QT/DQT ENC,Scan,Power,W/N,Busy,PTT\n"
                             "3,450.00000,173.95000,,,Yes,High,Wide,Off,Off\n"
                             "4,145.00100,,,,Yes,High,Wide,Off,Off\n"
                             "5,161.12500,,12.3,,Maybe,high,,Off,Off\n"
                             "17,145.00000,,,,,,,,\n"
                             "6,1,2\n"
                             "5,,,,,,,,,\n"
                             "1,150.00000,150.00000,,,Yes,High,Wide,Off,Off\n";
    const ChannelPageValues before = page;
    const CsvImport result = ImportChannelsCsv(text, page);
    const std::vector<std::string> expected = {
        std::string("line 2, channel 3, Receive \"450.00000\": ") + kMsgErrorDataFormat +
            " (outside 136-174 MHz; this plan is for band 136-174MHZ — try --band)",
        std::string("line 3, channel 4, Receive \"145.00100\": ") + kMsgErrorDataValue,
        "line 4, channel 5, QT/DQT DEC \"12.3\": not an entry of the tone list",
        "line 4, channel 5, Scan \"Maybe\": must be one of Yes, No",
        "line 4, channel 5, W/N \"\": must be one of Wide, Narrow",
        "line 5, Ch \"17\": not a channel number from 1 to 16",
        "line 6: the row has 3 fields, the header 10",
        "line 7, channel 5, Ch \"5\": the channel has a row already",
    };
    EXPECT_EQ(test::English(result.rejections, " — try --band"), expected);

    // Skipping the refused rows takes the one that fits and only it.
    page = before;
    const CsvImport skipping = ImportChannelsCsv(text, page, true);
    ASSERT_TRUE(skipping.ok());
    EXPECT_EQ(test::English(skipping.skipped, " — try --band"), expected);
    EXPECT_EQ(page.cells.text(1, kColReceive), "150.00000");
    for (int row = 2; row <= kChannelCount; ++row)
        EXPECT_EQ(test::RowTexts(page.cells, row), test::RowTexts(before.cells, row)) << row;
}

TEST(ChannelCsv, RefusesAHeaderWithoutChannelsOrWithATwiceNamedColumn) {
    ChannelPageValues page = PageOf(NewDocumentImage());
    const std::string expected = "line 1: expected a header row with the column \"Ch\" and any of Ch, Receive, "
                                 "Transmit, QT/DQT DEC, QT/DQT ENC, Scan, Power, W/N, Busy, PTT, separated by "
                                 "commas, semicolons or tabs; found ";
    const std::vector<std::pair<std::string, std::string>> headers = {
        {"Receive,Transmit\n145,145\n", expected + "\"Receive,Transmit\""},
        {"Kanal|Empfang\n1|145,5\n", expected + "\"Kanal|Empfang\""},
        {"Ch,Scan,scan\n1,Yes,No\n", "line 1, Scan \"scan\": the column appears twice"},
        {"", "the text has no header row"},
        {"Ch,Receive\n\"1,145\n", "line 2: a quoted field is not closed"},
    };
    for (const auto& [text, message] : headers) {
        const CsvImport result = ImportChannelsCsv(text, page);
        ASSERT_EQ(result.rejections.size(), 1u) << text;
        EXPECT_EQ(result.rejections.front().describe(), message);
    }
    EXPECT_TRUE(ImportChannelsCsv("Ch,Receive\n", page).ok());
}

TEST(ChannelCsv, AToneNumberEqualToAnEntryIsThatEntry) {
    const std::vector<std::pair<const char*, int>> tones = {
        {"67", 1}, {"67.00", 1}, {"067.0", 1}, {"254.1", 50}, {"100", 13}, {"d023n", 51},
        {"67.05", -1}, {"67,0", -1}, {"68", -1}, {"0", -1}, {"", -1}, {"1e2", -1},
    };
    for (const auto& [text, index] : tones) EXPECT_EQ(MatchTone(text), index) << text;
}

TEST(ChannelCsv, MatchesColumnsByNameKeepsTheCellsOfMissingOnesAndTypesAsTheGrid) {
    ChannelPageValues page = PageOf(BandImage(0));
    ChannelTable expected = page.cells;
    expected.setText(2, kColPower, "Low");
    const CsvImport result = ImportChannelsCsv(" power ,Notes,CH\nlow,spare,2\n", page);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.ignoredColumns, std::vector<std::string>{"Notes"});
    EXPECT_EQ(page.cells, expected);

    // Each cell is typed as the grid types it (the clipboard's tests hold
    // its rules): a receive frequency alone brings the new-channel defaults.
    page = PageOf(NewDocumentImage());
    ASSERT_TRUE(ImportChannelsCsv("Ch,Receive\n1,145.5\n", page).ok());
    EXPECT_EQ(test::RowTexts(page.cells, 1)[1] + " " + page.cells.text(1, kColScan), "145.50000 Yes");
}

}  // namespace
}  // namespace zem
