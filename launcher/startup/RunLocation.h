// Where the launcher runs from and where its data lives: the start folder and its drive, the
// classification of that drive, and the data folder with the paths of every data file.
#pragma once

#include <string>

#include "startup/Context.h"

namespace orbilo {

class FileSystem;
class Messages;

inline constexpr const char* kDataFileExtension = ".Korrin";

class RunLocation {
  public:
    RunLocation(Context& ctx, FileSystem& fileSystem, Messages& messages)
        : m_ctx(ctx), m_fileSystem(fileSystem), m_messages(messages) {}

    // StartFolder from the current directory, then DriveRoot and MediaDriveLetter. A drive that
    // cannot be examined leaves DriveRoot and MediaDriveLetter empty; the classification
    // reports it.
    void FixStartLocation(const std::string& currentDirectory);

    // The drive type name of the drive holding the path. When the drive cannot be examined,
    // shows "MessageNeedSriptRuntime" and answers "NotDetermined".
    std::string DriveTypeName(const std::string& path);

    // DataFolder from ProgramFolder, and the data file paths of the run mode (and MakerFolder
    // in removable mode).
    void SetDataPaths();

  private:
    std::string WithSeparator(std::string folder) const;

    Context& m_ctx;
    FileSystem& m_fileSystem;
    Messages& m_messages;
};

// ASCII letters upper-cased, every other byte kept: the comparisons of folder names.
std::string UpperCased(const std::string& text);

}  // namespace orbilo
