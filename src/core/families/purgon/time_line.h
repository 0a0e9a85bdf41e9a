#pragma once
// The time-line picture of one day of the week program: six program rows over a 24-hour axis, a mark at
// every start of a program and a bar over every interval of repeated starts. Drawn on a picture canvas,
// so the window, the tests and the documentation share one drawing.

#include <array>
#include <string>

#include "core/canvas.h"

namespace tessalin::purgon {

inline constexpr int kTimeLineHeight = 136;
inline constexpr int kTimeLineAxisLength = 192;  // pixels for 24 hours

// The labels of the program rows 1..6 (index 0 = row 1) in the device language.
std::array<std::string, 6> TimeLineLabels();

// The x of a time of day on an axis that starts at x0; an invalid time lies at x0.
int TimeLineX(int x0, int hour, int minute);

// Draws the day (0 Saturday .. 6 Friday) with its switching points; sizes the canvas to the picture.
void DrawTimeLine(PictureCanvas& canvas, int day);

}  // namespace tessalin::purgon
