#include "core/markup/markup_tag.h"

#include <charconv>

namespace tessalin {

namespace {

struct TagPrefix {
    std::string_view prefix;
    MarkupTag tag;
};

// Longer prefixes first: the first match wins.
constexpr TagPrefix kTagPrefixes[] = {
    {"SUB", MarkupTag::Subscript}, {"SUP", MarkupTag::Superscript}, {"SH", MarkupTag::Shadow},
    {"BR", MarkupTag::Break},      {"BL", MarkupTag::Blink},        {"BO", MarkupTag::Body},
    {"HI", MarkupTag::Highlight},  {"HR", MarkupTag::Rule},         {"IM", MarkupTag::Image},
    {"IN", MarkupTag::Indent},     {"UL", MarkupTag::List},         {"LI", MarkupTag::ListItem},
    {"FO", MarkupTag::Font},       {"CO", MarkupTag::Control},      {"B", MarkupTag::Bold},
    {"I", MarkupTag::Italic},      {"U", MarkupTag::Underline},     {"S", MarkupTag::StrikeOut},
    {"E", MarkupTag::ErrorMark},   {"Z", MarkupTag::Hidden},        {"A", MarkupTag::Anchor},
    {"P", MarkupTag::Paragraph},   {"R", MarkupTag::Rotate},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

}  // namespace

MarkupTagKind ClassifyTag(std::string_view tag) {
    MarkupTagKind kind;
    std::size_t i = 1;  // after "<"
    if (i < tag.size() && tag[i] == '/') {
        kind.end = true;
        ++i;
    }
    std::size_t nameEnd = i;
    while (nameEnd < tag.size() && IsNameChar(tag[nameEnd])) ++nameEnd;
    const std::string_view name = tag.substr(i, nameEnd - i);
    if (name.empty()) return kind;
    for (const TagPrefix& entry : kTagPrefixes) {
        if (StartsWithNoCase(name, entry.prefix)) {
            kind.tag = entry.tag;
            break;
        }
    }
    return kind;
}

std::optional<std::string> TagAttribute(std::string_view tag, std::string_view name) {
    std::size_t at = 0;
    while ((at = FindNoCase(tag, name, at)) != std::string_view::npos) {
        // The name must stand on its own: after a blank, and followed by "=".
        const bool startsWord = at > 0 && IsBlank(tag[at - 1]);
        std::size_t i = at + name.size();
        while (i < tag.size() && IsBlank(tag[i])) ++i;
        if (!startsWord || i >= tag.size() || tag[i] != '=') {
            at += 1;
            continue;
        }
        ++i;
        while (i < tag.size() && IsBlank(tag[i])) ++i;
        if (i < tag.size() && tag[i] == '"') {
            const std::size_t close = tag.find('"', i + 1);
            if (close == std::string_view::npos) return std::string(tag.substr(i + 1));
            return std::string(tag.substr(i + 1, close - i - 1));
        }
        std::size_t end = i;
        while (end < tag.size() && !IsBlank(tag[end]) && tag[end] != '>') ++end;
        return std::string(tag.substr(i, end - i));
    }
    return std::nullopt;
}

std::optional<std::string> FirstQuotedValue(std::string_view tag) {
    const std::size_t open = tag.find('"');
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t close = tag.find('"', open + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(tag.substr(open + 1, close - open - 1));
}

std::optional<int> ParseMarkupInt(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace tessalin
