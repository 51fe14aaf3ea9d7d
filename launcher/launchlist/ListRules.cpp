// The list maintenance rules: unique names and paths per group, no sibling executables, and
// the groups that additions go to.
#include "launchlist/ListRules.h"

#include <algorithm>
#include <exception>

#include "format/TextCase.h"
#include "messages/MessageIds.h"
#include "services/FileSystem.h"

namespace orbilo {

ListRules::ListRules(Context& ctx, FileSystem& fileSystem) : m_ctx(ctx), m_fileSystem(fileSystem) {}

std::string ListRules::CheckNameListed(const std::string& name, Group group) const {
    const std::string lowered = LowerCased(name);
    for (const std::string& listed : m_ctx.launchList[group].names) {
        if (LowerCased(listed) == lowered) return kMessageNameAlreadyListed;
    }
    return {};
}

std::string ListRules::CheckPathListed(const std::string& path, Group group) const {
    const auto& paths = m_ctx.launchList[group].paths;
    if (std::find(paths.begin(), paths.end(), path) != paths.end()) return kMessagePathAlreadyListed;
    return {};
}

std::string ListRules::CheckFamilyProgram(const std::string& path) const {
    const SiblingState& siblings = m_ctx.siblings;
    const int last = std::min(siblings.SiblingLast, static_cast<int>(siblings.SiblingPaths.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        if (siblings.SiblingPaths[static_cast<std::size_t>(i)] == path) return kMessageFamilyProgram;
    }
    return {};
}

std::string ListRules::CheckRoom(Group group) const {
    return m_ctx.launchList[group].Full() ? kMessageListFull : std::string();
}

ListChoice ListRules::ChooseGroup(AddKind kind, const std::string& path) {
    switch (kind) {
        case AddKind::Program:
            return {Group::Program, kProgramAddedInfo};
        case AddKind::Folder:
            return {Group::Folder, kFolderAddedInfo};
        case AddKind::File:
            break;
    }
    bool program = false;
    try {
        program = m_fileSystem.IsProgramFile(path);
    } catch (const std::exception&) {
        // Cannot tell: a document is the harmless guess, it is opened rather than started.
    }
    if (program) return {Group::Program, kProgramAddedInfo};
    return {Group::File, kFileAddedInfo};
}

std::string ListRules::CheckAddToList(AddKind kind, const std::string& name, const std::string& path) {
    const Group group = ChooseGroup(kind, path).group;
    std::string refusal;
    if (group == Group::Program) refusal = CheckFamilyProgram(path);
    if (refusal.empty()) refusal = CheckPathListed(path, group);
    if (refusal.empty()) refusal = CheckNameListed(name, group);
    if (refusal.empty()) refusal = CheckRoom(group);
    return refusal;
}

std::string ListRules::CheckAddUrl(const std::string& name, const std::string& url) const {
    std::string refusal = CheckPathListed(url, Group::Web);
    if (refusal.empty()) refusal = CheckNameListed(name, Group::Web);
    if (refusal.empty()) refusal = CheckRoom(Group::Web);
    return refusal;
}

AddOutcome ListRules::AddListItem(AddKind kind, const std::string& name, const std::string& path) {
    ListChoice choice = ChooseGroup(kind, path);
    if (!m_ctx.launchList[choice.group].Append(name, path)) return {kMessageListFull, choice.group, {}};
    return {{}, choice.group, std::move(choice.infoText)};
}

AddOutcome ListRules::AddWebItem(const std::string& name, const std::string& url) {
    if (!m_ctx.launchList[Group::Web].Append(name, url)) return {kMessageListFull, Group::Web, {}};
    return {{}, Group::Web, kSiteAddedInfo};
}

std::string ListRules::Rename(Group group, int position, const std::string& newName) {
    LaunchGroup& items = m_ctx.launchList[group];
    if (!items.Holds(position)) return {};
    std::string refusal = CheckNameListed(newName, group);
    if (refusal.empty()) items.Rename(position, newName);
    return refusal;
}

bool ListRules::Remove(Group group, int position) {
    return m_ctx.launchList[group].Remove(position);
}

}  // namespace orbilo
