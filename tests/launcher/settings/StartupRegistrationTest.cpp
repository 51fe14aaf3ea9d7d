// Switching StartWithWindows in the Preferences box, and the registry operations behind it.
#include "SettingsFixture.h"
#include "settings/StartupRegistration.h"

namespace orbilo::test {
namespace {

class StartupRegistrationTest : public SettingsFixture {
  protected:
    StartupRegistration registration{ctx, shell, messages};
};

TEST_F(StartupRegistrationTest, TurningOnWhenTheExecutableIsRegisteredWritesNothing) {
    shell.registry[kStartupKey] = "/home/ann/apps/Orbilo.bin";
    ctx.options.StartWithWindows = 0;
    registration.ChangeStartWithWindows(1);
    EXPECT_EQ(shell.regWrites, 0);
    EXPECT_EQ(shell.registry[kStartupKey], "/home/ann/apps/Orbilo.bin");
    EXPECT_EQ(ctx.options.StartWithWindows, 1);
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(StartupRegistrationTest, TurningOnRegistersTheExecutableWhenSomethingElseIsThere) {
    for (const char* before : {"", "/old/place/Orbilo.bin", "/HOME/ANN/APPS/Orbilo.bin"}) {
        SCOPED_TRACE(before);
        shell.registry.clear();
        if (*before != '\0') shell.registry[kStartupKey] = before;
        ctx.options.StartWithWindows = 0;
        registration.ChangeStartWithWindows(1);
        EXPECT_EQ(shell.registry[kStartupKey], "/home/ann/apps/Orbilo.bin");
    }
    EXPECT_EQ(shell.regWrites, 3);
}

TEST_F(StartupRegistrationTest, TurningOffDeletesOnlyWhatIsThere) {
    shell.registry[kStartupKey] = "/home/ann/apps/Orbilo.bin";
    ctx.options.StartWithWindows = 1;
    registration.ChangeStartWithWindows(0);
    EXPECT_EQ(shell.registry.count(kStartupKey), 0u);
    EXPECT_EQ(ctx.options.StartWithWindows, 0);

    // Nothing registered: nothing to delete, and nothing to report.
    ctx.options.StartWithWindows = 1;
    registration.ChangeStartWithWindows(0);
    EXPECT_EQ(shell.regDeletes, 1);
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(StartupRegistrationTest, AnUnchangedStateTouchesNothing) {
    ctx.options.StartWithWindows = 1;
    registration.ChangeStartWithWindows(1);
    ctx.options.StartWithWindows = 0;
    shell.registry[kStartupKey] = "/elsewhere/Orbilo.bin";
    registration.ChangeStartWithWindows(0);
    EXPECT_EQ(shell.regWrites, 0);
    EXPECT_EQ(shell.regDeletes, 0);
    EXPECT_EQ(shell.registry[kStartupKey], "/elsewhere/Orbilo.bin");
}

TEST_F(StartupRegistrationTest, FailuresAreReportedUnderTheirOwnNames) {
    shell.FailOn("RegWrite");
    EXPECT_FALSE(registration.ProgRegKeyCreateString(kStartupKey, "/x/Orbilo.bin"));
    EXPECT_TRUE(OnlyBugReport("ProgRegKeyCreateString"));

    ui.views.clear();
    shell.registry[kStartupKey] = "/x/Orbilo.bin";
    shell.FailOn("RegDelete");
    ctx.options.StartWithWindows = 1;
    registration.ChangeStartWithWindows(0);
    EXPECT_TRUE(OnlyBugReport("ProgRegKeyDelete"));
}

TEST_F(StartupRegistrationTest, AValueThatCannotBeReadIsEmptyWithoutAMessage) {
    shell.registry[kStartupKey] = "/x/Orbilo.bin";
    shell.FailOn("RegRead");
    EXPECT_EQ(registration.ProgRegKeyRead(kStartupKey), "");
    EXPECT_EQ(registration.ProgRegKeyRead("HKEY_CURRENT_USER\\Nothing"), "");
    EXPECT_TRUE(ui.views.empty());
}

}  // namespace
}  // namespace orbilo::test
