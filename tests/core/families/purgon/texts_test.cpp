// Every text of MenuProbe, its pages and its sub-pages exists in all seven device languages.
#include <gtest/gtest.h>

#include <string>

#include "core/catalogue/menu_tables.h"
#include "core/families/purgon/purgon.h"

namespace tessalin {
namespace {

void ExpectComplete(const TextRecord* record, const std::string& where) {
    if (record == nullptr) return;
    const std::string german = record->s[0];
    const std::string germanList = record->s[1];
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        EXPECT_NE(std::string(record->s[2 * language]), "") << where << " language " << language;
        if (!germanList.empty()) {
            EXPECT_NE(std::string(record->s[2 * language + 1]), "") << where << " language " << language;
        }
    }
}

void ExpectEntryComplete(const TMenuEntry& entry, const std::string& where) {
    ExpectComplete(entry.texts, where);
    int row = 0;
    for (const TParamEntry& param : ParamEntries(entry)) ExpectComplete(param.texts, where + " row " + std::to_string(row++));
}

TEST(PurgonTexts, EveryTitleLabelAndListExistsInEveryLanguage) {
    for (int i = 0; i < kMenuProbeEnd; ++i) ExpectEntryComplete(MenuProbe[i], "entry " + std::to_string(i));
    ExpectEntryComplete(ProbePointEditor, "switching-point editor");
    ExpectEntryComplete(ProbeStepEditor, "step editor");
}

}  // namespace
}  // namespace tessalin
