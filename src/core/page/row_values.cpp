#include "core/page/row_values.h"

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
        return rec.text;
    }
    return EntryName(entry.texts);
}

void ReadChoice(const TParamEntry& entry, PageRow& row) {
    std::string list;
    if (entry.flags & kPfListFromHandler) {
        TEvParRec local;
        TEvParRec& rec = EventRecord(local);
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
    TEvParRec local;
    TEvParRec& rec = EventRecord(local);
    rec.number = 1;
    AskCurrent(kEvButtonCount, rec);
    const int count = rec.number;
    row.buttons.clear();
    for (int n = 1; n <= count; ++n) {
        PageButton button;
        button.number = n;
        rec.number = n;
        if (AskCurrent(kEvButtonPicture, rec)) button.glyph = rec.text;
        rec.number = n;
        AskCurrent(kEvButtonCaption, rec);
        button.caption = rec.text;
        rec.number = n;
        if (AskCurrent(kEvButtonHint, rec)) button.hint = rec.text;
        row.buttons.push_back(std::move(button));
    }
}

}  // namespace tessalin
