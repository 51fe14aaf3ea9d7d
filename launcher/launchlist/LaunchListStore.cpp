// Loading and saving the list files, one line "name","path" CR LF per item.
#include "launchlist/LaunchListStore.h"

#include <algorithm>
#include <exception>

#include "format/LineFormat.h"
#include "launchlist/MediaPaths.h"
#include "services/FileSystem.h"

namespace orbilo {
namespace {

constexpr Group kDriveGroups[] = {Group::File, Group::Folder, Group::Program};

// The bytes of FormatLine({name, path}), built in place: a value list and two temporary
// strings for each of 131068 lines made the largest save several times slower.
void AppendListLine(std::string& out, const std::string& name, const std::string& path) {
    AppendText(out, name);
    out += ',';
    AppendText(out, path);
    out += kLineEnd;
}

}  // namespace

LaunchListStore::LaunchListStore(Context& ctx, FileSystem& fileSystem)
    : m_ctx(ctx), m_fileSystem(fileSystem) {}

std::size_t LaunchListStore::SlotOf(Group group, bool machine) {
    return static_cast<std::size_t>(group) + (machine ? kGroupCount : 0);
}

std::string LaunchListStore::FilePath(Group group, bool machine) const {
    const DataFiles& files = m_ctx.files;
    switch (group) {
        case Group::Program:
            return machine ? files.machineProg : files.listProg;
        case Group::File:
            return machine ? files.machineFile : files.listFile;
        case Group::Folder:
            return machine ? files.machineFold : files.listFold;
        case Group::Web:
            return machine ? std::string() : files.listWeb;
    }
    return {};
}

int& LaunchListStore::LastIndex(Group group, bool machine) {
    SettingsFileState& settings = m_ctx.settingsFile;
    switch (group) {
        case Group::Program:
            return machine ? settings.MachineProgLast : settings.ListProgLast;
        case Group::File:
            return machine ? settings.MachineFileLast : settings.ListFileLast;
        case Group::Folder:
            return machine ? settings.MachineFoldLast : settings.ListFoldLast;
        case Group::Web:
            break;
    }
    return settings.ListWebLast;
}

void LaunchListStore::Load() {
    for (auto& group : m_ctx.launchList.groups) group.Clear();
    m_records = {};
    m_countedMachineLast.fill(-1);
    m_plannedWrites.clear();
    m_planned = false;

    const bool removable = m_ctx.location.RemovableMode;
    const bool homeMachine = removable && m_ctx.home.HomeMachine;
    LoadFile(Group::Web, false, false);
    for (const Group group : kDriveGroups) {
        LoadFile(group, false, removable);
        if (homeMachine) {
            LoadFile(group, true, false);
        } else if (removable && !m_ctx.settingsFile.readWhole) {
            // The home machine's count is not known here, and the file is not ours to load:
            // count it, so that the settings file written at exit does not hide it.
            const std::string path = FilePath(group, true);
            if (!path.empty()) {
                const int items = static_cast<int>(ReadListFile(path, kMaxGroupItems).names.size());
                m_countedMachineLast[static_cast<std::size_t>(group)] = items - 1;
            }
        }
    }
}

void LaunchListStore::LoadFile(Group group, bool machine, bool mediaForm) {
    const std::string path = FilePath(group, machine);
    if (path.empty()) return;
    int maxItems = kMaxGroupItems;
    int readLast = -1;
    if (m_ctx.settingsFile.readWhole) {
        readLast = LastIndex(group, machine);
        if (readLast < 0) return;
        maxItems = std::min(readLast, kMaxGroupItems - 1) + 1;
    }

    ReadItems read = ReadListFile(path, maxItems);
    FileRecord& record = m_records[SlotOf(group, machine)];
    record.damaged = read.damaged;
    record.readLast = readLast;
    record.parsedItems = static_cast<int>(read.names.size());

    LaunchGroup& target = m_ctx.launchList[group];
    const std::string& mediaDriveLetter = m_ctx.location.MediaDriveLetter;
    for (std::size_t i = 0; i < read.names.size(); ++i) {
        std::string itemPath =
            mediaForm ? ReadMediaPath(read.storedPaths[i], mediaDriveLetter) : std::move(read.storedPaths[i]);
        if (group != Group::Web && !TargetExists(group, itemPath)) continue;
        if (record.damaged) {
            record.kept.names.push_back(read.names[i]);
            record.kept.paths.push_back(itemPath);
        }
        target.AppendLoaded(std::move(read.names[i]), std::move(itemPath));
    }
}

LaunchListStore::ReadItems LaunchListStore::ReadListFile(const std::string& path, int maxItems) {
    ReadItems read;
    std::string content;
    try {
        content = m_fileSystem.ReadFile(path);
    } catch (const std::exception&) {
        // Missing is the usual case. A file that is there but cannot be read (too big, no
        // permission) must not be overwritten by an empty list.
        try {
            read.damaged = m_fileSystem.FileExists(path);
        } catch (const std::exception&) {
            read.damaged = true;
        }
        return read;
    }

    LineReader reader(content);
    while (static_cast<int>(read.names.size()) < maxItems && !reader.AtEnd()) {
        auto name = reader.ReadText();
        auto storedPath = reader.ReadText();
        if (!name || !storedPath) {
            read.damaged = true;
            break;
        }
        read.names.push_back(std::move(*name));
        read.storedPaths.push_back(std::move(*storedPath));
    }
    return read;
}

bool LaunchListStore::TargetExists(Group group, const std::string& path) {
    try {
        return group == Group::Folder ? m_fileSystem.FolderExists(path) : m_fileSystem.FileExists(path);
    } catch (const std::exception&) {
        // Unknown is not missing: dropping the item would delete it from the file at exit.
        return true;
    }
}

void LaunchListStore::SaveCounts(int top, int left) {
    m_ctx.settingsFile.Top = top;
    m_ctx.settingsFile.Left = left;
    PlanSave();
}

void LaunchListStore::WriteListFiles() {
    if (!m_planned) PlanSave();
    for (const PlannedWrite& write : m_plannedWrites) {
        try {
            m_fileSystem.WriteFile(write.path, write.content);
        } catch (const std::exception&) {
            // The program is ending; the previous file is still whole.
        }
    }
    m_plannedWrites.clear();
    m_planned = false;
}

// Decides every count and every file's content at once, so the counts in the settings file
// always describe the list files written after it.
void LaunchListStore::PlanSave() {
    m_plannedWrites.clear();
    m_planned = true;
    const LaunchList& list = m_ctx.launchList;
    const bool removable = m_ctx.location.RemovableMode;
    const std::string& mediaDriveLetter = m_ctx.location.MediaDriveLetter;

    Destine(Group::Web, false, list[Group::Web], false);
    for (const Group group : kDriveGroups) {
        const LaunchGroup& items = list[group];
        if (!removable) {
            Destine(group, false, items, false);
        } else if (!m_ctx.home.HomeMachine) {
            Destine(group, false, items, true);
            // The machine files belong to the home machine; their counts stay as read.
            if (!m_ctx.settingsFile.readWhole) {
                LastIndex(group, true) = m_countedMachineLast[static_cast<std::size_t>(group)];
            }
        } else {
            LaunchGroup onMedia;
            LaunchGroup onMachine;
            for (int i = 0; i < items.Count(); ++i) {
                LaunchGroup& part = LiesOnMedia(items.PathAt(i), mediaDriveLetter) ? onMedia : onMachine;
                part.names.push_back(items.NameAt(i));
                part.paths.push_back(items.PathAt(i));
            }
            Destine(group, false, onMedia, true);
            Destine(group, true, onMachine, false);
        }
    }
}

void LaunchListStore::Destine(Group group, bool machine, const LaunchGroup& items, bool mediaForm) {
    int& last = LastIndex(group, machine);
    const FileRecord& record = m_records[SlotOf(group, machine)];
    if (record.damaged && items == record.kept) {
        // Rewriting would throw away whatever follows the damage; the file and a count that
        // reads at least as far as before stay as they are.
        last = std::max(record.readLast, record.parsedItems - 1);
        return;
    }
    last = items.LastIndex();
    const std::string path = FilePath(group, machine);
    if (items.Empty() || path.empty()) return;

    const std::string& mediaDriveLetter = m_ctx.location.MediaDriveLetter;
    std::size_t size = 0;
    for (int i = 0; i < items.Count(); ++i) size += items.NameAt(i).size() + items.PathAt(i).size() + 7;
    std::string content;
    content.reserve(size);
    for (int i = 0; i < items.Count(); ++i) {
        const std::string& itemPath = items.PathAt(i);
        AppendListLine(content, items.NameAt(i),
                       mediaForm ? StoredMediaPath(itemPath, mediaDriveLetter) : itemPath);
    }
    m_plannedWrites.push_back({path, std::move(content)});
}

}  // namespace orbilo
