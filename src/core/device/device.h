#pragma once
// The decoded identity of the device. The parameter image is the only source: DecodeDevice fills these
// records from it after a load, after the configurator and after a rule that changes the hardware.

#include <array>
#include <cstdint>
#include <string>

namespace tessalin {

// Component positions: they address a component, select its name column and brand, and are stored in
// the module nodes of the device tree.
enum Position : uint8_t {
    kPosBase = 1,
    kPosFront = 2,
    kPosIModule = 3,
    kPosSlot1 = 4,
    kPosSlot2 = 5,
    kPosSlot3 = 6,
    kPosCalc1 = 8,
    kPosCalc2 = 9,
};

// IdState 2: versions and serial number come from a device file; any other value: unknown.
inline constexpr int32_t kIdFromFile = 2;

struct TIdFront {
    uint8_t Code = 0;      // 17 when FRONT byte 8192 is 2, otherwise 2; 0 when there is no device
    char SwMajor = 0;      // FRONT byte 2
    char SwMinor = 0;      // FRONT byte 4
    uint8_t SwPacked = 0;  // (major & 0x0F) * 16 + (minor & 0x0F)
    uint8_t HwVersion = 0; // FRONT byte 8192
    uint8_t Brand = 0;     // 0 Morvane, 1 Brevon, 2 Sollane
    uint32_t SerialNo = 0;
    uint32_t Options = 0;  // option word, FRONT bytes 8224..8227
    std::string ExMark;    // "X" for the explosion-protected variant
    int32_t IdState = 0;
    bool operator==(const TIdFront&) const = default;
};

struct TIdInfo_h {
    uint8_t HwId = 0;       // 255 no module; bit 2: reached through an interface or digital-sensor module
    uint8_t SwVersion = 0;  // packed decimal
    uint8_t HwVersion = 0;
    uint8_t Brand = 0;
    uint32_t SerialNo = 0;
    uint8_t Code = 0;       // module code, 0 none
    uint8_t RecIndex = 0;   // module identity record; also selects the module's parameter block
    uint8_t SlotMask = 0;   // bit 0 [I], bit 1 [II], bit 2 [III]
    std::string ExMark;
    int32_t IdState = 0;
    uint8_t AttachCode = 0; // slots only: copy of FRONT byte 61 + slot
    bool operator==(const TIdInfo_h&) const = default;
};

struct TCalcBlock {
    uint8_t Code = 0;  // 128..131, 0 none
    uint8_t RecIndex = 0;
    uint8_t SlotMask = 0;
    int32_t IdState = 0;
    bool operator==(const TCalcBlock&) const = default;
};

struct TidPurgon {
    uint8_t TypeCode = 0;  // 0 none, 79 or 80
    uint8_t SwVersion = 0;
    uint8_t HwVersion = 0;
    uint8_t Brand = 0;
    uint32_t SerialNo = 0;
    uint8_t SlotMask = 0;  // slot of the module that carries the controller's connection
    std::string ExMark;
    int32_t IdState = 0;
    bool operator==(const TidPurgon&) const = default;
};

// Origin: 0 no device; 1 made or changed in the tool; 2 loaded from files.
enum DeviceOrigin : int32_t { kOriginNone = 0, kOriginTool = 1, kOriginFile = 2 };

struct TDevice {
    TIdFront Front;
    TIdInfo_h IModule;
    TIdInfo_h Base;
    std::array<TIdInfo_h, 3> Slot;
    std::array<TCalcBlock, 2> CalcBlock;
    TidPurgon Purgon;
    int32_t Origin = kOriginNone;
    bool operator==(const TDevice&) const = default;
};

}  // namespace tessalin
