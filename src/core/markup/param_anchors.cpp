#include "core/markup/param_anchors.h"

#include <algorithm>

#include "core/ascii_case.h"
#include "core/markup/markup_tag.h"
#include "core/markup/markup_text.h"

namespace tessalin {

std::string EscapeParamValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string UnescapeParamValue(std::string_view value) {
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}};
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size();) {
        bool decoded = false;
        for (const auto& [entity, c] : kEntities) {
            if (EqualsNoCase(value.substr(i, entity.size()), entity)) {
                out += c;
                i += entity.size();
                decoded = true;
                break;
            }
        }
        if (!decoded) out += value[i++];
    }
    return out;
}

std::vector<std::string> ParamChoices(std::string_view props, bool sorted) {
    std::vector<std::string> choices = SplitProps(UnescapeParamValue(props));
    if (sorted) std::sort(choices.begin(), choices.end());
    return choices;
}

std::string MenuCaptionValue(std::string_view caption) {
    std::string out;
    for (char c : caption)
        if (c != '&') out += c;
    return out;
}

std::optional<std::string> ToggledValue(std::string_view props, std::string_view value) {
    const std::vector<std::string> choices = ParamChoices(props, false);
    if (choices.size() < 2) return std::nullopt;
    return value == choices[0] ? choices[1] : choices[0];
}

std::string EditorStartValue(std::string_view value, std::string_view emptyParam) {
    return value == emptyParam ? std::string() : UnescapeParamValue(value);
}

std::string DeliveredValue(std::string_view value, std::string_view emptyParam) {
    return value.empty() ? std::string(emptyParam) : std::string(value);
}

ParamWrite WriteParamValue(std::string& markup, std::string_view href, std::string_view value) {
    ParamWrite result;
    const std::optional<std::string> old = GetAnchorValue(markup, href);
    if (!old || !SetAnchorValue(markup, href, value)) return result;
    result.written = true;
    result.oldValue = *old;
    result.newValue = std::string(value);
    result.changed = *old != value;
    return result;
}

std::vector<std::string> AnchorHrefs(std::string_view markup) {
    std::vector<std::string> hrefs;
    for (std::size_t at = markup.find('<'); at != std::string_view::npos; at = markup.find('<', at + 1)) {
        const std::size_t end = markup.find('>', at);
        if (end == std::string_view::npos) break;
        const std::string_view tag = markup.substr(at, end - at + 1);
        const MarkupTagKind kind = ClassifyTag(tag);
        if (kind.tag != MarkupTag::Anchor || kind.end) continue;
        if (std::optional<std::string> href = FirstQuotedValue(tag)) hrefs.push_back(std::move(*href));
        at = end;
    }
    return hrefs;
}

std::optional<ParamPlace> NextParam(const std::vector<std::string>& itemMarkups, std::string_view href) {
    std::vector<std::string> all;
    for (const std::string& markup : itemMarkups)
        for (std::string& h : AnchorHrefs(markup)) all.push_back(std::move(h));
    if (all.empty()) return std::nullopt;
    const auto current = std::find_if(all.begin(), all.end(), [&](const std::string& h) { return EqualsNoCase(h, href); });
    const std::string& next = current == all.end() || current + 1 == all.end() ? all.front() : *(current + 1);
    for (std::size_t item = 0; item < itemMarkups.size(); ++item) {
        const std::vector<std::string> hrefs = AnchorHrefs(itemMarkups[item]);
        for (std::size_t a = 0; a < hrefs.size(); ++a)
            if (EqualsNoCase(hrefs[a], next)) return ParamPlace{static_cast<int>(item), static_cast<int>(a), hrefs[a]};
    }
    return std::nullopt;
}

}  // namespace tessalin
