#pragma once
// Fixed-length text parameters: a fixed number of bytes (1..32) in the image, padded with the device
// blank 0xB7. The text is UTF-8 here and Windows-1252 in the image.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessalin {

inline constexpr uint8_t kDeviceBlank = 0xB7;

// The bytes of a field as they stand (0xB7 stays "·"); a zero byte ends the text.
std::string ReadFixedText(long long offset, std::size_t length);

// A field's text as a reader sees it in the documentation: each device blank a space, without blanks at
// either end ("TANK·1··" gives "TANK 1"). The stored bytes stay as they are.
std::string DocumentedText(std::string_view fieldText);

// Writes the text's bytes in order, cut at `length`; every position after its end is filled with 0xB7.
void WriteFixedText(long long offset, std::size_t length, std::string_view text);

}  // namespace tessalin
