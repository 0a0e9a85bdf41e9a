#pragma once
// The common shapes of a handler's answer: a menu item shown under a condition, a row shown or editable
// under a condition, and a rule run when a row's value has been written. Every other event goes to the
// default handler, so a handler built from these states only what differs.

#include "core/catalogue/events.h"
#include "core/catalogue/tables.h"

namespace tessalin::answers {

inline bool Menu(int event, TEvParRec& rec, bool visible) {
    return event == kEvMenuVisible ? visible : DefaultHandler(event, rec);
}

inline bool Shown(int event, TEvParRec& rec, bool shown) {
    return event == kEvRowVisible ? shown : DefaultHandler(event, rec);
}

inline bool Editable(int event, TEvParRec& rec, bool editable) {
    return event == kEvRowEditable ? editable : DefaultHandler(event, rec);
}

template <typename Rule>
bool OnCommit(int event, TEvParRec& rec, Rule rule) {
    if (event != kEvCommitted) return DefaultHandler(event, rec);
    rule();
    return true;
}

// A heading whose text the handler puts together, over `lines` lines.
template <typename Text>
bool Heading(int event, TEvParRec& rec, int lines, Text text) {
    if (event != kEvHeading) return DefaultHandler(event, rec);
    rec.text = text();
    rec.number = lines;
    return true;
}

}  // namespace tessalin::answers
