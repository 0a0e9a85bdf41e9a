// The "Grafik" page: the terminal plan of the unit selected at the top of the device tree, drawn anew
// each time the page is shown, in a scroll box so that a small window can still reach all of it.
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/main_window/zandor_form.h"
#include "gui/terminal_plan/terminal_plan_view.h"

namespace tessalin::gui {

namespace {

TerminalPlanView* GrafikImage(QWidget* sheet) {
    if (auto* image = sheet->findChild<TerminalPlanView*>("GrafikImage")) return image;
    auto* scroll = new QScrollArea(sheet);
    scroll->setObjectName("GrafikScrollBox");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* image = new TerminalPlanView;
    image->setObjectName("GrafikImage");
    scroll->setWidget(image);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return image;
}

}  // namespace

void TZandorForm::ShowTerminalPlan() {
    QWidget* sheet = MainPageControl_->widget(kPageGrafik);
    GrafikImage(sheet)->ShowPlan(sheet->property("Tag").toInt());
}

}  // namespace tessalin::gui
