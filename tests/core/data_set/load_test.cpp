#include <gtest/gtest.h>

#include <filesystem>

#include "core/data_set/image_checks.h"
#include "core/device/load_data_set.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

using test::ImageBuilder;
using test::TempDir;

class LoadDataSetTest : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }
    TempDir dir;
};

// Writes `length` bytes of `image` from `offset` to a file of the temp dir.
std::string WritePart(const TempDir& dir, const std::string& name, const ParImageBuffer& image, std::size_t offset,
                      std::size_t length) {
    const std::string path = dir.file(name);
    test::WriteImageFile(path, image, offset, length);
    return path;
}

TEST_F(LoadDataSetTest, EachFaultGivesItsOwnCodeInCheckOrder) {
    struct Case {
        const char* name;
        ImageBuilder builder;
        std::size_t frontLength = kFrontSize;  // bytes of the FRONT image written to its file
        std::size_t purgonLength = kPurgonSize;
        long long corruptIndex = -1;  // a byte changed after the checksums were fixed
        bool withPurgon = false;
        int32_t expected;
        bool purgonFails = false;
    };
    auto base = [] { return ImageBuilder(); };
    const Case cases[] = {
        {"valid", base(), kFrontSize, kPurgonSize, -1, false, kLoadOk},
        {"valid parameter set", base().variant('P'), kFrontSize, kPurgonSize, -1, false, kLoadOk},
        {"version A", base().version('A', '0'), kFrontSize, kPurgonSize, -1, false, kLoadOk},
        {"front one byte short", base(), kFrontSize - 1, kPurgonSize, -1, false, kLoadShortFile},
        {"short and bad variant", base().variant('x'), 100, kPurgonSize, -1, false, kLoadShortFile},
        {"front checksum", base(), kFrontSize, kPurgonSize, 5000, false, kLoadChecksum},
        {"foreign b", base().variant('b'), kFrontSize, kPurgonSize, -1, false, kLoadForeignVariant},
        {"foreign p before version", base().variant('p').version('4', '0'), kFrontSize, kPurgonSize, -1, false,
         kLoadForeignVariant},
        {"bad variant", base().variant('Z'), kFrontSize, kPurgonSize, -1, false, kLoadBadVariantOrVersion},
        {"version 4", base().version('4', '9'), kFrontSize, kPurgonSize, -1, false, kLoadBadVariantOrVersion},
        {"with purgon", base().purgon(), kFrontSize, kPurgonSize, -1, true, kLoadOk},
        {"purgon short", base().purgon(), kFrontSize, kPurgonSize - 1, -1, true, kLoadShortFile, true},
        {"purgon checksum", base().purgon(), kFrontSize, kPurgonSize, 20000, true, kLoadChecksum, true},
        {"purgon lower-case variant", base().purgon().setByte(16384 + 6, 'p'), kFrontSize, kPurgonSize, -1, true,
         kLoadBadVariantOrVersion, true},
        {"purgon version 4", base().purgon().setByte(16384 + 2, '4'), kFrontSize, kPurgonSize, -1, true,
         kLoadBadVariantOrVersion, true},
    };
    for (const Case& c : cases) {
        ResetWorkspace();
        ParImageBuffer image = c.builder.build();
        if (c.corruptIndex >= 0) image.setU8(c.corruptIndex, static_cast<uint8_t>(image.u8(c.corruptIndex) ^ 0x21));
        const std::string front = WritePart(dir, "front.par", image, kFrontOffset, c.frontLength);
        const std::string purgon =
            c.withPurgon ? WritePart(dir, "purgon.par", image, kPurgonOffset, c.purgonLength) : std::string();

        const LoadResult result = LoadDataSet(front, purgon);
        EXPECT_EQ(result.code, c.expected) << c.name;
        EXPECT_EQ(Ws().LoadError, c.expected) << c.name;
        if (c.expected != kLoadOk) {
            EXPECT_EQ(result.failedPath, c.purgonFails ? purgon : front) << c.name;
        }
    }
}

TEST_F(LoadDataSetTest, FilesThatCannotBeOpenedGive4096WithTheReason) {
    const auto [front, purgon] = ImageBuilder().purgon().writeFiles(dir);
    struct Case {
        std::string front, purgon, failed;
    };
    const Case cases[] = {
        {dir.file("missing.par"), "", dir.file("missing.par")},
        {dir.path().string(), "", dir.path().string()},
        {front, dir.file("missing02.par"), dir.file("missing02.par")},
    };
    for (const Case& c : cases) {
        const LoadResult result = LoadDataSet(c.front, c.purgon);
        EXPECT_EQ(result.code, kLoadCannotOpen) << c.front;
        EXPECT_EQ(result.failedPath, c.failed);
        EXPECT_FALSE(result.systemReason.empty());
    }
}

TEST_F(LoadDataSetTest, LongerFileIsReadAsItsImage) {
    const ParImageBuffer image = ImageBuilder().build();
    const std::string front = WritePart(dir, "long.par", image, 0, kFrontSize + 300);
    ASSERT_TRUE(LoadDataSet(front, "").ok());
    EXPECT_TRUE(std::equal(image.all().begin(), image.all().begin() + kFrontSize, Ws().ParImage.all().begin()));
}

TEST_F(LoadDataSetTest, RefusedFileLeavesTheCurrentDataSetAsItWas) {
    const auto [front, purgon] = ImageBuilder().frontSerial(4711).purgon().setByte(16384 + 500, 9).writeFiles(dir);
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    Workspace& ws = Ws();
    ws.Device.Slot[1].Code = 33;  // any device state must survive
    ws.Device.IModule.Code = 24;
    ws.ParImage.setU8(300, 77);   // an edit not yet saved
    ws.Modified = true;
    const ParImageBuffer imageBefore = ws.ParImage;
    const TDevice deviceBefore = ws.Device;
    const auto recentBefore = ws.RecentFiles;

    TempDir other;
    ParImageBuffer bad = ImageBuilder().version('6', '1').purgon().build();
    bad.setU8(16384 + 100, 1);  // the Purgon checksum no longer matches
    const std::string badFront = WritePart(other, "a.par", bad, kFrontOffset, kFrontSize);
    const std::string badPurgon = WritePart(other, "b.par", bad, kPurgonOffset, kPurgonSize);
    const std::string shortFront = WritePart(other, "c.par", bad, kFrontOffset, 1000);

    for (const auto& [f, p] : {std::pair{badFront, badPurgon}, std::pair{shortFront, std::string()},
                              std::pair{other.file("none.par"), std::string()}}) {
        EXPECT_NE(LoadDataSet(f, p).code, kLoadOk);
        EXPECT_TRUE(ws.ParImage == imageBefore) << f;
        EXPECT_EQ(ws.Device, deviceBefore) << f;
        EXPECT_EQ(ws.FrontFileName, front);
        EXPECT_EQ(ws.PurgonFileName, purgon);
        EXPECT_TRUE(ws.Modified);
        EXPECT_EQ(ws.RecentFiles, recentBefore);
    }
}

TEST_F(LoadDataSetTest, SuccessfulLoadTakesOverTheDataSet) {
    Workspace& ws = Ws();
    const auto [front, purgon] = ImageBuilder().frontSerial(99).purgon().setByte(16384 + 700, 0x33).writeFiles(dir);
    ws.ActiveParamSet = true;
    ws.Modified = true;
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    EXPECT_EQ(ws.ParImage.u8(16384 + 700), 0x33);
    EXPECT_EQ(ws.FrontFileName, front);
    EXPECT_EQ(ws.PurgonFileName, purgon);
    EXPECT_FALSE(ws.Modified);
    EXPECT_FALSE(ws.ActiveParamSet);
    EXPECT_EQ(ws.Device.Origin, kOriginFile);
    EXPECT_EQ(ws.Device.Front.SerialNo, 99u);  // the device is decoded from the new image
    EXPECT_EQ(ws.RecentFiles[0], front + " / " + purgon);

    // A data set without a Purgon file marks the Purgon image absent.
    TempDir other;
    const auto [front2, none] = ImageBuilder().version('7', '2').writeFiles(other);
    ASSERT_TRUE(LoadDataSet(front2, "").ok());
    EXPECT_EQ(ws.ParImage.u8(16384 + 2), 0);
    EXPECT_EQ(ws.ParImage.u8(2), '7');
    EXPECT_EQ(ws.PurgonFileName, "");
    EXPECT_EQ(ws.RecentFiles[0], front2);
    EXPECT_EQ(ws.RecentFiles[1], front + " / " + purgon);
}

TEST_F(LoadDataSetTest, NewDataSetEmptiesEverything) {
    const auto [front, purgon] = ImageBuilder().purgon().writeFiles(dir);
    ASSERT_TRUE(LoadDataSet(front, purgon).ok());
    Workspace& ws = Ws();
    ws.Device.Purgon.TypeCode = 79;
    ws.Modified = true;
    ws.ActiveParamSet = true;
    ws.ParImage.setU8(0x7000, 5);

    NewDataSet();
    EXPECT_TRUE(ws.ParImage == ParImageBuffer());
    EXPECT_EQ(ws.Device, TDevice());
    EXPECT_EQ(ws.FrontFileName, "");
    EXPECT_EQ(ws.PurgonFileName, "");
    EXPECT_FALSE(ws.Modified);
    EXPECT_FALSE(ws.ActiveParamSet);
    EXPECT_EQ(ws.RecentFiles[0], front + " / " + purgon);  // the recent files stay
}

}  // namespace
}  // namespace tessalin
