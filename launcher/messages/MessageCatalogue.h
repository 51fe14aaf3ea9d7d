// Every text the launcher shows in its message dialog, in one place: the body of each message,
// built with the program's own names and the maker's endpoints, and the head line, buttons and
// name box that go with it.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "startup/Context.h"

namespace orbilo {

inline constexpr const char* kLineBreak = "\r\n";

// How the user is addressed while no name of their own is known.
inline constexpr const char* kDefaultNickName = "myFriend";
inline constexpr const char* kAnonymousTitle = "myMessage";
inline constexpr const char* kNamedTitlePrefix = "Message For - ";
inline constexpr const char* kNamePromptHead = "Your Name Please";

inline constexpr const char* kButtonKindOk = "OK";
inline constexpr const char* kButtonKindOkCancel = "OKCancel";
inline constexpr const char* kButtonKindYesNo = "YesNo";
inline constexpr const char* kButtonKindCancel = "Cancel";
inline constexpr const char* kInputKindName = "Input0";

inline constexpr const char* kCaptionOk = "OK";
inline constexpr const char* kCaptionCancel = "Cancel";
inline constexpr const char* kCaptionYes = "Yes";
inline constexpr const char* kCaptionNo = "No";

inline constexpr const char* kAfterMessageGoToWebSite = "GoToWebSite";

// One message as its builder shows it. An empty head means the user's name.
struct CatalogueEntry {
    std::string text;
    std::string buttonKind = kButtonKindOk;
    std::string head;
    std::string inputKind;
};

// Each lookup knows only its own builder's identifiers and answers nothing for any other.
std::optional<CatalogueEntry> StartupCatalogueEntry(const AppIdentity& app, const std::string& messageId);
std::optional<CatalogueEntry> InputCatalogueEntry(const AppIdentity& app, const std::string& messageId);
std::optional<CatalogueEntry> ListCatalogueEntry(const AppIdentity& app, int siblingLast,
                                                 const std::string& messageId);

// The bug report: its error tag for a failing procedure, its text and its mail subject.
std::string BugReportTag(const AppIdentity& app, const std::string& procedureName);
std::string BugReportText(const std::string& tag);
std::string BugReportSubject(const AppIdentity& app);

std::string JoinLines(std::initializer_list<std::string> lines);

}  // namespace orbilo
