#pragma once
// The software options that the configurator offers, in the order it lists them, each with its bit in
// the front's option word and the condition under which it is offered.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/device/device.h"

namespace tessalin::configurator {

enum class OptionOffer : uint8_t { Always, Never, Below6, From6, From7, SenvaroRule };

struct OptionRow {
    std::string_view key;  // "optKIREC"
    uint8_t bit;
    OptionOffer offer;
};

inline constexpr int kOfferedOptionRows = 21;
extern const std::array<OptionRow, kOfferedOptionRows> kOptionRows;

// The memory-card option is known to the change handler but never offered.
inline constexpr OptionRow kMemoryCardOption{"optSMED", 10, OptionOffer::Never};

// The row of an option key (including "optSMED"), or nothing.
std::optional<OptionRow> OptionByKey(std::string_view key);

bool OptionOffered(const OptionRow& row, const TIdFront& front);

// When an option is offered, to follow "the option KEY" ("Die Option KEY"), in the interface language (0
// German, anything else English): "is never offered", "is offered only below software version 6", ...
std::string OptionOfferText(const OptionRow& row, int uiLanguage);

}  // namespace tessalin::configurator
