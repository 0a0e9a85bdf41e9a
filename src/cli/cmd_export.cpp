// tessalin-cli export: the hardware and every shown value of a data set as a settings file.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "cli/settings_io.h"
#include "cli/tree_session.h"
#include "core/range_error.h"
#include "core/settings/settings_file.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli export FRONT [PURGON] [--set A|B|both] [--lang N] [-o OUT.json]\n"
    "Writes the data set as a settings file: its hardware (as 'info --json') and, for every page of the\n"
    "device tree in tree order, every shown value with its label, unit and stored bytes, in parameter\n"
    "set A, B or both (default both) and device language N (default 1 English). Without -o the file goes\n"
    "to standard output. 'apply' takes such a file; 'diff' compares two data sets the same way. OUT.json\n"
    "naming an opened input is a usage error.\n"
    "Exit codes: 0 done, 2 usage error, 3 the data set refused, 4 the file not written.\n";

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {"lang", "set", "o"}, {});
    if (!args.ok()) return UsageError("export", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    const auto sets = SetChoiceOf(args, SetChoice::Both);
    if (!sets) return UsageError("export", "--set takes A, B or both");
    if (const int code = RefuseOverlaps("export", DataSetInputs(args.positional()), {{"-o", args.value("o").value_or(""), ""}});
        code != kExitOk)
        return code;
    if (const int code = OpenDataSetTree("export", args, args.positional().size()); code != kExitOk) return code;

    std::string text;
    try {
        text = SettingsToJson(TakeSnapshot(*sets));
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli export: %s\n", e.what());
        return kExitRefused;
    }
    const auto out = args.value("o");
    if (!out) {
        std::fputs(text.c_str(), stdout);
        return kExitOk;
    }
    std::string error;
    if (!WriteTextFile(*out, text, error)) {
        std::fprintf(stderr, "tessalin-cli export: cannot write %s\n", error.c_str());
        return kExitWriteFailed;
    }
    return kExitOk;
}

const CommandRegistration registration("export", "write a data set's hardware and values as a settings file", Run);

}  // namespace
}  // namespace tessalin::cli
