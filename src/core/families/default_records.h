#pragma once
// The default record of every section, assembled from the records the families define.

#include <cstdint>
#include <span>

#include "core/common/sections.h"

namespace tessalin {

// The default record of a section: the bytes of a factory-fresh device in the section's layout. Families
// whose catalogue provides no defaults give zeros.
std::span<const uint8_t> DefaultRecord(Section section);

}  // namespace tessalin
