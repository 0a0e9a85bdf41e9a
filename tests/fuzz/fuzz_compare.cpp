// Fuzz target: whatever two memory cards hold, comparing them lists their differences or refuses one of
// them in order; nothing crashes, hangs or touches memory outside a buffer. The first half of the input is
// the loaded data set, the second the one compared with it, each a FRONT image followed by an optional
// Purgon image, made loadable as in the loader's target. The differences are compared in both parameter
// sets and described in both interface languages. The orderly range error is an accepted outcome; any
// other exception escapes and is reported.
#include <cstdint>
#include <string>

#include "core/compare/comparison.h"
#include "core/device/load_data_set.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tessalin;
    const std::size_t half = size / 2;
    const auto [firstFront, firstPurgon] = fuzz::WriteLoadableDataSet(data, half, "FIRST");
    const auto [secondFront, secondPurgon] = fuzz::WriteLoadableDataSet(data + half, size - half, "SECOND");
    ResetWorkspace();
    if (LoadDataSet(firstFront, firstPurgon).ok()) {
        try {
            SelectLanguage(static_cast<int>(size % kDeviceLanguageCount));
            BuildDeviceTree();
            const ComparisonOpening opening = Comparison::Open(secondFront, secondPurgon, SetChoice::Both);
            if (opening.comparison) {
                for (const Difference& d : opening.comparison->Differences()) {
                    DescribeDifference(d, 0);
                    DescribeDifference(d, 1);
                }
            }
        } catch (const RangeError&) {
            // An orderly refusal of the current operation.
        }
    }
    fuzz::DropWorkspace();
    return 0;
}
