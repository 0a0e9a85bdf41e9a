#include <algorithm>
#include <utility>

#include "core/catalogue/charsets.h"
#include "core/catalogue/codec.h"
#include "core/catalogue/fixed_text.h"
#include "core/catalogue/menu_tables.h"
#include "core/common/texts.h"
#include "core/page/formpage.h"
#include "core/page/row_text.h"
#include "core/page/row_values.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

constexpr int kTimeValueType = 81;

std::string TableError(bool badCharSet) {
    const bool german = Ws().UiLanguage == 0;
    if (badCharSet)
        return german ? "Formblatt: ASCII-Eingabe ohne gültigen Zeichensatz" : "Form: ASCII input without valid character set";
    return german ? "Formblatt: ASCII-Eingabe mit ungültiger Stringlänge" : "Form: ASCII input with invalid string length";
}

void BuildHeading(const TParamEntry& entry, PageRow& row) {
    row.heading = true;
    row.icon = entry.arg;
    if (entry.flags & kPfHeading) {
        row.label = entry.texts ? EntryName(entry.texts) : "";
        row.headingLines = entry.texts ? 1 : 0;
    } else {
        TEvParRec local;
        TEvParRec& rec = EventRecord(local);
        AskCurrent(kEvHeading, rec);
        row.label = std::move(rec.text);
        row.headingLines = rec.number;
    }
    if (entry.kind == kKindNumber) {
        row.valueLabel = RowLabel(entry);
        ReadNumberInto(row);
        row.enabled = false;
    }
}

// Returns false with the model's error set when the row is a text row with a table error.
bool BuildText(const TParamEntry& entry, PageRow& row, PageModel& page) {
    if (entry.valueType != kTextValueType) {
        row.active = false;
        return true;
    }
    row.charSet = entry.arg & 0xFF;
    row.maxLength = TextMaxLength(entry);
    if (row.charSet >= kCharSetCount || row.maxLength < 1 || row.maxLength > 32) {
        page.error = TableError(row.charSet >= kCharSetCount);
        page.errorRow = row.row;
        return false;
    }
    row.charSetName = std::string(CharSetTable()[row.charSet].name);
    row.value = ReadFixedText(CurrentValueOffset(), static_cast<std::size_t>(row.maxLength));
    row.enabled = AskCurrent(kEvRowEditable);
    return true;
}

void BuildSlider(const TParamEntry& entry, PageRow& row) {
    row.minimum = static_cast<int>(entry.lower);
    row.maximum = static_cast<int>(entry.upper);
    const long long offset = CurrentValueOffset();
    row.position = (entry.flags & kPfInt8) ? Ws().ParImage.i8(offset) : Ws().ParImage.u8(offset);
    row.value = std::to_string(row.position);
    row.enabled = AskCurrent(kEvRowEditable);
}

void BuildTime(const TParamEntry& entry, PageRow& row) {
    if (entry.valueType != kTimeValueType) {
        row.active = false;
        return;
    }
    const long long offset = CurrentValueOffset();
    row.hour = std::min<int>(Ws().ParImage.u8(offset + 1), 23);
    row.minute = std::min<int>(Ws().ParImage.u8(offset), 59);
    row.value = TimeText(row.hour, row.minute);
    row.enabled = AskCurrent(kEvRowEditable);
}

void BuildMatrix(const TParamEntry& entry, PageRow& row) {
    const int rows = entry.arg & 0xFF;
    const int columns = (entry.arg >> 8) & 0xFF;
    if (rows == 0 || columns == 0) return;
    TEvParRec local;
    TEvParRec& rec = EventRecord(local);
    for (int i = 0; i < columns; ++i) {
        rec.number = i;
        AskCurrent(kEvMatrixColumnLabel, rec);
        row.matrixColumns.push_back(rec.text);
    }
    for (int j = 0; j < rows; ++j) {
        rec.number = j;
        AskCurrent(kEvMatrixRowLabel, rec);
        row.matrixRows.push_back(rec.text);
    }
    row.cells.assign(rows, std::vector<int>(columns, kCellDisabled));
    ReadMatrixCells(row);
}

// Builds one value row; false when the page stops at it.
bool BuildValueRow(const TParamEntry& entry, PageRow& row, PageModel& page) {
    if (entry.kind != kKindPicture) row.label = RowLabel(entry);
    switch (entry.kind) {
        case kKindText:
            return BuildText(entry, row, page);
        case kKindChoice:
            ReadChoice(entry, row);
            break;
        case kKindNumber:
            ReadNumberInto(row);
            row.enabled = AskCurrent(kEvRowEditable);
            break;
        case kKindSlider:
            BuildSlider(entry, row);
            break;
        case kKindButtons:
            ReadButtons(row);
            break;
        case kKindTime:
            BuildTime(entry, row);
            break;
        case kKindMatrix:
            BuildMatrix(entry, row);
            break;
        case kKindChoiceButtons:
            ReadChoice(entry, row);
            ReadButtons(row);
            break;
        default:
            break;  // a picture is drawn by its handler; a bare kind 0 shows its name only
    }
    return true;
}

// Builds a shown row of the current entry; false when the page stops at it.
bool BuildRow(const TParamEntry& entry, int r, PageRow& row, PageModel& page) {
    row.row = r;
    row.kind = entry.kind;
    row.flags = entry.flags;
    if (entry.flags & (kPfHeading | kPfHeadingFromHandler)) {
        BuildHeading(entry, row);
        return true;
    }
    return BuildValueRow(entry, row, page);
}

}  // namespace

std::string PageRow::unitLabel() const {
    if (units.size() == 1 && unitIndex == 0) return units[0];
    return "";
}

PageRow* PageModel::find(int row) {
    for (PageRow& r : rows)
        if (r.row == row) return &r;
    return nullptr;
}

const PageRow* PageModel::find(int row) const { return const_cast<PageModel*>(this)->find(row); }

PageModel BuildFormpage() {
    Workspace& ws = Ws();
    PageModel page;
    const TTabPtrRec& current = ws.CurrentPage;
    if (PageIsNil(current)) {
        for (TParamRef& ref : ws.FormpageRows) ref.param = nullptr;
        page.title.assign(1, ' ');  // a single blank
        return page;
    }
    page.title = CatalogTextToPlain(current.title);
    const SharedEventRecord oneRecord;
    // The current page record is copied: handlers may change CurrentPage while the page is built.
    const TTabPtrRec record = current;
    // Room for every row at once: a row record is large, and moving the rows as the list grows showed in
    // the time of building the longest pages.
    page.rows.reserve(static_cast<std::size_t>(std::max(record.lastParam + 1, 0)));
    for (int r = 0; r <= record.lastParam; ++r) {
        CheckIndex("page row", r, ws.FormpageRows.size());
        ws.FormpageRows[r] = TParamRef{record.moduleType, record.slot, record.position,
                                       record.params ? &record.params[r] : nullptr};
        const TParamEntry* entry = MakeRowCurrent(r);
        if (entry == nullptr || !AskCurrent(kEvRowVisible)) continue;

        // Built in its place in the list: a row record is large, and moving each one there cost as much
        // as a short row's values.
        PageRow& row = page.rows.emplace_back();
        if (!BuildRow(*entry, r, row, page)) {
            page.rows.pop_back();
            break;
        }
    }
    return page;
}

std::optional<PageRow> BuildPageRow(int r) {
    CheckIndex("page row", r, Ws().FormpageRows.size());
    const TParamEntry* entry = MakeRowCurrent(r);
    if (entry == nullptr || !AskCurrent(kEvRowVisible)) return std::nullopt;
    const SharedEventRecord oneRecord;
    PageModel page;
    PageRow row;
    if (!BuildRow(*entry, r, row, page)) return std::nullopt;
    return row;
}

void DrawPictureRow(int row, void* canvas) {
    if (MakeRowCurrent(row) == nullptr) return;
    TEvParRec rec;
    rec.object = canvas;
    AskCurrent(kEvPicture, rec);
}

int ParamSetImage() { return Ws().ActiveParamSet ? 26 : 25; }

int SwitchParamSet() {
    Workspace& ws = Ws();
    ws.ActiveParamSet = !ws.ActiveParamSet;
    ws.PageRebuildRequest = true;
    return ParamSetImage();
}

}  // namespace tessalin
