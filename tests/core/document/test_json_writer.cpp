#include "document/json_writer.h"

#include <gtest/gtest.h>

namespace zem {
namespace {

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

}  // namespace
}  // namespace zem
