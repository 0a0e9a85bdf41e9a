#include "core/catalogue/choice_list.h"

#include <algorithm>
#include <optional>

#include "core/catalogue/codec.h"

namespace tessalin {

namespace {

constexpr std::size_t kMaxField = 127;

// The next field of a list from `pos` up to the next bar (or the end); `pos` moves past the bar.
std::string_view NextField(std::string_view list, std::size_t& pos) {
    const std::size_t bar = list.find('|', pos);
    const std::size_t end = bar == std::string_view::npos ? list.size() : bar;
    std::string_view field = list.substr(pos, end - pos);
    pos = bar == std::string_view::npos ? list.size() + 1 : bar + 1;
    return field.substr(0, kMaxField);
}

std::optional<int> ParseCode(std::string_view field) {
    int code = 0;
    bool digits = false;
    for (char c : field) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') return std::nullopt;
        code = code * 10 + (c - '0');
        if (code > 1000000) return std::nullopt;
        digits = true;
    }
    if (!digits) return std::nullopt;
    return code;
}

// Walks the (code, text) pairs of a list until a code is not a number; `visit` returns false to stop.
template <typename Visit>
void ForEachItem(std::string_view list, Visit visit) {
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::optional<int> code = ParseCode(NextField(list, pos));
        if (!code) return;
        const std::string_view text = pos <= list.size() ? NextField(list, pos) : std::string_view();
        if (!visit(*code, text)) return;
    }
}

}  // namespace

std::vector<ChoiceItem> ParseChoiceList(std::string_view list, std::span<const Predicate> conditions) {
    std::vector<ChoiceItem> items;
    // Each item takes two fields: room for all of them at once, not grown item by item.
    items.reserve(static_cast<std::size_t>(std::count(list.begin(), list.end(), '|')) / 2 + 1);
    std::size_t index = 0;
    ForEachItem(list, [&](int code, std::string_view text) {
        const bool offered = index >= conditions.size() || conditions[index] == nullptr || conditions[index]();
        if (offered) items.push_back({std::string(text), code});
        ++index;
        return true;
    });
    return items;
}

std::vector<ChoiceItem> ParseChoiceList(std::string_view list, const TParamEntry& entry) {
    if (!(entry.flags & kPfItemConditions) || entry.itemConditions == nullptr) return ParseChoiceList(list);
    std::size_t count = 0;
    ForEachItem(list, [&count](int, std::string_view) {
        ++count;
        return true;
    });
    return ParseChoiceList(list, std::span<const Predicate>(entry.itemConditions, count));
}

int ListIndexOfValue(long long offset, const std::vector<ChoiceItem>& items) {
    if (items.empty()) return -1;
    if (items.size() == 1) return 0;
    const uint8_t value = ReadU8(offset);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].code == value) return static_cast<int>(i);
    return -1;
}

std::string ListTextOfValue(std::string_view list, int code) {
    std::string found = "(X)";
    ForEachItem(list, [&](int itemCode, std::string_view text) {
        if (itemCode != code) return true;
        found = std::string(text);
        return false;
    });
    return found;
}

}  // namespace tessalin
