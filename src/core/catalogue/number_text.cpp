#include "core/catalogue/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tessalin {

namespace {

constexpr std::size_t kMaxCollected = 39;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string WithSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.') c = separator;
    return text;
}

// Rounds half away from zero to `decimals` places, as the device shows numbers (printf would round an
// exact half to even).
double RoundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    if (!std::isfinite(value) || std::fabs(value) * scale >= 1e15) return value;
    return std::round(value * scale) / scale;
}

// printf leaves "-0" for negative values that round to zero; the device shows them as 0.
std::string DropNegativeZero(std::string text) {
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
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

std::string FormatFixed(double value, int decimals, char separator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, RoundTo(value, decimals));
    return WithSeparator(DropNegativeZero(buffer), separator);
}

std::string FormatGeneral(double value, int precision, int maxDecimals, char separator) {
    if (precision < 1) precision = 1;
    if (std::isnan(value)) return "NaN";
    // Round to the allowed decimal places first, then to the significant digits.
    const double rounded = RoundTo(value, maxDecimals);
    if (rounded == 0) return "0";

    char buffer[64];
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    if (exponent >= precision) {
        std::snprintf(buffer, sizeof buffer, "%.*E", precision - 1, rounded);
        std::string text = buffer;
        const std::size_t e = text.find('E');
        std::string mantissa = text.substr(0, e);
        if (mantissa.find('.') != std::string::npos) {
            mantissa.erase(mantissa.find_last_not_of('0') + 1);
            if (mantissa.back() == '.') mantissa.pop_back();
        }
        return WithSeparator(mantissa + text.substr(e), separator);
    }
    const int decimals = std::max(0, std::min(maxDecimals, precision - 1 - exponent));
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, RoundTo(rounded, decimals));
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return WithSeparator(DropNegativeZero(text), separator);
}

}  // namespace tessalin
