#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "core/catalogue/process_variable_types.h"
#include "core/catalogue/process_variables.h"
#include "core/common/sections.h"
#include "core/device/decode.h"
#include "core/range_error.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

// A device for the list tests: an image of the given software version with modules, calculation blocks,
// options and chosen parameter bytes, decoded into the device model.
class DeviceSetup {
public:
    explicit DeviceSetup(char major) { image_.version(major, '0'); }

    DeviceSetup& slot(int s, uint8_t code, uint8_t slotMask, uint8_t swVersion = 0x11) {
        image_.slot(s, code, static_cast<uint8_t>(s), slotMask);
        image_.record(s, test::IdentityRecord{0, swVersion, 1, 0, 1234567});
        return *this;
    }
    DeviceSetup& calcBlock(int c, uint8_t code, uint8_t slotMask) {
        image_.calcBlock(c, code, static_cast<uint8_t>(c), slotMask);
        return *this;
    }
    DeviceSetup& base(uint8_t code) {
        image_.base(code);
        return *this;
    }
    DeviceSetup& options(uint32_t word) {
        image_.options(word);
        return *this;
    }
    // A byte of the module in slot number `slot` (255 for the units), in set A or set B.
    DeviceSetup& byte(Section section, uint16_t offset, uint8_t slot, uint8_t value, bool setB = false) {
        image_.setByte(ParamOffset(At(section, offset), slot, setB), value);
        return *this;
    }

    void install() const {
        ResetWorkspace();
        test::InstallImage(image_.build());
        Ws().Device.Origin = kOriginFile;
        DecodeDevice(true);
    }

private:
    test::ImageBuilder image_;
};

const ProcessVariableRow& FindRow(PvEdition edition, int moduleType, const std::string& englishName) {
    for (const ProcessVariableRow& row : ProcessVariableRows(edition))
        if (row.moduleType == moduleType && row.names[1] == englishName) return row;
    throw std::runtime_error("no row " + englishName + " for module type " + std::to_string(moduleType));
}

std::map<int, int> RowsPerModuleType(PvEdition edition) {
    std::map<int, int> count;
    for (const ProcessVariableRow& row : ProcessVariableRows(edition)) ++count[row.moduleType];
    return count;
}

TEST(ProcessVariableCatalogue, EditionsHaveTheirModuleTypesAndRowCounts) {
    const std::map<int, int> upTo8 = RowsPerModuleType(PvEdition::UpTo8);
    const std::map<int, int> expected8 = {
        {3, 15}, {4, 15}, {12, 15}, {13, 15}, {19, 15}, {150, 15},   // pH
        {18, 11},                                                    // CO2
        {5, 10}, {154, 10}, {6, 10},                                 // conductivity, electrodeless
        {7, 15}, {10, 15}, {11, 15}, {20, 15}, {21, 15}, {26, 15},   // oxygen
        {8, 2}, {9, 2}, {14, 1}, {23, 1},                            // output, controller, fieldbus
        {1, 2}, {15, 2}, {16, 2}, {50, 2}, {2, 2}, {17, 2},          // base, front
        {128, 3}, {129, 9}, {130, 7}, {131, 4},                      // calculation blocks
    };
    EXPECT_EQ(upTo8, expected8);
    EXPECT_EQ(ProcessVariableRows(PvEdition::UpTo8).size(), 262u);

    std::map<int, int> expected9 = expected8;
    expected9[4] = 14;  // newer pH layout
    expected9[19] = 17;
    for (int type : {160, 170, 180, 190}) expected9[type] = 14;
    for (int type : {162, 172, 182, 192, 163, 173, 183, 193}) expected9[type] = 10;
    for (int type : {161, 171}) expected9[type] = 15;
    expected9[211] = 16;
    for (int type : {164, 174}) expected9[type] = 4;
    EXPECT_EQ(RowsPerModuleType(PvEdition::From9), expected9);
    EXPECT_EQ(ProcessVariableRows(PvEdition::From9).size(), 453u);
}

TEST(ProcessVariableCatalogue, RowsAreWellFormedInBothEditions) {
    for (PvEdition edition : {PvEdition::UpTo8, PvEdition::From9}) {
        std::map<int, int> lastVariable;
        for (const ProcessVariableRow& row : ProcessVariableRows(edition)) {
            SCOPED_TRACE(std::to_string(row.moduleType) + "/" + std::to_string(row.variable));
            EXPECT_LE(row.variable, 15);  // the low nibble of a selector code
            // Rows of one module type are contiguous and in variable order (two rows may share a number
            // when their conditions exclude each other).
            auto [it, fresh] = lastVariable.try_emplace(row.moduleType, row.variable);
            if (!fresh) {
                EXPECT_GE(row.variable, it->second);
                it->second = row.variable;
            }
            EXPECT_NE(row.classMask, 0u);
            for (const char* name : row.names) EXPECT_TRUE(name && *name);
        }
        // Contiguity: each module type starts exactly once.
        std::set<int> seen;
        int previous = -1;
        for (const ProcessVariableRow& row : ProcessVariableRows(edition)) {
            if (row.moduleType != previous) {
                EXPECT_TRUE(seen.insert(row.moduleType).second) << int(row.moduleType);
            }
            previous = row.moduleType;
        }
    }
}

TEST(ProcessVariableList, OrderPrefixesAndOffItem) {
    DeviceSetup('8')
        .slot(0, 3, 0x01)    // pH in [I]
        .slot(1, 12, 0x02)   // pH in [II]
        .slot(2, 5, 0x04)    // conductivity in [III]
        .calcBlock(0, 128, 0x03)
        .base(1)
        .byte(Section::PH_SET, 40, 0, 1)    // no second pH values
        .byte(Section::PH_SET, 40, 1, 1)
        .byte(Section::COND_SET, 9, 2, 1)   // no second conductivity
        .byte(Section::CALCPH_SET, 8, 3, 1) // pH difference in use
        .byte(Section::SYS_SET, 65, 255, 1) // output I1 in use
        .install();
    Ws().DeviceLanguage = 1;
    EXPECT_EQ(ProcessVariableList(kPvFieldbus | kPvWithOff),
              "0|Off|64|[I] pH|65|[I] ORP|66|[I] °C|68|[I] mV|69|[I] rH"
              "|80|[II] pH|81|[II] ORP|82|[II] °C|84|[II] mV|85|[II] rH"
              "|96|[III] S/cm|98|[III] °C|100|[III] g/kg|101|[III] Ohm*cm"
              "|128|[I] [II] pH Diff");
    // Base and front carry no prefix and come last, base first.
    const std::string display = ProcessVariableList(kPvDisplay);
    EXPECT_EQ(display.substr(display.find("|16|")), "|16|Outp I1|32|Time|33|Date");
    EXPECT_EQ(display.rfind("64|[I] pH|", 0), 0u) << "no Off item without the Off bit";

    Ws().DeviceLanguage = 0;
    EXPECT_EQ(ProcessVariableListAt(kPvDisplay | kPvWithOff, 1), "0|Aus|16|Ausg I1");
}

TEST(ProcessVariableList, EmptyAndOffOnly) {
    ResetWorkspace();  // no device at all
    EXPECT_EQ(ProcessVariableList(kPvOutput), "0|(x)");
    EXPECT_EQ(ProcessVariableList(kPvOutput | kPvWithOff), "0|Aus");

    DeviceSetup('9').slot(0, 8, 0x01).install();  // output module, both outputs off; front: time, date
    EXPECT_EQ(ProcessVariableList(kPvFieldbus), "0|(x)");  // nothing shares the mask
    EXPECT_EQ(ProcessVariableListAt(kPvDisplay, 4), "0|(x)");  // its rows' conditions fail
    EXPECT_EQ(ProcessVariableListAt(kPvDisplay, 3), "0|(x)");  // no listed position
    EXPECT_EQ(ProcessVariableListAt(kPvDisplay, 2), "32|Zeit|33|Datum");
}

TEST(ProcessVariableList, ListAtOnePositionAndLanguage) {
    DeviceSetup('9')
        .slot(0, 3, 0x01)
        .slot(2, 10, 0x04)
        .byte(Section::OXY_SET, 178, 2, 1)  // liquids
        .install();
    Ws().DeviceLanguage = 4;  // Svenska
    EXPECT_EQ(ProcessVariableListAt(kPvFieldbus, 6),
              "96|[III] %Air|97|[III] %O2|98|[III] °C|99|[III] mbar|103|[III] mg/l|104|[III] ppm|105|[III] p'");
    Ws().DeviceLanguage = 7;
    EXPECT_THROW(ProcessVariableList(kPvDisplay), RangeError);
}

TEST(ProcessVariableList, EditionSwitchesAtVersion9) {
    struct Case {
        char major;
        const char* display;  // the variables 8 and 9 of a pH module type 4 in slot [I]
        uint8_t valueType8;
    };
    const Case cases[] = {
        {'7', "72|[I] CTime|73|[I] °F", 19},   // older layout, older software: timer at 8
        {'8', "73|[I] °F", 19},                // older layout: timer moved to 13
        {'9', "72|[I] °F|73|[I] Zero", 12},    // newer layout
        {'A', "72|[I] °F|73|[I] Zero", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.major);
        DeviceSetup(c.major).slot(0, 4, 0x01).install();
        Ws().DeviceLanguage = 1;
        const std::string list = ProcessVariableListAt(kPvDisplay, 4);
        EXPECT_NE(list.find(std::string("|71|[I] kOhm|") + c.display + "|"), std::string::npos) << list;
        EXPECT_EQ(ProcessVariableValueType(4, 8), c.valueType8);
    }
    // Types that only the newer edition knows.
    DeviceSetup('8').install();
    EXPECT_EQ(ProcessVariableValueType(164, 0), 0);
    DeviceSetup('9').install();
    EXPECT_EQ(ProcessVariableValueType(164, 0), 22);
    EXPECT_EQ(ProcessVariableValueType(129, 7), 82);
    EXPECT_EQ(ProcessVariableValueType(3, 15), 0);  // no such variable
    EXPECT_EQ(ProcessVariableValueType(99, 0), 0);  // no such module
}

TEST(ProcessVariableConditions, HoldOrNotByTheModuleAtThePosition) {
    using E = PvEdition;
    struct Case {
        const char* what;
        char major;
        E edition;
        int slot;  // 0..2, 3..4 calculation block, 5 base
        uint8_t moduleType;
        const char* row;  // English name
        Section section;
        uint16_t offset;
        uint8_t value;
        bool expected;
    };
    const Case cases[] = {
        {"manual pH temperature", '8', E::UpTo8, 1, 3, "man °C", Section::PH_SET, 11, 2, true},
        {"automatic pH temperature", '8', E::UpTo8, 1, 3, "man °C", Section::PH_SET, 11, 1, false},
        {"second pH value", '7', E::UpTo8, 0, 13, "pH'", Section::PH_SET, 40, 0, true},
        {"second pH value off", '7', E::UpTo8, 0, 13, "pH'", Section::PH_SET, 40, 1, false},
        {"second pH value before 7", '6', E::UpTo8, 0, 13, "pH'", Section::PH_SET, 40, 0, false},
        {"lifetime by matrix", '9', E::From9, 2, 19, "LTime", Section::PH_SET, 288, 1, true},
        {"lifetime by matrix, DLI set", '9', E::From9, 2, 19, "LTime", Section::PH_SET, 288, 2, false},
        {"lifetime by DLI", '9', E::From9, 2, 19, "xm_DLI", Section::PH_SET, 288, 2, true},
        {"concentration", '8', E::UpTo8, 0, 5, "%", Section::COND_SET, 21, 1, true},
        {"second conductivity", '8', E::UpTo8, 0, 5, "sigma'", Section::COND_SET, 9, 1, false},
        {"electrodeless manual temperature", '9', E::From9, 1, 173, "man °C", Section::CONDI_SET, 25, 2, true},
        {"electrodeless concentration", '9', E::From9, 1, 6, "%", Section::CONDI_SET, 21, 0, false},
        {"oxygen liquids", '8', E::UpTo8, 0, 7, "mg/l", Section::OXY_SET, 178, 1, true},
        {"oxygen gases", '8', E::UpTo8, 0, 7, "mg/l", Section::OXY_SET, 178, 2, false},
        {"liquid ppm", '8', E::UpTo8, 0, 10, "ppm", Section::OXY_SET, 178, 1, true},
        {"volume concentration", '8', E::UpTo8, 0, 10, "Vol%", Section::OXY_SET, 178, 2, true},
        {"volume concentration, ppm gases", '8', E::UpTo8, 0, 21, "Vol%", Section::OXY_SET, 178, 3, true},
        {"volume concentration, module 7", '8', E::UpTo8, 0, 7, "Vol%", Section::OXY_SET, 178, 2, false},
        {"sensor gases", '9', E::From9, 0, 171, "Vol%", Section::OXY_SET, 178, 2, true},
        {"output I3", '8', E::UpTo8, 2, 8, "Outp I3", Section::OUT_SET, 8, 3, true},
        {"output I4 off", '8', E::UpTo8, 2, 8, "Outp I4", Section::OUT_SET, 128, 0, false},
        {"analog controller", '8', E::UpTo8, 1, 9, "A-ctrl Y", Section::PID_SET, 9, 1, true},
        {"digital controller", '8', E::UpTo8, 1, 9, "D-ctrl Y", Section::PID_SET, 35, 1, true},
        {"output I2", '8', E::UpTo8, 5, 1, "Outp I2", Section::SYS_SET, 185, 1, true},
        {"ratio in use", '8', E::UpTo8, 4, 129, "Ratio", Section::CALCCOND_SET, 11, 1, true},
        {"ratio switch other than 1", '8', E::UpTo8, 4, 129, "Ratio", Section::CALCCOND_SET, 11, 2, false},
        {"µmol/l", '8', E::UpTo8, 3, 129, "µmol/l", Section::CALCCOND_SET, 135, 1, true},
        {"oxygen block gas ppm", '8', E::UpTo8, 3, 130, "Vol% Diff", Section::CALCOXY_SET, 98, 1, true},
        {"CO2 block p'", '8', E::UpTo8, 4, 131, "p' Diff", Section::CALCCO2_SET, 11, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeviceSetup device(c.major);
        const uint8_t slotNumber = c.slot < 5 ? static_cast<uint8_t>(c.slot) : 255;
        if (c.slot < 3) {
            device.slot(c.slot, c.moduleType, static_cast<uint8_t>(1 << c.slot));
        } else if (c.slot < 5) {
            // A block needs two modules of its kind: conductivity, oxygen or CO2 in [I] and [II].
            const uint8_t partner = c.moduleType == 129 ? 5 : c.moduleType == 130 ? 10 : 18;
            device.slot(0, partner, 0x01).slot(1, partner, 0x02).calcBlock(c.slot - 3, c.moduleType, 0x03);
        } else {
            device.base(c.moduleType);
        }
        device.byte(c.section, c.offset, slotNumber, c.value).install();
        const ProcessVariableRow& row = FindRow(c.edition, c.moduleType, c.row);
        EXPECT_EQ(ProcessVariableConditionHolds(row, c.slot), c.expected);
    }
}

TEST(ProcessVariableConditions, DeviceAndParameterSet) {
    const ProcessVariableRow& volume = FindRow(PvEdition::UpTo8, 10, "Vol%");
    DeviceSetup('8').slot(0, 10, 1).options(1u << 12).byte(Section::OXY_SET, 178, 0, 2).install();
    EXPECT_FALSE(ProcessVariableConditionHolds(volume, 0)) << "not with option bit 12";
    // The measuring medium decides, not the sensor guard byte beside it.
    DeviceSetup('8').slot(0, 10, 1).byte(Section::OXY_SET, 177, 0, 2).byte(Section::OXY_SET, 178, 0, 1).install();
    EXPECT_FALSE(ProcessVariableConditionHolds(volume, 0));

    // The byte of the active set decides.
    const ProcessVariableRow& manual = FindRow(PvEdition::UpTo8, 3, "man °C");
    DeviceSetup('8').slot(1, 3, 2).byte(Section::PH_SET, 11, 1, 2, true).install();
    EXPECT_FALSE(ProcessVariableConditionHolds(manual, 1));
    Ws().ActiveParamSet = true;
    EXPECT_TRUE(ProcessVariableConditionHolds(manual, 1));

    // New hardware: the slot module's software version byte above 31.
    const ProcessVariableRow& currentInput = FindRow(PvEdition::From9, 20, "I-Inp");
    DeviceSetup('9').slot(2, 20, 4, 0x32).install();
    EXPECT_TRUE(ProcessVariableConditionHolds(currentInput, 2));
    DeviceSetup('9').slot(2, 20, 4, 0x1F).install();
    EXPECT_FALSE(ProcessVariableConditionHolds(currentInput, 2));

    EXPECT_FALSE(ProcessVariableConditionHolds(FindRow(PvEdition::From9, 211, "Zero"), 0));
    EXPECT_THROW(ProcessVariableConditionHolds(currentInput, 7), RangeError);
    EXPECT_THROW(ProcessVariableConditionHolds(currentInput, -1), RangeError);
}

}  // namespace
}  // namespace tessalin
