#pragma once
// A device with one oxygen-family module in slot I whose sections hold the factory defaults, and functions
// to walk its branch of the device tree and open its pages through the tree and page models.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "core/catalogue/par_oxy.h"
#include "core/catalogue/sections.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::test {

constexpr Location Set(uint16_t offset) { return At(Section::OXY_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::OXY_FIX, offset); }

// ---- image access in slot I (set A, and both sets where written)
inline long long Offset(Location at, bool setB = false) { return ParamOffset(at, 0, setB); }
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

inline constexpr uint32_t kOptO2Bier = 1u << 12;

struct OxyDevice {
    int moduleType = 10;
    char major = '7';
    uint32_t options = 0;
    bool viaIModule = false;  // slot I is a digital channel of an I-module
    uint8_t carrier = 0;      // how the slot's sensor is attached otherwise: 27 digital-sensor module, 29 optical
};

class OxyFixture : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }
    void TearDown() override { ResetWorkspace(); }

    void MakeDevice(const OxyDevice& d) {
        TDevice& device = Ws().Device;
        device.Origin = kOriginFile;
        device.Front.Code = 2;
        device.Front.SwMajor = d.major;
        device.Front.SwMinor = '0';
        device.Front.Options = d.options;
        device.Base.Code = 1;
        device.Slot[0].Code = static_cast<uint8_t>(d.moduleType);
        device.Slot[0].SlotMask = 1;
        if (d.viaIModule) {
            device.Slot[0].AttachCode = 24;
            device.IModule.Code = 24;
            Ws().ParImage.setU8(ParamOffset(At(Section::BUF_FIX, 212), 0, false), 6);  // digital sensor mode
        }
        if (!d.viaIModule) device.Slot[0].AttachCode = d.carrier;
        // The optical sensor's slot is initialised with the LDO records, which overlay the oxygen ones.
        const bool optical = d.moduleType == 211;
        for (Section section : {optical ? Section::LDO_SET : Section::OXY_SET,
                                optical ? Section::LDO_FIX : Section::OXY_FIX}) {
            Install(section, 0);
            Install(section, 0x2000);
        }
        Ws().CurrentParam.moduleType = d.moduleType;
        Ws().CurrentParam.slot = 0;
        Ws().CurrentParam.position = kPosSlot1;
    }

    // ---- tree: the entries of `menu` (MenuOxy unless named) shown as nodes of the slot module
    std::set<int> VisibleEntries(const TMenuEntry* menu = MenuOxy, int end = kMenuOxyEnd) {
        BuildDeviceTree();
        std::set<int> shown;
        for (int node : NodesInOrder()) {
            const int record = Ws().Tree.nodes[node].record;
            if (record < 0 || Ws().Tree.nodes[node].level == 0) continue;  // component nodes
            const TMenuEntry* entry = Ws().Tree.records[record].entry;
            if (entry >= menu && entry < menu + end) shown.insert(static_cast<int>(entry - menu));
        }
        return shown;
    }

    // ---- page: opens the page of entry `index` of `menu` (MenuOxy unless named) through its tree node
    PageModel OpenPage(int index, const TMenuEntry* menu = MenuOxy) {
        BuildDeviceTree();
        for (int node : NodesInOrder()) {
            const TreeNode& n = Ws().Tree.nodes[node];
            if (n.level > 0 && n.record >= 0 && Ws().Tree.records[n.record].entry == &menu[index]) {
                DeviceTreeChange(node);
                return BuildFormpage();
            }
        }
        ADD_FAILURE() << "menu entry " << index << " is not in the tree";
        return {};
    }

    static std::vector<int> ShownRows(const PageModel& page) {
        std::vector<int> rows;
        for (const PageRow& row : page.rows) rows.push_back(row.row);
        return rows;
    }

    static std::vector<int> ItemCodes(const PageModel& page, int row) {
        std::vector<int> codes;
        if (const PageRow* r = page.find(row))
            for (const ChoiceItem& item : r->items) codes.push_back(item.code);
        return codes;
    }

    // Selects the item with `code` in a list row.
    static FollowUp Choose(PageModel& page, int row, int code) {
        const PageRow* r = page.find(row);
        EXPECT_NE(r, nullptr) << "row " << row;
        if (r == nullptr) return {};
        for (std::size_t i = 0; i < r->items.size(); ++i)
            if (r->items[i].code == code) return CommitChoice(page, row, static_cast<int>(i));
        ADD_FAILURE() << "row " << row << " offers no code " << code;
        return {};
    }

private:
    static void Install(Section section, long long above) {
        Ws().ParImage.writeBytes(ParamOffset(At(section, 0), 0, false) + above, DefaultRecord(section));
    }
};

}  // namespace tessalin::test
