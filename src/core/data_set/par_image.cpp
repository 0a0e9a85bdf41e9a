#include "core/data_set/par_image.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tessalin {

std::size_t ParImageBuffer::checked(long long index, std::size_t width) {
    CheckIndex("parameter image", index, kImageSize);
    if (width > 0) CheckIndex("parameter image", index + static_cast<long long>(width) - 1, kImageSize);
    return static_cast<std::size_t>(index);
}

uint16_t ParImageBuffer::u16(long long index) const {
    const std::size_t i = checked(index, 2);
    return static_cast<uint16_t>(bytes_[i] | (bytes_[i + 1] << 8));
}

uint32_t ParImageBuffer::u32(long long index) const {
    const std::size_t i = checked(index, 4);
    return static_cast<uint32_t>(bytes_[i]) | (static_cast<uint32_t>(bytes_[i + 1]) << 8) |
           (static_cast<uint32_t>(bytes_[i + 2]) << 16) | (static_cast<uint32_t>(bytes_[i + 3]) << 24);
}

float ParImageBuffer::f32(long long index) const { return std::bit_cast<float>(u32(index)); }

void ParImageBuffer::setU16(long long index, uint16_t value) {
    const std::size_t i = checked(index, 2);
    bytes_[i] = static_cast<uint8_t>(value & 0xFF);
    bytes_[i + 1] = static_cast<uint8_t>(value >> 8);
}

void ParImageBuffer::setU32(long long index, uint32_t value) {
    const std::size_t i = checked(index, 4);
    for (int k = 0; k < 4; ++k) bytes_[i + k] = static_cast<uint8_t>((value >> (8 * k)) & 0xFF);
}

void ParImageBuffer::setF32(long long index, float value) { setU32(index, std::bit_cast<uint32_t>(value)); }

std::span<const uint8_t> ParImageBuffer::bytes(long long index, std::size_t length) const {
    if (length == 0) return {};
    return std::span<const uint8_t>(bytes_).subspan(checked(index, length), length);
}

void ParImageBuffer::writeBytes(long long index, std::span<const uint8_t> data) {
    if (data.empty()) return;
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(checked(index, data.size())));
}

void ParImageBuffer::fill(long long index, std::size_t length, uint8_t value) {
    if (length == 0) return;
    const std::size_t i = checked(index, length);
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(i), length, value);
}

}  // namespace tessalin
