// The bundle of platform services a program's logic is handed at start.
#pragma once

#include "services/Clock.h"
#include "services/FileSystem.h"
#include "services/InstanceBeacon.h"
#include "services/Management.h"
#include "services/SettingsStore.h"
#include "services/Shell.h"
#include "services/System.h"

namespace orbilo {

struct Services {
    FileSystem& fileSystem;
    Shell& shell;
    SettingsStore& settings;
    System& system;
    InstanceBeacon& beacon;
    Management& management;
    Clock& clock;
};

}  // namespace orbilo
