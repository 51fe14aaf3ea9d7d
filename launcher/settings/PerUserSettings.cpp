#include "settings/PerUserSettings.h"

#include "format/MakerInfo.h"
#include "format/SettingsKeys.h"
#include "messages/Messages.h"
#include "services/FileSystem.h"
#include "services/ServiceError.h"
#include "services/SettingsStore.h"

namespace orbilo {

std::string FolderOf(const std::string& path, char separator) {
    const auto cut = path.find_last_of(separator);
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string PerUserSettings::ProgSettingGet() {
    try {
        m_ctx.user.NickName = m_settings.GetSetting(kSettingsApplication, kUserSection, kNickNameKey);
    } catch (const ServiceError&) {
        m_ctx.user.NickName.clear();
        m_messages.ReportBug("ProgSettingGet");
    }
    return m_ctx.user.NickName;
}

std::string PerUserSettings::ProgUserPicGet() {
    UserSettings& user = m_ctx.user;
    user.ForgetPicture();
    try {
        const std::string picture = m_settings.GetSetting(kSettingsApplication, kUserSection, kUserPicKey);
        if (picture.empty()) return {};
        const std::string caption = m_settings.GetSetting(kSettingsApplication, kUserSection, kPicCaptionKey);
        // A caption without its picture would label an empty frame.
        if (!m_fileSystem.FileExists(picture)) return {};
        user.UserPic = picture;
        user.PicCaption = caption;
        user.UserPicFileName = m_fileSystem.GetFileName(picture);
        user.UserPicFolder = FolderOf(picture, m_fileSystem.Separator());
    } catch (const ServiceError&) {
        m_messages.ReportBug("ProgUserPicGet");
    }
    return user.UserPic;
}

bool PerUserSettings::SaveNickName() {
    try {
        m_settings.SaveSetting(kSettingsApplication, kUserSection, kNickNameKey, m_ctx.user.NickName);
        return true;
    } catch (const ServiceError&) {
        // No report: the name holds for this run, and the prompt simply comes again next start.
        return false;
    }
}

}  // namespace orbilo
