// Every device text of the pH family exists in all seven languages, and every translated choice list
// offers the same codes in the same order as the German one.

#include <gtest/gtest.h>

#include "core/families/ph/ph.h"
#include "core/workspace.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(PhTexts, EveryMenuTitleRowLabelAndChoiceListExistsInAllLanguages) {
    EXPECT_GT(ExpectFamilyTextsComplete({MenuPH, kMenuPHEnd}, NumberedTables(PhParamTable, 39)), 200);
}

TEST(PhTexts, BufferSetDescriptionsExistInAllLanguages) {
    ResetWorkspace();
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
        Ws().DeviceLanguage = lang;
        for (int set = 1; set <= 15; ++set)
            EXPECT_NE(PhBufferSetHeading(set), "") << "set " << set << " in " << kLanguageTags[lang];
        EXPECT_NE(PhBufferSetHeading(33), "") << kLanguageTags[lang];
    }
}

}  // namespace
}  // namespace tessalin::test
