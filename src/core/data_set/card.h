#pragma once
// The data set on the analyser's memory card: the folder BACKUP on the card with BACKUP01.PAR (FRONT)
// and BACKUP02.PAR (Purgon). Cards are FAT, so the names may come in either case; they are found
// case-insensitively.

#include <optional>
#include <string>

namespace tessalin {

// The card's BACKUP folder under the mount path, whatever the case of its name.
std::optional<std::string> FindCardFolder(const std::string& mountPath);

// The file `name` in `folder`, whatever the case of its name.
std::optional<std::string> FindCardFile(const std::string& folder, const std::string& name);

// The path a card file is written to: the existing file of that name in any case, else folder/name.
std::string CardFilePath(const std::string& folder, const std::string& name);

// The card's BACKUP folder as shown in messages: mount path + "/BACKUP/".
std::string CardFolderDisplay(const std::string& mountPath);

struct CardFolderResult {
    std::string folder;        // the folder, empty when it could not be created
    std::string systemReason;  // why it could not be created
};

// The card's BACKUP folder, created as "BACKUP" when the card has none.
CardFolderResult EnsureCardFolder(const std::string& mountPath);

}  // namespace tessalin
