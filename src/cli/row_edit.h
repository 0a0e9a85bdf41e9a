#pragma once
// Editing rows of a page from the command line: committing a typed value to a row as leaving its edit
// would, and the output files of commands that save the data set afterwards.

#include <string>
#include <vector>

#include "cli/command.h"
#include "core/page/formpage.h"

namespace tessalin::cli {

struct Output {
    std::string front;
    std::string purgon;
};

// Takes "-o OUTFRONT [OUTPURGON]" out of the arguments: the word after -o, and the one after it when it
// is not an option. False with a message when -o has no file.
bool TakeOutput(std::vector<std::string>& argv, Output& out, std::string& error);

// A whole number and nothing else.
bool ParseInt(const std::string& text, int& value);

// Commits `value` to a shown row: a number (--unit may choose the unit), an item of a list by its text
// or code, a text, a slider position, a time HH:MM. Prints the check result. Returns kExitOk, or
// kExitUsage after a message when nothing could be stored.
int CommitRowValue(const std::string& command, PageModel& page, PageRow& row, const std::string& value,
                   const Args& args);

// After an edit: checks that the outputs fit the data set (-o needs OUTPURGON exactly when its Purgon
// controller is attached) and writes it as "Speichern" does, in place or to the outputs: the Purgon image
// only while the controller is attached. Returns the exit code.
int CheckOutputs(const std::string& command, bool inPlace, const Output& output);
int SaveEdited(const std::string& command, bool inPlace, const Output& output);

}  // namespace tessalin::cli
