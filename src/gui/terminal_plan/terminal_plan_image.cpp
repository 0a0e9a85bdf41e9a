#include "gui/terminal_plan/terminal_plan_image.h"

#include "core/terminal_plan/terminal_plan.h"
#include "gui/page/picture_row.h"

namespace tessalin::gui {

QImage TerminalPlanImage(int selector) {
    ImageCanvas canvas(kPlanWidth, kPlanHeight);
    DrawTerminalPlan(selector, canvas);
    return canvas.Image();
}

}  // namespace tessalin::gui
