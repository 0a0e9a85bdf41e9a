// tessalin-cli info: loads a data set and prints the decoded device.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/data_set/recent_files.h"
#include "core/device/designations.h"
#include "core/device/hardware_identity.h"
#include "core/device/load_data_set.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli info FRONT [PURGON] [--lang 0..6] [--json]\n"
    "Loads the data set and prints the device: front unit, base unit, I-module, the three slots, the two\n"
    "calculation blocks and the Purgon controller, with codes, versions, brands, serial numbers and\n"
    "designations in the device language (0 Deutsch, 1 English (default), 2 Fran\u00e7ais, 3 Italiano,\n"
    "4 Svenska, 5 Espa\u00f1ol, 6 Portugu\u00eas).\n"
    "Exit codes: 0 done, 2 usage error, 3 the data set refused.\n";

std::vector<HardwareSection> DescribeDevice(const DataSetPaths& files) {
    const TDevice& d = Ws().Device;
    HardwareSection set{"data_set", "Data set", {}};
    set.fields.push_back({"front_file", files.front, false, false});
    set.fields.push_back({"purgon_file", files.purgon, false, false});
    set.fields.push_back({"origin", std::to_string(d.Origin), true, false});
    set.fields.push_back({"family", FamilyDesignation(), false, false});
    std::vector<HardwareSection> sections{set};
    for (HardwareSection& s : DescribeHardware()) sections.push_back(std::move(s));
    return sections;
}

std::string AsText(const std::vector<HardwareSection>& sections) {
    std::string out;
    for (const HardwareSection& s : sections) {
        out += s.title + "\n";
        for (const HardwareField& f : s.fields) out += "  " + f.key + ": " + f.value + "\n";
    }
    return out;
}

Json AsJson(const std::vector<HardwareSection>& sections) {
    Json document = Json::object();
    for (const HardwareSection& s : sections) {
        Json& section = document[s.key] = Json::object();
        for (const HardwareField& f : s.fields) section[f.key] = f.number ? Json(std::stoll(f.value)) : Json(f.value);
    }
    return document;
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
    const std::vector<HardwareSection> sections = DescribeDevice(files);
    if (args.has("json"))
        PrintJson(AsJson(sections));
    else
        std::fputs(AsText(sections).c_str(), stdout);
    return kExitOk;
}

const CommandRegistration registration("info", "load a data set and print the decoded device", Run);

}  // namespace
}  // namespace tessalin::cli
