// The one way every data file of the suite is replaced: a crash, a full disk or a power cut
// leaves either the whole old file or the whole new one, never a mixture.
#pragma once

#include <string>
#include <string_view>

namespace orbilo::platform {

struct AtomicWriteOptions {
    // Adds execute bits wherever the file has read bits (desktop launchers).
    bool executable = false;
};

// Replaces the file at path by bytes: a temporary file in the same folder is written, flushed to
// the disk and renamed over the old one. An existing file keeps its permissions; a new one gets
// the usual 0666 less the umask. A symbolic link at path is followed, so a linked data file keeps
// its link. Throws ServiceError; on any failure the old file is whole and no temporary file stays.
void WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicWriteOptions options = {});

// Copies source to destination the same way (a destination ending in '/' names a folder: the
// copy keeps the source's file name). Without overwrite an existing destination is an error,
// decided when the copy is put in place (no-replace rename), so a file that appears meanwhile
// is not overwritten.
void CopyFileAtomically(const std::string& source, const std::string& destination, bool overwrite);

}  // namespace orbilo::platform
