#pragma once
// Temperature detection as the measuring families show it: a selector for the measuring temperature and
// one for the calibration temperature (1 Auto, 2 Manual), each followed by its manual value in °C, which
// is editable while the selector says Manual.

#include <array>

#include "core/catalogue/row_builders.h"
#include "core/catalogue/value_rules.h"
#include "core/families/shared/common_texts.h"

namespace tessalin::rows {

inline constexpr int kAuto = 1;
inline constexpr int kManual = 2;

// A selector at `at` (factory default Auto, the page rebuilt on commit) and its manual value at +1
// (a float, factory default 25 °C, -50..250 °C).
template <Location at>
constexpr std::array<Row, 2> TemperatureSelector(const TextRecord& label) {
    constexpr Location manual = At(at.section, static_cast<uint16_t>(at.offset + 1));
    return {{
        List(at, kAuto, kPfRebuildPage, DefaultHandler, label),
        Number(manual, kFloat, 25, 10, Own(-50, 250), 0, rules::EditableWhile<at, kManual>, common::kTxtManual),
    }};
}

// Temperature probe, measuring temperature at `measuring` and calibration temperature 5 bytes above it.
template <Location measuring>
constexpr std::array<Row, 5> TemperatureDetection(const Row& probe) {
    constexpr Location cal = At(measuring.section, static_cast<uint16_t>(measuring.offset + 5));
    const auto meas = TemperatureSelector<measuring>(common::kTxtMeasuringTemp);
    const auto calibration = TemperatureSelector<cal>(common::kTxtCalTemp);
    return {{probe, meas[0], meas[1], calibration[0], calibration[1]}};
}

}  // namespace tessalin::rows
