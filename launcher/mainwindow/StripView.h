// The strip as its logic sees it: the Qt form frmMain implements it, tests record it. Every
// position and size is in twips; the form converts with the screen's dpi.
#pragma once

#include <string>

#include "services/System.h"

namespace orbilo {

struct TwipsPoint {
    int left = 0;
    int top = 0;
    bool operator==(const TwipsPoint&) const = default;
};

// The mouse buttons held during a mouse event on the strip's surface, as a set of bits.
inline constexpr unsigned kLeftButton = 1;
inline constexpr unsigned kRightButton = 2;
inline constexpr unsigned kMiddleButton = 4;

class StripView {
  public:
    virtual ~StripView() = default;

    // The screen the strip lives on: its size in twips and its twips per pixel.
    virtual ScreenMetrics Screen() const = 0;
    virtual TwipsPoint StripPosition() const = 0;
    virtual void MoveStrip(TwipsPoint position) = 0;
    virtual void SetStripSize(int widthTwips, int heightTwips) = 0;

    virtual void ShowFrameWeb(bool shown) = 0;
    // CommandWeb's picture: the one for a shown Add URL box, or the one for a hidden box.
    virtual void SetCommandWebPicture(bool boxShown) = 0;
    virtual void ShowRunButton(bool shown) = 0;
    virtual void SetMenuCaption(int index, const std::string& caption) = 0;

    // TextMain. Setting its text is a change like typing: autocompletion sees it.
    virtual std::string InstructionText() const = 0;
    virtual void SetInstructionText(const std::string& text) = 0;
    virtual void SelectInstructionText() = 0;
    virtual void FocusTextMain() = 0;

    // The Add URL box. Setting a text here raises no change: the logic runs its own handler.
    virtual std::string WebUrl() const = 0;
    virtual std::string WebName() const = 0;
    virtual void SetWebUrl(const std::string& text) = 0;
    virtual void SetWebName(const std::string& text) = 0;
    // A disabled name box is painted light grey, an enabled one in the window colour.
    virtual void EnableWebName(bool enabled) = 0;
    virtual void EnableAddWeb(bool enabled) = 0;
    virtual void FocusWebName() = 0;
    virtual void ShowAddedInfo(bool shown) = 0;

    // The two one-second timers; each tick comes back as a call of the logic.
    virtual void SetTimerOnTop(bool enabled) = 0;
    virtual void SetTimerWatchOnTop(bool enabled) = 0;
    // The topmost band, changed without moving, sizing or hiding the window.
    virtual void MakeTopmost() = 0;
    virtual void MakeNotTopmost() = 0;
    // Hands the window to the system's own move loop until the button is released.
    virtual void StartSystemMove() = 0;
    virtual void MinimizeStrip() = 0;
    virtual bool IsMinimized() const = 0;
    // Closes the strip, which saves and ends the program.
    virtual void CloseStrip() = 0;
};

}  // namespace orbilo
