#include "core/configurator/options.h"

namespace tessalin::configurator {

using O = OptionOffer;

const std::array<OptionRow, kOfferedOptionRows> kOptionRows{{
    {"optKIREC", 1, O::Always},   {"optPUFF", 2, O::Always},    {"optADAP", 3, O::Below6},
    {"optDELMAR", 4, O::Always},  {"optTBAND", 5, O::Always},   {"optSKLE", 6, O::Always},
    {"optRWCC", 8, O::Always},    {"optKONZ", 9, O::Always},    {"optPHSEN", 11, O::Below6},
    {"optO2BIER", 12, O::Always}, {"optISFET", 24, O::From6},   {"optSENVAR", 31, O::SenvaroRule},
    {"optFIU2K", 25, O::From7},   {"optFIUOXY", 26, O::From7},  {"optFIUSPU", 27, O::From7},
    {"optDOLOVAN", 13, O::Never}, {"optLPAR", 18, O::Always},   {"optMREC", 16, O::Always},
    {"optLOGB", 17, O::Always},   {"optSWUP", 19, O::Below6},   {"optFDA21", 20, O::Always},
}};

std::optional<OptionRow> OptionByKey(std::string_view key) {
    if (key == kMemoryCardOption.key) return kMemoryCardOption;
    for (const OptionRow& row : kOptionRows)
        if (row.key == key) return row;
    return std::nullopt;
}

bool OptionOffered(const OptionRow& row, const TIdFront& front) {
    const auto v = static_cast<unsigned char>(front.SwMajor);
    switch (row.offer) {
        case O::Always: return true;
        case O::Never: return false;
        case O::Below6: return v < '6';
        case O::From6: return v >= '6';
        case O::From7: return v >= '7';
        case O::SenvaroRule: return v >= '7' && front.SwPacked < 130;
    }
    return false;
}

std::string OptionOfferText(const OptionRow& row, int uiLanguage) {
    const bool de = uiLanguage == 0;
    switch (row.offer) {
        case O::Always: return de ? "wird immer angeboten" : "is always offered";
        case O::Never: return de ? "wird nie angeboten" : "is never offered";
        case O::Below6: return de ? "wird nur unter Softwareversion 6 angeboten" : "is offered only below software version 6";
        case O::From6: return de ? "wird erst ab Softwareversion 6 angeboten" : "is offered only from software version 6";
        case O::From7: return de ? "wird erst ab Softwareversion 7 angeboten" : "is offered only from software version 7";
        case O::SenvaroRule:
            return de ? "wird nur ab Softwareversion 7 mit einer Fronteinheit-Kennung unter 130 angeboten"
                      : "is offered only from software version 7 with a front identity byte below 130";
    }
    return "";
}

}  // namespace tessalin::configurator
