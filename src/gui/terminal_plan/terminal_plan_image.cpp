#include "gui/terminal_plan/terminal_plan_image.h"

#include "core/terminal_plan/terminal_plan.h"
#include "gui/page/picture_row.h"

namespace tessalin::gui {

QImage TerminalPlanImage(int selector) {
    // A picture file of its own size in pixels, whatever screen the program runs on.
    ImageCanvas canvas(kPlanWidth, kPlanHeight, 1.0);
    DrawTerminalPlan(selector, canvas);
    return canvas.Image();
}

}  // namespace tessalin::gui
