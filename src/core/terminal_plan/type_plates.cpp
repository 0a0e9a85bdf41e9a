#include "core/terminal_plan/type_plates.h"

#include <array>

namespace tessalin {

namespace {

constexpr uint8_t kEx = kTypschildExLayout;

// Rows that differ only in their module code are written once with their codes listed.
struct PlateRows {
    std::array<uint8_t, 15> codes;
    std::size_t count;
    TTypschild row;
};

template <std::size_t N>
constexpr PlateRows Codes(const uint8_t (&codes)[N], TTypschild row) {
    PlateRows rows{{}, N, row};
    for (std::size_t i = 0; i < N; ++i) rows.codes[i] = codes[i];
    return rows;
}

constexpr PlateRows One(uint8_t code, TTypschild row) { return Codes({code}, row); }

constexpr TTypschild Plate(uint8_t flags, std::string_view brand, std::string_view terminals,
                           std::string_view typePlate, std::string_view ex, std::string_view nonEx,
                           std::string_view block, std::string_view designation) {
    return TTypschild{0, flags, brand, terminals, typePlate, ex, nonEx, block, designation};
}

constexpr std::string_view kMv = "MORVANE";
constexpr std::string_view kBv = "BREVON";
constexpr std::string_view kSl = "SOLLANE";

constexpr PlateRows kRows[] = {
    // own brand
    One(3, Plate(0, kMv, "S3133333133333111111", "TYP_032", "MV_NEX", "MV_NEX", "KL_031", "PH 2400\x02")),
    One(12, Plate(0, kMv, "S3133333133311111111", "TYP_032", "MV_032X", "MV_NEX", "KL_032", "PH 2400\x02-1")),
    One(13, Plate(0, kMv, "S3133333133311111111", "TYP_032", "MV_032X", "MV_NEX", "KL_033", "PH 2400\x02-2")),
    One(19, Plate(0, kMv, "S3133333133311111111", "TYP_035", "MV_032X", "MV_NEX", "KL_035", "PH 2400\x02-3")),
    One(4, Plate(0, kMv, "S4144444144011111111", "TYP_110", "MV_110X", "MV_NEX", "KL_110", "PHS 2400\x02")),
    One(5, Plate(0, kMv, "-1111133333333331111", "TYP_041", "MV_041X", "MV_NEX", "KL_041", "COND 2400\x02")),
    One(6, Plate(0, kMv, "-1111111333333331111", "TYP_051", "MV_051X", "MV_NEX", "KL_051", "CONDI 2400\x02")),
    One(7, Plate(0, kMv, "S3133333133333331111", "TYP_062", "MV_NEX", "MV_NEX", "KL_061", "OXY 2400\x02")),
    Codes({10, 11}, Plate(0, kMv, "S3133333133331111113", "TYP_062", "MV_062X", "MV_NEX", "KL_062", "OXY 2400\x02-1")),
    Codes({20, 21, 26}, Plate(0, kMv, "S4144444140111111011", "TYP_065", "MV_062X", "MV_NEX", "KL_065", "OXY 2400\x02-3")),
    One(18, Plate(0, kMv, "S3133333133311111111", "TYP_130", "MV_032X", "MV_NEX", "KL_130", "CO2 2400\x02")),
    One(8, Plate(0, kMv, "-3333331111311111111", "TYP_071", "MV_071X", "MV_NEX", "KL_071", "OUT 2400\x02")),
    One(14, Plate(0, kMv, "-3333333333311133333", "TYP_081", "MV_081X", "MV_NEX", "KL_081", "PA 2400\x02")),
    One(23, Plate(0, kMv, "-3333333333311133333", "TYP_085", "MV_081X", "MV_NEX", "KL_085", "FF 2400\x02")),
    One(9, Plate(0, kMv, "-3333331111311111111", "TYP_121", "MV_071X", "MV_NEX", "KL_121", "PID 2400\x02")),
    One(24, Plate(kEx, kMv, "-1111111111111111111", "TYP_140", "MV_EXMOD", "MV_NEX", "KL_140", "IM 2400\x02")),
    One(28, Plate(0, kMv, "-1111111111111111111", "TYP_141", "MV_140X", "MV_NEX", "KL_141", "IM 2400\x02-1")),
    Codes({150, 151, 152, 153, 154, 160, 161, 162, 163, 164, 180, 181, 182, 183, 189},
          Plate(kEx, kMv, "-1111111111111111111", "TYP_141", "MV_EXMOD", "MV_NEX", "KL_140", "IM 2400\x02-1")),
    Codes({170, 172, 173, 174, 175, 176, 190, 192, 193},
          Plate(kEx, kMv, "-1111131113111333333", "TYP_160", "MV_EX160", "MV_NEX", "KL_160_M", "DS 2400\x02")),
    Codes({171, 191}, Plate(kEx, kMv, "-1111131113111333333", "TYP_160", "MV_EX160", "MV_NEX", "KL_160_MI",
                            "DS 2400\x02-1")),
    One(211, Plate(kEx, kMv, "-1111113111311133333", "TYP_170", "MV_EXMOD", "MV_NEX", "KL_170", "OPT 2400\x02")),
    // second brand: every row has the Ex layout
    One(12, Plate(kEx, kBv, "S3133333133311111111", "TYP_032", "BV_EXMOD", "BV_NEX", "KL_032", "PH 240\x02-1")),
    One(19, Plate(kEx, kBv, "S3133333133311111111", "TYP_035", "BV_EXMOD", "BV_NEX", "KL_035", "PH 240\x02-3")),
    One(4, Plate(kEx, kBv, "S4144444144011111111", "TYP_110M", "BV_EXMOD", "BV_NEX", "KL_110M", "PHS 240\x02")),
    One(5, Plate(kEx, kBv, "-1111133333333331111", "TYP_041", "BV_EXMOD", "BV_NEX", "KL_041", "COND 240\x02")),
    One(6, Plate(kEx, kBv, "-1111111333333331111", "TYP_051M", "BV_EXMOD", "BV_NEX", "KL_051", "CONDI 240\x02")),
    Codes({10, 11}, Plate(kEx, kBv, "S3133333133331111113", "TYP_062M", "BV_EXMOD", "BV_NEX", "KL_062",
                          "OXY 240\x02-1")),
    Codes({20, 21, 26}, Plate(kEx, kBv, "S4144444140111111011", "TYP_065M", "BV_EXMOD", "BV_NEX", "KL_065",
                              "OXY 240\x02-3")),
    One(18, Plate(kEx, kBv, "S3133333133311111111", "TYP_130", "BV_EXMOD", "BV_NEX", "KL_130", "CO2 240\x02")),
    One(8, Plate(kEx, kBv, "-3333331111311111111", "TYP_071", "BV_EXMOD", "BV_NEX", "KL_071", "OUT 240\x02")),
    One(14, Plate(kEx, kBv, "-3333333333311133333", "TYP_081M", "BV_EXMOD", "BV_NEX", "KL_081", "PA 240\x02")),
    One(23, Plate(kEx, kBv, "-3333333333311133333", "TYP_085M", "BV_EXMOD", "BV_NEX", "KL_085", "FF 240\x02")),
    One(9, Plate(kEx, kBv, "-3333331111311111111", "TYP_121", "BV_EXMOD", "BV_NEX", "KL_121", "PID 240\x02")),
    One(24, Plate(kEx, kBv, "-1111111111111111111", "TYP_140", "BV_EXMOD", "BV_NEX", "KL_140M", "IM 240\x02")),
    One(28, Plate(kEx, kBv, "-1111111111111111111", "TYP_141", "BV_EXMOD", "BV_NEX", "KL_141M", "IM 240\x02-1")),
    // third brand
    One(12, Plate(0, kSl, "S3133333133333111111", "SL_TYP_032", "SL_NEX", "SL_NEX", "KL_031", "PH 2450\x02-1")),
    One(5, Plate(0, kSl, "-1111133333333331111", "SL_TYP_041", "SL_NEX", "SL_NEX", "KL_041", "COND 2450\x02")),
    // the end of the table
    One(0, Plate(0, kMv, "-0000000000000000000", "", "", "MV_NEX", "", "")),
};

constexpr std::size_t RowCount() {
    std::size_t n = 0;
    for (const PlateRows& rows : kRows) n += rows.count;
    return n;
}

constexpr auto kTable = [] {
    std::array<TTypschild, RowCount()> table{};
    std::size_t n = 0;
    for (const PlateRows& rows : kRows) {
        for (std::size_t i = 0; i < rows.count; ++i) {
            table[n] = rows.row;
            table[n].Code = rows.codes[i];
            ++n;
        }
    }
    return table;
}();

static_assert(kTable.size() == 67);

}  // namespace

std::span<const TTypschild> TypschildTable() { return kTable; }

const TTypschild* FindTypschild(uint8_t code, std::string_view brandKey) {
    for (const TTypschild& row : kTable)
        if (row.Code == code && row.BrandKey == brandKey) return &row;
    return nullptr;
}

}  // namespace tessalin
