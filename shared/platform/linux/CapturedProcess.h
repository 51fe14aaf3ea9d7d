// Running a short-lived helper program and reading what it prints, for questions the desktop
// answers only through its command-line tools (xdg-mime, say). No shell is involved.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace orbilo::platform {

struct CapturedOutput {
    enum class Outcome {
        Exited,         // ran to its end; exitStatus and output are valid
        NotStarted,     // missing, not executable, or no resources to start it
        TimedOut,       // still running (or still holding its output open) at the deadline
        TooMuchOutput,  // printed more than the cap
    };
    Outcome outcome = Outcome::NotStarted;
    int exitStatus = -1;  // the exit code when it exited normally, else -1
    std::string output;   // standard output, at most the cap
};

// Starts arguments[0] (searched on PATH when it holds no '/') with standard input and error on
// /dev/null, reads its standard output, and waits for it. A program that overruns the time or
// the cap is killed together with everything it started, so nothing it left behind can hold
// this program up.
CapturedOutput RunAndCapture(const std::vector<std::string>& arguments, std::size_t maxBytes,
                             std::chrono::milliseconds timeout);

}  // namespace orbilo::platform
