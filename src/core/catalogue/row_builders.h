#pragma once
// Row builders shared by every catalogue family. Each builder makes one parameter entry together with the
// value a factory-fresh device holds there, so that a family's parameter tables read like the tables they
// implement (one line a row, data first) and its default records are computed from the same rows at
// compile time. Menu entries are made the same way from a `MenuRow`.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "core/catalogue/events.h"
#include "core/catalogue/tables.h"

namespace tessalin::rows {

// A parameter entry together with the value a factory-fresh device holds there.
struct Row {
    TParamEntry entry;
    bool hasDefault = false;
    double value = 0;
};

struct Limits {
    bool own = false;
    float lower = 0;
    float upper = 0;
};
inline constexpr Limits kNoLimits{};
constexpr Limits Own(float lower, float upper) { return {true, lower, upper}; }

inline constexpr uint32_t kFloat = 0;
inline constexpr uint32_t kU8 = kPfUInt8;
inline constexpr uint32_t kU16 = kPfUInt16;
inline constexpr uint32_t kI16 = kPfInt16;
inline constexpr uint32_t kU32 = kPfUInt32;
inline constexpr uint32_t kI32 = kPfInt32;
inline constexpr uint32_t kBoth = kPfBothSets;

inline constexpr int32_t kNoPicture = -1;

// The argument of a text row: its character set and its length in characters.
constexpr int32_t TextArg(int charSet, int length) { return charSet | (length << 8); }

constexpr Row Separator() {
    return {TParamEntry{.arg = kNoPicture, .flags = kPfHeading, .kind = kKindHeading, .handler = DefaultHandler}};
}

constexpr Row Heading(const TextRecord& texts) {
    return {TParamEntry{.arg = kNoPicture, .flags = kPfHeading, .kind = kKindHeading, .handler = DefaultHandler,
                        .texts = &texts}};
}

constexpr Row HandlerHeading(Handler handler, const TextRecord* texts, int32_t picture = kNoPicture) {
    return {TParamEntry{.arg = picture, .flags = kPfHeadingFromHandler, .kind = kKindHeading,
                        .handler = handler, .texts = texts}};
}

constexpr Row Text(Location at, Handler handler, const TextRecord& texts, int32_t arg = TextArg(6, 10),
                   uint32_t flags = 0) {
    return {TParamEntry{.arg = arg, .location = at, .flags = flags, .kind = kKindText, .valueType = 5,
                        .handler = handler, .texts = &texts}};
}

// `items`: one condition per choice item, when the items are filtered.
constexpr Row List(Location at, int value, uint32_t flags, Handler handler, const TextRecord& texts,
                   std::span<const Predicate> items = {}) {
    const uint32_t itemFlag = items.empty() ? 0u : kPfItemConditions;
    return {TParamEntry{.location = at, .flags = flags | itemFlag | kPfUInt8, .kind = kKindChoice,
                        .handler = handler, .texts = &texts, .itemConditions = items.empty() ? nullptr : items.data()},
            true, static_cast<double>(value)};
}

// A choice among the process variables of the device: the handler supplies the list (the default handler
// lists the variables whose class mask shares a bit with `classMask`; with kPvWithOff "Off" comes first).
constexpr Row Variables(Location at, uint32_t classMask, uint32_t flags, Handler handler, const TextRecord& texts,
                        int value = 0) {
    Row row = List(at, value, flags | kPfListFromHandler, handler, texts);
    row.entry.arg = static_cast<int32_t>(classMask);
    return row;
}

// A slider over one byte from `lower` to `upper` (signed with kPfInt8, else unsigned).
constexpr Row Slider(Location at, uint32_t encoding, int value, int lower, int upper, uint32_t flags,
                     Handler handler, const TextRecord& texts) {
    return {TParamEntry{.location = at, .flags = flags | encoding, .kind = kKindSlider,
                        .lower = static_cast<float>(lower), .upper = static_cast<float>(upper),
                        .handler = handler, .texts = &texts},
            true, static_cast<double>(value)};
}

// A matrix of check cells over the bytes from `at` on; the handler labels it and keeps its state.
constexpr Row Matrix(Location at, int rows, int columns, Handler handler, const TextRecord& texts) {
    return {TParamEntry{.arg = rows | (columns << 8), .location = at, .kind = kKindMatrix, .handler = handler,
                        .texts = &texts}};
}

// A row whose handler reads a small argument of its own (a temperature, a column, a related offset).
constexpr Row WithArg(Row row, int32_t arg) {
    row.entry.arg = arg;
    return row;
}

constexpr Row Number(Location at, uint32_t encoding, double value, uint8_t valueType, Limits limits,
                     uint32_t flags, Handler handler, const TextRecord& texts, uint8_t scale = 0) {
    const uint32_t limitFlag = limits.own ? kPfOwnLimits : 0u;
    return {TParamEntry{.location = at, .flags = flags | encoding | limitFlag, .kind = kKindNumber,
                        .valueType = valueType, .scale = scale, .lower = limits.lower, .upper = limits.upper,
                        .handler = handler, .texts = &texts},
            true, value};
}

// A number whose place lies outside the default records' named bytes (its default is 0).
constexpr Row NumberWithoutDefault(Location at, uint32_t encoding, uint8_t valueType, uint32_t flags,
                                   Handler handler, const TextRecord& texts, uint8_t scale = 0) {
    Row row = Number(at, encoding, 0, valueType, kNoLimits, flags, handler, texts, scale);
    row.hasDefault = false;
    return row;
}

// A time of day (minute byte, then hour byte).
constexpr Row Time(Location at, uint32_t flags, Handler handler, const TextRecord& texts) {
    return {TParamEntry{.location = at, .flags = flags, .kind = kKindTime, .valueType = 81, .handler = handler,
                        .texts = &texts}};
}

// A row of buttons whose count, captions, pictures and actions come from the handler; `arg` tells the
// handler which row it is.
constexpr Row Buttons(int32_t arg, uint32_t flags, Handler handler, const TextRecord& texts) {
    return {TParamEntry{.arg = arg, .flags = flags, .kind = kKindButtons, .handler = handler, .texts = &texts}};
}

// A choice list followed by buttons on the same line.
constexpr Row ListWithButtons(Location at, int32_t arg, uint32_t flags, Handler handler, const TextRecord& texts) {
    return {TParamEntry{.arg = arg, .location = at, .flags = flags | kPfUInt8, .kind = kKindChoiceButtons,
                        .handler = handler, .texts = &texts}};
}

// A picture drawn by the handler (event 40); `arg` tells the handler what to draw.
constexpr Row Picture(int32_t arg, uint32_t flags, Handler handler) {
    return {TParamEntry{.arg = arg, .flags = flags, .kind = kKindPicture, .handler = handler}};
}

// The parameter entries of a table of rows, as the menu entries point to them.
template <std::size_t N>
constexpr std::array<TParamEntry, N> Entries(const Row (&rows)[N]) {
    std::array<TParamEntry, N> entries{};
    for (std::size_t i = 0; i < N; ++i) entries[i] = rows[i].entry;
    return entries;
}

template <std::size_t N>
constexpr std::array<TParamEntry, N> Entries(const std::array<Row, N>& rows) {
    std::array<TParamEntry, N> entries{};
    for (std::size_t i = 0; i < N; ++i) entries[i] = rows[i].entry;
    return entries;
}

// The parameter entries of one row table, for a menu entry that names its row table directly.
template <const auto& Rows>
inline constexpr auto EntriesOf = Entries(Rows);

// How many rows a family's tables hold together.
constexpr std::size_t RowCount(std::span<const std::span<const Row>> tables) {
    std::size_t count = 0;
    for (std::span<const Row> table : tables) count += table.size();
    return count;
}

// The parameter entries of all of a family's row tables in one array, and each table as a span of it:
// what the menu entries point to, table n (counted from 1) at index n - 1. A family names its tables once,
// in the list of row tables that its default records are built from:
//   constexpr rows::EntryTables<rows::RowCount(kTables), std::size(kTables)> kEntries{kTables};
//   constexpr auto kEntryTables = kEntries.spans();
template <std::size_t RowTotal, std::size_t TableCount>
class EntryTables {
public:
    constexpr explicit EntryTables(std::span<const std::span<const Row>, TableCount> tables) {
        std::size_t at = 0;
        for (std::size_t t = 0; t < TableCount; ++t) {
            start_[t] = at;
            size_[t] = tables[t].size();
            for (const Row& row : tables[t]) entries_[at++] = row.entry;
        }
    }

    constexpr std::array<std::span<const TParamEntry>, TableCount> spans() const {
        std::array<std::span<const TParamEntry>, TableCount> out{};
        for (std::size_t t = 0; t < TableCount; ++t) out[t] = {entries_.data() + start_[t], size_[t]};
        return out;
    }

private:
    std::array<TParamEntry, RowTotal> entries_{};
    std::array<std::size_t, TableCount> start_{};
    std::array<std::size_t, TableCount> size_{};
};

// ---- default records ---------------------------------------------------------------------------------

constexpr void PutByte(std::span<uint8_t> record, std::span<bool> named, std::size_t at, uint8_t byte) {
    // Two rows naming the same byte must agree on its default; a disagreement stops the build.
    if (at >= record.size()) throw "default outside its section";
    if (named[at] && record[at] != byte) throw "two rows disagree on a default";
    record[at] = byte;
    named[at] = true;
}

constexpr void PutDefault(std::span<uint8_t> record, std::span<bool> named, const Row& row) {
    const TParamEntry& e = row.entry;
    uint32_t bits = 0;
    std::size_t width = 4;
    if (e.flags & kPfUInt8) {
        bits = static_cast<uint8_t>(row.value);
        width = 1;
    } else if (e.flags & kPfInt8) {
        bits = static_cast<uint8_t>(static_cast<int8_t>(row.value));
        width = 1;
    } else if (e.flags & kPfUInt16) {
        bits = static_cast<uint16_t>(row.value);
        width = 2;
    } else if (e.flags & kPfInt16) {
        bits = static_cast<uint16_t>(static_cast<int16_t>(row.value));
        width = 2;
    } else if (e.flags & kPfUInt32) {
        bits = static_cast<uint32_t>(row.value);
    } else if (e.flags & kPfInt32) {
        bits = static_cast<uint32_t>(static_cast<int32_t>(row.value));
    } else {
        bits = std::bit_cast<uint32_t>(static_cast<float>(row.value));
    }
    for (std::size_t i = 0; i < width; ++i)
        PutByte(record, named, e.location.offset + i, static_cast<uint8_t>(bits >> (8 * i)));
}

// The default record of a section: every row of the given tables that lies in the section and has a
// default puts its value there; all other bytes are zero. A section that overlays others in the image
// (the same slot bytes seen by another module family) names them too: their rows count as its own.
template <std::size_t Size>
constexpr std::array<uint8_t, Size> BuildRecord(std::initializer_list<Section> sections,
                                                std::span<const std::span<const Row>> tables) {
    std::array<uint8_t, Size> record{};
    std::array<bool, Size> named{};
    for (std::span<const Row> table : tables)
        for (const Row& row : table)
            for (Section section : sections)
                if (row.hasDefault && row.entry.location.section == section) PutDefault(record, named, row);
    return record;
}

template <std::size_t Size>
constexpr std::array<uint8_t, Size> BuildRecord(Section section, std::span<const std::span<const Row>> tables) {
    return BuildRecord<Size>({section}, tables);
}

// ---- menu entries ------------------------------------------------------------------------------------

inline constexpr uint32_t kTop = kMfFirstLevel;

struct MenuRow {
    int32_t level;
    Handler handler;
    const TextRecord& texts;
    int table;  // 1..n: the family's parameter table Pn; 0 for a folder
    uint32_t flags = 0;
    uint16_t menuBit = 0;
    int32_t subIndex = 0;
};

// A menu entry whose parameter table is the family's table number `row.table` (counted from 1).
constexpr TMenuEntry MakeEntry(const MenuRow& row, std::span<const std::span<const TParamEntry>> tables) {
    TMenuEntry entry{.subIndex = row.subIndex, .level = row.level, .flags = row.flags, .menuBit = row.menuBit,
                     .handler = row.handler, .texts = &row.texts};
    if (row.table > 0) {
        if (static_cast<std::size_t>(row.table) > tables.size()) throw "menu entry names a missing table";
        const std::span<const TParamEntry> params = tables[row.table - 1];
        entry.params = params.data();
        entry.lastParam = static_cast<int32_t>(params.size()) - 1;
    }
    return entry;
}

// A menu entry whose parameter table is given directly, for families whose pages are tables of another
// family (a folder when `params` is empty).
constexpr TMenuEntry MakeEntry(int32_t level, Handler handler, const TextRecord& texts,
                               std::span<const TParamEntry> params, uint32_t flags = 0, uint16_t menuBit = 0) {
    TMenuEntry entry{.level = level, .flags = flags, .menuBit = menuBit, .handler = handler, .texts = &texts};
    if (!params.empty()) {
        entry.params = params.data();
        entry.lastParam = static_cast<int32_t>(params.size()) - 1;
    }
    return entry;
}

inline constexpr TMenuEntry kMenuEnd{.level = -1};

}  // namespace tessalin::rows
