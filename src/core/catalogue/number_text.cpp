#include "core/catalogue/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <utility>

namespace tessalin {

namespace {

constexpr std::size_t kMaxCollected = 39;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

// 10 to the power of `exponent`, from a table for the exponents numbers are shown with.
double PowerOfTen(int exponent) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    return exponent >= 0 && exponent < 16 ? kPowers[exponent] : std::pow(10.0, exponent);
}

// Rounds half away from zero to `decimals` places, as the device shows numbers (printf would round an
// exact half to even).
double RoundTo(double value, int decimals) {
    const double scale = PowerOfTen(decimals);
    if (!std::isfinite(value) || std::fabs(value) * scale >= 1e15) return value;
    return std::round(value * scale) / scale;
}

// printf leaves "-0" for negative values that round to zero; the device shows them as 0.
std::string DropNegativeZero(std::string text) {
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

// The value with `decimals` places ("%.*f") or, `scientific`, with `decimals` places after the first digit
// and an exponent of at least two digits ("%.*E"). The standard conversion gives the same digits as printf
// in the C locale, without its arbitrary-precision arithmetic, which made number formatting the largest
// part of building a page.
// The fixed text of a value whose shortest exact decimal has at most `decimals` places while the spacing of
// doubles near it is finer than a unit of the last place: printf's digits are then that decimal, padded
// with zeros. Empty when that does not hold. Most shown values are already rounded to their places, and
// the shortest conversion is much faster than one to a given precision.
std::string ShortestFixed(double value, int decimals) {
    if (!std::isfinite(value) || decimals > 15) return {};
    int exponent = 0;
    std::frexp(value, &exponent);
    if (std::ldexp(1.0, exponent - 53) * PowerOfTen(decimals) >= 1) return {};
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    const std::size_t point = text.find('.');
    const int places = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    if (places > decimals) return {};
    if (point == std::string::npos && decimals > 0) text += '.';
    text.append(static_cast<std::size_t>(decimals - places), '0');
    return text;
}

// The fixed text of a value that is a whole number of units of its last place: value x 10^decimals, as
// the multiplication rounds it, is an integer below 10^15. The exact product then lies within a tiny
// fraction of a unit of that integer, so printf, rounding the exact binary value, shows the integer's
// digits. Empty when that does not hold. Nearly every shown value was rounded to its places before, and
// the digits of an integer cost far less than even the shortest conversion of a double.
std::string ScaledIntegerFixed(double value, int decimals) {
    if (decimals > 15) return {};
    const double scaled = std::fabs(value * PowerOfTen(decimals));
    if (!(scaled < 1e15) || scaled != std::trunc(scaled)) return {};
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(scaled)).ptr;
    const std::size_t count = static_cast<std::size_t>(end - digits), places = static_cast<std::size_t>(decimals);
    std::string text;
    text.reserve(count + places + 3);
    if (std::signbit(value)) text += '-';  // printf keeps the sign of a negative value that shows as zero
    if (count <= places) {
        text += "0.";
        text.append(places - count, '0');
        text.append(digits, count);
    } else {
        text.append(digits, count - places);
        if (places > 0) text.append(1, '.').append(end - places, places);
    }
    return text;
}

std::string Printed(double value, int decimals, bool scientific) {
    if (decimals < 0) decimals = 6;  // as printf takes a negative precision
    if (!scientific) {
        if (std::string text = ScaledIntegerFixed(value, decimals); !text.empty()) return text;
        if (std::string text = ShortestFixed(value, decimals); !text.empty()) return text;
    }
    // Room for the longest double in fixed notation and its places; on the heap only for many places.
    char local[400];
    std::string large;
    char* first = local;
    const std::size_t room = 330 + static_cast<std::size_t>(decimals);
    if (room > sizeof local) {
        large.resize(room);
        first = large.data();
    }
    const auto format = scientific ? std::chars_format::scientific : std::chars_format::fixed;
    const auto result = std::to_chars(first, first + std::max(room, sizeof local), value, format, decimals);
    std::string text(first, result.ptr);
    if (scientific)
        for (char& c : text)
            if (c == 'e') c = 'E';
    return text;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    std::string collected;
    bool separatorSeen = false;
    for (; pos < text.size() && collected.size() < kMaxCollected; ++pos) {
        const char c = text[pos];
        if ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'E' || c == 'e') {
            collected.push_back(c);
        } else if ((c == '.' || c == ',') && !separatorSeen) {
            separatorSeen = true;
            collected.push_back('.');
        } else {
            break;
        }
    }
    // Whatever follows the number must be blank: "12a" is a typing mistake, not twelve.
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos < text.size()) return std::nullopt;
    std::string_view number = collected;
    if (!number.empty() && number[0] == '+') number.remove_prefix(1);
    if (number.empty() || number[0] == '+') return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string PrintedFixed(double value, int decimals) { return Printed(value, decimals, false); }

std::string FormatFixed(double value, int decimals, char separator) {
    return WithSeparator(DropNegativeZero(Printed(RoundTo(value, decimals), decimals, false)), separator);
}

std::string FormatGeneral(double value, int precision, int maxDecimals, char separator) {
    if (precision < 1) precision = 1;
    if (std::isnan(value)) return "NaN";
    // Round to the allowed decimal places first, then to the significant digits.
    const double rounded = RoundTo(value, maxDecimals);
    if (rounded == 0) return "0";

    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    if (exponent >= precision) {
        const std::string text = Printed(rounded, precision - 1, true);
        const std::size_t e = text.find('E');
        std::string mantissa = text.substr(0, e);
        if (mantissa.find('.') != std::string::npos) {
            mantissa.erase(mantissa.find_last_not_of('0') + 1);
            if (mantissa.back() == '.') mantissa.pop_back();
        }
        return WithSeparator(mantissa + text.substr(e), separator);
    }
    const int decimals = std::max(0, std::min(maxDecimals, precision - 1 - exponent));
    std::string text = Printed(RoundTo(rounded, decimals), decimals, false);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return WithSeparator(DropNegativeZero(std::move(text)), separator);
}

}  // namespace tessalin
