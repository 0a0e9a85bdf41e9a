#pragma once
// The numeric edit of a number row: every change the user makes is checked (and stored when it is a
// number), and leaving the edit checks again and corrects. The colour tells the user the outcome of
// the last check; Enter moves the focus on.

#include <QLineEdit>

#include "core/page/formpage.h"

namespace tessalin::gui {

class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent);

    void SetColour(EditColour colour);

signals:
    // The user left the edit (not for a menu or another window taking the focus for a moment).
    void Left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// The background of a checked number: white accepted, red not valid, yellow cut to a whole number,
// lime green replaced by a limit.
QColor EditColourOf(EditColour colour);

// Whether losing the focus for this reason means the user left the control.
bool LeavesControl(Qt::FocusReason reason);

}  // namespace tessalin::gui
