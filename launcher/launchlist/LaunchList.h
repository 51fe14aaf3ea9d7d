// The Launch List in memory: four groups, each two parallel lists of Launch Names and Launch
// Paths addressed by position from 0, in loading order followed by additions. Never sorted.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace orbilo {

enum class Group { Program = 0, File = 1, Folder = 2, Web = 3 };

inline constexpr std::size_t kGroupCount = 4;
// A group's size is stored as its last index in a signed 16-bit value.
inline constexpr int kMaxGroupItems = 32767;

struct LaunchGroup {
    std::vector<std::string> names;
    std::vector<std::string> paths;

    int Count() const { return static_cast<int>(names.size()); }
    int LastIndex() const { return Count() - 1; }
    bool Empty() const { return names.empty(); }
};

struct LaunchList {
    std::array<LaunchGroup, kGroupCount> groups;

    LaunchGroup& operator[](Group group) { return groups[static_cast<std::size_t>(group)]; }
    const LaunchGroup& operator[](Group group) const { return groups[static_cast<std::size_t>(group)]; }
    bool AllEmpty() const {
        for (const auto& group : groups) {
            if (!group.Empty()) return false;
        }
        return true;
    }
};

}  // namespace orbilo
