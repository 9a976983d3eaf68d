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
