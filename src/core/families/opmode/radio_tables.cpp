// Menu and parameter tables of the I-module. The rows edit BUF-FIX directly; the defaults they name are
// those of the front unit's BUF-FIX record.

#include <array>

#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/opmode/radio.h"
#include "core/families/opmode/radio_handlers.h"
#include "core/families/opmode/radio_texts.h"
#include "core/families/opmode/texts.h"

namespace tessalin {

namespace {

using namespace radio;
using namespace rows;

constexpr Location Buf(uint16_t offset) { return At(Section::BUF_FIX, offset); }

// ---- item conditions -------------------------------------------------------------------------------

constexpr Predicate kModeItemsBefore8[] = {Always, Never, Always, OptFiu2k, Never, Never, Never, Never};
constexpr Predicate kModeItems80[] = {Always,           InterfaceRadio,   InterfaceRadio,   Always,          OptFiu2k,
                                      InterfacePresent, InterfaceSenvaro, InterfaceSenvaro, InterfaceSenvaro};
constexpr Predicate kModeItems82[] = {Always, InterfaceRadio, InterfaceRadio, Always,   OptFiu2k,
                                      Always, Always,         OptFiu2k,       Always,   OptFiu2k};
constexpr Predicate kModeItems9[] = {Always,   Always, OptFiu2k, Always,         Always,
                                     OptFiu2k, Always, OptFiu2k, InterfaceRadio, InterfaceRadio};
constexpr Predicate kVariableItems[] = {Always, OptFiuOxyOrSpu, Always, Always, Never};
constexpr Predicate kChannel1Items[] = {Ch1Item0, Ch1Item1, Ch1Item2, Ch1Item3, Ch1Item6};
constexpr Predicate kChannel2Items[] = {Ch2Item0, Ch2Item1, Ch2Item2, Ch2Item3, Ch2Item6};

constexpr Row RefreshRow(uint16_t scratch, Handler handler) {
    return {TParamEntry{.location = Scratch(scratch), .flags = kPfRebuildPage | kPfLabelFromHandler | kPfNoDocumentation,
                        .kind = kKindButtons, .handler = handler, .texts = &opmode::kTxtApply}};
}

// ---- parameter tables ------------------------------------------------------------------------------

constexpr Row kW1[] = {
    HandlerHeading(RowModeHeading, nullptr),
    List(Buf(212), 2, kPfRebuildPage, RowModeBefore8, kTxtModeBefore8, kModeItemsBefore8),
    List(Buf(212), 2, kPfRebuildPage, RowMode80or81, kTxtMode80, kModeItems80),
    List(Buf(212), 2, kPfRebuildPage, RowModeFrom82, kTxtMode82, kModeItems82),
    List(Buf(213), 0, 0, RowVariable1, kTxtVariable1, kVariableItems),
    List(Buf(214), 0, 0, RowVariable2, kTxtVariable2, kVariableItems),
    Separator(),
    RefreshRow(0x7004, RowApplyMode),
};

constexpr Row kW2[] = {
    HandlerHeading(RowZigBeeHeading, nullptr),
};

constexpr Row kW3[] = {
    HandlerHeading(RowModeHeading, nullptr),
    List(Buf(212), 2, kPfRebuildPage, DefaultHandler, kTxtMode9, kModeItems9),
    List(Buf(213), 0, 0, RowVariable1, kTxtVariable1, kChannel1Items),
    List(Buf(214), 0, 0, RowVariable2, kTxtVariable2, kChannel2Items),
    Separator(),
    RefreshRow(0x7004, RowApplyMode),
};

constexpr Row kW4[] = {
    HandlerHeading(RowZigBeeSettingHeading, nullptr),
    List(Buf(227), 1, 0, RowTelvoFor, kTxtTelvoFor),
    RefreshRow(0x700E, RowApplyRadioSetting),
};

constexpr std::span<const Row> kTables[] = {kW1, kW2, kW3, kW4};
constexpr EntryTables<RowCount(kTables), std::size(kTables)> kEntries{kTables};
constexpr auto kEntryTables = kEntries.spans();

}  // namespace

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuRadio[] = {
    MENU(1, MenuModeBefore9, kTxtOperatingMode, 1, kTop),          // 0
    MENU(1, MenuZigBeeBefore9, kTxtZigBeeConfiguration, 2, kTop),  // 1
    MENU(1, MenuModeFrom9, kTxtOperatingMode, 3, kTop),            // 2
    MENU(1, MenuZigBeeFrom9, kTxtZigBeeConfiguration, 4, kTop),    // 3
    rows::kMenuEnd,                                                // end
};

#undef MENU

static_assert(std::size(MenuRadio) == kMenuRadioEnd + 1);

}  // namespace tessalin
