#include "core/data_set/checksum.h"

namespace tessalin {

namespace {

constexpr std::array<uint16_t, 256> MakeCrcTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        uint16_t crc = static_cast<uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0x8408) : (crc >> 1);
        table[i] = crc;
    }
    return table;
}

}  // namespace

const std::array<uint16_t, 256> kCrcTable = MakeCrcTable();

static_assert(MakeCrcTable()[1] == 0x1189);
static_assert(MakeCrcTable()[255] == 0x0F78);

uint16_t Crc16Kermit(std::span<const uint8_t> data) {
    uint16_t crc = 0;
    for (uint8_t b : data) crc = static_cast<uint16_t>(kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8));
    return crc;
}

uint16_t ImageCrc(const ParImageBuffer& image, long long first, long long last) {
    if (last < first) return 0;
    return Crc16Kermit(image.bytes(first, static_cast<std::size_t>(last - first + 1)));
}

uint16_t StoredCrc(const ParImageBuffer& image, long long imageStart) { return image.u16(imageStart); }

long long ImageStart(ImageKind kind) {
    return kind == ImageKind::Front ? static_cast<long long>(kFrontOffset) : static_cast<long long>(kPurgonOffset);
}

std::size_t ImageSizeOf(ImageKind kind) { return kind == ImageKind::Front ? kFrontSize : kPurgonSize; }

uint16_t ComputedCrc(const ParImageBuffer& image, ImageKind kind) {
    const long long start = ImageStart(kind);
    return ImageCrc(image, start + 2, start + static_cast<long long>(ImageSizeOf(kind)) - 1);
}

bool ChecksumIntact(const ParImageBuffer& image, ImageKind kind) {
    return StoredCrc(image, ImageStart(kind)) == ComputedCrc(image, kind);
}

void StoreFreshCrc(ParImageBuffer& image, ImageKind kind) {
    image.setU16(ImageStart(kind), ComputedCrc(image, kind));
}

}  // namespace tessalin
