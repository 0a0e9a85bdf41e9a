// Every device the configurator can make holds only what the analyser accepts: the check finds nothing
// on any of them, in either parameter set. Checking, documenting and finding read every page of them and
// leave the image as it was.
#include <gtest/gtest.h>

#include <vector>

#include "core/check/check.h"
#include "core/documentation/doc_findings.h"
#include "core/documentation/doc_table.h"
#include "core/find/find.h"
#include "core/workspace.h"
#include "core/tree/device_tree.h"
#include "support/check_findings.h"
#include "support/offered_devices.h"

namespace tessalin {
namespace {

using test::ConfigureOffered;
using test::Describe;
using test::kOfferedMajors;
using test::OfferableModules;

TEST(CheckSweep, EveryOfferedDeviceHasNoFindings) {
    int devices = 0;
    for (int front : {2, 17}) {
        for (char major : kOfferedMajors) {
            for (int module : OfferableModules()) {
                if (!ConfigureOffered(front, major, module)) continue;
                SelectLanguage(1);
                ASSERT_TRUE(BuildDeviceTree());
                const ParImageBuffer before = Ws().ParImage;
                const std::vector<check::Finding> findings = check::CheckDataSet();
                EXPECT_TRUE(findings.empty()) << "front " << front << " software " << major << " module " << module
                                              << ":\n" << Describe(findings);
                EXPECT_TRUE(Ws().ParImage == before) << "the check wrote: front " << front << " software " << major
                                                     << " module " << module;
                DocTable table = BuildDocumentationTable();
                AppendFindingsSection(table);
                EXPECT_TRUE(Ws().ParImage == before) << "documenting wrote: front " << front << " software " << major
                                                     << " module " << module;
                FindInDataSet("a");
                EXPECT_TRUE(Ws().ParImage == before) << "finding wrote: front " << front << " software " << major
                                                     << " module " << module;
                ++devices;
            }
        }
    }
    EXPECT_GT(devices, 50);
}

}  // namespace
}  // namespace tessalin
