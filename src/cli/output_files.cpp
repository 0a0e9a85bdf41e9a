#include "cli/output_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "cli/command.h"
#include "core/data_set/write.h"
#include "core/files/file_identity.h"
#include "core/files/file_lock.h"
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

int RefuseOverlaps(const std::string& command, const std::vector<NamedFile>& inputs,
                   const std::vector<NamedFile>& outputs) {
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const NamedFile& out = outputs[i];
        if (out.path.empty()) continue;
        for (const NamedFile& in : inputs)
            if (!in.path.empty() && in.name != out.standsFor && SameFile(out.path, in.path))
                return UsageError(command, out.name + " (" + out.path + ") is the opened " + in.name + " file" +
                                               (in.path == out.path ? "" : " " + in.path) +
                                               ": give another file; nothing written");
        for (std::size_t k = 0; k < i; ++k)
            if (!outputs[k].path.empty() && SameFile(out.path, outputs[k].path))
                return UsageError(command, outputs[k].name + " and " + out.name + " name the same file (" + out.path +
                                               "): give two files; nothing written");
    }
    return kExitOk;
}

std::vector<NamedFile> DataSetInputs(const std::vector<std::string>& files) {
    std::vector<NamedFile> inputs;
    if (!files.empty()) inputs.push_back({"FRONT", files[0], ""});
    if (files.size() > 1) inputs.push_back({"PURGON", files[1], ""});
    return inputs;
}

int RefuseOverlaps(const std::string& command, const std::vector<NamedFile>& inputs, const Output& output) {
    return RefuseOverlaps(command, inputs, {{"OUTFRONT", output.front, "FRONT"}, {"OUTPURGON", output.purgon, "PURGON"}});
}

void HoldDataSet(const std::string& front) {
    static FileLock held;
    held = FileLock::Wait(front);
}

namespace {

struct OutputFiles {
    std::string front;
    std::string purgon;  // empty: no Purgon image is written
};

int DecideOutputFiles(const std::string& command, bool inPlace, const Output& output, OutputFiles& files) {
    const bool withPurgon = PurgonAttached();
    if (!inPlace) {
        if (withPurgon && output.purgon.empty())
            return UsageError(command,
                              "the data set has a Purgon image: give OUTPURGON after OUTFRONT; nothing written");
        if (!withPurgon && !output.purgon.empty())
            return UsageError(command, "the data set has no Purgon image of an attached controller to write to " +
                                           output.purgon + "; nothing written");
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
