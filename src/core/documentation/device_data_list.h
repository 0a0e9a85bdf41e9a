#pragma once
// The device data list: 56 lines that describe the hardware of the device (front unit with its options,
// base unit, the three slots and an attached Purgon controller), in the device language. A line without
// content is empty and keeps its number, so the report can address the blocks by line.

#include <array>
#include <string>

namespace tessalin {

inline constexpr int kDeviceDataLines = 56;

// Line numbers of the blocks.
inline constexpr int kDataFrontName = 0;
inline constexpr int kDataOptionsHeading = 4;
inline constexpr int kDataFirstOption = 5;
inline constexpr int kDataLastOption = 36;
inline constexpr int kDataBaseName = 37;
inline constexpr int kDataSlotFirstLines[3] = {41, 46, 51};  // name; then software, hardware, serial; Purgon

using DeviceDataLines = std::array<std::string, kDeviceDataLines>;

// Built from Ws().Device.
DeviceDataLines DeviceDataList();

}  // namespace tessalin
