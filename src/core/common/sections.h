#pragma once
// Sections of the parameter image and where a parameter lives. A parameter's location is a section and a
// byte offset inside that section's default record, or an absolute scratch position 0x7000..0x73FF.
// ParamOffset turns a location into an image offset for a slot and a parameter set.

#include <cstdint>
#include <span>
#include <string_view>

namespace tessalin {

enum class Section : uint8_t {
    None,  // a row without a value
    SYS_FIX,
    CTRL_FIX,
    AUX_1C00,
    BUF_FIX,
    SYS_SET,
    PH_SET,
    PH_FIX,
    COND_SET,
    COND_FIX,
    CONDI_SET,
    CONDI_FIX,
    OXY_SET,
    OXY_FIX,
    LDO_SET,
    LDO_FIX,
    ORP_SET,
    ORP_FIX,
    OUT_SET,
    OUT_FIX,
    PID_SET,
    PID_FIX,
    COM_SET,
    COM_FIX,
    CALCPH_SET,
    CALCPH_FIX,
    CALCCOND_SET,
    CALCCOND_FIX,
    CALCOXY_SET,
    CALCOXY_FIX,
    CALCCO2_SET,
    CALCCO2_FIX,
    PURGON,
    Scratch,  // absolute position 0x7000..0x73FF, maps to itself
};

inline constexpr int kSectionCount = static_cast<int>(Section::Scratch) + 1;

// How a section's image offset is chosen.
enum class SectionPlacement : uint8_t {
    Fixed,        // one place
    PerSet,       // one place per parameter set (set B 0x2000 above)
    SlotFix,      // one place per module slot 0..2
    SlotSet,      // per module slot 0..2 and per parameter set
    CalcFix,      // per calculation block (slot number 3..4)
    CalcSet,      // per calculation block and per parameter set
};

struct SectionInfo {
    Section section;
    std::string_view name;    // "PH-SET"
    uint16_t size;            // size of the default record
    uint16_t base;            // image offset of byte 0 for slot I / calculation block 1 / the only place
    SectionPlacement placement;
};

const SectionInfo& SectionOf(Section section);

struct Location {
    Section section = Section::None;
    uint16_t offset = 0;  // byte offset in the section, or the absolute position for Section::Scratch

    constexpr bool hasValue() const { return section != Section::None; }
    constexpr bool operator==(const Location&) const = default;
};

constexpr Location At(Section section, uint16_t offset) { return Location{section, offset}; }
constexpr Location Scratch(uint16_t position) { return Location{Section::Scratch, position}; }

// Image offset of a location for a slot number (0..2 module slots, 3..4 calculation blocks, 255 none) and
// a parameter set (false A, true B). A location with no valid place (a module section asked for slot 3,
// a calculation-block section asked for slot 0, no location at all) yields 0; a location outside its
// section and outside the scratch area yields 0x7000.
long long ParamOffset(const Location& location, uint8_t slot, bool setB);

// Image offset of a location for the slot of CurrentParam in the active set, or in set A.
long long ParamOffsetHere(const Location& location);
long long ParamOffsetSetA(const Location& location);

// The byte of a location for the slot of CurrentParam in the active set.
uint8_t ParamByte(const Location& location);

// Whether a location has a place of its own for a slot number: false without a location, outside its
// section, and for a slot number its section is not kept for. Writes to a location without a place land
// nowhere.
bool HasPlace(const Location& location, uint8_t slot);

// True when the section has a set-B copy 0x2000 above set A.
bool SectionPerSet(Section section);

}  // namespace tessalin
