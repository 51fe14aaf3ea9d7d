// The one home computer of a launcher on removable media: its identity file, the comparison
// at start, Remember My Computer, and the rule for which paths may join the Launch List.
#pragma once

#include <string>

#include "startup/Context.h"

namespace orbilo {

class FileSystem;
class Management;
class Messages;

// The refusals of the add rule: F1 on a fixed disk, R1 to R3 on removable media; paragraphs are
// parted by two line breaks.
inline constexpr const char* kRefusalNotFixedDisk =
    "You can add Program, File and Folder to Launch List only if those are in a fixed Hard Disk. "
    "This one, that you are trying to add, doesn't seems to be on a fixed Hard Disk.";
inline constexpr const char* kRefusalNoHomeMachine =
    "While Orbilo runs from a Removable Media - it can add Program, File and Folder to Launch List "
    "only from it's own Drive and from fixed Hard Drive of only one selected machine."
    "\r\n\r\n"
    "The selected machine need to be identified first."
    "\r\n\r\n"
    "If this is the machine from which you want to add items to Launch List then please close this "
    "window by clicking 'OK' button and then in the main window click on 'Preferences' button and "
    "then on 'Remember My Computer' button in the Preferences box."
    "\r\n\r\n"
    "After doing so you should be able to add items to Launch List from this machine if those items "
    "are on a fixed Hard Disk.";
inline constexpr const char* kRefusalHomeNotFixedDisk =
    "From this machine you can add Program, File and Folder to Launch List but only if those are on "
    "a fixed Hard Disk. This one, that you are trying to add, doesn't seems to be on a fixed Hard "
    "Disk.";
inline constexpr const char* kRefusalNotHomeMachine =
    "While Orbilo runs from a Removable Media - Program File and Folder if not on the same Media "
    "with Orbilo, can be added to Launch List only From one machine."
    "\r\n\r\n"
    "You have already indentifed a machine from which to add to Launch List. This is not that "
    "machine.";
inline constexpr const char* kRememberMyComputerFailed =
    "Could not save data for identifying this machine. Reason undetermined";

class HomeMachine {
  public:
    HomeMachine(Context& ctx, FileSystem& fileSystem, Management& management, Messages& messages)
        : m_ctx(ctx), m_fileSystem(fileSystem), m_management(management), m_messages(messages) {}

    // Whether this computer has the identity stored in the file. A damaged file means a stranger;
    // a computer that cannot be examined is reported and counts as a stranger too.
    bool DeclareOwnerOnMedia(const std::string& identityFile);
    // Removable mode: MachineFileMissing and HomeMachine for this computer. In fixed mode both
    // stay false.
    void ReadAtStart();
    // Records this computer as the home machine. On success MachineFileMissing becomes false and
    // HomeMachine true; on failure the plain message is shown and nothing changes. Returns
    // whether it succeeded (the Preferences box then disables its button).
    bool RememberMyComputer();
    // The add rule for a Program, File or Folder path: empty text when it may be added, else the
    // refusal for the caller to show with the plain builder. PickedDriveType is -1 afterwards.
    std::string CheckDrivePermission(const std::string& path);

  private:
    Context& m_ctx;
    FileSystem& m_fileSystem;
    Management& m_management;
    Messages& m_messages;
};

}  // namespace orbilo
