#pragma once
// The eight character sets of fixed-length text parameters and the filter for typing into such a field.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tessalin {

inline constexpr int kCharSetCount = 8;

struct TZsetRec {
    std::string_view name;   // shown beside the field as the allowed characters (UTF-8)
    std::string_view chars;  // the allowed characters in the analyser's keyboard order (Windows-1252 bytes)
    int last;                // index of the last character
    bool upperCase;          // lower-case letters typed are turned into capitals
};

const std::array<TZsetRec, kCharSetCount>& CharSetTable();

inline constexpr char32_t kBackspace = 0x08;

// What a character typed into a field of set `charSet` holding `held` of `length` characters becomes:
// a blank becomes the device blank U+00B7, with the set's upper-case flag a..z become A..Z; a character
// outside the set, or any character once the field is full, is refused (nothing). Backspace always passes.
// A set outside 0..7 is a RangeError.
std::optional<char32_t> FilterTypedChar(int charSet, char32_t typed, std::size_t held, std::size_t length);

}  // namespace tessalin
