#pragma once
// Two data sets to compare, as the configurator makes them and written to files: the first as made, the
// second with the Purgon controller's fixed interval changed (kept once for both sets) and the pH
// module's pulse suppression switched on in set B only.

#include <string>

#include "core/data_set/write.h"
#include "support/configured_edits.h"
#include "support/image_builder.h"

namespace tessalin::test {

inline const DeviceRecipe kComparedRecipe{{1, 4, 5, 79}, {"optLPAR"}};
inline const std::string kComparedFilter = "[I] PHS 2400 > Input filter";
inline const std::string kComparedInterval = "[I] PG 2400 > Fixed interval";

struct ComparedDataSets {
    std::string front, purgon;            // the first data set
    std::string otherFront, otherPurgon;  // the second
};

// Writes both into `dir`; the workspace is left with the first data set configured (not loaded from file).
inline ComparedDataSets WriteComparedDataSets(const TempDir& dir) {
    ComparedDataSets files{dir.file("A.PAR"), dir.file("AU.PAR"), dir.file("B.PAR"), dir.file("BU.PAR")};
    EXPECT_TRUE(Configure(kComparedRecipe));
    CommitValue(kComparedInterval, 'A', 1, "12");
    CommitValue(kComparedFilter, 'B', 0, "On");
    EXPECT_TRUE(WriteDataSet(files.otherFront, files.otherPurgon).ok);
    EXPECT_TRUE(Configure(kComparedRecipe));
    EXPECT_TRUE(WriteDataSet(files.front, files.purgon).ok);
    return files;
}

}  // namespace tessalin::test
