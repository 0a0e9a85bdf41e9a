#pragma once
// The value codec: raw access to the parameter image, and reading, checking and writing the number of
// the current parameter entry (CurrentParam) in the active parameter set.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/catalogue/tables.h"
#include "core/common/sections.h"

namespace tessalin {

// ---- raw access ---------------------------------------------------------------------------------

// Raw reads and writes of 1, 2 or 4 little-endian bytes. Offsets at or beyond the image are a RangeError.
// Offset 0 is the answer for a location without a place: writes there are dropped so that they never
// land on the image header.
uint8_t ReadU8(long long offset);
uint16_t ReadU16(long long offset);
uint32_t ReadU32(long long offset);
void WriteU8(long long offset, uint8_t value);
void WriteU16(long long offset, uint16_t value);
void WriteU32(long long offset, uint32_t value);
// Both-sets writers: at the set-A offset and again 0x2000 above.
void WriteU8BothSets(long long setAOffset, uint8_t value);
void WriteU16BothSets(long long setAOffset, uint16_t value);
void WriteU32BothSets(long long setAOffset, uint32_t value);
// Block copies of 1..1024 bytes (RangeError for any other length).
void ReadBlock(long long offset, std::span<uint8_t> out);
void WriteBlock(long long offset, std::span<const uint8_t> data);

// Whether a both-sets value of a section is written a second time 0x2000 above its set-A place: yes for
// the sections kept per set and for the fixed parts of the module slots and calculation blocks (their
// mirror lands in bytes that no section claims, where the device keeps a copy as well). The other fixed
// sections are written once, because their mirror would land inside another section or outside the FRONT
// image: above SYS-FIX lies CTRL-FIX, above AUX-1C00 lies BUF-FIX, above CTRL-FIX and BUF-FIX the Purgon
// image; the Purgon image and the scratch area have no second set at all.
bool WrittenInBothSets(Section section);

// Writes the byte of a location: in the active set, or with `bothSets` in set A and, where
// WrittenInBothSets allows, 0x2000 above.
void SetParamByte(const Location& location, uint8_t value, bool bothSets);

// ---- encodings -------------------------------------------------------------------------------------

enum class Encoding : uint8_t { Int8, UInt8, Int16, UInt16, Int32, UInt32, Float };

// The encoding named by flag bits 24..29 (checked in the order int8, uint8, int16, uint16, int32,
// uint32; none set: float).
Encoding EncodingOf(uint32_t flags);
int EncodingWidth(Encoding encoding);

// The value at an offset in an encoding, and the value stored with truncation toward zero and saturation
// at the encoding's limits (int32 at -2147483647..2147483647, unsigned values below zero give 0; a float
// is stored as it is). The value is a double so that 32-bit integers such as time stamps stay exact.
// Integer encodings leave the image as it is for "not a number"; offset 0 is dropped as for the raw writers.
double ReadEncoded(long long offset, Encoding encoding);
void WriteEncoded(long long offset, Encoding encoding, double value);
// Writes an encoded value at a location: in the active set, or with bothSets at its set-A place and,
// where WrittenInBothSets allows, 0x2000 above. A location without a place is not written at all.
void WriteEncodedAt(const Location& location, Encoding encoding, double value, bool bothSets);

// 10^scale of an entry's decimal scale (integer encodings store the value times this); 1 beyond 10^5.
double ScaleFactor(const TParamEntry& entry);

// ---- numbers of the current entry ------------------------------------------------------------------

struct UnitChoice {
    std::string text;  // unit text in the device language
    float factor = 1;
};

// A value read for display.
struct TIPretSingle {
    float value = 1.0e30f;     // in the chosen unit
    std::string text = "NaN";  // formatted
    std::vector<UnitChoice> units;  // every applicable unit alternative
    int32_t unitIndex = -1;    // index of the chosen unit in `units`
};

// A typed value being checked.
struct TICheckValue {
    int32_t result = 0;        // 0 accepted, 1 not a number, 2 decimals not allowed, 3 below, 4 above
    std::string input;         // the typed text
    std::string unit;          // the unit text chosen beside it
    float parsed = 0;          // the typed number (truncated with result 2)
    float factor = 1;          // of the chosen unit
    std::string corrected;     // the text of the value that would be accepted
    float correctedValue = 0;  // in the chosen unit
    float baseValue = 0;       // parsed x factor
    float lower = 0;           // limits in base units
    float upper = 0;
};

enum CheckResult : int32_t {
    kCheckAccepted = 0,
    kCheckNotANumber = 1,
    kCheckDecimals = 2,
    kCheckBelow = 3,
    kCheckAbove = 4,
};

// Reads, resolves and formats the number of CurrentParam's entry. False (and "NaN") without a value type.
bool ReadNumber(TIPretSingle& out);
// The same for a value in base units that is not stored (what a repair would enter).
bool ShowNumber(double base, TIPretSingle& out);

// Checks `input` in `unit` against the limits of the entry and its value type; fills every other field.
// True when the value is accepted as typed.
bool CheckNumber(TICheckValue& check);

// Stores the baseValue of a check into the image (both sets with the entry's both-sets flag).
void WriteNumber(const TICheckValue& check);

}  // namespace tessalin
