// The settings subsystem over an in-memory world: a launcher in /home/ann/apps on a fixed disk
// (or on a stick mounted at /media/ann/STICK once a test calls UseStick), a scripted dialog
// that answers No to every bug report, and a shell that counts its registry writes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "FakeManagement.h"
#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "RecordingMessageUi.h"
#include "messages/Messages.h"
#include "startup/Context.h"

namespace orbilo::test {

class CountingShell : public FakeShell {
  public:
    void RegWrite(const std::string& valuePath, const std::string& value) override {
        ++regWrites;
        FakeShell::RegWrite(valuePath, value);
    }
    void RegDelete(const std::string& valuePath) override {
        ++regDeletes;
        FakeShell::RegDelete(valuePath);
    }
    int regWrites = 0;
    int regDeletes = 0;
};

inline constexpr const char* kStartupKey =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\KorrinsLauncher";

class SettingsFixture : public testing::Test {
  protected:
    SettingsFixture() {
        ctx.app.programName = "Orbilo";
        ctx.app.executableSuffix = ".bin";
        fileSystem.AddDrive("/", 2, "/");
        fileSystem.AddDrive("/media/ann/STICK", 1, "/media/ann/STICK");
        UseFixedDisk();
        // A bug report answered No sends nothing; the tests look only at what was shown.
        ui.onShow = [this](const MessageView& view) {
            if (view.okCaption == "Yes") ui.AnswerCancel();
        };
    }

    void UseFixedDisk() { Place("/home/ann/apps/", false); }
    void UseStick() { Place("/media/ann/STICK/", true); }

    // The body texts of every message shown so far.
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& view : ui.views) texts.push_back(view.text);
        return texts;
    }
    // Whether exactly one message was shown and it was the bug report of this procedure.
    bool OnlyBugReport(const std::string& procedure) const {
        return ui.views.size() == 1 &&
               ui.views[0].text.find("\r\n    Bug-Orbilo-" + procedure + "\r\n") != std::string::npos;
    }

    Context ctx;
    FakeFileSystem fileSystem;
    CountingShell shell;
    FakeSettingsStore store;
    FakeManagement management;
    RecordingMessageUi ui;
    Messages messages{ctx, store, shell, ui};

  private:
    void Place(const std::string& programFolder, bool removable) {
        Location& location = ctx.location;
        location.RemovableMode = removable;
        location.ProgramFolder = programFolder;
        location.DataFolder = programFolder + "Orbilo";
        location.DriveRoot = removable ? "/media/ann/STICK/" : "/";
        location.MediaDriveLetter = removable ? "/media/ann/STICK" : "/";
        location.MediaDriveLetterUpper = removable ? "/MEDIA/ANN/STICK" : "/";
        location.MakerFolder = removable ? "/media/ann/STICK/Korrin/" : "";
        fileSystem.AddFolder(programFolder);
        const std::string data = location.DataFolder + "/";
        ctx.files = DataFiles{};
        ctx.files.settings = data + "Set.Korrin";
        if (removable) {
            ctx.files.mediaSettings = data + "MediaSet.Korrin";
            ctx.files.machine = data + "Machine.Korrin";
        }
    }
};

}  // namespace orbilo::test
