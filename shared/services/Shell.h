// The shell's services: starting command lines, opening documents, web addresses and mail
// links by association, special folders, shortcuts and the start-up registration values.
// Every operation may throw ServiceError.
#pragma once

#include <string>

namespace orbilo {

struct ShortcutSpec {
    std::string shortcutPath;  // Windows: "...\Orbilo.lnk"; Linux: ".../Orbilo.desktop"
    std::string targetPath;
    std::string workingDirectory;
    std::string iconLocation;
    std::string description;
    std::string hotkey;  // for example "CTRL+SHIFT+L"
    int windowStyle = 1;
};

class Shell {
  public:
    virtual ~Shell() = default;

    // Starts a command line (program and arguments) with a normal window, without waiting.
    virtual void StartCommandLine(const std::string& commandLine) = 0;
    // Opens a document path, web address or mail link by its association, without waiting.
    virtual void Run(const std::string& target) = 0;
    // The shell's "open" verb on a link; false when the shell reports failure.
    virtual bool OpenLink(const std::string& link) = 0;
    // Full path of a special folder by its system name; empty for a name it does not know.
    virtual std::string SpecialFolder(const std::string& name) = 0;
    virtual void CreateShortcut(const ShortcutSpec& shortcut) = 0;

    // Registry values by full path, for example the start-up registration
    // "HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Run\KorrinsLauncher".
    // RegRead throws when the value is absent.
    virtual std::string RegRead(const std::string& valuePath) = 0;
    virtual void RegWrite(const std::string& valuePath, const std::string& value) = 0;
    virtual void RegDelete(const std::string& valuePath) = 0;
};

}  // namespace orbilo
