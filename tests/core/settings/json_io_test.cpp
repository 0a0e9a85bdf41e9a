#include <gtest/gtest.h>

#include <string>

#include "core/settings/json_io.h"

namespace tessalin {
namespace {

TEST(Json, RefusesWhatIsNotStrictJsonWithItsPlace) {
    const struct {
        std::string text;
        const char* fault;  // the start of the error: its place, and for our own checks the reason
    } cases[] = {
        {"", "line 1, column 1: "},
        {"[1,]", "line 1, column 4: "},
        {"{\"a\": 1,}", "line 1, column 9: "},
        {"[01]", "line 1, column 3: "},
        {"// note\n{}", "line 1, column 1: "},
        {"{} {}", "line 1, column 4: "},
        {"[\"a\nb\"]", "line 1, column 4: "},
        {"[\"\xc3\"]", "line 1, column 4: "},
        {"[\"\xed\xa0\x80\"]", "line 1, column 4: "},
        {"{\n  \"a\": [1,\n  \u00e9]}", "line 3, column 3: "},
        {"{\"a\": 1,\n \"a\": 2}", "line 2, column 2: the member \"a\" appears twice"},
        {"[{\"b\": {}, \"q\\\"\\\\\": 1, \"q\\\"\\\\\": 2}]", "line 1, column 24: the member \"q\"\\\" appears twice"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseJson(c.text, error)) << c.text;
        EXPECT_EQ(error.rfind(c.fault, 0), 0u) << c.text << " -> " << error;
    }
}

TEST(Json, MemberNamesAreUniquePerObjectOnly) {
    std::string error;
    const auto doc = ParseJson("{\"a\": {\"a\": 1, \"b\": [{\"a\": 2}, {\"a\": 3}]}, \"b\": {\"a\": 4}}", error);
    ASSERT_TRUE(doc) << error;
    EXPECT_EQ((*doc)["a"]["b"][1]["a"], 3);
    EXPECT_EQ((*doc)["b"]["a"], 4);
}

TEST(Json, NestingIsBounded) {
    std::string error;
    const std::string deepest = std::string(kJsonMaxDepth - 1, '[') + "{}" + std::string(kJsonMaxDepth - 1, ']');
    EXPECT_TRUE(ParseJson(deepest, error)) << error;
    const std::string oneTooDeep = "{\"a\": " + deepest + "}";
    EXPECT_FALSE(ParseJson(oneTooDeep, error));
    EXPECT_EQ(error, "line 1, column 38: nested deeper than 32 levels");
    // Far deeper than any stack would take if each level were kept without a limit.
    const std::string tooDeep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_FALSE(ParseJson(tooDeep, error));
    EXPECT_EQ(error, "line 1, column 33: nested deeper than 32 levels");
}

TEST(Json, WritesOneMemberALineAndReadsItBack) {
    const nlohmann::ordered_json doc = {{"name", "pH \"7\"\t\\\x01\u00b7"},
                                        {"list", {-3, {{"ok", true}}}},
                                        {"empty", nlohmann::ordered_json::array()},
                                        {"a", nullptr}};
    const std::string text = JsonText(doc, 2);
    EXPECT_EQ(text,
              "{\n"
              "  \"name\": \"pH \\\"7\\\"\\t\\\\\\u0001\u00b7\",\n"
              "  \"list\": [\n"
              "    -3,\n"
              "    {\n"
              "      \"ok\": true\n"
              "    }\n"
              "  ],\n"
              "  \"empty\": [],\n"
              "  \"a\": null\n"
              "}");
    std::string error;
    const auto back = ParseJson(text, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(JsonText(*back, 2), text);
}

TEST(Json, CommandLineDocumentsHaveOneMemberAndOneRecordALine) {
    using Json = nlohmann::ordered_json;
    const struct {
        Json document;
        const char* text;
    } cases[] = {
        {{{"title", "Nullpunkt"}, {"rows", {{{"row", 1}, {"items", {{{"code", 0}}}}}, {{"row", 2}}}}, {"error", ""}},
         "{\n  \"title\": \"Nullpunkt\",\n  \"rows\": [\n    {\"row\": 1, \"items\": [{\"code\": 0}]},\n"
         "    {\"row\": 2}\n  ],\n  \"error\": \"\"\n}\n"},
        {Json::array({{{"path", "0"}, {"entry", nullptr}}, {{"path", "0/1"}, {"entry", 3}}}),
         "[\n  {\"path\": \"0\", \"entry\": null},\n  {\"path\": \"0/1\", \"entry\": 3}\n]\n"},
        {{{"slots", {4, 0, 0}}, {"hardware", Json::array()}, {"cells", {{1, 2}, {0, 1}}}},
         "{\n  \"slots\": [4, 0, 0],\n  \"hardware\": [],\n  \"cells\": [\n    [1, 2],\n    [0, 1]\n  ]\n}\n"},
        {Json::array(), "[]\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonLines(c.document), c.text);
        std::string error;
        const auto back = ParseJson(JsonLines(c.document), error);
        ASSERT_TRUE(back) << error;
        EXPECT_EQ(*back, c.document);
    }
}

TEST(Json, TextThatIsNotUtf8IsWrittenAsReplacementCharacters) {
    EXPECT_EQ(JsonText(std::string("a\xc3(\xff")), "\"a\uFFFD(\uFFFD\"");
    EXPECT_EQ(JsonText(std::string("\u00e9\U0001F600")), "\"\u00e9\U0001F600\"");
}

}  // namespace
}  // namespace tessalin
