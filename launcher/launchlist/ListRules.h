// The rules every addition, rename and removal of a Launch List item passes. Each check answers
// the ID of the message that refuses, or an empty text; the caller shows it and stops.
#pragma once

#include <string>

#include "launchlist/LaunchList.h"
#include "messages/MessageIds.h"
#include "startup/Context.h"

namespace orbilo {

class FileSystem;

// The option buttons of the Add To List box, in their order there.
enum class AddKind { Program = 0, File = 1, Folder = 2 };

inline constexpr const char* kProgramAddedInfo = "Program Added To List : Click To Hide";
inline constexpr const char* kFileAddedInfo = "File Added To List : Click To Hide";
inline constexpr const char* kFolderAddedInfo = "Folder Added To List : Click To Hide";
inline constexpr const char* kSiteAddedInfo = "Site Added To List : Click To Hide";

// A group holds at most kMaxGroupItems items, because its size is stored in 16 bits.

// Where an item of the Add To List box goes, and the info text that announces it.
struct ListChoice {
    Group group = Group::File;
    std::string infoText;
};

// What an addition did: the group and info text when it was added, the refusing message ID
// (and no info text) when not.
struct AddOutcome {
    std::string messageId;
    Group group = Group::File;
    std::string infoText;

    bool Added() const { return messageId.empty(); }
};

class ListRules {
  public:
    ListRules(Context& ctx, FileSystem& fileSystem);

    // The name against every Launch Name of the group, both lower-cased; otherwise exact.
    std::string CheckNameListed(const std::string& name, Group group) const;
    // The path against every Launch Path of the group, exactly, case included.
    std::string CheckPathListed(const std::string& path, Group group) const;
    // The path against the sibling programs' executables, exactly.
    std::string CheckFamilyProgram(const std::string& path) const;
    // Whether the group can take one more item.
    std::string CheckRoom(Group group) const;

    // Kind "Prog." and "Folder" decide by themselves; kind "File" goes to the Program group
    // when the path is a program file.
    ListChoice ChooseGroup(AddKind kind, const std::string& path);

    // The Add To List box's checks in their order, after the drive permission check the box
    // runs first: a sibling's executable, the path, the name, then room in the group. The first
    // refusing message ID, or an empty text.
    std::string CheckAddToList(AddKind kind, const std::string& name, const std::string& path);
    // The Add URL box's checks in their order: the URL, the name, room in the Web Site group.
    std::string CheckAddUrl(const std::string& name, const std::string& url) const;

    // Appends to the chosen group. Refused only when the group is full.
    AddOutcome AddListItem(AddKind kind, const std::string& name, const std::string& path);
    AddOutcome AddWebItem(const std::string& name, const std::string& url);

    // Renames after CheckNameListed against the whole group, the item's own name included, so
    // changing only the capitals of a name is refused. Answers the refusing message ID, or an
    // empty text; a position outside the group changes nothing.
    std::string Rename(Group group, int position, const std::string& newName);
    // Removes the item; later items move up by one. False for a position outside the group.
    bool Remove(Group group, int position);

  private:
    Context& m_ctx;
    FileSystem& m_fileSystem;
};

}  // namespace orbilo
