#include "core/device/hardware_identity.h"

#include <cstdio>

#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

struct SectionBuilder {
    HardwareSection s;

    SectionBuilder& num(const std::string& k, long long v, bool derived = false) {
        s.fields.push_back({k, std::to_string(v), true, derived});
        return *this;
    }
    SectionBuilder& text(const std::string& k, const std::string& v, bool derived = false) {
        s.fields.push_back({k, v, false, derived});
        return *this;
    }
};

std::string Hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

std::string Char(char c) { return c ? std::string(1, c) : std::string(); }

void AddNames(SectionBuilder& b, int position, uint8_t code) {
    b.text("designation", ModuleName(position, code), true).text("description", ModuleDescription(position, code), true);
}

void AddBrand(SectionBuilder& b, uint8_t brand, const std::string& exMark) {
    b.num("brand", brand).text("brand_key", BrandKey(brand), true).text("ex_mark", exMark);
}

void AddSerial(SectionBuilder& b, uint32_t serial) {
    b.num("serial", serial).text("serial_formatted", FormatSerial(serial), true);
}

void AddVersions(SectionBuilder& b, uint8_t swPacked, uint8_t hwVersion) {
    b.num("software_version", swPacked).text("software_version_formatted", FormatVersion(swPacked), true);
    b.num("hardware_version", hwVersion);
}

void AddSlotMask(SectionBuilder& b, uint8_t mask) {
    b.num("slot_mask", mask).text("slot_mask_formatted", FormatSlotMask(mask), true);
}

// What a component record shows besides its names, versions, brand and serial: a unit nothing more, the
// I-module the slots it serves, a slot module its identity record and attachment.
enum class ModuleKind { Unit, IModule, Slot };

HardwareSection Module(const std::string& key, const std::string& title, int position, const TIdInfo_h& m,
                       ModuleKind kind) {
    SectionBuilder b{{key, title, {}}};
    b.num("code", m.Code);
    AddNames(b, position, m.Code);
    if (kind == ModuleKind::Slot) {
        b.num("hardware_id", m.HwId).num("record_index", m.RecIndex);
        AddSlotMask(b, m.SlotMask);
        b.num("attach_code", m.AttachCode);
    } else if (kind == ModuleKind::IModule) {
        AddSlotMask(b, m.SlotMask);
    }
    AddVersions(b, m.SwVersion, m.HwVersion);
    AddBrand(b, m.Brand, m.ExMark);
    AddSerial(b, m.SerialNo);
    b.num("identity_state", m.IdState);
    return b.s;
}

}  // namespace

const HardwareField* HardwareSection::find(const std::string& fieldKey) const {
    for (const HardwareField& f : fields)
        if (f.key == fieldKey) return &f;
    return nullptr;
}

const char* ComponentCodeKey(const HardwareSection& section) { return section.key == "purgon" ? "type_code" : "code"; }

std::vector<HardwareSection> DescribeHardware() {
    const TDevice& d = Ws().Device;
    std::vector<HardwareSection> sections;

    const TIdFront& f = d.Front;
    SectionBuilder front{{"front", "Front unit", {}}};
    front.num("code", f.Code);
    AddNames(front, kPosFront, f.Code);
    // The front's version is two characters ('A' after '9'), so it is shown from them, not from the packed form.
    front.text("software_major", Char(f.SwMajor)).text("software_minor", Char(f.SwMinor));
    front.num("software_version", f.SwPacked, true)
        .text("software_version_formatted", Char(f.SwMajor) + "." + Char(f.SwMinor), true);
    front.num("hardware_version", f.HwVersion);
    AddBrand(front, f.Brand, f.ExMark);
    AddSerial(front, f.SerialNo);
    front.num("options", f.Options).text("options_hex", Hex(f.Options, 8), true).num("identity_state", f.IdState);
    sections.push_back(front.s);

    sections.push_back(Module("base", "Base unit", kPosBase, d.Base, ModuleKind::Unit));
    sections.push_back(Module("i_module", "I-module", kPosIModule, d.IModule, ModuleKind::IModule));
    const char* slotTitles[] = {"Slot [I]", "Slot [II]", "Slot [III]"};
    for (int s = 0; s < 3; ++s)
        sections.push_back(Module("slot_" + std::to_string(s + 1), slotTitles[s], kPosSlot1 + s, d.Slot[s], ModuleKind::Slot));

    for (int c = 0; c < 2; ++c) {
        const TCalcBlock& block = d.CalcBlock[c];
        SectionBuilder calc{{"calc_block_" + std::to_string(c + 1), "Calculation block " + std::to_string(c + 1), {}}};
        calc.num("code", block.Code);
        AddNames(calc, kPosCalc1 + c, block.Code);
        calc.num("record_index", block.RecIndex);
        AddSlotMask(calc, block.SlotMask);
        calc.num("identity_state", block.IdState);
        sections.push_back(calc.s);
    }

    const TidPurgon& p = d.Purgon;
    SectionBuilder purgon{{"purgon", "Purgon controller", {}}};
    purgon.num("type_code", p.TypeCode);
    AddNames(purgon, kPosCalc1, p.TypeCode);
    AddSlotMask(purgon, p.SlotMask);
    AddVersions(purgon, p.SwVersion, p.HwVersion);
    AddBrand(purgon, p.Brand, p.ExMark);
    AddSerial(purgon, p.SerialNo);
    purgon.num("identity_state", p.IdState);
    sections.push_back(purgon.s);
    return sections;
}

}  // namespace tessalin
