#include "core/markup/markup_color.h"

#include "core/markup/markup_tag.h"

namespace tessalin {

namespace {

struct NamedColor {
    std::string_view name;
    MarkupColor color;
};

constexpr NamedColor kNamedColors[] = {
    {"clblack", MarkupColor::FromRgb(0x000000)},  {"clmaroon", MarkupColor::FromRgb(0x800000)},
    {"clgreen", MarkupColor::FromRgb(0x008000)},  {"clolive", MarkupColor::FromRgb(0x808000)},
    {"clnavy", MarkupColor::FromRgb(0x000080)},   {"clpurple", MarkupColor::FromRgb(0x800080)},
    {"clteal", MarkupColor::FromRgb(0x008080)},   {"clgray", MarkupColor::FromRgb(0x808080)},
    {"clsilver", MarkupColor::FromRgb(0xC0C0C0)}, {"clred", MarkupColor::FromRgb(0xFF0000)},
    {"cllime", MarkupColor::FromRgb(0x00FF00)},   {"clyellow", MarkupColor::FromRgb(0xFFFF00)},
    {"clblue", MarkupColor::FromRgb(0x0000FF)},   {"clfuchsia", MarkupColor::FromRgb(0xFF00FF)},
    {"claqua", MarkupColor::FromRgb(0x00FFFF)},   {"clwhite", MarkupColor::FromRgb(0xFFFFFF)},
    {"clbackground", MarkupColor::FromSystem(1)},
    {"clactivecaption", MarkupColor::FromSystem(2)},
    {"clinactivecaption", MarkupColor::FromSystem(3)},
    {"clmenu", MarkupColor::FromSystem(4)},
    {"clwindow", MarkupColor::FromSystem(5)},
    {"clwindowframe", MarkupColor::FromSystem(6)},
    {"clmenutext", MarkupColor::FromSystem(7)},
    {"clwindowtext", MarkupColor::FromSystem(8)},
    {"clcaptiontext", MarkupColor::FromSystem(9)},
    {"clactiveborder", MarkupColor::FromSystem(10)},
    {"clinactiveborder", MarkupColor::FromSystem(11)},
    {"clappworkspace", MarkupColor::FromSystem(12)},
    {"clhighlight", MarkupColor::FromSystem(13)},
    {"clhighlighttext", MarkupColor::FromSystem(14)},
    {"clbtnface", MarkupColor::FromSystem(15)},
    {"clbtnshadow", MarkupColor::FromSystem(16)},
    {"clgraytext", MarkupColor::FromSystem(17)},
    {"clbtntext", MarkupColor::FromSystem(18)},
    {"clinactivecaptiontext", MarkupColor::FromSystem(19)},
    {"clbtnhighlight", MarkupColor::FromSystem(20)},
    {"cl3ddkshadow", MarkupColor::FromSystem(21)},
    {"cl3dlight", MarkupColor::FromSystem(22)},
    {"clinfotext", MarkupColor::FromSystem(23)},
    {"clinfobk", MarkupColor::FromSystem(24)},
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char upper = UpperAscii(c);
    if (upper >= 'A' && upper <= 'F') return upper - 'A' + 10;
    return -1;
}

}  // namespace

uint32_t ColorFromHex(std::string_view hex) {
    if (!hex.empty() && hex.front() == '#') hex.remove_prefix(1);
    if (hex.size() != 6) return 0;
    uint32_t rgb = 0;
    for (char c : hex) {
        const int digit = HexDigit(c);
        if (digit < 0) return 0;
        rgb = rgb * 16 + static_cast<uint32_t>(digit);
    }
    return rgb;
}

MarkupColor ColorFromName(std::string_view name) {
    for (const NamedColor& entry : kNamedColors)
        if (EqualsNoCase(entry.name, name)) return entry.color;
    return MarkupColor::FromRgb(0x000000);
}

MarkupColor ParseMarkupColor(std::string_view value) {
    if (!value.empty() && value.front() == '#') return MarkupColor::FromRgb(ColorFromHex(value));
    return ColorFromName(value);
}

}  // namespace tessalin
