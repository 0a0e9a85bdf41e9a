#include "core/catalogue/value_rules.h"

#include "core/common/texts.h"

namespace tessalin::rules {

bool TwoLineHeading(int event, TEvParRec& rec, const TextRecord& first, const TextRecord& second) {
    return Heading(event, rec, 2, [&] { return EntryName(&first) + "\r\n" + EntryName(&second); });
}

}  // namespace tessalin::rules
