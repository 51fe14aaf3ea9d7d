// The mounted volumes of this process, read from the kernel's mount table, and the drive type
// each one has in the program's terms (RAM disk, network, CD/DVD, removable, fixed).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/FileSystem.h"

namespace orbilo::platform {

struct MountEntry {
    unsigned major = 0;  // device numbers as the table gives them; major 0 means no block device
    unsigned minor = 0;
    std::string mountPoint;
    std::string fsType;
    std::string source;
};

class MountTable {
  public:
    static constexpr const char* kProcessMountInfo = "/proc/self/mountinfo";
    static constexpr const char* kSysRoot = "/sys";
    // Far above any real table (a busy container host has a few thousand lines).
    static constexpr std::size_t kMaxMountInfoBytes = 8u * 1024u * 1024u;

    // Tests hand in a fixture table and a fake sysfs tree.
    explicit MountTable(std::string mountInfoPath = kProcessMountInfo, std::string sysRoot = kSysRoot);

    // Lines of mountinfo text, in order. Lines that are not mount lines are skipped.
    static std::vector<MountEntry> Parse(std::string_view text);
    // Undoes the kernel's octal escapes (\040 space, \011 tab, \012 newline, \134 backslash).
    static std::string DecodeEscapes(std::string_view field);
    // Makes an absolute path canonical as text: no empty, "." or ".." components, no trailing '/'.
    static std::string NormalisePath(std::string_view absolutePath);
    // The mount holding an absolute path: the longest mount point that is the path or one of its
    // ancestors; of equal mount points the last line wins, as a later mount covers an earlier one.
    static std::optional<MountEntry> FindMount(const std::vector<MountEntry>& mounts, std::string_view path);

    // The current table. Throws ServiceError when it cannot be read.
    std::vector<MountEntry> Read() const;
    // The mount holding an absolute path (taken lexically; symbolic links are the caller's affair);
    // nullopt when no mount holds it. Throws when the table cannot be read.
    std::optional<MountEntry> MountOf(std::string_view absolutePath) const;
    // The mount whose mount point is exactly this one (a trailing '/' is ignored); nullopt when none.
    std::optional<MountEntry> MountAt(std::string_view mountPoint) const;

    DriveType Classify(const MountEntry& mount) const;

  private:
    std::optional<std::string> BlockDeviceNode(const MountEntry& mount) const;
    bool IsRemovableNode(const std::string& node, int depth) const;

    std::string m_mountInfoPath;
    std::string m_sysRoot;
};

}  // namespace orbilo::platform
