#pragma once
// The terminal plan as a picture: the core's drawing of the selected unit on a 500 x 600 image.

#include <QImage>

namespace tessalin::gui {

// The plan of `selector` (module code x 256 + unit selector) for the device in the workspace.
QImage TerminalPlanImage(int selector);

}  // namespace tessalin::gui
