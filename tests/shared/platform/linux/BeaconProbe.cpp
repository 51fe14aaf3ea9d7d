// The other process of the beacon tests, playing a second start of a program of the suite.
// A runtime folder "-" means the beacon's own choice ($XDG_RUNTIME_DIR).
//   orbilo_beacon_probe <runtime folder> <title> second   exit 0: could not claim, and the
//                                                          holder acknowledged Activate
//   orbilo_beacon_probe <runtime folder> <title> hold     claims, prints "held", waits to be killed
#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <string>

#include "platform/linux/LocalSocketBeacon.h"

int main(int argc, char** argv) {
    if (argc != 4) return 64;
    QCoreApplication application(argc, argv);
    const std::string folder = argv[1];
    orbilo::platform::LocalSocketBeacon beacon(folder == "-" ? std::string() : folder);
    const std::string title = argv[2];
    const std::string mode = argv[3];
    if (mode == "second") {
        if (beacon.Claim(title)) return 1;
        return beacon.Activate(title) ? 0 : 2;
    }
    if (mode == "hold") {
        const bool held = beacon.Claim(title);
        std::puts(held ? "held" : "busy");
        std::fflush(stdout);
        if (!held) return 1;
        for (;;) ::pause();
    }
    return 64;
}
