#pragma once
// The limit-message page that every measuring family has once per measured value: a Monitoring choice
// (1 Off, 2 Device limits max., 3 Variable limits) followed by the four float limits failure low, warning
// low, warning high and failure high, 4 bytes apart right after the Monitoring byte. The limits are shown
// while Monitoring says "Variable limits".

#include <array>
#include <cstdint>
#include <span>

#include "core/catalogue/row_builders.h"
#include "core/catalogue/value_rules.h"
#include "core/families/shared/common_texts.h"

namespace tessalin::rows {

inline constexpr int kVariableLimits = 3;

struct LimitDefaults {
    int monitoring;
    double failureLo, warningLo, warningHi, failureHi;
};

// The answer of a limit row to "shown?": while the Monitoring byte at `monitoring` says "Variable limits".
template <Location monitoring>
bool ShownWhileVariableLimits(int event, TEvParRec& rec) {
    return rules::ShownWhile<monitoring, kVariableLimits>(event, rec);
}

// The five rows of a limit-message page whose Monitoring byte is at `monitoring`. `limitRows` is the
// handler of the four limit rows (ShownWhileVariableLimits<monitoring> where nothing else differs) and
// `limitFlags` are added to them (limits from the handler, for instance); `items` filters the Monitoring
// choices.
constexpr std::array<Row, 5> LimitMessages(Location monitoring, const LimitDefaults& d, uint8_t valueType,
                                           Limits limits, uint32_t limitFlags, Handler limitRows,
                                           std::span<const Predicate> items = {}) {
    using namespace common;
    const auto limit = [&](int k) {
        return At(monitoring.section, static_cast<uint16_t>(monitoring.offset + 1 + 4 * k));
    };
    return {{
        List(monitoring, d.monitoring, kPfRebuildPage, DefaultHandler, kTxtLimitMonitoring, items),
        Number(limit(0), kFloat, d.failureLo, valueType, limits, limitFlags, limitRows, kTxtFailureLo),
        Number(limit(1), kFloat, d.warningLo, valueType, limits, limitFlags, limitRows, kTxtWarningLo),
        Number(limit(2), kFloat, d.warningHi, valueType, limits, limitFlags, limitRows, kTxtWarningHi),
        Number(limit(3), kFloat, d.failureHi, valueType, limits, limitFlags, limitRows, kTxtFailureHi),
    }};
}

}  // namespace tessalin::rows
