#include "channels/channel_codec.h"
#include "channels/frequency.h"
#include "channels/tone_table.h"
#include "document/radio_image.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace zem {
namespace {

constexpr int kRow = 5;

void PutRecord(RadioImage& image, int channel, std::initializer_list<std::uint8_t> bytes)
{
    std::size_t k = 0;
    for (std::uint8_t b : bytes)
        image[channel * 16 + k++] = b;
}

std::vector<std::uint8_t> Record(const RadioImage& image, int channel)
{
    return std::vector<std::uint8_t>(image.bytes.begin() + channel * 16, image.bytes.begin() + channel * 16 + 16);
}

std::vector<std::string> RowTexts(const ChannelPageValues& page, int row)
{
    std::vector<std::string> texts;
    for (int col = 1; col < kGridCols; ++col)
        texts.push_back(page.cells.text(row, col));
    return texts;
}

ChannelPageValues Filled(const RadioImage& image)
{
    ChannelPageValues page;
    FillFromImage(image, page);
    return page;
}

TEST(ChannelTableTest, StartsWithHeadersAndChannelNumbers)
{
    const ChannelTable table;
    EXPECT_EQ(table.text(0, 0), "Ch");
    EXPECT_EQ(table.text(0, kColPtt), "PTT");
    EXPECT_EQ(table.text(1, 0), "1");
    EXPECT_EQ(table.text(16, 0), "16");
    EXPECT_EQ(table.text(16, kColReceive), "");
    EXPECT_FALSE(table.hasFrequency(1));
}

TEST(ChannelCodecTest, FillsAFullRecordAndEmptyChannels)
{
    RadioImage image = NewDocumentImage();
    PutRecord(image, kRow, {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x9E, 0x02, 0x9E, 0x02, 0x38});
    const ChannelPageValues page = Filled(image);
    EXPECT_EQ(RowTexts(page, kRow), (std::vector<std::string>{"145.12500", "145.12500", "67.0", "67.0", "Yes",
                                                                  "High", "Wide", "Off", "Off"}));
    // A new document's channels are empty, flags included.
    EXPECT_EQ(RowTexts(page, 1), std::vector<std::string>(9, ""));
    EXPECT_EQ(page.cells.text(1, 0), "1");  // column 0 untouched

    // Only a transmit frequency: the settings show; neither: they do not.
    PutRecord(image, 2, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x25, 0x51, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0x07});
    PutRecord(image, 3, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x13, 0x28, 0xFF, 0xFF, 0x07});
    const ChannelPageValues again = Filled(image);
    EXPECT_EQ(RowTexts(again, 2), (std::vector<std::string>{"", "145.12500", "", "", "No", "Low", "Narrow", "Off",
                                                                "On"}));
    EXPECT_EQ(RowTexts(again, 3), (std::vector<std::string>{"", "", "D023N", "", "", "", "", "", ""}));
}

TEST(ChannelCodecTest, StoresAnEmptyChannelAsAbsentAndKeepsFlagBits76AndTail)
{
    RadioImage image = NewDocumentImage();
    PutRecord(image, kRow, {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14, 0x9E, 0x02, 0x9E, 0x02, 0xC4,
                            0x11, 0x22, 0x33});
    ChannelPageValues page = Filled(image);
    for (int col = 1; col < kGridCols; ++col)
        page.cells.setText(kRow, col, "");
    StoreToImage(page, image);
    EXPECT_EQ(Record(image, kRow), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                               0xFF, 0xFF, 0xFF, 0xD1, 0x11, 0x22, 0x33}));
    EXPECT_EQ(RowTexts(Filled(image), kRow), std::vector<std::string>(9, ""));
}

TEST(ChannelCodecTest, StoresEachFlagText)
{
    struct Case {
        std::vector<std::string> flags;  // Scan, Power, W/N, Busy, PTT
        std::uint8_t byte;
    };
    const Case cases[] = {
        {{"Yes", "High", "Wide", "Off", "Off"}, 0x38},
        {{"No", "Low", "Narrow", "Carrier", "On"}, 0x05},
        {{"No", "Low", "Narrow", "DT/DQT", "Off"}, 0x02},
        {{"no", "high", "wide", "off", "on"}, 0x11},  // texts compare exactly
    };
    for (const Case& c : cases) {
        RadioImage image = NewDocumentImage();
        ChannelPageValues page;
        page.cells.setText(kRow, kColReceive, "145.00000");
        for (int k = 0; k < 5; ++k)
            page.cells.setText(kRow, kColScan + k, c.flags[k]);
        StoreToImage(page, image);
        EXPECT_EQ(image[kRow * 16 + 12], c.byte) << c.flags[3];
    }
}

TEST(ChannelCodecTest, DecodesToneWordsByTheirHighByte)
{
    struct Case {
        std::uint8_t low, high;
        const char* text;
    };
    const Case cases[] = {
        {0x9E, 0x02, "67.0"}, {0xED, 0x09, "254.1"}, {0x00, 0x00, ""},     {0x12, 0xFF, ""},
        {0xEC, 0x29, "D754N"}, {0x13, 0xA8, "D023I"}, {0x13, 0x31, "D423I"}, {0x13, 0x10, "D023N"},
        {0x13, 0x30, "D023I"}, {0x13, 0x2F, "D423N"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeToneWord(c.low, c.high), c.text) << int(c.low) << "/" << int(c.high);
}

TEST(ChannelCodecTest, EncodesDcsPolarityAndCaseOfTheLetters)
{
    struct Case {
        const char* text;
        std::uint8_t low, high;
    };
    const Case cases[] = {
        {"D023N", 0x13, 0x28}, {"D754I", 0xEC, 0xA9}, {"D023", 0x13, 0xA8}, {"d023n", 0x13, 0x28},
        {"d754i", 0xEC, 0xA9}, {"D023n", 0x13, 0x28}, {"OFF", 0xFF, 0xFF}, {"", 0xFF, 0xFF},
        {"Off", 0xFF, 0xFF},   {"67.0", 0x9E, 0x02},  {"DX", 0x00, 0xA8},
    };
    for (const Case& c : cases) {
        std::uint8_t low = 0, high = 0;
        EncodeToneText(c.text, low, high);
        EXPECT_EQ(low, c.low) << c.text;
        EXPECT_EQ(high, c.high) << c.text;
    }
}

TEST(ChannelCodecTest, EveryToneTableEntryComesBackAsItself)
{
    const std::vector<std::string>& table = ToneTable();
    for (std::size_t k = 0; k < table.size(); ++k) {
        std::uint8_t low = 0, high = 0;
        EncodeToneText(table[k], low, high);
        EXPECT_EQ(DecodeToneWord(low, high), k == 0 ? std::string() : table[k]) << table[k];
    }
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

    // And a sample of them through the whole page.
    ChannelPageValues page;
    RadioImage image = NewDocumentImage();
    for (std::int64_t units = 10'000'000; units <= 60'000'000; units += 625 * 997) {
        const std::string text = FormatFrequency(units);
        page.cells.setText(kRow, kColTransmit, text);
        StoreToImage(page, image);
        FillFromImage(image, page);
        ASSERT_EQ(page.cells.text(kRow, kColTransmit), text);
    }

    page.cells.setText(kRow, kColReceive, "256.02000");
    StoreToImage(page, image);
    EXPECT_EQ(Record(image, kRow)[0], 0x00);
    EXPECT_EQ(Record(image, kRow)[1], 0x20);
    EXPECT_EQ(Record(image, kRow)[2], 0x60);
    EXPECT_EQ(Record(image, kRow)[3], 0x25);
}

TEST(ChannelCodecTest, NonFrequencyTextsStoreAsAbsent)
{
    for (const char* text : {"0", "", "abc", "-145", "1000"}) {
        ChannelPageValues page;
        page.cells.setText(kRow, kColReceive, text);
        RadioImage image = NewDocumentImage();
        StoreToImage(page, image);
        EXPECT_EQ(Record(image, kRow)[3], 0xFF) << text;
        EXPECT_EQ(Record(image, kRow)[0], 0xFF) << text;
    }
}

TEST(ChannelCodecTest, BandAndTypeSelectionsFollowTheirBytes)
{
    RadioImage image = NewDocumentImage();
    const std::uint8_t band0[8] = {0x00, 0x00, 0x40, 0x17, 0x00, 0x00, 0x60, 0x13};
    std::copy(band0, band0 + 8, image.bytes.begin() + 0x220);
    EXPECT_EQ(Filled(image).bandIndex, 0);
    EXPECT_EQ(Filled(image).typeIndex, 0);
    for (std::size_t k = 0; k < 8; ++k) {
        RadioImage changed = image;
        changed[0x220 + k] ^= 0x01;
        EXPECT_EQ(Filled(changed).bandIndex, 4) << k;
    }
    image[0x22C] = 0x05;
    EXPECT_EQ(Filled(image).typeIndex, 1);
    image[0x22C] = 0x00;
    EXPECT_EQ(Filled(image).typeIndex, 1);

    struct Case {
        int band, type;
        std::vector<std::uint8_t> limits;
        std::uint8_t typeByte;
    };
    const Case cases[] = {
        {1, 0, {0x00, 0x00, 0x00, 0x28, 0x00, 0x00, 0x00, 0x22}, 0xFF},
        {3, 1, {0x00, 0x00, 0x20, 0x51, 0x00, 0x00, 0x00, 0x47}, 0x05},
        {4, -1, {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF}, 0x05},
        {-1, 0, {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF}, 0xFF},
    };
    for (const Case& c : cases) {
        ChannelPageValues page;
        page.bandIndex = c.band;
        page.typeIndex = c.type;
        RadioImage stored = NewDocumentImage();
        StoreToImage(page, stored);
        EXPECT_EQ(std::vector<std::uint8_t>(stored.bytes.begin() + 0x220, stored.bytes.begin() + 0x228), c.limits)
            << c.band;
        EXPECT_EQ(stored[0x22C], c.typeByte) << c.type;
        EXPECT_EQ(stored[0x228], 0xFF);  // kept
    }
}

TEST(ToneTableTest, HoldsTheListInItsOrderAndFindsAnyCase)
{
    const std::vector<std::string>& table = ToneTable();
    ASSERT_EQ(table.size(), 261u);
    EXPECT_EQ(table[0], "OFF");
    EXPECT_EQ(table[1], "67.0");
    EXPECT_EQ(table[50], "254.1");
    EXPECT_EQ(table[51], "D023N");
    EXPECT_EQ(table[155], "D754N");
    EXPECT_EQ(table[156], "D023I");
    EXPECT_EQ(table[260], "D754I");
    EXPECT_EQ(FindTone("d023n"), 51);
    EXPECT_EQ(FindTone("off"), 0);
    EXPECT_EQ(FindTone("12.3"), -1);
    EXPECT_EQ(FindTone("D023N "), -1);
}

}  // namespace
}  // namespace zem
