#include <gtest/gtest.h>

#include "core/device/decode.h"
#include "core/main_window/language_switch.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

TEST(LanguageSwitch, TheNodeAtTheSamePlaceStaysSelectedWithItsPage) {
    ResetWorkspace();
    test::InstallImage(test::ImageBuilder().base(1).slot(0, 3, 0, 1).record(0, {8, 0x12, 1, 0, 7}).build());
    Ws().Device.Origin = kOriginFile;
    DecodeDevice(true);
    ASSERT_TRUE(BuildDeviceTree());
    const std::vector<int> nodes = NodesInOrder();
    const int menuNode = nodes.back();
    DeviceTreeChange(menuNode);
    const std::string path = NodePath(menuNode);
    const std::string german = Ws().Tree.nodes[menuNode].text;

    Ws().DeviceLanguage = 1;
    Ws().PageRebuildRequest = false;
    RebuildTreeKeepingPath();
    EXPECT_EQ(NodePath(Ws().Tree.selected), path);
    EXPECT_NE(Ws().Tree.nodes[Ws().Tree.selected].text, german);
    EXPECT_TRUE(Ws().PageRebuildRequest);

    // Nothing selected before: the tree's own first selection stands.
    Ws().Tree.selected = -1;
    RebuildTreeKeepingPath();
    EXPECT_EQ(Ws().Tree.selected, NodesInOrder().front());
}

}  // namespace
}  // namespace tessalin
