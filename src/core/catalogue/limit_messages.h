#pragma once
// The limit-message page that every measuring family has once per measured value: a Monitoring choice
// (1 Off, 2 Device limits max., 3 Variable limits) followed by four float limits 4 bytes apart, shown
// while Monitoring is Variable limits.

#include <array>

#include "core/catalogue/common_texts.h"
#include "core/catalogue/row_builders.h"
#include "core/catalogue/value_rules.h"

namespace tessalin::rows {

inline constexpr int kVariableLimits = 3;

struct LimitDefaults {
    int monitoring;
    double failureLo, warningLo, warningHi, failureHi;
};

// The five rows of a limit-message page whose Monitoring byte is at `monitoring`; the limits follow it
// at +1, +5, +9 and +13 in the same section.
template <Location monitoring>
constexpr std::array<Row, 5> LimitMessages(const LimitDefaults& d, uint8_t valueType, Limits limits) {
    using namespace common;
    constexpr Handler kShown = rules::ShownWhile<monitoring, kVariableLimits>;
    const auto at = [](int distance) {
        return At(monitoring.section, static_cast<uint16_t>(monitoring.offset + distance));
    };
    return {{
        List(monitoring, d.monitoring, kPfRebuildPage, DefaultHandler, kTxtLimitMonitoring),
        Number(at(1), kFloat, d.failureLo, valueType, limits, 0, kShown, kTxtFailureLo),
        Number(at(5), kFloat, d.warningLo, valueType, limits, 0, kShown, kTxtWarningLo),
        Number(at(9), kFloat, d.warningHi, valueType, limits, 0, kShown, kTxtWarningHi),
        Number(at(13), kFloat, d.failureHi, valueType, limits, 0, kShown, kTxtFailureHi),
    }};
}

}  // namespace tessalin::rows
