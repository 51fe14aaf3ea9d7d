// The main window's keep-on-top timer, recording what the messages do to it.
#pragma once

#include <string>
#include <vector>

#include "mainwindow/Floating.h"

namespace orbilo::test {

class RecordingFloating : public Floating {
  public:
    bool TimerOnTopEnabled() const override { return timerOnTop; }
    void Suspend() override {
        calls.push_back("Suspend");
        timerOnTop = false;
    }
    void SetTimerOnTop(bool enabled) override {
        calls.push_back(enabled ? "TimerOn" : "TimerOff");
        timerOnTop = enabled;
    }

    bool timerOnTop = false;
    std::vector<std::string> calls;
};

}  // namespace orbilo::test
