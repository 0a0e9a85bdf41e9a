#include "cli/tree_session.h"

#include <cstdio>
#include <utility>

#include "core/device/load_data_set.h"
#include "core/main_window/action_timer.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::cli {

namespace {

// The action timer's steps without a window: the load named on the command line, the tree, and messages
// on standard error. There is no page to build or clear and no "Speichern" to show.
class CommandLineSteps : public ActionTimerSteps {
public:
    CommandLineSteps(std::string command, std::string front, std::string purgon, int language)
        : command_(std::move(command)), front_(std::move(front)), purgon_(std::move(purgon)), language_(language) {}

    int exitCode = kExitOk;

    void LoadRequestedDataSet() override {
        const LoadResult loaded = LoadDataSet(front_, purgon_);
        if (!loaded.ok()) {
            ReportRefusedDataSet(command_, loaded);
            exitCode = kExitRefused;
            return;
        }
        SelectLanguage(language_);
        RebuildDeviceTree();
    }
    void RebuildDeviceTree() override {
        if (!BuildDeviceTree() && !Ws().Tree.message.empty()) Fail(Ws().Tree.message);
    }
    void RebuildDeviceTreeKeepingSelection() override { RedecodeKeepSelection(); }
    bool SaveEnabled() const override { return Ws().Modified; }
    void ShowSaveState(bool) override {}
    void BuildPage() override {}
    void ClearPage() override {}
    void ShowRangeError(const std::string& text) override { Fail(text); }

private:
    void Fail(const std::string& text) {
        std::fprintf(stderr, "tessalin-cli %s: %s\n", command_.c_str(), text.c_str());
        exitCode = kExitRefused;
    }

    std::string command_, front_, purgon_;
    int language_;
};

}  // namespace

void ReportRefusedDataSet(const std::string& command, const LoadResult& refused) {
    std::fprintf(stderr, "tessalin-cli %s: %s refused: LoadError %d (%s)%s%s\n", command.c_str(),
                 refused.failedPath.c_str(), refused.code, LoadErrorMeaning(refused.code),
                 refused.systemReason.empty() ? "" : ": ", refused.systemReason.c_str());
}

int OpenDataSetTree(const std::string& command, const Args& args, std::size_t positionalCount) {
    int language = 1;
    if (!args.language(language)) return UsageError(command, "--lang takes a device language 0..6");
    const auto& files = args.positional();
    if (files.empty() || positionalCount == 0) return UsageError(command, "no data set given");
    if (positionalCount > 2) return UsageError(command, "too many files given");
    return OpenDataSetFiles(command, language, files[0], positionalCount > 1 ? files[1] : "");
}

int OpenDataSetFiles(const std::string& command, int language, const std::string& front, const std::string& purgon) {
    ResetWorkspace();
    // The same tick that loads a data set named on the program's command line.
    CommandLineSteps steps(command, front, purgon, language);
    int request = kLoadRequest;
    ActionTimerTick(request, steps);
    return steps.exitCode;
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

}  // namespace tessalin::cli
