#include "cli/tree_session.h"

#include <cstdio>

#include "core/data_set/load.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::cli {

int OpenDataSetTree(const std::string& command, const Args& args, std::size_t positionalCount) {
    int language = 1;
    if (!args.language(language)) return UsageError(command, "--lang takes a device language 0..6");
    const auto& files = args.positional();
    if (files.empty() || positionalCount == 0) return UsageError(command, "no data set given");
    if (positionalCount > 2) return UsageError(command, "too many files given");

    ResetWorkspace();
    const LoadResult loaded = LoadDataSet(files[0], positionalCount > 1 ? files[1] : "");
    if (!loaded.ok()) {
        std::fprintf(stderr, "tessalin-cli %s: %s refused: LoadError %d (%s)%s%s\n", command.c_str(),
                     loaded.failedPath.c_str(), loaded.code, LoadErrorMeaning(loaded.code),
                     loaded.systemReason.empty() ? "" : ": ", loaded.systemReason.c_str());
        return kExitRefused;
    }
    SelectLanguage(language);
    try {
        if (!BuildDeviceTree() && !Ws().Tree.message.empty()) {
            std::fprintf(stderr, "tessalin-cli %s: %s\n", command.c_str(), Ws().Tree.message.c_str());
            return kExitRefused;
        }
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli %s: %s\n", command.c_str(), e.what());
        return kExitRefused;
    }
    return kExitOk;
}

int OpenNodePage(const std::string& command, const Args& args, PageModel& page) {
    const auto path = args.value("node");
    if (!path) return UsageError(command, "--node PATH is required");
    bool setB = false;
    if (!ReadParamSet(args, setB)) return UsageError(command, "--set takes A or B");
    const int node = NodeAtPath(*path);
    if (node < 0) return UsageError(command, "no node at path " + *path);
    Ws().ActiveParamSet = setB;
    try {
        DeviceTreeChange(node);
        page = BuildFormpage();
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli %s: %s\n", command.c_str(), e.what());
        return kExitRefused;
    }
    return kExitOk;
}

bool ReadParamSet(const Args& args, bool& setB) {
    const std::string set = args.value("set").value_or("A");
    if (set != "A" && set != "B" && set != "a" && set != "b") return false;
    setB = set == "B" || set == "b";
    return true;
}

std::string KindName(const PageRow& row) {
    if (row.heading) return "heading";
    static const char* const kNames[] = {"heading", "text",   "choice", "number",         "slider",
                                         "buttons", "time",   "matrix", "choice+buttons", "picture"};
    return row.kind < std::size(kNames) ? kNames[row.kind] : "unknown";
}

std::string ShownValue(const PageRow& row) {
    switch (row.kind) {
        case kKindChoice:
        case kKindChoiceButtons:
            return row.selected >= 0 && row.selected < static_cast<int>(row.items.size()) ? row.items[row.selected].text : "";
        default:
            return row.value;
    }
}

}  // namespace tessalin::cli
