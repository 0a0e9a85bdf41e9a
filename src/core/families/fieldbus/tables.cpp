// Menu and parameter tables of the fieldbus modules, with the factory default of every row beside it;
// the COM-SET and COM-FIX default records are built from those defaults at compile time.

#include <array>

#include "core/catalogue/process_variables.h"
#include "core/catalogue/row_builders.h"
#include "core/families/fieldbus/fieldbus.h"
#include "core/families/fieldbus/handlers.h"
#include "core/families/fieldbus/texts.h"
#include "core/range_error.h"

namespace tessalin {

namespace {

using namespace fieldbus;
using namespace rows;

constexpr Location ComSet(int offset) { return At(Section::COM_SET, static_cast<uint16_t>(offset)); }
constexpr Location ComFix(int offset) { return At(Section::COM_FIX, static_cast<uint16_t>(offset)); }

// An analog input offers the fieldbus variables, or none.
constexpr uint32_t kBusVariables = kPvFieldbus | kPvWithOff;
constexpr int kDcsEnabled = 1;

// Six analog inputs chosen among the variables of every module (COM-SET +8..+13).
constexpr auto kP1 = [] {
    std::array<Row, 6> inputs{};
    for (int i = 0; i < 6; ++i) inputs[i] = Variables(ComSet(8 + i), kBusVariables, 0, DefaultHandler, kTxtAnalogInputs[i]);
    return inputs;
}();

// A group of four analog inputs: the measuring module that feeds them (COM-FIX + at), then the inputs at the
// four bytes after it. A new module choice fills the inputs' lists again.
constexpr std::array<Row, 5> InputGroup(int at, int firstInput, Handler inputHandler) {
    std::array<Row, 5> group{};
    group[0] = List(ComFix(at), 0, kPfListFromHandler | kPfRefreshRows, RowMeasuringModule, kTxtMeasuringModule);
    for (int i = 0; i < 4; ++i)
        group[1 + i] = Variables(ComFix(at + 1 + i), kBusVariables, 0, inputHandler, kTxtAnalogInputs[firstInput + i]);
    return group;
}

constexpr auto kP2 = InputGroup(2, 0, RowInputOfGroup1);
constexpr auto kP3 = InputGroup(7, 4, RowInputOfGroup2);

constexpr Row kP4[] = {
    List(ComFix(12), kDcsEnabled, 0, DefaultHandler, kTxtEnableDcs),
};

constexpr std::span<const Row> kTables[] = {kP1, kP2, kP3, kP4};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

constexpr auto kComSetDefaults = BuildRecord<16>(Section::COM_SET, kTables);
constexpr auto kComFixDefaults = BuildRecord<13>(Section::COM_FIX, kTables);

}  // namespace

// ---- the menus -------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuPA[] = {
    MENU(1, MenuPaSixInputs, kTxtAiConfiguration, 1, kTop, 0x0100),        // 0
    MENU(1, MenuPaInputGroups, kTxtAi1To4Configuration, 2, kTop, 0x0100),  // 1
    MENU(1, MenuPaInputGroups, kTxtAi5To8Configuration, 3, kTop, 0x0200),  // 2
    MENU(1, MenuPaInputGroups, kTxtBusActivation, 4, kTop, 0x0400),        // 3
    rows::kMenuEnd,                                                        // end
};

constinit const TMenuEntry MenuFF[] = {
    MENU(1, DefaultHandler, kTxtAi1To4Configuration, 2, kTop, 0x0100),  // 0
    MENU(1, DefaultHandler, kTxtAi5To8Configuration, 3, kTop, 0x0200),  // 1
    MENU(1, DefaultHandler, kTxtBusActivation, 4, kTop, 0x0400),        // 2
    rows::kMenuEnd,                                                     // end
};

#undef MENU

static_assert(std::size(MenuPA) == kMenuPAEnd + 1);
static_assert(std::size(MenuFF) == kMenuFFEnd + 1);

std::span<const TParamEntry> FieldbusParamTable(int n) {
    CheckIndex("fieldbus parameter table", n - 1, std::size(kEntryTables));
    return kEntryTables[n - 1];
}

std::span<const uint8_t> ComSetDefaultRecord() { return kComSetDefaults; }
std::span<const uint8_t> ComFixDefaultRecord() { return kComFixDefaults; }

}  // namespace tessalin
