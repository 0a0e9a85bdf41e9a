#include "gui/widgets/param_editors.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>
#include <QScrollBar>
#include <climits>

namespace tessalin {

namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

void PopupEditing::Begin(QWidget* self, const QString& href, const QPoint& at, int width) {
    href_ = href;
    ended_ = false;
    self->move(at);
    self->resize(width, self->sizeHint().height());
    self->show();
    self->activateWindow();
    self->setFocus(Qt::PopupFocusReason);
}

bool PopupEditing::HandleKey(QWidget* self, int key) {
    if (ended_) return false;
    if (IsEnter(key)) {
        // A value the editor cannot deliver keeps it open.
        if (Acceptable()) End(self, true, true);
        return true;
    }
    if (key == Qt::Key_Escape) {
        End(self, false, false);
        return true;
    }
    return false;
}

void PopupEditing::Left() {
    if (ended_) return;
    ended_ = true;
    if (DeliversWhenLeft() && Acceptable() && callbacks.OnValue) callbacks.OnValue(href_, Value());
    if (callbacks.OnClosed) callbacks.OnClosed();
}

void PopupEditing::End(QWidget* self, bool deliver, bool returned) {
    ended_ = true;
    const QString value = Value();
    self->hide();
    if (callbacks.OnClosed) callbacks.OnClosed();
    if (deliver && callbacks.OnValue) callbacks.OnValue(href_, value);
    if (returned && callbacks.OnReturn) callbacks.OnReturn();
}

// ---- edit --------------------------------------------------------------------------------------

TPopupEdit::TPopupEdit(QWidget* owner) : QLineEdit(owner) {
    setObjectName("TPopupEdit");
    setWindowFlags(Qt::Popup);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!autoSize_) return;
        const int wanted = fontMetrics().horizontalAdvance(text) + 16;
        if (wanted > width()) resize(wanted, height());
    });
}

void TPopupEdit::Open(const QString& href, const QPoint& at, int width, const QString& value, bool autoSize) {
    autoSize_ = autoSize;
    setText(value);
    selectAll();
    Begin(this, href, at, width);
}

void TPopupEdit::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(this, event->key())) QLineEdit::keyPressEvent(event);
}

void TPopupEdit::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    Left();
}

// ---- mask edit -----------------------------------------------------------------------------------

TPopupMaskEdit::TPopupMaskEdit(QWidget* owner) : QLineEdit(owner) {
    setObjectName("TPopupMaskEdit");
    setWindowFlags(Qt::Popup);
}

void TPopupMaskEdit::Open(const QString& href, const QPoint& at, int width, const QString& value,
                          const QString& mask) {
    QStringList parts = mask.split(';');
    if (parts.size() >= 3) parts.removeAt(1);
    setInputMask(parts.join(';'));
    setText(value);
    Begin(this, href, at, width);
}

void TPopupMaskEdit::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(this, event->key())) QLineEdit::keyPressEvent(event);
}

void TPopupMaskEdit::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    Left();
}

// ---- spin edit -----------------------------------------------------------------------------------

TPopupSpinEdit::TPopupSpinEdit(QWidget* owner) : QSpinBox(owner) {
    setObjectName("TPopupSpinEdit");
    setWindowFlags(Qt::Popup);
    setRange(INT_MIN, INT_MAX);
}

void TPopupSpinEdit::Open(const QString& href, const QPoint& at, int width, const QString& value) {
    // A value that is not a whole number starts the editor at 0.
    setValue(value.trimmed().toInt());
    Begin(this, href, at, width);
}

void TPopupSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(this, event->key())) QSpinBox::keyPressEvent(event);
}

void TPopupSpinEdit::hideEvent(QHideEvent* event) {
    QSpinBox::hideEvent(event);
    Left();
}

// ---- list box ------------------------------------------------------------------------------------

TPopupListBox::TPopupListBox(QWidget* owner) : QListWidget(owner) {
    setObjectName("TPopupListBox");
    setWindowFlags(Qt::Popup);
    setFrameShape(QFrame::Box);
}

void TPopupListBox::Open(const QString& href, const QPoint& at, const QStringList& choices, const QString& value) {
    clear();
    addItems(choices);
    int widest = 0;
    for (const QString& choice : choices) widest = std::max(widest, fontMetrics().horizontalAdvance(choice));
    const int rows = std::min<int>(static_cast<int>(choices.size()), 12);
    const int height = rows * sizeHintForRow(0) + 2 * frameWidth();
    int width = widest + 10 + 2 * frameWidth();
    if (choices.size() > rows) width += verticalScrollBar()->sizeHint().width();
    const QList<QListWidgetItem*> matches = findItems(value, Qt::MatchExactly);
    setCurrentItem(matches.isEmpty() ? nullptr : matches.first());
    Begin(this, href, at, width);
    resize(width, std::max(height, 16));
}

QString TPopupListBox::Value() const { return currentItem() ? currentItem()->text() : QString(); }

void TPopupListBox::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(this, event->key())) QListWidget::keyPressEvent(event);
}

void TPopupListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (QListWidgetItem* clicked = itemAt(event->position().toPoint())) {
        setCurrentItem(clicked);
        End(this, true, false);
    }
}

void TPopupListBox::hideEvent(QHideEvent* event) {
    QListWidget::hideEvent(event);
    Left();
}

// ---- date and time picker ------------------------------------------------------------------------

TPopupDatePicker::TPopupDatePicker(QWidget* owner) : QDateTimeEdit(owner) {
    setObjectName("TPopupDatePicker");
    setWindowFlags(Qt::Popup);
    setDateTime(QDateTime::currentDateTime());
}

QString TPopupDatePicker::DateFormat() { return QLocale().dateFormat(QLocale::ShortFormat); }
QString TPopupDatePicker::TimeFormat() { return QLocale().timeFormat(QLocale::ShortFormat); }

void TPopupDatePicker::Open(const QString& href, const QPoint& at, int width, const QString& value, Kind kind) {
    if (kind == Kind::Date) {
        setDisplayFormat(DateFormat());
        const QDate date = QDate::fromString(value, DateFormat());
        if (date.isValid()) setDate(date);
    } else {
        setDisplayFormat(TimeFormat());
        const QTime time = QTime::fromString(value, TimeFormat());
        if (time.isValid()) setTime(time);
    }
    Begin(this, href, at, width);
}

void TPopupDatePicker::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(this, event->key())) QDateTimeEdit::keyPressEvent(event);
}

void TPopupDatePicker::hideEvent(QHideEvent* event) {
    QDateTimeEdit::hideEvent(event);
    Left();
}

}  // namespace tessalin
