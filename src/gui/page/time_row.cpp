#include "gui/page/time_row.h"

#include <QFocusEvent>
#include <QMouseEvent>

#include "gui/page/number_edit.h"
#include "gui/page/page_controls.h"

namespace tessalin::gui {

TimePicker::TimePicker(QWidget* parent) : QTimeEdit(parent) { lineEdit()->installEventFilter(this); }

void TimePicker::focusInEvent(QFocusEvent* event) {
    QTimeEdit::focusInEvent(event);
    // The click that gave the focus places the cursor only after this: the hour is selected after it.
    enteredByClick_ = event->reason() == Qt::MouseFocusReason;
    setSelectedSection(QDateTimeEdit::HourSection);
}

void TimePicker::mousePressEvent(QMouseEvent* event) {
    QTimeEdit::mousePressEvent(event);
    if (enteredByClick_) setSelectedSection(QDateTimeEdit::HourSection);
    enteredByClick_ = false;
}

bool TimePicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && enteredByClick_) {
        enteredByClick_ = false;
        setSelectedSection(QDateTimeEdit::HourSection);
        return true;
    }
    return QTimeEdit::eventFilter(watched, event);
}

void TimePicker::focusOutEvent(QFocusEvent* event) {
    QTimeEdit::focusOutEvent(event);
    if (LeavesControl(event->reason())) emit Left();
}

TimePicker* MakeTimePicker(QWidget* panel, const PageRow& row, int y) {
    using namespace page_layout;
    auto* picker = new TimePicker(panel);
    SetTag(picker, RowTag(row.row));
    picker->setDisplayFormat("HH:mm");
    picker->setTime(QTime(row.hour, row.minute));
    picker->setGeometry(kValueX, y, kWidth, picker->sizeHint().height());
    picker->setEnabled(row.enabled);
    return picker;
}

}  // namespace tessalin::gui
