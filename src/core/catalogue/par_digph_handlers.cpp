#include "core/catalogue/par_digph_handlers.h"

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"

namespace tessalin::digph {

namespace {
constexpr Location kSensorType = At(Section::PH_SET, 58);
constexpr int kIsfet = 3;
}  // namespace

bool MenuIsfet(int event, TEvParRec& rec) {
    return event == kEvMenuVisible ? ParamByte(kSensorType) == kIsfet : DefaultHandler(event, rec);
}

}  // namespace tessalin::digph
