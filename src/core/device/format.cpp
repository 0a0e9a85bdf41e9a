#include "core/device/format.h"

#include <array>
#include <cstdio>

namespace tessalin {

std::string FormatSerial(uint32_t serial) {
    if (serial <= 2) return "xxxxxxx";
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%7.7u", static_cast<unsigned>(serial));
    return buffer.data();
}

std::string FormatFrontVersion(char major, char minor) { return std::string{major, '.', minor}; }

std::string FormatVersion(uint8_t packed) {
    if (packed == 0) return "x.x";
    return {static_cast<char>('0' + (packed >> 4)), '.', static_cast<char>('0' + (packed & 0x0F))};
}

std::string FormatSlotMask(uint8_t mask) {
    std::string out;
    if (mask & 0x01) out += "[I] ";
    if (mask & 0x02) out += "[II] ";
    if (mask & 0x04) out += "[III] ";
    return out;
}

std::string BrandKey(uint8_t brandByte) {
    static constexpr std::array<const char*, 3> kKeys = {"MORVANE", "BREVON", "SOLLANE"};
    const uint8_t brand = brandByte & 0x1F;
    return kKeys[brand <= 2 ? brand : 0];
}

}  // namespace tessalin
