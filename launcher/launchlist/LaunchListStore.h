// Reads the Launch List from its list files once at start and writes it back once at exit,
// keeping on-media items apart from the home machine's items on removable media.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "launchlist/LaunchList.h"
#include "startup/Context.h"

namespace orbilo {

class FileSystem;

class LaunchListStore {
  public:
    LaunchListStore(Context& ctx, FileSystem& fileSystem);

    // Fills ctx.launchList from the list files: Web first (no existence test), then File,
    // Folder and Program, keeping only items whose file or folder exists. With a settings file
    // read whole, each file is read as far as its count says; without one the counts are
    // unknown and every file is read to its end, so a lost settings file does not lose the
    // list. An unreadable file or a damaged line ends that file's items, silently.
    void Load();

    // Exit, before the settings file is written: stores the window position and the counts
    // that go with the list files WriteListFiles will write, in ctx.settingsFile.
    void SaveCounts(int top, int left);

    // Exit, after the settings file is written: rewrites each list file whose items are not
    // empty, atomically. A failed write is ignored and leaves the previous file whole.
    void WriteListFiles();

  private:
    // The seven list files: the main file of each group, and the machine files of Program, File
    // and Folder (removable media only).
    static constexpr std::size_t kSlotCount = kGroupCount + 3;
    static std::size_t SlotOf(Group group, bool machine);

    // What reading one file gave, kept so that a damaged file the user has not touched since
    // is left on disk as it is.
    struct FileRecord {
        bool damaged = false;  // reading stopped at something that is not an item
        int readLast = -1;     // the count it was read with; -1 when read to its end
        int parsedItems = 0;   // items read before the damage, existing or not
        LaunchGroup kept;      // the items it gave, as they are in memory (damaged files only)
    };

    struct ReadItems {
        std::vector<std::string> names;
        std::vector<std::string> storedPaths;
        bool damaged = false;
    };

    struct PlannedWrite {
        std::string path;
        std::string content;
    };

    std::string FilePath(Group group, bool machine) const;
    int& LastIndex(Group group, bool machine);
    void LoadFile(Group group, bool machine, bool mediaForm);
    ReadItems ReadListFile(const std::string& path, int maxItems);
    bool TargetExists(Group group, const std::string& path);
    void PlanSave();
    void Destine(Group group, bool machine, const LaunchGroup& items, bool mediaForm);

    Context& m_ctx;
    FileSystem& m_fileSystem;
    std::array<FileRecord, kSlotCount> m_records;
    // Machine counts to keep on a computer that is not the home machine when the settings file
    // could not tell them: counted from the machine files at load.
    std::array<int, kGroupCount> m_countedMachineLast{-1, -1, -1, -1};
    std::vector<PlannedWrite> m_plannedWrites;
    bool m_planned = false;
};

}  // namespace orbilo
