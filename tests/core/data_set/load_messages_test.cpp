#include <gtest/gtest.h>

#include <filesystem>

#include "core/data_set/image_checks.h"
#include "core/data_set/load_messages.h"
#include "core/device/load_data_set.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin {
namespace {

using test::ImageBuilder;
using test::TempDir;

// Every refused file is named, with the reason in words in both interface languages.
TEST(LoadMessages, EveryRefusalNamesTheFileAndWhy) {
    ResetWorkspace();
    TempDir dir;
    const std::string good = ImageBuilder().writeFiles(dir, "GOOD.PAR").first;
    const std::string shortFront = dir.file("SHORT.PAR");
    test::WriteImageFile(shortFront, ImageBuilder().build(), 0, 100);
    const std::string shortPurgon = dir.file("SHORT02.PAR");
    test::WriteImageFile(shortPurgon, ImageBuilder().purgon().build(), kFrontSize, 50);
    const std::string damaged = dir.file("DAMAGED.PAR");
    ParImageBuffer image = ImageBuilder().build();
    image.setU8(5000, 1);
    test::WriteImageFile(damaged, image, 0, kFrontSize);
    const std::string wrongVariant = ImageBuilder().variant('Z').writeFiles(dir, "WRONG.PAR").first;
    const std::string foreign = ImageBuilder().variant('p').writeFiles(dir, "FOREIGN.PAR").first;
    const std::string missing = dir.file("GONE.PAR");

    const struct {
        std::string front, purgon, failed;
        const char *de, *en;
        bool forget;
    } cases[] = {
        {missing, "", missing, "Die Datei existiert nicht.", "The file does not exist.", true},
        {good, missing, missing, "Die Datei existiert nicht.", "The file does not exist.", true},
        {dir.path().string(), "", dir.path().string(), "Die Datei kann nicht ge\u00f6ffnet werden: Is a directory",
         "The file cannot be opened: Is a directory", false},
        {shortFront, "", shortFront, "(16384 Bytes)", "shorter than a FRONT configuration (16384 bytes)", false},
        {good, shortPurgon, shortPurgon, "(9100 Bytes)", "shorter than a Purgon configuration (9100 bytes)", false},
        {damaged, "", damaged, "Die Pr\u00fcfsumme stimmt nicht", "The checksum does not match", false},
        {wrongVariant, "", wrongVariant, "Variante oder Softwareversion ung\u00fcltig",
         "invalid variant or software version", false},
        {foreign, "", foreign, "Diese Dateivariante wird nicht unterst\u00fctzt,\n\rsie geh\u00f6rt",
         "This file variant is not supported,\n\rit belonged to another device software!", false},
    };
    for (const auto& c : cases) {
        const LoadResult result = LoadDataSet(c.front, c.purgon);
        ASSERT_FALSE(result.ok()) << c.failed;
        EXPECT_EQ(result.failedPath, c.failed);
        for (const auto& [language, reason] : {std::pair{0, c.de}, std::pair{1, c.en}}) {
            const std::string message = LoadRefusedMessage(result, language);
            EXPECT_NE(message.find(c.failed), std::string::npos) << message;
            EXPECT_NE(message.find(reason), std::string::npos) << message;
        }
        EXPECT_EQ(OffersToForgetRecentEntry(result), c.forget) << c.failed;
    }
    EXPECT_NE(ForgetRecentEntryQuestion(LoadDataSet(missing, ""), 1).find("Remove the entry from the list"),
              std::string::npos);
}

}  // namespace
}  // namespace tessalin
