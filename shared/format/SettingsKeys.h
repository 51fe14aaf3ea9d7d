// The names under which the suite keeps its per-user values, and the start-with-Windows value.
// Both programs and every sibling of the suite read these very names, so they live here only.
#pragma once

#include <array>
#include <string_view>

namespace orbilo {

// The user's own settings: read by the launcher and the help program, only the name is written.
inline constexpr const char* kUserSection = "NidraBhanga";
inline constexpr const char* kNickNameKey = "NickName";
inline constexpr const char* kUserPicKey = "UserPic";
inline constexpr const char* kPicCaptionKey = "PicCaption";

// The suite registry: the encoded last slot index, and each slot's program name and folder.
inline constexpr const char* kSlotCountSection = "NidraGavir";
inline constexpr const char* kSlotCountKey = "AnekGuru";
inline constexpr const char* kSlotNameSection = "GuruNaam";
inline constexpr const char* kSlotFolderSection = "GuruGhar";
inline constexpr std::array<const char*, 10> kSlotKeys = {"EkaaGuru", "DokaGuru", "TekaGuru", "CokaGuru",
                                                          "PokaGuru", "SokaGuru", "SataGuru", "AataGuru",
                                                          "NayaGuru", "DasaGuru"};
// Help programs record their executable's full path here, under their own name.
inline constexpr const char* kHelpPathSection = "GuruBachan";

// Starting with the system: one string value under the machine-wide Run key.
inline constexpr const char* kStartupValueName = "KorrinsLauncher";
inline constexpr const char* kStartupValueKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\KorrinsLauncher";
static_assert(std::string_view(kStartupValueKey).ends_with(kStartupValueName));

}  // namespace orbilo
