// The "Grafik" page: the terminal plan of the unit selected at the top of the device tree, drawn anew
// each time the page is shown, in a scroll box so that a small window can still reach all of it.
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/main_window/zandor_form.h"
#include "gui/terminal_plan/terminal_plan_image.h"

namespace tessalin::gui {

namespace {

QLabel* GrafikImage(QWidget* sheet) {
    if (auto* image = sheet->findChild<QLabel*>("GrafikImage")) return image;
    auto* scroll = new QScrollArea(sheet);
    scroll->setObjectName("GrafikScrollBox");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* image = new QLabel;
    image->setObjectName("GrafikImage");
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setWidget(image);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return image;
}

}  // namespace

void TZandorForm::ShowTerminalPlan() {
    QWidget* sheet = MainPageControl_->widget(kPageGrafik);
    QLabel* image = GrafikImage(sheet);
    image->setPixmap(QPixmap::fromImage(TerminalPlanImage(sheet->property("Tag").toInt())));
    image->adjustSize();
}

}  // namespace tessalin::gui
