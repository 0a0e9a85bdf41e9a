#pragma once
// CRC-16/KERMIT (reflected CCITT polynomial 0x8408, initial value 0, no final XOR) over ranges of the
// parameter image. Each image carries its own checksum in its first two bytes, low byte first, and the
// checksum never covers those two bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/data_set/par_image.h"

namespace tessalin {

// Entry i is the reflected CRC of the single byte i.
extern const std::array<uint16_t, 256> kCrcTable;

uint16_t Crc16Kermit(std::span<const uint8_t> data);

// Checksum of ParImage[first..last], both inclusive.
uint16_t ImageCrc(const ParImageBuffer& image, long long first, long long last);

// The u16 stored at an image start, low byte first.
uint16_t StoredCrc(const ParImageBuffer& image, long long imageStart);

enum class ImageKind { Front, Purgon };

long long ImageStart(ImageKind kind);
std::size_t ImageSizeOf(ImageKind kind);

// Checksum over the image's bytes 2..end, as compared with or stored into its first two bytes.
uint16_t ComputedCrc(const ParImageBuffer& image, ImageKind kind);
bool ChecksumIntact(const ParImageBuffer& image, ImageKind kind);

// Recomputes the image's checksum and stores it in its bytes 0 and 1; done before every write.
void StoreFreshCrc(ParImageBuffer& image, ImageKind kind);

}  // namespace tessalin
