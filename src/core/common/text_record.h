#pragma once
// A device-text record: the catalogue's and the device model's texts in the seven device languages.

#include <array>

namespace tessalin {

inline constexpr int kDeviceLanguageCount = 7;  // Deutsch, English, Français, Italiano, Svenska, Español, Português

// A device-text record: per device language a name (title or label) and a choice list (or empty).
// Language i occupies strings 2i (name) and 2i + 1 (list).
struct TextRecord {
    std::array<const char*, 2 * kDeviceLanguageCount> s;
};

}  // namespace tessalin
