// The texts of the two box forms: window titles and frame captions, each written once here.
#pragma once

#include <array>

namespace orbilo {

// Window titles by box index (CommandMenu 0-6); box 3 has two, by the number of siblings.
inline constexpr const char* kTitleAddToList = "Add To List";
inline constexpr const char* kTitleOpen = "Open";
inline constexpr const char* kTitleList = "List";
inline constexpr const char* kTitleRunOne = "Korrin's Program";
inline constexpr const char* kTitleRunMany = "Korrin's Programs";
inline constexpr const char* kTitleOptions = "Options";
inline constexpr const char* kTitleHelp = "Help";
inline constexpr const char* kTitleCode = "Code";
inline constexpr const char* kBackCaptionSuffix = " :";

// frmBrowse
inline constexpr const char* kCaptionBrowseOption = "What To Add :";
inline constexpr std::array<const char*, 3> kOptionBrowseCaptions = {"Prog.", "File", "Folder"};
inline constexpr const char* kCaptionFindPath = "To add a running Program :";
inline constexpr const char* kCaptionAddPath = "Path :";
inline constexpr const char* kCaptionAddToList = "Type a Launch Name";
inline constexpr const char* kCaptionCancel = "Cancel";

// frmChoose
inline constexpr std::array<const char*, 4> kGroupFrameCaptions = {
    "Program List :", "File List :", "Folder List :", "Web URL List :"};
inline constexpr const char* kCaptionRun = "Run : Korrin's Other Programs";
inline constexpr const char* kCaptionOptions = "Preferences";
inline constexpr const char* kCaptionCommand = "Code And Predefined Command";
inline constexpr const char* kCaptionHide = "Hide";

}  // namespace orbilo
