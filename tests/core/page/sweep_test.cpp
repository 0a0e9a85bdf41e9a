// Every menu table of the device: each module type maps to the table it shows, a built table ends at the
// index the device's menus have, and every page of every table that has entries builds without a table
// error on a factory-fresh image of every software major version, in both parameter sets and all seven
// device languages. A table that is still empty in this build is reported as skipped.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/common/sections.h"
#include "core/families/default_records.h"
#include "core/families/menu_registry.h"
#include "core/page/formpage.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

// The device's menu tables: name, index of the end entry, and the module types that show it.
struct ExpectedMenu {
    const char* name;
    int end;
    std::vector<int> types;
};

void PrintTo(const ExpectedMenu& menu, std::ostream* os) { *os << menu.name; }

const std::vector<ExpectedMenu> kExpectedMenus = {
    {"MenuBase", 11, {1, 15, 16, 50}},
    {"MenuFront", 22, {2, 17}},
    {"MenuRadio", 4, {24, 28}},
    {"MenuPH", 47, {3, 4, 12, 13, 18, 19, 150, 180, 190}},
    {"MenuDigPH", 23, {160, 170}},
    {"MenuDigPHORP", 28, {175}},
    {"MenuDigPH12", 23, {176}},
    {"MenuDigORP", 14, {164, 174}},
    {"MenuCond", 17, {5, 154, 182, 192}},
    {"MenuDigCond", 19, {162, 172}},
    {"MenuCondI", 13, {6}},
    {"MenuDigCondI", 18, {173}},
    {"MenuSensorCondI", 14, {183, 193}},
    {"MenuOxy", 39, {7, 10, 11, 20, 21, 26, 151, 152, 181, 191}},
    {"MenuDigOxy", 25, {161, 171}},
    {"MenuOptOxy", 28, {211}},
    {"MenuOut", 10, {8}},
    {"MenuPID", 5, {9}},
    {"MenuPA", 4, {14}},
    {"MenuFF", 3, {23}},
    {"MenuProbe", 31, {153, 189}},
    {"MenuCalcPH", 5, {128}},
    {"MenuCalcCond", 10, {129}},
    {"MenuCalcOxy", 9, {130}},
    {"MenuCalcCO2", 6, {131}},
};

struct Placement {
    uint8_t position;
    uint8_t slot;
};

Placement PlacementOf(int type) {
    switch (type) {
        case 1: case 15: case 16: case 50: case 24: case 28: return {kPosBase, 255};
        case 2: case 17: return {kPosFront, 255};
        case 128: case 129: case 130: case 131: return {kPosCalc1, 3};
        default: return {kPosSlot1, 0};
    }
}

// The sections the type's pages name.
std::set<Section> SectionsOf(const MenuTable& menu) {
    std::set<Section> sections;
    for (const TMenuEntry& entry : MenuEntries(menu))
        for (const TParamEntry& row : ParamEntries(entry))
            if (row.location.hasValue() && row.location.section != Section::Scratch) sections.insert(row.location.section);
    return sections;
}

// A factory-fresh image: the default record of every section the pages name, in both sets.
void InstallDefaults(char major, int type, const MenuTable& menu, Placement place) {
    test::ImageBuilder builder;
    builder.version(major, '0').base(1);
    test::InstallImage(builder.build());
    ParImageBuffer& image = Ws().ParImage;
    for (Section section : SectionsOf(menu)) {
        const auto record = DefaultRecord(section);
        const long long offset = ParamOffset(At(section, 0), place.slot, false);
        if (offset == 0 || record.empty()) continue;
        image.writeBytes(offset, record);
        if (SectionPerSet(section)) image.writeBytes(offset + static_cast<long long>(kSetBDistance), record);
    }
    TDevice& d = Ws().Device;
    d.Origin = kOriginTool;
    d.Front.Code = type == 17 ? 17 : 2;
    d.Front.SwMajor = major;
    d.Front.SwMinor = '0';
    d.Base.Code = place.position == kPosBase && type != 24 && type != 28 ? static_cast<uint8_t>(type) : 1;
    if (type == 24 || type == 28) d.IModule.Code = static_cast<uint8_t>(type);
    if (place.position == kPosSlot1) {
        d.Slot[0].Code = static_cast<uint8_t>(type);
        d.Slot[0].RecIndex = 0;
        d.Slot[0].SlotMask = 1;
    }
    if (place.position == kPosCalc1) {
        d.CalcBlock[0].Code = static_cast<uint8_t>(type);
        d.CalcBlock[0].RecIndex = 3;
        d.CalcBlock[0].SlotMask = 3;
    }
}

// Builds every page of the type's table in every version, set and language.
void SweepPages(int type, const MenuTable& menu) {
    const Placement place = PlacementOf(type);
    for (char major : {'5', '6', '7', '8', '9', 'A'}) {
        ResetWorkspace();
        InstallDefaults(major, type, menu, place);
        for (bool setB : {false, true}) {
            for (int language = 0; language < kDeviceLanguageCount; ++language) {
                Ws().ActiveParamSet = setB;
                Ws().DeviceLanguage = language;
                Ws().UiLanguage = language == 0 ? 0 : 1;
                for (const TMenuEntry& entry : MenuEntries(menu)) {
                    if (entry.level < 0) continue;
                    Ws().CurrentPage =
                        TTabPtrRec{type, place.slot, place.position, &entry, entry.params, entry.lastParam, "page"};
                    const std::string where = std::string(menu.name) + " type " + std::to_string(type) + " entry " +
                                              std::to_string(&entry - menu.entries) + " version " + major +
                                              (setB ? " B" : " A") + " lang " + std::to_string(language);
                    PageModel page;
                    ASSERT_NO_THROW(page = BuildFormpage()) << where;
                    EXPECT_EQ(page.error, "") << where;
                    for (const PageRow& row : page.rows) {
                        // A number shows its value; one without a value type (no units) shows nothing.
                        if (row.kind == kKindNumber) {
                            EXPECT_TRUE(!row.value.empty() || row.units.empty()) << where << " row " << row.row;
                            EXPECT_NE(row.value, "NaN") << where << " row " << row.row;
                        }
                    }
                }
            }
        }
    }
}

class MenuSweep : public ::testing::TestWithParam<ExpectedMenu> {};

TEST_P(MenuSweep, TypesMapToTheTableWhichEndsAtItsIndexAndEveryPageBuilds) {
    const ExpectedMenu& expected = GetParam();
    for (int type : expected.types) {
        const std::optional<MenuTable> menu = MenuTableOf(type);
        ASSERT_TRUE(menu) << "type " << type;
        EXPECT_EQ(menu->name, expected.name) << "type " << type;
    }
    const MenuTable menu = *MenuTableOf(expected.types.front());
    if (menu.end == 0) GTEST_SKIP() << expected.name << " has no entries in this build";

    EXPECT_EQ(menu.end, expected.end) << expected.name;
    const auto entries = MenuEntries(menu);
    EXPECT_EQ(entries.back().level, -1) << expected.name << ": the end entry";
    for (std::size_t i = 0; i + 1 < entries.size(); ++i)
        EXPECT_GE(entries[i].level, 0) << expected.name << " entry " << i << " ends the table early";
    for (int type : expected.types) SweepPages(type, *MenuTableOf(type));
}

INSTANTIATE_TEST_SUITE_P(Tables, MenuSweep, ::testing::ValuesIn(kExpectedMenus),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MenuSweepTypes, EveryTypeWithAMenuIsOneOfTheDevicesTables) {
    std::set<int> expected;
    for (const ExpectedMenu& menu : kExpectedMenus) expected.insert(menu.types.begin(), menu.types.end());
    const std::span<const int> types = MenuModuleTypes();
    EXPECT_EQ(std::set<int>(types.begin(), types.end()), expected);
    for (int none : {0, 25, 27, 29, 79, 80, 163, 200}) EXPECT_FALSE(MenuTableOf(none)) << none;
}

}  // namespace
}  // namespace tessalin
