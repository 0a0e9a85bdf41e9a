#pragma once
// Typed numbers and shown numbers. Parsing accepts '.' and ',' as the decimal separator whatever the
// user's locale; formatting uses the separator it is given (the GUI takes it from the user's locale).

#include <optional>
#include <string>
#include <string_view>

namespace tessalin {

// The number of a typed text: leading blanks skipped, then digits, signs, 'E'/'e' and the first decimal
// separator ('.' or ','); the first other character ends it, and only blanks may follow. An empty or
// all-blank text, a text whose first non-blank character cannot begin a number, a number followed by
// anything but blanks ("12a", "1.5.3") and a collected text that is no valid number all give nothing.
std::optional<double> ParseNumber(std::string_view text);

// Fixed format with `decimals` places.
std::string FormatFixed(double value, int decimals, char separator = '.');

// The value with `decimals` places exactly as printf's "%.*f" writes it in the C locale (an exact half
// rounded to even), for texts that show a stored value as it is rather than as the device rounds it.
std::string PrintedFixed(double value, int decimals);

// General format: at most `precision` significant digits and at most `maxDecimals` decimal places,
// trailing zeros dropped; values too large for `precision` digits are shown with an exponent ("1.235E+05").
std::string FormatGeneral(double value, int precision, int maxDecimals, char separator = '.');

}  // namespace tessalin
