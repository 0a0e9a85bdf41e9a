#pragma once
// The configurator's module catalogue: one row per module type code, in the order the module list
// shows them, with what the row is (front, base, module, ...), its measuring family, whether it may be
// offered, for which front variant, and from which software version.

#include <array>
#include <cstdint>
#include <optional>

namespace tessalin::configurator {

enum class Category : uint8_t {
    Front = 0,
    Base = 1,
    Module = 2,         // measuring or communication module
    CalcBlock = 3,      // chosen on the front unit's pages, never offered by the list
    Purgon = 4,         // Purgon controller
    IModule = 5,        // takes two slots
    SubType = 6,        // channel sub-type of a two-channel or sensor module, never offered
    DigitalSensor = 7,  // digital sensor module
    Ldo = 8,            // optical oxygen sensor module
};

// Measuring families: 0 none, 1 pH, 2 conductivity, 3 oxygen, 4 CO2, 5 ORP.
enum Family : uint8_t { kFamilyNone = 0, kFamilyPh = 1, kFamilyCond = 2, kFamilyOxy = 3, kFamilyCo2 = 4, kFamilyOrp = 5 };

// Version rules on the working software major character ('5' < ... < '9' < 'A').
enum class VersionRule : uint8_t { Always, Below6, From6, From7, From8, From9, FromA, Below9 };

bool VersionRuleHolds(VersionRule rule, char major);

struct CatalogueRow {
    uint8_t code;
    uint8_t withStandardFront;  // 1: offered with the standard front
    uint8_t withVariantFront;   // 1: offered with the front variant "X"
    Category category;
    uint8_t family;
    uint8_t flags;              // bit 0: the row may be offered
    VersionRule rule;
};

inline constexpr int kCatalogueRows = 61;
extern const std::array<CatalogueRow, kCatalogueRows> kModuleCatalogue;

// Index of the row of a module type code, or nothing.
std::optional<int> CatalogueIndexOf(int code);

// The measuring family of a module type code (byte 4 of its row): the last matching row wins, and a
// code without a row has none (kFamilyNone).
uint8_t FamilyOf(int code);

}  // namespace tessalin::configurator
