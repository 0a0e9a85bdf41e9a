#include "gui/page/fixed_text_edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

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
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        PasteFiltered();
        return;
    }
    if (!TypesCharacter(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    TypeText(event->text());
}

void FixedTextEdit::TypeText(const QString& text) {
    for (const char32_t typed : text.toUcs4()) {
        const auto held = static_cast<std::size_t>(this->text().size());
        const auto accepted = FilterTypedChar(charSet_, typed, held, static_cast<std::size_t>(maxLength_));
        if (!accepted) continue;
        const QString character = QString::fromUcs4(&*accepted, 1);
        // The text as the user typed it, so that undo and the change signal behave as for any key.
        QKeyEvent filtered(QEvent::KeyPress, 0, Qt::NoModifier, character);
        QLineEdit::keyPressEvent(&filtered);
    }
}

void FixedTextEdit::PasteFiltered() {
    if (isReadOnly() || !isEnabled()) return;
    // Line breaks and tabs of the clipboard are no characters of the field.
    TypeText(QGuiApplication::clipboard()->text());
}

void FixedTextEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction* paste = menu->findChild<QAction*>("edit-paste")) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &FixedTextEdit::PasteFiltered);
    }
    menu->popup(event->globalPos());
}

void FixedTextEdit::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText() || isReadOnly()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
    TypeText(event->mimeData()->text());
}

void FixedTextEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (LeavesControl(event->reason())) emit Left();
}

}  // namespace tessalin::gui
