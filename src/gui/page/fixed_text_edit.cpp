#include "gui/page/fixed_text_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "core/catalogue/charsets.h"
#include "gui/page/number_edit.h"

namespace tessalin::gui {

namespace {
// Keys that edit or move rather than type a character: control characters and shortcuts.
bool TypesCharacter(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F;
}
}  // namespace

FixedTextEdit::FixedTextEdit(int charSet, int maxLength, QWidget* parent)
    : QLineEdit(parent), charSet_(charSet), maxLength_(maxLength) {
    setMaxLength(maxLength);
}

void FixedTextEdit::keyPressEvent(QKeyEvent* event) {
    if (!TypesCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    for (const char32_t typed : event->text().toUcs4()) {
        const auto held = static_cast<std::size_t>(text().size());
        const auto accepted = FilterTypedChar(charSet_, typed, held, static_cast<std::size_t>(maxLength_));
        if (!accepted) continue;
        const QString character = QString::fromUcs4(&*accepted, 1);
        // The text as the user typed it, so that undo and the change signal behave as for any key.
        QKeyEvent filtered(QEvent::KeyPress, 0, Qt::NoModifier, character);
        QLineEdit::keyPressEvent(&filtered);
    }
}

void FixedTextEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (LeavesControl(event->reason())) emit Left();
}

}  // namespace tessalin::gui
