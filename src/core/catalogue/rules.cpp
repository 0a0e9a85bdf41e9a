#include "core/catalogue/rules.h"

#include "core/catalogue/codec.h"
#include "core/catalogue/formatters.h"
#include "core/workspace.h"

namespace tessalin {

void SetDefault(const Location& location, uint32_t encoding, double value, bool bothSets) {
    const Workspace& ws = Ws();
    const Encoding coded = EncodingOf(encoding);
    if (bothSets) {
        const long long offsetA = ParamOffset(location, ws.CurrentParam.slot, false);
        WriteEncoded(offsetA, coded, value);
        if (offsetA != 0) WriteEncoded(offsetA + static_cast<long long>(kSetBDistance), coded, value);
    } else {
        WriteEncoded(ParamOffset(location, ws.CurrentParam.slot, ws.ActiveParamSet), coded, value);
    }
}

void SetDefault(const TParamEntry& entry, double value) {
    if (EncodingOf(entry.flags) != Encoding::Float) value = static_cast<float>(value * ScaleFactor(entry));
    SetDefault(entry.location, entry.flags, value, (entry.flags & kPfBothSets) != 0);
}

void StampNow(const Location& location, bool bothSets) {
    SetDefault(location, kPfUInt32, static_cast<double>(static_cast<uint32_t>(DeviceSecondsNow())), bothSets);
}

void RequestTreeRebuild() { Ws().TreeRebuildRequest = true; }

}  // namespace tessalin
