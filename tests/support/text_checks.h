#pragma once
// Checks that a device-text record is complete: a name in every language, and a choice list in every
// language that offers the same codes in the same order as the German one. A family's texts are checked
// record by record, either from its menu and tables or by walking a menu table as the tree does.

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "core/catalogue/menu_tables.h"
#include "core/catalogue/tables.h"

namespace tessalin::test {

// The device languages in the order of a text record.
inline constexpr const char* kLanguageTags[] = {"de", "en", "fr", "it", "sv", "es", "pt"};

inline std::vector<int> ListCodes(const std::string& list) {
    std::vector<int> codes;
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::size_t bar = list.find('|', pos);
        codes.push_back(std::stoi(list.substr(pos, bar - pos)));
        const std::size_t next = list.find('|', bar + 1);
        if (next == std::string::npos) break;
        pos = next + 1;
    }
    return codes;
}

inline void ExpectTextsComplete(const TextRecord& texts, const std::string& where) {
    const std::string germanList = texts.s[1];
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
        const char* name = texts.s[2 * lang];
        const char* list = texts.s[2 * lang + 1];
        ASSERT_NE(name, nullptr) << where << " " << kLanguageTags[lang];
        ASSERT_NE(list, nullptr) << where << " " << kLanguageTags[lang];
        EXPECT_NE(std::string(name), "") << where << " has no name in " << kLanguageTags[lang];
        EXPECT_EQ(std::string(list).empty(), germanList.empty()) << where << " list in " << kLanguageTags[lang];
        if (!germanList.empty()) {
            EXPECT_EQ(ListCodes(list), ListCodes(germanList)) << where << " list codes in " << kLanguageTags[lang];
        }
    }
}

// A row without texts of its own: a separator, or a heading whose text comes from the handler alone.
inline bool HasNoTextsOfItsOwn(const TParamEntry& entry) {
    return entry.texts == nullptr && (entry.flags & (kPfHeading | kPfHeadingFromHandler));
}

// Parameter tables 1..count of a family, by its table accessor.
inline std::vector<std::span<const TParamEntry>> NumberedTables(std::span<const TParamEntry> (*table)(int),
                                                                int count) {
    std::vector<std::span<const TParamEntry>> tables;
    for (int n = 1; n <= count; ++n) tables.push_back(table(n));
    return tables;
}

// Every menu title and every row text of a family's menus and tables (menu entries of negative level and
// rows without texts of their own excepted); returns the number of records checked.
inline int ExpectFamilyTextsComplete(std::span<const TMenuEntry> menu,
                                     std::span<const std::span<const TParamEntry>> tables) {
    int records = 0;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].level < 0) continue;
        EXPECT_NE(menu[i].texts, nullptr) << "menu entry " << i;
        if (menu[i].texts == nullptr) return records;
        ExpectTextsComplete(*menu[i].texts, "menu entry " + std::to_string(i));
        ++records;
    }
    for (std::size_t n = 0; n < tables.size(); ++n) {
        for (std::size_t row = 0; row < tables[n].size(); ++row) {
            const TParamEntry& entry = tables[n][row];
            if (HasNoTextsOfItsOwn(entry)) continue;
            EXPECT_NE(entry.texts, nullptr) << "table " << n + 1 << " row " << row;
            if (entry.texts == nullptr) return records;
            ExpectTextsComplete(*entry.texts, "table " + std::to_string(n + 1) + " row " + std::to_string(row));
            ++records;
        }
    }
    return records;
}

// Walks the menu and the parameter tables of its entries; returns the number of records checked.
inline int ExpectMenuTextsComplete(const MenuTable& menu) {
    int records = 0;
    for (int i = 0; i < menu.end; ++i) {
        const TMenuEntry& entry = menu.entries[i];
        const std::string where = std::string(menu.name) + " entry " + std::to_string(i);
        if (entry.texts == nullptr) {
            ADD_FAILURE() << where << " has no texts";
            continue;
        }
        ExpectTextsComplete(*entry.texts, where);
        ++records;
        const auto rows = ParamEntries(entry);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const TParamEntry& param = rows[row];
            if (HasNoTextsOfItsOwn(param)) continue;
            if (param.texts == nullptr) {
                ADD_FAILURE() << where << " row " << row << " has no texts";
                continue;
            }
            ExpectTextsComplete(*param.texts, where + " row " + std::to_string(row));
            ++records;
        }
    }
    return records;
}

}  // namespace tessalin::test
