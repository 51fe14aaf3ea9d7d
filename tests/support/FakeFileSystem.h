// An in-memory file system with a table of drives, for logic tests.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "services/FileSystem.h"

namespace orbilo::test {

class FakeFileSystem : public FileSystem {
  public:
    // A drive covers every path that begins with its root (longest root wins).
    void AddDrive(const std::string& root, int typeCode, const std::string& letter);
    void AddFolder(const std::string& path);
    void AddFile(const std::string& path, const std::string& content = {});
    // Makes the named operation ("GetDrive", "CreateFolder", "FileExists", ...) throw.
    void FailOn(const std::string& operation) { m_failing.insert(operation); }

    bool HasFolder(const std::string& path) const;
    bool HasFile(const std::string& path) const { return m_files.count(path) != 0; }
    std::string Content(const std::string& path) const;
    const std::vector<std::string>& CreatedFolders() const { return m_createdFolders; }
    const std::vector<std::string>& WrittenFiles() const { return m_writtenFiles; }

    char Separator() const override { return '/'; }
    std::string GetDriveName(const std::string& path) override;
    DriveInfo GetDrive(const std::string& driveName) override;
    bool FileExists(const std::string& path) override;
    // A program file here: an existing file with the suffix ".bin" or marked with MarkProgram.
    bool IsProgramFile(const std::string& path) override;
    void MarkProgram(const std::string& path) { m_programs.insert(path); }
    bool FolderExists(const std::string& path) override;
    void CreateFolder(const std::string& path) override;
    void SetFolderHidden(const std::string& path) override;
    std::string GetFileVersion(const std::string& path) override;
    void CopyFile(const std::string& source, const std::string& destination, bool overwrite) override;
    std::string ReadFile(const std::string& path) override;
    void WriteFile(const std::string& path, const std::string& content) override;

    std::map<std::string, std::string> versions;  // path -> version text
    std::set<std::string> hiddenFolders;

  private:
    struct Drive {
        std::string root;
        DriveInfo info;
    };
    void MaybeFail(const std::string& operation) const;
    static std::string Trimmed(const std::string& folder);

    std::vector<Drive> m_drives;
    std::set<std::string> m_folders;
    std::map<std::string, std::string> m_files;
    std::set<std::string> m_failing;
    std::set<std::string> m_programs;
    std::vector<std::string> m_createdFolders;
    std::vector<std::string> m_writtenFiles;
};

}  // namespace orbilo::test
