#pragma once
// Colours in the item markup: "#RRGGBB" (red first) or a colour name such as "clGreen". The names of
// the desktop's system colours ("clWindowText", "clHighlight", ...) are kept as an index and turned into
// a colour only when drawing, so that they follow the desktop scheme.

#include <cstdint>
#include <string_view>

namespace tessalin {

struct MarkupColor {
    enum class Kind { Rgb, System };
    Kind kind = Kind::Rgb;
    uint32_t rgb = 0;     // 0xRRGGBB when kind is Rgb
    int systemIndex = 0;  // 1..24 when kind is System (1 desktop background ... 24 tooltip background)

    static constexpr MarkupColor FromRgb(uint32_t rgb) { return {Kind::Rgb, rgb, 0}; }
    static constexpr MarkupColor FromSystem(int index) { return {Kind::System, 0, index}; }
    bool operator==(const MarkupColor&) const = default;
};

// "#RRGGBB" (the "#" may be left out), hexadecimal digits in either case; anything else gives black.
uint32_t ColorFromHex(std::string_view hex);

// Colour name, compared case-insensitively; a name that is not known gives black.
MarkupColor ColorFromName(std::string_view name);

// An attribute colour value: hexadecimal when it starts with "#", a colour name otherwise.
MarkupColor ParseMarkupColor(std::string_view value);

}  // namespace tessalin
