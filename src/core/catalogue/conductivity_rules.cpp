// Rules that the conductivity and the electrodeless conductivity families share.

#include "core/catalogue/conductivity_pages.h"
#include "core/catalogue/texts.h"
#include "core/workspace.h"

namespace tessalin::conductivity {

namespace {

bool TwoLines(int event, TEvParRec& rec, const TextRecord& first, const TextRecord& second) {
    if (event != kEvHeading) return DefaultHandler(event, rec);
    rec.text = EntryName(&first) + "\r\n" + EntryName(&second);
    rec.number = 2;
    return true;
}

}  // namespace

bool RowCalPresetsHeading(int e, TEvParRec& r) { return TwoLines(e, r, kTxtCalPresetsLine1, kTxtCalPresetsLine2); }
bool RowTcHeading(int e, TEvParRec& r) { return TwoLines(e, r, kTxtTcLine1, kTxtTcLine2); }

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
