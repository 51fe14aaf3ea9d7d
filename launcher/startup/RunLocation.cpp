#include "startup/RunLocation.h"

#include "format/DriveClassification.h"
#include "messages/MessageIds.h"
#include "messages/Messages.h"
#include "services/FileSystem.h"
#include "services/ServiceError.h"

namespace orbilo {

std::string UpperCased(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string RunLocation::WithSeparator(std::string folder) const {
    if (folder.empty() || folder.back() != m_fileSystem.Separator()) folder += m_fileSystem.Separator();
    return folder;
}

void RunLocation::FixStartLocation(const std::string& currentDirectory) {
    Location& location = m_ctx.location;
    location.StartFolder = WithSeparator(currentDirectory);
    location.DriveRoot.clear();
    location.MediaDriveLetter.clear();
    location.MediaDriveLetterUpper.clear();
    try {
        location.DriveRoot = DriveRootOf(m_fileSystem, location.StartFolder);
        location.MediaDriveLetter =
            m_fileSystem.GetDrive(m_fileSystem.GetDriveName(location.StartFolder)).letter;
        location.MediaDriveLetterUpper = UpperCased(location.MediaDriveLetter);
    } catch (const ServiceError&) {
        // The drive classification that follows examines the drive again and tells the user.
    }
}

std::string RunLocation::DriveTypeName(const std::string& path) {
    const auto code = ExamineDriveType(m_fileSystem, path);
    if (!code) {
        m_ctx.message.MessageID = kMessageNeedSriptRuntime;
        m_messages.ShowStartupMessage();
        return kDriveNotDetermined;
    }
    return DriveTypeNameOf(*code);
}

void RunLocation::SetDataPaths() {
    Location& location = m_ctx.location;
    const char separator = m_fileSystem.Separator();
    location.DataFolder = location.ProgramFolder + m_ctx.app.programName;
    const auto path = [&](const char* name) {
        return location.DataFolder + separator + name + kDataFileExtension;
    };

    DataFiles files;
    files.settings = path("Set");
    files.listFile = path("ListFile");
    files.listFold = path("ListFold");
    files.listProg = path("ListProg");
    files.listWeb = path("ListWeb");
    if (location.RemovableMode) {
        files.mediaSettings = path("MediaSet");
        files.machine = path("Machine");
        files.machineFile = path("MachineFile");
        files.machineFold = path("MachineFold");
        files.machineProg = path("MachineProg");
        location.MakerFolder = location.DriveRoot + "Korrin" + separator;
    } else {
        location.MakerFolder.clear();
    }
    m_ctx.files = files;
}

}  // namespace orbilo
