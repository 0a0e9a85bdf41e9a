// Rules of the front unit: which display and recorder rows are shown, the labels of the buffer tables
// and the concentration chart, the choice of calculation blocks (which changes the device's hardware),
// and the function control matrix.

#include "core/families/front/handlers.h"

#include <cstdio>
#include <string>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/number_text.h"
#include "core/catalogue/image_access.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_rules.h"
#include "core/catalogue/value_types.h"
#include "core/common/texts.h"
#include "core/device/calc_blocks.h"
#include "core/device/decode.h"
#include "core/device/designations.h"
#include "core/device/device.h"
#include "core/device/format.h"
#include "core/device/predicates.h"
#include "core/families/calc/calc.h"
#include "core/families/default_records.h"
#include "core/families/front/texts.h"
#include "core/workspace.h"

namespace tessalin::front {

namespace {

using rules::Menu;

constexpr Location kMainDisplay = At(Section::SYS_FIX, 3);
constexpr Location kKiMode = At(Section::SYS_FIX, 39);
constexpr Location kBlockChoice[2] = {At(Section::SYS_FIX, 77), At(Section::SYS_FIX, 78)};
constexpr Location kMatrixRows = At(Section::CTRL_FIX, 50);
constexpr Location kChartTemperatures = At(Section::SYS_SET, 389);

constexpr int kOneMainValue = 1;
constexpr int kKiContinuous = 1;
constexpr int kKiBatch = 3;
constexpr int kPhValueType = 20;
constexpr int kMainValue1Type = 192;  // resolved from the first main value's selector
constexpr int kMainValue2Type = 193;

int KiMode() { return Byte(kKiMode); }
bool KiRunning() { return KiMode() == kKiContinuous || KiMode() == kKiBatch; }

// Answers the title event with the text `make` returns; every other event (a page asks each row whether
// it is shown and editable as well) goes to the default handler without making the text.
template <typename MakeText>
bool Label(int event, TEvParRec& rec, MakeText make) {
    if (event != kEvTitle) return DefaultHandler(event, rec);
    rec.text = make();
    return true;
}

bool ResolvesToPh(uint8_t valueTypeByte) {
    const ResolvedValueType resolved = ResolveValueType(valueTypeByte);
    return resolved && resolved.type->index() == kPhValueType;
}

// ---- calculation blocks ------------------------------------------------------------------------------

// Slot-table bytes of calculation block c: block type, record index (its slot number for locations) and
// the slot mask of the modules it combines.
long long BlockTypeAt(int c) { return 51 + 5LL * c; }
long long BlockRecordAt(int c) { return 52 + 5LL * c; }
long long BlockMaskAt(int c) { return 53 + 5LL * c; }

// A new block type starts from its factory defaults, in both parameter sets.
void CopyBlockDefaults(int blockType, uint8_t slot) {
    const CalcSections sections = CalcSectionsOf(blockType);
    for (Section section : {sections.set, sections.fix}) {
        const auto record = DefaultRecord(section);
        WriteBlock(ParamOffset(At(section, 0), slot, false), record);
        if (SectionPerSet(section)) WriteBlock(ParamOffset(At(section, 0), slot, true), record);
    }
}

// Block c takes definition `code` (0 none) in the slot table: its type, record index and slots.
void StoreBlock(int c, int code) {
    const uint8_t blockType = code == 0 ? 0 : CalcBlockTable()[code].blockType;
    WriteU8(BlockTypeAt(c), blockType);
    WriteU8(BlockRecordAt(c), blockType == 0 ? 0 : static_cast<uint8_t>(3 + c));
    WriteU8(BlockMaskAt(c), CalcDefinitionSlotMask(code));
}

// The front's choice for block c has just been written: the block takes the chosen definition's type and
// slots, or none when the definition does not fit the installed modules (the choice is then set back to
// "Off"). The device is decoded from the image again, and the tree is rebuilt with the same node selected
// once the commit is over.
void ApplyBlockChoice(int c) {
    int code = Byte(kBlockChoice[c]);
    if (!CalcDefinitionFits(code)) {
        code = 0;
        SetParamByte(kBlockChoice[c], 0, false);
    }
    const uint8_t blockType = code == 0 ? 0 : CalcBlockTable()[code].blockType;
    const uint8_t previous = ReadU8(BlockTypeAt(c));
    StoreBlock(c, code);
    if (blockType != 0 && blockType != previous) CopyBlockDefaults(blockType, static_cast<uint8_t>(3 + c));
    Ws().Device.Origin = kOriginTool;
    DecodeDevice(false);
    RequestTreeRebuild();
}

// "Off", then every definition that fits the installed modules, named with the slots it combines.
std::string BlockList() {
    std::string list = "0|" + EntryName(&kTxtBlockOff);
    const auto table = CalcBlockTable();
    for (int code = 1; code < static_cast<int>(table.size()); ++code)
        if (CalcDefinitionFits(code))
            list += "|" + std::to_string(code) + "|" + FormatSlotMask(CalcDefinitionSlotMask(code)) +
                    std::string(table[code].name);
    return list;
}

bool AnyDefinitionFits() {
    for (int code = 1; code < static_cast<int>(CalcBlockTable().size()); ++code)
        if (CalcDefinitionFits(code)) return true;
    return false;
}

// ---- function control matrix -------------------------------------------------------------------------

enum MatrixRow { kInputOk2 = 0, kSoftkeyLeft = 1, kSoftkeyRight = 2, kProfibusDo2 = 3, kMatrixRowCount = 4 };
enum MatrixColumn { kParSet = 0, kKiRec = 1, kFavourite = 2, kPurgon = 3, kMatrixColumnCount = 4 };

Location MatrixRowByte(int row) { return At(kMatrixRows.section, static_cast<uint16_t>(kMatrixRows.offset + row)); }

bool CellAvailable(int row, int column) {
    switch (row) {
        case kInputOk2:
            return (column == kParSet && ParamSetsInternal()) || (column == kKiRec && OptKiRec());
        case kSoftkeyLeft:
        case kSoftkeyRight:
            return column == kParSet || (column == kKiRec && OptKiRec()) || column == kFavourite ||
                   (column == kPurgon && PurgonType79());
        case kProfibusDo2:
            return AnySlotPa() && ((column == kParSet && ParamSetsInternal()) || (column == kKiRec && OptKiRec()));
        default:
            return false;
    }
}

int CellState(int row, int column) {
    if (row < 0 || row >= kMatrixRowCount || column < 0 || column >= kMatrixColumnCount) return 0;
    if (!CellAvailable(row, column)) return 0;
    return Byte(MatrixRowByte(row)) == (1 << column) ? 2 : 1;
}

// A function is started by one source at most: setting a cell makes its column the row's only function
// and takes that function from every other row; clearing it removes the function from the row.
void ClickCell(int row, int column, bool checked) {
    if (row < 0 || row >= kMatrixRowCount || column < 0 || column >= kMatrixColumnCount) return;
    const int bit = 1 << column;
    if (!checked) {
        SetParamByte(MatrixRowByte(row), static_cast<uint8_t>(Byte(MatrixRowByte(row)) & ~bit), false);
        return;
    }
    SetParamByte(MatrixRowByte(row), static_cast<uint8_t>(bit), false);
    for (int other = 0; other < kMatrixRowCount; ++other)
        if (other != row && (Byte(MatrixRowByte(other)) & bit) != 0)
            SetParamByte(MatrixRowByte(other), static_cast<uint8_t>(Byte(MatrixRowByte(other)) & ~bit), false);
}

// The Purgon controller's column carries its name under the device's brand.
std::string PurgonColumnTitle() { return ModuleName(kPosCalc1, 79); }

// ---- labels ------------------------------------------------------------------------------------------

int RowArg() { return Ws().CurrentParam.param != nullptr ? Ws().CurrentParam.param->arg : 0; }

// Appends "+25.0 °C" to `out`: always signed, one decimal, as printf's "%+4.1f" writes it.
void AppendChartTemperature(std::string& out, int column) {
    const long long offset = ParamOffsetHere(
        At(kChartTemperatures.section, static_cast<uint16_t>(kChartTemperatures.offset + 4 * column)));
    const std::string number = PrintedFixed(ReadEncoded(offset, Encoding::Float), 1);
    if (number[0] != '-') out += '+';
    out.append(number).append(" \xC2\xB0" "C");
}

}  // namespace

// ---- menu items --------------------------------------------------------------------------------------

bool MenuKiChannel(int e, TEvParRec& r) { return Menu(e, r, OptKiRec() && KiRunning()); }
bool MenuCalcBlocks(int e, TEvParRec& r) { return Menu(e, r, AnyDefinitionFits()); }

bool MenuBufferSet(int e, TEvParRec& r) {
    if (e != kEvTitle) return Menu(e, r, OptPuff());
    const TMenuEntry* entry = Ws().CurrentPage.entry;
    r.text = EntryName(&kTxtBuffer);
    if (entry != nullptr && entry->subIndex != 0) r.text += static_cast<char>(entry->subIndex);
    return true;
}

// ---- measurement display -----------------------------------------------------------------------------

bool RowDisplayFormat(int e, TEvParRec& r) {
    if (e != kEvRowVisible) return DefaultHandler(e, r);
    return ResolvesToPh(kMainValue1Type) || (Byte(kMainDisplay) != kOneMainValue && ResolvesToPh(kMainValue2Type));
}

// ---- system control ----------------------------------------------------------------------------------

bool RowParamSetsNote(int e, TEvParRec& r) {
    if (e != kEvHeading) return DefaultHandler(e, r);
    r.text = EntryName(&kTxtSwitchoverSee) + "\r\n" + EntryName(&kTxtSwitchoverMatrix);
    r.number = 2;
    return true;
}

bool RowCalcBlock(int e, TEvParRec& r) {
    if (e == kEvChoiceList) {
        r.text = BlockList();
        return true;
    }
    if (e == kEvCheckCode) {
        // A definition that still fits the modules, while the device no longer has its block (a repair or
        // a change of configuration removed it): the analyser calculates nothing there.
        const int c = Ws().CurrentParam.param->location == kBlockChoice[0] ? 0 : 1;
        const auto table = CalcBlockTable();
        if (r.number > 0 && r.number < static_cast<int>(table.size()) &&
            Ws().Device.CalcBlock[c].Code != table[static_cast<std::size_t>(r.number)].blockType) {
            r.number = kCodeRefused;
            r.text = "0 " + EntryName(&kTxtBlockOff);
        }
        return true;
    }
    if (e != kEvCommitted) return DefaultHandler(e, r);
    const Location at = Ws().CurrentParam.param->location;
    ApplyBlockChoice(at == kBlockChoice[0] ? 0 : 1);
    return true;
}

bool RowFunctionMatrix(int e, TEvParRec& r) {
    switch (e) {
        case kEvMatrixRowLabel:
            r.text = r.number >= 0 && r.number < kMatrixRowCount ? EntryName(&kTxtMatrixRows[r.number]) : "";
            return true;
        case kEvMatrixColumnLabel:
            if (r.number >= 0 && r.number < kPurgon) r.text = EntryName(&kTxtMatrixColumns[r.number]);
            else r.text = r.number == kPurgon ? PurgonColumnTitle() : "";
            return true;
        case kEvMatrixCellState:
            r.number = CellState((r.number >> 16) & 0xFF, (r.number >> 24) & 0xFF);
            return true;
        case kEvMatrixClick:
            ClickCell((r.number >> 16) & 0xFF, (r.number >> 24) & 0xFF, (r.number & 1) != 0);
            return true;
        default:
            return DefaultHandler(e, r);
    }
}

// ---- labels ------------------------------------------------------------------------------------------

// "pH-Wert bei 05 °C:": the row's temperature with two digits.
bool RowBufferValue(int e, TEvParRec& r) {
    return Label(e, r, [] {
        char temperature[8];
        std::snprintf(temperature, sizeof temperature, "%02d", RowArg());
        return EntryName(&kTxtPhValueAt) + " " + temperature + " \xC2\xB0" "C:";
    });
}

bool RowChartTemperature(int e, TEvParRec& r) {
    return Label(e, r, [] { return EntryName(&kTxtChartTemperature) + " " + std::to_string(RowArg() + 1) + ":"; });
}

bool RowChartConcentration(int e, TEvParRec& r) {
    return Label(e, r,
                 [] { return EntryName(&kTxtChartConcentration) + " " + static_cast<char>('A' + RowArg()) + ":"; });
}

// "1: LF bei +25.0 °C": the column and the temperature the column stands for.
bool RowChartConductivity(int e, TEvParRec& r) {
    return Label(e, r, [] {
        const int column = RowArg();
        std::string label = std::to_string(column + 1);
        label.reserve(32);
        label.append(EntryName(&kTxtConductivityAt)).append(" ");
        AppendChartTemperature(label, column);
        return label;
    });
}

}  // namespace tessalin::front

namespace tessalin {

bool DropCalcBlocksThatNoLongerFit() {
    bool dropped = false;
    for (int c = 0; c < 2; ++c) {
        const long long choiceAt = ParamOffset(front::kBlockChoice[c], 255, false);
        const int choice = ReadU8(choiceAt);
        const uint8_t blockType = ReadU8(front::BlockTypeAt(c));
        if ((choice == 0 || CalcDefinitionFits(choice)) && (blockType == 0 || CalcBlockCodeFits(blockType))) continue;
        WriteU8(choiceAt, 0);
        front::StoreBlock(c, 0);
        dropped = true;
    }
    return dropped;
}

}  // namespace tessalin
