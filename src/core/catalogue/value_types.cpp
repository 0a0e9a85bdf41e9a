#include "core/catalogue/value_types.h"

#include <algorithm>
#include <array>

#include "core/catalogue/process_variable_types.h"
#include "core/device/components.h"
#include "core/device/predicates.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

using C = UnitCondition;

constexpr LanguageTexts U(const char* s) { return {s, s, s, s, s, s, s}; }

constexpr UnitAlternative A(uint8_t type, LanguageTexts text, float factor, int width, int decimals,
                            C condition = C::Always, uint8_t module = 0) {
    return UnitAlternative{type, text, factor, static_cast<uint8_t>((width << 4) | decimals), condition, module};
}

// Language-dependent unit texts.
constexpr LanguageTexts kWeightPercent = {"Gew%", "%", "%", "%", "%", "%", "%"};
constexpr LanguageTexts kAirPercent = {"%Air", "%Air", "%Air", "%Air", "%Luft", "%Air", "%Air"};

// The unit alternatives of all value types, grouped by type in index order. In the oxygen types 41..48
// the alternatives follow the oxygen module: 7, 10, 11, 20 (before 7 / from 7), 21 (likewise), 26, trace.
constexpr UnitAlternative kAlternatives[] = {
    A(0, U(""), 1, 4, 0, C::Never),
    A(1, U(""), 1, 1, 0),
    A(2, U(""), 1, 1, 0),
    A(3, U(""), 1, 1, 0),
    A(4, U(""), 1, 1, 0),
    A(5, U(""), 1, 1, 0),
    A(6, U(""), 1, 3, 0),
    A(7, U(""), 1, 4, 0),
    A(8, U("s"), 1, 4, 0),
    A(9, U("h"), 1, 4, 0),
    A(10, U("°C"), 1, 4, 1),
    A(11, U("°C"), 1, 4, 1),
    A(12, U("°F"), 1, 4, 0),
    A(13, U("°F"), 1, 4, 0),
    A(14, U("mA"), 0.001f, 4, 2),
    A(15, U("mA"), 0.001f, 4, 2),
    A(16, U("%"), 1, 4, 1),
    A(17, U("kOhm"), 1000, 4, 0, C::SwBefore7),
    A(17, U("kOhm"), 1000, 4, 1, C::SwFrom7),
    A(18, U("h"), 1, 4, 1),
    A(19, U("h"), 1, 4, 0),
    A(20, U("pH"), 1, 4, 2),
    A(21, U("mV"), 1, 4, 0),
    A(22, U("mV"), 1, 4, 0),
    A(23, U("kOhm"), 1000, 4, 1),
    A(24, U("MOhm"), 1000000, 4, 1),
    A(25, U("rH"), 1, 4, 2),
    A(26, U(""), 1, 4, 2),
    A(27, U("%"), 1, 4, 2),
    A(28, U("%/K"), 1, 4, 2),
    A(29, U("pH"), 1, 4, 2),
    A(30, U("nA"), 1, 4, 3),
    A(31, U("µS/cm"), 1, 4, 1),
    A(32, U("mV/pH"), 1, 4, 1),
    A(33, U("µS/cm"), 1, 4, 3),
    A(33, U("mS/cm"), 1000, 4, 3),
    A(34, U("µS/cm"), 1, 4, 3),
    A(34, U("mS/cm"), 1000, 4, 3),
    A(35, U("Ohm*cm"), 1, 4, 1),
    A(35, U("kOhm*cm"), 1000, 4, 1),
    A(35, U("MOhm*cm"), 1000000, 4, 1),
    A(36, U("Ohm"), 1, 4, 0),
    A(37, kWeightPercent, 1, 4, 2),
    A(38, U("/cm"), 1, 5, 4),
    A(39, U("Ohm"), 1, 4, 1),
    A(40, U("Hz"), 1, 5, 0),
    // %Air
    A(41, U("%Air"), 1, 4, 1, C::O2Module, 7),
    A(41, U("%Air"), 1, 4, 1, C::O2Module, 10),
    A(41, U("%Air"), 1, 4, 1, C::O2Module, 11),
    A(41, U("%Air"), 1, 4, 1, C::O2ModuleBefore7, 20),
    A(41, U("%Air"), 1, 4, 2, C::O2ModuleFrom7, 20),
    A(41, U("%Air"), 1, 4, 1, C::O2ModuleBefore7, 21),
    A(41, U("%Air"), 1, 4, 3, C::O2ModuleFrom7, 21),
    A(41, U("%Air"), 1, 4, 3, C::O2Module, 26),
    A(41, U("%Air"), 1, 4, 3, C::O2Trace),
    // %O2
    A(42, U("%O2"), 1, 4, 1, C::O2Module, 7),
    A(42, U("%O2"), 1, 4, 1, C::O2Module, 10),
    A(42, U("%O2"), 1, 4, 1, C::O2Module, 11),
    A(42, U("%O2"), 1, 4, 1, C::O2ModuleBefore7, 20),
    A(42, U("%O2"), 1, 4, 3, C::O2ModuleFrom7, 20),
    A(42, U("%O2"), 1, 4, 1, C::O2ModuleBefore7, 21),
    A(42, U("%O2"), 1, 4, 3, C::O2ModuleFrom7, 21),
    A(42, U("%O2"), 1, 4, 3, C::O2Module, 26),
    A(42, U("%O2"), 1, 4, 3, C::O2Trace),
    // concentration in water, mass per volume
    A(43, U("µg/l"), 0.001f, 4, 0, C::O2Module, 7),
    A(43, U("mg/l"), 1, 4, 2, C::O2Module, 7),
    A(43, U("mg/l"), 1, 4, 2, C::O2Module, 10),
    A(43, U("µg/l"), 0.001f, 4, 0, C::O2Module, 11),
    A(43, U("mg/l"), 1, 4, 2, C::O2ModuleBefore7, 20),
    A(43, U("mg/l"), 1, 4, 3, C::O2ModuleFrom7, 20),
    A(43, U("µg/l"), 0.001f, 4, 0, C::O2ModuleBefore7, 21),
    A(43, U("mg/l"), 1, 4, 3, C::O2ModuleFrom7, 21),
    A(43, U("µg/l"), 0.001f, 4, 1, C::O2Module, 26),
    A(43, U("mg/l"), 1, 4, 2, C::O2Module, 26),
    A(43, U("µg/l"), 0.001f, 4, 1, C::O2Trace),
    A(43, U("mg/l"), 1, 4, 2, C::O2Trace),
    // concentration in water, parts
    A(44, U("ppb"), 0.001f, 4, 0, C::O2Module, 7),
    A(44, U("ppm"), 1, 4, 2, C::O2Module, 7),
    A(44, U("ppm"), 1, 4, 2, C::O2Module, 10),
    A(44, U("ppb"), 0.001f, 4, 0, C::O2Module, 11),
    A(44, U("ppm"), 1, 4, 2, C::O2ModuleBefore7, 20),
    A(44, U("ppm"), 1, 4, 3, C::O2ModuleFrom7, 20),
    A(44, U("ppb"), 0.001f, 4, 0, C::O2ModuleBefore7, 21),
    A(44, U("ppm"), 1, 4, 3, C::O2ModuleFrom7, 21),
    A(44, U("ppb"), 0.001f, 4, 1, C::O2Module, 26),
    A(44, U("ppm"), 1, 4, 2, C::O2Module, 26),
    A(44, U("ppb"), 0.001f, 4, 1, C::O2Trace),
    A(44, U("ppm"), 1, 4, 2, C::O2Trace),
    A(45, U("g/kg"), 1, 4, 2),
    // concentration in gas
    A(46, U("Vol%"), 1, 4, 2, C::O2Module, 7),
    A(46, U("Vol%"), 1, 4, 2, C::O2Module, 10),
    A(46, U("Vol%"), 1, 4, 2, C::O2Module, 11),
    A(46, U("Vol%"), 1, 4, 2, C::O2ModuleBefore7, 20),
    A(46, U("Vol%"), 1, 4, 3, C::O2ModuleFrom7, 20),
    A(46, U("Vol%"), 1, 4, 2, C::O2ModuleBefore7, 21),
    A(46, U("ppm"), 0.0001f, 4, 0, C::O2ModuleFrom7, 21),
    A(46, U("Vol%"), 1, 4, 1, C::O2ModuleFrom7, 21),
    A(46, U("ppm"), 0.0001f, 4, 1, C::O2Module, 26),
    A(46, U("Vol%"), 1, 4, 1, C::O2Module, 26),
    A(46, U("ppm"), 0.0001f, 4, 1, C::O2Trace),
    A(46, U("Vol%"), 1, 4, 1, C::O2Trace),
    A(47, U("ppm"), 1, 4, 0),
    // partial pressure
    A(48, U("mbar"), 1, 4, 0, C::O2Module, 7),
    A(48, U("mbar"), 1, 4, 0, C::O2Module, 10),
    A(48, U("mbar"), 1, 4, 0, C::O2Module, 11),
    A(48, U("mbar"), 1, 4, 0, C::O2ModuleBefore7, 20),
    A(48, U("mbar"), 1, 4, 1, C::O2ModuleFrom7, 20),
    A(48, U("mbar"), 1, 4, 0, C::O2ModuleBefore7, 21),
    A(48, U("mbar"), 1, 4, 2, C::O2ModuleFrom7, 21),
    A(48, U("mbar"), 1, 4, 3, C::O2Module, 26),
    A(48, U("mbar"), 1, 4, 3, C::O2Trace),
    A(49, U("mbar"), 1, 4, 0),
    A(50, U("mbar"), 1, 4, 0),
    A(51, U("mbar"), 1, 4, 0),
    A(52, U(""), 1, 4, 2),
    A(53, U(""), 1, 5, 3),
    A(54, U(""), 1, 5, 2),
    A(55, U("nA"), 1, 4, 3),
    A(56, U("nA"), 1, 4, 1),
    A(57, U("%"), 1, 4, 0),
    A(58, U("µS/cm"), 1, 4, 3),
    A(58, U("mS/cm"), 1000, 4, 3),
    A(59, U("Ohm"), 1, 4, 3),
    A(59, U("kOhm"), 1000, 4, 3),
    A(59, U("MOhm"), 1000000, 4, 3),
    A(60, U("pH"), 1, 3, 1),
    A(61, U("/min"), 1, 3, 0),
    A(62, U("%"), 1, 3, 0),
    A(63, U("MOhm"), 1000000, 4, 1),
    A(64, U("pH"), 1, 4, 2),
    A(65, U("mV"), 1, 4, 0),
    A(66, U("°C"), 1, 4, 1),
    A(67, U("µS/cm"), 1, 4, 3),
    A(67, U("mS/cm"), 1000, 4, 3),
    A(68, U("Ohm*cm"), 1, 4, 3),
    A(68, U("kOhm*cm"), 1000, 4, 3),
    A(68, U("MOhm*cm"), 1000000, 4, 3),
    A(69, U(""), 1, 4, 2),
    A(70, U("%"), 1, 4, 1),
    A(71, U("%"), 1, 4, 1),
    A(72, U("%"), 1, 4, 1),
    A(73, kAirPercent, 1, 4, 1),
    A(74, U("%O2"), 1, 4, 1),
    A(75, U("µg/l"), 0.001f, 4, 0),
    A(75, U("mg/l"), 1, 4, 2),
    A(76, U("ppb"), 0.001f, 4, 0),
    A(76, U("ppm"), 1, 4, 2),
    A(77, U("mV"), 1, 4, 0),
    A(78, U("x"), 1, 2, 0),
    A(79, U("s"), 1, 2, 0),
    A(80, U("s"), 1, 3, 0),
    A(81, U(""), 1, 1, 0),
    A(82, U("µmol/l"), 0.001f, 4, 0),
    A(83, U("Vol%"), 1, 4, 2),
    A(84, U("ppm"), 1, 4, 0),
    A(85, U("d"), 1, 4, 0),
    A(86, U("µA"), 1, 3, 2),
    A(87, U("mA/V"), 1, 3, 2),
    A(88, U("mA"), 0.001f, 4, 2),
    A(89, U("%"), 1, 4, 1),
    A(90, U("mg/l"), 1, 4, 1),
    A(91, U("hPa"), 1, 4, 1),
    A(92, U("mol/l"), 1, 4, 3),
    A(93, U("g/kg"), 1, 4, 1),
    A(94, U("psi"), 68.9476f, 4, 1),
    A(95, U("%"), 1, 4, 1),
    A(96, U("mg/l"), 1, 4, 1),
    A(97, U("hPa"), 1, 4, 1),
    A(98, U("mmHg"), 1, 4, 0),
    A(99, U("d"), 1, 4, 0),
};

struct Limits {
    bool isSigned;
    float lower;
    float upper;
};

constexpr Limits kLimits[kValueTypeCount] = {
    /*  0 */ {false, 0, 0},          {false, 0, 0},         {false, 0, 100},       {false, 0, 0},
    /*  4 */ {false, 0, 0},          {false, 1, 20},        {false, 1, 126},       {false, 0, 999},
    /*  8 */ {false, 0, 9999},       {false, 0, 9999},      {true, -999.9f, 999.9f}, {true, -999.9f, 999.9f},
    /* 12 */ {true, -9999, 9999},    {true, -9999, 9999},   {false, 0, 0.09999f},  {false, 0, 0.09999f},
    /* 16 */ {true, -999.9f, 999.9f}, {false, 0, 9999000},  {false, 0, 999.9f},    {false, 0, 9999},
    /* 20 */ {true, -99.99f, 99.99f}, {true, -9999, 9999},  {true, -9999, 9999},   {false, 0, 999900},
    /* 24 */ {false, 0, 999900000.0f},  {true, -99.99f, 99.99f}, {false, 0, 99.99f},  {true, -99.99f, 99.99f},
    /* 28 */ {false, 0, 99.99f},     {true, -99.99f, 99.99f}, {true, -99.99f, 99.99f}, {true, -999.9f, 999.9f},
    /* 32 */ {false, 0, 999.9f},     {false, 0, 9999000},   {false, 0, 9999000},   {false, 0, 999900000.0f},
    /* 36 */ {false, 0, 9999},       {false, 0, 99.99f},    {false, 0, 9.9999f},   {false, 0, 999.9f},
    /* 40 */ {false, 0, 99999},      {false, 0, 9999},      {false, 0, 9999},      {false, 0, 999.9f},
    /* 44 */ {false, 0, 999.9f},     {false, 0, 99.99f},    {false, 0, 99.99f},    {false, 0, 9999},
    /* 48 */ {false, 0, 9999},       {false, 0, 9999},      {false, 0, 9999},      {false, 0, 9999},
    /* 52 */ {false, 0, 99.99f},     {false, 0, 99.999f},   {false, 0, 999.99f},   {true, -9999, 9999},
    /* 56 */ {true, -999.1f, 999.9f}, {false, 0, 9999},     {false, 0, 9999},      {false, 0, 9999},
    /* 60 */ {true, -99.9f, 99.9f},  {false, 0, 999},       {false, 0, 999},       {false, 0, 999900000.0f},
    /* 64 */ {true, -99.99f, 99.99f}, {true, -9999, 9999},  {true, -99.99f, 99.99f}, {true, -9999000, 9999000},
    /* 68 */ {true, -999900, 999900}, {false, 0, 99.99f},   {false, 0, 999.9f},    {true, -999.9f, 999.9f},
    /* 72 */ {true, -999.9f, 999.9f}, {true, -999.9f, 999.9f}, {true, -999.9f, 999.9f}, {true, -99.99f, 99.99f},
    /* 76 */ {true, -99.99f, 99.99f}, {false, 0, 9999},     {false, 0, 99},        {false, 0, 99},
    /* 80 */ {false, 0, 999},        {false, 0, 1000000000}, {false, 0, 9.999f},   {false, 0, 99.99f},
    /* 84 */ {false, 0, 9999},       {true, -9999, 9999},   {true, -9.99f, 9.99f}, {true, -9.99f, 9.99f},
    /* 88 */ {true, -0.09999f, 0.09999f}, {false, 0, 999.9f}, {false, 0, 999.9f},  {false, 0, 999.9f},
    /* 92 */ {false, 0, 9.999f},     {false, 0, 999.9f},    {false, 0, 68940.7f},  {false, 0, 999.9f},
    /* 96 */ {false, 0, 999.9f},     {false, 0, 999.9f},    {false, 0, 9999},      {false, 0, 999},
};

constexpr std::size_t kAlternativeCount = std::size(kAlternatives);

constexpr std::array<TParaTypRec, kValueTypeCount> BuildValueTypes() {
    std::array<TParaTypRec, kValueTypeCount> types{};
    std::size_t first = 0;
    for (int index = 0; index < kValueTypeCount; ++index) {
        std::size_t end = first;
        while (end < kAlternativeCount && kAlternatives[end].valueType == index) ++end;
        const Limits& l = kLimits[index];
        types[static_cast<std::size_t>(index)] =
            TParaTypRec{static_cast<uint16_t>(index | (l.isSigned ? 0x100 : 0)),
                        TMwzArray(kAlternatives + first, end - first), l.lower, l.upper};
        first = end;
    }
    return types;
}

constexpr std::array<TParaTypRec, kValueTypeCount> kValueTypes = BuildValueTypes();

constexpr bool EveryTypeHasUnits() {
    std::size_t total = 0;
    for (const TParaTypRec& t : kValueTypes) {
        if (t.units.empty()) return false;
        total += t.units.size();
    }
    return total == kAlternativeCount;  // also proves the alternatives are grouped in index order
}
static_assert(EveryTypeHasUnits());

constexpr DependentValueType kDependent[] = {
    {192, At(Section::SYS_SET, 13), DependentResolver::ProcessVariable},
    {193, At(Section::SYS_SET, 14), DependentResolver::ProcessVariable},
    {194, At(Section::SYS_SET, 65), DependentResolver::ProcessVariable},
    {195, At(Section::SYS_SET, 185), DependentResolver::ProcessVariable},
    {196, At(Section::OUT_SET, 8), DependentResolver::ProcessVariable},
    {197, At(Section::OUT_SET, 128), DependentResolver::ProcessVariable},
    {198, At(Section::SYS_SET, 20), DependentResolver::ProcessVariable},
    {199, At(Section::SYS_SET, 29), DependentResolver::ProcessVariable},
    {200, At(Section::SYS_SET, 311), DependentResolver::ProcessVariable},
    {201, At(Section::SYS_SET, 337), DependentResolver::ProcessVariable},
    {202, At(Section::SYS_SET, 363), DependentResolver::ProcessVariable},
    {203, At(Section::PID_SET, 69), DependentResolver::ProcessVariable},
    {204, At(Section::PID_SET, 85), DependentResolver::ProcessVariable},
    {205, At(Section::PID_SET, 8), DependentResolver::ProcessVariable},
    {206, At(Section::PID_SET, 34), DependentResolver::ProcessVariable},
    {207, At(Section::OUT_SET, 254), DependentResolver::ProcessVariable},
    {208, At(Section::OUT_SET, 270), DependentResolver::ProcessVariable},
    {209, At(Section::OUT_SET, 286), DependentResolver::ProcessVariable},
    {210, At(Section::OUT_SET, 302), DependentResolver::ProcessVariable},
    {211, At(Section::SYS_FIX, 54), DependentResolver::ProcessVariable},
    {212, At(Section::SYS_FIX, 63), DependentResolver::ProcessVariable},
    {213, At(Section::OXY_SET, 69), DependentResolver::Direct},
    {214, At(Section::PH_SET, 45), DependentResolver::PhUnits},
    {215, At(Section::PH_SET, 199), DependentResolver::PhPressure},
    {216, At(Section::PH_SET, 45), DependentResolver::PhCo2},
};
static_assert(std::size(kDependent) == 25);

bool IsTraceOxygen(int moduleType) {
    switch (moduleType) {
        case 31: case 151: case 152: case 161: case 171: case 181: case 191: case 201: case 211:
            return true;
        default:
            return false;
    }
}

constexpr int kOxygenCalcBlock = 130;

// The position nibble of a process-variable selector.
int SelectedPosition(uint8_t selector) { return selector >> 4; }

}  // namespace

const TParaTypRec& ValueType(int index) {
    CheckIndex("value type", index, kValueTypes.size());
    return kValueTypes[static_cast<std::size_t>(index)];
}

std::span<const DependentValueType> DependentValueTypes() { return kDependent; }

const DependentValueType* FindDependentValueType(uint8_t valueTypeByte) {
    for (const DependentValueType& d : kDependent)
        if (d.valueTypeByte == valueTypeByte) return &d;
    return nullptr;
}

int ApplyResolver(DependentResolver resolver, uint8_t selector) {
    switch (resolver) {
        case DependentResolver::ProcessVariable: {
            const int module = ComponentCode(SelectedPosition(selector));
            return module == 0 ? 0 : ProcessVariableValueType(module, selector & 0x0F);
        }
        case DependentResolver::Direct:
            return selector;
        case DependentResolver::PhUnits:
            switch (selector) {
                case 2: return 20;
                case 3: return 21;
                case 4: return 22;
                case 5: return 25;
                default: return 0;
            }
        case DependentResolver::PhPressure:
            return selector == 51 || selector == 91 || selector == 94 ? selector : 0;
        case DependentResolver::PhCo2:
            return selector == 89 || selector == 90 || selector == 91 ? selector : 0;
    }
    return 0;
}

ResolvedValueType ResolveValueType(uint8_t valueTypeByte) {
    const Workspace& ws = Ws();
    ResolvedValueType resolved;
    resolved.context.shownModule = ws.CurrentParam.moduleType;
    int index = valueTypeByte;
    if (const DependentValueType* dependent = FindDependentValueType(valueTypeByte)) {
        const long long offset = ParamOffset(dependent->selector, ws.CurrentParam.slot, ws.ActiveParamSet);
        const uint8_t selector = ws.ParImage.u8(offset);
        index = ApplyResolver(dependent->resolver, selector);
        if (dependent->resolver == DependentResolver::ProcessVariable)
            resolved.context.referredModule = ComponentCode(SelectedPosition(selector));
    }
    if (index > 0 && index < kValueTypeCount) resolved.type = &kValueTypes[static_cast<std::size_t>(index)];
    return resolved;
}

bool UnitApplies(const UnitAlternative& unit, const ValueTypeContext& context) {
    const auto oxygenModule = [&] {
        return context.referredModule == unit.module || context.shownModule == unit.module ||
               context.shownModule == kOxygenCalcBlock;
    };
    switch (unit.condition) {
        case C::Always: return true;
        case C::Never: return false;
        case C::SwBefore7: return SwBefore7();
        case C::SwFrom7: return SwFrom7();
        case C::O2Module: return oxygenModule();
        case C::O2ModuleBefore7: return oxygenModule() && SwBefore7();
        case C::O2ModuleFrom7: return oxygenModule() && SwFrom7();
        case C::O2Trace:
            return IsTraceOxygen(context.shownModule) || context.shownModule == kOxygenCalcBlock ||
                   IsTraceOxygen(context.referredModule);
    }
    return false;
}

std::string UnitText(const UnitAlternative& unit) { return LanguageText(unit.text); }

}  // namespace tessalin
