// Menu and parameter tables of the four calculation-block types, with the factory default of every row
// beside it; the CALC*-SET default records are built from those defaults at compile time.

#include <array>

#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/catalogue/value_rules.h"
#include "core/families/calc/calc.h"
#include "core/families/calc/handlers.h"
#include "core/families/calc/texts.h"
#include "core/families/ph/texts.h"
#include "core/families/shared/common_texts.h"
#include "core/families/shared/conductivity_texts.h"
#include "core/families/shared/limit_messages.h"

namespace tessalin {

namespace {

using namespace calc;
using namespace rows;

constexpr Location PhSet(uint16_t offset) { return At(Section::CALCPH_SET, offset); }
constexpr Location CondSet(uint16_t offset) { return At(Section::CALCCOND_SET, offset); }
constexpr Location OxySet(uint16_t offset) { return At(Section::CALCOXY_SET, offset); }
constexpr Location Co2Set(uint16_t offset) { return At(Section::CALCCO2_SET, offset); }

constexpr int kDifferenceOff = 0;
constexpr int kMonitoringOff = 1;
constexpr int kSelectionOff = 2;
constexpr int kPhValueOff = 2;

// A difference row: its list is "Off" and the formulas of the block's pair.
constexpr Row Difference(Location at, const TextRecord& texts, uint32_t flags = 0, Handler handler = RowDifference) {
    return List(at, kDifferenceOff, flags | kPfListFromHandler, handler, texts);
}

// A messages page (Monitoring and four limits) whose limits start at the bounds of their quantity.
template <Location monitoring>
constexpr std::array<Row, 5> Messages(uint8_t valueType, float lower, float upper) {
    return LimitMessages(monitoring, {kMonitoringOff, lower, lower, upper, upper}, valueType, Own(lower, upper), 0,
                         ShownWhileVariableLimits<monitoring>);
}

// A messages page over the same bytes as another one (the oxygen block's ppm limits for gases): the
// other page's rows give the defaults.
template <Location monitoring>
constexpr std::array<Row, 5> SharedMessages(uint8_t valueType, float lower, float upper) {
    auto rows = Messages<monitoring>(valueType, lower, upper);
    for (Row& row : rows) row.hasDefault = false;
    return rows;
}

// A messages page is shown while its value is calculated: a difference formula chosen (1..3), a
// selection on (1), an alkalization chosen (1 NaOH, 5 other).
template <Location difference>
constexpr Handler WhileDifference = rules::MenuWhile<difference, 1, 2, 3>;
template <Location selection>
constexpr Handler WhileOn = rules::MenuWhile<selection, 1>;

// ---- pH/ORP block ----------------------------------------------------------------------------------

constexpr Row kP1[] = {
    Difference(PhSet(8), kTxtDiffPh),
    Difference(PhSet(9), kTxtDiffOrp),
    Difference(PhSet(10), kTxtDiffTemp),
};
constexpr auto kP2 = Messages<PhSet(11)>(20, -2, 16);
constexpr auto kP3 = Messages<PhSet(28)>(22, -2000, 2000);
constexpr auto kP4 = Messages<PhSet(45)>(10, -50, 250);

// ---- conductivity block: every selection changes which messages pages exist ------------------------

constexpr Row kP5[] = {
    Difference(CondSet(8), kTxtDiffConductivity, kPfRebuildBranch),
    Difference(CondSet(9), kTxtDiffResistivity, kPfRebuildBranch),
    Difference(CondSet(10), kTxtDiffTemp, kPfRebuildBranch),
    List(CondSet(11), kSelectionOff, kPfRebuildBranch, DefaultHandler, kTxtRatio),
    List(CondSet(12), kSelectionOff, kPfRebuildBranch, DefaultHandler, kTxtPassage),
    List(CondSet(13), kSelectionOff, kPfRebuildBranch, DefaultHandler, kTxtRejection),
    List(CondSet(14), kSelectionOff, kPfRebuildBranch, DefaultHandler, kTxtDeviation),
    List(CondSet(135), kPhValueOff, kPfRebuildBranch | kPfRebuildPage, DefaultHandler, kTxtPhValue),
    Number(CondSet(174), kFloat, 1, 26, Own(0, 9.999f), 0, RowFactorA, kTxtFactorA),
    Number(CondSet(170), kFloat, 0, 26, Own(0, 999.9f), 0, RowFactorB, kTxtFactorB),
};
constexpr auto kP6 = Messages<CondSet(15)>(33, -1.999e6f, 1.999e6f);
constexpr auto kP7 = Messages<CondSet(32)>(35, -9.99e8f, 9.99e8f);
constexpr auto kP8 = Messages<CondSet(49)>(10, -150, 150);
constexpr auto kP9 = Messages<CondSet(66)>(69, 0, 19.99f);
constexpr auto kP10 = Messages<CondSet(83)>(70, 0, 199.9f);
constexpr auto kP11 = Messages<CondSet(100)>(71, -199.9f, 199.9f);
constexpr auto kP12 = Messages<CondSet(117)>(72, -199.9f, 199.9f);
constexpr auto kP13 = Messages<CondSet(153)>(20, 0, 199.9f);

// ---- oxygen block ----------------------------------------------------------------------------------

constexpr Row kP14[] = {
    Difference(OxySet(8), kTxtDiffAir, kPfRebuildBranch, RowOxyLiquidDifference),
    Difference(OxySet(9), kTxtDiffO2, kPfRebuildBranch, RowOxyLiquidDifference),
    Difference(OxySet(10), kTxtDiffGramsPerLitre, kPfRebuildBranch, RowOxyLiquidDifference),
    Difference(OxySet(11), kTxtDiffPpm, kPfRebuildBranch, RowOxyLiquidDifference),
    Difference(OxySet(98), kTxtDiffVolume, kPfRebuildBranch, RowOxyGasDifference),
    Difference(OxySet(99), kTxtDiffPpm, kPfRebuildBranch, RowOxyGasDifference),
    Difference(OxySet(12), kTxtDiffTemp, kPfRebuildBranch),
};
constexpr auto kP15 = Messages<OxySet(13)>(41, -600, 600);
constexpr auto kP16 = Messages<OxySet(30)>(42, -120, 120);
constexpr auto kP17 = Messages<OxySet(47)>(43, -90, 90);
constexpr auto kP18 = Messages<OxySet(117)>(44, -90, 90);
constexpr auto kP19 = Messages<OxySet(100)>(46, -150, 150);
constexpr auto kP20 = SharedMessages<OxySet(117)>(47, -9999, 9999);
constexpr auto kP21 = Messages<OxySet(81)>(10, -50, 250);

// ---- CO2 block -------------------------------------------------------------------------------------

constexpr Row kP22[] = {
    Difference(Co2Set(8), kTxtDiffPercent, kPfRebuildBranch),
    Difference(Co2Set(9), kTxtDiffMgPerLitre, kPfRebuildBranch),
    Difference(Co2Set(10), kTxtDiffTemp, kPfRebuildBranch),
    Difference(Co2Set(11), kTxtDiffHpa, kPfRebuildBranch),
};
constexpr auto kP23 = Messages<Co2Set(12)>(95, -200, 200);
constexpr auto kP24 = Messages<Co2Set(29)>(96, -4000, 4000);
constexpr auto kP25 = Messages<Co2Set(46)>(10, -150, 150);
// A partial pressure: value type 97 (hPa).
constexpr auto kP26 = Messages<Co2Set(63)>(97, -2000, 2000);

constexpr std::span<const Row> kTables[] = {
    kP1,  kP2,  kP3,  kP4,  kP5,  kP6,  kP7,  kP8,  kP9,  kP10, kP11, kP12, kP13,
    kP14, kP15, kP16, kP17, kP18, kP19, kP20, kP21, kP22, kP23, kP24, kP25, kP26,
};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

// ---- default records -------------------------------------------------------------------------------

constexpr auto kPhSetDefaults = BuildRecord<62>(Section::CALCPH_SET, kTables);
constexpr auto kCondSetDefaults = BuildRecord<178>(Section::CALCCOND_SET, kTables);
constexpr auto kOxySetDefaults = BuildRecord<134>(Section::CALCOXY_SET, kTables);
constexpr auto kCo2SetDefaults = BuildRecord<80>(Section::CALCCO2_SET, kTables);

}  // namespace

// ---- the menus -------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuCalcPH[] = {
    MENU(1, DefaultHandler, kTxtDifference, 1, kTop, 0x0100),          // 0
    MENU(1, DefaultHandler, common::kTxtMessages, 0, kTop, 0x4000),        // 1
    MENU(2, DefaultHandler, ph::kTxtMsgPh, 2),                         // 2
    MENU(2, DefaultHandler, ph::kTxtMsgOrp, 3),                        // 3
    MENU(2, DefaultHandler, common::kTxtMsgTemperature, 4),                // 4
    rows::kMenuEnd,                                                    // end
};

constinit const TMenuEntry MenuCalcCond[] = {
    MENU(1, DefaultHandler, kTxtCalcCond, 5, kTop, 0x0100),            // 0
    MENU(1, DefaultHandler, common::kTxtMessages, 0, kTop, 0x4000),        // 1
    MENU(2, WhileDifference<CondSet(8)>, conductivity::kTxtMsgConductivity, 6),             // 2
    MENU(2, WhileDifference<CondSet(9)>, conductivity::kTxtMsgResistivity, 7),               // 3
    MENU(2, WhileDifference<CondSet(10)>, common::kTxtMsgTemperature, 8),           // 4
    MENU(2, WhileOn<CondSet(11)>, kTxtMsgRatio, 9),                           // 5
    MENU(2, WhileOn<CondSet(12)>, kTxtMsgPassage, 10),                      // 6
    MENU(2, WhileOn<CondSet(13)>, kTxtMsgRejection, 11),                  // 7
    MENU(2, WhileOn<CondSet(14)>, kTxtMsgDeviation, 12),                  // 8
    MENU(2, (rules::MenuWhile<CondSet(135), 1, 5>), ph::kTxtMsgPh, 13),                            // 9
    rows::kMenuEnd,                                                    // end
};

constinit const TMenuEntry MenuCalcOxy[] = {
    MENU(1, DefaultHandler, kTxtCalcOxy, 14, kTop, 0x0100),            // 0
    MENU(1, DefaultHandler, common::kTxtMessages, 0, kTop, 0x4000),        // 1
    MENU(2, MenuOxySaturationAir, kTxtMsgSaturationAir, 15),           // 2
    MENU(2, MenuOxySaturationO2, kTxtMsgSaturationO2, 16),             // 3
    MENU(2, MenuOxyGramsPerLitre, kTxtMsgGramsPerLitre, 17),           // 4
    MENU(2, MenuOxyPpmLiquid, kTxtMsgPpm, 18),                         // 5
    MENU(2, MenuOxyVolume, kTxtMsgVolume, 19),                         // 6
    MENU(2, MenuOxyPpmGas, kTxtMsgPpm, 20),                            // 7
    MENU(2, WhileDifference<OxySet(12)>, common::kTxtMsgTemperature, 21),           // 8
    rows::kMenuEnd,                                                    // end
};

constinit const TMenuEntry MenuCalcCO2[] = {
    MENU(1, DefaultHandler, kTxtCalcCo2, 22, kTop, 0x0100),            // 0
    MENU(1, DefaultHandler, common::kTxtMessages, 0, kTop, 0x4000),        // 1
    MENU(2, WhileDifference<Co2Set(8)>, kTxtMsgPercent, 23),                       // 2
    MENU(2, WhileDifference<Co2Set(9)>, kTxtMsgMgPerLitre, 24),                 // 3
    MENU(2, WhileDifference<Co2Set(10)>, common::kTxtMsgTemperature, 25),           // 4
    MENU(2, WhileDifference<Co2Set(11)>, kTxtMsgHpa, 26),                               // 5
    rows::kMenuEnd,                                                    // end
};

#undef MENU

static_assert(std::size(MenuCalcPH) == kMenuCalcPHEnd + 1);
static_assert(std::size(MenuCalcCond) == kMenuCalcCondEnd + 1);
static_assert(std::size(MenuCalcOxy) == kMenuCalcOxyEnd + 1);
static_assert(std::size(MenuCalcCO2) == kMenuCalcCO2End + 1);

CalcSections CalcSectionsOf(int blockType) {
    switch (blockType) {
        case 128: return {Section::CALCPH_SET, Section::CALCPH_FIX};
        case 129: return {Section::CALCCOND_SET, Section::CALCCOND_FIX};
        case 130: return {Section::CALCOXY_SET, Section::CALCOXY_FIX};
        case 131: return {Section::CALCCO2_SET, Section::CALCCO2_FIX};
        default: return {};
    }
}

std::span<const uint8_t> CalcSetDefaultRecord(Section section) {
    switch (section) {
        case Section::CALCPH_SET: return kPhSetDefaults;
        case Section::CALCCOND_SET: return kCondSetDefaults;
        case Section::CALCOXY_SET: return kOxySetDefaults;
        case Section::CALCCO2_SET: return kCo2SetDefaults;
        default: return {};
    }
}

}  // namespace tessalin
