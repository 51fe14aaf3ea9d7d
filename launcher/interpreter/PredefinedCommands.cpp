// Lookups over the predefined tables.
#include "interpreter/PredefinedCommands.h"

#include <exception>

#include "format/MakerInfo.h"
#include "format/TextCase.h"
#include "messages/MessageCatalogue.h"

namespace orbilo {
namespace {

constexpr std::string_view kMyDocuments = kSpecialFolderNames[7];
static_assert(kMyDocuments == "MyDocuments");

}  // namespace

std::optional<std::string> AppletCommandLine(std::string_view key) {
    for (const AppletCommand& applet : kAppletCommands) {
        if (applet.key == key) return std::string(applet.commandLine);
    }
    return std::nullopt;
}

std::array<std::string, kMailRoleCount> MailAddresses() {
    return {kBugReportAddress, kSuggestionsAddress, kSupportAddress};
}

std::array<std::string, kMailRoleCount> MailSubjects(const AppIdentity& app) {
    // The bug subject is the bug report's own, so a mail typed by hand and one sent from the
    // report land in the same place.
    return {BugReportSubject(app), app.programName + " - Suggestions", app.programName + " - Need Support"};
}

std::string SpecialFolderPath(Shell& shell, std::string_view name) {
    try {
        const std::string key = LowerCased(name);
        std::string path;
        for (const std::string_view folder : kSpecialFolderNames) {
            if (LowerCased(folder) == key) {
                path = shell.SpecialFolder(std::string(folder));
                break;
            }
        }
        if (path.empty()) path = shell.SpecialFolder(std::string(kMyDocuments));
        return path;
    } catch (const std::exception&) {
        // The folder command then opens the file manager's default view.
        return {};
    }
}

}  // namespace orbilo
