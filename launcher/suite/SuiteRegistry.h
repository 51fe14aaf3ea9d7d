// The suite registry at start: confirms the launcher's own folder, lists the sibling programs
// and finds the help program, from the record files on removable media or from the per-user
// store on a fixed disk, registering the launcher and repairing stale records on the way.
#pragma once

#include <string>

#include "settings/ProgFiles.h"
#include "startup/Context.h"

namespace orbilo {

class Clock;
class FileSystem;
class Messages;
class SettingsStore;

// The folder beside the launcher's executable where its help program is looked for first.
inline constexpr const char* kHelpFolderName = "Help";

// Siblings whose old releases break once the launcher shares a medium with them.
inline constexpr const char* kTazroName = "Tazro";
inline constexpr const char* kPelwinName = "Pelwin";
inline constexpr float kSiblingMinimumVersion = 2.0f;

// The notice that stops the launcher's first start on a medium holding an outdated sibling
// (version above 0 and below 2.0); empty text when none is outdated.
std::string SiblingVersionNotice(const std::string& programName, float tazroVersion, float pelwinVersion);

class SuiteRegistry {
  public:
    SuiteRegistry(Context& ctx, FileSystem& fileSystem, SettingsStore& settings, Clock& clock,
                  Messages& messages);

    // Removable mode. False when the start must stop: "MessageMyPathNotFound" or the
    // sibling-version notice has been shown, and the program ends after it.
    [[nodiscard]] bool OnMove();
    // Fixed mode. False when the start must stop after "MessageMyPathNotFound".
    [[nodiscard]] bool OnRest();
    // Fixed mode, after the per-user settings: writes the launcher's own slot, or rewrites every
    // slot, when OnRest found that due. Does nothing otherwise.
    void OnRestUpdate();

    // Set HelpExePath when the help program of that name is found.
    bool OnMoveFindBachan(const std::string& helpProgramName);
    bool OnRestFindBachan(const std::string& helpProgramName);

  private:
    enum class MediaOutcome { Registered, FreshMedium, PathNotFound, VersionNotice };

    void ResetResults();
    MediaOutcome RegisterOnMedia();
    void RegisterForUser();
    // The fall-back when the records cannot be used: the launcher runs from StartFolder.
    void TakeStartFolderOrFail();
    void SetProgramFolder(const std::string& folder);
    void AddSibling(const std::string& name, const std::string& executable);
    bool StopPathNotFound();
    int HelpRecordsLast();

    std::string OwnExecutableIn(const std::string& folder) const;
    std::string ExecutableOf(const std::string& folder, const std::string& name) const;
    std::string HelpBesideProgram(const std::string& helpProgramName) const;
    std::string MakerFile(const char* fileName) const;

    Context& m_ctx;
    FileSystem& m_fileSystem;
    SettingsStore& m_settings;
    Clock& m_clock;
    Messages& m_messages;
    ProgFiles m_progFiles;
    // The last index of the media's help records, as the counter file gives it.
    int m_helpLast = -1;
};

}  // namespace orbilo
