#include "document/share_link.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

TEST(ShareLinkTest, EncodesTheImageInTheFragment)
{
    RadioImage erased;  // every byte 0xFF
    RadioImage stirred;
    for (std::size_t i = 0; i < kImageSize; ++i)
        stirred[i] = static_cast<std::uint8_t>(i * 37 + (i >> 3));
    stirred[0] = 'M', stirred[1] = 'a', stirred[2] = 'n';
    const std::string erasedTail = std::string(1364, '_') + "_w";
    const struct {
        const RadioImage& image;
        std::string base, starts, ends;
    } cases[] = {
        {erased, "https://club.example/radio/", "https://club.example/radio/#plan=____", erasedTail},
        {erased, "https://club.example/radio/#plan=old", "https://club.example/radio/#plan=____", erasedTail},
        {stirred, "", "#plan=TWFu", ""},
    };
    for (const auto& c : cases) {
        const std::string link = ShareLink(c.image, c.base);
        EXPECT_EQ(link.substr(0, c.starts.size()), c.starts) << c.base;
        EXPECT_EQ(link.substr(link.size() - c.ends.size()), c.ends) << c.base;
        EXPECT_EQ(link.size(), link.find('#') + 6 + 1366) << c.base;
        EXPECT_TRUE(ImageOfShareLink(link) == c.image) << c.base;
    }
    EXPECT_EQ(ShareLink(erased).rfind(kShareBaseUrl, 0), 0u);
}

TEST(ShareLinkTest, RefusesLinksThatHoldNoWholePlan)
{
    const std::string good = ShareLink(RadioImage(), "https://club.example/");
    const std::string payload = good.substr(good.find('#') + 6);
    std::string standard = good;
    standard[40] = '+';
    std::string spare = good;
    spare.back() = 'x';  // spare bits set: the last byte would read the same
    const struct {
        std::string link;
        bool taken;
    } cases[] = {
        {good, true},
        {"plan=" + payload, true},
        {good.substr(0, good.size() - 1), false},
        {good.substr(0, good.size() - 4), false},
        {good + "A", false},
        {good + "==", false},
        {standard, false},
        {spare, false},
        {"https://club.example/#plan=", false},
        {"https://club.example/", false},
        {"https://club.example/#other=" + payload, false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImageOfShareLink(c.link).has_value(), c.taken) << c.link.substr(0, 60) << "..." << c.link.size();
}

}  // namespace
}  // namespace zem
