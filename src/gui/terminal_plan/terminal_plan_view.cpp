#include "gui/terminal_plan/terminal_plan_view.h"

#include <QPainter>

#include "core/terminal_plan/terminal_plan.h"
#include "gui/page/picture_row.h"

namespace tessalin::gui {

TerminalPlanView::TerminalPlanView(QWidget* parent) : QWidget(parent) { setFixedSize(kPlanWidth, kPlanHeight); }

void TerminalPlanView::ShowPlan(int selector) {
    selector_ = selector;
    update();
}

void TerminalPlanView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PicturePainter canvas(painter, size());
    DrawTerminalPlan(selector_, canvas);
}

}  // namespace tessalin::gui
