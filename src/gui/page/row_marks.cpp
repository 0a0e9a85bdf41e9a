#include "gui/page/row_marks.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "gui/page/page_controls.h"

namespace tessalin::gui {

namespace {

constexpr const char* kMarkProperty = "rowMark";
constexpr const char* kOwnToolTipProperty = "ownToolTip";
constexpr const char* kMarkedLabelStyle = "QLabel { background-color: #FFD9A0; }";

// The row a control belongs to: its name label, value control or unit; none for button and matrix cells.
int ControlRow(const QWidget* control) {
    if (!HasTag(control)) return -1;
    const uint32_t tag = TagOf(control) & ~kUnitTagBit;
    return tag <= 0xFFFF ? static_cast<int>(tag) : -1;
}

void Mark(QWidget* control, const QString& text) {
    if (!control->property(kMarkProperty).toBool()) control->setProperty(kOwnToolTipProperty, control->toolTip());
    control->setProperty(kMarkProperty, true);
    control->setToolTip(text);
    if (control->objectName() == role::kNameLabel) control->setStyleSheet(kMarkedLabelStyle);
}

void Unmark(QWidget* control) {
    if (!control->property(kMarkProperty).toBool()) return;
    control->setProperty(kMarkProperty, false);
    control->setToolTip(control->property(kOwnToolTipProperty).toString());
    if (control->objectName() == role::kNameLabel) control->setStyleSheet(QString());
}

}  // namespace

void ShowRowMarks(QWidget* panel, const std::map<int, QString>& marks) {
    for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto mark = marks.find(ControlRow(control));
        if (mark != marks.end())
            Mark(control, mark->second);
        else
            Unmark(control);
    }
}

bool RowMarked(QWidget* panel, int row) {
    for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->objectName() == role::kNameLabel && ControlRow(control) == row)
            return control->property(kMarkProperty).toBool();
    return false;
}

}  // namespace tessalin::gui
