#pragma once
// The shapes of the constant catalogue: device-text records, handlers and their event record, menu
// entries (one item of a module's menu tree), parameter entries (one row of a page) and the node record
// of the device tree. The contents are one file per module family.

#include <array>
#include <cstdint>
#include <string>

#include "core/catalogue/sections.h"

namespace tessalin {

// ---- device texts --------------------------------------------------------------------------------

inline constexpr int kDeviceLanguageCount = 7;  // Deutsch, English, Français, Italiano, Svenska, Español, Português

// A device-text record: per device language a name (title or label) and a choice list (or empty).
// Language i occupies strings 2i (name) and 2i + 1 (list).
struct TextRecord {
    std::array<const char*, 2 * kDeviceLanguageCount> s;
};

// ---- handlers ------------------------------------------------------------------------------------

// What a handler is told and answers. Which fields are read or filled depends on the event.
struct TEvParRec {
    void* object = nullptr;  // event 35: the menu entry of a sub-page; event 40: the canvas to draw on
    int32_t number = 0;
    std::string text;
    float lower = 0;
    float upper = 0;
};

// A handler answers an event for the entry it is named by; where it is comes from CurrentParam.
using Handler = bool (*)(int event, TEvParRec& rec);
// A predicate ignores both; many entries use a predicate as their handler.
using Predicate = bool (*)();

enum Event : int {
    kEvMenuVisible = 0,     // menu entry: true = the item is shown
    kEvPageOpen = 1,        // menu entry: its page is being opened
    kEvCommitted = 3,       // row: its value has just been written
    kEvRowVisible = 4,      // row: true = shown
    kEvRowEditable = 5,     // row: true = editable
    kEvLimits = 6,          // row: lower/upper possibly changed
    kEvHeading = 7,         // heading row: text and number of lines
    kEvChoiceList = 8,      // list row: text = choice list
    kEvTitle = 9,           // menu entry or row: text = title or label
    kEvFormat = 10,         // number row: number = width * 16 + decimals
    kEvSubPageClosed = 11,  // sub-page dialog closed with OK: true = refresh labels, false = rebuild
    kEvMatrixRowLabel = 20,
    kEvMatrixColumnLabel = 21,
    kEvMatrixCellState = 22,  // number in: cell; out: 0 disabled, 1 off, 2 on
    kEvMatrixClick = 23,
    kEvButtonPressed = 30,    // true: rebuild the page
    kEvButtonEnabled = 31,
    kEvButtonCount = 32,
    kEvButtonCaption = 33,
    kEvButtonPicture = 34,
    kEvButtonSubPage = 35,    // true: object = the menu entry to show
    kEvButtonHint = 36,
    kEvPicture = 40,          // object = a 50 x 50 canvas
};

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
