#include "settings/HomeMachine.h"

#include <cmath>
#include <cstdint>

#include "format/LineFormat.h"
#include "messages/Messages.h"
#include "services/FileSystem.h"
#include "services/Management.h"
#include "services/ServiceError.h"
#include "startup/RunLocation.h"

namespace orbilo {

namespace {

constexpr int kFixedDrive = 2;
// Sizes are whole bytes; anything from 2^63 on could not be written as plain digits.
constexpr double kLargestSize = 9223372036854775807.0;

}  // namespace

bool HomeMachine::DeclareOwnerOnMedia(const std::string& identityFile) {
    DiskIdentity here;
    std::string content;
    try {
        content = m_fileSystem.ReadFile(identityFile);
    } catch (const ServiceError&) {
        m_messages.ReportBug("DeclareOwnerOnMedia");
        return false;
    }
    LineReader reader(content);
    const auto driveType = reader.ReadNumber();
    const auto serial = reader.ReadText();
    const auto size = reader.ReadNumber();
    // A spoilt file is no fault of the program: it simply names no computer.
    if (!driveType || !serial || !size) return false;

    try {
        here = m_management.SystemDisk();
    } catch (const ServiceError&) {
        m_messages.ReportBug("DeclareOwnerOnMedia");
        return false;
    }
    if (*driveType != here.driveType) return false;
    if (*serial != here.volumeSerialNumber) return false;
    return static_cast<double>(*size) == here.size;
}

void HomeMachine::ReadAtStart() {
    HomeMachineState& home = m_ctx.home;
    home.MachineFileMissing = false;
    home.HomeMachine = false;
    if (!m_ctx.location.RemovableMode) return;
    bool exists = false;
    try {
        exists = m_fileSystem.FileExists(m_ctx.files.machine);
    } catch (const ServiceError&) {
        // Not knowing whether a home machine was named must not invite naming another one over
        // it: this computer is taken for a stranger.
        m_messages.ReportBug("ProgFileExistPub");
        return;
    }
    home.MachineFileMissing = !exists;
    if (exists) home.HomeMachine = DeclareOwnerOnMedia(m_ctx.files.machine);
}

bool HomeMachine::RememberMyComputer() {
    bool saved = false;
    if (!m_ctx.files.machine.empty()) {
        try {
            const DiskIdentity here = m_management.SystemDisk();
            if (std::isfinite(here.size) && here.size >= 0.0 && here.size < kLargestSize) {
                const std::string content = FormatLine({static_cast<std::int64_t>(here.driveType)}) +
                                            FormatLine({here.volumeSerialNumber}) +
                                            FormatLine({static_cast<std::int64_t>(std::llround(here.size))});
                m_fileSystem.WriteFile(m_ctx.files.machine, content);
                saved = true;
            }
        } catch (const ServiceError&) {
            saved = false;
        }
    }
    if (!saved) {
        m_ctx.message.PlainText = kRememberMyComputerFailed;
        m_messages.ShowPlainMessage();
        return false;
    }
    m_ctx.home.MachineFileMissing = false;
    m_ctx.home.HomeMachine = true;
    return true;
}

std::string HomeMachine::CheckDrivePermission(const std::string& path) {
    HomeMachineState& home = m_ctx.home;
    int driveType = home.PickedDriveType != -1 ? home.PickedDriveType : home.BrowseDriveType;
    home.PickedDriveType = -1;

    std::string driveLetter;
    bool examined = true;
    try {
        driveLetter = UpperCased(m_fileSystem.GetDrive(m_fileSystem.GetDriveName(path)).letter);
    } catch (const ServiceError&) {
        examined = false;
    }
    if (examined && !driveLetter.empty() && driveLetter == m_ctx.location.MediaDriveLetterUpper) return {};
    // A drive nobody can examine is no fixed disk as far as this rule knows.
    if (!examined) driveType = 0;

    if (!m_ctx.location.RemovableMode) return driveType == kFixedDrive ? std::string() : kRefusalNotFixedDisk;

    std::string refusal;
    if (home.MachineFileMissing) {
        refusal = kRefusalNoHomeMachine;
    } else if (home.HomeMachine) {
        if (driveType == kFixedDrive) return {};
        refusal = kRefusalHomeNotFixedDisk;
    } else {
        refusal = kRefusalNotHomeMachine;
    }
    // Once the refusal for want of a home machine is closed, Remember My Computer becomes usable.
    m_ctx.message.ReEnableRemember = home.MachineFileMissing;
    return refusal;
}

}  // namespace orbilo
