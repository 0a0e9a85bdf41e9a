#include "core/data_set/image_checks.h"

namespace tessalin {

bool SizeAccepted(std::size_t bytesRead, ImageKind kind) { return bytesRead >= ImageSizeOf(kind); }

bool IsForeignVariant(char variant) { return variant == 'b' || variant == 'p'; }

bool VariantAccepted(char variant) { return variant == 'B' || variant == 'P'; }

bool VersionAccepted(char major) { return static_cast<unsigned char>(major) >= static_cast<unsigned char>('5'); }

bool VersionAtLeast(char major, char minor, char wantMajor, char wantMinor) {
    const auto m = static_cast<unsigned char>(major), wm = static_cast<unsigned char>(wantMajor);
    return m > wm || (m == wm && static_cast<unsigned char>(minor) >= static_cast<unsigned char>(wantMinor));
}

int32_t CheckImage(const ParImageBuffer& image, ImageKind kind, std::size_t bytesRead) {
    if (!SizeAccepted(bytesRead, kind)) return kLoadShortFile;
    if (!ChecksumIntact(image, kind)) return kLoadChecksum;
    const long long start = ImageStart(kind);
    const char variant = image.ch(start + 6);
    if (kind == ImageKind::Front && IsForeignVariant(variant)) return kLoadForeignVariant;
    if (!VariantAccepted(variant)) return kLoadBadVariantOrVersion;
    if (!VersionAccepted(image.ch(start + 2))) return kLoadBadVariantOrVersion;
    return kLoadOk;
}

}  // namespace tessalin
