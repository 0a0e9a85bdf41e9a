// Every device text of the output, controller and fieldbus modules exists in all seven languages.

#include <vector>

#include "core/families/controller/controller.h"
#include "core/families/fieldbus/fieldbus.h"
#include "core/families/output/output.h"
#include "support/catalogue_device.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(SlotModuleTexts, EveryTitleLabelAndChoiceListExistsInAllLanguages) {
    ExpectFamilyTextsComplete({MenuOut, kMenuOutEnd + 1}, NumberedTables(OutParamTable, 10));
    ExpectFamilyTextsComplete({MenuPID, kMenuPIDEnd + 1}, NumberedTables(PidParamTable, 5));
    ExpectFamilyTextsComplete({MenuPA, kMenuPAEnd + 1}, NumberedTables(FieldbusParamTable, 4));
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
