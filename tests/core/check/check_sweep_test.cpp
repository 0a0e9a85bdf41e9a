// Every device the configurator can make holds only what the analyser accepts: the check finds nothing
// on any of them, in either parameter set, except the factory defaults below that a list of the same
// device does not offer (the field shows empty until the user chooses). They are known and listed here so
// that any other finding fails the sweep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/check/check.h"
#include "core/tree/device_tree.h"
#include "support/check_findings.h"
#include "support/offered_devices.h"

namespace tessalin {
namespace {

using test::ConfigureOffered;
using test::Describe;
using test::kOfferedMajors;
using test::OfferableModules;

struct KnownDefault {
    const char* label;
    const char* stored;
    const char* why;
};

// Factory defaults of the catalogue that some devices' lists do not offer.
constexpr KnownDefault kKnownDefaults[] = {
    {"Tarimex buffer", "15", "the Pelorix buffer set is offered from software 9; earlier software offers 1"},
    {"1st main value", "64", "slot [I] holds an output or controller module, which has no variable to show"},
    {"Sensor type", "1", "module 13 offers the Pfaudler sensor types only"},
    {"Detection", "1", "air-pressure detection is not offered on a digital-sensor carrier"},
};

bool Known(const check::Finding& f) {
    for (const KnownDefault& k : kKnownDefaults)
        if (f.kind == check::FindingKind::ListCode && f.label == k.label && f.stored == k.stored) return true;
    return false;
}

TEST(CheckSweep, EveryOfferedDeviceHasNoFindings) {
    int devices = 0;
    for (int front : {2, 17}) {
        for (char major : kOfferedMajors) {
            for (int module : OfferableModules()) {
                if (!ConfigureOffered(front, major, module)) continue;
                SelectLanguage(1);
                ASSERT_TRUE(BuildDeviceTree());
                std::vector<check::Finding> findings = check::CheckDataSet();
                std::erase_if(findings, Known);
                EXPECT_TRUE(findings.empty()) << "front " << front << " software " << major << " module " << module
                                              << ":\n" << Describe(findings);
                ++devices;
            }
        }
    }
    EXPECT_GT(devices, 50);
}

}  // namespace
}  // namespace tessalin
