#pragma once
// Shared set-up for the device tests: install an image made by the builder and decode it.

#include "core/device/decode.h"
#include "core/device/device.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin::test {

// A slot module reached through an interface: identity byte with bit 2 set.
inline constexpr uint8_t kInterfaceHwId = 116;
// A slot module connected directly: bit 2 clear.
inline constexpr uint8_t kDirectHwId = 8;

// Decodes the builder's image into a fresh workspace as the loader would (Origin 2 unless told otherwise).
inline const TDevice& Decode(const ImageBuilder& builder, bool fromFile = true, int32_t origin = kOriginFile) {
    ResetWorkspace();
    InstallImage(builder.build());
    Ws().Device.Origin = origin;
    DecodeDevice(fromFile);
    return Ws().Device;
}

// Puts a module with the given stored code into slot s, using identity record s.
inline ImageBuilder& AddModule(ImageBuilder& b, int s, uint8_t code, uint8_t hwId, uint8_t brandByte = 0,
                               uint32_t serial = 0) {
    b.slot(s, code, static_cast<uint8_t>(s), static_cast<uint8_t>(1 << s));
    return b.record(s, {.hwId = hwId, .swVersion = 0x12, .hwVersion = 1, .brandByte = brandByte, .serial = serial});
}

}  // namespace tessalin::test
