#pragma once
// The time picker of a time row: hour and minute in the format "HH:mm".

#include <QTimeEdit>

#include "core/page/formpage.h"

namespace tessalin::gui {

class TimePicker : public QTimeEdit {
    Q_OBJECT
public:
    explicit TimePicker(QWidget* parent);

signals:
    void Left();

protected:
    // Entering the field, by keyboard or by a click anywhere in it, selects the hour, so that typed
    // digits go to the hour first.
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool enteredByClick_ = false;
};

TimePicker* MakeTimePicker(QWidget* panel, const PageRow& row, int y);

}  // namespace tessalin::gui
