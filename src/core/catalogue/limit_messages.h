#pragma once
// A limit-message page: a Monitoring choice (Off, device limits, variable limits) followed by the four
// float limits failure low, warning low, warning high and failure high, 4 bytes apart right after the
// Monitoring byte. The limits are shown while the Monitoring says "Variable limits".

#include <array>
#include <cstdint>
#include <span>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/measuring_texts.h"
#include "core/catalogue/row_builders.h"

namespace tessalin::rows {

inline constexpr int kVariableLimits = 3;

struct LimitDefaults {
    int monitoring;
    double failureLo, warningLo, warningHi, failureHi;
};

// `limitFlags` are added to the four limit rows (limits from the handler, for instance); `items` filters
// the Monitoring choices.
constexpr std::array<Row, 5> LimitMessages(Location monitoring, const LimitDefaults& d, uint8_t valueType,
                                           Limits limits, uint32_t limitFlags, Handler limitRows,
                                           std::span<const Predicate> items = {}) {
    using namespace measuring;
    const auto limit = [&](int k) {
        return Location{monitoring.section, static_cast<uint16_t>(monitoring.offset + 1 + 4 * k)};
    };
    return {{
        List(monitoring, d.monitoring, kPfRebuildPage, DefaultHandler, kTxtLimitMonitoring, items),
        Number(limit(0), kFloat, d.failureLo, valueType, limits, limitFlags, limitRows, kTxtFailureLo),
        Number(limit(1), kFloat, d.warningLo, valueType, limits, limitFlags, limitRows, kTxtWarningLo),
        Number(limit(2), kFloat, d.warningHi, valueType, limits, limitFlags, limitRows, kTxtWarningHi),
        Number(limit(3), kFloat, d.failureHi, valueType, limits, limitFlags, limitRows, kTxtFailureHi),
    }};
}

// The answer of a limit row to "shown?": while its page's Monitoring byte says "Variable limits".
inline bool ShownWhileVariableLimits(int event, TEvParRec& rec, Location monitoring) {
    return event == kEvRowVisible ? ParamByte(monitoring) == kVariableLimits : DefaultHandler(event, rec);
}

}  // namespace tessalin::rows
