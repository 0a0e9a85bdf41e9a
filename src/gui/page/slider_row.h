#pragma once
// The slider of a slider row: a horizontal track bar from the row's minimum to its maximum, 30 pixels
// high, spanning the value column to the end of the title section. The groove is filled from the
// minimum to the position, which shows the selection.

#include <QSlider>

#include "core/page/formpage.h"

namespace tessalin::gui {

QSlider* MakeSlider(QWidget* panel, const PageRow& row, int y);

}  // namespace tessalin::gui
