#include "gui/page/number_edit.h"

#include <QFocusEvent>

#include "gui/page/page_controls.h"

namespace tessalin::gui {

QColor EditColourOf(EditColour colour) {
    switch (colour) {
        case EditColour::Red: return QColor(255, 0, 0);
        case EditColour::Yellow: return QColor(255, 255, 0);
        case EditColour::Lime: return QColor(0, 255, 0);
        case EditColour::White: break;
    }
    return QColor(255, 255, 255);
}

bool LeavesControl(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {
    MoveFocusOnEnter(this);
    SetColour(EditColour::White);
}

void NumberEdit::SetColour(EditColour colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, EditColourOf(colour));
    setPalette(palette);
}

void NumberEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (LeavesControl(event->reason())) emit Left();
}

}  // namespace tessalin::gui
