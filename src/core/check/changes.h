#pragma once
// What a repair, or a page being shown, changes in the stored images, told in the pages' terms: every
// changed value that a shown row holds as "PATH > LABEL: before → after" with the row's format and unit,
// and bytes that no row shows as the file's bytes.

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalogue/tables.h"
#include "core/check/finding.h"

namespace tessalin::check {

// The place of one shown value, as the check's walk met it.
struct ValuePlace {
    long long at = 0;  // first byte in the image, in its set
    int width = 0;
    int node = -1;
    int row = -1;
    char set = '-';    // 'A' or 'B' where the sets have places of their own, else '-'
    bool mirrored = false;  // a value kept once whose copy 0x2000 above is written with it
    std::string label;
    TParamRef ref;     // the row's context (module, slot, position, entry)
};

class ValuePlaces {
public:
    void add(ValuePlace place) { places_.push_back(std::move(place)); }
    // The first place that holds the byte (or whose mirror does), or null.
    const ValuePlace* covering(long long offset) const;

private:
    std::vector<ValuePlace> places_;
};

// The stored images (FRONT and Purgon) as they are now.
std::vector<uint8_t> StoredImages();

// The values that differ between `before` and the stored images now, leaving out the finding's own bytes
// (none with a null finding). The page context is as before afterwards.
std::vector<ValueChange> DescribeChanges(const std::vector<uint8_t>& before, const ValuePlaces& places,
                                         const Finding* own);

// The value of a place as its row shows it now, with the unit.
std::string PlaceValue(const ValuePlace& place);

// "PATH > LABEL", with " [set B]" where the set matters.
std::string PlaceText(const ValuePlace& place);

}  // namespace tessalin::check
