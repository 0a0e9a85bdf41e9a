#include "core/page/number_reason.h"

#include "core/catalogue/codec.h"

namespace tessalin {

std::string NumberRefusalReason(const NumberOutcome& outcome, int uiLanguage) {
    if (outcome.colour != EditColour::Red) return {};
    const bool de = uiLanguage == 0;
    switch (outcome.result) {
        case kCheckNotANumber: return de ? "Keine Zahl" : "Not a number";
        case kCheckDecimals: return de ? "Nur ganze Zahlen" : "Whole numbers only";
        case kCheckBelow: return (de ? "Kleiner als die untere Grenze " : "Below the lower limit ") + outcome.limit;
        case kCheckAbove: return (de ? "Gr\u00f6\u00dfer als die obere Grenze " : "Above the upper limit ") + outcome.limit;
        default: return {};
    }
}

}  // namespace tessalin
