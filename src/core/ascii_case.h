#pragma once
// Letter case of ASCII text: the markup syntax, catalogue tags and card file names are compared without
// letter case, and only the letters a..z / A..Z fold; every other byte (UTF-8 included) compares as it is.

#include <cstddef>
#include <string>
#include <string_view>

namespace tessalin {

char UpperAscii(char c);
std::string ToUpperAscii(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// The first place of `what` in `text` at or after `from`, without letter case; npos when there is none.
std::size_t FindNoCase(std::string_view text, std::string_view what, std::size_t from = 0);

}  // namespace tessalin
