// Current directory from getcwd, screen metrics from Qt.
#include "platform/linux/LinuxSystem.h"

#include <unistd.h>

#include <QGuiApplication>
#include <QScreen>
#include <cerrno>
#include <cmath>
#include <vector>

#include "platform/linux/SystemError.h"

namespace orbilo::platform {
namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

// The path as the process sees it: getcwd's answer, not resolved any further.
std::string LinuxSystem::CurrentDirectory() {
    std::vector<char> buffer(4096);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) return buffer.data();
        if (errno != ERANGE) throw SystemError("cannot read the current directory", errno);
        buffer.resize(buffer.size() * 2);
    }
}

ScreenMetrics LinuxSystem::Screen() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw ServiceError("no graphical application to ask for the screen");
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) throw ServiceError("there is no screen");
    const double dpiX = screen->logicalDotsPerInchX();
    const double dpiY = screen->logicalDotsPerInchY();
    if (!(dpiX > 0.0) || !(dpiY > 0.0)) throw ServiceError("the screen reports no resolution");
    ScreenMetrics metrics;
    metrics.twipsPerPixelX = kTwipsPerInch / dpiX;
    metrics.twipsPerPixelY = kTwipsPerInch / dpiY;
    const QRect geometry = screen->geometry();
    metrics.widthTwips = static_cast<int>(std::lround(geometry.width() * metrics.twipsPerPixelX));
    metrics.heightTwips = static_cast<int>(std::lround(geometry.height() * metrics.twipsPerPixelY));
    return metrics;
}

}  // namespace orbilo::platform
