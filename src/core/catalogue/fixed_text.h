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

// Writes the text's bytes in order, cut at `length`; every position after its end is filled with 0xB7.
void WriteFixedText(long long offset, std::size_t length, std::string_view text);

}  // namespace tessalin
