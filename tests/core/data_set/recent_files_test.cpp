#include <gtest/gtest.h>

#include "core/data_set/drop.h"
#include "core/data_set/recent_files.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

using test::ImageBuilder;
using test::TempDir;
using List = std::array<std::string, 4>;

TEST(RecentFiles, PromoteMovesWithoutDuplicates) {
    struct Case {
        const char* name;
        List before;
        std::string entry;
        List after;
    };
    const Case cases[] = {
        {"same as first: unchanged", {"a", "b", "c", "d"}, "a", {"a", "b", "c", "d"}},
        {"second moves up", {"a", "b", "c", "d"}, "b", {"b", "a", "c", "d"}},
        {"third moves up, fourth stays", {"a", "b", "c", "d"}, "c", {"c", "a", "b", "d"}},
        {"fourth moves up", {"a", "b", "c", "d"}, "d", {"d", "a", "b", "c"}},
        {"new pushes the last out", {"a", "b", "c", "d"}, "e", {"e", "a", "b", "c"}},
        {"into an empty list", {"", "", "", ""}, "a", {"a", "", "", ""}},
        {"empty entry: unchanged", {"a", "b", "", ""}, "", {"a", "b", "", ""}},
    };
    for (const Case& c : cases) {
        List files = c.before;
        PromoteRecentEntry(files, c.entry);
        EXPECT_EQ(files, c.after) << c.name;
    }
}

TEST(RecentFiles, RemovedEntryLetsTheLaterOnesMoveUp) {
    List files{"a", "b", "c", "d"};
    RemoveRecentEntry(files, 1);
    EXPECT_EQ(files, (List{"a", "c", "d", ""}));
    RemoveRecentEntry(files, 4);  // beyond the list: nothing
    EXPECT_EQ(files, (List{"a", "c", "d", ""}));
}

TEST(RecentFiles, EntriesSplitAndCaptions) {
    EXPECT_EQ(RecentEntry("/d/a.par", "/e/b.par"), "/d/a.par / /e/b.par");
    EXPECT_EQ(RecentEntry("/d/a.par", ""), "/d/a.par");
    EXPECT_EQ(RecentEntry("", "/e/b.par"), "");
    EXPECT_EQ(SplitRecentEntry("/d/a.par / /e/b.par"), (DataSetPaths{"/d/a.par", "/e/b.par"}));
    EXPECT_EQ(SplitRecentEntry("/d/a.par"), (DataSetPaths{"/d/a.par", ""}));
    // Split at the first separator only.
    EXPECT_EQ(SplitRecentEntry("a / b / c"), (DataSetPaths{"a", "b / c"}));
    EXPECT_EQ(RecentCaption("/d/a.par / /e/b.par"), "a.par / b.par");
    EXPECT_EQ(RecentCaption("/media/card/BACKUP/BACKUP01.PAR"), "BACKUP01.PAR");
}

TEST(RecentFiles, UpdateUsesTheCurrentDataSet) {
    ResetWorkspace();
    Workspace& ws = Ws();
    ws.RecentFiles = {"x", "/d/a.par / /d/b.par", "y", "z"};
    ws.FrontFileName = "/d/a.par";
    ws.PurgonFileName = "/d/b.par";
    UpdateRecentFiles();
    EXPECT_EQ(ws.RecentFiles, (List{"/d/a.par / /d/b.par", "x", "y", "z"}));
}

TEST(Caption, FileNamesAndModifiedMark) {
    ResetWorkspace();
    Workspace& ws = Ws();
    ws.Modified = true;
    EXPECT_EQ(CaptionText(), "Tessalin 3000");  // no mark without a file
    ws.FrontFileName = "/d/BACKUP01.PAR";
    EXPECT_EQ(CaptionText(), "Tessalin 3000 - BACKUP01.PAR *");
    ws.PurgonFileName = "/e/BACKUP02.PAR";
    ws.Modified = false;
    EXPECT_EQ(CaptionText(), "Tessalin 3000 - BACKUP01.PAR / BACKUP02.PAR");
}

TEST(DroppedFiles, ClassifiedBySizeAndHeader) {
    TempDir dir;
    const ParImageBuffer good = ImageBuilder().purgon().build();
    auto write = [&](const std::string& name, const ParImageBuffer& image, std::size_t offset, std::size_t length) {
        test::WriteImageFile(dir.file(name), image, offset, length);
        return dir.file(name);
    };
    struct Case {
        std::string path;
        int expected;
    };
    const Case cases[] = {
        {write("front.par", good, 0, kFrontSize), kDroppedFront},
        {write("purgon.par", good, kPurgonOffset, kPurgonSize), kDroppedPurgon},
        {write("long.par", good, 0, kFrontSize + 1), kDroppedOther},
        {write("short.par", good, kPurgonOffset, kPurgonSize - 1), kDroppedOther},
        {write("tiny.par", good, 0, 5), kDroppedOther},
        {write("foreign.par", ImageBuilder().variant('b').build(), 0, kFrontSize), kDroppedOther},
        {write("old.par", ImageBuilder().version('4', '0').build(), 0, kFrontSize), kDroppedOther},
        {dir.file("missing.par"), kDroppedOther},
        {dir.path().string(), kDroppedOther},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassifyDroppedFile(c.path), c.expected) << c.path;

    // A set loads only with a FRONT file; a later file of the same class replaces an earlier one.
    const std::string front2 = write("front2.par", good, 0, kFrontSize);
    EXPECT_EQ(DataSetFromDroppedFiles({dir.file("purgon.par")}), std::nullopt);
    EXPECT_EQ(DataSetFromDroppedFiles({dir.file("purgon.par"), dir.file("front.par")}),
              (DataSetPaths{dir.file("front.par"), dir.file("purgon.par")}));
    EXPECT_EQ(DataSetFromDroppedFiles({dir.file("front.par"), front2}), (DataSetPaths{front2, ""}));
    EXPECT_EQ(DataSetFromDroppedFiles({dir.file("foreign.par"), dir.file("old.par")}), std::nullopt);
}

}  // namespace
}  // namespace tessalin
