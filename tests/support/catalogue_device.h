#pragma once
// A device made through the configurator (every component with its factory defaults) and installed as the
// program's, with helpers that walk a component's branch of the device tree and open its pages through the
// tree and page models, as a user would.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/catalogue/menu_tables.h"
#include "core/common/sections.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/configured_device.h"
#include "support/page_rows.h"
#include "support/tree_walk.h"

namespace tessalin::test {

class CatalogueDeviceTest : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }
    void TearDown() override { ResetWorkspace(); }

    // The described device with the option word the configurator writes and the minor version 0 unless given.
    static void MakeDevice(DeviceSpec wanted) {
        if (!wanted.minor) wanted.minor = '0';
        BuildDevice(wanted);
    }

    // The slot number under which the values of the component at a position lie (255: base and front).
    static uint8_t SlotOf(int position) {
        return position >= kPosSlot1 && position <= kPosSlot3 ? Ws().Device.Slot[position - kPosSlot1].RecIndex
                                                              : 255;
    }

    // ---- image access for the component at a position, in set A or set B
    static long long Offset(int position, Location at, bool setB = false) {
        return ParamOffset(at, SlotOf(position), setB);
    }
    static int Byte(int position, Location at, bool setB = false) {
        return Ws().ParImage.u8(Offset(position, at, setB));
    }
    // Writes a byte in both sets (sections kept once are written once).
    static void SetByte(int position, Location at, uint8_t value) {
        Ws().ParImage.setU8(Offset(position, at), value);
        if (SectionPerSet(at.section)) Ws().ParImage.setU8(Offset(position, at, true), value);
    }

    // ---- tree: the entries of `menu` shown as nodes of the component at a position
    static std::set<int> VisibleEntries(const MenuTable& menu, int position) {
        BuildDeviceTree();
        return test::VisibleEntries(menu.entries, menu.end, position);
    }

    // ---- page: opens the page of `entry` of the component at a position through its tree node
    static PageModel OpenPage(int position, const TMenuEntry& entry) {
        BuildDeviceTree();
        return test::OpenPage(&entry, position);
    }
};

}  // namespace tessalin::test
