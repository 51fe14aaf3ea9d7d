// The entry routine on the real Linux file system: a private tmpfs mount is a RAM disk, so
// Orbilo started there runs in removable mode with its maker's folder at the mount's root.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "FakeClock.h"
#include "FakeInstanceBeacon.h"
#include "FakeManagement.h"
#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "FakeSystem.h"
#include "RecordingMessageUi.h"
#include "messages/Messages.h"
#include "platform/linux/LinuxFileSystem.h"
#include "startup/Startup.h"

namespace orbilo::test {
namespace {

TEST(StartupOnLinux, PrivateTmpfsMountRunsInRemovableMode) {
    const char* media = std::getenv("ORBILO_TMPFS");
    if (media == nullptr)
        GTEST_SKIP() << "needs root to make a private tmpfs mount (tools/e2e/with-private-tmpfs.sh)";
    const std::filesystem::path apps = std::filesystem::path(media) / "apps";
    std::filesystem::create_directories(apps);
    std::ofstream(apps / "Orbilo.bin") << "";

    Context ctx;
    platform::LinuxFileSystem fileSystem;
    FakeShell shell;
    FakeSettingsStore settings;
    FakeSystem system;
    FakeInstanceBeacon beacon;
    FakeManagement management;
    FakeClock clock;
    RecordingMessageUi ui;
    system.currentDirectory = apps.string();
    Messages messages(ctx, settings, shell, ui);
    Startup startup(ctx, Services{fileSystem, shell, settings, system, beacon, management, clock}, messages);

    ASSERT_EQ(startup.Main(), StartupOutcome::ShowWindows);
    EXPECT_TRUE(ui.views.empty());
    EXPECT_TRUE(ctx.location.RemovableMode);
    EXPECT_EQ(ctx.location.DriveRoot, std::string(media) + "/");
    EXPECT_EQ(ctx.location.MediaDriveLetter, media);
    EXPECT_EQ(ctx.location.DataFolder, apps.string() + "/Orbilo");
    EXPECT_EQ(ctx.location.MakerFolder, std::string(media) + "/Korrin/");
    EXPECT_EQ(ctx.files.machine, apps.string() + "/Orbilo/Machine.Korrin");
}

}  // namespace
}  // namespace orbilo::test
