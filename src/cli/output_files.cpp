#include "cli/output_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "cli/command.h"
#include "core/data_set/write.h"
#include "core/main_window/save_decisions.h"
#include "core/workspace.h"

namespace tessalin::cli {

bool TakeOutput(std::vector<std::string>& argv, Output& out, std::string& error) {
    for (std::size_t i = 0; i < argv.size(); ++i) {
        if (argv[i] != "-o") continue;
        if (i + 1 >= argv.size() || argv[i + 1].starts_with("-")) {
            error = "-o needs OUTFRONT";
            return false;
        }
        out.front = argv[i + 1];
        std::size_t taken = 2;
        if (i + 2 < argv.size() && !argv[i + 2].starts_with("-")) {
            out.purgon = argv[i + 2];
            taken = 3;
        }
        argv.erase(argv.begin() + static_cast<long>(i), argv.begin() + static_cast<long>(i + taken));
        if (std::find(argv.begin(), argv.end(), "-o") != argv.end()) {
            error = "-o is given more than once";
            return false;
        }
        return true;
    }
    return true;
}

namespace {

struct OutputFiles {
    std::string front;
    std::string purgon;  // empty: no Purgon image is written
};

// Whether two paths name one file: the same path once links, "." and ".." are resolved, or one existing
// file under two names (a hard link).
bool SameFile(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    std::error_code ecA, ecB;
    const fs::path resolvedA = fs::weakly_canonical(a, ecA);
    const fs::path resolvedB = fs::weakly_canonical(b, ecB);
    return !ecA && !ecB && resolvedA == resolvedB;
}

int DecideOutputFiles(const std::string& command, bool inPlace, const Output& output, OutputFiles& files) {
    const bool withPurgon = PurgonAttached();
    if (!inPlace) {
        if (withPurgon && output.purgon.empty())
            return UsageError(command,
                              "the data set has a Purgon image: give OUTPURGON after OUTFRONT; nothing written");
        if (!withPurgon && !output.purgon.empty())
            return UsageError(command, "the data set has no Purgon image of an attached controller to write to " +
                                           output.purgon + "; nothing written");
        if (withPurgon && SameFile(output.front, output.purgon))
            return UsageError(command, "OUTFRONT and OUTPURGON name the same file (" + output.purgon +
                                           "): give two files; nothing written");
        files = {output.front, output.purgon};
        return kExitOk;
    }
    const Workspace& ws = Ws();
    files = {ws.FrontFileName, ""};
    if (!withPurgon) return kExitOk;
    files.purgon = ProposedPurgonSaveName(ws.FrontFileName);
    std::error_code ec;
    if (ws.PurgonFileName.empty() && std::filesystem::exists(files.purgon, ec))
        return UsageError(command, "the data set now has a Purgon image, and " + files.purgon +
                                       " beside FRONT was not opened with it: open it as PURGON or write with -o OUTFRONT "
                                       "OUTPURGON; nothing written");
    return kExitOk;
}

}  // namespace

int SaveOutputs(const std::string& command, bool inPlace, const Output& output) {
    OutputFiles files;
    if (const int code = DecideOutputFiles(command, inPlace, output, files); code != kExitOk) return code;
    const WriteResult written = WriteDataSet(files.front, files.purgon);
    if (!written.ok) {
        std::fprintf(stderr, "tessalin-cli %s: cannot write %s\n", command.c_str(), written.describe().c_str());
        return kExitWriteFailed;
    }
    return kExitOk;
}

}  // namespace tessalin::cli
