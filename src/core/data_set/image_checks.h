#pragma once
// The acceptance checks of an image that has been read, as reusable functions. The loader runs them in
// this order and stops at the first failure: size, checksum, the FRONT's foreign-software variant,
// variant, version.

#include <cstddef>
#include <cstdint>

#include "core/data_set/checksum.h"
#include "core/data_set/par_image.h"

namespace tessalin {

// The outcome of a load: 0 loaded, otherwise the first failed check.
enum LoadErrorCode : int32_t {
    kLoadOk = 0,
    kLoadShortFile = 512,
    kLoadChecksum = 1024,
    kLoadBadVariantOrVersion = 2048,
    kLoadCannotOpen = 4096,
    kLoadForeignVariant = 8192,
};

bool SizeAccepted(std::size_t bytesRead, ImageKind kind);
// 'b' and 'p' mark a FRONT file of another device software.
bool IsForeignVariant(char variant);
bool VariantAccepted(char variant);
// The major version character must be at least '5' (character codes, so 'A' passes).
bool VersionAccepted(char major);
// True when the software version major.minor is at least wantMajor.wantMinor, compared by character code.
bool VersionAtLeast(char major, char minor, char wantMajor, char wantMinor);

// Runs the checks in order on an image already in `image` at its place; bytesRead is what the file
// yielded. Returns the LoadError code of the first failed check, 0 when all pass.
int32_t CheckImage(const ParImageBuffer& image, ImageKind kind, std::size_t bytesRead);

}  // namespace tessalin
