#include <gtest/gtest.h>

#include "core/device/designations.h"
#include "core/device/load_data_set.h"
#include "core/workspace.h"
#include "support/image_builder.h"
#include "support/run_cli.h"

namespace tessalin {
namespace {

using test::ImageBuilder;
using test::RunCli;
using test::TempDir;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CliInfo, PrintsTheDecodedDeviceInTheChosenLanguage) {
    TempDir dir;
    ImageBuilder builder;
    builder.version('A', '1').frontBrand(0x41).frontSerial(4711).options(0x00010002).base(1, 0x23, 3, 0, 98765);
    builder.slot(0, 4, 0, 1).record(0, {.hwId = 112, .swVersion = 0x31, .hwVersion = 2, .brandByte = 1, .serial = 5});
    builder.slot(1, 3, 1, 2).record(1, {.hwId = 8, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 0});
    const auto [front, purgon] = builder.purgon().writeFiles(dir);

    // The same data set decoded in this process gives the names the command must print.
    ResetWorkspace();
    Ws().DeviceLanguage = 2;
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    const TDevice device = Ws().Device;

    const auto run = RunCli({"info", front, purgon, "--lang", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string& out = run.out;
    EXPECT_TRUE(Has(out, "  origin: 2\n")) << out;
    EXPECT_TRUE(Has(out, "  family: " + FamilyDesignation() + "\n")) << out;
    EXPECT_TRUE(Has(out, "Front unit\n  code: " + std::to_string(device.Front.Code) + "\n  designation: " +
                             ModuleName(kPosFront, device.Front.Code) + "\n"))
        << out;
    EXPECT_TRUE(Has(out, "  brand: 1\n  brand_key: BREVON\n  ex_mark: X\n  serial: 4711\n  serial_formatted: 0004711\n"))
        << out;
    EXPECT_TRUE(Has(out, "  software_major: A\n  software_minor: 1\n")) << out;
    EXPECT_TRUE(Has(out, "  software_version_formatted: A.1\n")) << out;
    EXPECT_TRUE(Has(out, "  options: 65538\n  options_hex: 0x00010002\n")) << out;
    EXPECT_TRUE(Has(out, "Base unit\n")) << out;
    EXPECT_TRUE(Has(out, "  software_version: 35\n  software_version_formatted: 2.3\n  hardware_version: 3\n")) << out;
    EXPECT_TRUE(Has(out, "  serial: 98765\n  serial_formatted: 0098765\n")) << out;
    EXPECT_TRUE(Has(out, "Slot [I]\n  code: " + std::to_string(device.Slot[0].Code) + "\n  designation: " +
                             ModuleName(kPosSlot1, device.Slot[0].Code) + "\n  description: " +
                             ModuleDescription(kPosSlot1, device.Slot[0].Code) + "\n  hardware_id: 112\n"
                             "  record_index: 0\n  slot_mask: 1\n  slot_mask_formatted: [I] \n"))
        << out;
    EXPECT_TRUE(Has(out, "Slot [II]\n  code: 3\n  designation: " + ModuleName(kPosSlot2, 3) + "\n")) << out;
    EXPECT_TRUE(Has(out, "Purgon controller\n  type_code: " + std::to_string(device.Purgon.TypeCode) + "\n")) << out;
    EXPECT_NE(device.Purgon.TypeCode, 0);

    // JSON carries the same values; English is the default language.
    const auto json = RunCli({"info", "--json", front, purgon});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    Ws().DeviceLanguage = 1;
    EXPECT_TRUE(Has(json.out, "\"serial\": 4711, \"serial_formatted\": \"0004711\"")) << json.out;
    EXPECT_TRUE(Has(json.out, "\"designation\": \"" + ModuleName(kPosSlot2, 3) + "\"")) << json.out;
}

TEST(CliInfo, ShowsTheSlotsAnIModuleServes) {
    TempDir dir;
    ImageBuilder builder;
    builder.version('9', '0').base(1).iModule(28, 0x12, 1).attach(1, 28).attach(2, 28);
    builder.slot(0, 3, 0, 1).record(0, {.hwId = 8, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 1});
    builder.slot(1, 19, 1, 2).record(1, {.hwId = 12, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 2});
    builder.slot(2, 25, 2, 4).record(2, {.hwId = 12, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 2});
    const auto [front, purgon] = builder.writeFiles(dir);
    const auto run = RunCli({"info", front});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "I-module\n  code: 28\n")) << run.out;
    EXPECT_TRUE(Has(run.out, "  slot_mask: 6\n  slot_mask_formatted: [II] [III] \n  software_version: 18\n")) << run.out;
}

TEST(CliInfo, RefusedDataSetAndUsageErrors) {
    TempDir dir;
    test::WriteImageFile(dir.file("old.par"), ImageBuilder().version('4', '0').build(), 0, kFrontSize);
    const auto refused = RunCli({"info", dir.file("old.par")});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_TRUE(Has(refused.err, dir.file("old.par") + ": load error 2048: ")) << refused.err;

    const auto missing = RunCli({"info", dir.file("none.par")});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(Has(missing.err, "load error 4096")) << missing.err;

    EXPECT_EQ(RunCli({"info"}).exitCode, 2);
    EXPECT_EQ(RunCli({"info", dir.file("old.par"), "--lang", "7"}).exitCode, 2);
}

}  // namespace
}  // namespace tessalin
