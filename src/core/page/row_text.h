#pragma once
// A shown row as text: its kind's name, the value it shows and the unit chosen beside it. What the
// command-line pages print, what settings files carry and what comparisons compare.

#include <string>

#include "core/page/formpage.h"

namespace tessalin {

// "heading", "text", "choice", "number", "slider", "buttons", "time", "matrix", "choice+buttons", "picture".
std::string KindName(const PageRow& row);

// The name a row shows beside its value: its label, or for a heading that shows a value the label beside it.
std::string ShownLabel(const PageRow& row);

// The text a row shows as its value: the number, the field, the chosen item's text, the position, the time.
std::string ShownValue(const PageRow& row);

// The unit chosen beside a number, "" without.
std::string ShownUnit(const PageRow& row);

// A time of day as every time field shows it, "07:30".
std::string TimeText(int hour, int minute);

// "Label: value"; a label that ends in a colon (as "Manual:") takes no second one.
std::string LabelledValue(const std::string& label, const std::string& value);

// What the check of a typed number found (0 accepted .. 4 above the upper limit), in words.
const char* CheckMeaning(int result);

}  // namespace tessalin
