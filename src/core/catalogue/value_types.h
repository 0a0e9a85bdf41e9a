#pragma once
// The value types: 100 records with their limits and unit alternatives (unit text per language, factor
// to the base unit, display width and decimal places, and the condition under which the alternative
// applies), and the dependent value types 192..216 whose index is read from the image at run time.

#include <cstdint>
#include <span>
#include <string>

#include "core/common/sections.h"
#include "core/common/texts.h"

namespace tessalin {

inline constexpr int kValueTypeCount = 100;

// When a unit alternative applies. The oxygen rules look at the oxygen module concerned: "O2 module N"
// holds when the module the value refers to is N, when the module shown is N, or when the module shown is
// the oxygen calculation block; "O2 trace" for the trace-oxygen module types (and the oxygen calculation
// block), shown or referred to.
enum class UnitCondition : uint8_t {
    Always,
    Never,
    SwBefore7,        // software major version below 7
    SwFrom7,          // above 6
    O2Module,         // O2 module `module`
    O2ModuleBefore7,  // O2 module `module` and major version below 7
    O2ModuleFrom7,    // O2 module `module` and major version above 6
    O2Trace,
};

struct UnitAlternative {
    uint8_t valueType;    // the value type this alternative belongs to
    LanguageTexts text;   // unit text per device language
    float factor;         // value in this unit = base value / factor
    uint8_t format;       // bits 4..6 width in digits, bits 0..3 decimal places
    UnitCondition condition = UnitCondition::Always;
    uint8_t module = 0;   // for the O2 module rules

    constexpr int width() const { return (format >> 4) & 7; }
    constexpr int decimals() const { return format & 0x0F; }
};

using TMwzArray = std::span<const UnitAlternative>;

struct TParaTypRec {
    uint16_t id;        // low byte: the index; bit 8: signed
    TMwzArray units;    // the unit alternatives in table order
    float lower;        // the type's own limits (used with flag bit 10)
    float upper;

    constexpr int index() const { return id & 0xFF; }
    constexpr bool isSigned() const { return (id & 0x100) != 0; }
};

// The record of value type 0..99 (RangeError outside).
const TParaTypRec& ValueType(int index);

// The context in which unit conditions are decided: the module type shown and, for values whose type is
// chosen through a process-variable selector, the module type at the selected position (0 otherwise).
struct ValueTypeContext {
    int shownModule = 0;
    int referredModule = 0;
};

// A value-type byte resolved for the current parameter context: the type (none for 0 and for results of
// 100 and above) and the context of its unit conditions.
struct ResolvedValueType {
    const TParaTypRec* type = nullptr;
    ValueTypeContext context;

    explicit operator bool() const { return type != nullptr; }
};

// How a dependent value type turns its selector byte into a value-type index.
enum class DependentResolver : uint8_t {
    ProcessVariable,  // high nibble a position, low nibble a variable number of the module there
    Direct,           // the byte is the index
    PhUnits,          // 2 -> 20, 3 -> 21, 4 -> 22, 5 -> 25
    PhPressure,       // 51, 91, 94 stay
    PhCo2,            // 89, 90, 91 stay
};

struct DependentValueType {
    uint8_t valueTypeByte;
    Location selector;
    DependentResolver resolver;
};

// The 25 dependent value types 192..216; null for any other byte.
std::span<const DependentValueType> DependentValueTypes();
const DependentValueType* FindDependentValueType(uint8_t valueTypeByte);

// The index a resolver gives for a selector byte (0 = none).
int ApplyResolver(DependentResolver resolver, uint8_t selector);

// Resolves a value-type byte with CurrentParam (its slot for the selector, its module type as the module
// shown) and the device.
ResolvedValueType ResolveValueType(uint8_t valueTypeByte);

bool UnitApplies(const UnitAlternative& unit, const ValueTypeContext& context);

// The unit text of an alternative in the device language.
std::string UnitText(const UnitAlternative& unit);

}  // namespace tessalin
