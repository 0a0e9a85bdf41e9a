// Every page of every module type that has a menu builds without a table error on a factory-fresh image
// of every software major version, in both parameter sets and all seven device languages.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/catalogue/menu_tables.h"
#include "core/catalogue/sections.h"
#include "core/page/formpage.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

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

TEST(PageSweep, EveryPageOfEveryTableBuildsOnADefaultImage) {
    int pages = 0;
    for (int type : MenuModuleTypes()) {
        const MenuTable menu = *MenuTableOf(type);
        if (menu.end == 0) continue;  // a family not in this build
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
                        Ws().CurrentPage = TTabPtrRec{type, place.slot, place.position, &entry, entry.params,
                                                      entry.lastParam, "page"};
                        const std::string where = std::string(menu.name) + " type " + std::to_string(type) +
                                                  " entry " + std::to_string(&entry - menu.entries) + " version " +
                                                  major + (setB ? " B" : " A") + " lang " + std::to_string(language);
                        PageModel page;
                        ASSERT_NO_THROW(page = BuildFormpage()) << where;
                        EXPECT_EQ(page.error, "") << where;
                        for (const PageRow& row : page.rows) {
                            if (row.kind == kKindNumber) {
                                EXPECT_NE(row.value, "") << where << " row " << row.row;
                            }
                        }
                        ++pages;
                    }
                }
            }
        }
    }
    EXPECT_GT(pages, 0) << "no module type has a menu table in this build";
}

}  // namespace
}  // namespace tessalin
