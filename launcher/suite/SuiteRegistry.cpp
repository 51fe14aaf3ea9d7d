// The suite registry: the launcher's records on removable media and in the per-user store.
#include "suite/SuiteRegistry.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <vector>

#include "format/MakerInfo.h"
#include "format/SettingsKeys.h"
#include "format/SuiteRecords.h"
#include "messages/MessageCatalogue.h"
#include "messages/MessageIds.h"
#include "messages/Messages.h"
#include "services/Clock.h"
#include "services/FileSystem.h"
#include "services/SettingsStore.h"
#include "startup/RunLocation.h"

namespace orbilo {

namespace {

const char* SlotKey(int slot) {
    return kSlotKeys[static_cast<std::size_t>(slot)];
}

}  // namespace

std::string SiblingVersionNotice(const std::string& programName, float tazroVersion, float pelwinVersion) {
    const auto outdated = [](float version) { return version > 0.0f && version < kSiblingMinimumVersion; };
    const auto line = [](const char* sibling, const char* minimum) {
        return std::string("      Minimum required version for ") + sibling + " : " + minimum;
    };
    // The minimums the lines name are the notice's long-standing text; the test is 2.0 for both.
    std::vector<std::string> lines;
    if (outdated(tazroVersion)) lines.push_back(line(kTazroName, "1.2"));
    if (outdated(pelwinVersion)) lines.push_back(line(kPelwinName, "1.3"));
    if (lines.empty()) return {};
    const bool both = lines.size() == 2;
    std::string notice = std::string("On this Media, Korrin's following program") + (both ? "s" : "") +
                         " need to be updated before setting up " + programName + ". Unless this is done " +
                         (both ? "these" : "this") + " program" + (both ? "s" : "") +
                         " will not work properly on this Media.";
    notice += kLineBreak;
    for (const std::string& entry : lines) {
        notice += kLineBreak;
        notice += entry;
    }
    return notice;
}

SuiteRegistry::SuiteRegistry(Context& ctx, FileSystem& fileSystem, SettingsStore& settings, Clock& clock,
                             Messages& messages)
    : m_ctx(ctx),
      m_fileSystem(fileSystem),
      m_settings(settings),
      m_clock(clock),
      m_messages(messages),
      m_progFiles(fileSystem, messages) {}

std::string SuiteRegistry::ExecutableOf(const std::string& folder, const std::string& name) const {
    return folder + name + m_ctx.app.executableSuffix;
}

std::string SuiteRegistry::OwnExecutableIn(const std::string& folder) const {
    return ExecutableOf(folder, m_ctx.app.programName);
}

std::string SuiteRegistry::HelpBesideProgram(const std::string& helpProgramName) const {
    return m_ctx.location.ProgramFolder + kHelpFolderName + m_fileSystem.Separator() + helpProgramName +
           m_ctx.app.executableSuffix;
}

std::string SuiteRegistry::MakerFile(const char* fileName) const {
    return m_ctx.location.MakerFolder + fileName;
}

void SuiteRegistry::ResetResults() {
    m_ctx.siblings = SiblingState{};
    m_ctx.suite = SuiteState{};
    m_ctx.location.ProgramFolder.clear();
    m_ctx.location.ProgramFolderUpper.clear();
    m_helpLast = -1;
}

void SuiteRegistry::SetProgramFolder(const std::string& folder) {
    m_ctx.location.ProgramFolder = folder;
    m_ctx.location.ProgramFolderUpper = UpperCased(folder);
}

void SuiteRegistry::AddSibling(const std::string& name, const std::string& executable) {
    m_ctx.siblings.SiblingNames.push_back(name);
    m_ctx.siblings.SiblingPaths.push_back(executable);
}

void SuiteRegistry::TakeStartFolderOrFail() {
    const std::string& start = m_ctx.location.StartFolder;
    if (m_progFiles.ProgFileExistPub(OwnExecutableIn(start))) {
        SetProgramFolder(start);
    } else {
        m_ctx.suite.PathNotFound = true;
    }
}

bool SuiteRegistry::StopPathNotFound() {
    m_ctx.suite.PathNotFound = true;
    m_ctx.message.MessageID = kMessageMyPathNotFound;
    m_messages.ShowStartupMessage();
    return false;
}

int SuiteRegistry::HelpRecordsLast() {
    const std::string path = MakerFile(kHelpRecordsFile);
    if (!m_fileSystem.FileExists(path)) return -1;
    return static_cast<int>(ReadSuiteRecords(m_fileSystem.ReadFile(path)).size()) - 1;
}

bool SuiteRegistry::OnMove() {
    ResetResults();
    Location& location = m_ctx.location;
    location.MakerFolder = location.DriveRoot + kMakerName + m_fileSystem.Separator();

    MediaOutcome outcome = MediaOutcome::Registered;
    try {
        outcome = RegisterOnMedia();
    } catch (const std::exception&) {
        m_messages.ReportBug("OnMove");
        m_ctx.suite.recordsUnreadable = true;
        if (location.ProgramFolder.empty()) TakeStartFolderOrFail();
        outcome = m_ctx.suite.PathNotFound ? MediaOutcome::PathNotFound : MediaOutcome::Registered;
    }
    m_ctx.siblings.SiblingLast = static_cast<int>(m_ctx.siblings.SiblingNames.size()) - 1;

    switch (outcome) {
        case MediaOutcome::PathNotFound:
            return StopPathNotFound();
        case MediaOutcome::VersionNotice:
            m_ctx.message.PlainText = SiblingVersionNotice(m_ctx.app.programName, m_ctx.suite.tazroVersion,
                                                           m_ctx.suite.pelwinVersion);
            m_ctx.message.EndAfterMessage = true;
            m_messages.ShowPlainMessage();
            return false;
        case MediaOutcome::FreshMedium:
            // The help program is looked for from the next start on.
            return true;
        case MediaOutcome::Registered:
            break;
    }
    m_ctx.suite.HelpFound = OnMoveFindBachan(m_ctx.app.helpProgramName);
    return true;
}

// Every record file is read before anything is written, and a record of another program is
// never dropped: where the counter and the records disagree, the records decide.
SuiteRegistry::MediaOutcome SuiteRegistry::RegisterOnMedia() {
    const std::string& start = m_ctx.location.StartFolder;
    const std::string& programName = m_ctx.app.programName;
    const std::string countsPath = MakerFile(kSuiteCountsFile);
    const std::string programsPath = MakerFile(kProgramRecordsFile);

    const bool countsFileExists = m_fileSystem.FileExists(countsPath);
    std::optional<SuiteCounts> counts;
    if (countsFileExists) counts = ReadSuiteCounts(m_fileSystem.ReadFile(countsPath));
    std::vector<SuiteRecord> records;
    if (m_fileSystem.FileExists(programsPath))
        records = ReadSuiteRecords(m_fileSystem.ReadFile(programsPath));

    if (!countsFileExists && records.empty()) {
        // No program of the suite has run from this medium yet.
        if (!m_fileSystem.FileExists(OwnExecutableIn(start))) return MediaOutcome::PathNotFound;
        SetProgramFolder(start);
        const std::string makerFolder = m_ctx.location.DriveRoot + kMakerName;
        if (!m_fileSystem.FolderExists(makerFolder)) m_fileSystem.CreateFolder(makerFolder);
        m_helpLast = HelpRecordsLast();
        m_fileSystem.WriteFile(programsPath, FormatSuiteRecords({{programName, start, std::nullopt}}));
        m_fileSystem.WriteFile(countsPath, FormatSuiteCounts({0, m_helpLast}));
        return MediaOutcome::FreshMedium;
    }

    m_helpLast = counts ? counts->helpLast : HelpRecordsLast();

    SuiteState& suite = m_ctx.suite;
    std::vector<std::size_t> ownRecords;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const SuiteRecord& record = records[i];
        if (record.damagedLine) continue;
        if (record.name == programName) {
            ownRecords.push_back(i);
            continue;
        }
        const std::string executable = ExecutableOf(record.folder, record.name);
        if (!m_fileSystem.FileExists(executable)) continue;
        AddSibling(record.name, executable);
        if (record.name == kTazroName) suite.tazroVersion = m_progFiles.ProgFileVersionPub(executable);
        if (record.name == kPelwinName) suite.pelwinVersion = m_progFiles.ProgFileVersionPub(executable);
    }

    bool recordsChanged = false;
    if (!ownRecords.empty()) {
        const auto confirmed = std::find_if(ownRecords.begin(), ownRecords.end(), [&](std::size_t i) {
            return m_fileSystem.FileExists(OwnExecutableIn(records[i].folder));
        });
        if (confirmed != ownRecords.end()) {
            SetProgramFolder(records[*confirmed].folder);
        } else {
            // The launcher's folder was moved on the medium: its record follows it.
            if (!m_fileSystem.FileExists(OwnExecutableIn(start))) return MediaOutcome::PathNotFound;
            records[ownRecords.front()].folder = start;
            SetProgramFolder(start);
            recordsChanged = true;
        }
    } else {
        // The launcher's first start on this medium. An outdated sibling would break once the
        // launcher is set up beside it, so nothing is registered until it is updated.
        if (!SiblingVersionNotice(programName, suite.tazroVersion, suite.pelwinVersion).empty()) {
            return MediaOutcome::VersionNotice;
        }
        if (!m_fileSystem.FileExists(OwnExecutableIn(start))) return MediaOutcome::PathNotFound;
        records.push_back({programName, start, std::nullopt});
        SetProgramFolder(start);
        recordsChanged = true;
    }

    const SuiteCounts next{static_cast<int>(records.size()) - 1, m_helpLast};
    if (recordsChanged) m_fileSystem.WriteFile(programsPath, FormatSuiteRecords(records));
    if (recordsChanged || !counts || *counts != next)
        m_fileSystem.WriteFile(countsPath, FormatSuiteCounts(next));
    return MediaOutcome::Registered;
}

bool SuiteRegistry::OnMoveFindBachan(const std::string& helpProgramName) {
    try {
        std::string found = HelpBesideProgram(helpProgramName);
        if (!m_fileSystem.FileExists(found)) {
            found.clear();
            const std::string helpsPath = MakerFile(kHelpRecordsFile);
            if (m_helpLast >= 0 && m_fileSystem.FileExists(helpsPath)) {
                for (const SuiteRecord& record : ReadSuiteRecords(m_fileSystem.ReadFile(helpsPath))) {
                    if (record.damagedLine || record.name != helpProgramName) continue;
                    const std::string executable = ExecutableOf(record.folder, record.name);
                    if (m_fileSystem.FileExists(executable)) found = executable;
                }
            }
        }
        if (found.empty()) return false;
        m_ctx.suite.HelpExePath = found;
        return true;
    } catch (const std::exception&) {
        m_messages.ReportBug("OnMoveFindBachan");
        return false;
    }
}

bool SuiteRegistry::OnRest() {
    ResetResults();
    try {
        RegisterForUser();
    } catch (const std::exception&) {
        m_messages.ReportBug("OnRest");
        m_ctx.suite.recordsUnreadable = true;
        if (m_ctx.location.ProgramFolder.empty()) TakeStartFolderOrFail();
    }
    m_ctx.siblings.SiblingLast = static_cast<int>(m_ctx.siblings.SiblingNames.size()) - 1;
    if (m_ctx.suite.PathNotFound) return StopPathNotFound();
    m_ctx.suite.HelpFound = OnRestFindBachan(m_ctx.app.helpProgramName);
    return true;
}

void SuiteRegistry::RegisterForUser() {
    const auto get = [this](const char* section, const char* key) {
        return m_settings.GetSetting(kSettingsApplication, section, key);
    };
    SuiteState& suite = m_ctx.suite;
    const std::string& programName = m_ctx.app.programName;

    const std::string lastSlotCode = get(kSlotCountSection, kSlotCountKey);
    int lastSlot = -1;
    bool ownFound = false;
    bool ownConfirmed = false;
    if (!lastSlotCode.empty()) {
        lastSlot = DecodeAnekGuru(lastSlotCode);
        for (int slot = 0; slot <= lastSlot; ++slot) {
            const std::string name = get(kSlotNameSection, SlotKey(slot));
            const std::string folder = get(kSlotFolderSection, SlotKey(slot));
            if (name.empty() || folder.empty()) continue;
            const std::string executable = ExecutableOf(folder, name);
            if (name == programName) {
                ownFound = true;
                if (!ownConfirmed && m_fileSystem.FileExists(executable)) {
                    ownConfirmed = true;
                    SetProgramFolder(folder);
                }
            } else if (m_fileSystem.FileExists(executable)) {
                AddSibling(name, executable);
            }
        }
    }
    suite.lastSlot = lastSlot;

    if (!ownConfirmed) {
        if (m_fileSystem.FileExists(OwnExecutableIn(m_ctx.location.StartFolder))) {
            SetProgramFolder(m_ctx.location.StartFolder);
            suite.ownSlotMissing = true;
        } else {
            suite.PathNotFound = true;
        }
    }
    // Every slot that is neither the launcher's nor a sibling found on disk is stale; a second
    // slot of the launcher counts among them.
    const int otherSlots = lastSlot + 1 - (ownFound ? 1 : 0);
    suite.slotsNeedRewrite =
        (ownFound && !ownConfirmed) || otherSlots > static_cast<int>(m_ctx.siblings.SiblingNames.size());
}

void SuiteRegistry::OnRestUpdate() {
    SuiteState& suite = m_ctx.suite;
    if (suite.PathNotFound || suite.recordsUnreadable) return;
    if (!suite.ownSlotMissing && !suite.slotsNeedRewrite) return;
    const SiblingState& siblings = m_ctx.siblings;
    const int own = siblings.SiblingLast + 1;
    // Ten siblings hold every slot: the launcher runs from its folder without a slot of its own.
    if (own >= kSlotCount) return;

    const auto save = [this](const char* section, int slot, const std::string& value) {
        m_settings.SaveSetting(kSettingsApplication, section, SlotKey(slot), value);
    };
    const auto clear = [this](const char* section, int slot) {
        if (!m_settings.GetSetting(kSettingsApplication, section, SlotKey(slot)).empty()) {
            m_settings.DeleteSetting(kSettingsApplication, section, SlotKey(slot));
        }
    };
    const std::string& programName = m_ctx.app.programName;
    const std::string& programFolder = m_ctx.location.ProgramFolder;
    try {
        m_settings.SaveSetting(kSettingsApplication, kSlotCountSection, kSlotCountKey,
                               EncodeAnekGuru(own, m_clock.DayOfMonth()));
        if (!suite.slotsNeedRewrite) {
            save(kSlotNameSection, own, programName);
            save(kSlotFolderSection, own, programFolder);
        } else {
            const int top = std::max(suite.lastSlot, own);
            for (int slot = 0; slot <= top; ++slot) {
                if (slot < own) {
                    const std::string& path = siblings.SiblingPaths[static_cast<std::size_t>(slot)];
                    save(kSlotNameSection, slot, siblings.SiblingNames[static_cast<std::size_t>(slot)]);
                    save(kSlotFolderSection, slot, path.substr(0, path.rfind(m_fileSystem.Separator()) + 1));
                } else if (slot == own) {
                    save(kSlotNameSection, slot, programName);
                    save(kSlotFolderSection, slot, programFolder);
                } else {
                    clear(kSlotNameSection, slot);
                    clear(kSlotFolderSection, slot);
                }
            }
        }
        suite.ownSlotMissing = false;
        suite.slotsNeedRewrite = false;
        suite.lastSlot = own;
    } catch (const std::exception&) {
        m_messages.ReportBug("OnRestResetGhar");
    }
}

bool SuiteRegistry::OnRestFindBachan(const std::string& helpProgramName) {
    try {
        std::string found = HelpBesideProgram(helpProgramName);
        if (!m_fileSystem.FileExists(found)) {
            found = m_settings.GetSetting(kSettingsApplication, kHelpPathSection, helpProgramName);
            if (!found.empty() && !m_fileSystem.FileExists(found)) found.clear();
        }
        if (found.empty()) return false;
        m_ctx.suite.HelpExePath = found;
        return true;
    } catch (const std::exception&) {
        m_messages.ReportBug("OnRestFindBachan");
        return false;
    }
}

}  // namespace orbilo
