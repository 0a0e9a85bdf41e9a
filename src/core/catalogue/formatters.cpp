#include "core/catalogue/formatters.h"

#include <algorithm>
#include <cmath>

#include "core/catalogue/codec.h"

namespace tessalin {

namespace {

// Seconds of a broken-down wall-clock time counted as if it were UTC, so that daylight saving does not
// shift the count.
long long WallClockSeconds(const std::tm& t) {
    std::tm copy = t;
    return static_cast<long long>(timegm(&copy));
}

}  // namespace

int32_t DeviceSecondsAt(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    std::tm epoch{};
    epoch.tm_year = 100;
    epoch.tm_mday = 1;
    return static_cast<int32_t>(WallClockSeconds(local) - WallClockSeconds(epoch));
}

int32_t DeviceSecondsNow() { return DeviceSecondsAt(std::time(nullptr)); }

double PracticalSalinity(double conductivity, double temperature) {
    constexpr double kReference = 42914.0;  // µS/cm: seawater of salinity 35 at 15 °C
    constexpr double c[] = {0.6766097, 2.00564e-2, 1.104259e-4, -6.9698e-7, 1.0031e-9};
    constexpr double a[] = {0.0080, -0.1692, 25.3851, 14.0941, -7.0261, 2.7081};
    constexpr double b[] = {0.0005, -0.0056, -0.0066, -0.0375, 0.0636, -0.0144};
    constexpr double k = 0.0162;

    const double t = temperature;
    const double rt = c[0] + t * (c[1] + t * (c[2] + t * (c[3] + t * c[4])));
    const double ratio = conductivity / kReference / rt;
    if (!(ratio > 0)) return 0;
    const double root = std::sqrt(ratio);
    double sa = 0;
    double sb = 0;
    double power = 1;
    for (int i = 0; i < 6; ++i) {
        sa += a[i] * power;
        sb += b[i] * power;
        power *= root;
    }
    const double dt = t - 15;
    const double salinity = sa + dt / (1 + k * dt) * sb;
    return salinity < 0 ? 0 : salinity;
}

TimeOfDay ReadTimeOfDay(long long offset) {
    return {std::min<int>(ReadU8(offset + 1), 23), std::min<int>(ReadU8(offset), 59)};
}

void WriteTimeOfDay(long long offset, TimeOfDay time, bool bothSets) {
    const auto minute = static_cast<uint8_t>(std::clamp(time.minute, 0, 59));
    const auto hour = static_cast<uint8_t>(std::clamp(time.hour, 0, 23));
    if (bothSets) {
        WriteU8BothSets(offset, minute);
        WriteU8BothSets(offset + 1, hour);
    } else {
        WriteU8(offset, minute);
        WriteU8(offset + 1, hour);
    }
}

}  // namespace tessalin
