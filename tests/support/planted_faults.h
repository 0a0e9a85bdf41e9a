#pragma once
// Faults planted into the loaded data set, one of each kind the data-set check finds, each at a place the
// loaded device shows: the bytes to write and the finding they must give.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/check/finding.h"
#include "core/data_set/par_image.h"

namespace tessalin::test {

struct PlantedFault {
    std::string what;
    check::FindingKind kind;
    std::vector<std::pair<long long, uint8_t>> bytes;  // image index and the byte written there
    std::string node;  // index path of the page ("" for identity and programs)
    int row = -1;
    char set = 'A';
    bool repairable = true;
    std::string where{};  // a part of the finding's place that tells it from others of its kind
};

// One fault of each page kind (list code, number beyond its limit, NaN, text character, both-sets halves)
// at the first row of the loaded device that can hold it, a calculation block that fits no modules, and
// with a Purgon controller a switching point at 25:70. The device tree must be built.
std::vector<PlantedFault> RepairableFaults();

// Purgon program faults (reported, not repaired): a jump past the end of program 1, a step after its end
// marker, Monday's switching points out of order. The device must carry a Purgon controller.
std::vector<PlantedFault> ProgramFaults();

void Plant(ParImageBuffer& image, const PlantedFault& fault);

// True when the check found exactly the planted faults (their kind, page, row, set and place), each once.
bool FoundExactly(const std::vector<check::Finding>& findings, const std::vector<PlantedFault>& faults,
                  std::string& why);

}  // namespace tessalin::test
