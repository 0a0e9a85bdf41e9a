#pragma once
// Building blocks of handlers that every family shares: answering one event and handing the others to
// the default handler, and value rules that compare one byte of the current module with constants
// ("shown while Monitoring is Variable limits", "editable while Measuring temp is Manual"). A value rule
// is a function template, so that each use is an ordinary handler the tables can name.

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/tables.h"
#include "core/common/sections.h"

namespace tessalin::rules {

// ---- answering one event ------------------------------------------------------------------------

inline bool Menu(int event, TEvParRec& rec, bool visible) {
    return event == kEvMenuVisible ? visible : DefaultHandler(event, rec);
}
inline bool Shown(int event, TEvParRec& rec, bool shown) {
    return event == kEvRowVisible ? shown : DefaultHandler(event, rec);
}
inline bool Editable(int event, TEvParRec& rec, bool editable) {
    return event == kEvRowEditable ? editable : DefaultHandler(event, rec);
}
// Shown and editable under the same condition.
inline bool ShownAndEditable(int event, TEvParRec& rec, bool condition) {
    return event == kEvRowVisible || event == kEvRowEditable ? condition : DefaultHandler(event, rec);
}
// A heading whose text the handler puts together, over `lines` lines.
template <typename Text>
bool Heading(int event, TEvParRec& rec, int lines, Text text) {
    if (event != kEvHeading) return DefaultHandler(event, rec);
    rec.text = text();
    rec.number = lines;
    return true;
}
// A heading of two lines, each a device text in the device language.
bool TwoLineHeading(int event, TEvParRec& rec, const TextRecord& first, const TextRecord& second);
// The choice list (event 8) that `makeList()` puts together.
template <typename MakeList>
bool ChoiceList(int event, TEvParRec& rec, MakeList makeList) {
    if (event != kEvChoiceList) return DefaultHandler(event, rec);
    rec.text = makeList();
    return true;
}
// Runs `rule` after the row's value was committed.
template <typename Rule>
bool OnCommit(int event, TEvParRec& rec, Rule rule) {
    if (event != kEvCommitted) return DefaultHandler(event, rec);
    rule();
    return true;
}

// ---- value rules on one byte of the current module ----------------------------------------------

template <Location At, int... Values>
bool ByteIs() {
    const int byte = ParamByte(At);
    return ((byte == Values) || ...);
}

template <Location At, int... Values>
bool MenuWhile(int event, TEvParRec& rec) {
    return Menu(event, rec, ByteIs<At, Values...>());
}
template <Location At, int... Values>
bool ShownWhile(int event, TEvParRec& rec) {
    return Shown(event, rec, ByteIs<At, Values...>());
}
template <Location At, int... Values>
bool EditableWhile(int event, TEvParRec& rec) {
    return Editable(event, rec, ByteIs<At, Values...>());
}
template <Location At, int... Values>
bool ShownAndEditableWhile(int event, TEvParRec& rec) {
    return ShownAndEditable(event, rec, ByteIs<At, Values...>());
}

// Shown under the condition, never editable (values a rule computes).
template <Location At, int... Values>
bool ShownReadOnlyWhile(int event, TEvParRec& rec) {
    return event == kEvRowEditable ? false : ShownWhile<At, Values...>(event, rec);
}

}  // namespace tessalin::rules
