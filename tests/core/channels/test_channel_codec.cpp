#include "channels/channel_codec.h"
#include "channels/frequency.h"
#include "channels/tone_table.h"
#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

#include <clocale>
#include <utility>
#include <vector>

namespace zem {
namespace {

using test::PageOf;
using test::RecordingMessenger;
using test::RowTexts;
using Texts = std::vector<std::string>;
using test::Bytes;
using test::Put;
constexpr int kRow = 5;

TEST(ChannelCodecTest, FillsRecordsShowsNoSettingsForEmptyChannelsAndStoresThemAsAbsent)
{
    RadioImage image = NewDocumentImage();
    Put(image, 16 * kRow, {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x9E, 0x02, 0x9E, 0x02, 0x38});
    Put(image, 16 * 2, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x07});
    Put(image, 16 * 3, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x13, 0x28, 0xFF, 0xFF, 0x07});
    const ChannelPageValues page = PageOf(image);
    EXPECT_EQ(RowTexts(page.cells, kRow), (Texts{"145.12500", "145.12500", "67.0", "67.0", "Yes", "High", "Wide", "Off", "Off"}));
    EXPECT_EQ(RowTexts(page.cells, 2), (Texts{"", "145.12500", "", "", "No", "Low", "Narrow", "Off", "On"}));
    EXPECT_EQ(RowTexts(page.cells, 3), (Texts{"", "", "D023N", "", "", "", "", "", ""}));
    EXPECT_EQ(RowTexts(page.cells, 1), Texts(9, ""));  // a new document's channel

    // An empty channel is stored as absent, keeping flag bits 7-6 and the tail.
    Put(image, 16 * kRow, {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x9E, 0x02, 0x9E, 0x02, 0xC4, 1, 2, 3});
    StoreToImage(ChannelPageValues(), image);
    EXPECT_EQ(test::BytesAt(image, 16 * kRow, 16), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                0xFF, 0xD1, 1, 2, 3}));
    EXPECT_EQ(RowTexts(PageOf(image).cells, kRow), Texts(9, ""));
}

TEST(ChannelCodecTest, StoresFlagTextsExactly)
{
    const std::pair<Texts, std::uint8_t> cases[] = {
        {{"Yes", "High", "Wide", "Off", "Off"}, 0x38},
        {{"No", "Low", "Narrow", "Carrier", "On"}, 0x05},
        {{"No", "Low", "Narrow", "DT/DQT", "Off"}, 0x02},
        {{"no", "high", "wide", "off", "on"}, 0x11},  // an unknown busy text is sent as 0x11
    };
    for (const auto& [flags, byte] : cases) {
        ChannelPageValues page;
        for (int k = 0; k < 5; ++k)
            page.cells.setText(kRow, kColScan + k, flags[k]);
        RadioImage image = NewDocumentImage();
        StoreToImage(page, image);
        EXPECT_EQ(image[16 * kRow + 12], byte) << flags[3];
    }
}

TEST(ChannelCodecTest, ToneWordsByHighByteAndToneTextsInEitherCase)
{
    const std::tuple<std::uint8_t, std::uint8_t, const char*> decoded[] = {
        {0x12, 0x00, ""},       {0x12, 0xFF, ""},       {0xEC, 0x29, "D754N"}, {0x13, 0xA8, "D023I"},
        {0x13, 0x31, "D423I"},  {0x13, 0x10, "D023N"},  {0x13, 0x30, "D023I"},
    };
    for (const auto& [low, high, text] : decoded)
        EXPECT_EQ(DecodeToneWord(low, high), text) << int(high);

    const std::tuple<const char*, std::uint8_t, std::uint8_t> encoded[] = {
        {"D023", 0x13, 0xA8}, {"d023n", 0x13, 0x28}, {"d754i", 0xEC, 0xA9}, {"", 0xFF, 0xFF}, {"Off", 0xFF, 0xFF},
    };
    for (const auto& [text, low, high] : encoded) {
        std::pair<std::uint8_t, std::uint8_t> word;
        EncodeToneText(text, word.first, word.second);
        EXPECT_EQ(word, std::make_pair(low, high)) << text;
    }

    // Every entry of the tone table comes back as itself.
    const Texts& table = ToneTable();
    ASSERT_EQ(table.size(), 261u);
    EXPECT_EQ((Texts{table[0], table[1], table[50], table[51], table[155], table[156], table[260]}),
              (Texts{"OFF", "67.0", "254.1", "D023N", "D754N", "D023I", "D754I"}));
    for (std::size_t k = 0; k < table.size(); ++k) {
        std::uint8_t low = 0, high = 0;
        EncodeToneText(table[k], low, high);
        EXPECT_EQ(DecodeToneWord(low, high), k == 0 ? std::string() : table[k]);
    }
    EXPECT_EQ(FindTone("d023n"), 51);
    EXPECT_EQ(FindTone("D023N "), -1);
}

TEST(ChannelCodecTest, EveryRasterFrequencyFrom100To600MHzRoundTrips)
{
    int checked = 0;
    std::uint8_t bytes[4];
    for (std::int64_t units = 10'000'000; units <= 60'000'000; units += 125) {
        if (units % 500 != 0 && units % 625 != 0)
            continue;
        const std::string text = FormatFrequency(units);
        EncodeBcd(TextToUnits(text), bytes);
        ASSERT_EQ(FormatFrequency(DecodeBcd(bytes)), text);
        ++checked;
    }
    EXPECT_EQ(checked, 160001);

    ChannelPageValues page;
    RadioImage image = NewDocumentImage();
    page.cells.setText(kRow, kColTransmit, "256.02000");
    for (const char* absent : {"0", "", "abc", "-145", "1000"}) {
        page.cells.setText(kRow, kColReceive, absent);
        StoreToImage(page, image);
        EXPECT_EQ(test::BytesAt(image, 16 * kRow, 8), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x20, 0x60, 0x25})) << absent;
        EXPECT_EQ(PageOf(image).cells.text(kRow, kColTransmit), "256.02000");
    }
}

TEST(ChannelCodecTest, BandAndTypeSelectionsFollowTheirBytes)
{
    RadioImage image = NewDocumentImage();
    Put(image, 0x220, {0x00, 0x00, 0x40, 0x17, 0x00, 0x00, 0x60, 0x13});
    EXPECT_EQ(PageOf(image).bandIndex, 0);
    for (std::size_t k = 0; k < 8; ++k) {
        RadioImage changed = image;
        changed[0x220 + k] ^= 0x01;
        EXPECT_EQ(PageOf(changed).bandIndex, 4) << k;
    }
    EXPECT_EQ(PageOf(image).typeIndex, 0);
    image[0x22C] = 0x00;
    EXPECT_EQ(PageOf(image).typeIndex, 1);

    const std::tuple<int, int, Bytes, std::uint8_t> stores[] = {
        {0, 0, {0x00, 0x00, 0x40, 0x17, 0x00, 0x00, 0x60, 0x13}, 0xFF},
        {1, 0, {0x00, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0x22}, 0xFF},
        {2, 0, {0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00, 0x40}, 0xFF},
        {3, 1, {0x00, 0x00, 0x20, 0x51, 0x00, 0x00, 0x00, 0x47}, 0x05},
        {4, -1, {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF}, 0x05},
        {-1, 0, {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF}, 0xFF},
    };
    for (const auto& [band, type, limits, typeByte] : stores) {
        ChannelPageValues page;
        page.bandIndex = band;
        page.typeIndex = type;
        RadioImage stored = NewDocumentImage();
        StoreToImage(page, stored);
        EXPECT_EQ(test::BytesAt(stored, 0x220, 8), limits) << band;
        EXPECT_EQ(stored[0x22C], typeByte) << type;
    }
}

TEST(ChannelDefaultsTest, EachBandWritesItsDemonstrationChannels)
{
    // Receive frequency of channels 1, 3, 4, 10, 13, 14 and 16.
    const std::pair<int, Texts> cases[] = {
        {0, {"136.05000", "173.95000", "161.02500", "161.62500", "161.92500", "162.02500", "162.22500"}},
        {1, {"226.05000", "263.95000", "242.42500", "243.02500", "243.32500", "242.02500", "242.22500"}},
        {2, {"400.05000", "469.95000", "440.10000", "463.07500", "463.37500", "463.47500", "463.67500"}},
        {3, {"470.05000", "511.95000", "500.02500", "500.62500", "500.92500", "501.02500", "501.22500"}},
    };
    for (const auto& [band, receive] : cases) {
        RadioImage image = NewDocumentImage();
        Put(image, 16 + 8, {0x13, 0x28});  // an earlier tone of channel 1 stays, so do the record's tail bytes
        image[16 + 13] = 0x5A;
        image[0x22C] = 0x05;
        RecordingMessenger messenger;
        ApplyChannelDefaults(image, 0, band, messenger);
        EXPECT_TRUE(messenger.empty());

        const ChannelPageValues page = PageOf(image);
        Texts shown;
        for (int row : {1, 3, 4, 10, 13, 14, 16}) {
            shown.push_back(page.cells.text(row, kColReceive));
            EXPECT_EQ(page.cells.text(row, kColTransmit), page.cells.text(row, kColReceive));
            for (int col = kColScan; col <= kColPtt; ++col)
                EXPECT_EQ(page.cells.text(row, col), (Texts{"Yes", "High", "Wide", "Off", "Off"}[col - kColScan]));
        }
        EXPECT_EQ(shown, receive) << band;
        EXPECT_EQ(page.cells.text(1, kColDecode), "D023N");
        EXPECT_EQ(page.cells.text(2, kColDecode), "");
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(page.cells.text(4 + k, kColDecode), (Texts{"67.0", "254.1", "D023N", "162.2"}[k]));
            EXPECT_EQ(page.cells.text(4 + k, kColEncode), page.cells.text(4 + k, kColDecode));
        }
        EXPECT_EQ(image[16 + 13], 0x5A);
        EXPECT_EQ(page.bandIndex, band);
        EXPECT_EQ(page.typeIndex, 0);
    }
}

TEST(ChannelDefaultsTest, OtherTypeOrBandClearsEverythingOnlyWhenConfirmed)
{
    for (const auto& [type, band] : {std::pair{1, 0}, std::pair{0, 4}}) {
        RadioImage image = NewDocumentImage();
        RecordingMessenger yes;
        yes.setDefaultAnswer(true);
        ApplyChannelDefaults(image, type, band, yes);
        EXPECT_EQ(yes.texts(), Texts{kMsgClearAllQuestion}) << type << band;
        EXPECT_EQ(image, RadioImage()) << type << band;
    }

    // Declined, another type writes the band's table as for the first type.
    RadioImage image = NewDocumentImage();
    RadioImage declined = image;
    RecordingMessenger no;
    ApplyChannelDefaults(declined, 1, 0, no);
    ApplyChannelDefaults(image, 0, 0, no);
    EXPECT_EQ(no.entries().size(), 1u);
    EXPECT_EQ(declined, image);

    // Declined, another band writes only the common part.
    image[3 * 16 + 4] = 0x00;  // transmit of channel 3 differs from receive
    image[0x220] = 0x12;
    image[0x222] = 0x34;
    RadioImage after = image;
    ApplyChannelDefaults(after, 0, 4, no);
    for (int channel = 1; channel <= 16; ++channel) {
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(after[channel * 16 + k], image[channel * 16 + k]);
            EXPECT_EQ(after[channel * 16 + 4 + k], image[channel * 16 + k]);
        }
        EXPECT_EQ(after[channel * 16 + 12], 0x38);
    }
    EXPECT_EQ(after[0x220], 0x00);
    EXPECT_EQ(after[0x222], 0x34);

    RecordingMessenger twice;  // other type and other band: two questions
    ApplyChannelDefaults(image, 1, -1, twice);
    EXPECT_EQ(twice.entries().size(), 2u);
    EXPECT_EQ(image, after);
}

constexpr std::int64_t kSaturated = 100'000'000'000'000'000;

TEST(FrequencyTextTest, ReadsTheLeadingNumberRoundedToTheNearestUnitFromTheDigitsTyped)
{
    const std::pair<const char*, std::int64_t> cases[] = {
        {"256.02", 25602000},       {"145.000005", 14500001}, {"145.0000049", 14500000},
        {"-145.000005", -14500001}, {"145.004995", 14500500}, {"1.4500000e2", 14500000},
        {"OFF", 0},                 {"1e400", kSaturated},    {"nan", 0},
        {"  145.5MHz", 14550000},   {"+145", 14500000},       {".5", 50000},
        {"145e", 14500000},         {"145.5.5", 14550000},    {"+-1", 0},
        {"", 0},                    {"0x10", 0},
    };
    for (const auto& [text, units] : cases)
        EXPECT_EQ(TextToUnits(text), units) << text;
    EXPECT_EQ(MhzToUnits(256.02), 25602000);
    EXPECT_EQ(MhzToUnits(-0.000005), -1);
    EXPECT_EQ(TextToTenths("69.3"), 693);
    EXPECT_EQ(TextToTenths("-12.39"), -123);
}

TEST(FrequencyTextTest, PointIsAPointInAnyLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // a comma locale, where the machine has one
    EXPECT_EQ(FormatFrequency(14512500), "145.12500");
    EXPECT_EQ(TextToUnits("145.125"), 14512500);
    EXPECT_DOUBLE_EQ(LeadingNumber("145.125"), 145.125);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(FormatFrequency(5), "0.00005");
}

}  // namespace
}  // namespace zem
