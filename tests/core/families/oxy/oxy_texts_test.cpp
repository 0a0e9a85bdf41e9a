// Every device text of the oxygen family exists in all seven languages, with the same choice codes in
// every language.

#include "core/families/oxy/oxy.h"
#include "core/families/oxy/texts.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(OxyTexts, EveryMenuTitleRowLabelAndChoiceListExistsInAllLanguages) {
    EXPECT_GT(ExpectMenuTextsComplete(MenuTable{"MenuOxy", MenuOxy, kMenuOxyEnd}), 150);
}

TEST(OxyTexts, HeadingTextsExistInAllLanguages) {
    using namespace oxy;
    for (const TextRecord* texts : {&kTxtPolarizationVoltage, &kTxtCalPresetHeading1, &kTxtCalPresetHeading2,
                                    &kTxtPressureHeading1, &kTxtPressureHeading2}) {
        ExpectTextsComplete(*texts, "heading");
    }
}

}  // namespace
}  // namespace tessalin::test
