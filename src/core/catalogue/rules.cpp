#include "core/catalogue/rules.h"

#include <cmath>
#include <limits>

#include "core/catalogue/formatters.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

template <typename T>
T Saturated(double value, double low, double high) {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t <= low) return static_cast<T>(low);
    if (t >= high) return static_cast<T>(high);
    return static_cast<T>(t);
}

constexpr double kScale[] = {1, 10, 100, 1000, 10000, 100000};

}  // namespace

void StoreEncoded(long long offset, uint32_t encoding, double value) {
    ParImageBuffer& image = Ws().ParImage;
    if (encoding & kPfInt8)
        image.setU8(offset, static_cast<uint8_t>(Saturated<int8_t>(value, -128, 127)));
    else if (encoding & kPfUInt8)
        image.setU8(offset, Saturated<uint8_t>(value, 0, 255));
    else if (encoding & kPfInt16)
        image.setU16(offset, static_cast<uint16_t>(Saturated<int16_t>(value, -32768, 32767)));
    else if (encoding & kPfUInt16)
        image.setU16(offset, Saturated<uint16_t>(value, 0, 65535));
    else if (encoding & kPfInt32)
        image.setU32(offset, static_cast<uint32_t>(Saturated<int32_t>(value, -2147483647.0, 2147483647.0)));
    else if (encoding & kPfUInt32)
        image.setU32(offset, Saturated<uint32_t>(value, 0, 4294967295.0));
    else
        image.setF32(offset, static_cast<float>(value));
}

void SetDefault(const Location& location, uint32_t encoding, double value, bool bothSets) {
    const Workspace& ws = Ws();
    if (bothSets) {
        const long long offsetA = ParamOffset(location, ws.CurrentParam.slot, false);
        StoreEncoded(offsetA, encoding, value);
        StoreEncoded(offsetA + static_cast<long long>(kSetBDistance), encoding, value);
    } else {
        StoreEncoded(ParamOffset(location, ws.CurrentParam.slot, ws.ActiveParamSet), encoding, value);
    }
}

void SetDefault(const TParamEntry& entry, double value) {
    constexpr uint32_t kIntegerBits = kPfInt8 | kPfUInt8 | kPfInt16 | kPfUInt16 | kPfInt32 | kPfUInt32;
    const uint32_t encoding = entry.flags & kIntegerBits;
    if (encoding != 0 && entry.scale < std::size(kScale))
        value = static_cast<float>(value * kScale[entry.scale]);
    SetDefault(entry.location, encoding, value, (entry.flags & kPfBothSets) != 0);
}

void StampNow(const Location& location, bool bothSets) {
    SetDefault(location, kPfUInt32, static_cast<double>(static_cast<uint32_t>(DeviceSecondsNow())), bothSets);
}

void RequestTreeRebuild() { Ws().TreeRebuildRequest = true; }

}  // namespace tessalin
