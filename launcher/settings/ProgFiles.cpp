#include "settings/ProgFiles.h"

#include <charconv>

#include "messages/Messages.h"
#include "services/FileSystem.h"
#include "services/ServiceError.h"

namespace orbilo {

bool ProgFiles::ProgFileExistPub(const std::string& path) {
    try {
        return m_fileSystem.FileExists(path);
    } catch (const ServiceError&) {
        m_messages.ReportBug("ProgFileExistPub");
        return false;
    }
}

bool ProgFiles::ProgFolderExistPub(const std::string& folder, const std::string& name) {
    try {
        return m_fileSystem.FolderExists(folder + name);
    } catch (const ServiceError&) {
        m_messages.ReportBug("ProgFolderExistPub");
        return false;
    }
}

void ProgFiles::ProgFolderCreatePub(const std::string& folder, const std::string& name) {
    try {
        m_fileSystem.CreateFolder(folder + name);
    } catch (const ServiceError&) {
        m_messages.ReportBug("ProgFolderCreatePub");
    }
}

float ProgFiles::ProgFileVersionPub(const std::string& path) {
    try {
        const std::string version = m_fileSystem.GetFileVersion(path);
        if (version.size() <= 3) return 0.0f;
        // from_chars ignores the user's locale: "1.2" is one point two everywhere.
        float value = 0.0f;
        const auto result = std::from_chars(version.data(), version.data() + 3, value);
        return result.ec == std::errc() ? value : 0.0f;
    } catch (const ServiceError&) {
        m_messages.ReportBug("ProgFileVersionPub");
        return 0.0f;
    }
}

}  // namespace orbilo
