// The main window from the keyboard, and what it shows for orientation: the shortcuts of the "Datei"
// and "Hilfe" commands, Tab and Shift+Tab between the device tree and the parameter page, F6 to switch
// between them, the commands that need a device disabled while there is none, and a tree selection
// light enough for the coloured titles to stay legible on it, painted from the items' text.
#include <QAction>
#include <QKeyEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <QTreeWidget>

#include "core/main_window/save_decisions.h"
#include "core/workspace.h"
#include "gui/main_window/zandor_form.h"

namespace tessalin::gui {

namespace {

// Paints a tree's selection from the item's text only: the indent and the branch lines left of it keep
// the tree's ground.
class SelectionFromTextStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelItemViewRow) {
            if (const auto* row = qstyleoption_cast<const QStyleOptionViewItem*>(option)) {
                QStyleOptionViewItem ground = *row;
                ground.state &= ~State_Selected;
                QProxyStyle::drawPrimitive(element, &ground, painter, widget);
                return;
            }
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

// `share` parts of `a` to the rest of `b`.
QColor Blend(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * share + b.redF() * (1 - share)),
                            static_cast<float>(a.greenF() * share + b.greenF() * (1 - share)),
                            static_cast<float>(a.blueF() * share + b.blueF() * (1 - share)));
}

bool TakesTabFocus(const QWidget* widget, const QWidget* panel) {
    return (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isEnabled() && widget->isVisibleTo(panel) &&
           widget->focusProxy() == nullptr;
}

}  // namespace

void TZandorForm::SetUpKeyboard() {
    const struct {
        const char* action;
        QKeySequence keys;
    } shortcuts[] = {
        {"Neu1", QKeySequence::New},         {"Datei_Open", QKeySequence::Open},
        {"Datei_Save", QKeySequence::Save},  {"Drucken1", QKeySequence::Print},
        {"Bedienungsanleitung1", QKeySequence::HelpContents},
    };
    for (const auto& s : shortcuts) findChild<QAction*>(s.action)->setShortcut(s.keys);

    auto* switchPane = new QShortcut(QKeySequence(Qt::Key_F6), this);
    switchPane->setObjectName("SwitchPaneShortcut");
    connect(switchPane, &QShortcut::activated, this, &TZandorForm::SwitchPane);
}

void TZandorForm::UseLegibleTreeSelection() {
    auto* style = new SelectionFromTextStyle;
    style->setParent(DeviceTree_);
    DeviceTree_->setStyle(style);
    // The selected item keeps its own text colours (green titles, blue values) on a pale selection.
    QPalette palette = DeviceTree_->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight,
                         Blend(palette.color(group, QPalette::Highlight), palette.color(group, QPalette::Base), 0.3));
        palette.setColor(group, QPalette::HighlightedText, palette.color(group, QPalette::Text));
    }
    DeviceTree_->setPalette(palette);
}

QWidget* TZandorForm::FirstPageControl() const {
    QWidget* panel = page_.Formpage;
    for (QObject* child : panel->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget != nullptr && TakesTabFocus(widget, panel)) return widget;
    }
    return nullptr;
}

void TZandorForm::SwitchPane() {
    if (DeviceTree_->hasFocus()) {
        if (QWidget* first = FirstPageControl()) first->setFocus(Qt::TabFocusReason);
    } else {
        DeviceTree_->setFocus(Qt::OtherFocusReason);
    }
}

bool TZandorForm::HandleFocusKey(QObject* watched, QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    if (key->key() == Qt::Key_Tab && watched == DeviceTree_) {
        QWidget* first = FirstPageControl();
        if (first == nullptr) return false;
        first->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key->key() == Qt::Key_Backtab && watched != nullptr && watched == FirstPageControl()) {
        DeviceTree_->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

void TZandorForm::ShowCommandStates() {
    const bool device = HasDataSet();
    for (const char* name : {"Datei_SaveAs", "Drucken1", "ExportPDF", "ExportExcel1"})
        findChild<QAction*>(name)->setEnabled(device);
    for (const char* name : {"PrintButton", "ToolButton1", "ToolButton2", "BankButton"})
        findChild<QToolButton*>(name)->setEnabled(device);
}

}  // namespace tessalin::gui
