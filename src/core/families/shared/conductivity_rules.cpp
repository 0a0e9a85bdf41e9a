// Rules that the conductivity and the electrodeless conductivity families share.

#include "core/families/shared/conductivity_rules.h"

#include "core/families/shared/conductivity_texts.h"

namespace tessalin::conductivity {

bool RowCalPresetsHeading(int e, TEvParRec& r) {
    return rules::TwoLineHeading(e, r, kTxtCalPresetsLine1, kTxtCalPresetsLine2);
}
bool RowTcHeading(int e, TEvParRec& r) { return rules::TwoLineHeading(e, r, kTxtTcLine1, kTxtTcLine2); }

bool MenuConcentration(int e, TEvParRec& r) { return rules::Menu(e, r, OptKonz()); }

}  // namespace tessalin::conductivity
