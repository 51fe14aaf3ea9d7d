// What travels with the launcher on removable media: the user's name in the media settings
// file, and the user's picture copied into the maker's folder with its caption.
#pragma once

#include <string>

#include "startup/Context.h"

namespace orbilo {

class FileSystem;
class Messages;

inline constexpr const char* kMediaSettingsHeader = "Important - Do Not Edit.";
inline constexpr const char* kMediaNickNamePrefix = "Nick Name - ";
// The caption and file name of the picture copied to the media, in MakerFolder.
inline constexpr const char* kMediaPictureFileName = "JapaBatsa.Korrin";

class MediaSettings {
  public:
    MediaSettings(Context& ctx, FileSystem& fileSystem, Messages& messages)
        : m_ctx(ctx), m_fileSystem(fileSystem), m_messages(messages) {}

    // Writes the media settings file with ctx.user.NickName; false (after the bug report) when it
    // cannot be written.
    bool MediaSettingCreate();
    // NickName from the media settings file. A file that is not in the launcher's shape leaves
    // NickName empty and stays as it is on the media.
    void MediaSettingGet();
    // Copies UserPic into MakerFolder under its own name (creating the folder when missing) and
    // records its caption and file name beside it.
    void MediaUserPicCreate();
    // The copy of the picture on the media, with PicCaption, file name and folder set in
    // ctx.user; empty (and no caption) when the record or the copy is missing.
    std::string MediaUserPicGet();

    std::string PictureRecordPath() const;

  private:
    Context& m_ctx;
    FileSystem& m_fileSystem;
    Messages& m_messages;
};

}  // namespace orbilo
