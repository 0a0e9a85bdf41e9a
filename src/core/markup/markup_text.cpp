#include "core/markup/markup_text.h"

#include "core/markup/markup_tag.h"

namespace tessalin {

namespace {

struct Entity {
    std::string_view name;  // including "&" and ";"
    std::string_view text;  // UTF-8
};

// A decoded ampersand while the early entities are replaced: it may begin the next entity (as in
// "&amp;quot;"), and at the end it becomes "&&", which the text drawing shows as one ampersand. 0xFF never
// occurs in UTF-8 text.
constexpr char kDecodedAmpersand = '\xFF';

constexpr Entity kEarlyEntities[] = {
    {"&amp;", std::string_view(&kDecodedAmpersand, 1)},   {"&quot;", "\""},         {"&sect;", "\u00A7"},
    {"&permil;", "\u2030"},    {"&reg;", "\u00AE"},      {"&copy;", "\u00A9"},
    {"&para;", "\u00B6"},      {"&trade;", "\u2122"},    {"&euro;", "\u20AC"},
};

constexpr Entity kPieceEntities[] = {
    {"&nbsp;", "\u00A0"},
    {"&lt;", "<"},
    {"&gt;", ">"},
};

template <std::size_t N>
std::string DecodeEntities(std::string_view text, const Entity (&entities)[N]) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '&') {
            out += text[i++];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '&') {
            out += "&&";
            i += 2;
            continue;
        }
        bool decoded = false;
        for (const Entity& entity : entities) {
            if (StartsWithNoCase(text.substr(i), entity.name)) {
                out += entity.text;
                i += entity.name.size();
                decoded = true;
                break;
            }
        }
        if (!decoded) out += text[i++];
    }
    return out;
}

// Position just after the ">" that closes the tag starting at `open`, or npos.
std::size_t TagEnd(std::string_view markup, std::size_t open) {
    const std::size_t close = markup.find('>', open);
    return close == std::string_view::npos ? close : close + 1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Replaces the early entities, again and again until none is left: "&amp;quot;" ends as a quote. Every
// replacement shortens the text, so this ends.
std::string DecodeEarlyEntities(std::string_view markup) {
    std::string text(markup);
    for (bool replaced = true; replaced;) {
        replaced = false;
        std::string out;
        out.reserve(text.size());
        std::size_t i = 0;
        while (i < text.size()) {
            const Entity* found = nullptr;
            if (text[i] == '&' || text[i] == kDecodedAmpersand) {
                const std::string_view rest = std::string_view(text).substr(i + 1);
                for (const Entity& entity : kEarlyEntities)
                    if (StartsWithNoCase(rest, entity.name.substr(1))) found = &entity;
            }
            if (found == nullptr) {
                out += text[i++];
                continue;
            }
            out += found->text;
            i += found->name.size();
            replaced = true;
        }
        text = std::move(out);
    }
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == kDecodedAmpersand) out += "&&";
        else out += c;
    }
    return out;
}

}  // namespace

std::string PrepareMarkup(std::string_view markup) {
    std::string text = DecodeEarlyEntities(markup);

    const std::size_t pseudo = text.find("<#");
    if (pseudo != std::string::npos) {
        const std::size_t close = text.find('>', pseudo);
        if (close != std::string::npos) {
            text.erase(close, 1);
            text.erase(pseudo, 1);
        }
    }

    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            out += "<BR>";
        else if (c != '\n')
            out += c;
    }
    return out;
}

std::string DecodePieceEntities(std::string_view piece) {
    return DecodeEntities(piece, kPieceEntities);
}

std::string MarkupToPlainText(std::string_view markup) {
    std::string broken;
    broken.reserve(markup.size());
    for (std::size_t i = 0; i < markup.size();) {
        const std::string_view rest = markup.substr(i);
        if (StartsWithNoCase(rest, "<BR>") || StartsWithNoCase(rest, "<HR>")) {
            broken += "\r\n";
            i += 4;
        } else {
            broken += markup[i++];
        }
    }

    std::string out;
    out.reserve(broken.size());
    for (std::size_t i = 0; i < broken.size();) {
        if (broken[i] == '<') {
            const std::size_t close = broken.find('>', i);
            if (close == std::string::npos) {
                out.append(broken, i, std::string::npos);
                break;
            }
            i = close + 1;
        } else {
            out += broken[i++];
        }
    }
    return out;
}

std::optional<MarkupAnchor> FindAnchor(std::string_view markup, std::string_view href) {
    std::size_t at = 0;
    while ((at = FindNoCase(markup, "<a", at)) != std::string_view::npos) {
        const bool isAnchor = at + 2 < markup.size() && IsBlank(markup[at + 2]);
        const std::size_t end = TagEnd(markup, at);
        if (end == std::string_view::npos) return std::nullopt;
        if (isAnchor) {
            const std::string_view tag = markup.substr(at, end - at);
            const std::optional<std::string> tagHref = FirstQuotedValue(tag);
            const std::size_t valueEnd = markup.find("</", end);
            if (tagHref && EqualsNoCase(*tagHref, href) && valueEnd != std::string_view::npos) {
                MarkupAnchor anchor;
                anchor.cls = ToUpperAscii(TagAttribute(tag, "class").value_or(""));
                anchor.props = TagAttribute(tag, "props").value_or("");
                anchor.hint = TagAttribute(tag, "hint").value_or("");
                anchor.value = std::string(markup.substr(end, valueEnd - end));
                return anchor;
            }
        }
        at += 2;
    }
    return std::nullopt;
}

namespace {

// Position of `href="<href>"` in the markup, or npos.
std::size_t FindHref(std::string_view markup, std::string_view href) {
    const std::string pattern = "href=\"" + std::string(href) + "\"";
    return FindNoCase(markup, pattern);
}

}  // namespace

std::optional<std::string> GetAnchorValue(std::string_view markup, std::string_view href) {
    const std::size_t at = FindHref(markup, href);
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t valueStart = markup.find('>', at);
    if (valueStart == std::string_view::npos) return std::nullopt;
    const std::size_t valueEnd = markup.find('<', valueStart + 1);
    if (valueEnd == std::string_view::npos) return std::nullopt;
    return std::string(markup.substr(valueStart + 1, valueEnd - valueStart - 1));
}

bool SetAnchorValue(std::string& markup, std::string_view href, std::string_view newValue) {
    const std::optional<std::string> oldValue = GetAnchorValue(markup, href);
    if (!oldValue) return false;
    const std::size_t at = FindHref(markup, href);
    const std::string pattern = ">" + *oldValue + "</A";
    const std::size_t found = FindNoCase(markup, pattern, at + 6 + href.size());
    if (found == std::string::npos) return false;
    // Keep the case of the end tag as written.
    markup.replace(found + 1, oldValue->size(), newValue);
    return true;
}

bool SetControlValue(std::string& markup, std::string_view id, std::string_view newValue) {
    std::size_t at = 0;
    while ((at = FindNoCase(markup, "<CONTROL ", at)) != std::string::npos) {
        const std::size_t end = TagEnd(markup, at);
        const std::string_view tag =
            std::string_view(markup).substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (TagAttribute(tag, "ID") == std::string(id)) {
            std::string value;
            for (char c : newValue) {
                if (c == '<')
                    value += "&lt;";
                else if (c == '>')
                    value += "&gt;";
                else
                    value += c;
            }
            const std::string rewritten = "<CONTROL ID=\"" + std::string(id) + "\" VALUE=\"" + value +
                                          "\" WIDTH=\"" + TagAttribute(tag, "WIDTH").value_or("") +
                                          "\" TYPE=\"" + TagAttribute(tag, "TYPE").value_or("") + "\">";
            markup.replace(at, tag.size(), rewritten);
            return true;
        }
        at += 1;
    }
    return false;
}

std::vector<std::string> SplitProps(std::string_view list) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t bar = list.find('|', start);
        if (bar == std::string_view::npos) {
            entries.emplace_back(list.substr(start));
            break;
        }
        entries.emplace_back(list.substr(start, bar - start));
        start = bar + 1;
    }
    return entries;
}

}  // namespace tessalin
