#pragma once
// A heading or note row: bold text in a lowered bevel frame across the title section's width, with the
// row's picture in front of it, or a plain separator line when it has no text. A heading of a number row
// also shows the value, read-only, with its label and unit.

#include "core/page/formpage.h"

class QWidget;

namespace tessalin::gui {

// Creates the heading at top y; returns the frame's height.
int MakeHeading(QWidget* panel, const PageRow& row, int y);

}  // namespace tessalin::gui
