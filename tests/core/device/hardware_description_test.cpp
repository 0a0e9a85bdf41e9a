#include <gtest/gtest.h>

#include "core/device/hardware_description.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

// A device as loaded from files: front 5.3 with base and modules in [I] and [III], slot [II] empty.
class HardwareDescriptionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        TDevice& d = Ws().Device;
        d.Origin = kOriginFile;
        d.Front.Code = 2;
        d.Front.SwMajor = '5';
        d.Front.SwMinor = '3';
        d.Front.HwVersion = 1;
        d.Front.SerialNo = 1234;
        d.Base.Code = 1;
        d.Base.SwVersion = 0x52;
        d.Base.HwVersion = 3;
        d.Base.SerialNo = 2;
        d.Slot[0] = Module(3, 1);
        d.Slot[2] = Module(5, 4);
    }

    static TIdInfo_h Module(uint8_t code, uint8_t mask) {
        TIdInfo_h m;
        m.Code = code;
        m.SlotMask = mask;
        m.SwVersion = 0;
        m.SerialNo = 1234;
        return m;
    }

    static std::vector<std::string> Texts(const std::vector<DescriptionItem>& items) {
        std::vector<std::string> texts;
        for (const DescriptionItem& item : items) texts.push_back(item.markup);
        return texts;
    }
};

TEST_F(HardwareDescriptionTest, NothingLoadedIsOneItemInTheDeviceLanguage) {
    Ws().Device.Origin = kOriginNone;
    HardwareDescription d = BuildHardwareDescription();
    EXPECT_EQ(Texts(d.items), std::vector<std::string>{"keine Konfiguration geladen!"});
    Ws().DeviceLanguage = 1;
    d = BuildHardwareDescription();
    EXPECT_EQ(Texts(d.items), std::vector<std::string>{"No Configuration loaded!"});
    EXPECT_EQ(d.buttonCaption, "Configurator");
}

TEST_F(HardwareDescriptionTest, UnitsWithTheirValueLines) {
    const HardwareDescription d = BuildHardwareDescription();
    ASSERT_EQ(d.items.size(), 5u);  // front, base, [I], [II], [III]
    const DescriptionItem& front = d.items[0];
    EXPECT_EQ(front.markup.rfind("<img src=\"idx:3\"> <b>", 0), 0u) << front.markup;
    EXPECT_EQ(Texts(front.children)[0], "Software :  <font color=\"#008000\">5.3</font>");
    EXPECT_EQ(Texts(front.children)[2], "Seriennummer :  <font color=\"#008000\">0001234</font>");
    EXPECT_EQ(Texts(front.children[3].children), std::vector<std::string>{"keine"});

    // Base from 5.3 on has its lines: version 0x52 shows 5.2, a serial stored as 2 shows xxxxxxx.
    const DescriptionItem& base = d.items[1];
    EXPECT_EQ(base.markup.rfind("<img src=\"idx:1\"> <b>", 0), 0u);
    EXPECT_EQ(Texts(base.children),
              (std::vector<std::string>{"Software :  <font color=\"#008000\">5.2</font>",
                                        "Hardware :  <font color=\"#008000\">3</font>",
                                        "Seriennummer :  <font color=\"#008000\">xxxxxxx</font>"}));
    // A module version byte 0 shows x.x.
    EXPECT_EQ(d.items[2].markup.find("<b>[I] "), 18u) << d.items[2].markup;
    EXPECT_EQ(Texts(d.items[2].children)[0], "Software :  <font color=\"#008000\">x.x</font>");
    // Slot [II] is empty: grey, bold, the slot picture, no children.
    EXPECT_EQ(d.items[3].markup, "<img src=\"idx:5\"> <b><font color=\"#C0C0C0\">[II] kein Modul</font></b>");
    EXPECT_TRUE(d.items[3].children.empty());

    Ws().Device.Front.SwMinor = '2';
    EXPECT_TRUE(BuildHardwareDescription().items[1].children.empty());
}

TEST_F(HardwareDescriptionTest, OptionsNamedByTheDocumentationOnly) {
    Ws().DeviceLanguage = 1;
    Ws().Device.Front.Options = (1u << 2) | (1u << 18) | (1u << 10) | (1u << 24);  // 24 unknown to 5.x
    std::vector<std::string> options = Texts(BuildHardwareDescription().items[0].children[3].children);
    EXPECT_EQ(options, (std::vector<std::string>{"Buffer sets :  <font color=\"#008000\">active</font>",
                                                 "Parameter sets :  <font color=\"#008000\">active</font>"}));
    // Bits set, none of them listed: the heading stays without children.
    Ws().Device.Front.Options = 1u << 10;
    EXPECT_TRUE(BuildHardwareDescription().items[0].children[3].children.empty());
}

TEST_F(HardwareDescriptionTest, PurgonControllerFollowsItsCarrierUnlessAProbeChannelHoldsIt) {
    TDevice& d = Ws().Device;
    d.Slot[1] = Module(4, 2);
    d.Purgon.TypeCode = 79;
    d.Purgon.SlotMask = 2;
    std::vector<std::string> items = Texts(BuildHardwareDescription().items);
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[4].rfind("<img src=\"idx:10\"> <b>[II] ", 0), 0u) << items[4];

    d.Slot[1] = Module(153, 2);
    EXPECT_EQ(BuildHardwareDescription().items.size(), 5u);
}

}  // namespace
}  // namespace tessalin
