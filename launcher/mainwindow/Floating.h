// The main window's keep-on-top timer as messages and boxes see it: they suspend floating
// while they are shown and switch it back on when they close.
#pragma once

namespace orbilo {

class Floating {
  public:
    virtual ~Floating() = default;
    virtual bool TimerOnTopEnabled() const = 0;
    // Disables the keep-on-top timer and takes the main window out of the topmost band.
    virtual void Suspend() = 0;
    // Enables or disables the keep-on-top timer.
    virtual void SetTimerOnTop(bool enabled) = 0;
};

}  // namespace orbilo
