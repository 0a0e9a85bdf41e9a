// tessalin-cli info: loads a data set and prints the decoded device.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/data_set/load.h"
#include "core/data_set/recent_files.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli info FRONT [PURGON] [--lang 0..6] [--json]\n"
    "Loads the data set and prints the device: front unit, base unit, I-module, the three slots, the two\n"
    "calculation blocks and the Purgon controller, with codes, versions, brands, serial numbers and\n"
    "designations in the device language (0 Deutsch, 1 English (default), 2 Fran\u00e7ais, 3 Italiano,\n"
    "4 Svenska, 5 Espa\u00f1ol, 6 Portugu\u00eas).\n";

// One printed value: text values are quoted in JSON, numbers are not.
struct Field {
    std::string key;
    std::string value;
    bool number;
};

struct Section {
    std::string key;    // JSON name
    std::string title;  // heading of the text form
    std::vector<Field> fields;

    Section& num(const std::string& k, long long v) {
        fields.push_back({k, std::to_string(v), true});
        return *this;
    }
    Section& text(const std::string& k, const std::string& v) {
        fields.push_back({k, v, false});
        return *this;
    }
};

std::string Hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", digits, value);
    return buffer;
}

std::string Char(char c) { return c ? std::string(1, c) : std::string(); }

void AddNames(Section& s, int position, uint8_t code) {
    s.text("designation", ModuleName(position, code)).text("description", ModuleDescription(position, code));
}

void AddBrand(Section& s, uint8_t brand, const std::string& exMark) {
    s.num("brand", brand).text("brand_key", BrandKey(brand)).text("ex_mark", exMark);
}

void AddSerial(Section& s, uint32_t serial) {
    s.num("serial", serial).text("serial_formatted", FormatSerial(serial));
}

void AddVersions(Section& s, uint8_t swPacked, uint8_t hwVersion) {
    s.num("software_version", swPacked).text("software_version_formatted", FormatVersion(swPacked));
    s.num("hardware_version", hwVersion);
}

void AddSlotMask(Section& s, uint8_t mask) { s.num("slot_mask", mask).text("slot_mask_formatted", FormatSlotMask(mask)); }

// What a component record shows besides its names, versions, brand and serial: a unit nothing more, the
// I-module the slots it serves, a slot module its identity record and attachment.
enum class ModuleKind { Unit, IModule, Slot };

Section Module(const std::string& key, const std::string& title, int position, const TIdInfo_h& m, ModuleKind kind) {
    Section s{key, title, {}};
    s.num("code", m.Code);
    AddNames(s, position, m.Code);
    if (kind == ModuleKind::Slot) {
        s.num("hardware_id", m.HwId).num("record_index", m.RecIndex);
        AddSlotMask(s, m.SlotMask);
        s.num("attach_code", m.AttachCode);
    } else if (kind == ModuleKind::IModule) {
        AddSlotMask(s, m.SlotMask);
    }
    AddVersions(s, m.SwVersion, m.HwVersion);
    AddBrand(s, m.Brand, m.ExMark);
    AddSerial(s, m.SerialNo);
    s.num("identity_state", m.IdState);
    return s;
}

std::vector<Section> DescribeDevice(const DataSetPaths& files) {
    const TDevice& d = Ws().Device;
    std::vector<Section> sections;

    Section set{"data_set", "Data set", {}};
    set.text("front_file", files.front).text("purgon_file", files.purgon).num("origin", d.Origin);
    set.text("family", FamilyDesignation());
    sections.push_back(set);

    const TIdFront& f = d.Front;
    Section front{"front", "Front unit", {}};
    front.num("code", f.Code);
    AddNames(front, kPosFront, f.Code);
    // The front's version is two characters ('A' after '9'), so it is shown from them, not from the packed form.
    front.text("software_major", Char(f.SwMajor)).text("software_minor", Char(f.SwMinor));
    front.num("software_version", f.SwPacked).text("software_version_formatted", Char(f.SwMajor) + "." + Char(f.SwMinor));
    front.num("hardware_version", f.HwVersion);
    AddBrand(front, f.Brand, f.ExMark);
    AddSerial(front, f.SerialNo);
    front.num("options", f.Options).text("options_hex", Hex(f.Options, 8)).num("identity_state", f.IdState);
    sections.push_back(front);

    sections.push_back(Module("base", "Base unit", kPosBase, d.Base, ModuleKind::Unit));
    sections.push_back(Module("i_module", "I-module", kPosIModule, d.IModule, ModuleKind::IModule));
    const char* slotTitles[] = {"Slot [I]", "Slot [II]", "Slot [III]"};
    for (int s = 0; s < 3; ++s)
        sections.push_back(Module("slot_" + std::to_string(s + 1), slotTitles[s], kPosSlot1 + s, d.Slot[s], ModuleKind::Slot));

    for (int c = 0; c < 2; ++c) {
        const TCalcBlock& b = d.CalcBlock[c];
        Section calc{"calc_block_" + std::to_string(c + 1), "Calculation block " + std::to_string(c + 1), {}};
        calc.num("code", b.Code);
        AddNames(calc, kPosCalc1 + c, b.Code);
        calc.num("record_index", b.RecIndex);
        AddSlotMask(calc, b.SlotMask);
        calc.num("identity_state", b.IdState);
        sections.push_back(calc);
    }

    const TidPurgon& p = d.Purgon;
    Section purgon{"purgon", "Purgon controller", {}};
    purgon.num("type_code", p.TypeCode);
    AddNames(purgon, kPosCalc1, p.TypeCode);
    AddSlotMask(purgon, p.SlotMask);
    AddVersions(purgon, p.SwVersion, p.HwVersion);
    AddBrand(purgon, p.Brand, p.ExMark);
    AddSerial(purgon, p.SerialNo);
    purgon.num("identity_state", p.IdState);
    sections.push_back(purgon);
    return sections;
}

std::string AsText(const std::vector<Section>& sections) {
    std::string out;
    for (const Section& s : sections) {
        out += s.title + "\n";
        for (const Field& f : s.fields) out += "  " + f.key + ": " + f.value + "\n";
    }
    return out;
}

std::string AsJson(const std::vector<Section>& sections) {
    std::string out = "{";
    for (std::size_t i = 0; i < sections.size(); ++i) {
        out += std::string(i ? "," : "") + "\n  " + JsonString(sections[i].key) + ": {";
        const auto& fields = sections[i].fields;
        for (std::size_t k = 0; k < fields.size(); ++k) {
            out += std::string(k ? ", " : "") + JsonString(fields[k].key) + ": " +
                   (fields[k].number ? fields[k].value : JsonString(fields[k].value));
        }
        out += "}";
    }
    return out + "\n}\n";
}

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {"lang"}, {"json"});
    if (!args.ok()) return UsageError("info", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    int language = 1;
    if (!args.language(language)) return UsageError("info", "--lang takes 0..6");
    const auto& paths = args.positional();
    if (paths.empty() || paths.size() > 2) return UsageError("info", "give a FRONT file and at most one Purgon file");

    ResetWorkspace();
    Ws().DeviceLanguage = language;
    const DataSetPaths files{paths[0], paths.size() > 1 ? paths[1] : std::string()};
    const LoadResult result = LoadDataSet(files.front, files.purgon);
    if (!result.ok()) {
        std::string message = result.failedPath + ": load error " + std::to_string(result.code) + ": " +
                              LoadErrorMeaning(result.code);
        if (!result.systemReason.empty()) message += " (" + result.systemReason + ")";
        std::fprintf(stderr, "tessalin-cli info: %s\n", message.c_str());
        return kExitRefused;
    }
    const std::vector<Section> sections = DescribeDevice(files);
    std::fputs((args.has("json") ? AsJson(sections) : AsText(sections)).c_str(), stdout);
    return kExitOk;
}

const CommandRegistration registration("info", "load a data set and print the decoded device", Run);

}  // namespace
}  // namespace tessalin::cli
