#pragma once
// The handler contract: every menu and parameter entry names one handler; what it does not answer falls
// to DefaultHandler. Calls go through AskEntry/AskRow so that a missing handler behaves like the default.

#include "core/catalogue/tables.h"

namespace tessalin {

// Event 8: the process-variable list of the row's class mask (the `arg` of CurrentParam's entry).
// Every other event: true (shown, editable, nothing changed).
bool DefaultHandler(int event, TEvParRec& rec);

// Sends an event to a parameter entry's handler (the default handler when it names none).
bool AskRow(const TParamEntry& entry, int event, TEvParRec& rec);

// Sends an event to a menu entry's handler. A menu entry without a handler (the end entry) answers
// false: it is never shown.
bool AskMenu(const TMenuEntry& entry, int event, TEvParRec& rec);

}  // namespace tessalin
