#include <gtest/gtest.h>

#include <vector>

#include "core/device/calc_blocks.h"
#include "core/device/module_codes.h"
#include "core/range_error.h"
#include "decode_fixture.h"

namespace tessalin {
namespace {

using test::AddModule;
using test::Decode;
using test::InstallImage;
using test::ImageBuilder;
using test::kDirectHwId;
using test::kInterfaceHwId;

// ---- front and base -------------------------------------------------------------------------------

TEST(DecodeFront, CodeBrandMarkAndIdentity) {
    struct Case {
        uint8_t hw, brandByte, code, brand;
        const char* mark;
    };
    for (const Case& c : {Case{2, 0x42, 17, 2, "X"}, Case{1, 0x21, 2, 1, ""}, Case{0, 0x00, 2, 0, ""},
                          Case{3, 0x5F, 2, 31, "X"}, Case{2, 0xC0, 17, 0, ""}}) {
        const TDevice& d = Decode(ImageBuilder()
                                      .version('7', '3')
                                      .frontHardware(c.hw)
                                      .frontBrand(c.brandByte)
                                      .frontSerial(4711)
                                      .options(0x80000001));
        SCOPED_TRACE(int(c.brandByte));
        EXPECT_EQ(d.Front.Code, c.code);
        EXPECT_EQ(d.Front.HwVersion, c.hw);
        EXPECT_EQ(d.Front.Brand, c.brand);
        EXPECT_EQ(d.Front.ExMark, c.mark);
        EXPECT_EQ(d.Front.SwMajor, '7');
        EXPECT_EQ(d.Front.SwMinor, '3');
        EXPECT_EQ(d.Front.SwPacked, 0x73);
        EXPECT_EQ(d.Front.SerialNo, 4711u);
        EXPECT_EQ(d.Front.Options, 0x80000001u);
        EXPECT_EQ(d.Front.IdState, kIdFromFile);
    }
}

TEST(DecodeBase, BeforeVersion53FollowsTheFront) {
    struct Case {
        char major, minor;
        uint8_t frontBrand, code, brand;
        const char* mark;
    };
    for (const Case& c : {Case{'5', '2', 0x00, 1, 0, ""}, Case{'5', '2', 0x41, 15, 1, "X"},
                          Case{'5', '0', 0x02, 1, 2, ""}}) {
        // The base bytes are set but must not be read before 5.3.
        const TDevice& d = Decode(ImageBuilder()
                                      .version(c.major, c.minor)
                                      .frontBrand(c.frontBrand)
                                      .base(16, 0x24, 3, 0x02, 1234567));
        SCOPED_TRACE(int(c.frontBrand));
        EXPECT_EQ(d.Base.Code, c.code);
        EXPECT_EQ(d.Base.SwVersion, 0x11);
        EXPECT_EQ(d.Base.HwVersion, 1);
        EXPECT_EQ(d.Base.Brand, c.brand);
        EXPECT_EQ(d.Base.ExMark, c.mark);
        EXPECT_EQ(d.Base.SerialNo, 0u);
        EXPECT_EQ(d.Base.IdState, kIdFromFile);
    }
}

TEST(DecodeBase, FromVersion53ReadsItsOwnIdentity) {
    for (char major : {'5', '9', 'A'}) {
        const TDevice& d = Decode(ImageBuilder().version(major, '3').frontBrand(0x00).base(16, 0x24, 3, 0x41, 1234567));
        EXPECT_EQ(d.Base.Code, 16);
        EXPECT_EQ(d.Base.SwVersion, 0x24);
        EXPECT_EQ(d.Base.HwVersion, 3);
        EXPECT_EQ(d.Base.Brand, 1);
        EXPECT_EQ(d.Base.ExMark, "X");
        EXPECT_EQ(d.Base.SerialNo, 1234567u);
        EXPECT_EQ(d.Base.HwId, 0);
    }
    // A base code of 0 leaves the identity state unknown.
    EXPECT_EQ(Decode(ImageBuilder().version('9', '0').base(0)).Base.IdState, 0);
}

// ---- I-module ---------------------------------------------------------------------------------------

TEST(DecodeIModule, Before9ServingSlotsOneAndTwoWritesAttachBytes) {
    ImageBuilder b;
    b.version('8', '1').iModule(28, 0x31, 2).attach(2, 99);
    AddModule(b, 0, 19, 108, 0x42, 5550001);
    AddModule(b, 1, 25, 252, 0x00, 5550002);
    const TDevice& d = Decode(b);
    EXPECT_EQ(d.IModule.Code, 28);
    EXPECT_EQ(d.IModule.SwVersion, 0x31);
    EXPECT_EQ(d.IModule.HwVersion, 2);
    EXPECT_EQ(d.IModule.Brand, 2);
    EXPECT_EQ(d.IModule.ExMark, "X");
    EXPECT_EQ(d.IModule.SerialNo, 5550001u);
    EXPECT_EQ(d.IModule.SlotMask, 3);
    EXPECT_EQ(d.IModule.IdState, kIdFromFile);
    EXPECT_EQ(Ws().ParImage.u8(61), 28);
    EXPECT_EQ(Ws().ParImage.u8(62), 28);
    EXPECT_EQ(Ws().ParImage.u8(63), 0);
    EXPECT_EQ(d.Slot[0].Code, 150);  // remapped with the old table
    EXPECT_EQ(d.Slot[0].AttachCode, 28);
    EXPECT_EQ(d.Slot[1].Code, 25);
    EXPECT_EQ(d.Slot[2].AttachCode, 0);
    // Before 9 the slots keep their own software and serial numbers.
    EXPECT_EQ(d.Slot[0].SerialNo, 5550001u);
    EXPECT_EQ(d.Slot[1].SerialNo, 5550002u);
}

TEST(DecodeIModule, Before9ServingSlotsTwoAndThreeUsesDefaults) {
    ImageBuilder b;
    b.version('7', '0').attach(0, 77);  // no I-module code stored at 8286
    AddModule(b, 0, 3, kDirectHwId);
    AddModule(b, 1, 19, 108, 0x01, 6660002);
    AddModule(b, 2, 25, 252);
    const TDevice& d = Decode(b);
    EXPECT_EQ(d.IModule.Code, 24);
    EXPECT_EQ(d.IModule.SwVersion, 0x22);
    EXPECT_EQ(d.IModule.HwVersion, 1);
    EXPECT_EQ(d.IModule.Brand, 1);
    EXPECT_EQ(d.IModule.SerialNo, 6660002u);
    EXPECT_EQ(d.IModule.SlotMask, 6);
    EXPECT_EQ(Ws().ParImage.u8(61), 0);
    EXPECT_EQ(Ws().ParImage.u8(62), 24);
    EXPECT_EQ(Ws().ParImage.u8(63), 24);
    EXPECT_EQ(d.Slot[0].Code, 3);
    EXPECT_EQ(d.Slot[1].Code, 150);
}

TEST(DecodeIModule, Before9AnEmptyFirstSlotIsNotServed) {
    // Identity byte 255 ("no module") has bit 2 set, but marks no interface.
    ImageBuilder b;
    b.version('8', '0');
    b.record(0, {.hwId = 255});
    AddModule(b, 1, 19, 108);
    AddModule(b, 2, 25, 252);
    const TDevice& d = Decode(b);
    EXPECT_EQ(d.IModule.Code, 24);
    EXPECT_EQ(d.IModule.SlotMask, 6);
    EXPECT_EQ(Ws().ParImage.u8(61), 0);
    EXPECT_EQ(Ws().ParImage.u8(62), 24);
    EXPECT_EQ(Ws().ParImage.u8(63), 24);
}

TEST(DecodeIModule, Before9WithoutInterfaceLeavesEverythingAlone) {
    for (uint8_t hwId : {kDirectHwId, uint8_t{255}}) {
        ImageBuilder b;
        b.version('8', '1').attach(0, 5).attach(1, 6).attach(2, 7).iModule(28, 0x31, 2);
        AddModule(b, 1, 3, hwId);
        const TDevice& d = Decode(b);
        EXPECT_EQ(d.IModule, TIdInfo_h{});
        EXPECT_EQ(Ws().ParImage.u8(61), 5);
        EXPECT_EQ(Ws().ParImage.u8(62), 6);
        EXPECT_EQ(Ws().ParImage.u8(63), 7);
    }
    // Nor is a slot [II] whose code is 0 looked at.
    ImageBuilder b;
    b.version('8', '1');
    b.record(1, {.hwId = 252});
    EXPECT_EQ(Decode(b).IModule.Code, 0);
}

TEST(DecodeIModule, From9TheAttachBytesPlaceIt) {
    struct Case {
        int first;       // first slot served
        uint8_t attach;  // 24 or 28
        uint8_t mask;
    };
    for (const Case& c : {Case{0, 24, 3}, Case{1, 28, 6}}) {
        ImageBuilder b;
        b.version('9', '2').iModule(c.attach, 0x45, 3);
        AddModule(b, c.first, 19, kInterfaceHwId, 0x41, 7770000);
        AddModule(b, c.first + 1, 25, 252, 0x00, 8880000);
        b.attach(c.first, c.attach).attach(c.first + 1, c.attach);
        const TDevice& d = Decode(b);
        SCOPED_TRACE(c.first);
        EXPECT_EQ(d.IModule.Code, c.attach);
        EXPECT_EQ(d.IModule.SwVersion, 0x45);
        EXPECT_EQ(d.IModule.HwVersion, 3);
        EXPECT_EQ(d.IModule.Brand, 1);
        EXPECT_EQ(d.IModule.ExMark, "X");
        EXPECT_EQ(d.IModule.SerialNo, 7770000u);
        EXPECT_EQ(d.IModule.SlotMask, c.mask);
        // The sensors behind it report the I-module's software and serial number.
        const TIdInfo_h& sensor = d.Slot[static_cast<std::size_t>(c.first)];
        EXPECT_EQ(sensor.Code, 180);
        EXPECT_EQ(sensor.SwVersion, 0x45);
        EXPECT_EQ(sensor.SerialNo, 7770000u);
        EXPECT_EQ(sensor.HwVersion, 1);
        EXPECT_EQ(sensor.AttachCode, c.attach);
        EXPECT_EQ(d.Slot[static_cast<std::size_t>(c.first + 1)].SerialNo, 7770000u);
    }
}

TEST(DecodeIModule, From9WithoutAttachByteKeepsThePreviousRecord) {
    ResetWorkspace();
    ImageBuilder b;
    b.version('9', '0').iModule(28, 0x45, 3).attach(2, 24);  // byte 63 alone does not place an I-module
    InstallImage(b.build());
    Ws().Device.IModule.Code = 24;
    Ws().Device.IModule.SlotMask = 3;
    DecodeDevice(true);
    EXPECT_EQ(Ws().Device.IModule.Code, 24);
    EXPECT_EQ(Ws().Device.IModule.SlotMask, 3);
}

// ---- slots and remapping ----------------------------------------------------------------------------

TEST(DecodeSlots, RemapTablesByVersionAndAttachCode) {
    struct Case {
        char major;
        uint8_t attach, hwId, stored, used;
    };
    const Case cases[] = {
        // before 9: always, whatever the attach byte
        {'8', 0, kInterfaceHwId, 4, 153},   {'8', 0, kInterfaceHwId, 5, 154},  {'8', 27, kInterfaceHwId, 19, 150},
        {'6', 0, kInterfaceHwId, 20, 151},  {'8', 0, kInterfaceHwId, 26, 152}, {'8', 0, kInterfaceHwId, 6, 6},
        // 9 and later, I-module
        {'9', 24, kInterfaceHwId, 4, 189},  {'9', 28, kInterfaceHwId, 5, 182}, {'9', 24, kInterfaceHwId, 6, 183},
        {'9', 24, kInterfaceHwId, 19, 180}, {'A', 24, kInterfaceHwId, 20, 181}, {'9', 24, kInterfaceHwId, 26, 181},
        {'9', 24, kInterfaceHwId, 30, 160}, {'9', 28, kInterfaceHwId, 31, 161}, {'9', 24, kInterfaceHwId, 32, 162},
        {'9', 24, kInterfaceHwId, 34, 164}, {'9', 24, kInterfaceHwId, 33, 33},
        // 9 and later, digital-sensor module
        {'9', 27, kInterfaceHwId, 5, 192},  {'9', 27, kInterfaceHwId, 6, 193},  {'9', 27, kInterfaceHwId, 19, 190},
        {'9', 27, kInterfaceHwId, 20, 191}, {'9', 27, kInterfaceHwId, 26, 191}, {'9', 27, kInterfaceHwId, 30, 170},
        {'9', 27, kInterfaceHwId, 31, 171}, {'9', 27, kInterfaceHwId, 32, 172}, {'9', 27, kInterfaceHwId, 33, 173},
        {'9', 27, kInterfaceHwId, 34, 174}, {'9', 27, kInterfaceHwId, 35, 176}, {'9', 27, kInterfaceHwId, 36, 175},
        {'9', 27, kInterfaceHwId, 4, 4},
        // 9 and later, optical-oxygen module
        {'9', 29, kInterfaceHwId, 40, 211}, {'9', 29, kInterfaceHwId, 19, 19},
        // directly attached, or no interface bit: the stored code stays
        {'9', 0, kInterfaceHwId, 19, 19},   {'9', 24, 104, 19, 19},             {'8', 0, kDirectHwId, 4, 4},
        {'8', 0, 255, 4, 4},
    };
    for (const Case& c : cases) {
        ImageBuilder b;
        b.version(c.major, '0').attach(2, c.attach);
        AddModule(b, 2, c.stored, c.hwId);
        const TDevice& d = Decode(b);
        SCOPED_TRACE(testing::Message() << c.major << " attach " << int(c.attach) << " code " << int(c.stored));
        EXPECT_EQ(d.Slot[2].Code, c.used);
        EXPECT_EQ(d.Slot[2].HwId, c.used == c.stored ? c.hwId : HwIdOfCode(c.used));
        EXPECT_EQ(Ws().ParImage.u8(46), c.stored);  // the image keeps the stored code
    }
    EXPECT_THROW(RemapInterfaceModules(3), RangeError);
}

TEST(DecodeSlots, FieldsComeFromTheSlotTableAndTheRecord) {
    ImageBuilder b;
    b.version('9', '1').slot(1, 7, 2, 0x02).attach(1, 0);
    b.record(2, {.hwId = 32, .swVersion = 0x37, .hwVersion = 4, .brandByte = 0x42, .serial = 9876543});
    const TDevice& d = Decode(b);
    const TIdInfo_h& s = d.Slot[1];
    EXPECT_EQ(s.Code, 7);
    EXPECT_EQ(s.RecIndex, 2);
    EXPECT_EQ(s.SlotMask, 2);
    EXPECT_EQ(s.HwId, 32);
    EXPECT_EQ(s.SwVersion, 0x37);
    EXPECT_EQ(s.HwVersion, 4);
    EXPECT_EQ(s.Brand, 2);
    EXPECT_EQ(s.ExMark, "X");
    EXPECT_EQ(s.SerialNo, 9876543u);
    EXPECT_EQ(s.IdState, kIdFromFile);
    EXPECT_EQ(d.Slot[0].IdState, 0);  // empty slot
}

TEST(DecodeSlots, RecordIndexBeyondTheThreeRecordsStaysInTheImage) {
    // Record 255 lies at 8256 + 2040 = 10296..10303.
    ImageBuilder b;
    b.version('9', '0').slot(0, 3, 255, 1);
    b.setByte(10296, 9).setByte(10297, 0x55).setByte(10299, 0x02).setU32(10300, 3141592);
    const TDevice& d = Decode(b);
    EXPECT_EQ(d.Slot[0].RecIndex, 255);
    EXPECT_EQ(d.Slot[0].HwId, 9);
    EXPECT_EQ(d.Slot[0].SwVersion, 0x55);
    EXPECT_EQ(d.Slot[0].Brand, 2);
    EXPECT_EQ(d.Slot[0].SerialNo, 3141592u);
}

// ---- calculation blocks -----------------------------------------------------------------------------

TEST(DecodeCalcBlocks, KeptOnlyWithTwoModulesOfTheirClass) {
    struct Case {
        uint8_t block;
        std::array<uint8_t, 3> codes;
        bool valid;
    };
    const Case cases[] = {
        {128, {3, 0, 19}, true},   {128, {0, 12, 13}, true},  {128, {3, 8, 0}, false},  {128, {3, 0, 0}, false},
        {129, {5, 6, 0}, true},    {129, {5, 7, 0}, false},   {130, {7, 0, 26}, true},  {130, {7, 3, 0}, false},
        {131, {18, 18, 18}, true}, {131, {18, 3, 3}, false},  {132, {3, 3, 3}, false},  {127, {3, 3, 3}, false},
    };
    for (const Case& c : cases) {
        for (int blockIndex : {0, 1}) {
            ImageBuilder b;
            b.version('9', '0').calcBlock(blockIndex, c.block, 3, 5);
            for (int s = 0; s < 3; ++s)
                if (c.codes[static_cast<std::size_t>(s)]) AddModule(b, s, c.codes[static_cast<std::size_t>(s)], kDirectHwId);
            const TDevice& d = Decode(b);
            const TCalcBlock& block = d.CalcBlock[static_cast<std::size_t>(blockIndex)];
            SCOPED_TRACE(testing::Message() << int(c.block) << " in block " << blockIndex);
            EXPECT_EQ(block.Code, c.valid ? c.block : 0);
            EXPECT_EQ(block.IdState, c.valid ? kIdFromFile : 0);
            EXPECT_EQ(block.RecIndex, 3);
            EXPECT_EQ(block.SlotMask, 5);
        }
    }
}

TEST(DecodeCalcBlocks, ClassesAreThoseOfTheRemappedCodes) {
    // Stored code 5 behind a digital-sensor module becomes 192 (conductivity); stored 33 behind an I-module
    // stays 33, which is no measuring module.
    ImageBuilder b;
    b.version('9', '0').calcBlock(0, 129, 3, 6).attach(1, 27).attach(2, 27);
    AddModule(b, 1, 5, kInterfaceHwId);
    AddModule(b, 2, 33, kInterfaceHwId);
    EXPECT_EQ(Decode(b).CalcBlock[0].Code, 129);
    b.attach(2, 24);
    EXPECT_EQ(Decode(b).CalcBlock[0].Code, 0);
}

TEST(CalcBlockTable, ThirteenRowsAndRangeChecked) {
    const auto rows = CalcBlockTable();
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_FALSE(rows[0].available());
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_TRUE(rows[i].available());
        EXPECT_EQ(rows[i].blockType, 128 + (i - 1) / 3);
    }
    EXPECT_EQ(rows[5].name, "Calc Cond, Cond");
    EXPECT_THROW(CalcBlockValid(2), RangeError);
    EXPECT_THROW(CalcBlockValid(-1), RangeError);
}

// ---- Purgon controller ------------------------------------------------------------------------------

ImageBuilder PurgonDevice(char major, uint8_t carrierCode, uint8_t variantByte) {
    ImageBuilder b;
    b.version(major, '0').frontBrand(0x41);
    AddModule(b, 0, 3, kDirectHwId);
    AddModule(b, 1, carrierCode, kDirectHwId);
    b.setByte(16384 + 2400, variantByte);
    b.purgon();
    return b;
}

TEST(DecodePurgon, TypeCodeFromFile) {
    struct Case {
        char major;
        uint8_t variant, type;
    };
    for (const Case& c : {Case{'7', 3, 80}, Case{'A', 3, 80}, Case{'6', 3, 79}, Case{'9', 0, 79}, Case{'9', 2, 79}}) {
        const TDevice& d = Decode(PurgonDevice(c.major, 4, c.variant));
        SCOPED_TRACE(testing::Message() << c.major << " " << int(c.variant));
        EXPECT_EQ(d.Purgon.TypeCode, c.type);
        EXPECT_EQ(d.Purgon.SlotMask, 2);
        EXPECT_EQ(d.Purgon.Brand, 1);
        EXPECT_EQ(d.Purgon.HwVersion, 1);
        EXPECT_EQ(d.Purgon.SwVersion, 0);
        EXPECT_EQ(d.Purgon.SerialNo, 0u);
        EXPECT_EQ(d.Purgon.ExMark, "");
        EXPECT_EQ(d.Purgon.IdState, kIdFromFile);
        EXPECT_NE(Ws().ParImage.u8(16384 + 2), 0);
    }
}

TEST(DecodePurgon, CarrierIsTheFirstProbeControlModule) {
    // 189: stored code 4 behind an I-module from version 9; 153: the same before 9.
    for (char major : {'8', '9'}) {
        ImageBuilder b;
        b.version(major, '0').attach(0, 24).attach(1, 24).iModule(24, 0x10, 1);
        AddModule(b, 0, 4, kInterfaceHwId);
        AddModule(b, 1, 25, 252);
        AddModule(b, 2, 4, kDirectHwId);
        b.purgon();
        const TDevice& d = Decode(b);
        EXPECT_EQ(d.Slot[0].Code, major == '8' ? 153 : 189);
        EXPECT_EQ(d.Purgon.TypeCode, 79);
        EXPECT_EQ(d.Purgon.SlotMask, 1);
    }
}

TEST(DecodePurgon, WithoutCarrierTheControllerIsAbsent) {
    const TDevice& d = Decode(PurgonDevice('9', 7, 3));
    EXPECT_EQ(d.Purgon.TypeCode, 0);
    EXPECT_EQ(d.Purgon.IdState, 0);
    EXPECT_EQ(d.Purgon.SlotMask, 0);
    EXPECT_EQ(Ws().ParImage.u8(16384 + 2), 0);
}

TEST(DecodePurgon, WithoutPurgonImageNoController) {
    ResetWorkspace();
    InstallImage(ImageBuilder().build());
    Ws().Device.Purgon.TypeCode = 80;
    Ws().Device.Purgon.IdState = kIdFromFile;
    DecodeDevice(true);
    EXPECT_EQ(Ws().Device.Purgon.TypeCode, 0);
    EXPECT_EQ(Ws().Device.Purgon.IdState, 0);
}

TEST(DecodePurgon, WithoutFlagTheKnownTypeCodeIsKept) {
    struct Case {
        uint8_t before, after;
    };
    for (const Case& c : {Case{0, 0}, Case{80, 80}, Case{79, 79}, Case{55, 79}}) {
        ResetWorkspace();
        InstallImage(PurgonDevice('9', 4, 0).build());  // would give 79 from a file
        Ws().Device.Origin = kOriginTool;
        Ws().Device.Purgon.TypeCode = c.before;
        DecodeDevice(false);
        EXPECT_EQ(Ws().Device.Purgon.TypeCode, c.after) << int(c.before);
        EXPECT_EQ(Ws().Device.Purgon.IdState, 0);  // made in the tool: identity unknown
    }
}

TEST(DecodePurgon, ProgramBlockARecoveredFromBackups) {
    constexpr long long A = 16384 + 100, B = 16384 + 3100, C = 16384 + 6100;
    struct Case {
        uint8_t a, b, c;
        long long from;  // block expected in A afterwards; 0 = A unchanged
    };
    for (const Case& k : {Case{0, 2, 2, B}, Case{7, 0, 2, C}, Case{0, 1, 1, 0}, Case{2, 2, 2, 0}}) {
        ImageBuilder builder = PurgonDevice('9', 4, 0);
        for (long long i = 0; i < 3000; ++i) {
            builder.setByte(A + i, static_cast<uint8_t>(i * 3));
            builder.setByte(B + i, static_cast<uint8_t>(i * 5));
            builder.setByte(C + i, static_cast<uint8_t>(i * 7));
        }
        builder.setByte(A, k.a).setByte(B, k.b).setByte(C, k.c);
        const ParImageBuffer before = builder.build();
        Decode(builder);
        const ParImageBuffer& after = Ws().ParImage;
        SCOPED_TRACE(testing::Message() << int(k.a) << int(k.b) << int(k.c));
        const long long source = k.from ? k.from : A;
        for (long long i : {0LL, 1LL, 1234LL, 2299LL, 2999LL})
            EXPECT_EQ(after.u8(A + i), before.u8(source + i)) << i;
        EXPECT_EQ(after.u8(A + 3000), before.u8(A + 3000));  // block B itself untouched
        EXPECT_EQ(after.u8(B + 2999), before.u8(B + 2999));
        EXPECT_EQ(after.u8(C + 2999), before.u8(C + 2999));
    }
}

// ---- identity state and clearing --------------------------------------------------------------------

TEST(DecodeIdState, SetOnlyForLoadedDevicesAndKeptAfterwards) {
    ImageBuilder b;
    b.version('9', '0').base(1).calcBlock(0, 128, 3, 3);
    AddModule(b, 0, 3, kDirectHwId);
    AddModule(b, 1, 3, kDirectHwId);

    const TDevice& made = Decode(b, false, kOriginTool);
    EXPECT_EQ(made.Front.IdState, 0);
    EXPECT_EQ(made.Base.IdState, 0);
    EXPECT_EQ(made.Slot[0].IdState, 0);
    EXPECT_EQ(made.CalcBlock[0].IdState, 0);

    const TDevice& loaded = Decode(b);
    EXPECT_EQ(loaded.Slot[0].IdState, kIdFromFile);
    EXPECT_EQ(loaded.CalcBlock[0].IdState, kIdFromFile);

    // A rule re-decodes with Origin 1 after removing a module: the states stay, the block goes.
    Ws().Device.Origin = kOriginTool;
    Ws().ParImage.setU8(41, 0);
    DecodeDevice(false);
    EXPECT_EQ(Ws().Device.Front.IdState, kIdFromFile);
    EXPECT_EQ(Ws().Device.Base.IdState, kIdFromFile);
    EXPECT_EQ(Ws().Device.Slot[0].IdState, kIdFromFile);
    EXPECT_EQ(Ws().Device.Slot[1].IdState, kIdFromFile);
    EXPECT_EQ(Ws().Device.CalcBlock[0].Code, 0);
    EXPECT_EQ(Ws().Device.CalcBlock[0].IdState, 0);
}

TEST(ClearDevice, EmptiesEveryRecordAndTheOrigin) {
    ImageBuilder b = PurgonDevice('9', 4, 3);
    b.base(16, 0x11, 1, 0x42, 55).calcBlock(0, 128, 1, 3);
    AddModule(b, 0, 3, kDirectHwId, 0x41, 77);
    Decode(b);
    ASSERT_EQ(Ws().Device.Purgon.TypeCode, 80);
    ClearDevice();
    EXPECT_EQ(Ws().Device, TDevice{});
    EXPECT_EQ(Ws().Device.Origin, kOriginNone);
}

}  // namespace
}  // namespace tessalin
