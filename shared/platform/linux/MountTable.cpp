// Reading /proc/self/mountinfo and classifying a mount by its file system and its block device.
#include "platform/linux/MountTable.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "platform/linux/BoundedRead.h"
#include "services/ServiceError.h"

namespace orbilo::platform {
namespace {

namespace fs = std::filesystem;

// Network protocols, and folders shared by a virtual machine's host, which Windows shows as
// network drives as well.
constexpr std::array<std::string_view, 22> kRemoteTypes = {
    "nfs",
    "nfs4",
    "cifs",
    "smb3",
    "smbfs",
    "ncpfs",
    "afs",
    "ceph",
    "glusterfs",
    "lustre",
    "sshfs",
    "fuse.sshfs",
    "9p",
    "virtiofs",
    "vboxsf",
    "davfs",
    "fuse.davfs",
    "fuse.glusterfs",
    "fuse.rclone",
    "fuse.s3fs",
    "fuse.curlftpfs",
    "fuse.vmhgfs-fuse",
};

// A device-mapper or RAID device is removable when a device below it is; real stacks are shallow.
constexpr int kMaxDeviceStackDepth = 4;
constexpr std::size_t kMaxFlagFileBytes = 64;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const auto end = std::min(line.find(' ', start), line.size());
        if (end > start) fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

bool ParseDeviceNumbers(std::string_view field, unsigned& major, unsigned& minor) {
    const auto colon = field.find(':');
    if (colon == std::string_view::npos) return false;
    const char* begin = field.data();
    const char* middle = begin + colon;
    const char* end = begin + field.size();
    const auto first = std::from_chars(begin, middle, major);
    if (first.ec != std::errc() || first.ptr != middle) return false;
    const auto second = std::from_chars(middle + 1, end, minor);
    return second.ec == std::errc() && second.ptr == end;
}

bool Holds(const std::string& mountPoint, const std::string& path) {
    if (mountPoint == "/") return true;
    return StartsWith(path, mountPoint) &&
           (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

std::optional<std::string> ExistingFolder(const std::string& path) {
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    if (error || !fs::is_directory(resolved, error) || error) return std::nullopt;
    return resolved.string();
}

std::string TrimmedFile(const std::string& path) {
    try {
        std::string text = ReadFileIfPresent(path, kMaxFlagFileBytes).value_or(std::string());
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        return text;
    } catch (const ServiceError&) {
        return {};
    }
}

std::string ParentFolder(const std::string& path) {
    const auto cut = path.find_last_of('/');
    return cut == std::string::npos || cut == 0 ? std::string("/") : path.substr(0, cut);
}

}  // namespace

MountTable::MountTable(std::string mountInfoPath, std::string sysRoot)
    : m_mountInfoPath(std::move(mountInfoPath)), m_sysRoot(std::move(sysRoot)) {}

std::string MountTable::DecodeEscapes(std::string_view field) {
    std::string decoded;
    decoded.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
            IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3])) {
            const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            decoded.push_back(static_cast<char>(value & 0xFF));
            i += 3;
        } else {
            decoded.push_back(field[i]);
        }
    }
    return decoded;
}

std::vector<MountEntry> MountTable::Parse(std::string_view text) {
    // id, parent id, major:minor, root, mount point, options, optional fields..., "-", type, source
    constexpr std::size_t kFixedFields = 6;
    std::vector<MountEntry> mounts;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        const auto fields = SplitFields(text.substr(start, end - start));
        start = end + 1;
        if (fields.size() < kFixedFields + 3) continue;
        const auto separator = std::find(fields.begin() + kFixedFields, fields.end(), "-");
        if (separator == fields.end() || fields.end() - separator < 3) continue;
        MountEntry entry;
        if (!ParseDeviceNumbers(fields[2], entry.major, entry.minor)) continue;
        entry.mountPoint = DecodeEscapes(fields[4]);
        if (entry.mountPoint.empty() || entry.mountPoint.front() != '/') continue;
        entry.fsType = DecodeEscapes(*(separator + 1));
        entry.source = DecodeEscapes(*(separator + 2));
        mounts.push_back(std::move(entry));
    }
    return mounts;
}

std::string MountTable::NormalisePath(std::string_view absolutePath) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= absolutePath.size()) {
        const auto end = std::min(absolutePath.find('/', start), absolutePath.size());
        const auto part = absolutePath.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string normal;
    for (const auto part : parts) {
        normal += '/';
        normal += part;
    }
    return normal.empty() ? std::string("/") : normal;
}

std::optional<MountEntry> MountTable::FindMount(const std::vector<MountEntry>& mounts,
                                                std::string_view path) {
    if (path.empty() || path.front() != '/') return std::nullopt;
    const std::string normal = NormalisePath(path);
    const MountEntry* best = nullptr;
    std::size_t bestLength = 0;
    for (const auto& mount : mounts) {
        const std::string mountPoint = NormalisePath(mount.mountPoint);
        if (Holds(mountPoint, normal) && (best == nullptr || mountPoint.size() >= bestLength)) {
            best = &mount;
            bestLength = mountPoint.size();
        }
    }
    if (best == nullptr) return std::nullopt;
    return *best;
}

std::vector<MountEntry> MountTable::Read() const {
    return Parse(ReadWholeFile(m_mountInfoPath, kMaxMountInfoBytes));
}

std::optional<MountEntry> MountTable::MountOf(std::string_view absolutePath) const {
    return FindMount(Read(), absolutePath);
}

std::optional<MountEntry> MountTable::MountAt(std::string_view mountPoint) const {
    if (mountPoint.empty() || mountPoint.front() != '/') return std::nullopt;
    const std::string wanted = NormalisePath(mountPoint);
    std::optional<MountEntry> found;
    for (auto& mount : Read()) {
        if (NormalisePath(mount.mountPoint) == wanted) found = std::move(mount);
    }
    return found;
}

DriveType MountTable::Classify(const MountEntry& mount) const {
    const std::string& type = mount.fsType;
    if (type == "tmpfs" || type == "ramfs" || type == "devtmpfs") return DriveType::RAMDisk;
    if (std::find(kRemoteTypes.begin(), kRemoteTypes.end(), type) != kRemoteTypes.end()) {
        return DriveType::Remote;
    }
    const bool opticalSource = StartsWith(mount.source, "/dev/sr") && mount.source.size() > 7 &&
                               mount.source[7] >= '0' && mount.source[7] <= '9';
    if (type == "iso9660" || type == "udf" || opticalSource) return DriveType::CDRom;

    if (const auto node = BlockDeviceNode(mount)) {
        return IsRemovableNode(*node, 0) ? DriveType::Removable : DriveType::Fixed;
    }
    // A disk-backed volume whose device sysfs does not show cannot be told removable or fixed.
    if (mount.major != 0 || StartsWith(mount.source, "/dev/")) return DriveType::Unknown;
    // No device at all: overlay, zfs datasets, fuse file systems of local data and the like.
    return DriveType::Fixed;
}

std::optional<std::string> MountTable::BlockDeviceNode(const MountEntry& mount) const {
    const auto byNumbers = [this](unsigned major, unsigned minor) {
        return ExistingFolder(m_sysRoot + "/dev/block/" + std::to_string(major) + ":" +
                              std::to_string(minor));
    };
    if (mount.major != 0) {
        if (auto node = byNumbers(mount.major, mount.minor)) return node;
    }
    // btrfs and some others report an anonymous device number; their source names the device.
    if (StartsWith(mount.source, "/dev/")) {
        const std::string name = mount.source.substr(mount.source.find_last_of('/') + 1);
        if (!name.empty() && name != "." && name != "..") {
            if (auto node = ExistingFolder(m_sysRoot + "/class/block/" + name)) return node;
        }
        // /dev/mapper/... and /dev/disk/by-... names: the device node itself knows its numbers.
        struct stat info {};
        if (::stat(mount.source.c_str(), &info) == 0 && S_ISBLK(info.st_mode)) {
            if (auto node = byNumbers(major(info.st_rdev), minor(info.st_rdev))) return node;
        }
    }
    return std::nullopt;
}

bool MountTable::IsRemovableNode(const std::string& node, int depth) const {
    // Only the part below the sysfs root counts, so a fixture folder's own name cannot match.
    std::string devicePath = node;
    if (const auto root = ExistingFolder(m_sysRoot); root && StartsWith(node, *root)) {
        devicePath = node.substr(root->size());
    }
    if (devicePath.find("/usb") != std::string::npos) return true;
    // A partition carries no removable flag of its own; the disk above it does.
    std::error_code error;
    const bool partition = fs::exists(node + "/partition", error);
    const std::string disk = partition ? ParentFolder(node) : node;
    if (TrimmedFile(node + "/removable") == "1" || TrimmedFile(disk + "/removable") == "1") return true;
    // An SD card in a built-in reader reports removable 0; unlike soldered eMMC its type says "SD".
    if (TrimmedFile(disk + "/device/type") == "SD") return true;
    if (depth >= kMaxDeviceStackDepth) return false;
    for (fs::directory_iterator it(node + "/slaves", error), end; !error && it != end; it.increment(error)) {
        if (const auto lower = ExistingFolder(it->path().string());
            lower && IsRemovableNode(*lower, depth + 1)) {
            return true;
        }
    }
    return false;
}

}  // namespace orbilo::platform
