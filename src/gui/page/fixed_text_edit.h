#pragma once
// The edit of a fixed-length text row. Keystrokes pass through the character set of the row: a blank
// becomes the device blank "·", lower-case letters become capitals where the set asks for it, other
// characters and anything beyond the field's length are swallowed. Pasted and dropped text goes through
// the same filter, character by character, so the field shows exactly what leaving it stores. Leaving
// the edit commits the text.

#include <QLineEdit>

namespace tessalin::gui {

class FixedTextEdit : public QLineEdit {
    Q_OBJECT
public:
    FixedTextEdit(int charSet, int maxLength, QWidget* parent);

    // Inserts `text` as if it had been typed.
    void TypeText(const QString& text);

signals:
    void Left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void PasteFiltered();

    int charSet_;
    int maxLength_;
};

}  // namespace tessalin::gui
