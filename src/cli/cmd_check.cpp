// tessalin-cli check: runs the loader's checks on many data sets and prints one line per data set.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/data_set/par_image.h"
#include "core/data_set/recent_files.h"
#include "core/device/load_data_set.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli check FRONT [PURGON] [FRONT [PURGON]]... [--json]\n"
    "Loads each data set and prints its path with OK or the load error code and its reason.\n"
    "A file of exactly 9100 bytes right after a FRONT file is taken as that data set's Purgon file.\n"
    "Exit codes: 0 every data set OK, 1 a data set refused, 2 usage error.\n";

bool IsPurgonSized(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) == kPurgonSize;
}

// Pairs each FRONT file with the Purgon file that follows it.
std::vector<DataSetPaths> GroupDataSets(const std::vector<std::string>& paths) {
    std::vector<DataSetPaths> sets;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        DataSetPaths set{paths[i], {}};
        if (i + 1 < paths.size() && IsPurgonSized(paths[i + 1])) set.purgon = paths[++i];
        sets.push_back(set);
    }
    return sets;
}

std::string Detail(const LoadResult& result, const DataSetPaths& set) {
    std::string detail;
    if (result.failedPath != set.front) detail = result.failedPath;
    if (!result.systemReason.empty()) detail += (detail.empty() ? "" : ": ") + result.systemReason;
    return detail;
}

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {}, {"json"});
    if (!args.ok()) return UsageError("check", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    if (args.positional().empty()) return UsageError("check", "no data set given");

    const bool json = args.has("json");
    bool anyRefused = false;
    std::string out;
    Json results = Json::array();
    const std::vector<DataSetPaths> sets = GroupDataSets(args.positional());
    for (const DataSetPaths& set : sets) {
        ResetWorkspace();
        const LoadResult result = LoadDataSet(set.front, set.purgon);
        anyRefused = anyRefused || !result.ok();
        const std::string detail = Detail(result, set);
        if (json) {
            results.push_back({{"front", set.front},
                               {"purgon", set.purgon},
                               {"code", result.code},
                               {"reason", LoadErrorMeaning(result.code)},
                               {"failed_file", result.failedPath},
                               {"system_reason", result.systemReason}});
        } else if (result.ok()) {
            out += RecentEntry(set.front, set.purgon) + ": OK\n";
        } else {
            out += RecentEntry(set.front, set.purgon) + ": " + std::to_string(result.code) + " " +
                   LoadErrorMeaning(result.code) + (detail.empty() ? "" : " (" + detail + ")") + "\n";
        }
    }
    if (json)
        PrintJson(results);
    else
        std::fputs(out.c_str(), stdout);
    return anyRefused ? kExitNo : kExitOk;
}

const CommandRegistration registration("check", "check data sets: one line per set with OK or the load error", Run);

}  // namespace
}  // namespace tessalin::cli
