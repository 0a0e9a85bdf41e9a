// Every device the configurator can make, as a user would open it: for each module it offers (in two
// slots where it fits, with a Purgon controller where one can attach) on every software version that
// offers it, the device tree builds in all seven device languages and every page of it builds in both
// parameter sets with a title and a label on every row. Then the same devices with their module bytes
// scrambled by a seeded generator, as a damaged memory card could hold them: the tree and the pages may
// refuse with the orderly range error, and nothing else.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/page/formpage.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/offered_devices.h"

namespace tessalin {
namespace {

using test::ConfigureOffered;
using test::kOfferedMajors;
using test::OfferableModules;

struct Where {
    std::string device;
    std::string context;
    std::string text() const { return device + " " + context; }
};

// Builds the tree and every page; with `strict` every row must have a label and every page a title.
void SweepTree(const std::string& device, bool strict) {
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        SelectLanguage(language);
        BuildDeviceTree();
        std::vector<std::string> paths;
        for (int node : NodesInOrder()) paths.push_back(NodePath(node));
        for (bool setB : {false, true}) {
            for (const std::string& path : paths) {
                const Where where{device, "lang " + std::to_string(language) + (setB ? " set B " : " set A ") + path};
                const int node = NodeAtPath(path);
                ASSERT_GE(node, 0) << where.text();
                Ws().ActiveParamSet = setB;
                DeviceTreeChange(node);
                if (Ws().Tree.activeTab != MainTab::Parameter) continue;
                const PageModel page = BuildFormpage();
                if (!strict) continue;
                EXPECT_EQ(page.error, "") << where.text();
                EXPECT_FALSE(page.title.empty() || page.title == " ") << where.text();
                for (const PageRow& row : page.rows) {
                    const bool separator = row.heading && row.headingLines == 0;
                    if (!separator && row.kind != kKindPicture) {
                        EXPECT_FALSE(row.label.empty()) << where.text() << " row " << row.row;
                    }
                }
            }
        }
    }
}

TEST(ConfiguredSweep, EveryOfferedModuleShowsEveryPageWithItsTexts) {
    int devices = 0;
    for (int front : {2, 17}) {
        for (char major : kOfferedMajors) {
            for (int module : OfferableModules()) {
                if (!ConfigureOffered(front, major, module)) continue;
                const std::string device = "front " + std::to_string(front) + " software " + major + " module " +
                                           std::to_string(module);
                ASSERT_NO_THROW(SweepTree(device, true)) << device;
                ++devices;
            }
        }
    }
    EXPECT_GT(devices, 50);
}

TEST(ConfiguredSweep, ScrambledModuleBytesAreShownOrRefusedInOrder) {
    std::mt19937 random(20261210);
    for (int module : OfferableModules()) {
        for (int seed = 0; seed < 2; ++seed) {
            const char major = kOfferedMajors[random() % std::size(kOfferedMajors)];
            if (!ConfigureOffered(2, major, module)) continue;
            // The three slots' bytes of both sets and the calculation blocks, as a damaged card could hold them.
            for (long long at : {0x0800LL, 0x2800LL}) {
                for (long long i = 0; i < 0x1000; ++i)
                    if (random() % 4 == 0) Ws().ParImage.setU8(at + i, static_cast<uint8_t>(random()));
            }
            const std::string device = "module " + std::to_string(module) + " software " + major + " seed " +
                                       std::to_string(seed);
            try {
                SweepTree(device, false);
            } catch (const RangeError&) {
                // refused in order: the window reports it as a message
            }
        }
    }
}

}  // namespace
}  // namespace tessalin
