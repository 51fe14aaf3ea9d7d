// The Launch List in memory: four groups, each two parallel lists of Launch Names and Launch
// Paths addressed by position from 0, in loading order followed by additions. Never sorted.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
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
    bool Full() const { return Count() >= kMaxGroupItems; }
    bool Holds(int position) const { return position >= 0 && position < Count(); }
    // Changes with every Append, Rename, Remove and Clear, to a value no group had before, so a
    // reader that keeps something derived from the names (autocompletion's lower-cased index)
    // knows when to rebuild it.
    std::uint64_t Revision() const { return m_revision; }

    // Out-of-range positions answer an empty text: a stale position never crashes a caller.
    const std::string& NameAt(int position) const {
        return Holds(position) ? names[Index(position)] : Nothing();
    }
    const std::string& PathAt(int position) const {
        return Holds(position) ? paths[Index(position)] : Nothing();
    }

    // Adds at the end; false (and nothing added) when the group is full.
    bool Append(std::string name, std::string path) {
        if (Full()) return false;
        names.push_back(std::move(name));
        paths.push_back(std::move(path));
        Touch();
        return true;
    }
    // Adds a loaded item whatever the count: on the home machine the main and machine files
    // together may hold more than one file can, and nothing read may be dropped.
    void AppendLoaded(std::string name, std::string path) {
        names.push_back(std::move(name));
        paths.push_back(std::move(path));
        Touch();
    }
    // The path and the position stay, so a completion that points here still finds its item.
    bool Rename(int position, std::string name) {
        if (!Holds(position)) return false;
        names[Index(position)] = std::move(name);
        Touch();
        return true;
    }
    // Later items move up by one.
    bool Remove(int position) {
        if (!Holds(position)) return false;
        names.erase(names.begin() + position);
        paths.erase(paths.begin() + position);
        Touch();
        return true;
    }
    void Clear() {
        names.clear();
        paths.clear();
        Touch();
    }
    // Content only: two groups with the same items are equal whatever their history.
    bool operator==(const LaunchGroup& other) const { return names == other.names && paths == other.paths; }

  private:
    void Touch() {
        // One counter for all groups, so a revision stands for one content even when groups
        // are copied over each other.
        static std::atomic<std::uint64_t> lastRevision{0};
        m_revision = ++lastRevision;
    }
    static std::size_t Index(int position) { return static_cast<std::size_t>(position); }
    static const std::string& Nothing() {
        static const std::string kNothing;
        return kNothing;
    }

    std::uint64_t m_revision = 0;
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

    // What the interpreter, autocompletion and the boxes read.
    int Count(Group group) const { return (*this)[group].Count(); }
    const std::string& NameAt(Group group, int position) const { return (*this)[group].NameAt(position); }
    const std::string& PathAt(Group group, int position) const { return (*this)[group].PathAt(position); }
};

}  // namespace orbilo
