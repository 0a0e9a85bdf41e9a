#pragma once
// The parameter image: one buffer of 32768 bytes holding the FRONT image (0..16383), the Purgon
// image (16384..25483) and a working area that never goes to a file (with the scratch bytes
// 0x7000..0x73FF). Every access is bounds-checked; multi-byte values are little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/range_error.h"

namespace tessalin {

inline constexpr std::size_t kImageSize = 32768;
inline constexpr std::size_t kFrontOffset = 0;
inline constexpr std::size_t kFrontSize = 16384;
inline constexpr std::size_t kPurgonOffset = 16384;
inline constexpr std::size_t kPurgonSize = 9100;
// The bytes that go to files: FRONT and Purgon, 0..25483.
inline constexpr std::size_t kStoredImageEnd = kPurgonOffset + kPurgonSize;
inline constexpr std::size_t kScratchBegin = 0x7000;
inline constexpr std::size_t kScratchEnd = 0x73FF;  // inclusive
inline constexpr std::size_t kSetBDistance = 0x2000;

class ParImageBuffer {
public:
    ParImageBuffer() { clear(); }

    void clear() { bytes_.fill(0); }

    uint8_t u8(long long index) const { return bytes_[checked(index, 1)]; }
    void setU8(long long index, uint8_t value) { bytes_[checked(index, 1)] = value; }
    char ch(long long index) const { return static_cast<char>(u8(index)); }

    int8_t i8(long long index) const { return static_cast<int8_t>(u8(index)); }
    uint16_t u16(long long index) const;
    int16_t i16(long long index) const { return static_cast<int16_t>(u16(index)); }
    uint32_t u32(long long index) const;
    int32_t i32(long long index) const { return static_cast<int32_t>(u32(index)); }
    float f32(long long index) const;

    void setU16(long long index, uint16_t value);
    void setU32(long long index, uint32_t value);
    void setF32(long long index, float value);

    // A bounded view of `length` bytes from `index`; throws when any of them lies outside.
    std::span<const uint8_t> bytes(long long index, std::size_t length) const;
    void writeBytes(long long index, std::span<const uint8_t> data);
    void fill(long long index, std::size_t length, uint8_t value);

    std::span<const uint8_t> all() const { return bytes_; }
    bool operator==(const ParImageBuffer& other) const { return bytes_ == other.bytes_; }

private:
    // Returns index as an offset when [index, index + width) lies inside the buffer.
    static std::size_t checked(long long index, std::size_t width);

    std::array<uint8_t, kImageSize> bytes_;
};

}  // namespace tessalin
