// Fuzz target: whatever a script passes on the command line, tessalin-cli answers with output, a usage
// error or a refusal; nothing crashes, hangs or touches memory outside a buffer. The input is one argument
// a line, the command first. The commands run in a folder of their own that holds a data set (F.PAR,
// P.PAR: a pH and a conductivity module with a Purgon controller) and its settings file (S.JSON), made
// afresh for every input, so that the options reach real work. Arguments that name anything outside that
// folder (a slash, "..") are not run: what the commands write stays in the folder. Their output is
// discarded.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/data_set/write.h"
#include "core/main_window/save_decisions.h"
#include "core/settings/settings_file.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "fuzz_support.h"

namespace {

using namespace tessalin;
namespace fs = std::filesystem;

struct Seed {
    std::vector<uint8_t> front, purgon;
    std::string settings;
};

// The data set and its settings file, made once through the configurator.
const Seed& SeedFiles() {
    static const Seed seed = [] {
        fuzz::ConfigureSeedDevice();
        const std::string front = fuzz::ScratchFolder() + "/F.PAR", purgon = fuzz::ScratchFolder() + "/P.PAR";
        if (!WriteDataSet(front, purgon).ok) std::abort();
        SelectLanguage(1);
        BuildDeviceTree();
        Seed made{fuzz::ReadFile(front), fuzz::ReadFile(purgon), SettingsToJson(TakeSnapshot(SetChoice::Both))};
        ResetWorkspace();
        return made;
    }();
    return seed;
}

std::vector<std::string> Arguments(const uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() <= 64; ++i) {
        if (data[i] == '\n')
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    if (args.back().empty()) args.pop_back();
    return args;
}

bool StaysInTheFolder(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a.find('/') != std::string::npos || a.find("..") != std::string::npos) return false;
    return true;
}

// Runs the command with its standard output and error going nowhere.
void RunQuietly(const cli::Command& command, const std::vector<std::string>& args) {
    std::fflush(stdout);
    std::fflush(stderr);
    const int out = ::dup(1), err = ::dup(2), null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    command.run(args);
    std::fflush(stdout);
    std::fflush(stderr);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::close(out);
    ::close(err);
    ::close(null);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = Arguments(data, size);
    if (args.empty() || !StaysInTheFolder(args)) return 0;
    const auto command = cli::Commands().find(args.front());
    if (command == cli::Commands().end()) return 0;

    const Seed& seed = SeedFiles();
    const fs::path folder = fs::path(fuzz::ScratchFolder()) / "run";
    fs::remove_all(folder);
    fs::create_directory(folder);
    const fs::path home = fs::current_path();  // the fuzzer's own relative paths stay valid afterwards
    fs::current_path(folder);
    fuzz::WriteFile("F.PAR", seed.front.data(), seed.front.size());
    fuzz::WriteFile("P.PAR", seed.purgon.data(), seed.purgon.size());
    fuzz::WriteFile("S.JSON", seed.settings.data(), seed.settings.size());

    RunQuietly(command->second, std::vector<std::string>(args.begin() + 1, args.end()));
    fs::current_path(home);
    return 0;
}
