#include <gtest/gtest.h>

#include "core/catalogue/charsets.h"
#include "core/catalogue/fixed_text.h"
#include "core/common/texts.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

TEST(FixedText, PaddedWithDeviceBlanksAndReadBack) {
    ResetWorkspace();
    Ws().ParImage.fill(0x0100, 12, 'x');
    WriteFixedText(0x0100, 10, "AB");
    const auto bytes = Ws().ParImage.bytes(0x0100, 12);
    EXPECT_EQ(bytes[0], 'A');
    EXPECT_EQ(bytes[1], 'B');
    for (int i = 2; i < 10; ++i) EXPECT_EQ(bytes[static_cast<std::size_t>(i)], 0xB7) << i;
    EXPECT_EQ(bytes[10], 'x');  // nothing beyond the field
    EXPECT_EQ(DisplayText(bytes.data(), 10), "AB");
    EXPECT_EQ(ReadFixedText(0x0100, 3), "AB·");

    WriteFixedText(0x0100, 4, "TOO LONG");
    EXPECT_EQ(ReadFixedText(0x0100, 4), "TOO ");
    WriteFixedText(0x0100, 4, "°C");  // UTF-8 here, Windows-1252 in the image
    EXPECT_EQ(Ws().ParImage.u8(0x0100), 0xB0);
    EXPECT_EQ(ReadFixedText(0x0100, 2), "°C");
    EXPECT_THROW(WriteFixedText(0x7FFC, 8, "A"), RangeError);
    ResetWorkspace();
}

std::string Type(int set, std::string_view keys, std::size_t length) {
    std::string field;
    std::size_t held = 0;
    std::size_t pos = 0;
    while (pos < keys.size()) {
        const char32_t key = NextCodePoint(keys, pos);
        const std::optional<char32_t> c = FilterTypedChar(set, key, held, length);
        if (!c) continue;
        AppendUtf8(field, *c);
        ++held;
    }
    return field;
}

TEST(CharSets, TableAsTheDeviceKeepsIt) {
    const auto& sets = CharSetTable();
    const std::size_t sizes[] = {66, 16, 10, 2, 47, 38, 67, 38};
    for (int i = 0; i < kCharSetCount; ++i) {
        EXPECT_EQ(sets[static_cast<std::size_t>(i)].chars.size(), sizes[i]) << i;
        EXPECT_EQ(sets[static_cast<std::size_t>(i)].last, static_cast<int>(sizes[i]) - 1) << i;
    }
    EXPECT_EQ(sets[0].name, "0..9A..Z@[\\\\]^_!\"#$%&'()*+,-./:;<=>?·");
    EXPECT_EQ(sets[0].chars.back(), '\0');
    EXPECT_EQ(sets[6].name, "0..9a..zA..Z_-,.·");
    EXPECT_FALSE(sets[6].upperCase);
    EXPECT_EQ(sets[7].chars.substr(0, 3), "ABC");
}

TEST(CharSets, TypingFilter) {
    struct Case {
        int set;
        const char* keys;
        std::size_t length;
        const char* field;
    };
    const Case cases[] = {
        {5, "ab c", 4, "AB·C"},        // blank becomes the device blank, capitals
        {6, "ab c", 4, "ab·c"},        // set 6 keeps lower case
        {5, "A?B", 8, "AB"},           // "?" is not in set 5
        {0, "A?B", 8, "A?B"},
        {1, "0fg9", 8, "0F9"},
        {3, "0121", 8, "011"},
        {5, "ABCDEF", 3, "ABC"},       // full field
    };
    for (const Case& c : cases) EXPECT_EQ(Type(c.set, c.keys, c.length), c.field) << c.set << " " << c.keys;
    EXPECT_EQ(FilterTypedChar(5, kBackspace, 3, 3), kBackspace);
    EXPECT_THROW(FilterTypedChar(8, U'A', 0, 4), RangeError);
}

}  // namespace
}  // namespace tessalin
