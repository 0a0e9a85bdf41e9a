#include "gui/page/choice_row.h"

#include <QFocusEvent>
#include <QSignalBlocker>

#include "gui/page/number_edit.h"
#include "gui/page/page_controls.h"

namespace tessalin::gui {

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    MoveFocusOnEnter(this);
}

void ChoiceBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (LeavesControl(event->reason())) emit Left();
}

void ShowChoice(QComboBox& list, const PageRow& row) {
    const QSignalBlocker quiet(list);
    list.clear();
    for (const ChoiceItem& item : row.items) list.addItem(QString::fromStdString(item.text), item.code);
    list.setCurrentIndex(row.items.empty() ? 0 : row.selected);
}

void ShowUnits(QComboBox& list, const PageRow& row) {
    const QSignalBlocker quiet(list);
    list.clear();
    for (const std::string& unit : row.units) list.addItem(QString::fromStdString(unit));
    list.setCurrentIndex(row.unitIndex);
}

}  // namespace tessalin::gui
