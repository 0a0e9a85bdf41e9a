#pragma once
// Text functions on the item markup that need no drawing: entity decoding, the plain text of an item,
// reading and rewriting anchor values and embedded control values, and splitting a choice list.
// The markup is UTF-8 text; every character the markup syntax uses is ASCII.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessalin {

// The markup ready for layout: the entities "&amp;", "&quot;", "&sect;", "&permil;", "&reg;", "&copy;",
// "&para;", "&trade;" and "&euro;" (names in any case) are decoded again and again until none is left
// (a decoded ampersand may begin the next one, so "&amp;quot;" gives a quote); the first
// pseudo-tag "<#text>" loses its "<" and ">" so that "#text" is shown; a carriage return becomes
// "<BR>" and a line feed is dropped. A decoded ampersand is written "&&", which the text drawing shows
// as one ampersand; a lone "&" stays a mnemonic prefix that underlines the character after it.
std::string PrepareMarkup(std::string_view markup);

// Decodes "&nbsp;" (a space that does not break a line), "&lt;" and "&gt;" in one text piece. The pair
// "&&" is passed on untouched, so that a literal ampersand never starts an entity.
std::string DecodePieceEntities(std::string_view piece);

// Every "<BR>" and "<HR>" (any case) becomes CR LF, then every "<" with everything up to the next ">"
// is removed. An unclosed "<" and what follows it stay as they are.
std::string MarkupToPlainText(std::string_view markup);

struct MarkupAnchor {
    std::string cls;    // class attribute, upper-cased: selects the inline editor
    std::string props;  // choices separated by "|", as written
    std::string hint;   // tooltip text, as written
    std::string value;  // text after the tag's ">" up to the next "</"
};

// The first anchor ("<a ...>") whose href equals `href` (case-insensitive) and which is followed by a
// "</"; nothing when there is none.
std::optional<MarkupAnchor> FindAnchor(std::string_view markup, std::string_view href);

// The value of the anchor with `href="<href>"`: the text after its tag's ">" up to the next "<".
std::optional<std::string> GetAnchorValue(std::string_view markup, std::string_view href);

// Replaces the value of the anchor with `href`: after its href, the first ">" + old value + "</A"
// (any case) becomes ">" + new value + "</A". Returns false and leaves the markup unchanged when the
// anchor or that pattern is not found.
bool SetAnchorValue(std::string& markup, std::string_view href, std::string_view newValue);

// Rewrites the first "<CONTROL ...>" tag whose ID equals `id` (exact compare) as
// <CONTROL ID="id" VALUE="value" WIDTH="w" TYPE="t">, keeping its width and type and writing "<" and ">"
// in the value as "&lt;" and "&gt;". Returns false and leaves the markup unchanged without such a tag.
bool SetControlValue(std::string& markup, std::string_view id, std::string_view newValue);

// Splits a choice list at every "|": an empty part between two separators is an empty entry, a
// trailing empty part is not added.
std::vector<std::string> SplitProps(std::string_view list);

}  // namespace tessalin
