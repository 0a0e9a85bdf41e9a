#pragma once
// A device with a digital-sensor carrier in slot [I] whose sensor is of a given module type, its slot
// initialised with the family's factory defaults as REFRESH leaves it; helpers to walk its branch and open
// its pages through the tree and page models.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/catalogue/codec.h"
#include "core/families/menu_registry.h"
#include "core/families/opmode/slot_init.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/configured_device.h"
#include "support/page_rows.h"
#include "support/tree_walk.h"

namespace tessalin::test {

class DigitalSensorFixture : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }
    void TearDown() override { ResetWorkspace(); }

    // Software 9 with the given options, English device texts.
    static void MakeDevice(int type, const std::vector<std::string>& options = {}) {
        ASSERT_TRUE(Configure({.codes = {1, 27}, .options = options, .major = '9'}));
        SetSlotModuleType(0, type);
        InitialiseSlot(Ws().Device.Slot[0].RecIndex, type);
        Redecode();
        ASSERT_EQ(Ws().Device.Slot[0].Code, type);
    }

    static MenuTable Menu() { return *MenuTableOf(Ws().Device.Slot[0].Code); }

    // The menu entries of slot [I] shown as nodes; every node under slot [I] belongs to the sensor's menu.
    static std::set<int> VisibleEntries() {
        const MenuTable menu = Menu();
        std::set<int> shown;
        for (const TMenuEntry* entry : EntriesShownAt(kPosSlot1)) {
            EXPECT_TRUE(entry >= menu.entries && entry < menu.entries + menu.end)
                << "slot [I] shows an entry of another menu than " << menu.name;
            shown.insert(static_cast<int>(entry - menu.entries));
        }
        return shown;
    }

    // Opens the page of menu entry `index` of slot [I] through its node.
    static PageModel OpenPage(int index) { return test::OpenPage(Menu().entries + index); }
};

// The place of a value of slot [I] that the page of set A or B shows.
inline long long Place(Section section, uint16_t offset, bool setB = false) {
    return ParamOffset(At(section, offset), Ws().Device.Slot[0].RecIndex, setB);
}

}  // namespace tessalin::test
