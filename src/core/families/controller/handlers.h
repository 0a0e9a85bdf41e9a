#pragma once
// Handlers of the controller module. Which rows of a controller's page are shown follows its type byte
// (0 = off) and, from software 7.4 on, the choice of the control algorithm: the linear PID controller
// shows gain and derivative action, the nonlinear PI controller its corner points. Every rule answers
// event 4 (shown); every other event goes to the default handler.

#include <cstdint>

#include "core/catalogue/tables.h"
#include "core/catalogue/value_rules.h"

namespace tessalin::pid {

// PID-SET offsets of the controller type bytes and of the algorithm choice.
inline constexpr uint16_t kAnalogType = 9;
inline constexpr uint16_t kDigitalType = 35;
inline constexpr uint16_t kAlgorithm = 96;

inline constexpr int kPulseLength = 1;     // digital controller types
inline constexpr int kPulseFrequency = 2;
inline constexpr int kAlgorithmPidLinear = 1;
inline constexpr int kAlgorithmPiNonlinear = 2;

// ---- rules of the controller whose type byte lies at PID-SET + typeAt
bool ControllerOn(uint16_t typeAt);
// Gain and derivative action (linear) or the corner points (nonlinear): before 7.4 there is no choice of
// algorithm and both are shown.
bool AlgorithmRowsShown(uint16_t typeAt, int algorithm);

template <uint16_t TypeAt>
struct ControllerRules {
    static bool On(int event, TEvParRec& rec) { return rules::Shown(event, rec, ControllerOn(TypeAt)); }
    static bool PidLinear(int event, TEvParRec& rec) {
        return rules::Shown(event, rec, AlgorithmRowsShown(TypeAt, kAlgorithmPidLinear));
    }
    static bool PiNonlinear(int event, TEvParRec& rec) {
        return rules::Shown(event, rec, AlgorithmRowsShown(TypeAt, kAlgorithmPiNonlinear));
    }
};

// Load monitoring of the outputs IV1/IV2: the analog controller with straight-way valves, from 7.0.
bool RowLoadMonitoring(int event, TEvParRec& rec);
// Pulse period with pulse-length control, maximum pulse frequency with pulse-frequency control.
inline constexpr Handler RowPulsePeriod = rules::ShownWhile<At(Section::PID_SET, kDigitalType), kPulseLength>;
inline constexpr Handler RowMaxPulseFrequency = rules::ShownWhile<At(Section::PID_SET, kDigitalType), kPulseFrequency>;

}  // namespace tessalin::pid
