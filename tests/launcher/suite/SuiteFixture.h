// The suite registry's world in memory: a launcher on a stick mounted at /media/ann/STICK or on
// the fixed disk under /home/ann/apps, a scripted dialog that answers No to every bug report,
// and helpers that name the messages shown.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeFileSystem.h"
#include "FakeInstanceBeacon.h"
#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "RecordingMessageUi.h"
#include "messages/MessageCatalogue.h"
#include "messages/Messages.h"
#include "startup/Context.h"

namespace orbilo::test {

inline constexpr const char* kStick = "/media/ann/STICK/";
inline constexpr const char* kMaker = "/media/ann/STICK/Korrin/";
inline constexpr const char* kCountsFile = "/media/ann/STICK/Korrin/SankhyaGuru.Korrin";
inline constexpr const char* kProgramsFile = "/media/ann/STICK/Korrin/VajanGuru.Korrin";
inline constexpr const char* kHelpsFile = "/media/ann/STICK/Korrin/BachanGuru.Korrin";
inline constexpr const char* kStickStart = "/media/ann/STICK/Apps/Orbilo/";
inline constexpr const char* kDiskStart = "/home/ann/apps/Orbilo/";

class SuiteFixture : public testing::Test {
  protected:
    SuiteFixture() {
        ctx.app.programName = "Orbilo";
        ctx.app.helpProgramName = "OrbiloHelp";
        ctx.app.executableSuffix = ".bin";
        fileSystem.AddDrive("/", 2, "/");
        fileSystem.AddDrive(kStick, 1, "/media/ann/STICK");
        fileSystem.AddFolder(kStick);
        ui.onShow = [this](const MessageView& view) {
            if (view.okCaption == "Yes" && view.text.find("Bug-Orbilo-") != std::string::npos)
                ui.AnswerCancel();
        };
    }

    void StartOnStick(const std::string& startFolder = kStickStart) {
        ctx.location.RemovableMode = true;
        ctx.location.StartFolder = startFolder;
        ctx.location.DriveRoot = kStick;
    }
    void StartOnDisk(const std::string& startFolder = kDiskStart) {
        ctx.location.RemovableMode = false;
        ctx.location.StartFolder = startFolder;
        ctx.location.DriveRoot = "/";
    }
    // A program's executable in a folder, as the suite names it on Linux.
    void Install(const std::string& folder, const std::string& name, const std::string& version = "") {
        fileSystem.AddFile(folder + name + ".bin", "ELF");
        if (!version.empty()) fileSystem.versions[folder + name + ".bin"] = version;
    }
    void MediaFiles(const std::string& counts, const std::string& programs) {
        fileSystem.AddFolder(kMaker);
        fileSystem.AddFile(kCountsFile, counts);
        if (!programs.empty()) fileSystem.AddFile(kProgramsFile, programs);
    }

    std::string& Stored(const std::string& section, const std::string& key) {
        return store.values[{"RavuVod", section, key}];
    }
    bool IsStored(const std::string& section, const std::string& key) const {
        return store.values.count({"RavuVod", section, key}) != 0;
    }

    std::vector<std::string> ShownTexts() const {
        std::vector<std::string> texts;
        for (const auto& view : ui.views) texts.push_back(view.text);
        return texts;
    }
    static std::string StartupText(const char* id) {
        const auto entry = StartupCatalogueEntry(App(), id);
        return entry ? entry->text : std::string("<no start-up message ") + id + ">";
    }
    static std::string InputText(const char* id) {
        const auto entry = InputCatalogueEntry(App(), id);
        return entry ? entry->text : std::string("<no input message ") + id + ">";
    }
    // Whether the message shown was the bug report of this procedure.
    static bool IsBugReport(const std::string& text, const std::string& procedure) {
        return text.find("\r\n    Bug-Orbilo-" + procedure + "\r\n") != std::string::npos;
    }

    Context ctx;
    FakeFileSystem fileSystem;
    FakeSettingsStore store;
    FakeShell shell;
    FakeClock clock;
    FakeInstanceBeacon beacon;
    RecordingMessageUi ui;
    Messages messages{ctx, store, shell, ui};

  private:
    static AppIdentity App() {
        AppIdentity app;
        app.programName = "Orbilo";
        app.helpProgramName = "OrbiloHelp";
        app.executableSuffix = ".bin";
        return app;
    }
};

}  // namespace orbilo::test
