// Menu and parameter tables of the output module. Its current outputs and limit contacts are the shared
// output pages placed in OUT-SET; the OUT-SET default record is built from their defaults.

#include <array>

#include "core/catalogue/row_builders.h"
#include "core/catalogue/text_macros.h"
#include "core/families/output/output.h"
#include "core/families/shared/output_pages.h"
#include "core/range_error.h"

namespace tessalin {

namespace {

using namespace outputs;
using namespace rows;

constexpr TextRecord kTxtOutputI3 = NAME7("Ausgangsstrom I3", "Output current I3", "Courant de sortie I3",
                                          "Corrente d'uscita I3", "Utgångsström I3", "Corriente salida I3",
                                          "Corrente de saída I3");
constexpr TextRecord kTxtOutputI4 = NAME7("Ausgangsstrom I4", "Output current I4", "Courant de sortie I4",
                                          "Corrente d'uscita I4", "Utgångsström I4", "Corriente salida I4",
                                          "Corrente de saída I4");

// ---- current outputs I3 (OUT-SET +8, value type 196) and I4 (+128, 197) -------------------------------

using I3 = CurrentOutputRules<Section::OUT_SET, 8>;
using I4 = CurrentOutputRules<Section::OUT_SET, 128>;

constexpr auto kP1 = CurrentOutputRows<Section::OUT_SET, 8, 196>();
constexpr auto kP2 = ChartRows<Section::OUT_SET, 8, 196>();
constexpr auto kP3 = MessageBehaviourRows<Section::OUT_SET, 8>();
constexpr auto kP4 = CurrentOutputRows<Section::OUT_SET, 128, 197>();
constexpr auto kP5 = ChartRows<Section::OUT_SET, 128, 197>();
constexpr auto kP6 = MessageBehaviourRows<Section::OUT_SET, 128>();

// ---- limit contacts K5..K8 (variable at OUT-SET +254, +270, +286, +302; value types 207..210) ------

constexpr auto kP7 = LimitContactRows<Section::OUT_SET, 254, 207>();
constexpr auto kP8 = LimitContactRows<Section::OUT_SET, 270, 208>();
constexpr auto kP9 = LimitContactRows<Section::OUT_SET, 286, 209>();
constexpr auto kP10 = LimitContactRows<Section::OUT_SET, 302, 210>();

constexpr std::span<const Row> kTables[] = {kP1, kP2, kP3, kP4, kP5, kP6, kP7, kP8, kP9, kP10};

constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

constexpr auto kOutSetDefaults = BuildRecord<312>(Section::OUT_SET, kTables);

constexpr const TextRecord& LimitContactTitle(int k) { return kTxtLimitContactTitles[k - kFirstSlotLimitContact]; }

}  // namespace

// ---- the menu --------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuOut[] = {
    MENU(1, DefaultHandler, kTxtOutputI3, 1, kTop, 0x0100),          // 0
    MENU(2, I3::ChartMenu, kTxtChart, 2),                            // 1
    MENU(2, DefaultHandler, kTxtMessageBehaviour, 3),                // 2
    MENU(1, DefaultHandler, kTxtOutputI4, 4, kTop, 0x0200),          // 3
    MENU(2, I4::ChartMenu, kTxtChart, 5),                            // 4
    MENU(2, DefaultHandler, kTxtMessageBehaviour, 6),                // 5
    MENU(1, DefaultHandler, LimitContactTitle(5), 7, kTop, 0x0400),  // 6
    MENU(1, DefaultHandler, LimitContactTitle(6), 8, kTop, 0x0800),  // 7
    MENU(1, DefaultHandler, LimitContactTitle(7), 9, kTop, 0x1000),  // 8
    MENU(1, DefaultHandler, LimitContactTitle(8), 10, kTop, 0x2000), // 9
    rows::kMenuEnd,                                                  // end
};

#undef MENU

static_assert(std::size(MenuOut) == kMenuOutEnd + 1);

std::span<const TParamEntry> OutParamTable(int n) {
    CheckIndex("output module parameter table", n - 1, std::size(kEntryTables));
    return kEntryTables[n - 1];
}

std::span<const uint8_t> OutSetDefaultRecord() { return kOutSetDefaults; }

}  // namespace tessalin
