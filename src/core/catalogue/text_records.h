#pragma once
// Builders for device-text records, so that a family's text file reads language by language in the
// order de, en, fr, it, sv, es, pt.

#include "core/catalogue/tables.h"

namespace tessalin::texts {

// A title or label without a choice list.
constexpr TextRecord Name7(const char* de, const char* en, const char* fr, const char* it, const char* sv,
                           const char* es, const char* pt) {
    return TextRecord{{de, "", en, "", fr, "", it, "", sv, "", es, "", pt, ""}};
}

// A label with its choice list, language by language.
constexpr TextRecord List7(const char* de, const char* deList, const char* en, const char* enList, const char* fr,
                           const char* frList, const char* it, const char* itList, const char* sv, const char* svList,
                           const char* es, const char* esList, const char* pt, const char* ptList) {
    return TextRecord{{de, deList, en, enList, fr, frList, it, itList, sv, svList, es, esList, pt, ptList}};
}

// A name that reads the same in every language (a product word, a unit, a code).
constexpr TextRecord Same7(const char* name) { return Name7(name, name, name, name, name, name, name); }

// A label that reads the same in every language with a list that does too.
constexpr TextRecord SameList7(const char* name, const char* list) {
    return List7(name, list, name, list, name, list, name, list, name, list, name, list, name, list);
}

}  // namespace tessalin::texts
