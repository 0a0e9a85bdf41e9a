#include "gui/page/matrix_row.h"

#include <QLabel>

#include <algorithm>

#include "gui/page/page_controls.h"

namespace tessalin::gui {

namespace {
constexpr int kPitch = 30;
constexpr int kColumnPitch = 50;
constexpr int kLabelWidth = 49;
constexpr int kColumnsAt = 100;     // column labels, from the page's left edge
constexpr int kCellsAt = 110;       // first check box, from the page's left edge
constexpr int kLabelGap = 1;

// A label as wide as its text and at least the matrix's standard label width; the full text is also
// its tooltip, so that two rows with the same beginning stay apart.
QLabel* MatrixLabel(QWidget* panel, const std::string& text, int x, int y, int width) {
    auto* label = new QLabel(QString::fromStdString(text), panel);
    label->setObjectName(role::kMatrixLabel);
    label->setToolTip(label->text());
    label->setGeometry(x, y, width, label->sizeHint().height());
    return label;
}

int WidestText(const QWidget* panel, const std::vector<std::string>& texts) {
    int widest = kLabelWidth;
    for (const std::string& text : texts)
        widest = std::max(widest, panel->fontMetrics().horizontalAdvance(QString::fromStdString(text)));
    return widest;
}
}  // namespace

int MatrixHeight(const PageRow& row) { return static_cast<int>(row.matrixRows.size()) * kPitch + kPitch; }

// The standard layout (row labels of 49 pixels, columns every 50 pixels) widens where a label needs
// more room: the columns move right of the widest row label, and every column takes the width of the
// widest column label, with its check box in the middle.
std::vector<MatrixCellBox> MakeMatrix(QWidget* panel, const PageRow& row, int y) {
    using namespace page_layout;
    const int rowLabelWidth = WidestText(panel, row.matrixRows);
    const int shift = std::max(0, rowLabelWidth + kLabelGap - kColumnsAt);
    const int columnLabelWidth = WidestText(panel, row.matrixColumns);
    const int pitch = columnLabelWidth + kLabelGap;
    const int cellOffset = (pitch - kColumnPitch) / 2;
    const auto columnX = [&](std::size_t i) { return kX0 + shift + static_cast<int>(i) * pitch; };
    std::vector<MatrixCellBox> boxes;
    for (std::size_t i = 0; i < row.matrixColumns.size(); ++i)
        MatrixLabel(panel, row.matrixColumns[i], columnX(i) + kColumnsAt, y + 5, columnLabelWidth);
    for (std::size_t j = 0; j < row.matrixRows.size(); ++j) {
        const int top = y + kPitch + static_cast<int>(j) * kPitch;
        MatrixLabel(panel, row.matrixRows[j], kX0, top, rowLabelWidth);
        for (std::size_t i = 0; i < row.matrixColumns.size(); ++i) {
            const int state = row.cells[j][i];
            auto* box = new QCheckBox(panel);
            SetTag(box, CellTag(row.row, static_cast<int>(j), static_cast<int>(i)));
            const int side = box->sizeHint().height();
            box->setGeometry(columnX(i) + kCellsAt + cellOffset, top, side + 10, side);
            box->setChecked(state == kCellOn);
            box->setEnabled(state != kCellDisabled);
            boxes.push_back({box, static_cast<int>(j), static_cast<int>(i)});
        }
    }
    return boxes;
}

void ShowMatrixCells(QWidget* panel, const PageRow& row) {
    for (QCheckBox* box : panel->findChildren<QCheckBox*>()) {
        const uint32_t tag = TagOf(box);
        const auto j = static_cast<std::size_t>((tag >> 16) & 0xFF), i = static_cast<std::size_t>(tag >> 24);
        if (static_cast<int>(tag & 0xFFFF) != row.row || j >= row.cells.size() || i >= row.cells[j].size()) continue;
        box->setChecked(row.cells[j][i] == kCellOn);
    }
}

}  // namespace tessalin::gui
