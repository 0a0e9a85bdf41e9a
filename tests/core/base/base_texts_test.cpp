// Every device text of the base unit exists in all seven languages, the note of its inputs page too.

#include "core/catalogue/par_base.h"
#include "support/catalogue_device.h"
#include "support/text_records.h"

namespace tessalin::test {
namespace {

TEST(BaseTexts, EveryTitleLabelAndChoiceListExistsInAllLanguages) {
    EXPECT_GT(ExpectCompleteMenuTexts(*MenuTableOf(1)), 80);
}

using BaseNote = CatalogueDeviceTest;

TEST_F(BaseNote, InputsNoteHasTwoLinesInEveryLanguage) {
    MakeDevice({});
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        Ws().DeviceLanguage = language;
        const PageModel page = OpenPage(kPosBase, MenuBase[10]);
        ASSERT_FALSE(page.rows.empty());
        const std::string& note = page.rows[0].label;
        const std::size_t lineBreak = note.find("\r\n");
        ASSERT_NE(lineBreak, std::string::npos) << kLanguageNames[language];
        EXPECT_GT(lineBreak, 0u) << kLanguageNames[language];
        EXPECT_LT(lineBreak + 2, note.size()) << kLanguageNames[language];
    }
}

}  // namespace
}  // namespace tessalin::test
