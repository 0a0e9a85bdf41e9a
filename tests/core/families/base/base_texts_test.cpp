// Every device text of the base unit exists in all seven languages, the note of its inputs page too.

#include <vector>

#include "core/families/base/base.h"
#include "support/catalogue_device.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(BaseTexts, EveryTitleLabelAndChoiceListExistsInAllLanguages) {
    std::vector<std::span<const TParamEntry>> tables;
    for (int n = 1; n <= kMenuBaseEnd; ++n) tables.push_back(BaseParamTable(n));
    ExpectFamilyTextsComplete({MenuBase, kMenuBaseEnd + 1}, tables);
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
        ASSERT_NE(lineBreak, std::string::npos) << "language " << language;
        EXPECT_GT(lineBreak, 0u) << "language " << language;
        EXPECT_LT(lineBreak + 2, note.size()) << "language " << language;
    }
}

}  // namespace
}  // namespace tessalin::test
