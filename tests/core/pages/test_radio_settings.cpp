#include "pages/radio_settings.h"

#include "messenger.h"

#include <gtest/gtest.h>

#include <set>

namespace zem {
namespace {

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
        SilentMessenger silent;
        StoreToImage(options, image, silent);
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
