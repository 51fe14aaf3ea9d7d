// The identifiers of the launcher's messages. Callers put one into MessageID and call the
// builder that shows it.
#pragma once

namespace orbilo {

// Start-up messages: OK ends the program.
inline constexpr const char* kMessageSmallScreen = "MessageSmallScreen";
inline constexpr const char* kMessageNeedSriptRuntime = "MessageNeedSriptRuntime";
inline constexpr const char* kMessageProgInSystem = "MessageProgInSystem";
inline constexpr const char* kMessageMediaUnknown = "MessageMediaUnknown";
inline constexpr const char* kMessageMediaCDRom = "MessageMediaCDRom";
inline constexpr const char* kMessageMediaCreateError = "MessageMediaCreateError";
inline constexpr const char* kMessageMyPathNotFound = "MessageMyPathNotFound";

// The name prompt and the help, web site and sibling messages.
inline constexpr const char* kMessageGetUserName = "MessageGetUserName";
inline constexpr const char* kMessageHelpShow = "MessageHelpShow";
inline constexpr const char* kMessageRunBachanError = "MessageRunBachanError";
inline constexpr const char* kMessageRunGaganError = "MessageRunGaganError";
inline constexpr const char* kMessageRunGuruError = "MessageRunGuruError";

// The first-start notice, the Launch List, launching and the boxes.
inline constexpr const char* kMessageFisrtStart = "MessageFisrtStart";
inline constexpr const char* kMessageNameAlreadyListed = "MessageNameAlreadyListed";
inline constexpr const char* kMessagePathAlreadyListed = "MessagePathAlreadyListed";
inline constexpr const char* kMessageFamilyProgram = "MessageFamilyProgram";
inline constexpr const char* kMessageEmptyList = "MessageEmptyList";
inline constexpr const char* kMessageProgramExplorerError = "MessageProgramExplorerError";
inline constexpr const char* kMessageProgramRunError = "MessageProgramRunError";
inline constexpr const char* kMessageProgramStartError = "MessageProgramStartError";
inline constexpr const char* kMessageDriveNotReady = "MessageDriveNotReady";
inline constexpr const char* kMessageExecutableNotFound = "MessageExecutableNotFound";
inline constexpr const char* kMessagePanelOpenError = "MessagePanelOpenError";
// A group holds as many items as its stored last index can count.
inline constexpr const char* kMessageListFull = "MessageListFull";

}  // namespace orbilo
