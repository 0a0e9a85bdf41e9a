#pragma once
// Choice lists: "code|text|code|text", as in "1|On|2|Off". Codes are the decimal byte stored in the image.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/tables.h"

namespace tessalin {

struct ChoiceItem {
    std::string text;
    int code = 0;
};

// The items of a list text. With conditions, item i is offered only while conditions[i] holds (items
// beyond the conditions, or with a null condition, are offered). A code that is not a number ends the
// list; blanks inside a code are ignored; code and text keep at most 127 characters.
std::vector<ChoiceItem> ParseChoiceList(std::string_view list, std::span<const Predicate> conditions = {});

// The items of an entry's list text, filtered by the entry's item conditions when its flags ask for them
// (the entry gives one condition per item of the list).
std::vector<ChoiceItem> ParseChoiceList(std::string_view list, const TParamEntry& entry);

// The index of the item whose code is the byte at `offset`: a one-item list always answers 0, an empty
// list and no match -1.
int ListIndexOfValue(long long offset, const std::vector<ChoiceItem>& items);

// The text after the first code equal to `code`; a non-numeric code ends the search; no match gives "(X)".
std::string ListTextOfValue(std::string_view list, int code);

}  // namespace tessalin
