#pragma once
// The pictures of the terminal plan: housings of the front unit, the base unit, the modules and the
// Purgon controller, type plates, labels, terminal blocks, terminals and their numbers. Red is their
// transparent colour.

void DrawTerminalPlanBitmaps();
