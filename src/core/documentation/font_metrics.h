#pragma once
// Widths of the report font for measuring text: the metrics of the standard sans-serif Type 1 font
// (regular and bold) that the PDF names as Arial, by Windows-1252 byte, in 1/1000 of the font size.

#include <array>
#include <string_view>

namespace tessalin {

// Widths of the bytes 32..255; bytes below 32 have no glyph.
const std::array<int, 224>& SansWidths(bool bold);

// The width of a Windows-1252 text in points.
double SansTextWidth(std::string_view cp1252, double size, bool bold);

}  // namespace tessalin
