#include "gui/page/slider_row.h"

#include "gui/page/page_controls.h"

namespace tessalin::gui {

namespace {
constexpr int kSliderHeight = 30;
}

QSlider* MakeSlider(QWidget* panel, const PageRow& row, int y) {
    using namespace page_layout;
    auto* slider = new QSlider(Qt::Horizontal, panel);
    SetTag(slider, RowTag(row.row));
    slider->setGeometry(kValueX, y, kW - kValueX, kSliderHeight);
    slider->setRange(row.minimum, row.maximum);
    slider->setValue(row.position);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setEnabled(row.enabled);
    return slider;
}

}  // namespace tessalin::gui
