#include "cli/settings_io.h"

#include "core/files/read_file.h"
#include "core/files/safe_write.h"
#include "core/settings/settings_file.h"

namespace tessalin::cli {

std::optional<SetChoice> SetChoiceOf(const Args& args, SetChoice fallback) {
    const auto v = args.value("set");
    if (!v) return fallback;
    if (*v == "A" || *v == "a") return SetChoice::A;
    if (*v == "B" || *v == "b") return SetChoice::B;
    if (*v == "both") return SetChoice::Both;
    return std::nullopt;
}

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
    std::string reason;
    if (ReadRegularFile(path, kSettingsFileLimit, text, reason)) return true;
    error = path + ": " + reason;
    return false;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
    const WriteResult written = WriteFileSafely(path, text);
    if (!written.ok) error = written.describe();
    return written.ok;
}

}  // namespace tessalin::cli
