// The launcher's small file and folder operations. Each catches the platform's failure,
// shows the bug report under its own name and returns its neutral value, so callers go on.
#pragma once

#include <string>

namespace orbilo {

class FileSystem;
class Messages;

class ProgFiles {
  public:
    ProgFiles(FileSystem& fileSystem, Messages& messages) : m_fileSystem(fileSystem), m_messages(messages) {}

    bool ProgFileExistPub(const std::string& path);
    // Whether the folder formed by folder followed by name exists.
    bool ProgFolderExistPub(const std::string& folder, const std::string& name);
    // Creates the folder formed by folder followed by name.
    void ProgFolderCreatePub(const std::string& folder, const std::string& name);
    // The first three characters of the version text read as a number (1.2.0.0 gives 1.2);
    // 0 when the text has three characters or fewer.
    float ProgFileVersionPub(const std::string& path);

  private:
    FileSystem& m_fileSystem;
    Messages& m_messages;
};

}  // namespace orbilo
