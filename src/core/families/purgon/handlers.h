#pragma once
// Handlers of the Purgon controller's program editor: which menu items are shown and how programs are
// titled, the week program (time lines, copying days, switching points and their editor), the fixed
// interval, and the step programs (step rows, their editor, inserting and deleting steps). Every event
// they do not answer goes to the default handler.

#include "core/catalogue/tables.h"

namespace tessalin::purgon {

// ---- menu items
bool MenuController(int event, TEvParRec& rec);   // always shown; title by software version
bool MenuControlOn(int event, TEvParRec& rec);
bool MenuControl3(int event, TEvParRec& rec);
bool MenuControlled(int event, TEvParRec& rec);
bool MenuProbeSettings(int event, TEvParRec& rec);  // "Sonde": controlled; titled by brand and option
bool MenuFixedInterval(int event, TEvParRec& rec);
bool MenuWeekProgram(int event, TEvParRec& rec);
// Program k: shown by the measuring procedure, titled by controller type and user names; opening its
// page loads its steps into the working copy.
bool MenuProgramEntry(int program, int event, TEvParRec& rec);
template <int K>
bool MenuProgram(int event, TEvParRec& rec) {
    return MenuProgramEntry(K, event, rec);
}

// ---- rows
// A program choice of a timer (fixed interval, cal timer): "Off" and the program names.
bool RowTimerProgram(int event, TEvParRec& rec);
// Week-program page: the time line of day `arg`, and its copy row (choice of target day, Copy button).
bool RowWeekPicture(int event, TEvParRec& rec);
bool RowCopyDay(int event, TEvParRec& rec);
// Day page: switching point (arg = day * 16 + point): its program choice and its Edit button.
bool RowPointProgram(int event, TEvParRec& rec);
bool RowPointButton(int event, TEvParRec& rec);
// Switching-point editor: a row shown for the mode in `arg` (0: always).
bool RowPointField(int event, TEvParRec& rec);
// Program page: a user program's name (its program number in arg bits 16..23), and step row `arg`.
bool RowUserProgramName(int event, TEvParRec& rec);
bool RowStep(int event, TEvParRec& rec);
// Step editor: the function choice, and a field shown for the step-function flags in `arg`.
bool RowStepFunction(int event, TEvParRec& rec);
bool RowStepField(int event, TEvParRec& rec);
// The step editor's "Goto line": a line of the open program, up to its end marker.
bool RowGotoLine(int event, TEvParRec& rec);

// The argument of a switching point's rows.
constexpr int32_t PointArg(int day, int point) { return day * 16 + point; }

}  // namespace tessalin::purgon
