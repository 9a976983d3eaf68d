#include "pages/key_values.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

KeyValues Filled(const RadioImage& image)
{
    KeyValues values;
    FillFromImage(image, values);
    return values;
}

TEST(KeyValuesTest, OutOfRangeNibblesShowOffAndStoreAsZero)
{
    // Byte as read, byte written back by fill then store.
    const std::tuple<std::size_t, std::uint8_t, std::uint8_t> cases[] = {
        {0x13A, 0x05, 0x00}, {0x13A, 0x04, 0x04}, {0x13F, 0xA6, 0x06},
        {0x13E, 0x38, 0x30}, {0x13D, 0xFF, 0x00}, {0x13D, 0x97, 0x97},
    };
    for (const auto& [offset, read, written] : cases) {
        RadioImage image = NewDocumentImage();
        image[offset] = read;
        StoreToImage(Filled(image), image);
        EXPECT_EQ(image[offset], written) << std::hex << offset << " = " << int(read);
    }
    RadioImage image = NewDocumentImage();
    image[0x13F] = 0xA6;
    EXPECT_EQ(KeyEntries::shortPress()[Filled(image).topShort], "Power");
}

TEST(KeyValuesTest, DefaultsSurviveAStoreAndLeaveOptionBytes)
{
    RadioImage image;
    ApplyKeyDefaults(image);
    const KeyValues values = Filled(image);
    EXPECT_EQ(KeyEntries::longPress()[values.bottomLong], "Energy Check");
    EXPECT_EQ(KeyEntries::longPress()[values.topLong], "Alarm");
    StoreToImage(values, image);
    RadioImage expected;
    expected[0x13A] = 0x01;
    expected[0x13D] = 0x91;
    expected[0x13E] = 0x33;
    expected[0x13F] = 0x46;
    EXPECT_EQ(image, expected);
}

}  // namespace
}  // namespace zem
