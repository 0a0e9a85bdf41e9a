// tessalin-cli new: builds a new configuration through the configurator model and writes it.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "core/configurator/configurator.h"
#include "core/data_set/write.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr char kHelp[] =
    "usage: tessalin-cli new -o FRONT [PURGON] --front CODE --base CODE [--module CODE]...\n"
    "                        [--purgon 79|80] [--sw MAJOR] [--option KEY]... [--json]\n"
    "\n"
    "Builds a new configuration as the configurator would: the front unit, the software version\n"
    "(MAJOR 5..9 or A, stored as MAJOR.x; without --sw the new front's A.2), the options the\n"
    "configurator offers (keys such as optLPAR), the base unit, the modules in the order given (each into\n"
    "the first free slot) and the Purgon controller of the type asked for (80 from software 7), each with\n"
    "its default parameters. Refuses what the configurator would not offer, with its reason. Writes the\n"
    "FRONT file and, when a Purgon controller is configured, the PURGON file.\n"
    "Exit codes: 0 done, 2 usage error, 3 a module, option or version refused, 4 the data set not written.\n";

bool ParseCode(const std::string& text, int& code) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    code = std::stoi(text);
    return code <= 255;
}

int Refuse(const std::string& what, const configurator::Outcome& outcome) {
    std::fprintf(stderr, "tessalin-cli new: %s refused: %s\n", what.c_str(), outcome.reason(1).c_str());
    return kExitRefused;
}

// Assembles the configuration in the configurator and hands it to the program, as OK would. A major
// version of 0 keeps the version of a new front.
int Configure(int front, char major, const std::vector<std::string>& options, int base, const std::vector<int>& modules,
              int purgon) {
    configurator::Configurator config;
    if (auto r = config.addCode(front); !r.ok) return Refuse("front unit " + std::to_string(front), r);
    if (major != 0)
        if (auto r = config.setVersion(major); !r.ok) return Refuse("--sw " + std::string(1, major), r);
    for (const std::string& key : options)
        if (auto r = config.setOption(key, true); !r.ok) return Refuse("option " + key, r);
    if (auto r = config.addCode(base); !r.ok) return Refuse("base unit " + std::to_string(base), r);
    for (int code : modules)
        if (auto r = config.addCode(code); !r.ok) return Refuse("module " + std::to_string(code), r);
    if (purgon != 0)
        if (auto r = config.addCode(purgon); !r.ok) return Refuse("Purgon controller " + std::to_string(purgon), r);
    config.commit();
    return kExitOk;
}

int RunNew(const std::vector<std::string>& argv) {
    Args args(argv, {"o", "front", "base", "module", "purgon", "sw", "option"}, {"json"}, {"module", "option"});
    if (!args.ok()) return UsageError("new", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    const auto frontPath = args.value("o");
    if (!frontPath) return UsageError("new", "an output file is needed: -o FRONT [PURGON]");
    if (args.positional().size() > 1) return UsageError("new", "too many arguments");
    const std::string purgonPath = args.positional().empty() ? "" : args.positional()[0];
    if (!args.value("front") || !args.value("base")) return UsageError("new", "--front and --base are needed");

    int front = 0, base = 0, purgon = 0;
    if (!ParseCode(*args.value("front"), front) || !ParseCode(*args.value("base"), base))
        return UsageError("new", "module codes are numbers 0..255");
    std::vector<int> modules;
    for (const std::string& m : args.values("module")) {
        int code = 0;
        if (!ParseCode(m, code)) return UsageError("new", "module codes are numbers 0..255: " + m);
        modules.push_back(code);
    }
    if (auto p = args.value("purgon")) {
        if (*p != "79" && *p != "80") return UsageError("new", "--purgon is 79 or 80");
        purgon = std::stoi(*p);
        if (purgonPath.empty()) return UsageError("new", "a Purgon controller needs a second output file: -o FRONT PURGON");
    } else if (!purgonPath.empty()) {
        return UsageError("new", "a PURGON file is written only with --purgon");
    }
    if (const int code = RefuseOverlaps("new", {}, {{"FRONT", *frontPath, ""}, {"PURGON", purgonPath, ""}}); code != kExitOk) return code;
    char major = 0;
    if (auto sw = args.value("sw")) {
        const bool known = sw->size() == 1 && (((*sw)[0] >= '5' && (*sw)[0] <= '9') || (*sw)[0] == 'A');
        if (!known)
            return UsageError("new", "--sw is one of 5, 6, 7, 8, 9, A");
        major = (*sw)[0];
    }

    ResetWorkspace();
    try {
        if (const int code = Configure(front, major, args.values("option"), base, modules, purgon); code != kExitOk)
            return code;
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli new: %s\n", e.what());
        return kExitRefused;
    }

    const bool withPurgon = Ws().Device.Purgon.TypeCode != 0;
    const WriteResult written = WriteDataSet(*frontPath, withPurgon ? purgonPath : "");
    if (!written.ok) {
        std::fprintf(stderr, "tessalin-cli new: cannot write %s\n", written.describe().c_str());
        return kExitWriteFailed;
    }

    Ws().DeviceLanguage = 1;
    const TDevice& device = Ws().Device;
    if (args.has("json")) {
        PrintJson({{"front", *frontPath},
                   {"purgon", withPurgon ? purgonPath : ""},
                   {"version", FormatFrontVersion(device.Front.SwMajor, device.Front.SwMinor)},
                   {"slots", {device.Slot[0].Code, device.Slot[1].Code, device.Slot[2].Code}},
                   {"purgonType", device.Purgon.TypeCode}});
    } else {
        std::printf("wrote %s%s%s\n", frontPath->c_str(), withPurgon ? " and " : "", withPurgon ? purgonPath.c_str() : "");
        std::printf("front %s, software %s, base %s\n", ModuleName(kPosFront, device.Front.Code).c_str(),
                    FormatFrontVersion(device.Front.SwMajor, device.Front.SwMinor).c_str(), ModuleName(kPosBase, device.Base.Code).c_str());
        for (int s = 0; s < 3; ++s)
            if (device.Slot[s].Code != 0)
                std::printf("slot %d: %s\n", s + 1, ModuleName(kPosSlot1 + s, device.Slot[s].Code).c_str());
        if (withPurgon) std::printf("Purgon controller %d\n", device.Purgon.TypeCode);
    }
    return kExitOk;
}

const CommandRegistration kRegistration("new", "build a new configuration and write it", RunNew);

}  // namespace
}  // namespace tessalin::cli
