#pragma once
// The terminal plan: the picture of the unit selected at the top of the device tree (front unit, base
// unit, a module in slot [I]..[III], the I-module or the Purgon controller), composed from the program's
// bitmaps on a 500 x 600 surface. The selector is the one the device tree gives the "Grafik" page:
// module code x 256 + unit selector (0 a unit outside the slots, 1, 2, 4 the slots [I], [II], [III]);
// a module code of 79 or 80 is the Purgon controller.

#include <string>
#include <vector>

#include "core/canvas.h"

namespace tessalin {

inline constexpr int kPlanWidth = 500;
inline constexpr int kPlanHeight = 600;
inline constexpr uint32_t kPlanBackground = 0xF0F0F0;  // the button face the picture stands on

// Draws the plan of `selector` for the device in the workspace onto the canvas (from its top left).
void DrawTerminalPlan(int selector, Canvas& canvas);

// Every bitmap name a terminal plan may draw; each must exist among the program's pictures.
std::vector<std::string> TerminalPlanBitmapNames();

}  // namespace tessalin
