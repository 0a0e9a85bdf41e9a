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
    // A click on the text lands on the inner line edit, which would place the cursor and drop the
    // selection of the hour: the click that enters the field selects the hour instead.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool enteredByClick_ = false;
};

TimePicker* MakeTimePicker(QWidget* panel, const PageRow& row, int y);

}  // namespace tessalin::gui
