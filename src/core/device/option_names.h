#pragma once
// The names of the software options of the front's option word, as the device description and the
// documentation list them, in the device language.

#include <string>

namespace tessalin {

// The name of option bit `bit` (0..31) in the device language; "" for a bit that carries no option.
std::string OptionName(int bit);

}  // namespace tessalin
