// The settings file of the data folder: options, list counts, window position and the
// remembered folder, read once at start and written once at exit.
#pragma once

#include "startup/Context.h"

namespace orbilo {

class FileSystem;
class StartupRegistration;

// Ranges a value of the file must lie in; anything else marks the file as damaged. A list's
// last index is a signed 16-bit value, and -1 means an empty list.
inline constexpr int kMinLastIndex = -1;
inline constexpr int kMaxLastIndex = 32766;
inline constexpr int kMinInt16 = -32768;
inline constexpr int kMaxInt16 = 32767;

// Sets StartWithWindows, AlwaysOnTop and ShowAddUrlBoxAtStart from the bits 1, 2 and 4 of Options.
void SplitOptions(OptionState& options);
// Options made of the three values (each counts as on when it is not 0).
int CombinedOptions(const OptionState& options);

class SettingsFile {
  public:
    SettingsFile(Context& ctx, FileSystem& fileSystem, StartupRegistration& registration)
        : m_ctx(ctx), m_fileSystem(fileSystem), m_registration(registration) {}

    // Reads the eleven values into ctx.options.Options and ctx.settingsFile. A missing, short or
    // damaged file sets the defaults instead and, in fixed mode, registers the launcher to start
    // with the system. True only for a complete good read. The options are not split here.
    bool Read();
    // Replaces the file with the eleven values of ctx; a failure leaves the old file whole and
    // is not reported. Values outside their ranges are written at the nearest bound, so that
    // the next start never has to throw the whole file away.
    bool Write();

  private:
    void SetDefaults();

    Context& m_ctx;
    FileSystem& m_fileSystem;
    StartupRegistration& m_registration;
};

}  // namespace orbilo
