#pragma once
// The files a command that changes a data set writes: "-o OUTFRONT [OUTPURGON]" or --in-place. What is
// written is decided after the command's operation, from the data set as it is then: an operation may
// create a Purgon image (an operating mode with the probe controller, a controller added) or remove one.
// FRONT and its Purgon image are written together or not at all.

#include <string>
#include <vector>

namespace tessalin::cli {

// How the commands that save tell what they write, for their help.
inline constexpr const char* kOutputFilesHelp =
    "Writes the data set as \"Speichern\" does, as it is after the operation: FRONT and, while a Purgon\n"
    "controller is attached, its Purgon image, with -o to OUTPURGON (then needed), in place to the Purgon\n"
    "file opened with FRONT or, without one, to BACKUP02.PAR beside FRONT when no such file is there. A\n"
    "Purgon file whose controller has no carrier module is left as it is. Never half a pair: a missing\n"
    "OUTPURGON, or one that names the same file as OUTFRONT, is a usage error before anything is written;\n"
    "so is an output that is an opened input other than the one it stands for. A file without write\n"
    "permission is refused. While the command runs it holds the data set at FRONT: another command that\n"
    "changes it waits, then loads what this one saved.\n";

struct Output {
    std::string front;
    std::string purgon;
};

// A file a command reads or writes, under the name its help gives it ("FRONT", "--pdf"). An output may
// name the input it stands for (OUTFRONT the opened FRONT, as --in-place would), no other.
struct NamedFile {
    std::string name;
    std::string path;
    std::string standsFor;  // the input an output may replace; empty for none
};

// Refuses an output that is (by path, link or hard link, a link that does not resolve yet included) an
// opened input it does not stand for, or another output of the command: a usage error (kExitUsage, after
// a message) before anything is written. kExitOk otherwise. Empty paths are left out.
int RefuseOverlaps(const std::string& command, const std::vector<NamedFile>& inputs,
                   const std::vector<NamedFile>& outputs);

// FRONT and, when given, PURGON: the inputs named by the first two of `files`.
std::vector<NamedFile> DataSetInputs(const std::vector<std::string>& files);

// The same for the data set a command writes with -o: OUTFRONT and OUTPURGON against the inputs.
int RefuseOverlaps(const std::string& command, const std::vector<NamedFile>& inputs, const Output& output);

// Waits until no other command holds the data set at FRONT, and keeps it until the program ends, so that
// two commands that change one data set (two --in-place edits) take their turns and neither edit is lost.
void HoldDataSet(const std::string& front);

// Takes "-o OUTFRONT [OUTPURGON]" out of the arguments: the word after -o, and the one after it when it
// is not an option. False with a message when -o has no file.
bool TakeOutput(std::vector<std::string>& argv, Output& out, std::string& error);

// Writes the data set as "Speichern" does, to the files decided from the data set as it is after the
// operation. The Purgon image is written while its controller is attached: with -o to OUTPURGON, which
// is then needed (and refused without a Purgon image to write); in place to the data set's Purgon file,
// or, when it was opened without one, to the Purgon file proposed beside FRONT unless a file is there
// already. A Purgon file whose controller has no carrier module is left as it is. A usage error
// (kExitUsage, after a message) writes nothing. Returns the exit code.
int SaveOutputs(const std::string& command, bool inPlace, const Output& output);

}  // namespace tessalin::cli
