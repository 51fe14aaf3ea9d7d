// Whole-file reading that never trusts the file: only regular files, never more than a cap,
// and a FIFO or device planted under a data file's name cannot block the program.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orbilo::platform {

// The file's bytes. Throws ServiceError when it is missing, not a regular file, unreadable or
// larger than maxBytes.
std::string ReadWholeFile(const std::string& path, std::size_t maxBytes);

// As ReadWholeFile, but a missing file (or a missing folder on the way) gives nullopt.
std::optional<std::string> ReadFileIfPresent(const std::string& path, std::size_t maxBytes);

}  // namespace orbilo::platform
