#include "core/catalogue/value_rules.h"

#include "core/catalogue/texts.h"

namespace tessalin::rules {

bool TwoLineHeading(int event, TEvParRec& rec, const TextRecord& first, const TextRecord& second) {
    if (event != kEvHeading) return DefaultHandler(event, rec);
    rec.text = EntryName(&first) + "\r\n" + EntryName(&second);
    rec.number = 2;
    return true;
}

}  // namespace tessalin::rules
