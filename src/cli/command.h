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

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // a data set was refused (its LoadError code is in the message)
inline constexpr int kExitUsage = 2;

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

// A small argument reader: positional arguments, "--flag" switches and "--option VALUE" pairs.
// Options that may repeat keep every value. Unknown options are a usage error.
class Args {
public:
    // valueOptions take a value; flags do not. "--help" is always a flag.
    Args(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
         const std::vector<std::string>& flags);

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

// The documents that --json prints keep their members in the order they were added.
using Json = nlohmann::ordered_json;

// Prints a --json document on standard output, one member or record a line.
void PrintJson(const Json& document);

}  // namespace tessalin::cli
