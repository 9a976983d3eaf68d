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

TEST(KeyEntriesTest, LongAndShortListsNumberFunctionsDifferently)
{
    ASSERT_EQ(KeyEntries::longPress().size(), 10u);
    ASSERT_EQ(KeyEntries::shortPress().size(), 8u);
    EXPECT_EQ(KeyEntries::longPress()[2], "Monitor ");
    EXPECT_EQ(KeyEntries::longPress()[3], "Scramble");
    EXPECT_EQ(KeyEntries::shortPress()[2], "Scramble");
    EXPECT_EQ(KeyEntries::longPressDuration().back(), "2.5");
}

TEST(KeyFillTest, OutOfRangeNibblesAndDurationShowOff)
{
    struct Case {
        std::size_t offset;
        std::uint8_t byte;
        KeyValues expected;
    };
    KeyValues base = Filled(NewDocumentImage());
    auto with = [&](int KeyValues::*a, int va, int KeyValues::*b = nullptr, int vb = 0) {
        KeyValues v = base;
        v.*a = va;
        if (b)
            v.*b = vb;
        return v;
    };
    const Case cases[] = {
        {0x13A, 0x05, with(&KeyValues::longPressDuration, 0)},
        {0x13A, 0x04, with(&KeyValues::longPressDuration, 4)},
        {0x13F, 0xA6, with(&KeyValues::topLong, 0, &KeyValues::topShort, 6)},
        {0x13E, 0x38, with(&KeyValues::middleLong, 3, &KeyValues::middleShort, 0)},
        {0x13D, 0xFF, with(&KeyValues::bottomLong, 0, &KeyValues::bottomShort, 0)},
        {0x13D, 0x97, with(&KeyValues::bottomLong, 9, &KeyValues::bottomShort, 7)},
    };
    for (const Case& c : cases) {
        RadioImage image = NewDocumentImage();
        image[c.offset] = c.byte;
        EXPECT_EQ(Filled(image), c.expected) << std::hex << c.offset << " = " << int(c.byte);
    }
}

TEST(KeyStoreTest, WritesNibblesAndDefaultsSurviveAStore)
{
    RadioImage image = NewDocumentImage();
    image[0x13D] = 0xFF;
    KeyValues values = Filled(image);
    values.topLong = 9;
    values.topShort = 7;
    StoreToImage(values, image);
    EXPECT_EQ(image[0x13D], 0x00);
    EXPECT_EQ(image[0x13F], 0x97);

    RadioImage defaults;
    ApplyKeyDefaults(defaults);
    const RadioImage beforeStore = defaults;
    StoreToImage(Filled(defaults), defaults);
    EXPECT_EQ(defaults, beforeStore);
    EXPECT_EQ(defaults[0x13A], 0x01);
    EXPECT_EQ(defaults[0x13D], 0x91);
    EXPECT_EQ(defaults[0x13E], 0x33);
    EXPECT_EQ(defaults[0x13F], 0x46);
    EXPECT_EQ(defaults[0x130], 0xFF);  // option bytes are not the key page's
}

}  // namespace
}  // namespace zem
