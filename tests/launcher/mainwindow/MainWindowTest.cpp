// The main window's rules through recording views: start values, the Add URL button, the box
// buttons and function keys, floating, minimising, dragging and the Add URL box.
#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "FakeViews.h"
#include "RecordingMessageUi.h"
#include "launchlist/ListRules.h"
#include "mainwindow/MainWindow.h"
#include "messages/Messages.h"

namespace orbilo::test {
namespace {

constexpr int kNarrow = 4155;
constexpr int kWide = 10890;

class MainWindowTest : public testing::Test {
  protected:
    MainWindowTest() {
        ctx.app.programName = "Orbilo";
        ctx.app.IdleText = "Orbilo";
        ctx.user.NickName = "Ann";
        ctx.siblings.SiblingLast = 0;
        messages.SetFloating(&window);
    }

    void StartWith(int alwaysOnTop, int showAddUrl = 0) {
        ctx.options.AlwaysOnTop = alwaysOnTop;
        ctx.options.ShowAddUrlBoxAtStart = showAddUrl;
        window.Start();
    }
    void AddWebSite(const std::string& name, const std::string& url) {
        ctx.launchList[Group::Web].Append(name, url);
    }
    void TypeUrl(const std::string& url) {
        strip.webUrl = url;
        window.TextWebUrlChange();
    }
    void TypeName(const std::string& name) {
        strip.webName = name;
        window.TextWebNameChange();
    }
    std::vector<std::string> ShownMessageTexts() const {
        std::vector<std::string> texts;
        for (const MessageView& view : ui.views) texts.push_back(view.text);
        return texts;
    }

    Context ctx;
    FakeFileSystem fileSystem;
    FakeSettingsStore store;
    FakeShell shell;
    RecordingMessageUi ui;
    Messages messages{ctx, store, shell, ui};
    ListRules rules{ctx, fileSystem};
    FakeStrip strip;
    FakeBrowse browse;
    FakeChoose choose;
    MainWindow window{ctx, rules, messages, strip, browse, choose};
};

TEST_F(MainWindowTest, StartValuesFollowTheOptionsAndTheSavedPlace) {
    const struct {
        const char* name;
        int alwaysOnTop;
        int showAddUrl;
        int siblingLast;
        int width;
    } cases[] = {
        {"plain", 0, 0, -1, kNarrow},
        {"floating with the Add URL box", 1, 1, 0, kWide},
        {"floating without the box, three siblings", 1, 0, 2, kNarrow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ctx.siblings.SiblingLast = c.siblingLast;
        ctx.settingsFile.Left = 300;
        ctx.settingsFile.Top = 150;
        strip = FakeStrip();
        StartWith(c.alwaysOnTop, c.showAddUrl);
        EXPECT_EQ(strip.width, c.width);
        EXPECT_EQ(strip.height, 285);
        EXPECT_EQ(ctx.window.NarrowWidth, kNarrow);
        EXPECT_EQ(ctx.window.WideWidth, kWide);
        EXPECT_EQ(ctx.window.StripHeight, 285);
        EXPECT_EQ(strip.position, (TwipsPoint{300, 150}));
        EXPECT_EQ(strip.frameWebShown, c.showAddUrl == 1);
        EXPECT_EQ(strip.webPictureForShownBox, c.showAddUrl == 1);
        EXPECT_EQ(ctx.window.AddUrlBoxShown, c.showAddUrl == 1);
        EXPECT_EQ(strip.runButtonShown, c.siblingLast != -1);
        EXPECT_EQ(strip.timerOnTop, c.alwaysOnTop == 1);
        EXPECT_EQ(ctx.window.TimerOnTopEnabled, c.alwaysOnTop == 1);
        EXPECT_FALSE(strip.timerWatchOnTop);
        EXPECT_EQ(strip.text, "Orbilo");
        EXPECT_TRUE(strip.textSelected);
        EXPECT_FALSE(strip.webNameEnabled);
        EXPECT_FALSE(strip.addWebEnabled);
        EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    }
}

TEST_F(MainWindowTest, SavedPlaceOffTheScreenStartsInsideTheMargins) {
    ctx.settingsFile.Left = 30000;
    ctx.settingsFile.Top = -200;
    StartWith(0);
    EXPECT_EQ(strip.position, (TwipsPoint{15360 - kNarrow - 480, 0}));
}

TEST_F(MainWindowTest, AddUrlButtonWidensTheStripAndKeepsItOffTheRightEdge) {
    ctx.settingsFile.Left = 15360 - 1000;
    StartWith(1);
    strip.text = "p-ed";
    strip.addedInfoShown = true;
    strip.webUrl = "http://old";
    strip.webName = "old";
    strip.webNameEnabled = true;
    strip.addWebEnabled = true;

    window.CommandWebClick();
    EXPECT_TRUE(ctx.window.AddUrlBoxShown);
    EXPECT_TRUE(strip.frameWebShown);
    EXPECT_TRUE(strip.webPictureForShownBox);
    EXPECT_EQ(strip.width, kWide);
    EXPECT_EQ(strip.position.left + kWide, 15360 - 480);
    // A box that has just been shown starts empty, its name box disabled.
    EXPECT_EQ(strip.webUrl, "");
    EXPECT_EQ(strip.webName, "");
    EXPECT_FALSE(strip.webNameEnabled);
    EXPECT_FALSE(strip.addWebEnabled);
    EXPECT_FALSE(strip.addedInfoShown);
    EXPECT_EQ(strip.text, "");
    EXPECT_EQ(strip.focus, Focus::TextMain);

    const TwipsPoint widePlace = strip.position;
    strip.webUrl = "http://kept";
    window.CommandWebClick();
    EXPECT_FALSE(ctx.window.AddUrlBoxShown);
    EXPECT_FALSE(strip.frameWebShown);
    EXPECT_FALSE(strip.webPictureForShownBox);
    EXPECT_EQ(strip.width, kNarrow);
    EXPECT_EQ(strip.position, widePlace);
    EXPECT_EQ(strip.webUrl, "http://kept");
}

TEST_F(MainWindowTest, BoxButtonOpensClosesAndSwitchesBoxesInOneClick) {
    StartWith(1);
    window.CommandMenuClick(5);
    EXPECT_EQ(ctx.window.OpenMenuIndex, 5);
    EXPECT_EQ(strip.captions, (std::array<std::string, 7>{"+", ">", "L", "!", "P", "||", "C"}));
    EXPECT_TRUE(choose.visible);
    EXPECT_EQ(choose.layout.title, "Help");
    EXPECT_FALSE(browse.visible);
    EXPECT_EQ(strip.focus, Focus::TextMain);

    window.CommandMenuClick(5);
    EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    EXPECT_EQ(strip.captions, (std::array<std::string, 7>{"+", ">", "L", "!", "P", "?", "C"}));
    EXPECT_FALSE(choose.visible);

    window.CommandMenuClick(6);
    window.CommandMenuClick(5);
    EXPECT_EQ(ctx.window.OpenMenuIndex, 5);
    EXPECT_EQ(strip.captions[6], "C");
    EXPECT_EQ(strip.captions[5], "||");
    EXPECT_EQ(choose.layout.title, "Help");

    window.CommandMenuClick(0);
    EXPECT_FALSE(choose.visible);
    EXPECT_TRUE(browse.visible);
    EXPECT_EQ(browse.layout.title, "Add To List");
    window.CommandMenuClick(1);
    EXPECT_TRUE(browse.visible);
    EXPECT_EQ(browse.layout.title, "Open");
    EXPECT_EQ(strip.captions[0], "+");
    EXPECT_EQ(strip.captions[1], "||");
    window.CommandMenuClick(1);
    EXPECT_FALSE(browse.visible);
    EXPECT_GE(browse.clearings, 1);
}

TEST_F(MainWindowTest, OpeningABoxSuspendsFloatingAndClosingItResumesItByTheOption) {
    StartWith(1);
    window.CommandMenuClick(4);
    EXPECT_FALSE(strip.timerOnTop);
    EXPECT_EQ(strip.notTopmostCalls, 1);
    window.CommandMenuClick(6);  // switching keeps it suspended
    EXPECT_FALSE(strip.timerOnTop);
    window.CommandMenuClick(6);
    EXPECT_TRUE(strip.timerOnTop);

    ctx.options.AlwaysOnTop = 0;
    window.CommandMenuClick(4);
    window.CommandMenuClick(4);
    EXPECT_FALSE(strip.timerOnTop);
}

TEST_F(MainWindowTest, EmptyLaunchListRefusesTheOpenFromListBox) {
    StartWith(1);
    strip.text = "typed";
    window.CommandMenuClick(2);
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_EQ(ui.views[0].text.rfind("Launch List is empty.", 0), 0u);
    EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    EXPECT_FALSE(choose.visible);
    EXPECT_EQ(choose.openings, 0);
    EXPECT_EQ(strip.captions[2], "L");
    EXPECT_EQ(strip.text, "");
    // No box is open while the message shows, so closing it brings floating back.
    EXPECT_TRUE(strip.timerOnTop);
}

TEST_F(MainWindowTest, OpeningStatesOfTheListFormsBoxes) {
    ctx.user.UserPic = "/home/ann/me.png";
    ctx.location.RemovableMode = true;
    ctx.options.StartWithWindows = 1;
    ctx.options.ShowAddUrlBoxAtStart = 1;
    StartWith(0, 1);
    AddWebSite("wiki", "https://en.wikipedia.org");
    ctx.interpreter.PickedSibling = 0;

    window.CommandMenuClick(2);
    EXPECT_EQ(choose.listPreparations, 1);
    EXPECT_EQ(choose.layout.groupVisible, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(choose.layout.groupTop[3], 240);

    window.CommandMenuClick(3);
    EXPECT_EQ(ctx.interpreter.PickedSibling, -1);
    EXPECT_TRUE(choose.layout.userVisible);

    window.CommandMenuClick(4);
    EXPECT_EQ(choose.options, (std::array<bool, 4>{true, false, true, false}));

    // The Help picture alternates, picture 1 first.
    window.CommandMenuClick(5);
    window.CommandMenuClick(5);
    window.CommandMenuClick(5);
    EXPECT_EQ(choose.helpPictures, (std::vector<int>{1, 0}));
}

TEST_F(MainWindowTest, ListFormNearTheBottomGoesToTheTopAndTheStripBelowIt) {
    ctx.settingsFile.Left = 900;
    ctx.settingsFile.Top = 10635;
    StartWith(1);
    AddWebSite("wiki", "https://en.wikipedia.org");
    window.CommandMenuClick(2);
    EXPECT_EQ(choose.layout.top, 0);
    EXPECT_EQ(choose.layout.left, 900);
    EXPECT_EQ(strip.position, (TwipsPoint{900, choose.layout.height + 120}));

    // The Add To List form then fits below the strip.
    window.CommandMenuClick(0);
    EXPECT_EQ(browse.layout.top, strip.position.top + 285 + 120);
}

TEST_F(MainWindowTest, FunctionKeysActAsTheirButtons) {
    ctx.siblings.SiblingLast = -1;
    StartWith(1);
    window.FunctionKey(5);  // no sibling: nothing
    EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    EXPECT_EQ(choose.openings, 0);
    window.FunctionKey(11);
    EXPECT_EQ(strip.text, "Orbilo");

    window.FunctionKey(8);
    EXPECT_EQ(ctx.window.OpenMenuIndex, 6);
    strip.text = "p-notes";
    strip.focus = Focus::None;
    window.FunctionKey(12);  // empties the box; the Code List stays open
    EXPECT_EQ(strip.text, "");
    EXPECT_EQ(strip.focus, Focus::TextMain);
    EXPECT_EQ(ctx.window.OpenMenuIndex, 6);
    EXPECT_TRUE(choose.visible);

    window.FunctionKey(1);
    EXPECT_TRUE(ctx.window.AddUrlBoxShown);
    window.FunctionKey(10);
    EXPECT_TRUE(strip.closed);
}

TEST_F(MainWindowTest, BoxClosingItselfResetsTheButtonsAndResumesFloatingWhenAsked) {
    StartWith(1);
    window.CommandMenuClick(6);
    strip.text = "x";
    window.CloseBox(true);
    EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    EXPECT_FALSE(choose.visible);
    EXPECT_EQ(strip.captions[6], "C");
    EXPECT_EQ(strip.text, "");
    EXPECT_TRUE(strip.timerOnTop);

    // Running a sibling closes the Run box without bringing floating back.
    window.CommandMenuClick(3);
    window.CloseBox(false);
    EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    EXPECT_FALSE(strip.timerOnTop);
}

TEST_F(MainWindowTest, IdleInstructionBoxIsRefilledOnThe61stTickWhileFloating) {
    StartWith(1);
    strip.text = "";
    for (int tick = 1; tick <= 60; ++tick) window.TimerOnTopTick();
    EXPECT_EQ(strip.text, "");
    EXPECT_EQ(strip.topmostCalls, 60);
    window.TimerOnTopTick();
    EXPECT_EQ(strip.text, "Orbilo");
    EXPECT_EQ(ctx.window.IdleTicks, 0);
    EXPECT_TRUE(strip.topmost);

    // Typing restarts the count.
    strip.text = "";
    for (int tick = 1; tick <= 40; ++tick) window.TimerOnTopTick();
    strip.text = "p";
    window.TimerOnTopTick();
    strip.text = "";
    for (int tick = 1; tick <= 60; ++tick) window.TimerOnTopTick();
    EXPECT_EQ(strip.text, "");
    window.TimerOnTopTick();
    EXPECT_EQ(strip.text, "Orbilo");
}

TEST_F(MainWindowTest, NoRefillWithoutFloating) {
    StartWith(0);
    EXPECT_FALSE(strip.timerOnTop);
    strip.text = "";
    for (int tick = 0; tick < 200; ++tick) window.TimerOnTopTick();
    EXPECT_EQ(strip.text, "");
    EXPECT_EQ(strip.topmostCalls, 0);

    // Nor while a box is open.
    ctx.options.AlwaysOnTop = 1;
    window.CommandMenuClick(5);
    for (int tick = 0; tick < 200; ++tick) window.TimerOnTopTick();
    EXPECT_EQ(strip.text, "");
}

TEST_F(MainWindowTest, MinimizeClosesTheOpenBoxAndTheRestoreBringsFloatingBack) {
    StartWith(1);
    window.CommandMenuClick(5);
    window.CommandMinClick();
    EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    EXPECT_FALSE(choose.visible);
    EXPECT_EQ(strip.captions[5], "?");
    EXPECT_TRUE(strip.minimized);
    EXPECT_FALSE(strip.timerOnTop);
    EXPECT_FALSE(strip.topmost);
    EXPECT_TRUE(strip.timerWatchOnTop);

    window.TimerWatchOnTopTick();  // still minimised
    EXPECT_TRUE(strip.timerWatchOnTop);
    EXPECT_FALSE(strip.timerOnTop);

    strip.minimized = false;  // the user restores it from the task bar
    strip.focus = Focus::None;
    window.TimerWatchOnTopTick();
    EXPECT_FALSE(strip.timerWatchOnTop);
    EXPECT_TRUE(strip.timerOnTop);
    EXPECT_EQ(strip.focus, Focus::TextMain);
}

TEST_F(MainWindowTest, MinimizeWithoutFloatingOnlyMinimises) {
    StartWith(0);
    window.CommandMinClick();
    EXPECT_TRUE(strip.minimized);
    EXPECT_FALSE(strip.timerWatchOnTop);
    strip.minimized = false;
    window.TimerWatchOnTopTick();
    EXPECT_FALSE(strip.timerOnTop);
}

TEST_F(MainWindowTest, MessageSuspendsFloatingAndResumesItOnlyWithoutAnOpenBox) {
    StartWith(1);
    bool floatingDuringMessage = true;
    ui.onShow = [&](const MessageView&) { floatingDuringMessage = strip.timerOnTop || strip.topmost; };
    ctx.message.MessageID = "MessageEmptyList";
    messages.ShowListMessage();
    EXPECT_FALSE(floatingDuringMessage);
    EXPECT_TRUE(strip.timerOnTop);

    AddWebSite("wiki", "https://en.wikipedia.org");
    window.CommandMenuClick(2);
    ctx.message.MessageID = "MessageEmptyList";
    messages.ShowListMessage();
    EXPECT_FALSE(strip.timerOnTop);
    EXPECT_EQ(ctx.window.OpenMenuIndex, 2);
}

TEST_F(MainWindowTest, OnlyExactlyTheLeftButtonDragsAndEveryMoveKeepsTheStripOnScreen) {
    StartWith(0);
    const struct {
        const char* name;
        unsigned buttons;
        bool drags;
    } cases[] = {
        {"left", kLeftButton, true},
        {"right", kRightButton, false},
        {"middle", kMiddleButton, false},
        {"left and right", kLeftButton | kRightButton, false},
        {"none", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        strip.systemMoves = 0;
        strip.position = {-500, 20000};
        window.SurfaceMouse(c.buttons);
        EXPECT_EQ(strip.systemMoves, c.drags ? 1 : 0);
        EXPECT_EQ(strip.position, (TwipsPoint{0, 11520 - 285 - 600}));
    }

    // With the Add URL box shown its width counts at the right edge.
    window.CommandWebClick();
    strip.position = {14000, 300};
    window.SurfaceMouse(0);
    EXPECT_EQ(strip.position, (TwipsPoint{15360 - kWide - 480, 300}));

    // A strip on screen is not moved at all.
    strip.moves.clear();
    window.SurfaceMouse(kLeftButton);
    EXPECT_TRUE(strip.moves.empty());
}

TEST_F(MainWindowTest, UrlBoxEnablesTheNameBoxAndTheAddButton) {
    StartWith(0, 1);
    TypeUrl("h");
    EXPECT_TRUE(strip.webNameEnabled);
    EXPECT_FALSE(strip.addWebEnabled);
    TypeName("n");
    EXPECT_TRUE(strip.addWebEnabled);

    // Emptying the URL disables the name box, which keeps its text.
    strip.addedInfoShown = true;
    TypeUrl("");
    EXPECT_FALSE(strip.webNameEnabled);
    EXPECT_FALSE(strip.addWebEnabled);
    EXPECT_EQ(strip.webName, "n");
    EXPECT_FALSE(strip.addedInfoShown);

    // Enter in the name box with an empty URL does nothing.
    window.TextWebNameEnter();
    EXPECT_TRUE(ctx.launchList[Group::Web].Empty());
    EXPECT_TRUE(ui.views.empty());

    TypeName("");
    TypeUrl("http://a");
    EXPECT_TRUE(strip.webNameEnabled);
    EXPECT_FALSE(strip.addWebEnabled);
}

TEST_F(MainWindowTest, AddingASiteEmptiesTheBoxesAndShowsTheConfirmation) {
    StartWith(0, 1);
    TypeUrl("https://Example.org/a b");
    TypeName(" My Site ");
    strip.text = "w=";
    window.TextWebNameEnter();
    ASSERT_EQ(ctx.launchList[Group::Web].Count(), 1);
    EXPECT_EQ(ctx.launchList.NameAt(Group::Web, 0), " My Site ");
    EXPECT_EQ(ctx.launchList.PathAt(Group::Web, 0), "https://Example.org/a b");
    EXPECT_EQ(strip.webUrl, "");
    EXPECT_EQ(strip.webName, "");
    EXPECT_FALSE(strip.webNameEnabled);
    EXPECT_FALSE(strip.addWebEnabled);
    EXPECT_TRUE(strip.addedInfoShown);
    EXPECT_EQ(strip.text, "");
    EXPECT_EQ(strip.focus, Focus::TextMain);
    EXPECT_TRUE(ui.views.empty());

    window.FrameAddedInfoClick();
    EXPECT_FALSE(strip.addedInfoShown);
}

TEST_F(MainWindowTest, AddChecksTheUrlExactlyAndTheNameIgnoringCase) {
    StartWith(0, 1);
    AddWebSite("Wiki", "https://en.wikipedia.org");

    // A URL differing only in case is a new site.
    TypeUrl("https://EN.wikipedia.org");
    TypeName("wiki2");
    window.CommandAddWebClick();
    EXPECT_EQ(ctx.launchList[Group::Web].Count(), 2);

    // The same URL again: refused, both boxes keep their text.
    TypeUrl("https://en.wikipedia.org");
    TypeName("other");
    window.CommandAddWebClick();
    EXPECT_EQ(ctx.launchList[Group::Web].Count(), 2);
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_EQ(ui.views[0].text.rfind("Selected item has already been included in the List.", 0), 0u);
    EXPECT_EQ(strip.webUrl, "https://en.wikipedia.org");
    EXPECT_EQ(strip.webName, "other");

    // A name differing only in case: refused, the name box emptied and focused.
    TypeUrl("https://new.example");
    TypeName("WIKI");
    window.CommandAddWebClick();
    EXPECT_EQ(ctx.launchList[Group::Web].Count(), 2);
    ASSERT_EQ(ui.views.size(), 2u);
    EXPECT_EQ(ui.views[1].text.rfind("The name you typed is listed name for another item", 0), 0u);
    EXPECT_EQ(strip.webName, "");
    EXPECT_EQ(strip.focus, Focus::WebName);
    EXPECT_FALSE(strip.addWebEnabled);
    EXPECT_EQ(strip.webUrl, "https://new.example");
    EXPECT_FALSE(strip.addedInfoShown);
}

}  // namespace
}  // namespace orbilo::test
