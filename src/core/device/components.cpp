#include "core/device/components.h"

#include "core/device/device.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

bool IsSlot(int position) { return position >= kPosSlot1 && position <= kPosSlot3; }
bool IsCalcBlock(int position) { return position == kPosCalc1 || position == kPosCalc2; }

const TIdInfo_h& SlotAt(int position) { return Ws().Device.Slot[static_cast<std::size_t>(position - kPosSlot1)]; }
const TCalcBlock& CalcBlockAt(int position) {
    return Ws().Device.CalcBlock[static_cast<std::size_t>(position - kPosCalc1)];
}

}  // namespace

uint8_t ComponentCode(int position) {
    const TDevice& device = Ws().Device;
    if (position == kPosBase) return device.Base.Code;
    if (position == kPosFront) return device.Front.Code;
    if (IsSlot(position)) return SlotAt(position).Code;
    if (IsCalcBlock(position)) return CalcBlockAt(position).Code;
    return 0;
}

uint8_t ComponentIndex(int position) {
    if (IsSlot(position)) return SlotAt(position).RecIndex;
    if (IsCalcBlock(position)) return CalcBlockAt(position).RecIndex;
    return 255;
}

uint8_t ComponentOrder(int position) {
    switch (position) {
    case kPosBase: return 5;
    case kPosSlot1: return 0;
    case kPosSlot2: return 1;
    case kPosSlot3: return 2;
    case kPosCalc1: return 3;
    case kPosCalc2: return 4;
    default: return 6;
    }
}

uint8_t ComponentBrand(int position) {
    const TDevice& device = Ws().Device;
    if (position == kPosBase) return device.Base.Brand;
    if (position == kPosIModule) return device.IModule.Brand;
    if (IsSlot(position)) return SlotAt(position).Brand;
    return device.Front.Brand;
}

std::string ComponentExMark(int position) {
    const TDevice& device = Ws().Device;
    if (position == kPosBase) return device.Base.ExMark;
    if (position == kPosFront) return device.Front.ExMark;
    if (position == kPosIModule) return device.IModule.ExMark;
    if (IsSlot(position)) return SlotAt(position).ExMark;
    return {};
}

}  // namespace tessalin
