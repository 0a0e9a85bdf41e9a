// The process-variable catalogue of devices with software major version 8 or lower.

#include "core/catalogue/process_variables_data.h"

namespace tessalin::pv {
namespace {

constexpr OxygenVariant kStandardOxygen{kMgL, kPpm, 19, kCalTimer, C::OxyVolumeConcentration,
                                        47, kPpm, C::OxyUnitGroup3, C::SwFrom8};
constexpr OxygenVariant kTraceOxygen{kUgL, kPpb, 19, kCalTimer, C::OxyVolumeConcentration,
                                     47, kPpm, C::OxyUnitGroup3, C::SwFrom8};

constexpr auto kEdition = Join(
    ForTypes(kPhOlderLayout, std::array<uint8_t, 6>{3, 4, 12, 13, 19, 150}),
    ForTypes(kCo2UpTo8Layout, std::array<uint8_t, 1>{18}),
    ForTypes(kCondLayout, std::array<uint8_t, 2>{5, 154}),
    ForTypes(kCondILayout, std::array<uint8_t, 1>{6}),
    ForTypes(OxygenLayout(kStandardOxygen), std::array<uint8_t, 3>{7, 10, 20}),
    ForTypes(OxygenLayout(kTraceOxygen), std::array<uint8_t, 3>{11, 21, 26}),
    kUnitsAndBlocks);

}  // namespace

std::span<const ProcessVariableRow> EditionUpTo8() { return kEdition; }

}  // namespace tessalin::pv
