#include <gtest/gtest.h>

#include <cmath>

#include "codec_fixture.h"
#include "core/catalogue/codec.h"
#include "core/workspace.h"

namespace tessalin::test {
namespace {

constexpr Location kCond = At(Section::COND_SET, 20);  // slot I set A: 0x0814

TEST_F(CodecTest, UnitAutoRangingStopsAtTheFirstUnitThatHoldsTheValue) {
    struct Case {
        float microSiemens;
        const char* text;
        int unitIndex;
    };
    const Case cases[] = {
        {50000, "50", 1},     // too wide for 4 digits in µS/cm: mS/cm
        {500, "500", 0},
        {0.4f, "0.4", 0},     // |v| < 1 stops at once
        {1234.5f, "1235", 0}, // general format: 4 significant digits
        {2500000, "2500", 1},
    };
    use(number(kCond, 33), 5);
    for (const Case& c : cases) {
        Ws().ParImage.setF32(0x0814, c.microSiemens);
        TIPretSingle p;
        ASSERT_TRUE(ReadNumber(p));
        EXPECT_EQ(p.text, c.text) << c.microSiemens;
        EXPECT_EQ(p.unitIndex, c.unitIndex) << c.microSiemens;
        ASSERT_EQ(p.units.size(), 2u);
        EXPECT_EQ(p.units[0].text, "µS/cm");
        EXPECT_EQ(p.units[1].text, "mS/cm");
        EXPECT_FLOAT_EQ(p.units[1].factor, 1000);
    }
}

// A partial pressure (type 48) on a module that none of its oxygen alternatives is for still shows in
// the type's base unit, and is checked in it.
TEST_F(CodecTest, AValueWithoutAnApplyingUnitShowsTheTypesBaseUnit) {
    use(number(kCond, 48), 5);
    Ws().ParImage.setF32(0x0814, 123);
    TIPretSingle p;
    ASSERT_TRUE(ReadNumber(p));
    EXPECT_EQ(p.text, "123");
    ASSERT_EQ(p.units.size(), 1u);
    EXPECT_EQ(p.units[0].text, "mbar");
    EXPECT_EQ(p.unitIndex, 0);
    EXPECT_EQ(check("200", "mbar").result, kCheckAccepted);
}

TEST_F(CodecTest, ReadingScalesIntegersAndUsesTheGivenSeparator) {
    use(number(At(Section::PH_SET, 10), 10, kPfInt16, 1), 3);  // °C, 4.1, stored x10
    Ws().ParImage.setU16(0x080A, static_cast<uint16_t>(-253));
    TIPretSingle p;
    ASSERT_TRUE(ReadNumber(p));
    EXPECT_FLOAT_EQ(p.value, -25.3f);
    EXPECT_EQ(p.text, "-25.3");
    ASSERT_EQ(p.units.size(), 1u);
    EXPECT_EQ(p.units[0].text, "°C");
    Ws().DecimalSeparator = ',';
    EXPECT_EQ(shown(), "-25,3");
}

TEST_F(CodecTest, NoValueTypeLeavesNaNAndRefusesToCheckOrWrite) {
    for (uint8_t type : {uint8_t{0}, uint8_t{100}, uint8_t{150}}) {
        use(number(kCond, type), 5);
        Ws().ParImage.setF32(0x0814, 7);
        TIPretSingle p;
        EXPECT_FALSE(ReadNumber(p));
        EXPECT_EQ(p.text, "NaN");
        EXPECT_EQ(p.unitIndex, -1);
        TICheckValue c = check("3");
        EXPECT_EQ(c.result, kCheckAccepted);
        EXPECT_FALSE(CheckNumber(c));
        c.baseValue = 3;
        WriteNumber(c);
        EXPECT_FLOAT_EQ(Ws().ParImage.f32(0x0814), 7);
    }
}

TEST_F(CodecTest, CheckParsesBothSeparatorsAndRefusesWhatIsNoNumber) {
    use(number(kCond, 10), 5);  // signed, 4.1: -999.9..999.9
    struct Case {
        const char* input;
        int result;
        float parsed;
    };
    const Case cases[] = {
        {"1.5", kCheckAccepted, 1.5f}, {"1,5", kCheckAccepted, 1.5f}, {"  -2.25", kCheckAccepted, -2.25f},
        {"1.5 °C", kCheckNotANumber, 0}, {"1e2", kCheckAccepted, 100.0f}, {" 7  ", kCheckAccepted, 7.0f},
        {"", kCheckNotANumber, 0}, {"   ", kCheckNotANumber, 0}, {"abc", kCheckNotANumber, 0},
        {"|5", kCheckNotANumber, 0}, {"1.5.3", kCheckNotANumber, 0}, {"1-", kCheckNotANumber, 0},
        {"12a", kCheckNotANumber, 0},
    };
    for (const Case& c : cases) {
        const TICheckValue v = check(c.input);
        EXPECT_EQ(v.result, c.result) << '"' << c.input << '"';
        if (c.result == kCheckAccepted) {
            EXPECT_FLOAT_EQ(v.parsed, c.parsed) << c.input;
            EXPECT_FLOAT_EQ(v.baseValue, c.parsed) << c.input;
        } else {
            EXPECT_TRUE(std::isnan(v.correctedValue)) << c.input;
        }
    }
}

TEST_F(CodecTest, CheckLimitsAndCorrections) {
    struct Case {
        uint8_t type;
        uint32_t flags;
        const char* input;
        const char* unit;
        int result;
        const char* corrected;
        float lower;
        float upper;
    };
    const Case cases[] = {
        // limits from the width: 4.1 gives 999.9; signed types mirror it
        {10, 0, "1000", "", kCheckAbove, "999.9", -999.9f, 999.9f},
        {10, 0, "-1000", "", kCheckBelow, "-999.9", -999.9f, 999.9f},
        {8, 0, "-1", "", kCheckBelow, "0", 0, 9999},
        // 0 decimals in a single-unit type: the integer part, result 2; negative fractions alike
        {8, 0, "2.5", "", kCheckDecimals, "2", 0, 9999},
        {21, 0, "-2.5", "", kCheckDecimals, "-2", -9999, 9999},
        // several units: the largest limit of all of them, in base units; the unit typed beside picks the factor
        {33, 0, "10", "mS/cm", kCheckAbove, "9.999", 0, 9999},
        {33, 0, "9999", "µS/cm", kCheckAccepted, "9999", 0, 9999},
        // own limits (bit 8), then the type's limits (bit 10) override them
        {10, kPfOwnLimits, "60", "", kCheckAbove, "50.0", -5, 50},
        {5, kPfTypeLimits, "0", "", kCheckBelow, "1", 1, 20},
        {5, kPfOwnLimits | kPfTypeLimits, "25", "", kCheckAbove, "20", 1, 20},
    };
    for (const Case& c : cases) {
        TParamEntry e = number(kCond, c.type, c.flags);
        e.lower = -5;
        e.upper = 50;
        use(e, 5);
        const TICheckValue v = check(c.input, c.unit);
        EXPECT_EQ(v.result, c.result) << int(c.type) << " " << c.input;
        EXPECT_EQ(v.corrected, c.corrected) << int(c.type) << " " << c.input;
        EXPECT_FLOAT_EQ(v.lower, c.lower) << int(c.type) << " " << c.input;
        EXPECT_FLOAT_EQ(v.upper, c.upper) << int(c.type) << " " << c.input;
    }
}

bool LimitsAndFormatHandler(int event, TEvParRec& rec) {
    if (event == kEvLimits) {
        rec.lower = 2;
        rec.upper = 8;
        return true;
    }
    if (event == kEvFormat) {
        rec.number = 0x32;  // 3 digits, 2 decimals
        return true;
    }
    return false;
}

TEST_F(CodecTest, HandlerSuppliesLimitsAndFormat) {
    TParamEntry e = number(kCond, 10, kPfLimitsFromHandler | kPfFormatFromHandler);
    e.handler = LimitsAndFormatHandler;
    use(e, 5);
    Ws().ParImage.setF32(0x0814, 3.14159f);
    EXPECT_EQ(shown(), "3.14");
    TICheckValue v = check("9");
    EXPECT_EQ(v.result, kCheckAbove);
    EXPECT_EQ(v.corrected, "8.00");
    v = check("5");
    EXPECT_EQ(v.result, kCheckAccepted);
}

struct ShownLimits {
    int format;
    float lower;
    float upper;
};
ShownLimits gShownLimits;

bool ShownLimitsHandler(int event, TEvParRec& rec) {
    if (event == kEvLimits) {
        rec.lower = gShownLimits.lower;
        rec.upper = gShownLimits.upper;
        return true;
    }
    if (event == kEvFormat) {
        rec.number = gShownLimits.format;
        return true;
    }
    return false;
}

// A value beyond a limit that the row's decimals cannot show exactly becomes the nearest value shown
// inside the limit, never the limit rounded out of it.
TEST_F(CodecTest, ACorrectionStaysInsideALimitTheRowCannotShowExactly) {
    const struct {
        ShownLimits limits;
        const char* input;
        const char* corrected;
        float stored;
    } cases[] = {
        {{0x32, 0, 9.999f}, "12", "9.99", 9.99f},
        {{0x32, -9.999f, 9.999f}, "-12", "-9.99", -9.99f},
        {{0x52, 0, 999.99f}, "5000", "999.99", 999.99f},
        {{0x41, 0, 999.9f}, "1500", "999.9", 999.9f},
        {{0x32, 0.005f, 8}, "0", "0.01", 0.01f},
    };
    TParamEntry e = number(kCond, 10, kPfLimitsFromHandler | kPfFormatFromHandler);
    e.handler = ShownLimitsHandler;
    use(e, 5);
    for (const auto& c : cases) {
        gShownLimits = c.limits;
        const TICheckValue v = check(c.input);
        EXPECT_EQ(v.corrected, c.corrected) << c.input;
        EXPECT_FLOAT_EQ(v.correctedValue, c.stored) << c.input;
        EXPECT_EQ(check(v.corrected).result, kCheckAccepted) << c.input;
    }
}

TEST_F(CodecTest, WriteTruncatesAndSaturatesPerEncoding) {
    struct Case {
        uint32_t flags;
        float value;
        uint32_t stored;
    };
    const Case cases[] = {
        {kPfInt8, 200, 0x7F},           {kPfInt8, -200, 0x80},        {kPfInt8, -2.7f, 0xFE},
        {kPfUInt8, -1, 0},              {kPfUInt8, 300, 0xFF},        {kPfUInt8, 2.9f, 2},
        {kPfInt16, -40000, 0x8000},     {kPfInt16, -2.7f, 0xFFFE},    {kPfUInt16, -3, 0},
        {kPfUInt16, 70000, 0xFFFF},     {kPfInt32, -3e9f, 0x80000001}, {kPfInt32, 3e9f, 0x7FFFFFFF},
        {kPfUInt32, -5, 0},             {kPfUInt32, 5e9f, 0xFFFFFFFF}, {kPfUInt32, 1234.9f, 1234},
    };
    for (const Case& c : cases) {
        Ws().ParImage.fill(0x0814, 4, 0);
        use(number(kCond, 67, c.flags), 5);
        TICheckValue v;
        v.baseValue = c.value;
        WriteNumber(v);
        const int width = EncodingWidth(EncodingOf(c.flags));
        const uint32_t stored = width == 1 ? Ws().ParImage.u8(0x0814)
                                : width == 2 ? Ws().ParImage.u16(0x0814)
                                             : Ws().ParImage.u32(0x0814);
        EXPECT_EQ(stored, c.stored) << std::hex << c.flags << " " << c.value;
    }
}

TEST_F(CodecTest, ReadCheckWriteRoundTripsInEveryEncoding) {
    const uint32_t encodings[] = {kPfInt8, kPfUInt8, kPfInt16, kPfUInt16, kPfInt32, kPfUInt32, 0};
    for (uint32_t flags : encodings) {
        use(number(kCond, 10, flags, 1), 5);  // °C 4.1, integers stored x10
        const TICheckValue v = check("12.3");
        ASSERT_EQ(v.result, kCheckAccepted);
        WriteNumber(v);
        EXPECT_EQ(shown(), "12.3") << std::hex << flags;
        const TICheckValue again = check(shown());
        EXPECT_FLOAT_EQ(again.baseValue, v.baseValue);
    }
}

TEST_F(CodecTest, BothSetsWriteLandsInSetAAndSetBWhateverTheActiveSet) {
    Ws().ActiveParamSet = true;
    use(number(At(Section::PH_SET, 30), 8, kPfUInt8 | kPfBothSets), 3, 1);
    TICheckValue v = check("42");
    ASSERT_EQ(v.result, kCheckAccepted);
    WriteNumber(v);
    EXPECT_EQ(Ws().ParImage.u8(0x0C00 + 30), 42);
    EXPECT_EQ(Ws().ParImage.u8(0x0C00 + 30 + 0x2000), 42);

    // Without the flag only the active set changes.
    use(number(At(Section::PH_SET, 31), 8, kPfUInt8), 3, 1);
    WriteNumber(check("7"));
    EXPECT_EQ(Ws().ParImage.u8(0x0C00 + 31), 0);
    EXPECT_EQ(Ws().ParImage.u8(0x0C00 + 31 + 0x2000), 7);

}

TEST_F(CodecTest, BothSetsMirrorOfFixedSectionsOnlyWhereItLandsInUnclaimedBytes) {
    // The fixed parts of the slots and calculation blocks get their copy 0x2000 above; the fixed sections
    // whose copy would land in another section or in the Purgon image are written once.
    const struct {
        Location at;
        uint8_t slot;
        long long setA;
        bool mirrored;
    } cases[] = {
        {At(Section::PH_FIX, 10), 0, 0x0B20 + 10, true},       {At(Section::PH_FIX, 10), 2, 0x1320 + 10, true},
        {At(Section::COND_FIX, 5), 1, 0x0F20 + 5, true},       {At(Section::CALCPH_FIX, 1), 4, 0x1B20 + 1, true},
        {At(Section::SYS_FIX, 10), 255, 0x0040 + 10, false},   {At(Section::CTRL_FIX, 10), 255, 0x2040 + 10, false},
        {At(Section::AUX_1C00, 10), 255, 0x1C00 + 10, false},  {At(Section::BUF_FIX, 10), 255, 0x3C00 + 10, false},
        {At(Section::PURGON, 10), 255, 0x4064 + 10, false},
    };
    for (const auto& c : cases) {
        for (bool setB : {false, true}) {
            ResetWorkspace();
            Ws().ActiveParamSet = setB;
            use(number(c.at, 8, kPfUInt8 | kPfBothSets), 3, c.slot);
            WriteNumber(check("9"));
            SetParamByte(Location{c.at.section, static_cast<uint16_t>(c.at.offset + 1)}, 7, true);
            const std::string where = std::string(SectionOf(c.at.section).name) + (setB ? " set B" : " set A");
            EXPECT_EQ(Ws().ParImage.u8(c.setA), 9) << where;
            EXPECT_EQ(Ws().ParImage.u8(c.setA + 1), 7) << where;
            EXPECT_EQ(Ws().ParImage.u8(c.setA + 0x2000), c.mirrored ? 9 : 0) << where;
            EXPECT_EQ(Ws().ParImage.u8(c.setA + 0x2001), c.mirrored ? 7 : 0) << where;
            EXPECT_EQ(WrittenInBothSets(c.at.section), c.mirrored) << where;
        }
    }
}

TEST_F(CodecTest, LocationWithoutAPlaceReadsByteZeroAndIsNeverWritten) {
    Ws().ParImage.setU8(0, 0x55);
    use(number(At(Section::PH_SET, 4), 8, kPfUInt8), 3, 3);  // a module section asked for slot 3
    EXPECT_EQ(ParamOffsetHere(At(Section::PH_SET, 4)), 0);
    EXPECT_EQ(shown(), "85");
    WriteNumber(check("12"));
    SetParamByte(At(Section::PH_SET, 4), 1, true);
    EXPECT_EQ(Ws().ParImage.u8(0), 0x55);
    EXPECT_EQ(Ws().ParImage.u8(0x2000), 0);
}

TEST_F(CodecTest, WriteEncodedTruncatesAndSaturates) {
    const struct {
        uint32_t encoding;
        double value;
        uint32_t stored;  // raw little-endian bytes read back as u32 (width masked)
        int width;
    } cases[] = {
        {kPfInt8, 200, 127, 1},         {kPfInt8, -3.9, 0xFD, 1},          {kPfUInt8, -3, 0, 1},
        {kPfUInt8, 300, 255, 1},        {kPfUInt16, -3, 0, 2},             {kPfInt16, -40000, 0x8000, 2},
        {kPfUInt16, 1234.9, 1234, 2},   {kPfInt32, -5e12, 0x80000001u, 4}, {kPfUInt32, 5e12, 0xFFFFFFFFu, 4},
    };
    for (const auto& c : cases) {
        Ws().ParImage.clear();
        WriteEncoded(0x7000, EncodingOf(c.encoding), c.value);
        const uint32_t mask = c.width == 4 ? 0xFFFFFFFFu : (1u << (8 * c.width)) - 1;
        EXPECT_EQ(Ws().ParImage.u32(0x7000) & mask, c.stored) << c.encoding << " " << c.value;
    }
    WriteEncoded(0x7010, EncodingOf(0), 2.5);
    EXPECT_FLOAT_EQ(Ws().ParImage.f32(0x7010), 2.5f);
}

TEST_F(CodecTest, AnEncodedWriteOutsideTheImageIsARangeError) {
    EXPECT_THROW(WriteEncoded(0x7FFE, EncodingOf(kPfUInt32), 1), RangeError);
    EXPECT_EQ(Ws().ParImage.u16(0x7FFE), 0);
}

TEST_F(CodecTest, RawAccessIsBoundedAndBlocksAreLimited) {
    WriteU32(0x7000, 0x04030201);
    EXPECT_EQ(ReadU16(0x7001), 0x0302);
    WriteU16BothSets(0x0900, 0xBEEF);
    EXPECT_EQ(ReadU16(0x2900), 0xBEEF);
    EXPECT_THROW(ReadU8(0x8000), RangeError);
    EXPECT_THROW(WriteU32(0x7FFE, 1), RangeError);
    std::vector<uint8_t> block(1025);
    EXPECT_THROW(ReadBlock(0x100, block), RangeError);
    EXPECT_THROW(ReadBlock(0x100, std::span<uint8_t>()), RangeError);
    const std::vector<uint8_t> data(1024, 0xAB);
    WriteBlock(0x7000, data);
    std::vector<uint8_t> back(1024);
    ReadBlock(0x7000, back);
    EXPECT_EQ(back, data);
}

}  // namespace
}  // namespace tessalin::test
