#pragma once
// The common shapes of a handler's answer: one event answered by a rule, every other event handed to the
// default handler. Family handlers are written with these so that each states only its rule.

#include "core/catalogue/events.h"
#include "core/catalogue/tables.h"

namespace tessalin {

// Event 0 (menu item shown) answered by `visible`.
inline bool AnswerMenu(int event, TEvParRec& rec, bool visible) {
    return event == kEvMenuVisible ? visible : DefaultHandler(event, rec);
}

// Event 4 (row shown) answered by `shown`.
inline bool AnswerShown(int event, TEvParRec& rec, bool shown) {
    return event == kEvRowVisible ? shown : DefaultHandler(event, rec);
}

// Event 5 (row editable) answered by `editable`.
inline bool AnswerEditable(int event, TEvParRec& rec, bool editable) {
    return event == kEvRowEditable ? editable : DefaultHandler(event, rec);
}

// Event 8 (choice list) answered with the list that `makeList()` returns.
template <typename MakeList>
bool AnswerList(int event, TEvParRec& rec, MakeList makeList) {
    if (event != kEvChoiceList) return DefaultHandler(event, rec);
    rec.text = makeList();
    return true;
}

}  // namespace tessalin
