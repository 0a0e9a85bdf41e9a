#include "core/documentation/font_metrics.h"

namespace tessalin {

namespace {

// 32..126 of the regular and the bold face.
constexpr int kRegularAscii[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // ' ' .. '/'
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // '0' .. '?'
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // '@' .. 'O'
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // 'P' .. '_'
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // '`' .. 'o'
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};      // 'p' .. '~'
constexpr int kBoldAscii[95] = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};

// 127..191: punctuation, currency and signs (the same in both faces but a few).
constexpr int kRegularHigh[65] = {
    0,   556, 0,   222, 556, 333, 1000, 556, 556, 333, 1000, 667, 333, 1000, 0, 611, 0,  // 127..143
    0,   222, 222, 333, 333, 350, 556, 1000, 333, 1000, 500, 333, 944, 0, 500, 667,      // 144..159
    278, 333, 556, 556, 556, 556, 260, 556, 333, 737, 370, 556, 584, 333, 737, 333,       // 160..175
    400, 584, 333, 333, 333, 556, 537, 278, 333, 333, 365, 556, 834, 834, 834, 611};      // 176..191

// 192..255: the letter whose width an accented letter shares ('*' marks a letter of its own).
constexpr char kLatinBase[] = "AAAAAA*CEEEEIIIIDNOOOOO*OUUUUY**aaaaaa*ceeeeiiii*nooooo**uuuuy*y";

int OwnLatinWidth(int byte, bool bold) {
    switch (byte) {
        case 0xC6: return 1000;            // Æ
        case 0xD7: return 584;             // ×
        case 0xDE: return 667;             // Þ
        case 0xDF: return 611;             // ß
        case 0xE6: return 889;             // æ
        case 0xF0: return bold ? 611 : 556;  // ð
        case 0xF7: return 584;             // ÷
        case 0xFE: return bold ? 611 : 556;  // þ
        default: return 611;               // ø
    }
}

std::array<int, 224> MakeWidths(bool bold) {
    const int* ascii = bold ? kBoldAscii : kRegularAscii;
    std::array<int, 224> w{};
    for (int b = 32; b <= 126; ++b) w[b - 32] = ascii[b - 32];
    for (int b = 127; b <= 191; ++b) w[b - 32] = kRegularHigh[b - 127];
    if (bold) {
        w[0xA1 - 32] = 333;  // ¡
        w[0xBF - 32] = 611;  // ¿
    }
    for (int b = 192; b <= 255; ++b) {
        const char base = kLatinBase[b - 192];
        w[b - 32] = base == '*' ? OwnLatinWidth(b, bold) : ascii[base - 32];
    }
    return w;
}

}  // namespace

const std::array<int, 224>& SansWidths(bool bold) {
    static const std::array<int, 224> regular = MakeWidths(false);
    static const std::array<int, 224> boldFace = MakeWidths(true);
    return bold ? boldFace : regular;
}

double SansTextWidth(std::string_view cp1252, double size, bool bold) {
    const auto& widths = SansWidths(bold);
    long units = 0;
    for (unsigned char c : cp1252)
        if (c >= 32) units += widths[c - 32];
    return units * size / 1000.0;
}

}  // namespace tessalin
