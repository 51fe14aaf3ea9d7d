// How paths on the launcher's own removable medium are kept in its list files, so that they
// survive the medium getting another drive letter (Windows) or another mount point (Linux).
#pragma once

#include <string>

namespace orbilo {

// Told apart by the shape of MediaDriveLetter itself: a single letter such as "E" on Windows,
// a mount point such as "/media/ann/STICK" on Linux. Anything else (the drive could not be
// examined) has no on-media form: nothing counts as lying on the medium.
enum class MediaForm { None, DriveLetter, MountPoint };

MediaForm MediaFormOf(const std::string& mediaDriveLetter);

// Whether the path lies on the medium. Drive letter: the first character equals the letter
// exactly, case included. Mount point: the path is the mount point or lies below it (exact
// case, whole path components only).
bool LiesOnMedia(const std::string& path, const std::string& mediaDriveLetter);

// The path as a main list file keeps it on removable media. Drive letter: the first character
// replaced by "#" ("E:\Apps\tool.exe" -> "#:\Apps\tool.exe"). Mount point: the mount point
// replaced by "#" ("/media/ann/STICK/Apps/tool" -> "#/Apps/tool"); a path off the medium has no
// such form and is kept unchanged.
std::string StoredMediaPath(const std::string& path, const std::string& mediaDriveLetter);

// The stored path as it reads on the medium's current drive. Drive letter: the first character
// replaced by the letter, whatever it was. Mount point: everything before the first "/"
// replaced by the current mount point; a stored path that begins with "/" was kept unchanged
// when saved and is used as it stands.
std::string ReadMediaPath(const std::string& stored, const std::string& mediaDriveLetter);

}  // namespace orbilo
