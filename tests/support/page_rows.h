#pragma once
// Reading and choosing on a page model as a user would: which rows are shown and editable, what a list
// offers, and selecting an item by its code.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/page/formpage.h"
#include "core/page/page_edit.h"

namespace tessalin::test {

inline std::vector<int> ShownRows(const PageModel& page) {
    std::vector<int> rows;
    for (const PageRow& row : page.rows) rows.push_back(row.row);
    return rows;
}

inline std::vector<int> ItemCodes(const PageModel& page, int row) {
    std::vector<int> codes;
    if (const PageRow* r = page.find(row))
        for (const ChoiceItem& item : r->items) codes.push_back(item.code);
    return codes;
}

inline std::vector<std::string> ItemTexts(const PageModel& page, int row) {
    std::vector<std::string> texts;
    if (const PageRow* r = page.find(row))
        for (const ChoiceItem& item : r->items) texts.push_back(item.text);
    return texts;
}

// Expects the rows `enabled` shown and editable and the rows `disabled` shown read-only.
inline void ExpectEditable(const PageModel& page, const std::vector<int>& enabled, const std::vector<int>& disabled) {
    for (int row : enabled) {
        ASSERT_NE(page.find(row), nullptr) << row;
        EXPECT_TRUE(page.find(row)->enabled) << "row " << row;
    }
    for (int row : disabled) {
        ASSERT_NE(page.find(row), nullptr) << row;
        EXPECT_FALSE(page.find(row)->enabled) << "row " << row;
    }
}

// Selects the item with `code` in a list row.
inline FollowUp Choose(PageModel& page, int row, int code) {
    const PageRow* r = page.find(row);
    EXPECT_NE(r, nullptr) << "row " << row;
    if (r == nullptr) return {};
    for (std::size_t i = 0; i < r->items.size(); ++i)
        if (r->items[i].code == code) return CommitChoice(page, row, static_cast<int>(i));
    ADD_FAILURE() << "row " << row << " offers no code " << code;
    return {};
}

}  // namespace tessalin::test
