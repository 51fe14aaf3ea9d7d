// The system service: the current directory as the process sees it, and the screen in twips.
#include "platform/linux/LinuxSystem.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QScreen>
#include <cmath>
#include <filesystem>

#include "TestFiles.h"
#include "services/ServiceError.h"
#include "support/TestEnvironment.h"

namespace orbilo::platform {
namespace {

TEST(LinuxSystem, CurrentDirectoryIsTheProcesssOwnWithoutASeparatorAdded) {
    const std::string folder = orbilo::test::MakeTempFolder("cwd with space");
    const std::string previous = std::filesystem::current_path();
    ASSERT_EQ(::chdir(folder.c_str()), 0);
    const std::string seen = LinuxSystem().CurrentDirectory();
    ASSERT_EQ(::chdir(previous.c_str()), 0);
    EXPECT_EQ(seen, folder);
}

TEST(LinuxSystem, ScreenNeedsAGraphicalApplication) {
    if (QCoreApplication::instance() != nullptr) {
        GTEST_SKIP() << "an application exists in this process already";
    }
    EXPECT_THROW(LinuxSystem().Screen(), ServiceError);
}

TEST(LinuxSystem, ScreenIsMeasuredInTwipsOfTheLogicalResolution) {
    test::TestApplication();
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const ScreenMetrics metrics = LinuxSystem().Screen();
    // 1440 twips make an inch, whatever the resolution.
    EXPECT_DOUBLE_EQ(metrics.twipsPerPixelX * screen->logicalDotsPerInchX(), 1440.0);
    EXPECT_DOUBLE_EQ(metrics.twipsPerPixelY * screen->logicalDotsPerInchY(), 1440.0);
    EXPECT_NEAR(metrics.widthTwips / metrics.twipsPerPixelX, screen->geometry().width(), 0.5);
    EXPECT_NEAR(metrics.heightTwips / metrics.twipsPerPixelY, screen->geometry().height(), 0.5);
    EXPECT_GT(metrics.widthTwips, 0);
}

}  // namespace
}  // namespace orbilo::platform
