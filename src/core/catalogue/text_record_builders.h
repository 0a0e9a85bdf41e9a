#pragma once
// Shorthands for device-text records in the seven device languages (de, en, fr, it, sv, es, pt).

#include "core/catalogue/tables.h"

// A title or label without a choice list: the name in seven languages.
#define TXT_NAME7(de, en, fr, it, sv, es, pt) \
    ::tessalin::TextRecord { {de, "", en, "", fr, "", it, "", sv, "", es, "", pt, ""} }
// A label with its choice list, language by language.
#define TXT_LIST7(de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL) \
    ::tessalin::TextRecord { {de, deL, en, enL, fr, frL, it, itL, sv, svL, es, esL, pt, ptL} }
