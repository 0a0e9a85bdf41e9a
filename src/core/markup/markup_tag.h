#pragma once
// Reading the tags of the item markup: which tag a "<...>" is, and the values of its attributes.
// A tag runs from "<" to the first ">" after it. Tags are recognised by the first letters of their
// name, attribute names by a case-insensitive search inside the tag; values stand in double quotes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/ascii_case.h"

namespace tessalin {

enum class MarkupTag {
    Unknown,
    Bold,         // B
    Italic,       // I
    Underline,    // U
    StrikeOut,    // S
    Subscript,    // SUB
    Superscript,  // SUP
    Shadow,       // SHAD
    ErrorMark,    // E
    Hidden,       // Z
    Highlight,    // HI
    Break,        // BR
    Rule,         // HR
    Anchor,       // A
    Font,         // FONT
    Paragraph,    // P
    Image,        // IMG
    Indent,       // IND
    List,         // UL
    ListItem,     // LI
    Body,         // BODY
    Blink,        // BL...: shown only while the item is selected
    Rotate,       // R...: rotated text
    Control,      // CONTROL
};

struct MarkupTagKind {
    MarkupTag tag = MarkupTag::Unknown;
    bool end = false;  // "</...>"
};

// Kind of the tag text `tag`, which starts with "<".
MarkupTagKind ClassifyTag(std::string_view tag);

// Value of attribute `name` in `tag`: the text between the double quotes after `name=`, or the bare
// word after it when it is not quoted. No value when the attribute is missing.
std::optional<std::string> TagAttribute(std::string_view tag, std::string_view name);

// The first double-quoted value in `tag` (the href of an anchor, which is always its first attribute).
std::optional<std::string> FirstQuotedValue(std::string_view tag);

// A whole decimal number with optional sign and surrounding blanks; nothing when it does not parse.
std::optional<int> ParseMarkupInt(std::string_view text);

}  // namespace tessalin
