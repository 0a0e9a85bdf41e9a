#pragma once
// The buttons of a button row (and of a choice row with buttons): 100 wide when the row has one, else
// 30 wide, the first at the unit column and each further one 4 pixels to the right; each with its
// glyph, caption and tool tip.

#include <QPushButton>
#include <vector>

#include "core/page/formpage.h"

namespace tessalin::gui {

// Creates the row's buttons at top y; returns them in order (empty when the row has none).
std::vector<QPushButton*> MakeButtons(QWidget* panel, const PageRow& row, int y);

// The framed name label of a button row.
void MakeButtonRowLabel(QWidget* panel, const PageRow& row, int y);

// A glyph from the program's bitmaps; olive (128, 128, 0) is transparent.
QPixmap ButtonGlyph(const QString& name);

}  // namespace tessalin::gui
