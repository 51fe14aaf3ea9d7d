#include "settings/MediaSettings.h"

#include <optional>
#include <string_view>

#include "format/LineFormat.h"
#include "messages/Messages.h"
#include "services/FileSystem.h"
#include "services/ServiceError.h"
#include "settings/PerUserSettings.h"

namespace orbilo {

namespace {

std::string WithoutTrailingSeparator(std::string folder, char separator) {
    while (folder.size() > 1 && folder.back() == separator) folder.pop_back();
    return folder;
}

}  // namespace

std::string MediaSettings::PictureRecordPath() const {
    return m_ctx.location.MakerFolder + kMediaPictureFileName;
}

bool MediaSettings::MediaSettingCreate() {
    const std::string content = FormatLine({std::string(kMediaSettingsHeader)}) +
                                FormatLine({std::string(kMediaNickNamePrefix) + m_ctx.user.NickName});
    try {
        m_fileSystem.WriteFile(m_ctx.files.mediaSettings, content);
        return true;
    } catch (const ServiceError&) {
        m_messages.ReportBug("MediaSettingCreate");
        return false;
    }
}

void MediaSettings::MediaSettingGet() {
    std::string content;
    try {
        content = m_fileSystem.ReadFile(m_ctx.files.mediaSettings);
    } catch (const ServiceError&) {
        m_messages.ReportBug("MediaSettingGet");
        return;
    }
    LineReader reader(content);
    const auto header = reader.ReadText();
    const auto nameLine = reader.ReadText();
    const std::string_view prefix = kMediaNickNamePrefix;
    // A file edited by hand or spoilt is left alone: the user is greeted without a name rather
    // than with some fragment of it, and the file is never rewritten behind their back.
    if (!header || *header != kMediaSettingsHeader || !nameLine || !nameLine->starts_with(prefix)) {
        m_ctx.user.NickName.clear();
        return;
    }
    m_ctx.user.NickName = nameLine->substr(prefix.size());
}

void MediaSettings::MediaUserPicCreate() {
    const UserSettings& user = m_ctx.user;
    // Nothing to carry: the start-up only asks for a copy when there is a picture.
    if (user.UserPic.empty()) return;
    const char separator = m_fileSystem.Separator();
    const std::string fileName = m_fileSystem.GetFileName(user.UserPic);
    const std::string& makerFolder = m_ctx.location.MakerFolder;
    try {
        if (!m_fileSystem.FolderExists(makerFolder)) {
            m_fileSystem.CreateFolder(WithoutTrailingSeparator(makerFolder, separator));
        }
        const std::string copy = makerFolder + fileName;
        if (copy != user.UserPic) m_fileSystem.CopyFile(user.UserPic, copy, true);
        m_fileSystem.WriteFile(PictureRecordPath(), FormatLine({user.PicCaption}) + FormatLine({fileName}));
    } catch (const ServiceError&) {
        m_messages.ReportBug("MediaUserPicCreate");
    }
}

std::string MediaSettings::MediaUserPicGet() {
    UserSettings& user = m_ctx.user;
    user.ForgetPicture();
    try {
        const std::string content = m_fileSystem.ReadFile(PictureRecordPath());
        LineReader reader(content);
        const auto caption = reader.ReadText();
        const auto fileName = reader.ReadText();
        // Only a bare file name may come from the record: anything with a separator could point
        // out of the maker's folder.
        if (!caption || !fileName || fileName->empty() ||
            fileName->find_first_of("/\\") != std::string::npos) {
            return {};
        }
        const std::string picture = m_ctx.location.MakerFolder + *fileName;
        if (!m_fileSystem.FileExists(picture)) return {};
        user.UserPic = picture;
        user.PicCaption = *caption;
        user.UserPicFileName = *fileName;
        user.UserPicFolder = m_ctx.location.MakerFolder;
    } catch (const ServiceError&) {
        m_messages.ReportBug("MediaUserPicGet");
    }
    return user.UserPic;
}

}  // namespace orbilo
