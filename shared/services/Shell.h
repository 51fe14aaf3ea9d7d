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
    // Opens a folder in the desktop's file manager. The Windows backend starts the Windows
    // folder's "explorer.exe " followed by the folder; elsewhere the folder is opened by its
    // association, which is what Run does.
    virtual void OpenFolder(const std::string& folder) { Run(folder); }
    // The shell's "open" verb on a link; false when the shell reports failure.
    virtual bool OpenLink(const std::string& link) = 0;
    // Opens a control panel applet by its lower-case key ("datetime", "mouse", ...). The Windows
    // backend starts the system's command line for it as given; other systems open their own
    // settings panel. Throws when the applet has no equivalent here or cannot be started.
    virtual void OpenPanelApplet(const std::string& key, const std::string& windowsCommandLine) = 0;
    // Places a call through the system's assisted telephony: 0 on success, -2 when no dialing
    // application is available, -3 when its queue is full, -4 for an invalid number, any other
    // value for another failure.
    virtual int Dial(const std::string& number, const std::string& requestingApplication) = 0;
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
