#pragma once
// The mounted removable volumes that can hold the analyser's memory card: every mount point in the
// system's mount table whose block device reports itself removable. The list shows mount paths.

#include <functional>
#include <string>
#include <vector>

namespace tessalin::gui {

// Whether the block device (a name such as "sdb1" or "mmcblk0p1") is removable.
using RemovableQuery = std::function<bool(const std::string& device)>;

// The mount points of the removable block devices in a mount table in the format of /proc/mounts
// ("device mount-point type options dump pass" per line, blanks in paths written as \040), in table
// order, each once.
std::vector<std::string> RemovableMountPoints(const std::string& mountTable, const RemovableQuery& isRemovable);

// The system's answer: reads /sys/class/block/<device>/removable, or that of the whole disk for a
// partition.
bool SystemDeviceIsRemovable(const std::string& device);

// Where the card dialog gets its list: the system's mounts by default; tests install their own.
using MountSource = std::function<std::vector<std::string>()>;
std::vector<std::string> SystemRemovableMounts();

}  // namespace tessalin::gui
