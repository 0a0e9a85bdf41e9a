#include "core/catalogue/charsets.h"

#include "core/common/texts.h"
#include "core/range_error.h"

namespace tessalin {

namespace {

using namespace std::string_view_literals;

// Set 0 ends with the device blank and a zero byte, so its view carries an explicit length.
constexpr std::string_view kSet0 =
    "0123456789@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\\\]^_!\"#$%&'()*+,-./:;<=>?\xB7\0"sv;
constexpr std::string_view kSet4 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_#*+-/:<=>\xB7"sv;
constexpr std::string_view kSet5 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_\xB7"sv;
constexpr std::string_view kSet6 =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_-,.\xB7"sv;
constexpr std::string_view kSet7 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789\xB7"sv;

static_assert(kSet0.size() == 66 && kSet4.size() == 47 && kSet5.size() == 38 && kSet6.size() == 67 &&
              kSet7.size() == 38);

constexpr int Last(std::string_view chars) { return static_cast<int>(chars.size()) - 1; }

constexpr std::array<TZsetRec, kCharSetCount> kCharSets{{
    {"0..9A..Z@[\\\\]^_!\"#$%&'()*+,-./:;<=>?·", kSet0, Last(kSet0), true},
    {"0..9A..F", "0123456789ABCDEF", 15, true},
    {"0..9", "0123456789", 9, true},
    {"01", "01", 1, true},
    {"0..9A..Z_#*+-/:<=>·", kSet4, Last(kSet4), true},
    {"0..9A..Z_·", kSet5, Last(kSet5), true},
    {"0..9a..zA..Z_-,.·", kSet6, Last(kSet6), false},
    {"A..Z0..9_·", kSet7, Last(kSet7), true},
}};

constexpr char32_t kDeviceBlankChar = 0xB7;

}  // namespace

const std::array<TZsetRec, kCharSetCount>& CharSetTable() { return kCharSets; }

std::optional<char32_t> FilterTypedChar(int charSet, char32_t typed, std::size_t held, std::size_t length) {
    CheckIndex("character set", charSet, kCharSetCount);
    if (typed == kBackspace) return typed;
    if (held >= length) return std::nullopt;
    const TZsetRec& set = kCharSets[static_cast<std::size_t>(charSet)];
    char32_t c = typed == U' ' ? kDeviceBlankChar : typed;
    if (set.upperCase && c >= U'a' && c <= U'z') c = c - U'a' + U'A';
    const int byte = Cp1252Byte(c);
    if (byte <= 0) return std::nullopt;
    if (set.chars.find(static_cast<char>(byte)) == std::string_view::npos) return std::nullopt;
    return c;
}

}  // namespace tessalin
