#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "format/LineFormat.h"
#include "services/FileSystem.h"
#include "services/ServiceError.h"
#include "settings/StartupRegistration.h"

namespace orbilo {

namespace {

int Bit(int options, int bitValue) {
    // The rule as the file's other readers apply it; for a negative Options every bit is off.
    return options % (2 * bitValue) > bitValue - 1 ? 1 : 0;
}

std::optional<int> ReadInRange(LineReader& reader, int low, int high) {
    const auto number = reader.ReadNumber();
    if (!number || *number < low || *number > high) return std::nullopt;
    return static_cast<int>(*number);
}

LineValue Bounded(int value, int low, int high) {
    return static_cast<std::int64_t>(std::clamp(value, low, high));
}

}  // namespace

void SplitOptions(OptionState& options) {
    options.StartWithWindows = Bit(options.Options, 1);
    options.AlwaysOnTop = Bit(options.Options, 2);
    options.ShowAddUrlBoxAtStart = Bit(options.Options, 4);
}

int CombinedOptions(const OptionState& options) {
    return (options.StartWithWindows != 0 ? 1 : 0) + (options.AlwaysOnTop != 0 ? 2 : 0) +
           (options.ShowAddUrlBoxAtStart != 0 ? 4 : 0);
}

void SettingsFile::SetDefaults() {
    m_ctx.options.Options = m_ctx.location.RemovableMode ? 2 : 3;
    SettingsFileState& state = m_ctx.settingsFile;
    state = SettingsFileState{};
    state.readWhole = false;
}

bool SettingsFile::Read() {
    std::optional<std::string> content;
    try {
        content = m_fileSystem.ReadFile(m_ctx.files.settings);
    } catch (const ServiceError&) {
        content.reset();
    }

    if (content) {
        LineReader reader(*content);
        SettingsFileState read;
        const auto options = ReadInRange(reader, kMinInt16, kMaxInt16);
        const auto listFile = ReadInRange(reader, kMinLastIndex, kMaxLastIndex);
        const auto listFold = ReadInRange(reader, kMinLastIndex, kMaxLastIndex);
        const auto listProg = ReadInRange(reader, kMinLastIndex, kMaxLastIndex);
        const auto listWeb = ReadInRange(reader, kMinLastIndex, kMaxLastIndex);
        const auto top = ReadInRange(reader, kMinInt16, kMaxInt16);
        const auto left = ReadInRange(reader, kMinInt16, kMaxInt16);
        const auto folder = reader.ReadText();
        const auto machineFile = ReadInRange(reader, kMinLastIndex, kMaxLastIndex);
        const auto machineFold = ReadInRange(reader, kMinLastIndex, kMaxLastIndex);
        const auto machineProg = ReadInRange(reader, kMinLastIndex, kMaxLastIndex);
        if (options && listFile && listFold && listProg && listWeb && top && left && folder && machineFile &&
            machineFold && machineProg) {
            m_ctx.options.Options = *options;
            read.readWhole = true;
            read.ListFileLast = *listFile;
            read.ListFoldLast = *listFold;
            read.ListProgLast = *listProg;
            read.ListWebLast = *listWeb;
            read.Top = *top;
            read.Left = *left;
            read.RememberedFolder = *folder;
            // Until the Add To List form says otherwise, the folder goes back as it came.
            read.RememberedFolderToWrite = *folder;
            read.MachineFileLast = *machineFile;
            read.MachineFoldLast = *machineFold;
            read.MachineProgLast = *machineProg;
            m_ctx.settingsFile = read;
            return true;
        }
    }

    SetDefaults();
    // A failed registration keeps the default Options: the user can still switch it in the
    // Preferences box once the key is writable.
    if (!m_ctx.location.RemovableMode) m_registration.Register();
    return false;
}

bool SettingsFile::Write() {
    const SettingsFileState& state = m_ctx.settingsFile;
    // In fixed mode the three home-machine counts are unused; they go back exactly as they were
    // read (-1 after the defaults), so the file has one shape in both modes.
    std::string content;
    content += FormatLine({Bounded(m_ctx.options.Options, kMinInt16, kMaxInt16)});
    content += FormatLine({Bounded(state.ListFileLast, kMinLastIndex, kMaxLastIndex)});
    content += FormatLine({Bounded(state.ListFoldLast, kMinLastIndex, kMaxLastIndex)});
    content += FormatLine({Bounded(state.ListProgLast, kMinLastIndex, kMaxLastIndex)});
    content += FormatLine({Bounded(state.ListWebLast, kMinLastIndex, kMaxLastIndex)});
    content += FormatLine({Bounded(state.Top, kMinInt16, kMaxInt16)});
    content += FormatLine({Bounded(state.Left, kMinInt16, kMaxInt16)});
    // A folder of this computer means nothing on the next computer the medium visits.
    content += FormatLine({m_ctx.location.RemovableMode ? std::string() : state.RememberedFolderToWrite});
    content += FormatLine({Bounded(state.MachineFileLast, kMinLastIndex, kMaxLastIndex)});
    content += FormatLine({Bounded(state.MachineFoldLast, kMinLastIndex, kMaxLastIndex)});
    content += FormatLine({Bounded(state.MachineProgLast, kMinLastIndex, kMaxLastIndex)});
    try {
        m_fileSystem.WriteFile(m_ctx.files.settings, content);
        return true;
    } catch (const ServiceError&) {
        return false;
    }
}

}  // namespace orbilo
