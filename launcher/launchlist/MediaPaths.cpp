// The on-media path forms of the list files.
#include "launchlist/MediaPaths.h"

namespace orbilo {
namespace {

constexpr char kMediaMark = '#';

// "/media/ann/STICK/" and "/media/ann/STICK" name the same mount; the root becomes empty, so
// that every absolute path lies below it.
std::string MountPrefix(const std::string& mountPoint) {
    std::string prefix = mountPoint;
    while (!prefix.empty() && prefix.back() == '/') prefix.pop_back();
    return prefix;
}

bool LiesBelowMount(const std::string& path, const std::string& prefix) {
    if (path.compare(0, prefix.size(), prefix) != 0 || path.size() < prefix.size()) return false;
    if (path.size() == prefix.size()) return !prefix.empty();
    return path[prefix.size()] == '/';
}

}  // namespace

MediaForm MediaFormOf(const std::string& mediaDriveLetter) {
    if (!mediaDriveLetter.empty() && mediaDriveLetter.front() == '/') return MediaForm::MountPoint;
    if (mediaDriveLetter.size() == 1) return MediaForm::DriveLetter;
    return MediaForm::None;
}

bool LiesOnMedia(const std::string& path, const std::string& mediaDriveLetter) {
    switch (MediaFormOf(mediaDriveLetter)) {
        case MediaForm::DriveLetter:
            return !path.empty() && path.front() == mediaDriveLetter.front();
        case MediaForm::MountPoint:
            return LiesBelowMount(path, MountPrefix(mediaDriveLetter));
        case MediaForm::None:
            break;
    }
    return false;
}

std::string StoredMediaPath(const std::string& path, const std::string& mediaDriveLetter) {
    switch (MediaFormOf(mediaDriveLetter)) {
        case MediaForm::DriveLetter:
            return path.empty() ? path : kMediaMark + path.substr(1);
        case MediaForm::MountPoint: {
            const std::string prefix = MountPrefix(mediaDriveLetter);
            if (!LiesBelowMount(path, prefix)) return path;
            return kMediaMark + path.substr(prefix.size());
        }
        case MediaForm::None:
            break;
    }
    return path;
}

std::string ReadMediaPath(const std::string& stored, const std::string& mediaDriveLetter) {
    switch (MediaFormOf(mediaDriveLetter)) {
        case MediaForm::DriveLetter:
            return stored.empty() ? stored : mediaDriveLetter + stored.substr(1);
        case MediaForm::MountPoint: {
            if (!stored.empty() && stored.front() == '/') return stored;
            const auto slash = stored.find('/');
            std::string path = MountPrefix(mediaDriveLetter);
            if (slash != std::string::npos) path += stored.substr(slash);
            return path.empty() ? std::string(1, '/') : path;
        }
        case MediaForm::None:
            break;
    }
    return stored;
}

}  // namespace orbilo
