#include "core/catalogue/codec.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "core/catalogue/number_text.h"
#include "core/catalogue/value_types.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

constexpr std::size_t kMaxBlock = 1024;
constexpr int kMaxScale = 5;
constexpr std::size_t kInputChars = 10;
constexpr std::array<double, 10> kPow10 = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr std::array<double, 10> kFraction = {0,         0.9,        0.99,        0.999,        0.9999,
                                              0.99999,   0.999999,   0.9999999,   0.99999999,   0.999999999};

ParImageBuffer& Image() { return Ws().ParImage; }

bool Dropped(long long offset) { return offset == 0; }

bool IntegerCoded(Encoding e) { return e != Encoding::Float; }

struct NumberFormat {
    int width = 0;
    int decimals = 0;
};

NumberFormat FormatOf(const UnitAlternative& unit) { return {unit.width(), unit.decimals()}; }

// Width and decimals of an entry: from its handler (event 10) with flag bit 20, else from `unit`.
NumberFormat EntryFormat(const TParamEntry& entry, const UnitAlternative& unit) {
    if (!(entry.flags & kPfFormatFromHandler) || entry.handler == nullptr) return FormatOf(unit);
    TEvParRec rec;
    rec.number = unit.format;
    entry.handler(kEvFormat, rec);
    return {(rec.number >> 4) & 7, rec.number & 0x0F};
}

std::string FormatValue(double value, const NumberFormat& format, bool general) {
    const char separator = Ws().DecimalSeparator;
    return general ? FormatGeneral(value, format.width, format.decimals, separator)
                   : FormatFixed(value, format.decimals, separator);
}

// The step between neighbouring values a format shows near `value`: 10^-decimals in fixed notation; in
// general notation the decimals left by the significant digits, or the last significant digit of an
// exponent form.
double ShownStep(double value, const NumberFormat& format, bool general) {
    if (!general || value == 0) return std::pow(10.0, -format.decimals);
    const int precision = std::max(1, format.width);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    if (exponent >= precision) return std::pow(10.0, exponent - precision + 1);
    return std::pow(10.0, -std::max(0, std::min(format.decimals, precision - 1 - exponent)));
}

// The value a corrected number takes: the largest value the format shows that does not pass an upper
// limit, the smallest for a lower limit, so that the value stored lies inside the limit as shown. The
// limits are single precision: a limit such as 999.99 counts as itself, not as the float just below it.
double InsideLimit(double limit, const NumberFormat& format, bool general, bool upper) {
    const double step = ShownStep(limit, format, general);
    const double tolerance = std::max(1e-9, std::fabs(limit) * 1e-6 / step);
    const double steps = limit / step;
    return (upper ? std::floor(steps + tolerance) : std::ceil(steps - tolerance)) * step;
}

// The largest number a unit can show, in base units: (10^n - 1 + (1 - 10^-d)) x factor.
double UnitUpperLimit(int digits, int decimals, float factor) {
    CheckIndex("digits", digits, kPow10.size());
    CheckIndex("decimal places", decimals, kFraction.size());
    return (kPow10[static_cast<std::size_t>(digits)] - 1 + kFraction[static_cast<std::size_t>(decimals)]) * factor;
}

// The alternative whose unit text is `unit`, preferring one that applies (several alternatives of the
// oxygen types share a text and differ in decimals); the first alternative when none matches.
const UnitAlternative* PickUnit(TMwzArray units, const std::string& unit, const ValueTypeContext& context) {
    if (units.size() == 1) return &units.front();
    const UnitAlternative* anyMatch = nullptr;
    for (const UnitAlternative& alternative : units) {
        if (UnitText(alternative) != unit) continue;
        if (UnitApplies(alternative, context)) return &alternative;
        if (anyMatch == nullptr) anyMatch = &alternative;
    }
    return anyMatch ? anyMatch : &units.front();
}

template <typename T>
T Saturate(double value, double lowest, double highest) {
    const double v = std::trunc(value);
    if (v <= lowest) return static_cast<T>(lowest);
    if (v >= highest) return static_cast<T>(highest);
    return static_cast<T>(v);
}

// Calls `write` with the place of a location in the active set, or with `bothSets` with its set-A place
// and, where the section has room for it, the place 0x2000 above. The one place where "both sets" is
// decided for located values.
template <typename Write>
void WriteAtLocation(const Location& location, bool bothSets, Write write) {
    if (!bothSets) {
        write(ParamOffsetHere(location));
        return;
    }
    const long long offset = ParamOffsetSetA(location);
    write(offset);
    if (offset != 0 && WrittenInBothSets(location.section)) write(offset + static_cast<long long>(kSetBDistance));
}

}  // namespace

// ---- locations and raw access ------------------------------------------------------------------

bool WrittenInBothSets(Section section) {
    switch (SectionOf(section).placement) {
        case SectionPlacement::PerSet:
        case SectionPlacement::SlotSet:
        case SectionPlacement::CalcSet:
        case SectionPlacement::SlotFix:
        case SectionPlacement::CalcFix:
            return true;
        case SectionPlacement::Fixed:
            // SYS-FIX, CTRL-FIX, AUX-1C00, BUF-FIX, PURGON, scratch: the mirror would overwrite another
            // section, the Purgon image or lie beyond the image.
            return false;
    }
    return false;
}

uint8_t ReadU8(long long offset) { return Image().u8(offset); }
uint16_t ReadU16(long long offset) { return Image().u16(offset); }
uint32_t ReadU32(long long offset) { return Image().u32(offset); }

void WriteU8(long long offset, uint8_t value) {
    if (!Dropped(offset)) Image().setU8(offset, value);
}
void WriteU16(long long offset, uint16_t value) {
    if (!Dropped(offset)) Image().setU16(offset, value);
}
void WriteU32(long long offset, uint32_t value) {
    if (!Dropped(offset)) Image().setU32(offset, value);
}

namespace {

template <typename T>
void WriteBothSets(long long setAOffset, T value, void (*write)(long long, T)) {
    if (Dropped(setAOffset)) return;
    write(setAOffset, value);
    write(setAOffset + static_cast<long long>(kSetBDistance), value);
}

}  // namespace

void WriteU8BothSets(long long setAOffset, uint8_t value) { WriteBothSets(setAOffset, value, WriteU8); }
void WriteU16BothSets(long long setAOffset, uint16_t value) { WriteBothSets(setAOffset, value, WriteU16); }
void WriteU32BothSets(long long setAOffset, uint32_t value) { WriteBothSets(setAOffset, value, WriteU32); }

void ReadBlock(long long offset, std::span<uint8_t> out) {
    if (out.empty() || out.size() > kMaxBlock) throw RangeError("block length", static_cast<long long>(out.size()), kMaxBlock + 1);
    const std::span<const uint8_t> in = Image().bytes(offset, out.size());
    std::copy(in.begin(), in.end(), out.begin());
}

void WriteBlock(long long offset, std::span<const uint8_t> data) {
    if (data.empty() || data.size() > kMaxBlock)
        throw RangeError("block length", static_cast<long long>(data.size()), kMaxBlock + 1);
    if (!Dropped(offset)) Image().writeBytes(offset, data);
}

void SetParamByte(const Location& location, uint8_t value, bool bothSets) {
    WriteAtLocation(location, bothSets, [value](long long offset) { WriteU8(offset, value); });
}

void WriteEncodedAt(const Location& location, Encoding encoding, double value, bool bothSets) {
    WriteAtLocation(location, bothSets, [&](long long offset) { WriteEncoded(offset, encoding, value); });
}

// ---- encodings -------------------------------------------------------------------------------------

Encoding EncodingOf(uint32_t flags) {
    if (flags & kPfInt8) return Encoding::Int8;
    if (flags & kPfUInt8) return Encoding::UInt8;
    if (flags & kPfInt16) return Encoding::Int16;
    if (flags & kPfUInt16) return Encoding::UInt16;
    if (flags & kPfInt32) return Encoding::Int32;
    if (flags & kPfUInt32) return Encoding::UInt32;
    return Encoding::Float;
}

int EncodingWidth(Encoding encoding) {
    switch (encoding) {
        case Encoding::Int8: case Encoding::UInt8: return 1;
        case Encoding::Int16: case Encoding::UInt16: return 2;
        default: return 4;
    }
}

double ReadEncoded(long long offset, Encoding encoding) {
    const ParImageBuffer& image = Image();
    switch (encoding) {
        case Encoding::Int8: return image.i8(offset);
        case Encoding::UInt8: return image.u8(offset);
        case Encoding::Int16: return image.i16(offset);
        case Encoding::UInt16: return image.u16(offset);
        case Encoding::Int32: return image.i32(offset);
        case Encoding::UInt32: return image.u32(offset);
        case Encoding::Float: return image.f32(offset);
    }
    return 0;
}

void WriteEncoded(long long offset, Encoding encoding, double value) {
    if (Dropped(offset)) return;
    if (encoding != Encoding::Float && std::isnan(value)) return;  // no integer stands for "not a number"
    ParImageBuffer& image = Image();
    switch (encoding) {
        case Encoding::Int8: image.setU8(offset, static_cast<uint8_t>(Saturate<int8_t>(value, -128, 127))); break;
        case Encoding::UInt8: image.setU8(offset, Saturate<uint8_t>(value, 0, 255)); break;
        case Encoding::Int16:
            image.setU16(offset, static_cast<uint16_t>(Saturate<int16_t>(value, -32768, 32767)));
            break;
        case Encoding::UInt16: image.setU16(offset, Saturate<uint16_t>(value, 0, 65535)); break;
        case Encoding::Int32:
            image.setU32(offset, static_cast<uint32_t>(Saturate<int32_t>(value, -2147483647.0, 2147483647.0)));
            break;
        case Encoding::UInt32: image.setU32(offset, Saturate<uint32_t>(value, 0, 4294967295.0)); break;
        case Encoding::Float: image.setF32(offset, static_cast<float>(value)); break;
    }
}

double ScaleFactor(const TParamEntry& entry) { return entry.scale <= kMaxScale ? kPow10[entry.scale] : 1.0; }

// ---- numbers of the current entry ------------------------------------------------------------------

namespace {

// Formats the base value `given`, or the stored value when it is null, as the current entry shows it.
bool NumberShown(const double* given, TIPretSingle& out) {
    // A fresh record, but the unit list keeps its room for the next number read into the same record.
    std::vector<UnitChoice> room = std::move(out.units);
    room.clear();
    out = TIPretSingle{};
    out.units = std::move(room);
    const Workspace& ws = Ws();
    const TParamEntry* entry = ws.CurrentParam.param;
    if (entry == nullptr) return false;
    const ResolvedValueType resolved = ResolveValueType(entry->valueType);
    if (!resolved) return false;
    const TMwzArray units = resolved.type->units;

    double raw = 0;
    if (given != nullptr) {
        raw = *given;
    } else {
        const Encoding encoding = EncodingOf(entry->flags);
        raw = ReadEncoded(ParamOffsetHere(entry->location), encoding);
        if (IntegerCoded(encoding)) raw /= ScaleFactor(*entry);
    }

    out.units.reserve(units.size());
    for (const UnitAlternative& unit : units)
        if (UnitApplies(unit, resolved.context)) out.units.push_back({UnitText(unit), unit.factor});

    const bool formatFromHandler = (entry->flags & kPfFormatFromHandler) != 0;
    NumberFormat format = EntryFormat(*entry, units.front());
    double value = raw;
    if (out.units.empty()) {
        // No alternative applies to the module shown (an oxygen type on another module): the type's base
        // unit, its first alternative of factor 1, stands so that the value still carries its unit.
        const auto base = std::find_if(units.begin(), units.end(), [](const UnitAlternative& u) { return u.factor == 1; });
        const UnitAlternative& unit = base != units.end() ? *base : units.front();
        out.units.push_back({UnitText(unit), unit.factor});
        out.unitIndex = 0;
        value = raw / unit.factor;
        if (!formatFromHandler) format = FormatOf(unit);
    } else if (units.size() == 1) {
        if (UnitApplies(units.front(), resolved.context)) {
            out.unitIndex = 0;
            value = raw / units.front().factor;
        }
    } else {
        for (const UnitAlternative& unit : units) {
            if (!UnitApplies(unit, resolved.context)) continue;
            ++out.unitIndex;
            value = raw / unit.factor;
            if (!formatFromHandler) format = FormatOf(unit);
            if (std::fabs(value) < 1) break;
            if (format.width < 3 || format.width > 7 || std::fabs(value) < kPow10[static_cast<std::size_t>(format.width)])
                break;
        }
    }
    out.value = static_cast<float>(value);
    if (!std::isnan(out.value)) out.text = FormatValue(out.value, format, out.units.size() > 1);
    return true;
}

}  // namespace

bool ReadNumber(TIPretSingle& out) { return NumberShown(nullptr, out); }

bool ShowNumber(double base, TIPretSingle& out) { return NumberShown(&base, out); }

bool CheckNumber(TICheckValue& check) {
    check.result = kCheckAccepted;
    const TParamEntry* entry = Ws().CurrentParam.param;
    if (entry == nullptr) return false;
    const ResolvedValueType resolved = ResolveValueType(entry->valueType);
    if (!resolved) return false;
    const TParaTypRec& type = *resolved.type;
    const TMwzArray units = type.units;
    const bool formatFromHandler = (entry->flags & kPfFormatFromHandler) != 0;

    const UnitAlternative* picked = PickUnit(units, check.unit, resolved.context);
    check.factor = picked->factor;
    const NumberFormat format = EntryFormat(*entry, *picked);

    const std::optional<double> number = ParseNumber(std::string_view(check.input).substr(0, kInputChars));
    if (!number) {
        check.correctedValue = std::numeric_limits<float>::quiet_NaN();
        check.result = kCheckNotANumber;
        return false;
    }
    check.parsed = static_cast<float>(*number);
    // A fraction where a single-unit type has no decimal places: the integer part is what can be stored.
    if (units.size() == 1 && format.decimals == 0 && std::trunc(check.parsed) != check.parsed) {
        check.parsed = std::trunc(check.parsed);
        check.result = kCheckDecimals;
    }

    double upper = -1.0e32;
    for (const UnitAlternative& unit : units) {
        const double limit = formatFromHandler ? UnitUpperLimit(format.width, format.decimals, unit.factor)
                                               : UnitUpperLimit(unit.width() - unit.decimals(), unit.decimals(), unit.factor);
        upper = std::max(upper, limit);
    }
    check.upper = static_cast<float>(upper);
    check.lower = type.isSigned() ? -check.upper : 0.0f;
    if (entry->flags & kPfOwnLimits) {
        check.lower = entry->lower;
        check.upper = entry->upper;
    }
    if (entry->flags & kPfTypeLimits) {
        check.lower = type.lower;
        check.upper = type.upper;
    }
    if ((entry->flags & kPfLimitsFromHandler) && entry->handler != nullptr) {
        TEvParRec rec;
        rec.lower = check.lower;
        rec.upper = check.upper;
        entry->handler(kEvLimits, rec);
        check.lower = rec.lower;
        check.upper = rec.upper;
    }

    check.baseValue = check.parsed * check.factor;
    const bool general = units.size() > 1;
    if (check.baseValue < check.lower) {
        check.correctedValue = static_cast<float>(InsideLimit(check.lower / check.factor, format, general, false));
        check.result = kCheckBelow;
    } else if (check.baseValue > check.upper) {
        check.correctedValue = static_cast<float>(InsideLimit(check.upper / check.factor, format, general, true));
        check.result = kCheckAbove;
    } else {
        check.correctedValue = check.parsed;
    }
    check.corrected = FormatValue(check.correctedValue, format, general);
    return check.result == kCheckAccepted;
}

void WriteNumber(const TICheckValue& check) {
    const TParamEntry* entry = Ws().CurrentParam.param;
    if (entry == nullptr || !ResolveValueType(entry->valueType)) return;
    const Encoding encoding = EncodingOf(entry->flags);
    float value = check.baseValue;
    if (IntegerCoded(encoding)) value = value * static_cast<float>(ScaleFactor(*entry));
    WriteAtLocation(entry->location, (entry->flags & kPfBothSets) != 0,
                    [encoding, value](long long offset) { WriteEncoded(offset, encoding, value); });
}

}  // namespace tessalin
