// Rules that the conductivity and the electrodeless conductivity families share.

#include "core/catalogue/conductivity_rules.h"

#include "core/catalogue/conductivity_texts.h"
#include "core/workspace.h"

namespace tessalin::conductivity {

bool RowCalPresetsHeading(int e, TEvParRec& r) {
    return rules::TwoLineHeading(e, r, kTxtCalPresetsLine1, kTxtCalPresetsLine2);
}
bool RowTcHeading(int e, TEvParRec& r) { return rules::TwoLineHeading(e, r, kTxtTcLine1, kTxtTcLine2); }

bool MenuConcentration(int e, TEvParRec& r) { return rules::Menu(e, r, OptKonz()); }

bool MenuOperatingMode(int e, TEvParRec& r) {
    const uint8_t slot = Ws().CurrentParam.slot;
    bool onCarrier = false;
    if (slot < Ws().Device.Slot.size()) {
        const uint8_t attach = Ws().Device.Slot[slot].AttachCode;
        onCarrier = attach == 27 || attach == 29;
    }
    return rules::Menu(e, r, onCarrier);
}

}  // namespace tessalin::conductivity
