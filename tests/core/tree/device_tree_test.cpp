#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/device/decode.h"
#include "core/device/designations.h"
#include "core/families/menu_registry.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

// A small menu: two level-1 items, the first with three level-2 items of which the middle one hides while
// scratch byte 0x7000 is set, and a level-3 item under it.
constexpr long long kHideByte = 0x7000;

int gPageOpened = 0;
TParamRef gOpenedWith;

bool Always(int event, TEvParRec& rec) {
    if (event == kEvPageOpen) {
        ++gPageOpened;
        gOpenedWith = Ws().CurrentParam;
    }
    if (event == kEvTitle) rec.text = "From handler";
    return true;
}
bool ShownWhileClear(int, TEvParRec&) { return Ws().ParImage.u8(kHideByte) == 0; }

constexpr TextRecord T(const char* de, const char* en) {
    return TextRecord{{de, "", en, "", en, "", en, "", en, "", en, "", en, ""}};
}
constexpr TextRecord kCal = T("Kalibrierdaten", "Calibration data");
constexpr TextRecord kFirst = T("Erstes", "First");
constexpr TextRecord kHidden = T("Verdeckbar", "Hideable");
constexpr TextRecord kChild = T("Kind", "Child");
constexpr TextRecord kMessages = T("Meldungen", "Messages");
constexpr TParamEntry kRows[2] = {TParamEntry{.location = At(Section::PH_SET, 11)}, TParamEntry{}};

constexpr TMenuEntry kMenu[] = {
    {.level = 1, .handler = Always, .texts = &kCal, .params = kRows, .lastParam = 1},
    {.level = 2, .handler = Always, .texts = &kFirst},
    {.level = 2, .handler = ShownWhileClear, .texts = &kHidden},
    {.level = 3, .handler = Always, .texts = &kChild},
    {.level = 2, .flags = kMfTitleFromHandler, .handler = Always, .texts = &kFirst},
    {.level = 1, .flags = kMfGreenTitle, .handler = Always, .texts = &kMessages},
    {.level = -1},
};
constexpr int kMenuEnd = 6;

class DeviceTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        Ws().UiLanguage = 1;
        Ws().DeviceLanguage = 1;
        gPageOpened = 0;
        TDevice& d = Ws().Device;
        d.Origin = kOriginFile;
        d.Front.Code = 2;
        d.Base.Code = 1;
    }

    static void PutSlot(int s, uint8_t code, uint8_t mask) {
        TIdInfo_h& slot = Ws().Device.Slot[s];
        slot.Code = code;
        slot.RecIndex = static_cast<uint8_t>(s);
        slot.SlotMask = mask;
    }

    static std::vector<std::string> RootTexts() {
        std::vector<std::string> out;
        for (int id : Ws().Tree.roots) out.push_back(Ws().Tree.nodes[id].text);
        return out;
    }

    static std::vector<std::string> Titles(int node) {
        std::vector<std::string> out;
        for (int id : Ws().Tree.nodes[node].children) out.push_back(Ws().Tree.nodes[id].text);
        return out;
    }

    static int Node(const char* path) { return NodeAtPath(path); }

    // The small menu standing in for the real tables of the given types while their families have no
    // entries in this build; a family that has them is walked with its own table.
    static std::vector<std::unique_ptr<ScopedMenuOverride>> StandIns(std::initializer_list<int> types) {
        std::vector<std::unique_ptr<ScopedMenuOverride>> standIns;
        for (int type : types)
            if (MenuTableOf(type)->end == 0)
                standIns.push_back(std::make_unique<ScopedMenuOverride>(type, MenuTable{"StandIn", kMenu, kMenuEnd}));
        return standIns;
    }

    static MenuTable Menu(int type) { return *MenuTableOf(type); }

    // Front and base unit have a branch in every test.
    std::vector<std::unique_ptr<ScopedMenuOverride>> units_ = StandIns({1, 2});
};

TEST_F(DeviceTreeTest, ComponentsInOrderWithImageDesignationAndTag) {
    const auto standIns = StandIns({8, 128});
    PutSlot(0, 3, 1);
    PutSlot(1, 25, 2);  // an inactive channel: no node, no message
    PutSlot(2, 8, 4);
    TCalcBlock& calc = Ws().Device.CalcBlock[1];
    calc.Code = 128;
    calc.RecIndex = 4;
    calc.SlotMask = 5;

    ASSERT_TRUE(BuildDeviceTree());
    EXPECT_EQ(Ws().Tree.message, "");
    const std::vector<std::string> expected = {
        "<img src=\"idx:3\"> <b>" + ModuleName(2, 2) + "</b><Z>2,0</Z>",
        "<img src=\"idx:1\"> <b>" + ModuleName(1, 1) + "</b><Z>1,0</Z>",
        "<img src=\"idx:5\"> <b>[I] " + ModuleName(4, 3) + "</b><Z>3,1</Z>",
        "<img src=\"idx:5\"> <b>[III] " + ModuleName(6, 8) + "</b><Z>8,4</Z>",
        "<img src=\"idx:7\"> <b>[I] [III] " + ModuleName(9, 128) + "</b><Z>128,5</Z>",
    };
    EXPECT_EQ(RootTexts(), expected);

    // Every menu entry walked takes a record, the end entry included; a module's records are consecutive
    // and its component node carries the record of its first menu entry.
    const DeviceTreeState& tree = Ws().Tree;
    const int front = Menu(2).end + 1, base = Menu(1).end + 1, ph = Menu(3).end + 1, out = Menu(8).end + 1;
    EXPECT_EQ(tree.recordCount, front + base + ph + out + Menu(128).end + 1);
    const int slot3 = tree.roots[3];
    EXPECT_EQ(tree.nodes[slot3].record, front + base + ph);
    const int last = Menu(8).end - 1;
    const TTabPtrRec& rec = tree.records[tree.nodes[slot3].record + last];
    EXPECT_EQ(rec.moduleType, 8);
    EXPECT_EQ(rec.slot, 2);
    EXPECT_EQ(rec.position, kPosSlot3);
    EXPECT_EQ(rec.entry, &Menu(8).entries[last]);
    EXPECT_EQ(tree.records[tree.nodes[tree.roots[4]].record].slot, 4);
    EXPECT_EQ(tree.records[tree.nodes[tree.roots[0]].record].slot, 255);

    // The first node is selected as if clicked: the front unit's terminal plan.
    EXPECT_EQ(tree.selected, tree.roots[0]);
    EXPECT_EQ(tree.activeTab, MainTab::Grafik);
    EXPECT_EQ(tree.grafikTag, 2 * 256 + 0);
    EXPECT_TRUE(PageIsNil(Ws().CurrentPage));
}

TEST_F(DeviceTreeTest, MenuLevelsTitlesAndHiddenEntries) {
    // A hideable level-2 item with a level-3 child and a title from the handler: a shape of its own.
    ScopedMenuOverride shape{3, MenuTable{"Shape", kMenu, kMenuEnd}};
    PutSlot(0, 3, 1);
    ASSERT_TRUE(BuildDeviceTree());
    const int module = Ws().Tree.roots[2];
    EXPECT_EQ(Titles(module),
              (std::vector<std::string>{"Calibration data", "<font color=\"#00a000\">Messages</font>"}));
    EXPECT_EQ(Titles(Node("2/0")), (std::vector<std::string>{"First", "Hideable", "From handler"}));
    EXPECT_EQ(Titles(Node("2/0/1")), (std::vector<std::string>{"Child"}));

    // Hidden level-2 item: its level-3 child attaches to the previous visible level-2 node.
    Ws().ParImage.setU8(kHideByte, 1);
    ASSERT_TRUE(BuildDeviceTree());
    EXPECT_EQ(Titles(Node("2/0")), (std::vector<std::string>{"First", "From handler"}));
    EXPECT_EQ(Titles(Node("2/0/0")), (std::vector<std::string>{"Child"}));
    // The records do not depend on visibility.
    EXPECT_EQ(Ws().Tree.recordCount, Menu(2).end + 1 + Menu(1).end + 1 + kMenuEnd + 1);

    // Device language chooses the titles.
    Ws().DeviceLanguage = 0;
    ASSERT_TRUE(BuildDeviceTree());
    EXPECT_EQ(Ws().Tree.nodes[Node("2/0")].text, "Kalibrierdaten");
}

TEST_F(DeviceTreeTest, SelectingNodes) {
    // A handler that records the opening of its page.
    ScopedMenuOverride shape{8, MenuTable{"Shape", kMenu, kMenuEnd}};
    PutSlot(2, 8, 4);
    ASSERT_TRUE(BuildDeviceTree());
    Ws().PageRebuildRequest = false;

    DeviceTreeChange(Node("2"));
    EXPECT_EQ(Ws().Tree.activeTab, MainTab::Grafik);
    EXPECT_EQ(Ws().Tree.grafikTag, 8 * 256 + 4);
    EXPECT_FALSE(Ws().PageRebuildRequest);

    const int cal = Node("2/0");
    DeviceTreeChange(cal);
    EXPECT_EQ(Ws().Tree.activeTab, MainTab::Parameter);
    EXPECT_TRUE(Ws().PageRebuildRequest);
    EXPECT_EQ(gPageOpened, 1);
    EXPECT_EQ(gOpenedWith.moduleType, 8);
    EXPECT_EQ(gOpenedWith.slot, 2);
    EXPECT_EQ(gOpenedWith.position, kPosSlot3);
    EXPECT_EQ(gOpenedWith.param, &kRows[0]);
    EXPECT_EQ(Ws().CurrentPage.entry, &kMenu[0]);
    EXPECT_EQ(Ws().CurrentPage.title, "Calibration data");
    EXPECT_EQ(Ws().Tree.records[Ws().Tree.nodes[cal].record].title, "Calibration data");
}

TEST_F(DeviceTreeTest, UnknownCodesStopTheBuildWithAMessage) {
    const auto standIns = StandIns({128});
    const struct {
        int uiLanguage;
        int front, base, slot0, calc;
        std::string message;
        std::size_t nodesLeft;
    } cases[] = {
        {1, 3, 1, 3, 0, "Unknown FRONT module:3", 0},
        {0, 3, 1, 3, 0, "Unbekanntes FRONT-Modul:3", 0},
        {1, 2, 7, 3, 0, "Unknown BASE module:7", 1},
        {0, 2, 7, 3, 0, "Unbekanntes BASE-Modul:7", 1},
        {1, 2, 1, 99, 0, "Unknown module:99", 2},
        {0, 2, 1, 3, 140, "Unbekanntes Modul:140", 3},
    };
    for (const auto& c : cases) {
        Ws().UiLanguage = c.uiLanguage;
        Ws().Device.Front.Code = static_cast<uint8_t>(c.front);
        Ws().Device.Base.Code = static_cast<uint8_t>(c.base);
        PutSlot(0, static_cast<uint8_t>(c.slot0), 1);
        Ws().Device.CalcBlock[0].Code = static_cast<uint8_t>(c.calc);
        EXPECT_FALSE(BuildDeviceTree()) << c.message;
        EXPECT_EQ(Ws().Tree.message, c.message);
        EXPECT_EQ(Ws().Tree.roots.size(), c.nodesLeft) << c.message;
        EXPECT_EQ(Ws().Tree.selected, -1);
    }
}

TEST_F(DeviceTreeTest, NoDeviceShowsTheDescription) {
    Ws().Device.Origin = kOriginNone;
    Ws().PageRebuildRequest = Ws().PageClearRequest = true;
    EXPECT_FALSE(BuildDeviceTree());
    EXPECT_TRUE(Ws().Tree.roots.empty());
    EXPECT_EQ(Ws().Tree.activeTab, MainTab::Description);
    EXPECT_FALSE(Ws().PageRebuildRequest);
    EXPECT_FALSE(Ws().PageClearRequest);
}

TEST_F(DeviceTreeTest, PurgonNodeFollowsItsCarrierSlotUnlessAProbeModuleOrAPhModuleTakesIt) {
    const struct {
        uint8_t s1, s2, s3;
        uint8_t type, mask;
        int after;  // root index of the Purgon node, -1 none
    } cases[] = {
        {4, 0, 0, 79, 1, 3},    // after the pH module in slot [I]
        {3, 0, 0, 80, 1, 3},
        {3, 5, 0, 79, 2, 4},    // after slot [II]
        {4, 5, 0, 79, 2, -1},   // slot [I] holds module 4
        {4, 5, 0, 80, 2, -1},
        {153, 5, 0, 79, 2, -1},
        {153, 5, 0, 80, 2, 4},  // type 80 only minds module 4 in slot [I]
        {3, 153, 0, 79, 1, -1}, // a probe module in slot [II] is the controller's menu itself
        {3, 0, 189, 79, 1, -1},
        {3, 5, 8, 79, 4, 5},
        {3, 4, 8, 79, 4, -1},
        {3, 5, 8, 79, 2, 4},
        {3, 0, 0, 79, 2, -1},   // the mask names an empty slot
        {3, 0, 0, 0, 1, -1},
    };
    const auto standIns = StandIns({5, 8, 153, 189});
    for (const auto& c : cases) {
        PutSlot(0, c.s1, 1);
        PutSlot(1, c.s2, 2);
        PutSlot(2, c.s3, 4);
        Ws().Device.Purgon.TypeCode = c.type;
        Ws().Device.Purgon.SlotMask = c.mask;
        ASSERT_TRUE(BuildDeviceTree());
        int found = -1;
        for (std::size_t i = 0; i < Ws().Tree.roots.size(); ++i)
            if (Ws().Tree.nodes[Ws().Tree.roots[i]].text.starts_with("<img src=\"idx:10\">")) found = static_cast<int>(i);
        EXPECT_EQ(found, c.after) << int(c.s1) << " " << int(c.s2) << " " << int(c.s3) << " " << int(c.type) << " "
                                  << int(c.mask);
    }
}

TEST_F(DeviceTreeTest, PurgonNodeTextAndRecords) {
    PutSlot(0, 4, 1);
    const auto standIns = StandIns({153});
    Ws().Device.Purgon.TypeCode = 79;
    Ws().Device.Purgon.SlotMask = 1;
    ASSERT_TRUE(BuildDeviceTree());
    const TreeNode& purgon = Ws().Tree.nodes[Ws().Tree.roots[3]];
    EXPECT_EQ(purgon.text, "<img src=\"idx:10\"> <b>[I] " + ModuleName(4, 79) + "</b><Z>79,1</Z>");
    // Its pages address the carrier slot's module.
    const TTabPtrRec& rec = Ws().Tree.records[purgon.record];
    EXPECT_EQ(rec.moduleType, 4);
    EXPECT_EQ(rec.position, kPosSlot1);
    EXPECT_EQ(rec.slot, 0);
    DeviceTreeChange(Ws().Tree.roots[3]);
    EXPECT_EQ(Ws().Tree.grafikTag, 79 * 256 + 1);
}

TEST_F(DeviceTreeTest, IModuleAddressesTheUnitBeforeIt) {
    const auto standIns = StandIns({24});
    Ws().Device.IModule.Code = 24;
    ASSERT_TRUE(BuildDeviceTree());
    ASSERT_EQ(Ws().Tree.roots.size(), 3u);
    const TreeNode& node = Ws().Tree.nodes[Ws().Tree.roots[2]];
    EXPECT_EQ(node.text, "<img src=\"idx:5\"> <b>" + ModuleName(3, 24) + "</b><Z>24,0</Z>");
    const TTabPtrRec& rec = Ws().Tree.records[node.record];
    EXPECT_EQ(rec.moduleType, 1);
    EXPECT_EQ(rec.position, kPosBase);
    EXPECT_EQ(rec.entry, &Menu(24).entries[0]);

    Ws().Device.Base.Code = 0;
    ASSERT_TRUE(BuildDeviceTree());
    EXPECT_EQ(Ws().Tree.records[Ws().Tree.nodes[Ws().Tree.roots[1]].record].moduleType, 2);
}

TEST_F(DeviceTreeTest, RebuildBranchRemovesAHiddenEntryAndKeepsTheRest) {
    ScopedMenuOverride shape{3, MenuTable{"Shape", kMenu, kMenuEnd}};
    PutSlot(0, 3, 1);
    PutSlot(1, 3, 2);
    ASSERT_TRUE(BuildDeviceTree());
    const std::size_t otherModule = Ws().Tree.nodes[Node("3")].children.size();
    const int hideable = Node("2/0/1");
    const int hideableRecord = Ws().Tree.nodes[hideable].record;
    DeviceTreeChange(Node("2/0/2"));  // "From handler", a sibling of the entry that will hide
    const int selectedRecord = Ws().Tree.nodes[Ws().Tree.selected].record;

    Ws().ParImage.setU8(kHideByte, 1);
    RebuildBranch();
    EXPECT_EQ(Titles(Node("2/0")), (std::vector<std::string>{"First", "From handler"}));
    EXPECT_EQ(Titles(Node("2/0/0")), (std::vector<std::string>{"Child"}));
    EXPECT_EQ(Titles(Node("2")), (std::vector<std::string>{"Calibration data", "<font color=\"#00a000\">Messages</font>"}));
    EXPECT_EQ(Ws().Tree.nodes[Node("3")].children.size(), otherModule);  // other branches untouched
    EXPECT_EQ(Ws().Tree.selected, Node("2/0/1"));
    EXPECT_EQ(Ws().Tree.nodes[Ws().Tree.selected].record, selectedRecord);
    EXPECT_EQ(Ws().CurrentPage.entry, &kMenu[4]);

    // Shown again: it comes back at its place with its old record.
    Ws().ParImage.setU8(kHideByte, 0);
    RebuildBranch();
    EXPECT_EQ(Ws().Tree.nodes[Node("2/0/1")].record, hideableRecord);
    EXPECT_EQ(Ws().Tree.nodes[Ws().Tree.selected].record, selectedRecord);
}

TEST_F(DeviceTreeTest, RebuildBranchKeepsAFirstLevelSelectionOnTheMenuNode) {
    ScopedMenuOverride shape{3, MenuTable{"Shape", kMenu, kMenuEnd}};
    PutSlot(0, 3, 1);
    ASSERT_TRUE(BuildDeviceTree());
    const int cal = Node("2/0");
    DeviceTreeChange(cal);
    const TParamRef param{42, 1, 2, nullptr};
    Ws().CurrentParam = param;
    RebuildBranch();
    // The component node shares its record with the first menu entry; the selection stays on the entry.
    ASSERT_GE(Ws().Tree.selected, 0);
    EXPECT_EQ(NodePath(Ws().Tree.selected), "2/0");
    EXPECT_EQ(Ws().Tree.nodes[Ws().Tree.selected].level, 1);
    EXPECT_EQ(Ws().CurrentParam.moduleType, 42);  // restored
    EXPECT_EQ(Ws().CurrentPage.title, "Calibration data");
}

TEST_F(DeviceTreeTest, RebuildBranchOfATopNodeOnlyClearsThePage) {
    ScopedMenuOverride shape{3, MenuTable{"Shape", kMenu, kMenuEnd}};
    ASSERT_TRUE(BuildDeviceTree());
    Ws().CurrentPage.entry = &kMenu[0];
    const std::size_t nodes = NodesInOrder().size();
    RebuildBranch();  // the front node is selected and has no parent
    EXPECT_TRUE(PageIsNil(Ws().CurrentPage));
    EXPECT_EQ(NodesInOrder().size(), nodes);
}

TEST_F(DeviceTreeTest, MoreThanAThousandRecordsIsARangeError) {
    static std::vector<TMenuEntry> big(400, TMenuEntry{.level = 1, .handler = Always, .texts = &kCal});
    big.back() = TMenuEntry{.level = -1};
    ScopedMenuOverride ph{3, MenuTable{"Big", big.data(), 399}};
    for (int s = 0; s < 3; ++s) PutSlot(s, 3, static_cast<uint8_t>(1 << s));
    EXPECT_THROW(BuildDeviceTree(), RangeError);
}

TEST_F(DeviceTreeTest, RedecodeKeepsTheSelectedEntry) {
    const auto standIns = StandIns({5});
    test::ImageBuilder b;
    b.base(1).slot(0, 4, 0, 1).record(0, {.hwId = 8, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 1});
    test::InstallImage(b.build());
    Ws().Device = TDevice{};
    Ws().Device.Origin = kOriginFile;
    DecodeDevice(true);
    for (const char* path : {"2/2/0", "2/0"}) {
        ASSERT_TRUE(BuildDeviceTree());
        DeviceTreeChange(Node(path));
        const TMenuEntry* entry = Ws().CurrentPage.entry;
        // A rule puts a second module into slot [II]; the components before slot [I] are unchanged.
        test::ImageBuilder changed = b;
        changed.slot(1, 5, 1, 2).record(1, {.hwId = 8, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 2});
        test::InstallImage(changed.build());
        Ws().PageRebuildRequest = false;
        RedecodeKeepSelection();
        EXPECT_EQ(Ws().Device.Origin, kOriginTool);
        EXPECT_EQ(Ws().Device.Slot[1].Code, 5);
        EXPECT_EQ(Ws().Tree.roots.size(), 4u);
        ASSERT_GE(Ws().Tree.selected, 0);
        EXPECT_EQ(NodePath(Ws().Tree.selected), path);
        EXPECT_EQ(Ws().CurrentPage.entry, entry);
        EXPECT_TRUE(Ws().PageRebuildRequest);
        test::InstallImage(b.build());
        DecodeDevice(false);
    }
}

TEST_F(DeviceTreeTest, PathsLeadBackToTheirNodes) {
    ScopedMenuOverride shape{3, MenuTable{"Shape", kMenu, kMenuEnd}};
    PutSlot(0, 3, 1);
    ASSERT_TRUE(BuildDeviceTree());
    for (int id : NodesInOrder()) EXPECT_EQ(NodeAtPath(NodePath(id)), id);
    EXPECT_EQ(NodePath(Node("2/0/1/0")), "2/0/1/0");
    for (const char* bad : {"", "9", "2/x", "2/", "-1", "2/0/1/0/0"}) EXPECT_EQ(NodeAtPath(bad), -1) << bad;
}

}  // namespace
}  // namespace tessalin
