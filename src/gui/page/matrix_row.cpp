#include "gui/page/matrix_row.h"

#include <QLabel>

#include "gui/page/page_controls.h"

namespace tessalin::gui {

namespace {
constexpr int kPitch = 30;
constexpr int kColumnPitch = 50;
constexpr int kLabelWidth = 49;

QLabel* MatrixLabel(QWidget* panel, const std::string& text, int x, int y) {
    auto* label = new QLabel(QString::fromStdString(text), panel);
    label->setObjectName(role::kMatrixLabel);
    label->setGeometry(x, y, kLabelWidth, label->sizeHint().height());
    return label;
}
}  // namespace

int MatrixHeight(const PageRow& row) { return static_cast<int>(row.matrixRows.size()) * kPitch + kPitch; }

std::vector<MatrixCellBox> MakeMatrix(QWidget* panel, const PageRow& row, int y) {
    using namespace page_layout;
    std::vector<MatrixCellBox> boxes;
    for (std::size_t i = 0; i < row.matrixColumns.size(); ++i)
        MatrixLabel(panel, row.matrixColumns[i], kX0 + 100 + static_cast<int>(i) * kColumnPitch, y + 5);
    for (std::size_t j = 0; j < row.matrixRows.size(); ++j) {
        const int top = y + kPitch + static_cast<int>(j) * kPitch;
        MatrixLabel(panel, row.matrixRows[j], kX0, top);
        for (std::size_t i = 0; i < row.matrixColumns.size(); ++i) {
            const int state = row.cells[j][i];
            auto* box = new QCheckBox(panel);
            SetTag(box, CellTag(row.row, static_cast<int>(j), static_cast<int>(i)));
            const int side = box->sizeHint().height();
            box->setGeometry(kX0 + 110 + static_cast<int>(i) * kColumnPitch, top, side + 10, side);
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
