#include "pages/key_values.h"
#include "pages/option_values.h"
#include "pages/radio_settings.h"

#include "core/channels/channel_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace zem {
namespace {

using test::Bytes;
using test::BytesAt;
using test::RecordingMessenger;

OptionValues Filled(const RadioImage& image)
{
    OptionValues values;
    FillFromImage(image, values);
    return values;
}

TEST(OptionStoreTest, WritesBitsAndKeepsWhatThePageDoesNotOwn)
{
    RadioImage image = NewDocumentImage();
    // Bits 5-3 of 0x131 and 4-0 of 0x132 belong to nobody on this page.
    test::Put(image, 0x130, {0x4A, 0x38, 0x1F, 0x3B});
    const RadioImage before = image;
    RecordingMessenger messenger;
    StoreToImage(Filled(image), image, messenger);
    EXPECT_TRUE(messenger.empty());
    EXPECT_EQ(BytesAt(image, 0x130, 4), (Bytes{0xCA, 0x38, 0x1F, 0x0B}));
    for (std::size_t offset = 0; offset < kImageSize; ++offset) {
        if (offset < 0x130 || (offset > 0x13C && offset < 0x210) || offset > 0x21F || offset == 0x13A) {
            ASSERT_EQ(image[offset], before[offset]) << std::hex << offset;
        }
    }

    OptionValues all = Filled(NewDocumentImage());
    all.voxEnable = all.compandExpand = all.scramble = all.whisperEnable = true;
    all.pttIdStartEnable = all.pttIdEndEnable = all.dtmfSideTone = true;
    all.wiredCloneMode = all.alarmEnable = all.saveEnergy = all.energyCheck = false;
    all.voiceBeepTone = 3;
    all.lockDetect = all.scanMode = all.dtmfSpeed = 0;
    all.receiveRecovery = 129;
    RadioImage stored = NewDocumentImage();
    StoreToImage(all, stored, messenger);
    EXPECT_EQ(BytesAt(stored, 0x130, 4), (Bytes{0xB7, 0xB8, 0xE0, 0x04}));
    EXPECT_EQ(stored[0x138], 129);
    EXPECT_EQ(Filled(stored), all);
}

TEST(OptionStoreTest, PttIdCodesAreCheckedAndPadded)
{
    const std::string bad = kMsgPttIdNotCorrect;
    const std::string shortCode = kMsgPttIdTooShort;
    // Start code, end code, bytes 0x210-0x21F, messages said.
    const std::tuple<const char*, const char*, Bytes, std::vector<std::string>> cases[] = {
        {"123", "12345678", {1, 2, 3, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, {shortCode}},
        {"12x4", "12345678", {1, 2, 0, 4, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, {bad, shortCode}},
        {"1x3y5678", "12345678", {1, 0, 3, 0, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8}, {bad}},
        {"12345678", "", {1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0}, {shortCode}},
        {"1A:F", "9\xC3\xA9", {1, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0}, {bad, shortCode, bad, shortCode}},
        {"1234567890", "87654321", {1, 2, 3, 4, 5, 6, 7, 8, 8, 7, 6, 5, 4, 3, 2, 1}, {}},
        // One typed character is one code byte, however many bytes its UTF-8 takes.
        {"1\xC3\xA9" "345678", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9" "1234",
         {1, 0, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 1, 2, 3, 4}, {bad, bad}},
        {"\xE2\x82\xAC" "2\xF0\x9F\x93\xBB" "45678", "1\xE2\x82\xAC\xE2\x82\xAC",
         {0, 2, 0, 4, 5, 6, 7, 8, 1, 0, 0, 0, 0, 0, 0, 0}, {bad, bad, shortCode}},
        // A stray or cut-off byte is one character of its own.
        {"1\x80" "345678", "1234567\xC3", {1, 0, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7, 0}, {bad, bad}},
    };
    for (const auto& [start, end, bytes, messages] : cases) {
        RadioImage image = NewDocumentImage();
        image[0x220] = 0x5A;  // the byte after the end code
        OptionValues values = Filled(image);
        values.pttIdStart = start;
        values.pttIdEnd = end;
        RecordingMessenger messenger;
        StoreToImage(values, image, messenger);
        EXPECT_EQ(BytesAt(image, 0x210, 16), bytes) << start << " / " << end;
        EXPECT_EQ(messenger.texts(), messages) << start << " / " << end;
        EXPECT_EQ(image[0x220], 0x5A);
        EXPECT_EQ(image[0x20F], 0xFF);
    }
}

TEST(OptionFillTest, PttIdDigitsReadBackAsThemselvesAndBytesAboveNineAsAPlaceholderTheStoreRefuses)
{
    RadioImage image = NewDocumentImage();
    test::Put(image, 0x210, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 0xFF, 0xFF, 0xFF, 0xFF});
    const OptionValues values = Filled(image);
    EXPECT_EQ(values.pttIdStart, "01234567");
    EXPECT_EQ(values.pttIdEnd, "89??????");

    RecordingMessenger messenger;
    StoreToImage(values, image, messenger);
    EXPECT_EQ(messenger.texts(), (std::vector<std::string>{kMsgPttIdNotCorrect}));
    EXPECT_EQ(BytesAt(image, 0x210, 16), (Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 0, 0, 0}));
}

TEST(OptionDefaultsTest, WritesTheFactoryBytesOnlyPicksAreSetBackAndNoSelectionKeepsBytes)
{
    RadioImage image;
    image[0x13A] = 0x77;
    ApplyOptionDefaults(image);
    EXPECT_EQ(BytesAt(image, 0x130, 16), (Bytes{0xCA, 0x7F, 0x00, 0x02, 0x05, 0x02, 0x02, 0x04,
                                                                   0x06, 0x06, 0x77, 0x00, 0x00, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(BytesAt(image, 0x210, 16), BytesAt(NewDocumentImage(), 0x210, 16));

    // A pick in either firmware-fixed list goes back, and is what gets stored.
    OptionValues values = Filled(image);
    values.squelchLevel = AfterPick(*FindSetting("squelch_level"), 9);
    values.dtmfSpeed = AfterPick(*FindSetting("dtmf_speed"), 0);
    RecordingMessenger messenger;
    StoreToImage(values, image, messenger);
    EXPECT_EQ(image[0x134], 4);
    EXPECT_EQ(image[0x133], 6);

    // Lists without a selection keep their bytes.
    const RadioImage before = image;
    values.squelchLevel = values.voiceBeepTone = -1;
    values.timeOutTimer = 11;
    values.dtmfSpeed = 12;
    StoreToImage(values, image, messenger);
    EXPECT_EQ(BytesAt(image, 0x133, 5), BytesAt(before, 0x133, 5));
    EXPECT_EQ(image[0x130] & 0x03, before[0x130] & 0x03);
}

TEST(KeyDefaultsTest, SurviveAStoreAndLeaveOptionBytes)
{
    RadioImage image;
    ApplyKeyDefaults(image);
    KeyValues values;
    FillFromImage(image, values);
    StoreToImage(values, image);
    RadioImage expected;
    for (const auto& [offset, byte] : {std::pair{0x13A, 0x01}, {0x13D, 0x91}, {0x13E, 0x33}, {0x13F, 0x46}})
        expected[offset] = static_cast<std::uint8_t>(byte);
    EXPECT_EQ(image, expected);
}

// No two settings share a key or a bit; the bits no setting keeps are what
// the diff lists as bytes.
TEST(RadioSettingsTest, KeysAndBitsAreEachSettingsOwn)
{
    std::set<std::string> keys;
    std::uint8_t taken[kImageSize] = {};
    for (SettingPage page : {SettingPage::Options, SettingPage::Keys}) {
        for (const SettingEntry& setting : PageSettings(page)) {
            EXPECT_TRUE(keys.insert(setting.key).second && FindSetting(setting.key) == &setting) << setting.key;
            for (std::size_t at = setting.offset; at < setting.offset + setting.length; ++at) {
                EXPECT_EQ(taken[at] & setting.mask, 0) << setting.key;
                taken[at] |= setting.mask;
            }
        }
    }
    const std::pair<std::size_t, std::uint8_t> bits[] = {{0x12F, 0x00}, {0x130, 0x7F}, {0x131, 0xC7}, {0x132, 0xE0},
                                                         {0x133, 0x0F}, {0x13A, 0xFF}, {0x13D, 0xFF}, {0x140, 0x00},
                                                         {0x20F, 0x00}, {0x21F, 0xFF}, {0x220, 0x00}};
    for (const auto& [offset, mask] : bits)
        EXPECT_EQ(SettingBits(offset), mask) << std::hex << offset;
}

// A byte the radio holds outside a list shows a fixed entry, which a store
// then writes: option lists and key nibbles alike.
TEST(RadioSettingsTest, OutOfRangeBytesShowTheirFallBackAndStoreIt)
{
    // Byte, as read, the setting, the entry shown, the byte after fill and store.
    const std::tuple<std::size_t, std::uint8_t, const char*, int, std::uint8_t> cases[] = {
        {0x13B, 21, "first_digit_time", 0, 0x00},       {0x135, 0x04, "vox_level", 2, 0x03},
        {0x136, 0x00, "whisper_level", 2, 0x03},        {0x133, 0x3B, "dtmf_speed", 7, 0x0B},
        {0x133, 0x13, "dtmf_speed", 2, 0x06},           {0x138, 0xFF, "receive_recovery", 128, 0x80},
        {0x139, 130, "transmission_recovery", 0, 0x00},
        // Every recovery entry shows as itself, "Scan Pause" (129) included.
        {0x138, 0x81, "receive_recovery", 129, 0x81},   {0x139, 0x81, "transmission_recovery", 129, 0x81},
        {0x139, 128, "transmission_recovery", 128, 0x80},
        {0x13A, 0x05, "long_press_duration", 0, 0x00},  {0x13A, 0x04, "long_press_duration", 4, 0x04},
        {0x13F, 0xA6, "top_short", 6, 0x06},            {0x13F, 0xA6, "top_long", 0, 0x06},
        {0x13E, 0x38, "middle_short", 0, 0x30},         {0x13D, 0xFF, "bottom_long", 0, 0x00},
        {0x13D, 0x97, "bottom_long", 9, 0x97},
    };
    for (const auto& [offset, read, key, entry, written] : cases) {
        RadioImage image = NewDocumentImage();
        image[offset] = read;
        OptionValues options;
        KeyValues keys;
        FillFromImage(image, options);
        FillFromImage(image, keys);
        EXPECT_EQ(IndexIn(*FindSetting(key), options, keys), entry) << key << " " << int(read);
        RecordingMessenger messenger;
        StoreToImage(options, image, messenger);
        StoreToImage(keys, image);
        EXPECT_EQ(image[offset], written) << key << " " << int(read);
    }
}

TEST(RadioSettingsTest, ControlsSetValuesWithTheFirmwaresFixedPicks)
{
    // Key, what the control gives, accepted, the value's JSON afterwards.
    const std::tuple<const char*, const char*, bool, const char*> cases[] = {
        {"squelch_level", "9", true, "\"squelch_level\":4"}, {"dtmf_speed", "0", true, "\"dtmf_speed\":2"},
        {"scan_mode", "2", false, "\"scan_mode\":0"},        {"receive_recovery", "x", false, "\"receive_recovery\":0"},
        {"vox_enable", "1", true, "\"vox_enable\":true"},    {"ptt_id_end", "123456789", true, "\"ptt_id_end\":\"12345678\""},
        {"top_long", "9", true, "\"top_long\":9"},           {"top_short", "8", false, "\"top_short\":0"},
    };
    for (const auto& [key, value, accepted, json] : cases) {
        OptionValues options;
        KeyValues keys;
        const SettingEntry& setting = *FindSetting(key);
        EXPECT_EQ(SetFromControl(setting, value, options, keys), accepted) << key << " " << value;
        EXPECT_NE(SettingValuesJson(setting.page, options, keys).find(json), std::string::npos) << key << " " << value;
    }
}

}  // namespace
}  // namespace zem
