#pragma once
// The popup editors of the parameter tree view: an edit, a mask edit, a spin edit, a list box and a
// date/time picker. Each is a popup window placed in screen coordinates over the anchor it edits.
// Enter delivers the value, hides the editor, hands the focus back and reports the Enter; Escape hides
// it without delivering; closing it any other way (a click elsewhere) delivers, except the list box,
// which delivers only on Enter or a click on an entry.

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QString>
#include <functional>

namespace tessalin {

struct PopupCallbacks {
    std::function<void(const QString& href, const QString& value)> OnValue;
    std::function<void()> OnReturn;  // after Enter delivered a value
    std::function<void()> OnClosed;  // the editor is gone: the owner takes the focus back
};

// What all five editors share: where they stand, what they edit, and how an edit ends.
class PopupEditing {
public:
    virtual ~PopupEditing() = default;
    PopupCallbacks callbacks;
    const QString& Href() const { return href_; }

protected:
    // The value to deliver, and whether it may be delivered now.
    virtual QString Value() const = 0;
    virtual bool Acceptable() const { return true; }
    // Whether closing the editor without Enter or Escape delivers the value.
    virtual bool DeliversWhenLeft() const { return true; }

    void Begin(QWidget* self, const QString& href, const QPoint& at, int width);
    // True when the key ended the edit.
    bool HandleKey(QWidget* self, int key);
    void Left();
    void End(QWidget* self, bool deliver, bool returned);

private:
    QString href_;
    bool ended_ = true;
};

class TPopupEdit : public QLineEdit, public PopupEditing {
public:
    explicit TPopupEdit(QWidget* owner);
    void Open(const QString& href, const QPoint& at, int width, const QString& value, bool autoSize);

protected:
    QString Value() const override { return text(); }
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool autoSize_ = false;
};

class TPopupMaskEdit : public QLineEdit, public PopupEditing {
public:
    explicit TPopupMaskEdit(QWidget* owner);
    // `mask` as the anchor writes it; a trailing ";save;blank" pair keeps only the blank character.
    void Open(const QString& href, const QPoint& at, int width, const QString& value, const QString& mask);

protected:
    QString Value() const override { return text(); }
    bool Acceptable() const override { return hasAcceptableInput(); }
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

class TPopupSpinEdit : public QSpinBox, public PopupEditing {
public:
    explicit TPopupSpinEdit(QWidget* owner);
    void Open(const QString& href, const QPoint& at, int width, const QString& value);

protected:
    QString Value() const override { return text(); }
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

class TPopupListBox : public QListWidget, public PopupEditing {
public:
    explicit TPopupListBox(QWidget* owner);
    void Open(const QString& href, const QPoint& at, const QStringList& choices, const QString& value);

protected:
    QString Value() const override;
    bool Acceptable() const override { return currentItem() != nullptr; }
    bool DeliversWhenLeft() const override { return false; }
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

class TPopupDatePicker : public QDateTimeEdit, public PopupEditing {
public:
    enum class Kind { Date, Time };
    explicit TPopupDatePicker(QWidget* owner);
    // A value that does not read as a date (time) leaves the picker's date (time) as it was.
    void Open(const QString& href, const QPoint& at, int width, const QString& value, Kind kind);

    static QString DateFormat();
    static QString TimeFormat();

protected:
    QString Value() const override { return text(); }
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

}  // namespace tessalin
