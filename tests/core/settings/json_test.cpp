#include <gtest/gtest.h>

#include <string>

#include "core/settings/json.h"

namespace tessalin {
namespace {

TEST(Json, ReadsEveryKindOfValue) {
    std::string error;
    const auto doc = ParseJson(
        " {\"a\": [1, -0.5e+3, true, false, null, {}], \"s\": \"q\\\"\\\\\\/\\b\\f\\n\\r\\t\\u00e9\\ud83d\\ude00\", "
        "\"\u00fc\": \"\u00b7\"}\n",
        error);
    ASSERT_TRUE(doc) << error;
    ASSERT_TRUE(doc->isObject());
    const JsonValue* a = doc->find("a");
    ASSERT_TRUE(a && a->isArray());
    ASSERT_EQ(a->items().size(), 6u);
    EXPECT_EQ(a->items()[0].integer(), 1);
    EXPECT_EQ(a->items()[1].text(), "-0.5e+3");
    EXPECT_FALSE(a->items()[1].integer());
    EXPECT_TRUE(a->items()[2].boolean());
    EXPECT_EQ(a->items()[4].type(), JsonValue::Type::Null);
    EXPECT_TRUE(a->items()[5].isObject());
    EXPECT_EQ(doc->find("s")->text(), "q\"\\/\b\f\n\r\t\u00e9\U0001F600");
    EXPECT_EQ(doc->find("\u00fc")->text(), "\u00b7");
}

TEST(Json, RefusesWhatIsNotStrictJsonWithItsPlace) {
    const struct {
        std::string text;
        const char* fault;
    } cases[] = {
        {"", "a value is missing"},
        {"[1,]", "a value is expected"},
        {"{\"a\": 1,}", "member name"},
        {"[01]", "leading zero"},
        {"[1.]", "decimal point"},
        {"[1e]", "exponent"},
        {"{\"a\": 1, \"a\": 2}", "appears twice"},
        {"[\"a\nb\"]", "control character"},
        {"[\"\\x\"]", "unknown escape"},
        {"[\"\\u12g4\"]", "four hexadecimal digits"},
        {"[\"\\ud800\"]", "high surrogate"},
        {"[\"\\udc00\"]", "low surrogate"},
        {"[\"\xc3\"]", "invalid UTF-8"},
        {"[\"\xc0\xaf\"]", "invalid UTF-8"},
        {"[\"\xed\xa0\x80\"]", "invalid UTF-8"},
        {"[\"abc", "not closed"},
        {"[tru]", "unknown word"},
        {"{} {}", "after the document"},
        {"{\"a\" 1}", "':' is expected"},
        {"[1 2]", "',' or ']'"},
        {"// note\n{}", "a value is expected"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseJson(c.text, error)) << c.text;
        EXPECT_NE(error.find(c.fault), std::string::npos) << c.text << " -> " << error;
    }
    std::string error;
    EXPECT_FALSE(ParseJson("{\n  \"a\": [1,\n  \u00e9]}", error));
    EXPECT_EQ(error.rfind("line 3, column 3: ", 0), 0u) << error;
}

TEST(Json, NestingIsBounded) {
    std::string error;
    const std::string deepest = std::string(kJsonMaxDepth, '[') + std::string(kJsonMaxDepth, ']');
    EXPECT_TRUE(ParseJson(deepest, error)) << error;
    // Far deeper than any stack would take if each level recursed without a limit.
    const std::string tooDeep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_FALSE(ParseJson(tooDeep, error));
    EXPECT_NE(error.find("nested deeper"), std::string::npos) << error;
}

TEST(Json, WritesOneMemberALineAndReadsItBack) {
    JsonValue doc = JsonValue::Object();
    doc.add("name", JsonValue::String("pH \"7\"\t\u00b7"));
    JsonValue& list = doc.add("list", JsonValue::Array());
    list.push(JsonValue::Number(-3));
    list.push(JsonValue::Object()).add("ok", JsonValue::Bool(true));
    doc.add("empty", JsonValue::Array());
    const std::string text = WriteJson(doc);
    EXPECT_EQ(text,
              "{\n"
              "  \"name\": \"pH \\\"7\\\"\\t\u00b7\",\n"
              "  \"list\": [\n"
              "    -3,\n"
              "    {\n"
              "      \"ok\": true\n"
              "    }\n"
              "  ],\n"
              "  \"empty\": []\n"
              "}\n");
    std::string error;
    const auto back = ParseJson(text, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(WriteJson(*back), text);
    EXPECT_EQ(JsonQuote(std::string("\x01", 1)), "\"\\u0001\"");
}

}  // namespace
}  // namespace tessalin
