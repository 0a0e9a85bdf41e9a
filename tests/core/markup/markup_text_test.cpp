#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/markup/markup_color.h"
#include "core/markup/markup_tag.h"
#include "core/markup/markup_text.h"

namespace tessalin {
namespace {

TEST(MarkupText, PrepareDecodesEarlyEntitiesUntilNoneIsLeftAndKeepsAmpersandLiteral) {
    struct Case {
        const char* markup;
        const char* prepared;
    };
    const Case cases[] = {
        {"a &amp; b", "a && b"},  // shown as "a & b"; a lone "&" would be a mnemonic
        {"a & b", "a & b"},
        {"5 &PERMIL; &sect;&reg;&copy;&para;&trade;&euro;", "5 \u2030 \u00A7\u00AE\u00A9\u00B6\u2122\u20AC"},
        {"say &quot;hi&quot;", "say \"hi\""},
        {"&amp;lt;", "&&lt;"},       // "&lt;" is left for the text pieces, where "&&" keeps it literal
        {"&amp;quot;", "\""},        // replaced until none is left
        {"&AMP;amp;amp;sect;", "\u00A7"},
        {"&amp;amp;", "&&"},
        {"&amp;&amp;copy;", "&&\u00A9"},
        {"&nbsp;&lt;", "&nbsp;&lt;"},  // left for the text pieces
        {"x<#1>y<#2>", "x#1y<#2>"},     // only the first pseudo-tag
        {"one\r\ntwo", "one<BR>two"},
        {"&unknown; &", "&unknown; &"},
    };
    for (const Case& c : cases) EXPECT_EQ(PrepareMarkup(c.markup), c.prepared) << c.markup;
}

TEST(MarkupText, PieceEntitiesLeaveDoubleAmpersandAlone) {
    EXPECT_EQ(DecodePieceEntities("a&nbsp;b &LT;c&gt;"), "a\u00A0b <c>");
    EXPECT_EQ(DecodePieceEntities("&&lt;"), "&&lt;");
}

TEST(MarkupText, PlainText) {
    EXPECT_EQ(MarkupToPlainText("<b>Name</b>:<Br>x<hr>y"), "Name:\r\nx\r\ny");
    EXPECT_EQ(MarkupToPlainText("<img src=\"idx:3\"> <b>[II] pH</b><Z>5,2</Z>"), " [II] pH5,2");
    EXPECT_EQ(MarkupToPlainText("a < b <i"), "a < b <i");  // unclosed "<" stays
    EXPECT_EQ(MarkupToPlainText("a &amp; b"), "a &amp; b");
}

TEST(MarkupText, FindAnchorMatchesHrefCaseInsensitively) {
    const std::string markup =
        "Version: <a href=\"other\">1</a> <a href=\"sw_ver\" class=\"menu\" props=\"5.x|6.x\" "
        "hint=\"Software\">5.x</a>";
    const auto anchor = FindAnchor(markup, "SW_VER");
    ASSERT_TRUE(anchor);
    EXPECT_EQ(anchor->cls, "MENU");
    EXPECT_EQ(anchor->props, "5.x|6.x");
    EXPECT_EQ(anchor->hint, "Software");
    EXPECT_EQ(anchor->value, "5.x");

    EXPECT_FALSE(FindAnchor(markup, "sw"));
    EXPECT_FALSE(FindAnchor("<a href=\"x\">open", "x"));  // no "</" after it
    EXPECT_FALSE(FindAnchor("<abbr href=\"x\">y</abbr>", "x"));
}

TEST(MarkupText, GetAndSetAnchorValue) {
    std::string markup = "<a href=\"sw_ver\" class=\"MENU\" props=\"5.x|6.x\">5.x</a>";
    EXPECT_EQ(GetAnchorValue(markup, "SW_VER"), "5.x");
    EXPECT_FALSE(GetAnchorValue(markup, "sw"));

    EXPECT_TRUE(SetAnchorValue(markup, "sw_ver", "6.x"));
    EXPECT_EQ(markup, "<a href=\"sw_ver\" class=\"MENU\" props=\"5.x|6.x\">6.x</a>");

    // Only the anchor with that href changes, and only once.
    std::string two = "<a href=\"a\">1</a> <a href=\"b\">1</a> <a href=\"b2\">1</a>";
    EXPECT_TRUE(SetAnchorValue(two, "b", "7"));
    EXPECT_EQ(two, "<a href=\"a\">1</a> <a href=\"b\">7</a> <a href=\"b2\">1</a>");

    // A value that is not directly closed by "</A" cannot be rewritten: reported, markup unchanged.
    std::string nested = "<a href=\"n\">x<b>y</b></a>";
    EXPECT_FALSE(SetAnchorValue(nested, "n", "z"));
    EXPECT_EQ(nested, "<a href=\"n\">x<b>y</b></a>");
    std::string none = "plain";
    EXPECT_FALSE(SetAnchorValue(none, "n", "z"));
    EXPECT_EQ(none, "plain");
}

TEST(MarkupText, SetControlValueRewritesTheTag) {
    std::string markup =
        "x <control id=\"c1\" value=\"1\" width=\"40\" type=\"EDIT\"> <CONTROL TYPE=\"CHECK\" ID=\"c2\" "
        "VALUE=\"FALSE\"> y";
    EXPECT_TRUE(SetControlValue(markup, "c2", "TRUE"));
    EXPECT_TRUE(SetControlValue(markup, "c1", "<5>"));
    EXPECT_EQ(markup,
              "x <CONTROL ID=\"c1\" VALUE=\"&lt;5&gt;\" WIDTH=\"40\" TYPE=\"EDIT\"> <CONTROL ID=\"c2\" "
              "VALUE=\"TRUE\" WIDTH=\"\" TYPE=\"CHECK\"> y");

    const std::string before = markup;
    EXPECT_FALSE(SetControlValue(markup, "C1", "9"));  // exact compare
    EXPECT_EQ(markup, before);
}

TEST(MarkupText, SplitProps) {
    EXPECT_EQ(SplitProps("a||b|"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitProps("5.x|6.x"), (std::vector<std::string>{"5.x", "6.x"}));
    EXPECT_EQ(SplitProps("|x"), (std::vector<std::string>{"", "x"}));
    EXPECT_TRUE(SplitProps("").empty());
}

TEST(MarkupColor, HexAndNames) {
    EXPECT_EQ(ColorFromHex("#008000"), 0x008000u);
    EXPECT_EQ(ColorFromHex("#00a0Ff"), 0x00A0FFu);
    EXPECT_EQ(ColorFromHex("FF8000"), 0xFF8000u);
    for (const char* bad : {"#00800", "#00800G", "", "#"}) EXPECT_EQ(ColorFromHex(bad), 0u) << bad;

    EXPECT_EQ(ColorFromName("clGreen"), MarkupColor::FromRgb(0x008000));
    EXPECT_EQ(ColorFromName("CLSILVER"), MarkupColor::FromRgb(0xC0C0C0));
    EXPECT_EQ(ColorFromName("clNavy"), MarkupColor::FromRgb(0x000080));
    EXPECT_EQ(ColorFromName("clWindowText"), MarkupColor::FromSystem(8));
    EXPECT_EQ(ColorFromName("clInfoBk"), MarkupColor::FromSystem(24));
    EXPECT_EQ(ColorFromName("rosa"), MarkupColor::FromRgb(0));

    EXPECT_EQ(ParseMarkupColor("#C0C0C0"), MarkupColor::FromRgb(0xC0C0C0));
    EXPECT_EQ(ParseMarkupColor("clHighlight"), MarkupColor::FromSystem(13));
}

TEST(MarkupTag, ClassifyByLeadingLetters) {
    struct Case {
        const char* tag;
        MarkupTag kind;
        bool end;
    };
    const Case cases[] = {
        {"<b>", MarkupTag::Bold, false},        {"</B>", MarkupTag::Bold, true},
        {"<br>", MarkupTag::Break, false},      {"<BLINK>", MarkupTag::Blink, false},
        {"<body bgcolor=\"x\">", MarkupTag::Body, false},
        {"<sub>", MarkupTag::Subscript, false}, {"</sup>", MarkupTag::Superscript, true},
        {"<shad>", MarkupTag::Shadow, false},   {"<s>", MarkupTag::StrikeOut, false},
        {"<img src=\"idx:1\">", MarkupTag::Image, false},
        {"<ind x=\"5\">", MarkupTag::Indent, false}, {"<i>", MarkupTag::Italic, false},
        {"<hi>", MarkupTag::Highlight, false},  {"<hr>", MarkupTag::Rule, false},
        {"<Z>", MarkupTag::Hidden, false},      {"<a href=\"x\">", MarkupTag::Anchor, false},
        {"<font color=\"red\">", MarkupTag::Font, false},
        {"<control id=\"1\">", MarkupTag::Control, false},
        {"<ul>", MarkupTag::List, false},       {"<li>", MarkupTag::ListItem, false},
        {"<rot a=\"90\">", MarkupTag::Rotate, false}, {"<q>", MarkupTag::Unknown, false},
        {"< b>", MarkupTag::Unknown, false},
    };
    for (const Case& c : cases) {
        const MarkupTagKind kind = ClassifyTag(c.tag);
        EXPECT_EQ(kind.tag, c.kind) << c.tag;
        EXPECT_EQ(kind.end, c.end) << c.tag;
    }
}

TEST(MarkupTag, Attributes) {
    const std::string tag = "<font face=\"Arial\" COLOR=\"#008000\" size=3 bgcolor=\"clInfoBk\">";
    EXPECT_EQ(TagAttribute(tag, "color"), "#008000");  // not the tail of "bgcolor"
    EXPECT_EQ(TagAttribute(tag, "BGCOLOR"), "clInfoBk");
    EXPECT_EQ(TagAttribute(tag, "size"), "3");
    EXPECT_FALSE(TagAttribute(tag, "align"));
    EXPECT_EQ(TagAttribute("<a href=\"classic\" class=\"MENU\">", "class"), "MENU");
    EXPECT_EQ(FirstQuotedValue("<a href=\"sw\" class=\"MENU\">"), "sw");

    EXPECT_EQ(ParseMarkupInt(" 22 "), 22);
    EXPECT_EQ(ParseMarkupInt("-4"), -4);
    EXPECT_FALSE(ParseMarkupInt("12px"));
    EXPECT_FALSE(ParseMarkupInt(""));
}

}  // namespace
}  // namespace tessalin
