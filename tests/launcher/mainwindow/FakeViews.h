// Recording stand-ins for the strip and the two box forms, for the window rules' tests.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "dialogs/BrowseView.h"
#include "dialogs/ChooseView.h"
#include "mainwindow/StripLayout.h"
#include "mainwindow/StripView.h"

namespace orbilo::test {

// What holds the keyboard on the strip.
enum class Focus { None, TextMain, WebName };

class FakeStrip : public StripView {
  public:
    FakeStrip() {
        for (std::size_t i = 0; i < captions.size(); ++i) captions[i] = kMenuGlyphs[i];
    }

    ScreenMetrics Screen() const override { return screen; }
    TwipsPoint StripPosition() const override { return position; }
    void MoveStrip(TwipsPoint where) override {
        position = where;
        moves.push_back(where);
    }
    void SetStripSize(int widthTwips, int heightTwips) override {
        width = widthTwips;
        height = heightTwips;
    }
    void ShowFrameWeb(bool shown) override { frameWebShown = shown; }
    void SetCommandWebPicture(bool boxShown) override { webPictureForShownBox = boxShown; }
    void ShowRunButton(bool shown) override { runButtonShown = shown; }
    void SetMenuCaption(int index, const std::string& caption) override {
        captions[static_cast<std::size_t>(index)] = caption;
    }
    std::string InstructionText() const override { return text; }
    void SetInstructionText(const std::string& value) override {
        text = value;
        textSelected = false;
    }
    void SelectInstructionText() override { textSelected = true; }
    void FocusTextMain() override { focus = Focus::TextMain; }
    std::string WebUrl() const override { return webUrl; }
    std::string WebName() const override { return webName; }
    void SetWebUrl(const std::string& value) override { webUrl = value; }
    void SetWebName(const std::string& value) override { webName = value; }
    void EnableWebName(bool enabled) override { webNameEnabled = enabled; }
    void EnableAddWeb(bool enabled) override { addWebEnabled = enabled; }
    void FocusWebName() override { focus = Focus::WebName; }
    void ShowAddedInfo(bool shown) override { addedInfoShown = shown; }
    void SetTimerOnTop(bool enabled) override { timerOnTop = enabled; }
    void SetTimerWatchOnTop(bool enabled) override { timerWatchOnTop = enabled; }
    void MakeTopmost() override {
        topmost = true;
        ++topmostCalls;
    }
    void MakeNotTopmost() override {
        topmost = false;
        ++notTopmostCalls;
    }
    void StartSystemMove() override { ++systemMoves; }
    void MinimizeStrip() override { minimized = true; }
    bool IsMinimized() const override { return minimized; }
    void CloseStrip() override { closed = true; }

    // 1024 by 768 pixels at 96 dpi.
    ScreenMetrics screen{15360, 11520, 15.0, 15.0};
    TwipsPoint position;
    std::vector<TwipsPoint> moves;
    int width = 0;
    int height = 0;
    bool frameWebShown = false;
    bool webPictureForShownBox = false;
    bool runButtonShown = true;
    std::array<std::string, kMenuCount> captions;
    std::string text;
    bool textSelected = false;
    Focus focus = Focus::None;
    std::string webUrl;
    std::string webName;
    bool webNameEnabled = false;
    bool addWebEnabled = false;
    bool addedInfoShown = false;
    bool timerOnTop = false;
    bool timerWatchOnTop = false;
    bool topmost = false;
    int topmostCalls = 0;
    int notTopmostCalls = 0;
    int systemMoves = 0;
    bool minimized = false;
    bool closed = false;
};

class FakeBrowse : public BrowseView {
  public:
    void OpenBrowse(const BrowseLayout& opened) override {
        layout = opened;
        visible = true;
        ++openings;
    }
    void ClearBrowseFields() override { ++clearings; }
    void HideBrowse() override { visible = false; }

    BrowseLayout layout;
    bool visible = false;
    int openings = 0;
    int clearings = 0;
};

class FakeChoose : public ChooseView {
  public:
    void OpenChoose(const ChooseLayout& opened) override {
        layout = opened;
        visible = true;
        ++openings;
    }
    void HideChoose() override { visible = false; }
    void PrepareListBox() override { ++listPreparations; }
    void PrepareOptionsBox(bool startWithWindows, bool alwaysOnTop, bool showAddUrlBoxAtStart,
                           bool shortcutEnabled) override {
        options = {startWithWindows, alwaysOnTop, showAddUrlBoxAtStart, shortcutEnabled};
    }
    void ShowHelpPicture(int index) override { helpPictures.push_back(index); }

    ChooseLayout layout;
    bool visible = false;
    int openings = 0;
    int listPreparations = 0;
    std::array<bool, 4> options{};
    std::vector<int> helpPictures;
};

}  // namespace orbilo::test
