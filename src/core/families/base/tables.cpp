// Menu and parameter tables of the base unit, with the factory default of every row beside it; its
// share of the SYS-SET and SYS-FIX default records is built from those defaults at compile time.

#include <array>

#include "core/catalogue/row_builders.h"
#include "core/families/base/base.h"
#include "core/families/base/handlers.h"
#include "core/families/base/texts.h"
#include "core/families/shared/output_pages.h"
#include "core/range_error.h"

namespace tessalin {

namespace {

using namespace base;
using namespace rows;
using outputs::kTxtChart;
using outputs::kTxtMessageBehaviour;

constexpr Location Sys(uint16_t offset) { return At(Section::SYS_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::SYS_FIX, offset); }

// ---- current outputs I1 (SYS-SET +65, value type 194) and I2 (+185, 195) ----------------------------

using I1 = outputs::CurrentOutputRules<Section::SYS_SET, 65>;
using I2 = outputs::CurrentOutputRules<Section::SYS_SET, 185>;

constexpr auto kP1 = outputs::CurrentOutputRows<Section::SYS_SET, 65, 194>();
constexpr auto kP2 = outputs::ChartRows<Section::SYS_SET, 65, 194>();
constexpr auto kP3 = outputs::MessageBehaviourRows<Section::SYS_SET, 65>();
constexpr auto kP4 = outputs::CurrentOutputRows<Section::SYS_SET, 185, 195>();
constexpr auto kP5 = outputs::ChartRows<Section::SYS_SET, 185, 195>();
constexpr auto kP6 = outputs::MessageBehaviourRows<Section::SYS_SET, 185>();

// ---- contacts ------------------------------------------------------------------------------------------

// The usages that need a later software version: Quellora from 7, per slot from 7.4, control alarm from 7.
constexpr Predicate kUsageItems[] = {Always, Always, Always, Always, Always,   Always,
                                     Always, SwFrom7, SwFrom74, SwFrom74, SwFrom74, SwFrom7};

// K4, the NAMUR failure contact: contact type and delays only.
constexpr Row kP7[] = {
    List(Sys(384), 2, 0, DefaultHandler, kTxtContactType),
    Number(Sys(385), kU16, 10, 8, kNoLimits, 0, DefaultHandler, outputs::kTxtOnDelay),
    Number(Sys(387), kU16, 10, 8, kNoLimits, 0, DefaultHandler, outputs::kTxtOffDelay),
};

// Contact K1..K3 with its usage byte at SYS-SET + K; limit and hysteresis have the dependent type T.
template <uint16_t K, uint8_t T>
constexpr std::array<Row, 14> ContactRows(int usage, int direction) {
    using R = ContactRules<K>;
    constexpr auto at = [](int offset) { return Sys(static_cast<uint16_t>(K + offset)); };
    return {{
        List(at(0), usage, kPfRebuildPage, R::Usage, kTxtUsage, kUsageItems),
        List(at(kModuleSelection), 0, kPfListFromHandler, R::ModuleSelection, kTxtSelectModule),
        Variables(at(6), kPvOutput | kPvWithOff, kPfRefreshRows, R::VariableOrDirection, outputs::kTxtVariable),
        Number(at(8), kFloat, 0, T, kNoLimits, kPfTypeLimits, R::LimitValue, outputs::kTxtLimit),
        Number(at(12), kFloat, 0, T, kNoLimits, kPfTypeLimits, R::LimitValue, outputs::kTxtHysteresis),
        List(at(7), direction, 0, R::VariableOrDirection, outputs::kTxtDirection),
        Number(at(16), kU16, 24, 18, kNoLimits, 0, R::Rinse, kTxtRinseInterval),
        Number(at(18), kU16, 10, 8, kNoLimits, 0, R::Rinse, kTxtRinsingLeadTime),
        Number(at(20), kU16, 60, 8, kNoLimits, 0, R::Rinse, kTxtRinseTime),
        Number(at(22), kU16, 10, 8, kNoLimits, 0, R::Rinse, kTxtMeasurementLeadTime),
        List(at(1), 1, 0, DefaultHandler, kTxtContactType),
        Number(at(2), kU16, 10, 8, kNoLimits, 0, R::Delay, outputs::kTxtOnDelay),
        Number(at(4), kU16, 10, 8, kNoLimits, 0, R::Delay, outputs::kTxtOffDelay),
        List(at(24), 2, 0, R::Rinse, kTxtLogbookEntry),
    }};
}

constexpr int kNamurMaintenance = 1;
constexpr int kMin = 1;
constexpr int kMax = 2;

constexpr auto kP8 = ContactRows<357, 202>(kNamurMaintenance, kMin);  // K3
constexpr auto kP9 = ContactRows<331, 201>(kUsageLimit, kMax);        // K2
constexpr auto kP10 = ContactRows<305, 200>(kUsageLimit, kMin);       // K1

// ---- inputs OK1, OK2 -------------------------------------------------------------------------------

constexpr int32_t kNotePicture = 30;

constexpr Row kP11[] = {
    HandlerHeading(InputsNote, nullptr, kNotePicture),
    List(Fix(34), 1, 0, DefaultHandler, kTxtOk1Usage),
    List(Fix(168), 1, 0, DefaultHandler, kTxtInputOk1),
    List(Fix(169), 1, 0, DefaultHandler, kTxtInputOk2),
};

// Every table in order P1..P11.
constexpr std::span<const Row> kTables[] = {kP1, kP2, kP3, kP4, kP5, kP6, kP7, kP8, kP9, kP10, kP11};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

// ---- default records -------------------------------------------------------------------------------

constexpr auto kSysSetDefaults = BuildRecord<529>(Section::SYS_SET, kTables);
constexpr auto kSysFixDefaults = BuildRecord<170>(Section::SYS_FIX, kTables);

}  // namespace

// ---- the menu --------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

// Every item of the base unit's menu carries the first-level bit, the submenus of the outputs too.
constinit const TMenuEntry MenuBase[] = {
    MENU(1, DefaultHandler, kTxtOutputI1, 1, kTop, 0x0100),        // 0
    MENU(2, I1::ChartMenu, kTxtChart, 2, kTop),                    // 1
    MENU(2, DefaultHandler, kTxtMessageBehaviour, 3, kTop),        // 2
    MENU(1, DefaultHandler, kTxtOutputI2, 4, kTop, 0x0200),        // 3
    MENU(2, I2::ChartMenu, kTxtChart, 5, kTop),                    // 4
    MENU(2, DefaultHandler, kTxtMessageBehaviour, 6, kTop),        // 5
    MENU(1, DefaultHandler, kTxtContactK4, 7, kTop, 0x0400),       // 6
    MENU(1, DefaultHandler, kTxtContactK3, 8, kTop, 0x0800),       // 7
    MENU(1, DefaultHandler, kTxtContactK2, 9, kTop, 0x1000),       // 8
    MENU(1, DefaultHandler, kTxtContactK1, 10, kTop, 0x2000),      // 9
    MENU(1, DefaultHandler, kTxtInputs, 11, kTop, 0x4000),         // 10
    rows::kMenuEnd,                                                // end
};

#undef MENU

static_assert(std::size(MenuBase) == kMenuBaseEnd + 1);

std::span<const TParamEntry> BaseParamTable(int n) {
    CheckIndex("base unit parameter table", n - 1, std::size(kEntryTables));
    return kEntryTables[n - 1];
}

std::span<const uint8_t> BaseSysSetDefaults() { return kSysSetDefaults; }
std::span<const uint8_t> BaseSysFixDefaults() { return kSysFixDefaults; }

}  // namespace tessalin
