#pragma once
// Reading a section's default record in the encodings the parameter tables give its values, and checking
// the factory values the tables name.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <span>

#include "core/common/sections.h"

namespace tessalin::test {

enum class Enc { U8, U16, I16, F32 };

// The value at `offset` of a record (little-endian, as stored in the image).
inline double RecordValue(std::span<const uint8_t> record, uint16_t offset, Enc enc) {
    switch (enc) {
        case Enc::U8:
            return record[offset];
        case Enc::U16:
            return record[offset] | record[offset + 1] << 8;
        case Enc::I16:
            return static_cast<int16_t>(record[offset] | record[offset + 1] << 8);
        case Enc::F32: {
            float f;
            std::memcpy(&f, record.data() + offset, 4);
            return f;
        }
    }
    return 0;
}

inline float F32(std::span<const uint8_t> record, uint16_t offset) {
    return static_cast<float>(RecordValue(record, offset, Enc::F32));
}

// A factory value the parameter tables name: its place in a section's record, encoding and value.
struct NamedDefault {
    Section section;
    uint16_t offset;
    Enc enc;
    double value;
};

// Expects every named value at its place in its section's default record.
inline void ExpectNamedDefaults(std::span<const NamedDefault> named) {
    for (const NamedDefault& c : named)
        EXPECT_FLOAT_EQ(RecordValue(DefaultRecord(c.section), c.offset, c.enc), c.value)
            << SectionOf(c.section).name << " +" << c.offset;
}

}  // namespace tessalin::test
