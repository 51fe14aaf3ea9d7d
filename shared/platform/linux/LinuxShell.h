// The shell's services on Linux: programs start through posix_spawnp, documents and links open
// through xdg-open, control panel applets are the desktop's settings panels, calls go to the
// registered tel: handler, special folders are the XDG user dirs and freedesktop places,
// shortcuts are .desktop launchers, and the start-up registration is an XDG autostart entry.
#pragma once

#include <string>

#include "services/Shell.h"

namespace orbilo::platform {

class LinuxShell : public Shell {
  public:
    // The registry key whose values are realised, as autostart entries; all others are refused.
    static constexpr const char* kStartupKey =
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

    void StartCommandLine(const std::string& commandLine) override;
    void Run(const std::string& target) override;
    bool OpenLink(const std::string& link) override;
    void OpenPanelApplet(const std::string& key, const std::string& windowsCommandLine) override;
    int Dial(const std::string& number, const std::string& requestingApplication) override;
    std::string SpecialFolder(const std::string& name) override;
    void CreateShortcut(const ShortcutSpec& shortcut) override;
    std::string RegRead(const std::string& valuePath) override;
    void RegWrite(const std::string& valuePath, const std::string& value) override;
    void RegDelete(const std::string& valuePath) override;

    // The autostart entry that realises a start-up value; throws ServiceError for any other key.
    static std::string AutostartEntryPath(const std::string& valuePath);
};

}  // namespace orbilo::platform
