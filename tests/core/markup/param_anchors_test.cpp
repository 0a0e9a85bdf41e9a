#include <gtest/gtest.h>

#include "core/markup/param_anchors.h"

namespace tessalin {
namespace {

TEST(ParamAnchorsTest, EscapingRoundTripsAndAmpersandGoesFirst) {
    EXPECT_EQ(EscapeParamValue("a<b"), "a&lt;b");
    EXPECT_EQ(EscapeParamValue("R&D \"x\" >"), "R&amp;D &quot;x&quot; &gt;");
    // "&lt;" typed by the user must survive as text, not turn into "<".
    EXPECT_EQ(UnescapeParamValue(EscapeParamValue("&lt; & <")), "&lt; & <");
    EXPECT_EQ(ParamChoices("a&lt;b|c&amp;d||e|", false), (std::vector<std::string>{"a<b", "c&d", "", "e"}));
    EXPECT_EQ(ParamChoices("b|c|a", true), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(MenuCaptionValue("&Ein&&"), "Ein");
}

TEST(ParamAnchorsTest, ToggleAndEmptyValues) {
    EXPECT_EQ(ToggledValue("ein|aus", "aus"), "ein");
    EXPECT_EQ(ToggledValue("ein|aus", "ein"), "aus");
    EXPECT_EQ(ToggledValue("ein", "ein"), std::nullopt);
    EXPECT_EQ(EditorStartValue("?", "?"), "");
    EXPECT_EQ(EditorStartValue("12", "?"), "12");
    // A value written escaped comes back as typed, so a second edit does not escape it again.
    EXPECT_EQ(EditorStartValue(EscapeParamValue("a<b & \"c\""), "?"), "a<b & \"c\"");
    EXPECT_EQ(DeliveredValue("", "?"), "?");
    EXPECT_EQ(DeliveredValue("x", "?"), "x");
}

TEST(ParamAnchorsTest, WritingReportsOldAndNewOnlyWhenChanged) {
    std::string markup = R"(Software :  <a href="sw_ver" class="MENU" props="5.x|6.x|7.x">5.x</a>)";
    ParamWrite w = WriteParamValue(markup, "sw_ver", "7.x");
    EXPECT_TRUE(w.written);
    EXPECT_TRUE(w.changed);
    EXPECT_EQ(w.oldValue, "5.x");
    EXPECT_EQ(w.newValue, "7.x");
    EXPECT_EQ(markup, R"(Software :  <a href="sw_ver" class="MENU" props="5.x|6.x|7.x">7.x</a>)");

    w = WriteParamValue(markup, "sw_ver", "7.x");
    EXPECT_TRUE(w.written);
    EXPECT_FALSE(w.changed);

    const std::string before = markup;
    w = WriteParamValue(markup, "gone", "1");
    EXPECT_FALSE(w.written);
    EXPECT_FALSE(w.changed);
    EXPECT_EQ(markup, before);
}

TEST(ParamAnchorsTest, NextParamRunsThroughAllItemsAndWraps) {
    const std::vector<std::string> items = {
        "<b>Front</b>",
        R"(<a href="one" class="EDIT">1</a> and <a href="two">2</a>)",
        "plain",
        R"(<A HREF="three" class="MENU" props="a|b">a</A>)",
    };
    EXPECT_EQ(AnchorHrefs(items[1]), (std::vector<std::string>{"one", "two"}));
    const auto place = [&](const char* href) {
        const std::optional<ParamPlace> p = NextParam(items, href);
        return p ? std::to_string(p->item) + ":" + std::to_string(p->anchor) + ":" + p->href : std::string("none");
    };
    EXPECT_EQ(place("one"), "1:1:two");
    EXPECT_EQ(place("TWO"), "3:0:three");
    EXPECT_EQ(place("three"), "1:0:one");
    EXPECT_EQ(NextParam({"no anchors"}, "x"), std::nullopt);
}

}  // namespace
}  // namespace tessalin
