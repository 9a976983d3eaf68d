// What the core encodes for others to read: the report's plan digest
// against the published SHA-256 test vectors (the empty message, one block,
// the length field spilling into a second block, several blocks, and a long
// message), JSON for zemtool and the browser edition, and a share link.
#include "document/json_writer.h"
#include "document/sha256.h"
#include "document/share_link.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace zem {
namespace {

TEST(Sha256, KnownVectors) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrs"
         "tu",
         "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& [message, digest] : cases) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(message.data());
        EXPECT_EQ(Sha256Hex(bytes, message.size()), digest) << message.size() << " bytes";
    }
}

TEST(Json, EscapesStringsAndPassesUtf8Through) {
    EXPECT_EQ(JsonString("3.5 "), "\"3.5 \"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("x\ny\t\x01"), "\"x\\ny\\t\\u0001\"");
    EXPECT_EQ(JsonString("Error Data Format\xEF\xBC\x8C"), "\"Error Data Format\xEF\xBC\x8C\"");
}

TEST(Json, WritesAMessageAsItsTreeOfSourcesAndValues) {
    const Text reason(kTextLink, "Not received enough byte");
    const Text message(kTextFile, "Cannot open \"%1\": %2", {std::string("a \"b\".Zem"), reason});
    EXPECT_EQ(TextJson(message), "{\"c\":\"zem::File\",\"s\":\"Cannot open \\\"%1\\\": %2\",\"a\":[\"a \\\"b\\\".Zem\","
                                 "{\"c\":\"zem::Link\",\"s\":\"Not received enough byte\"}]}");
    EXPECT_EQ(TextJson(Text("plain\nvalue")), "\"plain\\nvalue\"");
}

TEST(Json, WritesNestedContainersWithCommasInPlace) {
    JsonWriter json;
    json.beginObject();
    json.key("a").value(1);
    json.key("b").beginArray().value(true).value("x").endArray();
    json.key("c").beginObject().endObject();
    json.key("d").beginArray().endArray();
    json.endObject();
    EXPECT_EQ(json.text(),
              "{\n  \"a\": 1,\n  \"b\": [\n    true,\n    \"x\"\n  ],\n  \"c\": {},\n  \"d\": []\n}\n");
}

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
