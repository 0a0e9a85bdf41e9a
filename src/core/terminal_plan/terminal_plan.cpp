#include "core/terminal_plan/terminal_plan.h"

#include <set>

#include "core/device/format.h"
#include "core/device/module_codes.h"
#include "core/terminal_plan/type_plates.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr int kX0 = 39;  // the module housing's origin
constexpr int kY0 = 77;
constexpr int kPositions = 19;
constexpr long long kInterfaceChannelSetting = 0x3CD4;  // FRONT byte: how the I-module's channels are used

void DrawFront(Canvas& canvas, const std::string& brand) {
    canvas.Bitmap(20, 0, "FRONT");
    const std::string prefix = brand == "BREVON" ? "BV" : brand == "SOLLANE" ? "SL" : "MV";
    canvas.Bitmap(96, 219, prefix + "_TASTEN");
    canvas.Bitmap(96, 37, prefix + "_FRONT");
}

void DrawBase(Canvas& canvas, uint8_t code) {
    canvas.Bitmap(49, 0, "BASE_MV");
    canvas.Bitmap(0, 250, code == 15 ? "KL_025" : code == 16 ? "KL_026" : "KL_021");
}

void DrawPurgon(Canvas& canvas, uint8_t typeCode, const std::string& brand) {
    canvas.Bitmap(30, 0, "PURGON_MV");
    canvas.Bitmap(30, 289, typeCode == 80 ? "PURGON_1FLASCHE" : "PURGON_3FLASCHEN");
    if (brand == "BREVON") {
        canvas.Bitmap(146, 176, "PUR_SCH1_BV");
        canvas.Bitmap(66, 40, "PUR_SCH2_BV");
    } else {
        canvas.Bitmap(146, 176, typeCode == 80 ? "LAV_SCH_MV" : "PUR_SCH_MV");
    }
}

// Sensors behind an I-module: their terminal block shows which of the module's channels they use.
bool BehindInterfaceModule(uint8_t code) {
    return (code >= 150 && code <= 154) || (code >= 160 && code <= 164) || (code >= 180 && code <= 183) ||
           code == 189;
}

std::string InterfaceTerminalBlock(int unit) {
    const TDevice& device = Ws().Device;
    const int setting = Ws().ParImage.u8(kInterfaceChannelSetting);
    const bool second = unit == 4 || (unit == 2 && InterfaceFamily(device.Slot[0].Code) == 24);
    if (!second) return setting == 1 || setting == 8 ? "KL_140_FU" : "KL_140_OV1";
    if (setting == 4 || setting == 9) return "KL_140_PUR";
    return setting == 8 ? "KL_140_FU" : "KL_140_OV2";
}

std::string NumberGlyph(char kind, int position) {
    switch (kind) {
        case '1':
        case '2': return "M_" + std::to_string(position);
        case '3': return "O_" + std::to_string(position);
        case '4': return "O_0";
        default: return "";
    }
}

std::string WithExMark(std::string_view designation, const std::string& exMark) {
    std::string text;
    for (char c : designation) {
        if (c == '\x02') text += exMark;
        else text += c;
    }
    return text;
}

void DrawModule(Canvas& canvas, const TIdInfo_h& unit, int unitSelector) {
    const TTypschild* row = FindTypschild(unit.Code, BrandKey(unit.Brand));
    if (row == nullptr || row->Code == 0) return;
    const bool ex = unit.ExMark == "X";

    canvas.Bitmap(0, 0, "MODUL");
    canvas.Fill(kX0, kY0, 386 - kX0, 279 - kY0, kWhite);
    if (ex && (row->Flags & kTypschildExLayout) != 0) {
        canvas.Bitmap(kX0, kY0, std::string(row->ExPicture));
        canvas.Bitmap(kX0 + 2, kY0 + 23, std::string(row->TypePlate));
    } else {
        canvas.Bitmap(kX0 + 188, kY0, ex ? "BARCODEX" : "BARCODE");
        canvas.Bitmap(kX0 + 2, kY0, std::string(row->BrandKey));
        canvas.Bitmap(kX0 + 2, kY0 + 23, std::string(row->TypePlate));
        canvas.Bitmap(kX0 + 2, kY0 + 60, std::string(ex ? row->ExPicture : row->NonExPicture));
    }

    if (BehindInterfaceModule(unit.Code)) {
        canvas.Bitmap(kX0 + 1, kY0 + 130, InterfaceTerminalBlock(unitSelector));
        if (Ws().Device.IModule.Code == 24) canvas.Bitmap(kX0 + 1, kY0 + 130, "KL_140_DONOT");
    } else {
        canvas.Bitmap(kX0 + 1, kY0 + 130, std::string(row->TerminalBlock));
    }

    const bool shielded = row->Terminals[0] == 'S';
    for (int n = 1; n <= kPositions; ++n) {
        const char kind = row->Terminals[n];
        const std::string glyph = NumberGlyph(kind, n);
        if (!glyph.empty()) canvas.Bitmap(kX0 + 4 + 18 * (n - 1), kY0 + 183, glyph);
        if (shielded && n <= 9) continue;
        const int x = kX0 + 2 + 18 * (n - 1);
        if (kind == '1') canvas.Bitmap(x, kY0 + 209, "KLEMME_GN");
        if (kind == '2') canvas.Bitmap(x, kY0 + 209, "KLEMME_GR");
    }
    if (shielded) canvas.Bitmap(kX0 - 2, kY0 + 209, "SHIELD");

    const CanvasFont designation{"Arial", 6, true};
    const CanvasFont serial{"Arial", 7, true};
    canvas.Text(kX0 + 32, kY0 + 27, WithExMark(row->Designation, unit.ExMark), designation, kBlack);
    canvas.Text(kX0 + 32, kY0 + 39, FormatSerial(unit.SerialNo), serial, kBlack);
}

}  // namespace

void DrawTerminalPlan(int selector, Canvas& canvas) {
    canvas.Fill(0, 0, kPlanWidth, kPlanHeight, kPlanBackground);
    const TDevice& device = Ws().Device;
    const int code = selector / 256;
    const int unit = selector % 256;
    if (code == 79 || code == 80) {
        DrawPurgon(canvas, static_cast<uint8_t>(code), BrandKey(device.Purgon.Brand));
    } else if (unit == 0 && (code == 2 || code == 17)) {
        DrawFront(canvas, BrandKey(device.Front.Brand));
    } else if (unit == 0 && (code == 24 || code == 28)) {
        DrawModule(canvas, device.IModule, unit);
    } else if (unit == 0) {
        DrawBase(canvas, static_cast<uint8_t>(code));
    } else if (unit == 1 || unit == 2 || unit == 4) {
        DrawModule(canvas, device.Slot[unit == 4 ? 2 : unit - 1], unit);
    }
}

std::vector<std::string> TerminalPlanBitmapNames() {
    std::set<std::string> names = {
        "MODUL",      "FRONT",       "BASE_MV",     "PURGON_MV",   "PURGON_1FLASCHE", "PURGON_3FLASCHEN",
        "PUR_SCH_MV", "LAV_SCH_MV",  "PUR_SCH1_BV", "PUR_SCH2_BV", "MV_FRONT",        "BV_FRONT",
        "SL_FRONT",   "MV_TASTEN",   "BV_TASTEN",   "SL_TASTEN",   "MORVANE",         "BREVON",
        "SOLLANE",    "BARCODE",     "BARCODEX",    "KL_021",      "KL_025",          "KL_026",
        "KL_140_FU",  "KL_140_OV1",  "KL_140_OV2",  "KL_140_PUR",  "KL_140_DONOT",    "KLEMME_GN",
        "KLEMME_GR",  "SHIELD",      "O_0",
    };
    for (int n = 1; n <= kPositions; ++n) {
        names.insert("M_" + std::to_string(n));
        names.insert("O_" + std::to_string(n));
    }
    for (const TTypschild& row : TypschildTable()) {
        for (std::string_view name : {row.TypePlate, row.ExPicture, row.NonExPicture, row.TerminalBlock})
            if (!name.empty()) names.insert(std::string(name));
    }
    return {names.begin(), names.end()};
}

}  // namespace tessalin
