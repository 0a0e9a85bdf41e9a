// Menu and parameter tables of the front unit, with the factory default of every row beside it; the
// front's share of the SYS-FIX, SYS-SET, CTRL-FIX and BUF-FIX default records is built from those
// defaults at compile time.

#include <algorithm>
#include <array>
#include <vector>

#include "core/catalogue/choice_list.h"
#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/process_variables.h"
#include "core/catalogue/row_builders.h"
#include "core/catalogue/value_rules.h"
#include "core/device/predicates.h"
#include "core/families/front/front.h"
#include "core/families/front/handlers.h"
#include "core/families/front/texts.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

using namespace front;
using namespace rows;

constexpr Location SysFix(uint16_t offset) { return At(Section::SYS_FIX, offset); }
constexpr Location SysSet(uint16_t offset) { return At(Section::SYS_SET, offset); }
constexpr Location CtrlFix(uint16_t offset) { return At(Section::CTRL_FIX, offset); }
constexpr Location BufFix(uint16_t offset) { return At(Section::BUF_FIX, offset); }

// Process-variable codes: position in the high nibble, variable number in the low one. A fresh device
// shows and records the first module's main value and its temperature.
constexpr int kSlot1Main = 0x40;
constexpr int kSlot1Temperature = 0x42;

constexpr int kNotePicture = 30;

// The selectors that decide which rows are shown: the main display (1 one main value, 2 two) and the KI
// recorder (2 off, 1 continuous process, 3 batch process).
constexpr Location kMainDisplay = SysFix(3);
constexpr Location kKiMode = SysFix(39);
constexpr int kOneMainValue = 1;
// The second main value is shown whenever the main display is not the one main value alone.
bool RowSecondMainValue(int e, TEvParRec& r) { return rules::Shown(e, r, ParamByte(kMainDisplay) != kOneMainValue); }
constexpr Handler RowKiContinuous = rules::ShownWhile<kKiMode, 1>;
constexpr Handler RowKiBatch = rules::ShownWhile<kKiMode, 3>;
constexpr Handler RowKiRunning = rules::ShownWhile<kKiMode, 1, 3>;

// ---- parameter tables ------------------------------------------------------------------------------

constexpr Row kP1[] = {
    List(SysFix(1), 1, 0, DefaultHandler, kTxtLanguage),
};

constexpr Row kP2[] = {
    List(kMainDisplay, 1, kPfRebuildPage, DefaultHandler, kTxtMainDisplay),
    Variables(SysSet(13), kPvDisplay, kPfRebuildPage, DefaultHandler, kTxtMainValue1, kSlot1Main),
    Variables(SysSet(14), kPvDisplay, kPfRebuildPage, RowSecondMainValue, kTxtMainValue2, kSlot1Temperature),
    List(SysSet(15), 1, 0, RowDisplayFormat, kTxtDisplayFormat),
    Slider(SysFix(2), kPfInt8, 0, -6, 6, 0, DefaultHandler, kTxtViewingAngle),
};

constexpr Row kP3[] = {
    List(SysSet(17), 3, 0, DefaultHandler, kTxtTimeBase),
    List(SysSet(18), 2, 0, DefaultHandler, kTxtSlowMotion),
    List(SysSet(19), 2, 0, DefaultHandler, kTxtShowMinMax),
};

// A recorder channel: its variable, and the start and end of its scale in the variable's unit.
constexpr std::array<Row, 3> RecorderChannel(uint16_t at, int variable, double start, double end,
                                             uint8_t valueType) {
    return {{
        Variables(SysSet(at), kPvOutput, kPfRebuildPage, DefaultHandler, kTxtVariable, variable),
        Number(SysSet(at + 1), kFloat, start, valueType, kNoLimits, 0, DefaultHandler, kTxtStart),
        Number(SysSet(at + 5), kFloat, end, valueType, kNoLimits, 0, DefaultHandler, kTxtEnd),
    }};
}

constexpr auto kP4 = RecorderChannel(20, kSlot1Main, 0, 14, 198);
constexpr auto kP5 = RecorderChannel(29, kSlot1Temperature, 0, 100, 199);

constexpr Row kP6[] = {
    List(kKiMode, 2, kPfRebuildBranch | kPfRebuildPage, DefaultHandler, kTxtKiRecorder),
    List(SysFix(41), 3, 0, RowKiContinuous, kTxtRecordingInterval),
    Number(SysFix(43), kU16, 24, 9, Own(0, 999), 0, RowKiBatch, kTxtMaxProcessDuration),
    List(SysFix(42), 2, 0, RowKiBatch, kTxtNewRecord),
    List(SysFix(51), 1, 0, RowKiRunning, kTxtKiMonitoring),
};

// A KI recorder channel: variable, scale, and the deviation a batch may have from the recorded one.
constexpr std::array<Row, 4> KiChannel(uint16_t at, int variable, double start, double end, uint8_t valueType,
                                       uint16_t deviationAt) {
    return {{
        Variables(SysFix(at), kPvOutput, kPfRefreshRows, DefaultHandler, kTxtVariable, variable),
        Number(SysFix(at + 1), kFloat, start, valueType, kNoLimits, 0, DefaultHandler, kTxtStart),
        Number(SysFix(at + 5), kFloat, end, valueType, kNoLimits, 0, DefaultHandler, kTxtEnd),
        Number(SysFix(deviationAt), kU16, 10, 62, kNoLimits, 0, RowKiBatch, kTxtDeviation),
    }};
}

constexpr auto kP7 = KiChannel(54, kSlot1Main, 0, 14, 211, 47);
constexpr auto kP8 = KiChannel(63, kSlot1Temperature, 0, 100, 212, 49);

constexpr Row kP9[] = {
    List(SysFix(74), 2, 0, DefaultHandler, kTxtRecordLogbook),
    List(SysFix(75), 2, 0, DefaultHandler, kTxtRecordRecorder),
    List(SysFix(76), 1, 0, DefaultHandler, kTxtDecimalSeparator),
    List(SysFix(72), 1, 0, DefaultHandler, kTxtCardFull),
};

constexpr Row kP10[] = {
    HandlerHeading(RowParamSetsNote, &kTxtSwitchoverSee, kNotePicture),
    List(CtrlFix(46), 1, 0, DefaultHandler, kTxtParamSets),
};

constexpr Row kP11[] = {
    List(SysFix(77), 0, kPfListFromHandler, RowCalcBlock, kTxtBlock1),
    List(SysFix(78), 0, kPfListFromHandler, RowCalcBlock, kTxtBlock2),
};

constexpr Row kP12[] = {
    Matrix(CtrlFix(50), 4, 4, RowFunctionMatrix, kTxtFunction),
};

constexpr Row kP13[] = {
    List(SysFix(17), 1, 0, DefaultHandler, kTxtDateFormat),
};

constexpr Row kP14[] = {
    Text(SysFix(18), DefaultHandler, kTxtMeasPoint, TextArg(4, 16)),
    Text(SysSet(48), DefaultHandler, kTxtNote, TextArg(4, 16)),
};

constexpr Row kP15[] = {
    List(SysFix(36), 1, 0, DefaultHandler, kTxtLogFailure),
    List(SysFix(37), 1, 0, DefaultHandler, kTxtLogWarning),
};

// A user buffer table: the nominal value, then the buffer's pH at 0, 5, .. 95 °C, in thousandths of pH.
using BufferCurve = std::array<int, 20>;

constexpr std::array<Row, 22> BufferTable(uint16_t at, int nominal, const BufferCurve& curve) {
    std::array<Row, 22> rows{};
    rows[0] = Number(BufFix(at), kI16, nominal, 20, Own(-2, 16), 0, DefaultHandler, kTxtNominalBufferValue, 3);
    rows[1] = Separator();
    for (int i = 0; i < 20; ++i)
        rows[2 + i] = WithArg(Number(BufFix(static_cast<uint16_t>(at + 2 + 2 * i)), kI16, curve[i], 20, Own(-2, 16),
                                     kPfLabelFromHandler, RowBufferValue, kTxtPhValueAt, 3),
                              5 * i);
    return rows;
}

// Technical buffers pH 4.01, 7.00 and 10.01 over temperature.
constexpr BufferCurve kBuffer4 = {4000, 4000, 4000, 4000, 4000, 4010, 4010, 4020, 4030, 4040,
                                  4060, 4070, 4090, 4110, 4130, 4150, 4180, 4200, 4230, 4260};
constexpr BufferCurve kBuffer7 = {7120, 7090, 7060, 7040, 7020, 7000, 6990, 6980, 6970, 6970,
                                  6970, 6970, 6980, 6980, 6990, 7000, 7000, 7010, 7020, 7030};
constexpr BufferCurve kBuffer10 = {10320, 10250, 10180, 10120, 10060, 10010, 9970, 9930, 9890, 9860,
                                   9830,  9810,  9790,  9770,  9760,  9750,  9740, 9740, 9730, 9730};

constexpr auto kP16 = BufferTable(0, 4010, kBuffer4);
constexpr auto kP17 = BufferTable(42, 7000, kBuffer7);
constexpr auto kP18 = BufferTable(84, 10010, kBuffer10);

// The concentration chart: five temperatures, then per concentration A..E a separator, the concentration
// and its conductivity at each of the five temperatures.
constexpr double kChartTemperatures[5] = {0, 25, 50, 75, 100};
constexpr double kChartConcentrations[5] = {0.5, 1, 2, 3, 5};

// A fresh chart: 16 mS/cm per percent at 25 °C, 2.1 %/K.
constexpr double ChartConductivity(int j, int t) {
    return kChartConcentrations[j] * 16000 * (1 + 0.021 * (kChartTemperatures[t] - 25));
}

constexpr std::array<Row, 40> ConcentrationChart() {
    std::array<Row, 40> rows{};
    std::size_t r = 0;
    for (int t = 0; t < 5; ++t)
        rows[r++] = WithArg(Number(SysSet(static_cast<uint16_t>(389 + 4 * t)), kFloat, kChartTemperatures[t], 10,
                                   kNoLimits, kPfRebuildPage | kPfRefreshLabels | kPfLabelFromHandler,
                                   RowChartTemperature, kTxtChartTemperature),
                            t);
    for (int j = 0; j < 5; ++j) {
        rows[r++] = Separator();
        rows[r++] = WithArg(Number(SysSet(static_cast<uint16_t>(409 + 4 * j)), kFloat, kChartConcentrations[j], 37,
                                   kNoLimits, kPfLabelFromHandler, RowChartConcentration, kTxtChartConcentration),
                            j);
        for (int t = 0; t < 5; ++t)
            rows[r++] = WithArg(Number(SysSet(static_cast<uint16_t>(429 + 4 * j + 20 * t)), kFloat,
                                       ChartConductivity(j, t), 34, Own(0, 9.999e6f), kPfLabelFromHandler,
                                       RowChartConductivity, kTxtConductivityAt),
                                t);
    }
    return rows;
}

constexpr auto kP19 = ConcentrationChart();

constexpr Row kP20[] = {
    List(SysFix(82), 2, 0, DefaultHandler, kTxtAutoComplete),
    List(SysFix(79), 1, 0, DefaultHandler, kTxtDiagAccess),
    List(SysFix(81), 1, 0, DefaultHandler, kTxtRecordAuditTrail),
    List(SysFix(80), 2, 0, DefaultHandler, kTxtCodingLog),
};

constexpr std::span<const Row> kTables[] = {
    kP1, kP2, kP3, kP4, kP5, kP6, kP7, kP8, kP9, kP10, kP11, kP12, kP13, kP14, kP15, kP16, kP17, kP18, kP19, kP20,
};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

// ---- default records -------------------------------------------------------------------------------

constexpr auto kSysFixDefaults = BuildRecord<170>(Section::SYS_FIX, kTables);
constexpr auto kSysSetDefaults = BuildRecord<529>(Section::SYS_SET, kTables);
constexpr auto kCtrlFixDefaults = BuildRecord<169>(Section::CTRL_FIX, kTables);
constexpr auto kBufFixDefaults = BuildRecord<346>(Section::BUF_FIX, kTables);

}  // namespace

// ---- the menu --------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuFront[] = {
    MENU(1, DefaultHandler, kTxtLanguage, 1, kTop, 0x0100),                          // 0
    MENU(1, DefaultHandler, kTxtDisplay, 2, kTop, 0x0200),                           // 1
    MENU(1, OptMRecH, kTxtRecorder, 3, kTop, 0x0400),                                // 2
    MENU(2, OptMRecH, kTxtChannel1, 4),                                              // 3
    MENU(2, OptMRecH, kTxtChannel2, 5),                                              // 4
    MENU(1, OptKiRecH, kTxtKiRecorder, 6, kTop, 0x0800),                             // 5
    MENU(2, MenuKiChannel, kTxtChannel1, 7),                                         // 6
    MENU(2, MenuKiChannel, kTxtChannel2, 8),                                         // 7
    MENU(1, DefaultHandler, kTxtSystemControl, 1, kTop),                             // 8: repeats the language
    MENU(2, DefaultHandler, kTxtMemoryCard, 9),                                      // 9
    MENU(2, DefaultHandler, kTxtParamSets, 10),                                      // 10
    MENU(2, MenuCalcBlocks, kTxtCalcBlocks, 11),                                     // 11
    MENU(2, DefaultHandler, kTxtFunctionMatrix, 12),                                 // 12
    MENU(2, DefaultHandler, kTxtTimeDate, 13),                                       // 13
    MENU(2, DefaultHandler, kTxtMeasPointDescription, 14),                           // 14
    MENU(2, NoOptFda21H, kTxtLogbook, 15),                                           // 15
    MENU(2, OptPuffH, kTxtBufferTable, 0),                                           // 16
    MENU(3, MenuBufferSet, kTxtBuffer, 16, kMfTitleFromHandler, 0, '1'),             // 17
    MENU(3, MenuBufferSet, kTxtBuffer, 17, kMfTitleFromHandler, 0, '2'),             // 18
    MENU(3, MenuBufferSet, kTxtBuffer, 18, kMfTitleFromHandler, 0, '3'),             // 19
    MENU(2, OptKonzH, kTxtConcentrationChart, 19),                                   // 20
    MENU(2, OptFda21H, kTxtAuditTrail, 20),                                          // 21
    rows::kMenuEnd,                                                                  // end
};

#undef MENU

static_assert(std::size(MenuFront) == kMenuFrontEnd + 1);

void MoveSelectorsToOfferedVariables() {
    struct RestoreSet {
        bool setB;
        ~RestoreSet() { Ws().ActiveParamSet = setB; }
    } restore{Ws().ActiveParamSet};
    for (bool setB : {false, true}) {
        Ws().ActiveParamSet = setB;
        for (std::span<const Row> table : kTables) {
            for (const Row& row : table) {
                const TParamEntry& entry = row.entry;
                const auto classMask = static_cast<uint32_t>(entry.arg);
                if ((entry.flags & kPfListFromHandler) == 0 || classMask == 0) continue;  // not a variable choice
                const long long at = ParamOffset(entry.location, 255, setB);
                const int stored = ReadU8(at);
                const std::vector<ChoiceItem> items = ParseChoiceList(ProcessVariableList(classMask));
                const bool offered = std::ranges::any_of(items, [&](const ChoiceItem& i) { return i.code == stored; });
                const bool anyVariable = std::ranges::any_of(items, [](const ChoiceItem& i) { return i.code != 0; });
                if (offered || !anyVariable) continue;
                // The same variable of another module first (the main value and temperature of the module
                // that took the slot's place), else the first variable the list offers.
                const auto same = std::ranges::find_if(
                    items, [&](const ChoiceItem& i) { return i.code != 0 && (i.code & 0x0F) == (stored & 0x0F); });
                WriteU8(at, static_cast<uint8_t>(same != items.end() ? same->code : items.front().code));
            }
        }
    }
}

std::span<const uint8_t> FrontSysFixDefaults() { return kSysFixDefaults; }
std::span<const uint8_t> FrontSysSetDefaults() { return kSysSetDefaults; }
std::span<const uint8_t> FrontCtrlFixDefaults() { return kCtrlFixDefaults; }
std::span<const uint8_t> FrontBufFixDefaults() { return kBufFixDefaults; }

}  // namespace tessalin
