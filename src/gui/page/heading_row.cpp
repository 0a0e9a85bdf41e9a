#include "gui/page/heading_row.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

#include "gui/common/image_lists.h"
#include "gui/page/number_edit.h"
#include "gui/page/page_controls.h"

namespace tessalin::gui {

namespace {
constexpr int kInner = 8;
constexpr int kSeparatorHeight = 3;

// The value shown under a number row's heading; returns the edit's height.
int MakeHeadingValue(QWidget* panel, const PageRow& row, int top) {
    using namespace page_layout;
    auto* label = new QLabel(QString::fromStdString(row.valueLabel), panel);
    label->setObjectName(role::kValueLabel);
    SetTag(label, RowTag(row.row));
    label->move(kX0 + 12, top + 4);
    label->adjustSize();
    auto* edit = new NumberEdit(panel);
    SetTag(edit, RowTag(row.row));
    edit->setText(QString::fromStdString(row.value));
    edit->setGeometry(kValueX, top, kWidth, edit->sizeHint().height());
    edit->setEnabled(false);
    if (const std::string unit = row.unitLabel(); !unit.empty()) {
        auto* unitLabel = new QLabel(QString::fromStdString(unit), panel);
        unitLabel->setObjectName(role::kUnitLabel);
        SetTag(unitLabel, RowTag(row.row) | kUnitTagBit);
        unitLabel->setGeometry(kUnitLabelX, top + 4, kWidth, unitLabel->sizeHint().height());
    }
    return edit->height();
}
}  // namespace

int MakeHeading(QWidget* panel, const PageRow& row, int y) {
    using namespace page_layout;
    auto* frame = new QFrame(panel);
    frame->setObjectName(role::kHeadingFrame);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* label = new QLabel(QString::fromStdString(row.label), panel);
    label->setObjectName(role::kHeadingLabel);
    SetTag(label, RowTag(row.row));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->adjustSize();
    const int lineHeight = QFontMetrics(bold).height();

    int height = 0;
    const QPixmap icon = row.icon >= 0 ? BilderEnabled(row.icon) : QPixmap();
    if (icon.isNull()) {
        label->move(kX0 + 12, y + kInner);
        height = row.headingLines == 0 ? kSeparatorHeight : lineHeight * row.headingLines + 2 * kInner;
    } else {
        auto* picture = new QLabel(panel);
        picture->setObjectName(role::kHeadingIcon);
        picture->setPixmap(icon);
        const QSize iconSize = icon.deviceIndependentSize().toSize();
        picture->setGeometry(kX0 + 8, y + kInner, iconSize.width(), iconSize.height());
        label->move(kX0 + iconSize.width() + 24, y + kInner);
        height = std::max(iconSize.height(), (lineHeight - 4) * row.headingLines) + 2 * kInner;
    }
    if (row.kind == kKindNumber) height += MakeHeadingValue(panel, row, y + height) + kInner;
    frame->setGeometry(kX0, y, kW, height);
    frame->lower();
    return height;
}

}  // namespace tessalin::gui
