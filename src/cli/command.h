#pragma once
// The commands of tessalin-cli. Each command lives in its own file and registers itself with a static
// CommandRegistration; main() looks the command up by name.

#include <functional>
#include <nlohmann/json.hpp>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tessalin::cli {

// Exit codes shared by every command. The question commands (diff, find, lint, check) answer with 0 and
// kExitNo, as diff and grep do; every other way a command stops has a code of its own, so that a script
// can tell a "no" from a fault.
inline constexpr int kExitOk = 0;           // done, or the question's "yes"
inline constexpr int kExitNo = 1;           // the question's "no": different, no hits, findings, a set refused
inline constexpr int kExitUsage = 2;        // the command line cannot be carried out as given; nothing written
inline constexpr int kExitRefused = 3;      // a data set or settings file refused (the message says why), or
                                            // a change the configurator or the data set does not take
inline constexpr int kExitWriteFailed = 4;  // a file could not be written; the old file is as it was

using CommandFn = std::function<int(const std::vector<std::string>& args)>;

struct Command {
    std::string name;
    std::string summary;  // one line for the command list
    CommandFn run;
};

std::map<std::string, Command>& Commands();

struct CommandRegistration {
    CommandRegistration(std::string name, std::string summary, CommandFn run);
};

// A small argument reader: positional arguments, "--flag" switches and "--option VALUE" pairs (a
// one-letter option is written "-o VALUE"). Options that may repeat keep every value; any other value
// option given twice, and any unknown option ("-x" too), is a usage error.
class Args {
public:
    // valueOptions take a value; flags do not; repeatable names the value options that may repeat.
    // "--help" is always a flag.
    Args(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
         const std::vector<std::string>& flags, const std::vector<std::string>& repeatable = {});

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }

    bool has(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    const std::vector<std::string>& values(const std::string& name) const;
    const std::vector<std::string>& positional() const { return positional_; }

    // Reads --lang (0..6, default 1 English); false with a message on a bad value.
    bool language(int& out) const;

private:
    std::map<std::string, std::vector<std::string>> options_;
    std::vector<std::string> positional_;
    std::string error_;
};

// Prints "tessalin-cli CMD: message" on standard error and returns kExitUsage.
int UsageError(const std::string& command, const std::string& message);

// Writes a text on standard output whole: a NUL byte a value holds does not end it.
void WriteOut(const std::string& text);

// The documents that --json prints keep their members in the order they were added.
using Json = nlohmann::ordered_json;

// Prints a --json document on standard output, one member or record a line.
void PrintJson(const Json& document);

}  // namespace tessalin::cli
