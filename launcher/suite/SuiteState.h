// What the suite registry found at start: the help program, and on a fixed disk what the
// update after the settings must write into the per-user registry.
#pragma once

#include <string>

namespace orbilo {

struct SuiteState {
    std::string HelpExePath;
    bool HelpFound = false;
    // The launcher's own executable is neither in its recorded folder nor in StartFolder.
    bool PathNotFound = false;

    // Fixed disk: no slot holds the launcher with an executable that exists, so the update writes
    // its slot.
    bool ownSlotMissing = false;
    // Fixed disk: a slot is stale (the launcher's executable gone, a sibling gone, a duplicate),
    // so the update rewrites every slot up to lastSlot.
    bool slotsNeedRewrite = false;
    // Fixed disk: the last used slot index as read; -1 when no program was registered.
    int lastSlot = -1;
    // The records could not be read whole; nothing is written over them on this start.
    bool recordsUnreadable = false;

    // Version numbers of the siblings whose old releases break on a shared medium; 0 when absent.
    float tazroVersion = 0.0f;
    float pelwinVersion = 0.0f;
};

}  // namespace orbilo
