// The main window's rules: the strip's start values, its buttons and function keys, the boxes
// it shows, hides, sizes and places, floating with its two timers, minimising, keeping the
// strip on screen, and the Add URL box. The form frmMain only draws and forwards.
#pragma once

#include <string>

#include "dialogs/BrowseView.h"
#include "dialogs/ChooseView.h"
#include "mainwindow/Floating.h"
#include "mainwindow/StripCommands.h"
#include "mainwindow/StripView.h"
#include "startup/Context.h"

namespace orbilo {

class ListRules;
class Messages;

// More than this many consecutive idle ticks refill the instruction box.
inline constexpr int kIdleTicksLimit = 60;

class MainWindow : public Floating, public StripCommands {
  public:
    MainWindow(Context& ctx, ListRules& rules, Messages& messages, StripView& strip, BrowseView& browse,
               ChooseView& choose);

    // The start values, when the strip is created and before it is shown.
    void Start();

    // The strip's buttons and the function keys F1 to F12 (released).
    void CommandWebClick();
    void CommandMenuClick(int index);
    void CommandMinClick();
    void CommandExitClick();
    void FunctionKey(int number);

    // Every box button shows its glyph, the one given shows "||"; the instruction box is
    // emptied and takes the keyboard.
    void ResetMenuButtons(int index);
    // A box closing itself (its Cancel, Hide, OK or Open, or its window being closed): both box
    // forms hidden, no box open, the buttons reset, and floating back on when resumeFloating
    // and AlwaysOnTop are both set.
    void CloseBox(bool resumeFloating);

    // The Add URL box.
    void TextWebUrlChange();
    void TextWebNameChange();
    void TextWebNameEnter();
    void CommandAddWebClick();
    void FrameAddedInfoClick();

    // The two one-second timers.
    void TimerOnTopTick();
    void TimerWatchOnTopTick();

    // A mouse press or move on the strip's own surface with the buttons held (kLeftButton ...).
    void SurfaceMouse(unsigned buttons);
    void KeepStripOnScreen();

    // Floating
    bool TimerOnTopEnabled() const override;
    void Suspend() override;
    void SetTimerOnTop(bool enabled) override;

    // StripCommands: the Esc key of the instruction box.
    void ClickMenu(int index) override { CommandMenuClick(index); }
    void ClickMinimize() override { CommandMinClick(); }

  private:
    void SetMenuCaptions(int openIndex);
    void EmptyTextMain();
    void AddToListDispatcher(int box);
    void ListDispatcher(int box);
    void ShowListMessage(const std::string& messageId);
    int CurrentWidth() const;
    int ScreenWidth() const;
    int ScreenHeight() const;

    Context& m_ctx;
    ListRules& m_rules;
    Messages& m_messages;
    StripView& m_strip;
    BrowseView& m_browse;
    ChooseView& m_choose;
};

}  // namespace orbilo
