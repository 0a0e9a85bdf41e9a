#pragma once
// The names of the software options of the front's option word, as the device description and the
// documentation list them, in the device language.

#include <array>
#include <string>

namespace tessalin {

// The option bits in the order the device description and the documentation list them.
inline constexpr std::array<int, 21> kListedOptionOrder{1,  2,  3,  4,  5,  6,  8,  9,  11, 12, 24,
                                                        31, 25, 26, 27, 10, 18, 16, 17, 19, 20};

// Whether the front software generation `swMajor` lists option bit `bit`; bit 10 (the memory card slot)
// is listed by none.
bool OptionListed(int bit, char swMajor);

// The name of option bit `bit` (0..31) in the device language; "" for a bit that carries no option.
std::string OptionName(int bit);

}  // namespace tessalin
