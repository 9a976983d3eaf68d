#include "pages/radio_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zem {
namespace {

TEST(RadioSettingsTest, KeysAreUniqueAndEachSettingKeepsItsOwnBits)
{
    std::set<std::string> keys;
    for (SettingPage page : {SettingPage::Options, SettingPage::Keys}) {
        std::map<std::size_t, std::uint8_t> taken;
        for (const SettingSpec& spec : PageSettings(page)) {
            EXPECT_TRUE(keys.insert(spec.key).second) << spec.key;
            EXPECT_EQ(FindSetting(spec.key), &spec);
            EXPECT_EQ(spec.kind == SettingKind::Choice, spec.entries != nullptr) << spec.key;
            for (std::size_t i = 0; i < spec.length; ++i) {
                EXPECT_EQ(taken[spec.offset + i] & spec.mask, 0) << spec.key << " shares bits";
                taken[spec.offset + i] |= spec.mask;
            }
        }
    }
    EXPECT_EQ(FindSetting("Scan Mode"), nullptr);
}

TEST(RadioSettingsTest, BitsNoSettingKeepsAndThePageOfEachByte)
{
    // Offset, bits some setting keeps, page (-1 for none).
    const std::tuple<std::size_t, std::uint8_t, int> cases[] = {
        {0x12F, 0x00, -1}, {0x130, 0x7F, 0}, {0x131, 0xC7, 0}, {0x132, 0xE0, 0}, {0x133, 0x0F, 0},
        {0x134, 0xFF, 0},  {0x13A, 0xFF, 1}, {0x13C, 0xFF, 0}, {0x13D, 0xFF, 1}, {0x13F, 0xFF, 1},
        {0x140, 0x00, -1}, {0x20F, 0x00, -1}, {0x210, 0xFF, 0}, {0x21F, 0xFF, 0}, {0x220, 0x00, -1},
    };
    for (const auto& [offset, bits, page] : cases) {
        EXPECT_EQ(SettingBits(offset), bits) << std::hex << offset;
        SettingPage found = SettingPage::Options;
        const bool used = SettingPageOf(offset, found);
        EXPECT_EQ(used ? static_cast<int>(found) : -1, page) << std::hex << offset;
    }
}

TEST(RadioSettingsTest, ControlsSetValuesWithTheFirmwaresFixedPicks)
{
    // Key, what the control gives, accepted, the value's JSON afterwards.
    const std::tuple<const char*, const char*, bool, const char*> cases[] = {
        {"squelch_level", "9", true, "\"squelch_level\":4"},
        {"dtmf_speed", "0", true, "\"dtmf_speed\":2"},
        {"scan_mode", "1", true, "\"scan_mode\":1"},
        {"scan_mode", "2", false, "\"scan_mode\":0"},
        {"receive_recovery", "-1", false, "\"receive_recovery\":0"},
        {"receive_recovery", "x", false, "\"receive_recovery\":0"},
        {"vox_enable", "1", true, "\"vox_enable\":true"},
        {"ptt_id_end", "1234567890", true, "\"ptt_id_end\":\"12345678\""},
        {"top_long", "9", true, "\"top_long\":9"},
        {"top_short", "8", false, "\"top_short\":0"},
    };
    for (const auto& [key, value, accepted, json] : cases) {
        OptionValues options;
        KeyValues keys;
        const SettingSpec& spec = *FindSetting(key);
        EXPECT_EQ(SetFromControl(spec, value, options, keys), accepted) << key << " " << value;
        EXPECT_NE(SettingValuesJson(spec.page, options, keys).find(json), std::string::npos) << key << " " << value;
    }
    const std::string description = SettingsDescriptionJson();
    EXPECT_NE(description.find("{\"key\":\"whisper_level\",\"page\":\"options\",\"kind\":\"choice\","
                               "\"label\":\"Whisper level\",\"caption\":\"Whisper  \",\"group\":\"Whisper  Function\","
                               "\"column\":0,"),
              std::string::npos);
    EXPECT_NE(description.find("\"entries\":[\"0.5\",\"1.0\",\"1.5\",\"2.0\",\"2.5\"]"), std::string::npos);
}

}  // namespace
}  // namespace zem
