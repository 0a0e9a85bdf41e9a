// Menu and parameter tables of the Purgon controller, with the factory default of every row beside it;
// the PURGON default record and the controller's part of CTRL-FIX are built from those defaults.

#include <array>
#include <cstring>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/purgon/handlers.h"
#include "core/families/purgon/program_block.h"
#include "core/families/purgon/purgon.h"
#include "core/families/purgon/settings_handlers.h"
#include "core/families/purgon/settings_texts.h"
#include "core/families/purgon/texts.h"

namespace tessalin {

namespace {

using namespace purgon;
using namespace rows;

constexpr Location CtrlFix(uint16_t offset) { return At(Section::CTRL_FIX, offset); }
constexpr uint16_t Port(int port, int field) { return static_cast<uint16_t>(2326 + 13 * port + field); }
constexpr uint16_t AddMedium(int medium, int field) { return static_cast<uint16_t>(2365 + 10 * medium + field); }

constexpr uint32_t kHandlerList = kPfListFromHandler;
constexpr uint32_t kHandlerLabel = kPfLabelFromHandler;
constexpr uint32_t kControlFlags = kPfRebuildPage | kPfRebuildBranch | kHandlerList;

// ---- controller entry and calibration presets ---------------------------------------------------------

constexpr Row kControlRows[] = {
    List(Block(kControl), 1, kPfRebuildPage | kPfRebuildBranch, RowControlBefore7, kTxtControl),
    List(Block(kControl), 1, kControlFlags, RowControlTypes, kTxtControl),
    List(Block(kControl), 1, kControlFlags, RowControlBrand1, kTxtControl),
    List(Block(kTimeControl), 1, kPfRebuildBranch, RowTimeControl, kTxtTimeControl),
    List(CtrlFix(60), 4, kHandlerList | kPfRebuildPage, RowMeasuringModuleEntry, kTxtMeasuringModule),
};

constexpr Row kCalPresetRows[] = {
    List(CtrlFix(60), 4, kHandlerList | kPfRebuildPage, RowMeasuringModule, kTxtMeasuringModule),
    HandlerHeading(RowCalBufferHeading, nullptr),
    List(CtrlFix(70), 0, kHandlerList, RowCalBuffer, kTxtCalBuffer1Step),
    List(CtrlFix(71), 0, kHandlerList, RowCalBuffer, kTxtCalBuffer2Step),
    Text(CtrlFix(146), ShownWhen<OptFda21>, kTxtLotBuffer1, TextArg(5, 10)),
    Text(CtrlFix(156), ShownWhen<OptFda21>, kTxtLotBuffer2, TextArg(5, 10)),
    List(CtrlFix(61), 2, kHandlerList, RowCalMode, kTxtCalMode),
    List(CtrlFix(76), 0, kHandlerList, RowTimerProgram, kTxtCalTimerProgram),
    List(CtrlFix(166), 0, kHandlerList, RowTtmProgram, kTxtTtmProgram),
};

// ---- fixed interval, week program, days ----------------------------------------------------------------

constexpr Row TimerProgram(int i, int program) {
    return List(Block(static_cast<uint16_t>(kFixedInterval + 3 * i)), program, kHandlerList, RowTimerProgram,
                kTxtTimeProgram);
}
constexpr Row TimerInterval(int i, double tenths) {
    return Number(Block(static_cast<uint16_t>(kFixedInterval + 3 * i + 1)), kU16, tenths, 18, Own(0, 999.9f), 0,
                  DefaultHandler, kTxtTimeInterval, 1);
}

constexpr Row kFixedIntervalRows[] = {
    TimerProgram(0, 1), TimerInterval(0, 240), TimerProgram(1, 0),
    TimerInterval(1, 240), TimerProgram(2, 0), TimerInterval(2, 240),
};

// Monday .. Sunday: each day's time line and its copy row (the row keeps its choice in 0x7000 + day).
constexpr auto kWeekRows = [] {
    constexpr int kOrder[kDays] = {2, 3, 4, 5, 6, 0, 1};
    std::array<Row, 2 * kDays> rows{};
    for (int i = 0; i < kDays; ++i) {
        const int day = kOrder[i];
        rows[2 * i] = Picture(day, kPfNoDocumentation, RowWeekPicture);
        rows[2 * i + 1] = ListWithButtons(Scratch(static_cast<uint16_t>(kWorkCopyTarget + day)), day,
                                          kHandlerList | kPfNoDocumentation, RowCopyDay, kTxtCopyTo);
    }
    return rows;
}();

// The switching points of a day: a program choice and an Edit button each.
constexpr std::array<Row, 2 * kPointsPerDay> DayRows(int day) {
    std::array<Row, 2 * kPointsPerDay> rows{};
    for (int n = 1; n <= kPointsPerDay; ++n) {
        Row program = List(Block(PointOffset(day, n)), 0, kHandlerList | kHandlerLabel | kPfRebuildPage,
                           RowPointProgram, kTxtPointProgram);
        program.entry.arg = PointArg(day, n);
        rows[2 * (n - 1)] = program;
        rows[2 * n - 1] = Buttons(PointArg(day, n), kHandlerLabel, RowPointButton, kTxtPointButton);
    }
    return rows;
}

constexpr std::array<std::array<Row, 2 * kPointsPerDay>, kDays> kDayRows = {
    DayRows(0), DayRows(1), DayRows(2), DayRows(3), DayRows(4), DayRows(5), DayRows(6)};

// ---- programs ------------------------------------------------------------------------------------------

constexpr Row UserName(int program) {
    return Text(Block(kUserProgramName[program - 7]), RowUserProgramName, kTxtUserProgramName,
                TextArg(6, kNameLength) | (program << 16));
}

constexpr auto kProgramRows = [] {
    std::array<Row, 3 + kStepsPerProgram> rows{};
    for (int k = 7; k <= 9; ++k) {
        rows[k - 7] = UserName(k);
        rows[k - 7].entry.flags |= kPfRenameNode;
    }
    for (int n = 1; n <= kStepsPerProgram; ++n) rows[2 + n] = Buttons(n, kHandlerLabel, RowStep, kTxtStep);
    return rows;
}();

// ---- sub-pages: switching-point editor and step editor --------------------------------------------------

constexpr Row kPointEditorRows[] = {
    List(Scratch(kWorkPoint), 1, kPfRebuildPage, RowPointField, kTxtPointMode),
    Time(Scratch(kWorkPoint + 1), 0, RowPointField, kTxtTimeOfStart),
    Time(Scratch(kWorkPoint + 1), 0, RowPointField, kTxtStart),
    Time(Scratch(kWorkPoint + 3), 0, RowPointField, kTxtEnd),
    Number(Scratch(kWorkPoint + 5), kU16, 0, 18, Own(0, 24), 0, RowPointField, kTxtIntervalTime, 1),
};
// Which mode shows each row of the switching-point editor (0: always).
constexpr int kPointEditorModes[] = {0, 1, 2, 2, 2};

constexpr Row kStepEditorRows[] = {
    List(Scratch(kWorkStep), 0, kHandlerList | kPfRebuildPage, RowStepFunction, kTxtFunction),
    Number(Scratch(kWorkStep + 1), kU16, 0, 8, Own(0, 9999), 0, RowStepField, kTxtRunTime),
    Number(Scratch(kWorkStep + 1), kU16, 0, 8, Own(0, 9999), 0, RowStepField, kTxtExposureTime),
    Number(Scratch(kWorkStep + 1), kU8, 0, 7, Own(0, 30), kPfLimitsFromHandler, RowGotoLine, kTxtGotoLineRow),
    Number(Scratch(kWorkStep + 2), kU8, 0, 7, Own(0, 255), 0, RowStepField, kTxtRepeatCycles),
    List(Scratch(kWorkStep + 3), 2, 0, RowStepField, kTxtStepMonitoring),
};
// The step-function flag that shows each row of the step editor.
constexpr int kStepEditorFlags[] = {0xFF, kSfRunTime, kSfExposure, kSfGoto, kSfGoto, kSfMonitoring};

template <std::size_t N>
constexpr std::array<Row, N> WithArgs(const Row (&rows)[N], const int (&args)[N]) {
    std::array<Row, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        out[i] = rows[i];
        out[i].entry.arg = args[i];
    }
    return out;
}

// ---- installation pages ------------------------------------------------------------------------------

constexpr Row kInstallationRows[] = {
    List(Block(kProcedure), 1, kPfRebuildBranch, DefaultHandler, kTxtProcedure),
    List(CtrlFix(64), 1, 0, ShownWhen<SwFrom6>, kTxtSensorDetection),
    List(CtrlFix(65), 0, 0, ShownWhen<SwFrom8>, kTxtImmersionLock),
};

constexpr Row kControlSystemRows[] = {
    List(Scratch(0x7000), 2, 0, RowControlBits, kTxtDcsControl),
    List(Scratch(0x7001), 1, 0, RowControlBits, kTxtDcsInputs),
    List(Scratch(0x7002), 1, 0, RowControlBits, kTxtDcsInputMs),
    List(Scratch(0x7003), 1, 0, RowControlBits, kTxtDcsInputAm),
    List(Scratch(0x7006), 0, 0, RowControlBits, kTxtDcsOutput34),
    List(Scratch(0x7004), 1, 0, RowControlBits, kTxtDcsOutputs),
};
constexpr int kControlSystemMasks[] = {0x07, 0x10, 0x20, 0x40, 0x08, 0x80};

constexpr Row kAccessRows[] = {
    Heading(kTxtAccessHeading),
    Number(CtrlFix(62), kI16, 0, 7, Own(0, 999), 0, DefaultHandler, kTxtAccessCode),
};

bool CavityShown() { return PurgonControlOn() && ParamByte(Block(2303)) == 1; }
bool CavityInterval() { return CavityShown() && ParamByte(Block(2309)) == 1; }
bool SensorSafetyShown() { return CavityShown() && SwFromA2(); }

constexpr Row kProbeRows[] = {
    List(Block(2303), 1, kHandlerList | kPfRebuildPage, RowProbeType, kTxtProbeType),
    Number(Block(2304), kU16, 30, 8, Own(0, 9999), 0, DefaultHandler, kTxtMoveTime),
    List(Block(2306), 2, 0, DefaultHandler, kTxtSealingWater),
    List(Block(2307), 3, 0, ShownWhen<SensorSafetyShown>, kTxtSensorSafety),
    List(Block(2309), 0, kPfRebuildPage, ShownWhen<CavityShown>, kTxtCavityRinsing),
    Number(Block(2310), kU16, 240, 18, Own(0, 999.9f), 0, ShownWhen<CavityInterval>, kTxtCavityInterval, 1),
    Number(Block(2312), kU16, 10, 79, Own(0, 99), 0, ShownWhen<CavityInterval>, kTxtRinseTime),
    Number(Block(2315), kU16, 0, 7, Own(0, 999), 0, ShownWhen<SwBefore9>, kTxtWearMax),
    List(CtrlFix(77), 0, kPfRebuildPage, Every<SwFrom9>, kTxtCheckInterval),
    Number(CtrlFix(78), kFloat, 0, 7, Own(0, 99999), kPfFormatFromHandler, RowCheckTravels, kTxtCheckTravels),
    List(CtrlFix(82), 0, kPfRebuildPage, Every<SwFrom9>, kTxtMaintenanceInterval),
    Number(CtrlFix(83), kFloat, 0, 7, Own(0, 999999), kPfFormatFromHandler, RowMaintenanceTravels,
           kTxtMaintenanceTravels),
};

// A setpoint and its admissible deviation in pH and, sharing the place, in °C; the monitoring choice
// shows one pair. The °C rows carry no default of their own.
constexpr std::array<Row, 4> SetpointRows(uint16_t setpoint, Handler handler, int index) {
    std::array<Row, 4> rows = {
        Number(Block(setpoint), kFloat, 7, 20, Own(-99.99f, 99.99f), 0, handler, kTxtSetpoint),
        Number(Block(setpoint + 4), kFloat, 1, 20, Own(-99.99f, 99.99f), 0, handler, kTxtDeviation),
        NumberWithoutDefault(Block(setpoint), kFloat, 10, 0, handler, kTxtSetpoint),
        NumberWithoutDefault(Block(setpoint + 4), kFloat, 10, 0, handler, kTxtDeviation),
    };
    for (int i = 0; i < 4; ++i) {
        rows[i].entry.arg = MediaArg(index, i < 2 ? kRolePh : kRoleCelsius) << 16;
        if (i >= 2) {
            rows[i].entry.flags |= kPfOwnLimits;
            rows[i].entry.lower = -999.9f;
            rows[i].entry.upper = 999.9f;
        }
    }
    return rows;
}

constexpr auto kRinseWaterRows = [] {
    std::array<Row, 5> rows{};
    rows[0] = List(Block(2317), 0, kPfRebuildPage, DefaultHandler, kTxtMonitoring);
    const auto setpoints = SetpointRows(2318, RowRinseWater, 0);
    for (int i = 0; i < 4; ++i) rows[1 + i] = setpoints[i];
    return rows;
}();

// The media rows carry their port or medium and role in bits 16..23 of the argument; a text row keeps its
// character set and length below them.
constexpr Row Tagged(Row row, int32_t arg) {
    row.entry.arg = (row.entry.arg & 0xFFFF) | (arg << 16);
    return row;
}

// Port g: use, medium name, volumes, monitoring, setpoints; an empty row between ports.
constexpr auto kMediaAdapterRows = [] {
    std::array<Row, 29> rows{};
    for (int g = 0; g < 3; ++g) {
        Row* r = &rows[10 * g];
        r[0] = List(Block(Port(g, 0)), 0, kPfRebuildPage, g == 2 ? RowPortThreeUse : DefaultHandler, kTxtPort[g]);
        r[1] = Tagged(Text(Block(kMediumName[g]), RowMediaPort, kTxtMedium, TextArg(6, kNameLength)), MediaArg(g, kRoleInUse));
        r[2] = Tagged(List(Block(Port(g, 1)), 1, 0, RowMediaPort, kTxtDisplacedVolume), MediaArg(g, kRoleVolume));
        r[3] = Tagged(List(Block(Port(g, 2)), 0, 0, RowMediaPort, kTxtResidualVolume), MediaArg(g, kRoleVolume));
        r[4] = Tagged(List(Block(Port(g, 4)), 0, kPfRebuildPage, RowMediaPort, kTxtMonitoring), MediaArg(g, kRoleInUse));
        const auto setpoints = SetpointRows(Port(g, 5), RowMediaPort, g);
        for (int i = 0; i < 4; ++i) r[5 + i] = setpoints[i];
        if (g < 2) r[9] = Separator();
    }
    return rows;
}();

constexpr Row kMediaAdapterControl3Rows[] = {
    List(Block(Port(2, 0)), 0, kPfRebuildPage, RowPortThreeUse, kTxtMeteringPump),
    Tagged(Text(Block(kMediumName[2]), RowMediaPort, kTxtMedium, TextArg(6, kNameLength)), MediaArg(2, kRoleInUse)),
    Tagged(List(Block(Port(2, 1)), 1, 0, RowMediaPort, kTxtDisplacedVolume), MediaArg(2, kRoleVolume)),
    Tagged(List(Block(Port(2, 2)), 0, 0, RowMediaPort, kTxtResidualVolume), MediaArg(2, kRoleVolume)),
};

constexpr auto kAdditionalMediaRows = [] {
    std::array<Row, 15> rows{};
    for (int m = 0; m < 2; ++m) {
        Row* r = &rows[8 * m];
        r[0] = List(Block(AddMedium(m, 0)), 0, kPfRebuildPage, DefaultHandler, kTxtAddMedium[m]);
        r[1] = Tagged(Text(Block(kMediumName[3 + m]), RowAddMedium, kTxtMedium, TextArg(6, kNameLength)),
                      MediaArg(m, kRoleInUse));
        r[2] = Tagged(List(Block(AddMedium(m, 1)), 0, kPfRebuildPage, RowAddMedium, kTxtMonitoring), MediaArg(m, kRoleInUse));
        const auto setpoints = SetpointRows(AddMedium(m, 2), RowAddMedium, m);
        for (int i = 0; i < 4; ++i) r[3 + i] = setpoints[i];
        if (m == 0) r[7] = Separator();
    }
    return rows;
}();

constexpr Row kAdditionalMediaControl3Rows[] = {
    List(Block(AddMedium(0, 0)), 0, kPfRebuildPage, DefaultHandler, kTxtAddMedium[0]),
    Tagged(Text(Block(kMediumName[3]), RowAddMedium, kTxtMedium, TextArg(6, kNameLength)), MediaArg(0, kRoleInUse)),
    Separator(),
    List(Block(AddMedium(1, 0)), 0, kPfRebuildPage, DefaultHandler, kTxtAddMedium[1]),
    Tagged(Text(Block(kMediumName[4]), RowAddMedium, kTxtMedium, TextArg(6, kNameLength)), MediaArg(1, kRoleInUse)),
};

// ---- parameter tables ----------------------------------------------------------------------------------

constexpr auto kControlSystemTable = WithArgs(kControlSystemRows, kControlSystemMasks);
constexpr auto kPointEditorTable = WithArgs(kPointEditorRows, kPointEditorModes);
constexpr auto kStepEditorTable = WithArgs(kStepEditorRows, kStepEditorFlags);

// The menu's tables P1..P23 in order.
constexpr std::span<const Row> kParamTables[] = {
    kControlRows, kCalPresetRows, kFixedIntervalRows, kWeekRows,
    kDayRows[2], kDayRows[3], kDayRows[4], kDayRows[5], kDayRows[6],  // P5..P9: Monday..Friday
    kDayRows[0], kDayRows[1],                                          // P10, P11: Saturday, Sunday
    kProgramRows, kInstallationRows, kControlSystemTable, kAccessRows, kProbeRows, kRinseWaterRows,
    kMediaAdapterRows, kMediaAdapterControl3Rows, kAdditionalMediaRows, kAdditionalMediaControl3Rows,
    kPointEditorTable, kStepEditorTable,
};
constexpr EntryTables<RowCount(kParamTables), std::size(kParamTables)> kEntries{kParamTables};
constexpr auto kEntryTables = kEntries.spans();

// ---- default records -----------------------------------------------------------------------------------

constexpr std::span<const Row> kTables[] = {
    kControlRows, kCalPresetRows, kFixedIntervalRows, kInstallationRows, kAccessRows, kProbeRows,
    kRinseWaterRows, kMediaAdapterRows, kMediaAdapterControl3Rows, kAdditionalMediaRows,
    kAdditionalMediaControl3Rows, kDayRows[0], kDayRows[1], kDayRows[2], kDayRows[3], kDayRows[4],
    kDayRows[5], kDayRows[6],
};

constexpr std::size_t kPurgonSize = 2716;
constexpr std::size_t kCtrlFixSize = 169;

// The name fields carry no row default: media and user programs are named as the device names them.
constexpr void PutName(std::array<uint8_t, kPurgonSize>& record, uint16_t at, const char* name) {
    for (int i = 0; i < kNameLength; ++i) record[at + i] = 0xB7;  // the device blank
    for (int i = 0; name[i] != '\0'; ++i) record[at + i] = static_cast<uint8_t>(name[i] == ' ' ? 0xB7 : name[i]);
}

constexpr auto kPurgonDefaults = [] {
    auto record = BuildRecord<kPurgonSize>(Section::PURGON, kTables);
    record[kBlockValid] = 2;
    record[kControlSystem] = 2;  // control by the control system off, every input and output at its first choice
    constexpr const char* kMedia[5] = {"Medium 1", "Medium 2", "Medium 3", "Medium 4", "Medium 5"};
    for (int i = 0; i < 5; ++i) PutName(record, kMediumName[i], kMedia[i]);
    constexpr const char* kUser[3] = {"Prog. 7", "Prog. 8", "Prog. 9"};
    for (int i = 0; i < 3; ++i) PutName(record, kUserProgramName[i], kUser[i]);
    return record;
}();

constexpr auto kCtrlFixDefaults = BuildRecord<kCtrlFixSize>(Section::CTRL_FIX, kTables);

}  // namespace

// ---- the menu ------------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuProbe[] = {
    MENU(1, MenuController, kTxtProbeControl, 1, kTop | kMfTitleFromHandler, 0x0100),  // 0
    MENU(1, MenuControlOn, kTxtCalPresets, 2, kTop, 0x0200),                            // 1
    MENU(1, MenuFixedInterval, kTxtFixedInterval, 3, kTop, 0x0400),                     // 2
    MENU(1, MenuWeekProgram, kTxtWeekProgram, 4, kTop, 0x0800),                         // 3
    MENU(2, MenuWeekProgram, kTxtDay[2], 5, 0, 0, 1),                                   // 4 Monday
    MENU(2, MenuWeekProgram, kTxtDay[3], 6, 0, 0, 2),                                   // 5
    MENU(2, MenuWeekProgram, kTxtDay[4], 7, 0, 0, 3),                                   // 6
    MENU(2, MenuWeekProgram, kTxtDay[5], 8, 0, 0, 4),                                   // 7
    MENU(2, MenuWeekProgram, kTxtDay[6], 9, 0, 0, 5),                                   // 8
    MENU(2, MenuWeekProgram, kTxtDay[0], 10, 0, 0, 6),                                  // 9 Saturday
    MENU(2, MenuWeekProgram, kTxtDay[1], 11, 0, 0, 7),                                  // 10 Sunday
    MENU(1, MenuControlled, kTxtProgramFlow, 0, kTop, 0x1000),                          // 11
    MENU(2, MenuProgram<1>, kTxtProgram[0], 12, kMfTitleFromHandler, 0, 1),             // 12
    MENU(2, MenuProgram<2>, kTxtProgram[1], 12, kMfTitleFromHandler, 0, 2),             // 13
    MENU(2, MenuProgram<3>, kTxtProgram[2], 12, kMfTitleFromHandler, 0, 3),             // 14
    MENU(2, MenuProgram<4>, kTxtProgram[3], 12, kMfTitleFromHandler, 0, 4),             // 15
    MENU(2, MenuProgram<5>, kTxtProgram[4], 12, kMfTitleFromHandler, 0, 5),             // 16
    MENU(2, MenuProgram<6>, kTxtProgram[5], 12, kMfTitleFromHandler, 0, 6),             // 17
    MENU(2, MenuProgram<7>, kTxtProgram[6], 12, kMfTitleFromHandler, 0, 7),             // 18
    MENU(2, MenuProgram<8>, kTxtProgram[7], 12, kMfTitleFromHandler, 0, 8),             // 19
    MENU(2, MenuProgram<9>, kTxtProgram[8], 12, kMfTitleFromHandler, 0, 9),             // 20
    MENU(2, MenuProgram<10>, kTxtProgram[9], 12, kMfTitleFromHandler, 0, 10),           // 21
    MENU(1, MenuControlled, kTxtInstallation, 13, kTop, 0x2000),                        // 22
    MENU(2, MenuControlled, kTxtDcs, 14),                                               // 23
    MENU(2, MenuControlled, kTxtAccess, 15),                                            // 24
    MENU(2, MenuProbeSettings, kTxtProbe, 16, kMfTitleFromHandler),                     // 25
    MENU(2, MenuControlOn, kTxtRinseWater, 17),                                         // 26
    MENU(2, MenuControlOn, kTxtMediaAdapter, 18),                                       // 27
    MENU(2, MenuControl3, kTxtMediaAdapter, 19),                                        // 28
    MENU(2, MenuControlOn, kTxtAdditionalMedia, 20),                                    // 29
    MENU(2, MenuControl3, kTxtAdditionalMedia, 21),                                     // 30
    rows::kMenuEnd,                                                                     // end
};

constinit const TMenuEntry ProbePointEditor = MENU(1, DefaultHandler, kTxtTimeManagement, 22);
constinit const TMenuEntry ProbeStepEditor = MENU(1, DefaultHandler, kTxtProgramFlow, 23);

#undef MENU

static_assert(std::size(MenuProbe) == kMenuProbeEnd + 1);

std::span<const uint8_t> PurgonDefaultRecord() { return kPurgonDefaults; }
std::span<const uint8_t> PurgonCtrlFixDefaults() { return kCtrlFixDefaults; }

}  // namespace tessalin
