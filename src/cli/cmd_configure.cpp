// tessalin-cli configure: changes the configuration of a data set as the configurator window does, and
// saves it.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "cli/row_edit.h"
#include "cli/tree_session.h"
#include "core/configurator/configurator.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli configure FRONT [PURGON] [--sw MAJOR] [--remove SLOT]... [--up SLOT]... [--down SLOT]...\n"
    "                              [--add CODE]... [--option KEY]... [--no-option KEY]... [--json]\n"
    "                              (-o OUTFRONT [OUTPURGON] | --in-place)\n"
    "Changes the configuration of a data set as the configurator window does, in this order: the software\n"
    "version (MAJOR 5..9 or A, of a front made by 'new' or 'configure' only: a front read from an analyser\n"
    "keeps its own; a new major clears the slots and the Purgon controller), removals, moves up,\n"
    "moves down (SLOT 1, 2, 3 or purgon), additions (module type codes, each into the first free slot, with\n"
    "its default parameters), then the options switched on and off (keys such as optLPAR). Refuses what the\n"
    "configurator would refuse (options it does not offer included), with its reason, and writes nothing\n"
    "then.\n"
    "Exit codes: 0 done, 2 usage error, 3 the data set or a change refused, 4 the data set not written.\n";

// Position of a SLOT argument: 1..3 are the slots, "purgon" the Purgon controller.
bool ParsePosition(const std::string& text, int& position) {
    if (text == "purgon") {
        position = configurator::kPosPurgonNode;
        return true;
    }
    if (text == "1" || text == "2" || text == "3") {
        position = kPosSlot1 + (text[0] - '1');
        return true;
    }
    return false;
}

int Refuse(const std::string& what, const configurator::Outcome& outcome) {
    std::fprintf(stderr, "tessalin-cli configure: %s refused: %s\n", what.c_str(), outcome.reason(1).c_str());
    return kExitRefused;
}

void PrintDevice(bool json) {
    const TDevice& device = Ws().Device;
    if (json) {
        PrintJson({{"front", device.Front.Code},
                   {"sw", std::string(1, device.Front.SwMajor)},
                   {"version", FormatFrontVersion(device.Front.SwMajor, device.Front.SwMinor)},
                   {"options", device.Front.Options},
                   {"base", device.Base.Code},
                   {"slots", {device.Slot[0].Code, device.Slot[1].Code, device.Slot[2].Code}},
                   {"purgonType", device.Purgon.TypeCode}});
        return;
    }
    std::printf("front %s, software %s, base %s\n", ModuleName(kPosFront, device.Front.Code).c_str(),
                FormatFrontVersion(device.Front.SwMajor, device.Front.SwMinor).c_str(), ModuleName(kPosBase, device.Base.Code).c_str());
    for (int s = 0; s < 3; ++s)
        if (device.Slot[s].Code != 0)
            std::printf("slot %d: %s\n", s + 1, ModuleName(kPosSlot1 + s, device.Slot[s].Code).c_str());
    if (device.Purgon.TypeCode != 0) std::printf("Purgon controller %d\n", device.Purgon.TypeCode);
}

int Run(const std::vector<std::string>& original) {
    std::vector<std::string> argv = original;
    Output output;
    std::string error;
    if (!TakeOutput(argv, output, error)) return UsageError("configure", error);
    Args args(argv, {"lang", "sw", "remove", "up", "down", "add", "option", "no-option"}, {"in-place", "json"},
              {"remove", "up", "down", "add", "option", "no-option"});
    if (!args.ok()) return UsageError("configure", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        std::fputs(kOutputFilesHelp, stdout);
        return kExitOk;
    }
    const bool inPlace = args.has("in-place");
    if (inPlace == !output.front.empty())
        return UsageError("configure", "give either -o OUTFRONT [OUTPURGON] or --in-place");

    char major = 0;
    if (auto sw = args.value("sw")) {
        if (sw->size() != 1 || !(((*sw)[0] >= '5' && (*sw)[0] <= '9') || (*sw)[0] == 'A'))
            return UsageError("configure", "--sw is one of 5, 6, 7, 8, 9, A");
        major = (*sw)[0];
    }
    struct Move {
        const char* option;
        configurator::Outcome (configurator::Configurator::*apply)(int);
        const char* what;
    };
    const Move moves[] = {{"remove", &configurator::Configurator::remove, "removing"},
                          {"up", &configurator::Configurator::moveUp, "moving up"},
                          {"down", &configurator::Configurator::moveDown, "moving down"}};
    for (const Move& move : moves)
        for (const std::string& slot : args.values(move.option)) {
            int position = 0;
            if (!ParsePosition(slot, position))
                return UsageError("configure", std::string("--") + move.option + " takes 1, 2, 3 or purgon: " + slot);
        }
    std::vector<int> added;
    for (const std::string& text : args.values("add")) {
        int code = 0;
        if (!ParseInt(text, code) || code < 0 || code > 255)
            return UsageError("configure", "module codes are numbers 0..255: " + text);
        added.push_back(code);
    }

    if (const int code = RefuseOverlaps("configure", DataSetInputs(args.positional()), output); code != kExitOk)
        return code;
    if (!args.positional().empty()) HoldDataSet(args.positional()[0]);
    if (const int code = OpenDataSetTree("configure", args, args.positional().size()); code != kExitOk) return code;
    if (Ws().Device.Front.Code == 0) {
        std::fprintf(stderr, "tessalin-cli configure: the data set has no front unit\n");
        return kExitRefused;
    }

    configurator::Configurator config;
    if (major != 0)
        if (auto r = config.setVersion(major); !r.ok) return Refuse("--sw " + std::string(1, major), r);
    for (const Move& move : moves)
        for (const std::string& slot : args.values(move.option)) {
            int position = 0;
            ParsePosition(slot, position);
            if (auto r = (config.*move.apply)(position); !r.ok) return Refuse(std::string(move.what) + " " + slot, r);
        }
    for (int code : added)
        if (auto r = config.addCode(code); !r.ok) return Refuse("module " + std::to_string(code), r);
    for (const auto& [option, active] : {std::pair{"option", true}, std::pair{"no-option", false}})
        for (const std::string& key : args.values(option))
            if (auto r = config.setOption(key, active); !r.ok) return Refuse("option " + key, r);
    config.commit();

    if (const int code = SaveOutputs("configure", inPlace, output); code != kExitOk) return code;
    PrintDevice(args.has("json"));
    return kExitOk;
}

const CommandRegistration registration("configure", "change the configuration of a data set and save it", Run);

}  // namespace
}  // namespace tessalin::cli
