#include <gtest/gtest.h>

#include "core/configurator/configuration_tree.h"
#include "core/markup/markup_text.h"
#include "core/workspace.h"

namespace tessalin::configurator {
namespace {

class ConfigurationTreeTest : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }

    // The option line of `key` below the front's "Optionen" node.
    static const ConfigNode* OptionLine(const std::vector<ConfigNode>& tree, const std::string& key) {
        for (const ConfigNode& line : tree[0].children.back().children)
            if (FindAnchor(line.markup, key)) return &line;
        return nullptr;
    }
};

TEST_F(ConfigurationTreeTest, WithoutFrontOnlyTheNothingLoadedNode) {
    Configurator c;
    const std::vector<ConfigNode> tree = BuildConfigurationTree(c);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].markup, "keine Konfiguration geladen!");
    EXPECT_EQ(ModuleListHeader(c, 1), "Module List");
}

TEST_F(ConfigurationTreeTest, NewFrontShowsVersionMenuOptionsAndEmptySlots) {
    Configurator c;
    ASSERT_TRUE(c.addCode(2).ok);
    const std::vector<ConfigNode> tree = BuildConfigurationTree(c);
    ASSERT_EQ(tree.size(), 5u);  // front, base, three slots
    EXPECT_EQ(tree[0].position, kPosFront);
    EXPECT_EQ(tree[0].children[0].markup,
              "Software :  <a href=\"sw_ver\" class=\"MENU\" props=\"5.x|6.x|7.x|8.x|9.x|A.x\">A.x</a>");
    EXPECT_EQ(tree[4].markup, "<img src=\"idx:5\"> <b><font color=\"#C0C0C0\">[III] kein Modul</font></b>");
    EXPECT_EQ(tree[4].position, kPosSlot3);

    // Options offered from version 6 on, but not the adaptive timer, which a new front has set.
    const ConfigNode* isfet = OptionLine(tree, "optISFET");
    ASSERT_NE(isfet, nullptr);
    EXPECT_EQ(FindAnchor(isfet->markup, "optISFET")->props, "aktiv|inaktiv");
    EXPECT_EQ(GetAnchorValue(isfet->markup, "optISFET"), "inaktiv");
    EXPECT_EQ(OptionLine(tree, "optADAP"), nullptr);
    EXPECT_EQ(OptionLine(tree, "optDOLOVAN"), nullptr);
    EXPECT_EQ(ModuleListHeader(c, 0).find("</b>  Modul-Liste"), ModuleListHeader(c, 0).size() - 17);
}

TEST_F(ConfigurationTreeTest, MenuChangesReachTheModel) {
    Configurator c;
    ASSERT_TRUE(c.addCode(2).ok);
    ASSERT_TRUE(c.addCode(1).ok);
    ASSERT_TRUE(c.addCode(4).ok);
    ASSERT_TRUE(c.addCode(79).ok);

    ASSERT_TRUE(ApplyTreeChange(c, "optLPAR", "aktiv").ok);
    EXPECT_EQ(GetAnchorValue(OptionLine(BuildConfigurationTree(c), "optLPAR")->markup, "optLPAR"), "aktiv");
    ASSERT_TRUE(ApplyTreeChange(c, "optLPAR", "inaktiv").ok);
    EXPECT_FALSE((c.device().Front.Options >> 18) & 1u);

    // The Purgon controller follows its carrier in slot [I]; a new major version clears both.
    std::vector<ConfigNode> tree = BuildConfigurationTree(c);
    ASSERT_EQ(tree.size(), 6u);
    EXPECT_EQ(tree[3].position, kPosPurgonNode);
    EXPECT_EQ(tree[3].markup.rfind("<img src=\"idx:10\"> <b>[I] ", 0), 0u) << tree[3].markup;
    ASSERT_TRUE(ApplyTreeChange(c, "sw_ver", "9.x").ok);
    EXPECT_EQ(c.device().Front.SwMajor, '9');
    EXPECT_EQ(c.device().Slot[0].Code, 0);
    EXPECT_EQ(BuildConfigurationTree(c).size(), 5u);

    EXPECT_FALSE(ApplyTreeChange(c, "sw_ver", "B.x").ok);
    EXPECT_FALSE(ApplyTreeChange(c, "optNOSUCH", "aktiv").ok);
}

}  // namespace
}  // namespace tessalin::configurator
