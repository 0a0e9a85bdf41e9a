#pragma once
// Spelling out a device-text record in the catalogue's text files: seven languages in the order de, en,
// fr, it, sv, es, pt. Included only by the .cpp files that hold text records.

#include "core/catalogue/tables.h"

// A title or label without a choice list: the name in seven languages.
#define NAME7(de, en, fr, it, sv, es, pt) \
    ::tessalin::TextRecord { {de, "", en, "", fr, "", it, "", sv, "", es, "", pt, ""} }
// A label with its choice list, language by language.
#define LIST7(de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL) \
    ::tessalin::TextRecord { {de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL} }
// A name that reads the same in every language (a product name, an abbreviation).
#define SAME7(name) NAME7(name, name, name, name, name, name, name)
