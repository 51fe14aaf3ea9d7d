#include "settings/StartupSettings.h"

#include "services/FileSystem.h"

namespace orbilo {

StartupSettings::StartupSettings(Context& ctx, FileSystem& fileSystem, SettingsStore& settings,
                                 Messages& messages)
    : m_ctx(ctx),
      m_progFiles(fileSystem, messages),
      m_perUser(ctx, settings, fileSystem, messages),
      m_media(ctx, fileSystem, messages) {}

void StartupSettings::CreateDataFolder() {
    // DataFolder is ProgramFolder followed by the program name.
    m_progFiles.ProgFolderCreatePub(m_ctx.location.ProgramFolder, m_ctx.app.programName);
}

bool StartupSettings::OnRestSettingsRead() {
    m_perUser.ProgSettingGet();
    if (!m_progFiles.ProgFolderExistPub(m_ctx.location.ProgramFolder, m_ctx.app.programName)) {
        CreateDataFolder();
    }
    m_perUser.ProgUserPicGet();
    m_ctx.FirstStart = m_ctx.user.NickName.empty();
    return m_ctx.FirstStart;
}

bool StartupSettings::OnMoveSettingsRead() {
    const bool dataFolderExists =
        m_progFiles.ProgFolderExistPub(m_ctx.location.ProgramFolder, m_ctx.app.programName);
    const bool mediaSettingsExist = m_progFiles.ProgFileExistPub(m_ctx.files.mediaSettings);
    m_ctx.FirstStart = !mediaSettingsExist;

    if (mediaSettingsExist) {
        if (m_progFiles.ProgFileExistPub(m_media.PictureRecordPath())) m_media.MediaUserPicGet();
        m_media.MediaSettingGet();
    }

    if (!dataFolderExists) CreateDataFolder();

    if (mediaSettingsExist) return false;
    // First start on this media: what this computer knows of the user goes with the media.
    m_perUser.ProgSettingGet();
    m_perUser.ProgUserPicGet();
    if (!m_ctx.user.UserPic.empty()) m_media.MediaUserPicCreate();
    return !m_media.MediaSettingCreate();
}

}  // namespace orbilo
