// Path helpers shared by every file-system backend.
#include "services/FileSystem.h"

namespace orbilo {

std::string FileSystem::GetFileName(const std::string& path) const {
    const auto cut = path.find_last_of(Separator());
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FileSystem::GetExtensionName(const std::string& path) const {
    const std::string name = GetFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

}  // namespace orbilo
