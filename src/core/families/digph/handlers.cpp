#include "core/families/digph/handlers.h"

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/value_rules.h"

namespace tessalin::digph {

namespace {
constexpr Location kSensorType = At(Section::PH_SET, 58);
constexpr int kIsfet = 3;
}  // namespace

bool MenuIsfet(int event, TEvParRec& rec) {
    return rules::Menu(event, rec, ParamByte(kSensorType) == kIsfet);
}

}  // namespace tessalin::digph
