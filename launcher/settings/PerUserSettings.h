// The user's name and picture as this computer's per-user settings store holds them.
#pragma once

#include <string>

#include "startup/Context.h"

namespace orbilo {

class FileSystem;
class Messages;
class SettingsStore;

// The folder part of a path, with its separator; empty when the path has no separator.
std::string FolderOf(const std::string& path, char separator);

class PerUserSettings {
  public:
    PerUserSettings(Context& ctx, SettingsStore& settings, FileSystem& fileSystem, Messages& messages)
        : m_ctx(ctx), m_settings(settings), m_fileSystem(fileSystem), m_messages(messages) {}

    // NickName from the store into ctx.user; empty (after the bug report) when the store fails.
    std::string ProgSettingGet();
    // UserPic and PicCaption from the store into ctx.user. Only a picture file that exists is
    // kept, with its caption, file name and folder; otherwise all four are empty. Returns UserPic.
    std::string ProgUserPicGet();
    // Stores ctx.user.NickName; false when the store cannot be written.
    bool SaveNickName();

  private:
    Context& m_ctx;
    SettingsStore& m_settings;
    FileSystem& m_fileSystem;
    Messages& m_messages;
};

}  // namespace orbilo
