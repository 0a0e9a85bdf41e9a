// The data-set check on damaged copies of a configured device: each planted fault is found once, at its
// place, with nothing else; every repair goes through the page's commit and changes no other byte.
#include <gtest/gtest.h>

#include <string>

#include "core/check/check.h"
#include "core/workspace.h"
#include "support/check_findings.h"
#include "support/configured_device.h"
#include "support/planted_faults.h"

namespace tessalin {
namespace {

using test::Configure;
using test::DeviceRecipe;
using test::PlantedFault;

// A pH module with a Purgon controller and a conductivity module, as the demo holds them.
const DeviceRecipe kPhCondPurgon{{1, 4, 5, 79}, {"optLPAR"}};

class Check : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Configure(kPhCondPurgon)); }

    // Plants the faults into the configured device and decodes it again, as opening the card would.
    void PlantAll(const std::vector<PlantedFault>& faults) {
        for (const PlantedFault& fault : faults) test::Plant(Ws().ParImage, fault);
        test::Redecode();
        damaged_ = Ws().ParImage;
    }

    // Image bytes of the two files that differ from the damaged copy outside the planted bytes.
    std::string UnplantedChanges(const std::vector<PlantedFault>& faults) const {
        std::string out;
        for (long long i = 0; i < static_cast<long long>(kPurgonOffset + kPurgonSize); ++i) {
            if (Ws().ParImage.u8(i) == damaged_.u8(i)) continue;
            bool planted = false;
            for (const PlantedFault& fault : faults)
                for (const auto& [at, value] : fault.bytes) planted = planted || at == i;
            if (!planted) out += std::to_string(i) + " ";
        }
        return out;
    }

    ParImageBuffer damaged_;
};

TEST_F(Check, TheConfiguredDeviceHasNoFindings) {
    EXPECT_EQ(test::Describe(check::CheckDataSet()), "");
}

// Each fault alone: found once, at its place; the repair removes it and touches only its own bytes.
TEST_F(Check, EachPlantedFaultIsFoundAloneAndRepairedInItsOwnBytes) {
    const std::vector<PlantedFault> faults = test::RepairableFaults();
    std::string names;
    for (const PlantedFault& fault : faults) names += fault.what + "; ";
    EXPECT_EQ(faults.size(), 7u) << "the device lacks a row for one of the faults: " << names;
    for (const PlantedFault& fault : faults) {
        SCOPED_TRACE(fault.what);
        ASSERT_TRUE(Configure(kPhCondPurgon));
        PlantAll({fault});
        std::string why;
        const auto findings = check::CheckDataSet();
        EXPECT_TRUE(test::FoundExactly(findings, {fault}, why)) << why << test::Describe(findings);
        ASSERT_FALSE(findings.empty());
        EXPECT_FALSE(findings.front().repair.empty());

        Ws().Modified = false;
        const check::RepairReport report = check::RepairAll();
        EXPECT_TRUE(report.allRepaired()) << test::Describe(report.remaining);
        EXPECT_EQ(report.repaired.size(), 1u);
        EXPECT_TRUE(Ws().Modified);
        EXPECT_EQ(test::Describe(check::CheckDataSet()), "");
        EXPECT_EQ(UnplantedChanges({fault}), "");
    }
}

TEST_F(Check, AllFaultsTogetherAreFoundAndRepairedInOneCall) {
    std::vector<PlantedFault> faults = test::RepairableFaults();
    PlantAll(faults);
    std::string why;
    EXPECT_TRUE(test::FoundExactly(check::CheckDataSet(), faults, why)) << why;
    const check::RepairReport report = check::RepairAll();
    EXPECT_TRUE(report.allRepaired()) << test::Describe(report.remaining);
    EXPECT_EQ(report.repaired.size(), faults.size());
    EXPECT_EQ(UnplantedChanges(faults), "");
}

TEST_F(Check, PurgonProgramFaultsAreReportedAndLeftAsTheyAre) {
    const std::vector<PlantedFault> faults = test::ProgramFaults();
    PlantAll(faults);
    std::string why;
    EXPECT_TRUE(test::FoundExactly(check::CheckDataSet(), faults, why)) << why;
    const check::RepairReport report = check::RepairAll();
    EXPECT_TRUE(report.repaired.empty());
    EXPECT_EQ(report.remaining.size(), faults.size());
    EXPECT_EQ(UnplantedChanges({}), "");
}

TEST_F(Check, AFindingNamesTheStoredValueWhatIsAcceptedAndTheRepair) {
    const std::vector<PlantedFault> faults = test::RepairableFaults();
    PlantAll({faults[0]});  // the list code 250
    const auto findings = check::CheckDataSet();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].severity, check::Severity::Refused);
    EXPECT_EQ(findings[0].stored, "250");
    EXPECT_NE(findings[0].accepted.find(findings[0].repair), std::string::npos)
        << "the repair is one of the offered items: " << findings[0].accepted;
    EXPECT_FALSE(findings[0].label.empty());
    EXPECT_FALSE(findings[0].path.empty());
}

}  // namespace
}  // namespace tessalin
