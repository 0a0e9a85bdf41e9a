#pragma once
// Checks that a family's device texts exist in every device language: every menu title and row label has a
// name in all seven languages, and every translated choice list offers the codes of the German one in the
// same order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue/menu_tables.h"
#include "core/catalogue/tables.h"

namespace tessalin::test {

inline const char* const kLanguageNames[] = {"de", "en", "fr", "it", "sv", "es", "pt"};

inline std::vector<int> ListCodes(const std::string& list) {
    std::vector<int> codes;
    std::size_t pos = 0;
    while (pos < list.size()) {
        const std::size_t bar = list.find('|', pos);
        codes.push_back(std::stoi(list.substr(pos, bar - pos)));
        const std::size_t next = bar == std::string::npos ? bar : list.find('|', bar + 1);
        if (next == std::string::npos) break;
        pos = next + 1;
    }
    return codes;
}

inline void ExpectCompleteTexts(const TextRecord& texts, const std::string& where) {
    const std::string germanList = texts.s[1];
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
        const char* name = texts.s[2 * lang];
        const char* list = texts.s[2 * lang + 1];
        ASSERT_NE(name, nullptr) << where << " " << kLanguageNames[lang];
        ASSERT_NE(list, nullptr) << where << " " << kLanguageNames[lang];
        EXPECT_NE(std::string(name), "") << where << " has no name in " << kLanguageNames[lang];
        EXPECT_EQ(std::string(list).empty(), germanList.empty()) << where << " list in " << kLanguageNames[lang];
        if (!germanList.empty()) {
            EXPECT_EQ(ListCodes(list), ListCodes(germanList)) << where << " list codes in " << kLanguageNames[lang];
        }
    }
}

// Every menu entry of the table and every row of its pages that carries a text record; returns how many
// records were checked. Separators and handler headings without a record have no text of their own.
inline int ExpectCompleteMenuTexts(const MenuTable& menu) {
    int records = 0;
    for (int i = 0; i < menu.end; ++i) {
        const TMenuEntry& entry = menu.entries[i];
        const std::string where = std::string(menu.name) + " entry " + std::to_string(i);
        if (entry.texts == nullptr) {
            ADD_FAILURE() << where << " has no texts";
            continue;
        }
        ExpectCompleteTexts(*entry.texts, where);
        ++records;
        const auto rows = ParamEntries(entry);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rows[r].texts == nullptr && (rows[r].flags & (kPfHeading | kPfHeadingFromHandler))) continue;
            const std::string rowWhere = where + " row " + std::to_string(r);
            if (rows[r].texts == nullptr) {
                ADD_FAILURE() << rowWhere << " has no texts";
                continue;
            }
            ExpectCompleteTexts(*rows[r].texts, rowWhere);
            ++records;
        }
    }
    return records;
}

}  // namespace tessalin::test
