#include "core/families/shared/modules_changed.h"

#include "core/device/decode.h"
#include "core/families/front/front.h"
#include "core/families/purgon/purgon.h"

namespace tessalin {

void KeepChoicesOnInstalledModules() {
    if (DropCalcBlocksThatNoLongerFit()) DecodeDevice(false);
    MoveSelectorsToOfferedVariables();
    MoveMeasuringModuleToUsableSlot();
}

}  // namespace tessalin
