#pragma once
// The type-plate table of the terminal plan: for each module code and brand, the module's terminal
// pattern, the drawings of its type plate, labels and terminal block, and its printed designation.

#include <cstdint>
#include <span>
#include <string_view>

namespace tessalin {

inline constexpr uint8_t kTypschildExLayout = 0x02;  // the Ex variant has a label drawing of its own

struct TTypschild {
    uint8_t Code = 0;
    uint8_t Flags = 0;
    std::string_view BrandKey;       // "MORVANE", "BREVON", "SOLLANE"
    std::string_view Terminals;      // 20 characters: 'S' or '-', then one per contact position 1..19
    std::string_view TypePlate;      // bitmap names, empty where the row has none
    std::string_view ExPicture;
    std::string_view NonExPicture;
    std::string_view TerminalBlock;
    std::string_view Designation;    // with '\x02' where the explosion-protection mark goes
};

// All 67 rows; the last one (code 0) ends the table.
std::span<const TTypschild> TypschildTable();

// The row of a module code under a brand key, or nullptr. The end row (code 0) is found for code 0.
const TTypschild* FindTypschild(uint8_t code, std::string_view brandKey);

}  // namespace tessalin
