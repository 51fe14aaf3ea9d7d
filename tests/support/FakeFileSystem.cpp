#include "FakeFileSystem.h"

#include "services/ServiceError.h"

namespace orbilo::test {

void FakeFileSystem::AddDrive(const std::string& root, int typeCode, const std::string& letter) {
    m_drives.push_back({root, DriveInfo{typeCode, letter}});
}

std::string FakeFileSystem::Trimmed(const std::string& folder) {
    if (folder.size() > 1 && folder.back() == '/') return folder.substr(0, folder.size() - 1);
    return folder;
}

void FakeFileSystem::AddFolder(const std::string& path) {
    m_folders.insert(Trimmed(path));
}

void FakeFileSystem::AddFile(const std::string& path, const std::string& content) {
    m_files[path] = content;
}

bool FakeFileSystem::HasFolder(const std::string& path) const {
    return m_folders.count(Trimmed(path)) != 0;
}

std::string FakeFileSystem::Content(const std::string& path) const {
    const auto it = m_files.find(path);
    return it == m_files.end() ? std::string() : it->second;
}

void FakeFileSystem::MaybeFail(const std::string& operation) const {
    if (m_failing.count(operation) != 0) throw ServiceError(operation + " failed (injected)");
}

std::string FakeFileSystem::GetDriveName(const std::string& path) {
    MaybeFail("GetDriveName");
    const Drive* best = nullptr;
    for (const auto& drive : m_drives) {
        if (path.rfind(drive.root, 0) == 0 && (best == nullptr || drive.root.size() > best->root.size())) {
            best = &drive;
        }
    }
    if (best == nullptr) throw ServiceError("no drive holds " + path);
    return best->root;
}

DriveInfo FakeFileSystem::GetDrive(const std::string& driveName) {
    MaybeFail("GetDrive");
    for (const auto& drive : m_drives) {
        if (drive.root == driveName) return drive.info;
    }
    throw ServiceError("no drive " + driveName);
}

bool FakeFileSystem::FileExists(const std::string& path) {
    MaybeFail("FileExists");
    return HasFile(path);
}

bool FakeFileSystem::IsProgramFile(const std::string& path) {
    MaybeFail("IsProgramFile");
    if (!HasFile(path)) return false;
    const bool suffix = path.size() >= 4 && path.compare(path.size() - 4, 4, ".bin") == 0;
    return suffix || m_programs.count(path) != 0;
}

bool FakeFileSystem::FolderExists(const std::string& path) {
    MaybeFail("FolderExists");
    return HasFolder(path);
}

void FakeFileSystem::CreateFolder(const std::string& path) {
    MaybeFail("CreateFolder");
    m_folders.insert(Trimmed(path));
    m_createdFolders.push_back(path);
}

void FakeFileSystem::SetFolderHidden(const std::string& path) {
    MaybeFail("SetFolderHidden");
    hiddenFolders.insert(Trimmed(path));
}

std::string FakeFileSystem::GetFileVersion(const std::string& path) {
    MaybeFail("GetFileVersion");
    const auto it = versions.find(path);
    return it == versions.end() ? std::string() : it->second;
}

void FakeFileSystem::CopyFile(const std::string& source, const std::string& destination, bool overwrite) {
    MaybeFail("CopyFile");
    if (!HasFile(source)) throw ServiceError("no file " + source);
    if (!overwrite && HasFile(destination)) throw ServiceError("exists " + destination);
    m_files[destination] = m_files[source];
}

std::string FakeFileSystem::ReadFile(const std::string& path) {
    MaybeFail("ReadFile");
    const auto it = m_files.find(path);
    if (it == m_files.end()) throw ServiceError("no file " + path);
    return it->second;
}

void FakeFileSystem::WriteFile(const std::string& path, const std::string& content) {
    MaybeFail("WriteFile");
    m_files[path] = content;
    m_writtenFiles.push_back(path);
}

}  // namespace orbilo::test
