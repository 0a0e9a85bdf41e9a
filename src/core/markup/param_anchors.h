#pragma once
// The parameters of a parameter tree: anchors in item markup whose value the user edits in place. What
// an editor starts with, which choices it offers, how a delivered value is written back into the item
// and reported, and which parameter comes next when the user presses Enter. No drawing here.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessalin {

// "&" becomes "&amp;" first, then "<", ">" and '"' become "&lt;", "&gt;" and "&quot;".
std::string EscapeParamValue(std::string_view value);
// "&lt;", "&gt;", "&amp;" and "&quot;" back to their characters.
std::string UnescapeParamValue(std::string_view value);

// The choices of a MENU, LIST or TOGGLE anchor: the props unescaped and split at "|", sorted on request.
std::vector<std::string> ParamChoices(std::string_view props, bool sorted);

// A menu entry's caption as a value: every "&" removed.
std::string MenuCaptionValue(std::string_view caption);

// The value a TOGGLE anchor takes when clicked: the second choice when the value equals the first,
// otherwise the first; nothing with fewer than two choices.
std::optional<std::string> ToggledValue(std::string_view props, std::string_view value);

// The value an editor starts with: the empty-parameter text stands for an empty value, and the
// entities the commit wrote are decoded, so that editing a value again does not escape it twice.
std::string EditorStartValue(std::string_view value, std::string_view emptyParam);

// A value an editor delivered, before the owner sees it: empty becomes the empty-parameter text.
std::string DeliveredValue(std::string_view value, std::string_view emptyParam);

// The outcome of writing a value into an item.
struct ParamWrite {
    bool written = false;  // the anchor was found and now shows the value
    bool changed = false;  // the value differs from the one it replaced
    std::string oldValue;
    std::string newValue;
};

// Writes `value` (already in markup form) as the value of the anchor `href` of `markup`. An href that
// does not occur in the markup leaves it unchanged and reports nothing changed.
ParamWrite WriteParamValue(std::string& markup, std::string_view href, std::string_view value);

// The hrefs of the anchors of one item, in the order they stand.
std::vector<std::string> AnchorHrefs(std::string_view markup);

// Where Enter moves to: over the anchors of all items in tree order, the one after `href` (after the
// last comes the first), with the index of the first item holding it (hrefs compared case-insensitively).
struct ParamPlace {
    int item = -1;
    int anchor = -1;  // 0-based number of the anchor within its item
    std::string href;
};
std::optional<ParamPlace> NextParam(const std::vector<std::string>& itemMarkups, std::string_view href);

}  // namespace tessalin
