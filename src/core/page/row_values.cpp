#include "core/page/row_values.h"

#include <algorithm>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/texts.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

const TParamEntry* MakeRowCurrent(int row) {
    Workspace& ws = Ws();
    CheckIndex("page row", row, ws.FormpageRows.size());
    ws.CurrentParam = ws.FormpageRows[row];
    return ws.CurrentParam.param;
}

long long CurrentValueOffset() {
    const Workspace& ws = Ws();
    return ParamOffset(ws.CurrentParam.param->location, ws.CurrentParam.slot, ws.ActiveParamSet);
}

bool AskCurrent(int event, TEvParRec& rec) { return AskRow(*Ws().CurrentParam.param, event, rec); }

bool AskCurrent(int event) {
    TEvParRec rec;
    return AskCurrent(event, rec);
}

std::string RowLabel(const TParamEntry& entry) {
    if (entry.flags & kPfLabelFromHandler) {
        TEvParRec rec;
        AskCurrent(kEvTitle, rec);
        return rec.text;
    }
    return EntryName(entry.texts);
}

void ReadChoice(const TParamEntry& entry, PageRow& row) {
    std::string list;
    if (entry.flags & kPfListFromHandler) {
        TEvParRec rec;
        AskCurrent(kEvChoiceList, rec);
        list = rec.text;
    } else {
        list = EntryList(entry.texts);
    }
    row.items = ParseChoiceList(list, entry);
    if (row.items.empty()) {
        row.selected = -1;
        row.active = false;
        return;
    }
    row.active = true;
    row.selected = ListIndexOfValue(CurrentValueOffset(), row.items);
    row.enabled = AskCurrent(kEvRowEditable);
}

void ReadNumberInto(PageRow& row) {
    TIPretSingle number;
    ReadNumber(number);
    row.value = number.text;
    row.units.clear();
    for (const UnitChoice& unit : number.units) row.units.push_back(unit.text);
    row.unitIndex = number.unitIndex;
}

void ReadButtons(PageRow& row) {
    TEvParRec count;
    count.number = 1;
    AskCurrent(kEvButtonCount, count);
    row.buttons.clear();
    for (int n = 1; n <= count.number; ++n) {
        PageButton button;
        button.number = n;
        TEvParRec glyph;
        glyph.number = n;
        if (AskCurrent(kEvButtonPicture, glyph)) button.glyph = glyph.text;
        TEvParRec caption;
        caption.number = n;
        AskCurrent(kEvButtonCaption, caption);
        button.caption = caption.text;
        TEvParRec hint;
        hint.number = n;
        if (AskCurrent(kEvButtonHint, hint)) button.hint = hint.text;
        row.buttons.push_back(std::move(button));
    }
}

void ReadMatrixCells(PageRow& row) {
    for (std::size_t j = 0; j < row.cells.size(); ++j)
        for (std::size_t i = 0; i < row.cells[j].size(); ++i) {
            TEvParRec rec;
            rec.number = row.row | static_cast<int>(j << 16) | static_cast<int>(i << 24);
            AskCurrent(kEvMatrixCellState, rec);
            row.cells[j][i] = std::clamp(rec.number, 0, 2);
        }
}

}  // namespace tessalin
