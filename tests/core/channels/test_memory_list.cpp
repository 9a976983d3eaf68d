#include "channels/memory_list.h"
#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace zem {
namespace {

using Texts = std::vector<std::string>;

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,"
    "TStep,Skip,Power,Comment,URCALL\n";

ChannelPageValues Band0() { return test::PageOf(test::BandImage(0)); }

// The row after the channel is stored and shown again, as a file would hold it.
Texts StoredRow(const ChannelPageValues& page, int row)
{
    RadioImage image = NewDocumentImage();
    StoreToImage(page, image);
    return test::RowTexts(test::PageOf(image).cells, row);
}

TEST(MemoryListTest, EachDuplexToneModeCrossModePolarityAndPowerComesInAsTheRadioHoldsIt)
{
    struct Case {
        std::string row;  // Location 1 onwards
        Texts expected;   // Receive .. PTT after the import
    };
    std::vector<Case> cases = {
        {"146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,",
         {"146.52000", "146.52000", "", "", "Yes", "High", "Wide", "Off", "Off"}},
        {"145.500000,-,0.600000,Tone,88.5,100.0,023,NN,023,Tone->Tone,NFM,5.00,S,low,,",
         {"145.50000", "144.90000", "", "88.5", "No", "Low", "Narrow", "Off", "Off"}},
        {"145.500000,+,0.600000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,5.00,P,HIGH,,",
         {"145.50000", "146.10000", "100.0", "100.0", "Yes", "High", "Wide", "Off", "Off"}},
        {"150.000000,split,160.000000,DTCS,88.5,88.5,023,RN,754,Tone->Tone,FM,5.00,,,,",
         {"150.00000", "160.00000", "D023N", "D023I", "Yes", "High", "Wide", "Off", "Off"}},
        {"162.550000,off,0.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,FM,5.00,,,,",
         {"162.55000", "", "D754I", "D754N", "Yes", "High", "Wide", "Off", "Off"}},
    };
    // Cross: rToneFreq 67.0, cToneFreq 71.9, RxDtcsCode 025; DtcsCode, polarity and mode vary.
    const std::tuple<const char*, const char*, const char*> cross[] = {
        {"023,NN,025,Tone->Tone", "71.9", "67.0"}, {"023,NR,025,Tone->DTCS", "D025I", "67.0"},
        {"031,RN,025,DTCS->Tone", "71.9", "D031I"}, {"031,NN,025,->Tone", "71.9", ""},
        {"031,NN,025,->DTCS", "D025N", ""},        {"031,NN,025,DTCS->", "", "D031N"},
        {"031,RR,025,DTCS->DTCS", "D025I", "D031I"},
    };
    for (const auto& [fields, decode, encode] : cross)
        cases.push_back({std::string("146.000000,,0,Cross,67.0,71.9,") + fields + ",FM,5.00,,,,",
                         {"146.00000", "146.00000", decode, encode, "Yes", "High", "Wide", "Off", "Off"}});
    for (const Case& c : cases) {
        ChannelPageValues page = Band0();
        const MemoryImport result = ImportMemoryList(kHeader + "1,Name," + c.row + "\n", page, {});
        ASSERT_TRUE(result.ok()) << c.row << ": " << result.refusals.front().describe();
        EXPECT_EQ(StoredRow(page, 1), c.expected) << c.row;
    }
}

TEST(MemoryListTest, SixteenRowsInLocationOrderWattagesAndWhatIsNotStored)
{
    std::string text = kHeader;
    for (int location = 40; location >= 1; --location)
        text += std::to_string(location) + ",Rep " + std::to_string(location) + "," + std::to_string(136 + location) +
                ".000000,,0,,88.5,88.5,023,NN,023,,FM,5.00,," + (location % 2 ? "5.0W" : "1.0W") + ",,\n";
    ChannelPageValues page = Band0();
    MemoryImportOptions from;
    from.from = 20;
    from.clear = true;
    const MemoryImport result = ImportMemoryList(text, page, from);
    ASSERT_TRUE(result.ok()) << result.refusals.front().describe();
    EXPECT_EQ((Texts{page.cells.text(1, kColReceive), page.cells.text(16, kColReceive), page.cells.text(1, kColPower),
                     page.cells.text(2, kColPower)}), (Texts{"156.00000", "171.00000", "Low", "High"}));
    ASSERT_EQ(result.notStored.size(), 2u);
    EXPECT_EQ(result.notStored[0].english().rfind("names not stored: Location 20 \"Rep 20\", Location 21", 0), 0u);
    EXPECT_EQ(result.notStored[1].english(), "5 row(s) past the sixteen taken: Location 36 to 40 not stored");
}

TEST(MemoryListTest, ExportThenImportGivesTheSameChannelTable)
{
    ChannelPageValues page = Band0();
    const std::vector<Texts> rows = {
        {"145.50000", "144.90000", "", "88.5", "No", "Low", "Narrow", "Carrier", "On"},
        {"150.00000", "170.00000", "D023I", "D023N", "Yes", "High", "Wide", "Off", "Off"},
        {"162.55000", "", "71.9", "", "Yes", "High", "Wide", "Off", "Off"},
        {"146.00000", "146.00000", "D025N", "67.0", "Yes", "High", "Wide", "Off", "Off"},
        {"", "146.00000", "", "", "Yes", "High", "Wide", "Off", "Off"},  // transmit only: no memory, kept
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int col = kColReceive; col <= kColPtt; ++col)
            page.cells.setText(static_cast<int>(r) + 1, col, rows[r][static_cast<std::size_t>(col - 1)]);
    }
    const std::string text = ExportMemoryList(page.cells, page.bandIndex);
    EXPECT_NE(text.find("\r\n2,CH2,150.000000,+,20.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,FM,"),
              std::string::npos);
    ChannelPageValues back = page;
    ASSERT_TRUE(ImportMemoryList(text, back, {}).ok());
    for (int row = 1; row <= kChannelCount; ++row)
        EXPECT_EQ(StoredRow(back, row), StoredRow(page, row)) << row;
}

TEST(MemoryListTest, EachKindOfRefusalIsListedAndNamesLineLocationAndColumn)
{
    const std::string ok = ",0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,";
    struct Case {
        std::string row;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"1,A,600.000000," + ok, "line 2, Location 1, Frequency \"600.000000\": Error Data Format，Please input again"},
        {"1,A,145.001000," + ok, "line 2, Location 1, Frequency \"145.001000\": Error data Value"},
        {"1,A,145.000000,+,0.000000,Tone,66.6,88.5,023,NN,023,,FM,,,,,", "line 2, Location 1, rToneFreq \"66.6\": not a CTCSS"},
        {"1,A,145.000000,,0,DTCS,88.5,88.5,999,NN,023,,FM,,,,,", "line 2, Location 1, DtcsCode \"999\": not a DCS code"},
        {"1,A,145.000000,,0,DTCS,88.5,88.5,023,NX,023,,FM,,,,,", "line 2, Location 1, DtcsPolarity \"NX\": must be"},
        {"1,A,145.000000,,0,Cross,88.5,88.5,023,NN,023,Tone>DTCS,FM,,,,,", "line 2, Location 1, CrossMode \"Tone>DTCS\""},
        {"1,A,145.000000,,0,,88.5,88.5,023,NN,023,,AM,,,,,", "line 2, Location 1, Mode \"AM\": this radio stores only"},
        {"1,A,145.000000,x,0,,88.5,88.5,023,NN,023,,FM,,,,,", "line 2, Location 1, Duplex \"x\": must be"},
        {"1,A,145.000000,,0,,88.5,88.5,023,NN,023,,FM,,,Mid,,", "line 2, Location 1, Power \"Mid\": must be"},
        {"x,A,145.000000," + ok, "line 2, Location x, Location \"x\": not a whole number"},
        // The cell as written first, then what was made of it, then the band.
        {"1,A,170.000000,+,5,,88.5,88.5,023,NN,023,,FM,,,,,",
         "line 2, Location 1, Offset \"5\" (transmit 175.000000): Error Data Format，Please input again "
         "(outside 136-174 MHz; this plan is for band 136-174MHZ)"},
        // Both codes of the row come from the one empty cell: said once.
        {"1,A,145.000000,,0,DTCS,88.5,88.5,,NN,023,,FM,,,,,", "line 2, Location 1: DtcsCode is empty"},
    };
    for (const Case& c : cases) {
        ChannelPageValues page = Band0();
        const MemoryImport result = ImportMemoryList(kHeader + c.row + "\n", page, {});
        ASSERT_EQ(result.refusals.size(), 1u) << c.row;
        EXPECT_EQ(result.refusals.front().describe().substr(0, c.expected.size()), c.expected) << c.row;
    }
}

// A spreadsheet's list (semicolons, decimal commas, a column of its own),
// its refusals in line order, the refused rows skipped on request, and
// lists with nothing to take.
TEST(MemoryListTest, SpreadsheetListRefusedRowsSkippedAndNothingToImport)
{
    const std::string text =
        "Location;Name;Frequency;Duplex;Offset;Tone;rToneFreq;cToneFreq;DtcsCode;DtcsPolarity;RxDtcsCode;CrossMode;"
        "Mode;TStep;Skip;Power;Comment;latitude\n"
        "4;D;145,0;;0;DTCS;88,5;88,5;;NN;23;;FM;5,00;;High;;\n"
        "1;A;145,5;-;0,6;Tone;88,5;88,5;23;NN;23;;NFM;12,50;;High;club;52,1\n"
        "2;B;145,0;;0;;88,5;88,5;23;NN;23;;AM;5,00;;High;;52,2\n"
        "3;C;146,5;;0;;88,5;88,5;23;NN;23;;FM;5,00;;High;;\n";
    const std::vector<std::string> refused = {
        "line 2, Location 4: DtcsCode is empty",
        "line 4, Location 2, Mode \"AM\": this radio stores only FM (Wide) and NFM (Narrow)",
    };
    ChannelPageValues page = Band0();
    EXPECT_EQ(test::English(ImportMemoryList(text, page, {}).refusals), refused);

    page = Band0();
    MemoryImportOptions skip;
    skip.skipRefused = true;
    const MemoryImport result = ImportMemoryList(text, page, skip);
    ASSERT_TRUE(result.ok()) << result.refusals.front().describe();
    EXPECT_EQ(test::English(result.skipped), refused);
    EXPECT_EQ(StoredRow(page, 1), (Texts{"145.50000", "144.90000", "", "88.5", "Yes", "High", "Narrow", "Off", "Off"}));
    EXPECT_EQ(StoredRow(page, 3)[0], "146.50000");
    EXPECT_EQ(StoredRow(page, 2), StoredRow(Band0(), 2));
    EXPECT_EQ(test::English(result.notStored), (Texts{"names not stored: Location 1 \"A\", Location 3 \"C\"",
                                       "column \"TStep\" not stored: 1 row(s) hold a value there",
                                       "column \"Comment\" not stored: 1 row(s) hold a value there",
                                       "column \"latitude\" not stored: 1 row(s) hold a value there"}));

    MemoryImportOptions pastTheEnd;
    pastTheEnd.from = 5;
    for (const auto& [list, options] : {std::pair(text, pastTheEnd), std::pair(kHeader, MemoryImportOptions{})}) {
        page = Band0();
        EXPECT_EQ(test::English(ImportMemoryList(list, page, options).refusals), Texts{"no memory to import"});
    }
}

}  // namespace
}  // namespace zem
