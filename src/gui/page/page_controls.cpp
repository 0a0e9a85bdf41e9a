#include "gui/page/page_controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace tessalin::gui {

namespace {
constexpr const char* kTagProperty = "tag";

class EnterMovesOn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(watched, &tab);
        return true;
    }
};
}  // namespace

void SetTag(QObject* control, uint32_t tag) { control->setProperty(kTagProperty, QVariant::fromValue(tag)); }

uint32_t TagOf(const QObject* control) { return control->property(kTagProperty).value<uint32_t>(); }

bool HasTag(const QObject* control) { return control->property(kTagProperty).isValid(); }

void MoveFocusOnEnter(QWidget* control) { control->installEventFilter(new EnterMovesOn(control)); }

}  // namespace tessalin::gui
