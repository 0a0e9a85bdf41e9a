#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/data_set/checksum.h"
#include "core/data_set/image_checks.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

TEST(Checksum, KermitCheckValueAndTable) {
    const char* text = "123456789";
    std::vector<uint8_t> bytes(text, text + std::strlen(text));
    EXPECT_EQ(Crc16Kermit(bytes), 0x2189);
    EXPECT_EQ(kCrcTable[0], 0x0000);
    EXPECT_EQ(kCrcTable[1], 0x1189);
    EXPECT_EQ(kCrcTable[255], 0x0F78);
}

TEST(Checksum, FrontCoversBytes2To16383Only) {
    ParImageBuffer image = test::ImageBuilder().build();
    const uint16_t base = ComputedCrc(image, ImageKind::Front);
    for (long long index : {2LL, 3LL, 100LL, 8192LL, 16383LL}) {
        ParImageBuffer changed = image;
        changed.setU8(index, static_cast<uint8_t>(changed.u8(index) ^ 0x5A));
        EXPECT_NE(ComputedCrc(changed, ImageKind::Front), base) << index;
    }
    for (long long index : {0LL, 1LL, 16384LL, 16386LL, 25483LL, 32767LL}) {
        ParImageBuffer changed = image;
        changed.setU8(index, static_cast<uint8_t>(changed.u8(index) ^ 0x5A));
        EXPECT_EQ(ComputedCrc(changed, ImageKind::Front), base) << index;
    }
}

TEST(Checksum, StoreFreshCrcMakesImageIntactLowByteFirst) {
    ParImageBuffer image;
    image.setU8(2, '7');
    image.setU8(20000, 0x42);
    StoreFreshCrc(image, ImageKind::Front);
    StoreFreshCrc(image, ImageKind::Purgon);
    EXPECT_TRUE(ChecksumIntact(image, ImageKind::Front));
    EXPECT_TRUE(ChecksumIntact(image, ImageKind::Purgon));
    const uint16_t front = ImageCrc(image, 2, 16383);
    EXPECT_EQ(image.u8(0), front & 0xFF);
    EXPECT_EQ(image.u8(1), front >> 8);
    EXPECT_EQ(StoredCrc(image, 16384), ImageCrc(image, 16386, 25483));
}

TEST(ImageChecks, OrderAndCodes) {
    struct Case {
        const char* name;
        std::size_t bytesRead;
        char variant;
        char major;
        bool breakCrc;
        ImageKind kind;
        int32_t expected;
    };
    const Case cases[] = {
        {"valid configuration", 16384, 'B', '9', false, ImageKind::Front, kLoadOk},
        {"valid parameter set", 16384, 'P', '5', false, ImageKind::Front, kLoadOk},
        {"version A passes", 16384, 'B', 'A', false, ImageKind::Front, kLoadOk},
        {"longer file is read as its first bytes", 20000, 'B', '9', false, ImageKind::Front, kLoadOk},
        {"one byte short", 16383, 'B', '9', false, ImageKind::Front, kLoadShortFile},
        {"short beats bad variant", 100, 'x', '9', false, ImageKind::Front, kLoadShortFile},
        {"checksum", 16384, 'B', '9', true, ImageKind::Front, kLoadChecksum},
        {"checksum beats variant", 16384, 'p', '9', true, ImageKind::Front, kLoadChecksum},
        {"foreign b", 16384, 'b', '9', false, ImageKind::Front, kLoadForeignVariant},
        {"foreign p", 16384, 'p', '4', false, ImageKind::Front, kLoadForeignVariant},
        {"bad variant", 16384, 'X', '9', false, ImageKind::Front, kLoadBadVariantOrVersion},
        {"version 4", 16384, 'B', '4', false, ImageKind::Front, kLoadBadVariantOrVersion},
        {"purgon valid", 9100, 'B', '9', false, ImageKind::Purgon, kLoadOk},
        {"purgon short", 9099, 'B', '9', false, ImageKind::Purgon, kLoadShortFile},
        {"purgon lower-case variant", 9100, 'p', '9', false, ImageKind::Purgon, kLoadBadVariantOrVersion},
    };
    for (const Case& c : cases) {
        test::ImageBuilder builder;
        builder.version(c.major, '0').variant(c.variant).purgon();
        ParImageBuffer image = builder.build();
        if (c.breakCrc) image.setU8(ImageStart(c.kind) + 500, 0x77);
        EXPECT_EQ(CheckImage(image, c.kind, c.bytesRead), c.expected) << c.name;
    }
}

TEST(ImageChecks, AllZeroImageHasChecksumZeroButFailsVariant) {
    ParImageBuffer zero;
    EXPECT_EQ(ComputedCrc(zero, ImageKind::Front), 0);
    EXPECT_EQ(CheckImage(zero, ImageKind::Front, kFrontSize), kLoadBadVariantOrVersion);
}

TEST(ImageChecks, VersionComparisonByCharacterCode) {
    EXPECT_TRUE(VersionAtLeast('5', '3', '5', '3'));
    EXPECT_FALSE(VersionAtLeast('5', '2', '5', '3'));
    EXPECT_TRUE(VersionAtLeast('6', '0', '5', '3'));
    EXPECT_TRUE(VersionAtLeast('A', '0', '9', '9'));
}

TEST(ParImage, EveryIndexBeyondTheBufferIsAnOrderlyError) {
    ParImageBuffer image;
    EXPECT_THROW(image.u8(32768), RangeError);
    EXPECT_THROW(image.u8(-1), RangeError);
    EXPECT_THROW(image.setU8(40000, 1), RangeError);
    EXPECT_THROW(image.u16(32767), RangeError);
    EXPECT_THROW(image.u32(32765), RangeError);
    EXPECT_THROW(image.bytes(32000, 769), RangeError);
    EXPECT_THROW(image.fill(32767, 2, 0), RangeError);
    EXPECT_NO_THROW(image.u32(32764));
    image.setU32(100, 0x12345678);
    EXPECT_EQ(image.u8(100), 0x78);
    EXPECT_EQ(image.u16(102), 0x1234);
    image.setF32(200, 1.5f);
    EXPECT_FLOAT_EQ(image.f32(200), 1.5f);
}

}  // namespace
}  // namespace tessalin
