// tessalin-cli diff: what differs between two data sets, as a user of the window would see it.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/settings_io.h"
#include "cli/tree_session.h"
#include "core/compare/comparison.h"
#include "core/data_set/drop.h"
#include "core/range_error.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli diff A_FRONT [A_PURGON] B_FRONT [B_PURGON] [--set A|B|both] [--lang N] [--json]\n"
    "Compares two data sets: the hardware component by component (a module added, removed or replaced is\n"
    "one difference), and every shown value of every page that both device trees have, in parameter set A,\n"
    "B or both (default both), as 'PATH > Label: old \u2192 new unit'. A difference in one set only is marked\n"
    "[set A] or [set B].\n"
    "Exit codes: 0 equal, 1 different, 2 usage error, 3 a data set refused.\n";

const char* LevelName(DifferenceLevel level) {
    switch (level) {
        case DifferenceLevel::Hardware: return "hardware";
        case DifferenceLevel::Page: return "page";
        case DifferenceLevel::Row: return "row";
    }
    return "";
}

const char* PresenceName(Presence presence) {
    return presence == Presence::FirstOnly ? "first" : presence == Presence::SecondOnly ? "second" : "both";
}

Json AsJson(const std::vector<Difference>& differences) {
    Json list = Json::array();
    for (const Difference& d : differences) {
        list.push_back({{"level", LevelName(d.level)},
                        {"in", PresenceName(d.presence)},
                        {"path", d.where},
                        {"node", d.node},
                        {"set", d.set ? std::string(1, d.set) : "both"},
                        {"row", d.row},
                        {"label", d.label},
                        {"old", d.before},
                        {"old_unit", d.unitBefore},
                        {"new", d.after},
                        {"new_unit", d.unitAfter},
                        {"text", DescribeDifference(d)}});
    }
    return {{"equal", differences.empty()}, {"differences", std::move(list)}};
}

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {"lang", "set"}, {"json"});
    if (!args.ok()) return UsageError("diff", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    int language = 1;
    if (!args.language(language)) return UsageError("diff", "--lang takes a device language 0..6");
    const auto sets = SetChoiceOf(args, SetChoice::Both);
    if (!sets) return UsageError("diff", "--set takes A, B or both");
    const auto& files = args.positional();
    if (files.size() < 2 || files.size() > 4) return UsageError("diff", "give two data sets: A_FRONT [A_PURGON] B_FRONT [B_PURGON]");

    // With three files the second is A's Purgon image when it is one, else B's FRONT file.
    DataSetPaths first{files[0], ""}, second;
    if (files.size() == 2) second = {files[1], ""};
    if (files.size() == 4) first.purgon = files[1], second = {files[2], files[3]};
    if (files.size() == 3) {
        if (ClassifyDroppedFile(files[1]) == kDroppedPurgon)
            first.purgon = files[1], second = {files[2], ""};
        else
            second = {files[1], files[2]};
    }

    if (const int code = OpenDataSetFiles("diff", language, first.front, first.purgon); code != kExitOk) return code;
    ComparisonOpening opening;
    try {
        opening = Comparison::Open(second.front, second.purgon, *sets);
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli diff: %s\n", e.what());
        return kExitRefused;
    }
    if (!opening.load.ok()) {
        ReportRefusedDataSet("diff", opening.load);
        return kExitRefused;
    }
    if (!opening.comparison) {
        std::fprintf(stderr, "tessalin-cli diff: %s: %s\n", second.front.c_str(), opening.message.c_str());
        return kExitRefused;
    }
    const std::vector<Difference>& differences = opening.comparison->Differences();
    if (args.has("json")) {
        PrintJson(AsJson(differences));
    } else {
        for (const Difference& d : differences) std::printf("%s\n", DescribeDifference(d).c_str());
    }
    return differences.empty() ? kExitOk : kExitNo;
}

const CommandRegistration registration("diff", "compare two data sets: hardware and every shown value", Run);

}  // namespace
}  // namespace tessalin::cli
