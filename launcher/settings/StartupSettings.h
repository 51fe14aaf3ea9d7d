// The user's settings as the start-up reads them, once per run: from the per-user store on a
// fixed disk, from the media (or, at its first start there, from this computer) on removable media.
#pragma once

#include "settings/MediaSettings.h"
#include "settings/PerUserSettings.h"
#include "settings/ProgFiles.h"
#include "startup/Context.h"

namespace orbilo {

class FileSystem;
class Messages;
class SettingsStore;

class StartupSettings {
  public:
    StartupSettings(Context& ctx, FileSystem& fileSystem, SettingsStore& settings, Messages& messages);

    // Fixed mode: NickName, the data folder created when missing, then UserPic and PicCaption.
    // Returns FirstStart, which it also sets: true exactly when no NickName was stored yet (the
    // name prompt that follows always stores one, whichever button the user presses).
    bool OnRestSettingsRead();
    // Removable mode: the settings from the media, or at the first start on this media from this
    // computer, written to the media. Sets FirstStart when the media settings file is missing.
    // True when that file could not be created: the start must stop with
    // "MessageMediaCreateError".
    [[nodiscard]] bool OnMoveSettingsRead();

  private:
    void CreateDataFolder();

    Context& m_ctx;
    ProgFiles m_progFiles;
    PerUserSettings m_perUser;
    MediaSettings m_media;
};

}  // namespace orbilo
