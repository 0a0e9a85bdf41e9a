#pragma once
// The recent-file list of the "Datei" menu, the form of its entries and the main window caption.
// An entry is the FRONT path alone, or the FRONT path, " / " and the Purgon path.

#include <array>
#include <string>

namespace tessalin {

struct DataSetPaths {
    std::string front;
    std::string purgon;  // empty when the data set has no Purgon file
    bool operator==(const DataSetPaths&) const = default;
};

inline constexpr const char* kRecentSeparator = " / ";
inline constexpr std::size_t kRecentFileCount = 4;

// The entry of a data set: the FRONT path, followed by " / " and the Purgon path when both are given.
std::string RecentEntry(const std::string& frontPath, const std::string& purgonPath);

// Splits an entry at its first " / ": FRONT path before, Purgon path after (at most 2000 characters).
// Without " / " the whole entry is the FRONT path.
DataSetPaths SplitRecentEntry(const std::string& entry);

// The menu caption of an entry: the file names without their folders, " / " between them.
std::string RecentCaption(const std::string& entry);

// Moves `entry` to the top of `files`: an entry already in the list moves up, a new one pushes the last
// one out. The list never holds an entry twice. An empty entry changes nothing.
void PromoteRecentEntry(std::array<std::string, kRecentFileCount>& files, const std::string& entry);

// Takes entry `index` out of `files`; the later entries move up and the last one becomes empty.
void RemoveRecentEntry(std::array<std::string, kRecentFileCount>& files, std::size_t index);

// Moves the current data set (FrontFileName, PurgonFileName) to the top of the workspace's recent files.
void UpdateRecentFiles();

// The main window caption: "Tessalin 3000", then " - " and the FRONT file name, " / " and the Purgon
// file name when there is one, and " *" while a named data set is modified.
std::string CaptionText();

}  // namespace tessalin
