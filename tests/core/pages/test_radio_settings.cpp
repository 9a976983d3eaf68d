#include "pages/radio_settings.h"

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
        for (const SettingSpec& spec : PageSettings(page)) {
            EXPECT_TRUE(keys.insert(spec.key).second && FindSetting(spec.key) == &spec) << spec.key;
            for (std::size_t at = spec.offset; at < spec.offset + spec.length; ++at) {
                EXPECT_EQ(taken[at] & spec.mask, 0) << spec.key;
                taken[at] |= spec.mask;
            }
        }
    }
    const std::pair<std::size_t, std::uint8_t> bits[] = {{0x12F, 0x00}, {0x130, 0x7F}, {0x131, 0xC7}, {0x132, 0xE0},
                                                         {0x133, 0x0F}, {0x13A, 0xFF}, {0x13D, 0xFF}, {0x140, 0x00},
                                                         {0x20F, 0x00}, {0x21F, 0xFF}, {0x220, 0x00}};
    for (const auto& [offset, mask] : bits)
        EXPECT_EQ(SettingBits(offset), mask) << std::hex << offset;
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
        const SettingSpec& spec = *FindSetting(key);
        EXPECT_EQ(SetFromControl(spec, value, options, keys), accepted) << key << " " << value;
        EXPECT_NE(SettingValuesJson(spec.page, options, keys).find(json), std::string::npos) << key << " " << value;
    }
    EXPECT_NE(SettingsDescriptionJson().find("{\"key\":\"whisper_level\",\"page\":\"options\",\"kind\":\"choice\","
                                             "\"label\":\"Whisper level\",\"caption\":\"Whisper  \","
                                             "\"group\":\"Whisper  Function\",\"column\":0,"),
              std::string::npos);
}

}  // namespace
}  // namespace zem
