// The rows of the digital-sensor carriers' operating-mode pages. The mode and variable rows edit the
// scratch copy of the three slots' settings; each row is shown only on the page of its own slot (its
// argument), older carriers (hardware below 32) with the first set of rows, newer ones with the second.
// The optical oxygen carrier has a page of its own with the same shape.

#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/opmode/handlers.h"
#include "core/families/opmode/opmode.h"
#include "core/families/opmode/texts.h"

namespace tessalin {

namespace {

using namespace opmode;
using namespace rows;

constexpr Predicate kModeItemsOld[] = {Always, Never, Always};
constexpr Predicate kVariableItemsOld[] = {ChosenSenvaro, ChosenSenvaroOxygen, ChosenSenvaro, ChosenOther,
                                           ChosenSenvaro};
constexpr Predicate kVariableItemsNew[] = {ChosenSenvaro, ChosenSenvaroF12, ChosenSenvaro, ChosenSenvaroOxygen,
                                           ChosenSenvaro, ChosenSenvaroOrOther, ChosenSenvaro};

// A scratch row of slot k.
constexpr Row SlotRow(uint16_t scratch, int k, uint32_t flags, Handler handler, const TextRecord& texts,
                      std::span<const Predicate> items = {}) {
    Row row = List(Scratch(static_cast<uint16_t>(scratch + k)), 0, flags, handler, texts, items);
    row.entry.arg = k;
    row.hasDefault = false;
    return row;
}

constexpr Row ApplyRow() {
    Row row{TParamEntry{.location = Scratch(0x700A), .flags = kPfRebuildPage | kPfLabelFromHandler | kPfNoDocumentation,
                        .kind = kKindButtons, .handler = RowApply, .texts = &kTxtApply}};
    return row;
}

constexpr Row kRows[] = {
    HandlerHeading(RowHeading, nullptr),
    SlotRow(0x7000, 0, kPfRebuildPage, RowModeOld, kTxtModeOld, kModeItemsOld),
    SlotRow(0x7000, 1, kPfRebuildPage, RowModeOld, kTxtModeOld, kModeItemsOld),
    SlotRow(0x7000, 2, kPfRebuildPage, RowModeOld, kTxtModeOld, kModeItemsOld),
    SlotRow(0x7003, 0, 0, RowVariableOld, kTxtVariableOld, kVariableItemsOld),
    SlotRow(0x7003, 1, 0, RowVariableOld, kTxtVariableOld, kVariableItemsOld),
    SlotRow(0x7003, 2, 0, RowVariableOld, kTxtVariableOld, kVariableItemsOld),
    SlotRow(0x7000, 0, kPfRebuildPage, RowModeNew, kTxtModeNew),
    SlotRow(0x7000, 1, kPfRebuildPage, RowModeNew, kTxtModeNew),
    SlotRow(0x7000, 2, kPfRebuildPage, RowModeNew, kTxtModeNew),
    SlotRow(0x7003, 0, 0, RowVariableNew, kTxtVariableNew, kVariableItemsNew),
    SlotRow(0x7003, 1, 0, RowVariableNew, kTxtVariableNew, kVariableItemsNew),
    SlotRow(0x7003, 2, 0, RowVariableNew, kTxtVariableNew, kVariableItemsNew),
    Separator(),
    ApplyRow(),
};

static_assert(std::size(kRows) == kOpModeLast + 1);

constexpr Predicate kModeItemsOptical[] = {Never, Always};

constexpr Row kOpticalRows[] = {
    HandlerHeading(RowHeading, nullptr),
    SlotRow(0x7000, 0, kPfRebuildPage, RowOwnSlot, kTxtModeOptical, kModeItemsOptical),
    SlotRow(0x7000, 1, kPfRebuildPage, RowOwnSlot, kTxtModeOptical, kModeItemsOptical),
    SlotRow(0x7000, 2, kPfRebuildPage, RowOwnSlot, kTxtModeOptical, kModeItemsOptical),
    SlotRow(0x7003, 0, 0, RowOwnSlot, kTxtSensorTypeOptical),
    SlotRow(0x7003, 1, 0, RowOwnSlot, kTxtSensorTypeOptical),
    SlotRow(0x7003, 2, 0, RowOwnSlot, kTxtSensorTypeOptical),
    Separator(),
    ApplyRow(),
};

static_assert(std::size(kOpticalRows) == kOpModeOptLast + 1);

}  // namespace

constinit const std::array<TParamEntry, kOpModeLast + 1> OpModeParams = Entries(kRows);
constinit const std::array<TParamEntry, kOpModeOptLast + 1> OpModeOptParams = Entries(kOpticalRows);

}  // namespace tessalin
