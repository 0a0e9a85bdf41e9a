// Every device text of the output, controller and fieldbus modules exists in all seven languages.

#include <vector>

#include "core/catalogue/par_fieldbus.h"
#include "core/catalogue/par_out.h"
#include "core/catalogue/par_pid.h"
#include "support/catalogue_device.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

std::vector<std::span<const TParamEntry>> Tables(std::span<const TParamEntry> (*table)(int), int count) {
    std::vector<std::span<const TParamEntry>> tables;
    for (int n = 1; n <= count; ++n) tables.push_back(table(n));
    return tables;
}

TEST(SlotModuleTexts, EveryTitleLabelAndChoiceListExistsInAllLanguages) {
    ExpectFamilyTextsComplete({MenuOut, kMenuOutEnd + 1}, Tables(OutParamTable, 10));
    ExpectFamilyTextsComplete({MenuPID, kMenuPIDEnd + 1}, Tables(PidParamTable, 5));
    ExpectFamilyTextsComplete({MenuPA, kMenuPAEnd + 1}, Tables(FieldbusParamTable, 4));
    ExpectFamilyTextsComplete({MenuFF, kMenuFFEnd + 1}, {});
}

using FieldbusTexts = CatalogueDeviceTest;

TEST_F(FieldbusTexts, NoModuleItemExistsInAllLanguages) {
    MakeDevice({.modules = {23}});
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        Ws().DeviceLanguage = language;
        const std::vector<std::string> texts = ItemTexts(OpenPage(kPosSlot1, MenuFF[0]), 0);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_NE(texts[0], "") << "language " << language;
    }
}

}  // namespace
}  // namespace tessalin::test
