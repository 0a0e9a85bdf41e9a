#include "gui/page/button_row.h"

#include <QBitmap>
#include <QFrame>
#include <QLabel>

#include "gui/common/image_lists.h"
#include "gui/page/page_controls.h"

namespace tessalin::gui {

namespace {
constexpr int kButtonHeight = 25;
constexpr int kSingleWidth = 100;
constexpr int kNarrowWidth = 30;
constexpr int kSpacing = 4;
}  // namespace

QPixmap ButtonGlyph(const QString& name) {
    QPixmap glyph = NamedBitmap(name);
    if (!glyph.isNull()) glyph.setMask(glyph.createMaskFromColor(QColor(128, 128, 0)));
    return glyph;
}

std::vector<QPushButton*> MakeButtons(QWidget* panel, const PageRow& row, int y) {
    using namespace page_layout;
    std::vector<QPushButton*> buttons;
    const int width = row.buttons.size() == 1 ? kSingleWidth : kNarrowWidth;
    int x = kUnitLabelX;
    for (const PageButton& entry : row.buttons) {
        auto* button = new QPushButton(QString::fromStdString(entry.caption), panel);
        SetTag(button, ButtonTag(row.row, entry.number));
        button->setGeometry(x, y, width, kButtonHeight);
        if (!entry.glyph.empty()) {
            const QPixmap glyph = ButtonGlyph(QString::fromStdString(entry.glyph));
            button->setIcon(glyph);
            button->setIconSize(glyph.deviceIndependentSize().toSize());
        }
        if (!entry.hint.empty()) button->setToolTip(QString::fromStdString(entry.hint));
        button->setEnabled(entry.enabled);
        buttons.push_back(button);
        x += width + kSpacing;
    }
    return buttons;
}

void MakeButtonRowLabel(QWidget* panel, const PageRow& row, int y) {
    using namespace page_layout;
    auto* label = new QLabel(QString::fromStdString(row.label), panel);
    label->setObjectName(role::kNameLabel);
    SetTag(label, RowTag(row.row));
    label->setGeometry(kX0 + 10, y + 4, kW - 112, label->sizeHint().height());
    auto* frame = new QFrame(panel);
    frame->setObjectName(role::kButtonFrame);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(kX0 + 8, y + 2, kW - 110, label->height() + 2);
    frame->lower();
}

}  // namespace tessalin::gui
