#pragma once
// Pages that the conductivity family (COND-SET/COND-FIX) and the electrodeless conductivity family
// (CONDI-SET/CONDI-FIX) share: both keep calibration presets and concentration at the same offsets of
// their own set section, so each page is built for a section.

#include <array>

#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/shared/conductivity_rules.h"
#include "core/families/shared/conductivity_texts.h"

namespace tessalin::conductivity {

// ---- pages --------------------------------------------------------------------------------------

using rows::Row;

// Cal preset values: heading, the calibration solution (worded with its conductivity from version 7 on)
// and the sample calibration.
template <Section S>
constexpr std::array<Row, 4> CalPresets() {
    using namespace rows;
    return {{
        HandlerHeading(RowCalPresetsHeading, &kTxtCalPresetsLine1),
        List(At(S, 20), 3, 0, SwBefore7H, kTxtCalSolutionV6),
        List(At(S, 20), 3, 0, SwFrom7H, kTxtCalSolutionV7),
        List(At(S, 19), 1, 0, DefaultHandler, kTxtSampleCal),
    }};
}

// Concentration On/Off and the medium.
template <Section S>
constexpr std::array<Row, 3> Concentration() {
    using namespace rows;
    return {{
        List(At(S, 21), 2, kPfRebuildPage | kPfRebuildBranch, DefaultHandler, kTxtConcentration),
        List(At(S, 22), 1, 0, RowMedium<S>, kTxtMedium),
        List(At(S, 22), 1, 0, RowMediumWithOleum<S>, kTxtMediumWithOleum),
    }};
}

}  // namespace tessalin::conductivity
