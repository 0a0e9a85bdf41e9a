#pragma once
// A device with one measuring module in slot I whose sections hold their factory defaults, and the
// functions to walk its menu in the device tree and open its pages through the tree and page models.
// Shared by the catalogue tests of the families that live in a module slot.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "core/catalogue/codec.h"
#include "core/common/sections.h"
#include "core/families/default_records.h"
#include "core/families/menu_registry.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/page_rows.h"
#include "support/tree_walk.h"

namespace tessalin::test {

struct SlotDevice {
    int moduleType = 0;
    char major = '9';
    char minor = '0';
    uint32_t options = 0;
    uint8_t brand = 0;
    uint8_t attach = 0;  // how the slot's sensor is attached: 0 directly, 24 I-module, 27/29 carriers
    bool throughIModule = false;  // slot I is a digital channel of an I-module in digital-sensor mode
};

// ---- image access in slot I (set A unless set B is asked for)
inline long long Offset(Location at, bool setB = false) { return ParamOffset(at, 0, setB); }
// Writes a byte or a float in both sets (for a section kept once, the copy 0x2000 above is unused).
inline void SetByte(Location at, uint8_t value) {
    Ws().ParImage.setU8(Offset(at), value);
    Ws().ParImage.setU8(Offset(at) + 0x2000, value);
}
inline void SetFloat(Location at, float value) {
    Ws().ParImage.setF32(Offset(at), value);
    Ws().ParImage.setF32(Offset(at) + 0x2000, value);
}
inline int Byte(Location at, bool setB = false) { return Ws().ParImage.u8(Offset(at, setB)); }
inline float Float(Location at, bool setB = false) { return Ws().ParImage.f32(Offset(at, setB)); }
inline int U16(Location at, bool setB = false) { return Ws().ParImage.u16(Offset(at, setB)); }

// Expects a float written for both sets: at its set-A place and at its copy 0x2000 above, which the
// slot's per-set and fixed sections both have.
inline void ExpectBothSets(Location at, float value) {
    EXPECT_FLOAT_EQ(Float(at), value) << SectionOf(at.section).name << " +" << at.offset;
    if (WrittenInBothSets(at.section)) {
        EXPECT_FLOAT_EQ(Ws().ParImage.f32(Offset(at) + 0x2000), value)
            << SectionOf(at.section).name << " +" << at.offset << " copy 0x2000 above";
    }
}

class SlotFamilyFixture : public ::testing::Test {
protected:
    SlotFamilyFixture(Section setSection, Section fixSection) : set_(setSection), fix_(fixSection) {}

    void SetUp() override { ResetWorkspace(); }
    void TearDown() override { ResetWorkspace(); }

    void MakeDevice(const SlotDevice& d) { MakeDevice(d, set_, fix_); }

    // The slot's sections `set` and `fix` hold their factory defaults (a family whose slot some modules
    // initialise with other records names them).
    static void MakeDevice(const SlotDevice& d, Section set, Section fix) {
        ResetWorkspace();
        TDevice& device = Ws().Device;
        device.Origin = kOriginFile;
        device.Front.Code = 2;
        device.Front.SwMajor = d.major;
        device.Front.SwMinor = d.minor;
        device.Front.Options = d.options;
        device.Front.Brand = d.brand;
        device.Base.Code = 1;
        device.Slot[0].Code = static_cast<uint8_t>(d.moduleType);
        device.Slot[0].SlotMask = 1;
        device.Slot[0].HwId = 0;
        device.Slot[0].AttachCode = d.attach;
        if (d.throughIModule) {
            device.Slot[0].AttachCode = 24;
            device.IModule.Code = 24;
            Ws().ParImage.setU8(ParamOffset(At(Section::BUF_FIX, 212), 0, false), 6);  // digital sensor mode
        }
        for (Section section : {set, fix}) {
            const auto record = DefaultRecord(section);
            Ws().ParImage.writeBytes(ParamOffset(At(section, 0), 0, false), record);
            Ws().ParImage.writeBytes(ParamOffset(At(section, 0), 0, false) + 0x2000, record);
        }
        Ws().CurrentParam.moduleType = d.moduleType;
        Ws().CurrentParam.slot = 0;
        Ws().CurrentParam.position = kPosSlot1;
    }

    // ---- tree: the indices of the entries of `menu` (end index `end`; the slot module's own menu unless
    // named) shown as nodes
    static std::set<int> VisibleEntries(const TMenuEntry* menu = nullptr, int end = 0) {
        BuildDeviceTree();
        if (menu == nullptr) {
            const MenuTable own = *MenuTableOf(Ws().Device.Slot[0].Code);
            menu = own.entries;
            end = own.end;
        }
        return test::VisibleEntries(menu, end);
    }

    // ---- page: opens the page of entry `index` of `menu` (the slot module's own menu unless named)
    // through its tree node
    static PageModel OpenPage(int index, const TMenuEntry* menu = nullptr) {
        BuildDeviceTree();
        if (menu == nullptr) menu = MenuTableOf(Ws().Device.Slot[0].Code)->entries;
        return test::OpenPage(&menu[index]);
    }

    static bool Enabled(const PageModel& page, int row) {
        const PageRow* r = page.find(row);
        EXPECT_NE(r, nullptr) << "row " << row;
        return r != nullptr && r->enabled;
    }

private:
    Section set_;
    Section fix_;
};

}  // namespace tessalin::test
