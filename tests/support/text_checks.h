#pragma once
// Checks that a catalogue's device texts exist in all seven languages: every menu title and row label has
// a name in each language, and every translated choice list offers the German list's codes in its order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue/menu_tables.h"

namespace tessalin::test {

inline constexpr const char* kLanguageNames[] = {"de", "en", "fr", "it", "sv", "es", "pt"};

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

// Every menu entry and every row with a text record of a menu table; returns how many records it checked.
inline int ExpectCompleteMenuTexts(const MenuTable& menu) {
    int records = 0;
    for (int i = 0; i < menu.end; ++i) {
        const TMenuEntry& entry = menu.entries[i];
        const std::string where = std::string(menu.name) + " entry " + std::to_string(i);
        EXPECT_NE(entry.texts, nullptr) << where;
        if (entry.texts == nullptr) continue;
        ExpectCompleteTexts(*entry.texts, where);
        ++records;
        const auto rows = ParamEntries(entry);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rows[r].texts == nullptr && (rows[r].flags & (kPfHeading | kPfHeadingFromHandler))) continue;
            EXPECT_NE(rows[r].texts, nullptr) << where << " row " << r;
            if (rows[r].texts == nullptr) continue;
            ExpectCompleteTexts(*rows[r].texts, where + " row " + std::to_string(r));
            ++records;
        }
    }
    return records;
}

}  // namespace tessalin::test
