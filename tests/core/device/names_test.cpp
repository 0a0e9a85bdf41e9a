#include <gtest/gtest.h>

#include <string>

#include "core/device/components.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/device/module_codes.h"
#include "core/range_error.h"
#include "decode_fixture.h"

namespace tessalin {
namespace {

using test::AddModule;
using test::Decode;
using test::ImageBuilder;
using test::kDirectHwId;

constexpr int kGerman = 0, kEnglish = 1, kPortuguese = 6;

// A device with the front of brand 0 explosion-protected, the base of brand 2 without mark, a pH module of
// brand 1 with mark in [I], a pH module of brand 2 with mark in [II] and one of brand 0 without mark in [III].
void DecodeMixedBrands() {
    ImageBuilder b;
    b.version('9', '0').frontBrand(0x40).base(1, 0x11, 1, 0x02, 1);
    AddModule(b, 0, 3, kDirectHwId, 0x41);
    AddModule(b, 1, 3, kDirectHwId, 0x42);
    AddModule(b, 2, 3, kDirectHwId, 0x00);
    Decode(b);
}

TEST(ModuleName, BrandColumnAndExMark) {
    DecodeMixedBrands();
    for (int language : {kGerman, kEnglish}) {
        Ws().DeviceLanguage = language;
        EXPECT_EQ(ModuleName(kPosFront, 2), "FU 2400X");
        EXPECT_EQ(ModuleName(kPosBase, 1), "BU 2450");
        EXPECT_EQ(ModuleName(kPosSlot1, 3), "PH 240 X");  // brand 1 in a slot: blank before the mark
        EXPECT_EQ(ModuleName(kPosSlot2, 3), "PH 2450X");
        EXPECT_EQ(ModuleName(kPosSlot3, 3), "PH 2400");
        // Calculation blocks and the Purgon controller take the front's brand but never a mark.
        EXPECT_EQ(ModuleName(kPosCalc1, 79), "PG 2400");
        EXPECT_EQ(ModuleName(kPosCalc2, 129), "Calc Cond, Cond");
    }
}

TEST(ModuleName, BrandOneMarkWithoutBlankOutsideSlots) {
    ImageBuilder b;
    b.version('9', '0').frontBrand(0x41).base(16, 0x11, 1, 0x41).iModule(24, 0x10, 1).attach(0, 24).attach(1, 24);
    AddModule(b, 0, 19, test::kInterfaceHwId, 0x41);
    AddModule(b, 1, 25, 252);
    Decode(b);
    EXPECT_EQ(ModuleName(kPosFront, 17), "FU 240X-1");
    EXPECT_EQ(ModuleName(kPosBase, 16), "BU 240X-2");
    EXPECT_EQ(ModuleName(kPosIModule, 24), "IM 240X");
    EXPECT_EQ(ModuleName(kPosSlot1, 180), "PH 240 X/I");
    EXPECT_EQ(FamilyDesignation(), "Brevon 240X");
}

TEST(ModuleName, BrandsAboveTwoUseTheFirstColumn) {
    ImageBuilder b;
    b.version('9', '0').frontBrand(0x5F);
    AddModule(b, 0, 5, kDirectHwId, 0x03);
    Decode(b);
    EXPECT_EQ(ModuleName(kPosSlot1, 5), "COND 2400");
    EXPECT_EQ(ModuleName(kPosFront, 2), "FU 2400X");
    EXPECT_EQ(FamilyDesignation(), "Vantris 2400X");
}

TEST(ModuleName, UnknownCodesAndLanguageTexts) {
    DecodeMixedBrands();
    const char* noModule[] = {"kein Modul",  "No module",     "Aucun module", "Nessun modulo",
                              "Ingen modul", "Ningún módulo", "Nenhum módulo"};
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        Ws().DeviceLanguage = language;
        for (uint8_t code : {0, 22, 99, 255}) {
            EXPECT_EQ(ModuleName(kPosSlot1, code), noModule[language]);
            EXPECT_EQ(ModuleDescription(kPosSlot1, code), noModule[language]);
        }
    }
    // The inactive second channel of an I-module is named by its description.
    Ws().DeviceLanguage = kGerman;
    EXPECT_EQ(ModuleName(kPosSlot2, 25), "angeschlossen über I-Modul");
    Ws().DeviceLanguage = kEnglish;
    EXPECT_EQ(ModuleName(kPosSlot2, 25), "connected via I-Module");
}

TEST(ModuleDescription, TextsByLanguage) {
    DecodeMixedBrands();
    struct Case {
        int language;
        uint8_t code;
        const char* text;
    };
    for (const Case& c : {Case{kGerman, 5, "Eing. für 2-/4-El-Sensoren und °C"},
                          Case{kEnglish, 5, "Input for 2/4-electr. sensors and °C"},
                          Case{kGerman, 171, "Senvaro OXY"}, Case{kEnglish, 171, "OXY Senvaro "},
                          Case{kEnglish, 153, "probe control"}, Case{kEnglish, 189, "Probe control"},
                          Case{kGerman, 12, "Eingang für pH, ORP und °C"}, Case{kEnglish, 128, ""},
                          Case{kPortuguese, 131, ""}}) {
        Ws().DeviceLanguage = c.language;
        EXPECT_EQ(ModuleDescription(kPosSlot2, c.code), c.text) << int(c.code);
    }
}

TEST(ModuleCodeTable, EveryCodeIsNamedInEveryLanguage) {
    // A mark that reaches the name shows that the designation carries the placeholder.
    ImageBuilder b;
    b.version('9', '0');
    AddModule(b, 0, 3, kDirectHwId, 0x40);
    Decode(b);
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        Ws().DeviceLanguage = language;
        for (const ModuleCodeRow& row : ModuleCodeTable()) {
            SCOPED_TRACE(testing::Message() << "code " << int(row.code) << " language " << language);
            const bool calcBlock = row.code >= 128 && row.code <= 131;
            EXPECT_EQ(ModuleDescription(kPosSlot1, row.code).empty(), calcBlock);
            const std::string name = ModuleName(kPosSlot1, row.code);
            EXPECT_NE(name, NoModuleText(language));
            if (!calcBlock && row.code != 25) {
                EXPECT_NE(name.find('X'), std::string::npos) << name;
            }
            EXPECT_EQ(name.find(kExMarkPlaceholder), std::string::npos);
        }
    }
}

TEST(ModuleCodeTable, ColumnLookups) {
    struct Case {
        uint8_t code, hwId, family, measurementClass;
    };
    for (const Case& c : {Case{1, 0, 0, 0}, Case{4, 112, 0, 1}, Case{18, 40, 0, 4}, Case{24, 252, 24, 0},
                          Case{27, 253, 27, 0}, Case{29, 254, 0, 0}, Case{163, 29, 24, 0}, Case{164, 93, 24, 5},
                          Case{173, 29, 27, 2}, Case{175, 118, 27, 1}, Case{211, 63, 29, 3}, Case{22, 255, 0, 0},
                          Case{0, 255, 0, 0}}) {
        EXPECT_EQ(HwIdOfCode(c.code), c.hwId) << int(c.code);
        EXPECT_EQ(InterfaceFamily(c.code), c.family) << int(c.code);
        EXPECT_EQ(MeasurementClass(c.code), c.measurementClass) << int(c.code);
    }
}

TEST(Names, DeviceLanguageOutsideRangeIsAnError) {
    DecodeMixedBrands();
    for (int language : {-1, 7}) {
        Ws().DeviceLanguage = language;
        EXPECT_THROW(ModuleName(kPosSlot1, 3), RangeError);
        EXPECT_THROW(ModuleDescription(kPosSlot1, 3), RangeError);
        EXPECT_THROW(FamilyDesignation(), RangeError);
    }
}

TEST(Format, SerialVersionSlotMaskBrandKey) {
    for (auto [serial, text] : {std::pair<uint32_t, const char*>{0, "xxxxxxx"}, {1, "xxxxxxx"}, {2, "xxxxxxx"},
                                {3, "0000003"}, {1234567, "1234567"}, {12345678, "12345678"},
                                {4294967295u, "4294967295"}})
        EXPECT_EQ(FormatSerial(serial), text);
    for (auto [packed, text] : {std::pair<uint8_t, const char*>{0, "x.x"}, {0x73, "7.3"}, {0x10, "1.0"},
                                {0x05, "0.5"}, {0x99, "9.9"}})
        EXPECT_EQ(FormatVersion(packed), text);
    for (auto [mask, text] : {std::pair<uint8_t, const char*>{0, ""}, {1, "[I] "}, {2, "[II] "}, {5, "[I] [III] "},
                              {7, "[I] [II] [III] "}, {0xF8, ""}})
        EXPECT_EQ(FormatSlotMask(mask), text);
    for (auto [brand, text] : {std::pair<uint8_t, const char*>{0, "MORVANE"}, {0x21, "BREVON"}, {0x42, "SOLLANE"},
                               {3, "MORVANE"}, {0x1F, "MORVANE"}, {0xE2, "SOLLANE"}})
        EXPECT_EQ(BrandKey(brand), text);
}

TEST(Components, CodeIndexAndOrderByPosition) {
    ImageBuilder b;
    b.version('9', '0').frontHardware(2).base(16).calcBlock(0, 128, 3, 3).calcBlock(1, 129, 4, 6);
    b.slot(0, 3, 0, 1).slot(1, 12, 1, 2).slot(2, 5, 2, 4);
    b.record(0, {.hwId = 8}).record(1, {.hwId = 9}).record(2, {.hwId = 16});
    Decode(b);
    Ws().Device.CalcBlock[1].Code = 129;  // kept for the lookup although its slots do not fit
    struct Case {
        int position;
        uint8_t code, index, order;
    };
    for (const Case& c : {Case{0, 0, 255, 6}, Case{1, 16, 255, 5}, Case{2, 17, 255, 6}, Case{3, 0, 255, 6},
                          Case{4, 3, 0, 0}, Case{5, 12, 1, 1}, Case{6, 5, 2, 2}, Case{7, 0, 255, 6},
                          Case{8, 128, 3, 3}, Case{9, 129, 4, 4}, Case{10, 0, 255, 6}}) {
        EXPECT_EQ(ComponentCode(c.position), c.code) << c.position;
        EXPECT_EQ(ComponentIndex(c.position), c.index) << c.position;
        EXPECT_EQ(ComponentOrder(c.position), c.order) << c.position;
    }
}

}  // namespace
}  // namespace tessalin
