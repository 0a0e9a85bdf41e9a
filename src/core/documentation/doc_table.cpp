#include "core/documentation/doc_table.h"

#include <algorithm>
#include <cstdio>

#include "core/catalogue/events.h"
#include "core/catalogue/fixed_text.h"
#include "core/common/texts.h"
#include "core/page/formpage.h"
#include "core/page/row_values.h"
#include "core/range_error.h"
#include "core/settings/page_walk.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

constexpr int kHourValueType = 3;
constexpr int kTimeValueType = 81;
// Headings, notes and rows marked as not documented stay out of the table.
constexpr uint32_t kUndocumented = kPfHeading | kPfNoDocumentation | kPfHeadingFromHandler;

std::string TimeOfDay(int hour, int minute) {
    char text[12];
    std::snprintf(text, sizeof text, "%02d:%02d:00", hour, minute);
    return text;
}

// Writes rows into the table: the current row is the one being written; Next() moves on.
class TableWriter {
public:
    explicit TableWriter(DocTable& table) : table_(table) { table_.rows.emplace_back(); }
    DocRow& Row() { return table_.rows.back(); }
    void Next() { table_.rows.emplace_back(); }
    // The writer always holds one untouched row ahead of the last written one; it is not part of the table.
    void Finish() { table_.rows.pop_back(); }

private:
    DocTable& table_;
};

// Value and unit of the current row by its control kind.
void WriteValue(const TParamEntry& entry, DocRow& row) {
    const ParImageBuffer& image = Ws().ParImage;
    switch (entry.kind) {
        case kKindText:
            if (entry.valueType == kTextValueType)
                row[kColParameter] =
                    DocumentedText(ReadFixedText(CurrentValueOffset(), static_cast<std::size_t>(TextMaxLength(entry))));
            break;
        case kKindChoice: {
            PageRow choice;
            ReadChoice(entry, choice);
            if (choice.selected >= 0 && choice.selected < static_cast<int>(choice.items.size()))
                row[kColParameter] = choice.items[choice.selected].text;
            break;
        }
        case kKindNumber: {
            PageRow number;
            ReadNumberInto(number);
            row[kColParameter] = number.value;
            if (number.unitIndex >= 0 && number.unitIndex < static_cast<int>(number.units.size()))
                row[kColUnit] = number.units[number.unitIndex];
            break;
        }
        case kKindSlider: {
            const long long offset = CurrentValueOffset();
            row[kColParameter] = std::to_string((entry.flags & kPfInt8) ? image.i8(offset) : image.u8(offset));
            break;
        }
        case kKindTime: {
            const long long offset = CurrentValueOffset();
            // A stored hour or minute beyond the clock is shown at its limit rather than refused.
            if (entry.valueType == kHourValueType)
                row[kColParameter] = TimeOfDay(std::min<int>(image.u8(offset), 23), 0);
            else if (entry.valueType == kTimeValueType)
                row[kColParameter] = TimeOfDay(std::min<int>(image.u8(offset + 1), 23), std::min<int>(image.u8(offset), 59));
            break;
        }
        default:
            break;  // buttons, choice with buttons and pictures carry no value
    }
}

// A matrix: one row per matrix row, its label and the label of its last ticked column ("-" for none);
// the first matrix row takes the parameter's own row.
void WriteMatrix(const TParamEntry& entry, int tableRow, TableWriter& out) {
    const int rows = entry.arg & 0xFF;
    const int columns = (entry.arg >> 8) & 0xFF;
    if (rows == 0 || columns == 0) return;
    for (int j = 0; j < rows; ++j) {
        DocRow& row = out.Row();
        TEvParRec label;
        label.number = j;
        AskCurrent(kEvMatrixRowLabel, label);
        row[kColText] = label.text;
        row[kColParameter] = "-";
        for (int k = 0; k < columns; ++k) {
            TEvParRec cell;
            cell.number = tableRow | (j << 16) | (k << 24);
            AskCurrent(kEvMatrixCellState, cell);
            if (cell.number != kCellOn) continue;
            TEvParRec column;
            column.number = k;
            AskCurrent(kEvMatrixColumnLabel, column);
            row[kColParameter] = column.text;
        }
        out.Next();
    }
}

void WriteParameters(const TTabPtrRec& page, TableWriter& out) {
    Workspace& ws = Ws();
    if (page.params == nullptr) return;
    for (int r = 0; r <= page.lastParam; ++r) {
        CheckIndex("page row", r, ws.FormpageRows.size());
        ws.FormpageRows[r] = TParamRef{page.moduleType, page.slot, page.position, &page.params[r]};
        const TParamEntry& entry = *MakeRowCurrent(r);
        if (!AskCurrent(kEvRowVisible) || (entry.flags & kUndocumented)) continue;
        out.Row()[kColText] = RowLabel(entry);
        if (entry.kind == kKindMatrix)
            WriteMatrix(entry, r, out);
        else
            WriteValue(entry, out.Row());
        out.Next();
    }
}

void WriteNode(const TreeNode& node, TableWriter& out) {
    Workspace& ws = Ws();
    if (node.record < 0) return;
    CheckIndex("node record", node.record, kNodeRecordCount);
    TTabPtrRec page = ws.Tree.records[node.record];
    if (page.entry == nullptr) return;
    page.title = node.text;
    ws.CurrentPage = page;
    ws.CurrentParam = TParamRef{page.moduleType, page.slot, page.position, page.params};
    TEvParRec ev;
    if (node.level > 0 && !AskMenu(*page.entry, kEvMenuVisible, ev)) return;
    AskMenu(*page.entry, kEvPageOpen, ev);
    out.Row()[kColLevel] = std::to_string(node.level);
    out.Row()[kColMenu] = CatalogTextToPlain(node.text);
    out.Next();
    if (node.level > 0) WriteParameters(page, out);
}

}  // namespace

const DocRow& DocTable::Header() {
    static const DocRow header{"Level", "Menü", "Text", "Parameter", "Mzw"};
    return header;
}

const std::array<int, kDocColumns>& DocTable::ScreenWidths() {
    static const std::array<int, kDocColumns> widths{40, 160, 140, 100, 60};
    return widths;
}

DocTable BuildDocumentationTable() {
    // Documenting reads only: what a handler writes while its page is asked is put back.
    const StoredImageKeeper images;
    const PageContextKeeper context;
    Workspace& ws = Ws();
    const TTabPtrRec savedPage = ws.CurrentPage;
    const TParamRef savedParam = ws.CurrentParam;
    const auto savedRows = ws.FormpageRows;
    auto restore = [&] {
        ws.CurrentPage = savedPage;
        ws.CurrentParam = savedParam;
        ws.FormpageRows = savedRows;
    };

    DocTable table;
    TableWriter out(table);
    try {
        for (int id : NodesInOrder()) WriteNode(ws.Tree.nodes[id], out);
    } catch (...) {
        restore();
        throw;
    }
    out.Finish();
    restore();
    return table;
}

}  // namespace tessalin
