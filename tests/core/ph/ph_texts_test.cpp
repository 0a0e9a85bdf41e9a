// Every device text of the pH family exists in all seven languages, and every translated choice list
// offers the same codes in the same order as the German one.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue/par_ph.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

const char* const kLanguages[] = {"de", "en", "fr", "it", "sv", "es", "pt"};

std::vector<int> Codes(const std::string& list) {
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

void ExpectComplete(const TextRecord& texts, const std::string& where) {
    const std::string germanList = texts.s[1];
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
        const char* name = texts.s[2 * lang];
        const char* list = texts.s[2 * lang + 1];
        ASSERT_NE(name, nullptr) << where << " " << kLanguages[lang];
        ASSERT_NE(list, nullptr) << where << " " << kLanguages[lang];
        EXPECT_NE(std::string(name), "") << where << " has no name in " << kLanguages[lang];
        EXPECT_EQ(std::string(list).empty(), germanList.empty()) << where << " list in " << kLanguages[lang];
        if (!germanList.empty()) {
            EXPECT_EQ(Codes(list), Codes(germanList)) << where << " list codes in " << kLanguages[lang];
        }
    }
}

TEST(PhTexts, EveryMenuTitleRowLabelAndChoiceListExistsInAllLanguages) {
    int records = 0;
    for (int i = 0; i < kMenuPHEnd; ++i) {
        const TMenuEntry& entry = MenuPH[i];
        ASSERT_NE(entry.texts, nullptr) << "menu entry " << i;
        ExpectComplete(*entry.texts, "menu entry " + std::to_string(i));
        ++records;
    }
    for (int n = 1; n <= 39; ++n) {
        const auto table = PhParamTable(n);
        for (std::size_t row = 0; row < table.size(); ++row) {
            const TParamEntry& entry = table[row];
            const bool separator = (entry.flags & kPfHeading) && entry.texts == nullptr;
            const bool handlerHeading = entry.flags & kPfHeadingFromHandler;
            if (separator || (handlerHeading && entry.texts == nullptr)) continue;
            ASSERT_NE(entry.texts, nullptr) << "P" << n << " row " << row;
            ExpectComplete(*entry.texts, "P" + std::to_string(n) + " row " + std::to_string(row));
            ++records;
        }
    }
    EXPECT_GT(records, 200);
}

TEST(PhTexts, BufferSetDescriptionsExistInAllLanguages) {
    ResetWorkspace();
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
        Ws().DeviceLanguage = lang;
        for (int set = 1; set <= 15; ++set)
            EXPECT_NE(PhBufferSetHeading(set), "") << "set " << set << " in " << kLanguages[lang];
        EXPECT_NE(PhBufferSetHeading(33), "") << kLanguages[lang];
    }
}

}  // namespace
}  // namespace tessalin
