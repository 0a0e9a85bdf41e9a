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
    void focusOutEvent(QFocusEvent* event) override;
};

TimePicker* MakeTimePicker(QWidget* panel, const PageRow& row, int y);

}  // namespace tessalin::gui
