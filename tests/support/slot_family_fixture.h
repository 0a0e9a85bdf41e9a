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
#include "core/catalogue/menu_tables.h"
#include "core/catalogue/sections.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/page_rows.h"

namespace tessalin::test {

struct SlotDevice {
    int moduleType = 0;
    char major = '9';
    char minor = '0';
    uint32_t options = 0;
    uint8_t brand = 0;
    uint8_t attach = 0;  // how the slot's sensor is attached: 0 directly, 24 I-module, 27/29 carriers
};

class SlotFamilyFixture : public ::testing::Test {
protected:
    SlotFamilyFixture(Section setSection, Section fixSection) : set_(setSection), fix_(fixSection) {}

    void SetUp() override { ResetWorkspace(); }
    void TearDown() override { ResetWorkspace(); }

    void MakeDevice(const SlotDevice& d) {
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
        for (Section section : {set_, fix_}) {
            const auto record = DefaultRecord(section);
            Ws().ParImage.writeBytes(ParamOffset(At(section, 0), 0, false), record);
            Ws().ParImage.writeBytes(ParamOffset(At(section, 0), 0, false) + 0x2000, record);
        }
        Ws().CurrentParam.moduleType = d.moduleType;
        Ws().CurrentParam.slot = 0;
        Ws().CurrentParam.position = kPosSlot1;
    }

    // ---- image access in slot I
    static long long Offset(Location at, bool setB = false) { return ParamOffset(at, 0, setB); }
    // Writes a byte or a float in both sets (for a section kept once, the copy 0x2000 above is unused).
    static void SetByte(Location at, uint8_t value) {
        Ws().ParImage.setU8(Offset(at), value);
        Ws().ParImage.setU8(Offset(at) + 0x2000, value);
    }
    static void SetFloat(Location at, float value) {
        Ws().ParImage.setF32(Offset(at), value);
        Ws().ParImage.setF32(Offset(at) + 0x2000, value);
    }
    static int Byte(Location at, bool setB = false) { return Ws().ParImage.u8(Offset(at, setB)); }
    static float Float(Location at, bool setB = false) { return Ws().ParImage.f32(Offset(at, setB)); }
    static int U16(Location at, bool setB = false) { return Ws().ParImage.u16(Offset(at, setB)); }

    // Expects a float written for both sets: at its set-A place and at its copy 0x2000 above, which the
    // slot's per-set and fixed sections both have.
    static void ExpectBothSets(Location at, float value) {
        EXPECT_FLOAT_EQ(Float(at), value) << SectionOf(at.section).name << " +" << at.offset;
        if (WrittenInBothSets(at.section)) {
            EXPECT_FLOAT_EQ(Ws().ParImage.f32(Offset(at) + 0x2000), value)
                << SectionOf(at.section).name << " +" << at.offset << " copy 0x2000 above";
        }
    }

    // ---- tree: the indices of the slot module's menu entries shown as nodes
    std::set<int> VisibleEntries() {
        BuildDeviceTree();
        const MenuTable menu = *MenuTableOf(Ws().Device.Slot[0].Code);
        std::set<int> shown;
        for (int node : NodesInOrder()) {
            const TreeNode& n = Ws().Tree.nodes[node];
            if (n.record < 0 || n.level == 0) continue;
            const TMenuEntry* entry = Ws().Tree.records[n.record].entry;
            if (entry >= menu.entries && entry < menu.entries + menu.end)
                shown.insert(static_cast<int>(entry - menu.entries));
        }
        return shown;
    }

    // ---- page: opens the page of the slot module's menu entry `index` through its tree node
    PageModel OpenPage(int index) {
        BuildDeviceTree();
        const MenuTable menu = *MenuTableOf(Ws().Device.Slot[0].Code);
        for (int node : NodesInOrder()) {
            const TreeNode& n = Ws().Tree.nodes[node];
            if (n.level > 0 && n.record >= 0 && Ws().Tree.records[n.record].entry == &menu.entries[index]) {
                DeviceTreeChange(node);
                return BuildFormpage();
            }
        }
        ADD_FAILURE() << "menu entry " << index << " is not in the tree";
        return {};
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
