#pragma once
// Drop-down lists of a page: the value list of a choice row (the items of the row's choice list, each
// with its code) and the unit list beside a number. Neither is editable; Enter moves the focus on.

#include <QComboBox>

#include "core/page/formpage.h"

namespace tessalin::gui {

class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget* parent);

signals:
    void Left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// Fills a value list with the row's items and selects the row's item (none for -1). An empty list
// shows item index 0, which selects nothing.
void ShowChoice(QComboBox& list, const PageRow& row);

// Fills a unit list with the row's units and selects the current one.
void ShowUnits(QComboBox& list, const PageRow& row);

}  // namespace tessalin::gui
