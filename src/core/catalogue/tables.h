#pragma once
// The shapes of the constant catalogue: menu entries (one item of a module's menu tree), parameter entries
// (one row of a page) and the node record of the device tree; device-text records and handlers come from
// core/common, which the device model shares. The contents are one file per module family.

#include <array>
#include <cstdint>
#include <string>

#include "core/common/handler.h"
#include "core/common/sections.h"
#include "core/common/text_record.h"

namespace tessalin {

// ---- parameter entries ---------------------------------------------------------------------------

enum ParamFlag : uint32_t {
    kPfHeading = 0x1,
    kPfRebuildPage = 0x4,
    kPfBothSets = 0x8,
    kPfItemConditions = 0x10,
    kPfRefreshRows = 0x20,
    kPfRebuildBranch = 0x40,
    kPfRenameNode = 0x80,
    kPfOwnLimits = 0x100,
    kPfNoDocumentation = 0x200,
    kPfTypeLimits = 0x400,
    kPfRefreshLabels = 0x1000,
    kPfRebuildTree = 0x2000,
    kPfListFromHandler = 0x10000,
    kPfHeadingFromHandler = 0x20000,
    kPfLimitsFromHandler = 0x40000,
    kPfLabelFromHandler = 0x80000,
    kPfFormatFromHandler = 0x100000,
    // integer encodings (none set: 32-bit float)
    kPfInt32 = 1u << 24,
    kPfUInt32 = 1u << 25,
    kPfInt16 = 1u << 26,
    kPfUInt16 = 1u << 27,
    kPfInt8 = 1u << 28,
    kPfUInt8 = 1u << 29,
};

enum ParamKind : uint8_t {
    kKindHeading = 0,
    kKindText = 1,
    kKindChoice = 2,
    kKindNumber = 3,
    kKindSlider = 4,
    kKindButtons = 5,
    kKindTime = 6,
    kKindMatrix = 7,
    kKindChoiceButtons = 8,
    kKindPicture = 9,
};

struct TParamEntry {
    int32_t arg = 0;          // heading picture index (-1 none); text: charset | length << 8; matrix:
                              // rows | columns << 8; process-variable list: class mask (+0x10000 "Off")
    Location location{};
    uint32_t flags = 0;
    uint8_t kind = kKindHeading;
    uint8_t valueType = 0;    // 1..99 value-type table, 192..216 dependent, 5 text, 81 time
    uint8_t scale = 0;        // integer values stored x 10^scale
    float lower = 0;
    float upper = 0;
    Handler handler = nullptr;
    const TextRecord* texts = nullptr;
    const Predicate* itemConditions = nullptr;  // with kPfItemConditions: one per choice item
};

// The value type of texts, and a text entry's longest text (its argument's second byte).
inline constexpr int kTextValueType = 5;
constexpr int TextMaxLength(const TParamEntry& entry) { return (entry.arg >> 8) & 0xFF; }

// ---- menu entries --------------------------------------------------------------------------------

enum MenuFlag : uint32_t {
    kMfFirstLevel = 0x2,         // carried as data
    kMfGreenTitle = 0x800,
    kMfTitleFromHandler = 0x80000,
};

struct TMenuEntry {
    int32_t subIndex = 0;   // small argument for the handler
    int32_t level = 0;      // 0 beside the module node, 1..5 depth, -1 ends the table
    uint32_t flags = 0;
    uint16_t menuBit = 0;   // carried as data
    Handler handler = nullptr;
    const TextRecord* texts = nullptr;
    const TParamEntry* params = nullptr;  // none: a pure folder
    int32_t lastParam = -1;               // index of the last parameter entry
};

// ---- context -------------------------------------------------------------------------------------

// The data of one device-tree node, one per visible menu entry.
struct TTabPtrRec {
    int32_t moduleType = 0;
    uint8_t slot = 255;      // 0..4 for locations, 255 for units without slots
    uint8_t position = 0;    // component position
    const TMenuEntry* entry = nullptr;
    const TParamEntry* params = nullptr;
    int32_t lastParam = -1;
    std::string title;
};

// Where a handler or the codec is working: module type, slot number, position and the row concerned.
struct TParamRef {
    int32_t moduleType = 0;
    uint8_t slot = 255;
    uint8_t position = 0;
    const TParamEntry* param = nullptr;
};

}  // namespace tessalin
