#include "core/page/row_values.h"

#include <algorithm>
#include <utility>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/common/texts.h"
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

namespace {
TEvParRec* gSharedRecord = nullptr;
}  // namespace

SharedEventRecord::SharedEventRecord() : outer_(gSharedRecord) { gSharedRecord = &record_; }

SharedEventRecord::~SharedEventRecord() { gSharedRecord = outer_; }

TEvParRec& EventRecord(TEvParRec& local) { return gSharedRecord != nullptr ? *gSharedRecord : local; }

bool AskCurrent(int event, TEvParRec& rec) { return AskRow(*Ws().CurrentParam.param, event, rec); }

bool AskCurrent(int event) {
    TEvParRec local;
    return AskCurrent(event, EventRecord(local));
}

std::string RowLabel(const TParamEntry& entry) {
    if (entry.flags & kPfLabelFromHandler) {
        TEvParRec local;
        TEvParRec& rec = EventRecord(local);
        AskCurrent(kEvTitle, rec);
        return std::move(rec.text);
    }
    return EntryName(entry.texts);
}

void ReadChoice(const TParamEntry& entry, PageRow& row) {
    std::string list;
    if (entry.flags & kPfListFromHandler) {
        TEvParRec local;
        TEvParRec& rec = EventRecord(local);
        AskCurrent(kEvChoiceList, rec);
        list = std::move(rec.text);
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
    // One record for every number row of every page: its unit list is not made anew for each row.
    static TIPretSingle number;
    // Without a value type (no variable chosen) there is no value to show: empty rather than "NaN".
    row.value = ReadNumber(number) ? std::move(number.text) : std::string();
    row.units.clear();
    row.units.reserve(number.units.size());
    for (UnitChoice& unit : number.units) row.units.push_back(std::move(unit.text));
    row.unitIndex = number.unitIndex;
}

void ReadButtons(PageRow& row) {
    TEvParRec local;
    TEvParRec& rec = EventRecord(local);
    rec.number = 1;
    AskCurrent(kEvButtonCount, rec);
    const int count = rec.number;
    row.buttons.clear();
    // Each question starts from an empty text: a handler that names no caption (a picture button) leaves
    // none, rather than the picture's name or another row's text.
    const auto ask = [&rec](int event, int n) {
        rec.number = n;
        rec.text.clear();
        return AskCurrent(event, rec);
    };
    for (int n = 1; n <= count; ++n) {
        PageButton button;
        button.number = n;
        if (ask(kEvButtonPicture, n)) button.glyph = rec.text;
        ask(kEvButtonCaption, n);
        button.caption = rec.text;
        if (ask(kEvButtonHint, n)) button.hint = rec.text;
        button.enabled = ask(kEvButtonEnabled, n);
        row.buttons.push_back(std::move(button));
    }
}

void ReadMatrixCells(PageRow& row) {
    TEvParRec local;
    TEvParRec& rec = EventRecord(local);
    for (std::size_t j = 0; j < row.cells.size(); ++j)
        for (std::size_t i = 0; i < row.cells[j].size(); ++i) {
            rec.number = row.row | static_cast<int>(j << 16) | static_cast<int>(i << 24);
            AskCurrent(kEvMatrixCellState, rec);
            row.cells[j][i] = std::clamp(rec.number, 0, 2);
        }
}

}  // namespace tessalin
