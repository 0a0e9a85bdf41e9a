#pragma once
// What export, apply and diff share: the --set choice and reading or writing a whole text file.

#include <optional>
#include <string>

#include "cli/command.h"
#include "core/settings/snapshot.h"

namespace tessalin::cli {

// --set A, B or both (default `fallback`); nothing for any other word.
std::optional<SetChoice> SetChoiceOf(const Args& args, SetChoice fallback);

// False with the system's reason in `error`.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);
bool WriteTextFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace tessalin::cli
