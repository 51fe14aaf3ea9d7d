// The strip and its box forms on the offscreen platform: controls in place, the wiring of
// buttons, keys, timers and the mouse to the window's rules, and what the forms draw back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <optional>

#include "FakeFileSystem.h"
#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "RecordingMessageUi.h"
#include "dialogs/frmBrowse.h"
#include "dialogs/frmChoose.h"
#include "interpreter/Autocompletion.h"
#include "interpreter/Interpreter.h"
#include "interpreter/LaunchActions.h"
#include "launchlist/ListRules.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/frmMain.h"
#include "messages/Messages.h"

namespace orbilo::test {
namespace {

Context StartedContext() {
    Context ctx;
    ctx.app.programName = "Orbilo";
    ctx.app.IdleText = "Orbilo";
    ctx.user.NickName = "Ann";
    ctx.siblings.SiblingLast = 0;
    return ctx;
}

double Scale() {
    return QApplication::primaryScreen()->logicalDotsPerInchX() / 96.0;
}

struct ButtonCase {
    const char* objectName;
    int index;  // CommandMenu index, -1 for the others
    int left;
    const char* caption;
    const char* tooltip;
};

TEST(frmMainTest, ButtonsStandAtTheirDesignPlacesWithCaptionsAndTooltips) {
    Context ctx = StartedContext();
    frmMain strip(ctx);
    const ButtonCase cases[] = {
        {"CommandWeb", -1, 0, "", "Show | Hide Add URL---F1"},
        {"CommandMenu", 0, 136, "+", "Show | Hide Add To List---F2"},
        {"CommandMenu", 1, 152, ">", "Show | Hide Open---F3"},
        {"CommandMenu", 2, 168, "L", "Show | Hide Open From List---F4"},
        {"CommandMenu", 3, 184, "!", "Show | Hide Run (Korrin's Program)---F5"},
        {"CommandMenu", 4, 200, "P", "Show | Hide Preferences---F6"},
        {"CommandMenu", 5, 216, "?", "Show | Hide Help---F7"},
        {"CommandMenu", 6, 232, "C", "Show | Hide Code List---F8"},
        {"CommandMin", -1, 248, "-", "Minimize---F9"},
        {"CommandExit", -1, 264, "x", "Exit---F10"},
    };
    const double scale = Scale();
    for (const ButtonCase& c : cases) {
        QPushButton* button = nullptr;
        for (QPushButton* candidate : strip.findChildren<QPushButton*>(c.objectName)) {
            if (c.index < 0 || candidate->property("Index").toInt() == c.index) button = candidate;
        }
        ASSERT_NE(button, nullptr) << c.objectName << c.index;
        EXPECT_EQ(button->text().toStdString(), c.caption) << c.objectName << c.index;
        EXPECT_EQ(button->toolTip().toStdString(), c.tooltip) << c.objectName << c.index;
        EXPECT_EQ(button->x(), qRound(c.left * scale)) << c.objectName << c.index;
        EXPECT_EQ(button->width(), qRound(13 * scale));
        EXPECT_EQ(button->height(), qRound(19 * scale));
        EXPECT_TRUE(button->font().bold());
    }
    EXPECT_EQ(strip.TextMain->objectName(), "TextMain");
    EXPECT_EQ(strip.TextMain->x(), qRound(16 * scale));
    EXPECT_EQ(strip.TextMain->width(), qRound(113 * scale));
    EXPECT_EQ(strip.width(), qRound(277 * scale));
    EXPECT_EQ(strip.height(), qRound(19 * scale));
    EXPECT_TRUE(strip.windowFlags().testFlag(Qt::FramelessWindowHint));

    // The Add URL box, 8 pixels right of the exit button.
    EXPECT_EQ(strip.FrameWeb->x(), qRound(277 * scale) + qRound(8 * scale));
    EXPECT_EQ(strip.FrameWeb->width(), qRound(441 * scale));
    EXPECT_EQ(strip.findChild<QLabel*>("LabelWebName")->text(), "Launch Name");
    EXPECT_EQ(strip.CommandAddWeb->text(), "Add");
    EXPECT_EQ(strip.FrameAddedInfo->text(), "Site Added To List : Click To Hide");
    EXPECT_FALSE(strip.TextWebName->isEnabled());
    EXPECT_FALSE(strip.CommandAddWeb->isEnabled());
    EXPECT_FALSE(strip.TimerOnTop->isActive());
    EXPECT_FALSE(strip.TimerWatchOnTop->isActive());
    EXPECT_EQ(strip.TimerOnTop->interval(), 1000);
    EXPECT_EQ(strip.TimerWatchOnTop->interval(), 1000);
    for (const QPixmap& picture : strip.BButton) EXPECT_FALSE(picture.isNull());
    for (const QPixmap& picture : strip.ImageHelpPics) EXPECT_FALSE(picture.isNull());
}

// The strip, both box forms and the window's rules, wired as the program wires them.
class StripFixture : public testing::Test {
  protected:
    StripFixture() {
        strip.SetLogic(window);
        browse.SetCancelHandler([this] { window.CloseBox(true); });
        choose.SetCancelHandler([this] { window.CloseBox(true); });
        messages.SetFloating(&window);
    }

    void Start(int alwaysOnTop = 0) {
        ctx.options.AlwaysOnTop = alwaysOnTop;
        window.Start();
        strip.ShowStrip();
    }
    void ReleaseKey(Qt::Key key) { QTest::keyRelease(strip.TextMain, key); }
    void Click(int box) {
        QTest::mouseClick(strip.CommandMenu[static_cast<std::size_t>(box)], Qt::LeftButton);
    }
    // A mouse event at a place on the screen, wherever the strip is now.
    void Mouse(QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(strip.mapFromGlobal(global)), QPointF(global), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&strip, &event);
    }

    Context ctx = StartedContext();
    FakeShell shell;
    FakeSettingsStore store;
    FakeFileSystem fileSystem;
    RecordingMessageUi ui;
    Messages messages{ctx, store, shell, ui};
    ListRules rules{ctx, fileSystem};
    frmMain strip{ctx};
    frmBrowse browse;
    frmChoose choose{ctx};
    MainWindow window{ctx, rules, messages, strip, browse, choose};
};

using frmMainWiringTest = StripFixture;

TEST_F(frmMainWiringTest, ShownStripHoldsTheProgramNameSelectedAtItsSavedPlace) {
    ctx.settingsFile.Left = 100;  // not a whole number of pixels: still reported back exactly
    ctx.settingsFile.Top = 150;
    Start();
    EXPECT_EQ(strip.TextMain->text(), "Orbilo");
    EXPECT_EQ(strip.TextMain->selectedText(), "Orbilo");
    EXPECT_EQ(strip.windowTitle(), "Orbilo");
    EXPECT_EQ(strip.pos(), QPoint(qRound(100 / 15.0 * Scale()), qRound(150 / 15.0 * Scale())));

    std::optional<std::pair<int, int>> saved;
    strip.SetClosingHandler([&](int top, int left) { saved = {top, left}; });
    strip.close();  // closed by the window manager: saves all the same
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->first, 150);
    EXPECT_EQ(saved->second, 100);
}

TEST_F(frmMainWiringTest, RunButtonHiddenWithoutSiblingsAndF5DoesNothing) {
    ctx.siblings.SiblingLast = -1;
    Start();
    EXPECT_FALSE(strip.CommandMenu[3]->isVisible());
    ReleaseKey(Qt::Key_F5);
    EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    EXPECT_FALSE(choose.isVisible());
    EXPECT_EQ(strip.TextMain->text(), "Orbilo");
}

TEST_F(frmMainWiringTest, HelpButtonTwiceOpensAndClosesTheHelpBox) {
    Start();
    EXPECT_TRUE(strip.CommandMenu[3]->isVisible());
    Click(5);
    EXPECT_EQ(strip.CommandMenu[5]->text(), "||");
    EXPECT_TRUE(choose.isVisible());
    EXPECT_EQ(choose.windowTitle(), "Help");
    EXPECT_TRUE(choose.FrameHelp->isVisible());
    EXPECT_TRUE(choose.FrameCancel->isVisible());
    EXPECT_EQ(choose.LabelCancel->text(), "Hide");
    EXPECT_EQ(choose.ImageHelp->pixmap().toImage(), HelpPicture(1).toImage());
    Click(5);
    EXPECT_EQ(strip.CommandMenu[5]->text(), "?");
    EXPECT_FALSE(choose.isVisible());
    Click(5);
    EXPECT_EQ(choose.ImageHelp->pixmap().toImage(), HelpPicture(0).toImage());
}

TEST_F(frmMainWiringTest, HelpWhileCodeListIsOpenSwitchesInOneClick) {
    Start();
    Click(6);
    EXPECT_EQ(choose.windowTitle(), "Code");
    EXPECT_TRUE(choose.FrameCommand->isVisible());
    Click(5);
    EXPECT_EQ(strip.CommandMenu[6]->text(), "C");
    EXPECT_EQ(strip.CommandMenu[5]->text(), "||");
    EXPECT_TRUE(choose.isVisible());
    EXPECT_EQ(choose.windowTitle(), "Help");
    EXPECT_TRUE(choose.FrameHelp->isVisible());
    EXPECT_FALSE(choose.FrameCommand->isVisible());
    EXPECT_EQ(ctx.window.OpenMenuIndex, 5);
}

TEST_F(frmMainWiringTest, F12WithABoxOpenEmptiesTheInstructionBoxAndTheBoxStays) {
    Start();
    ReleaseKey(Qt::Key_F8);
    ASSERT_TRUE(choose.isVisible());
    QTest::keyClicks(strip.TextMain, "p-x");
    QTest::keyPress(strip.TextMain, Qt::Key_F12);
    EXPECT_EQ(strip.TextMain->text(), "p-x");  // acted on release, not on press
    ReleaseKey(Qt::Key_F12);
    EXPECT_EQ(strip.TextMain->text(), "");
    EXPECT_TRUE(choose.isVisible());
    EXPECT_EQ(ctx.window.OpenMenuIndex, 6);
}

TEST_F(frmMainWiringTest, BoxFormsAreMadeOnceAndNeverTakeTheKeyboard) {
    ctx.launchList[Group::Web].Append("wiki", "https://en.wikipedia.org");
    Start();
    for (QWidget* form : {static_cast<QWidget*>(&browse), static_cast<QWidget*>(&choose)}) {
        EXPECT_TRUE(form->testAttribute(Qt::WA_ShowWithoutActivating));
        EXPECT_TRUE(form->windowFlags().testFlag(Qt::Tool));
    }
    Click(0);
    EXPECT_EQ(browse.windowTitle(), "Add To List");
    EXPECT_EQ(browse.FrameBrowseBack->title(), "Add To List :");
    EXPECT_TRUE(browse.FrameAddToList->isVisible());
    EXPECT_FALSE(browse.FrameSelect->isVisible());
    EXPECT_TRUE(browse.OptionBrowse[0]->isChecked());
    ReleaseKey(Qt::Key_F3);
    EXPECT_EQ(browse.windowTitle(), "Open");
    EXPECT_FALSE(browse.FrameAddToList->isVisible());
    EXPECT_TRUE(browse.FrameSelect->isVisible());
    EXPECT_TRUE(browse.OptionBrowse[1]->isChecked());
    EXPECT_EQ(browse.height(), qRound(4800 / 15.0 * Scale()));
    // Whatever has the keyboard, it is not inside the box that just opened.
    QWidget* focused = QApplication::focusWidget();
    EXPECT_FALSE(focused != nullptr && browse.isAncestorOf(focused));

    Click(2);
    EXPECT_FALSE(browse.isVisible());
    EXPECT_EQ(choose.windowTitle(), "List");
    EXPECT_TRUE(choose.GroupFrames[3]->isVisible());
    EXPECT_FALSE(choose.GroupFrames[0]->isVisible());
    EXPECT_EQ(choose.GroupFrames[3]->y(), qRound(240 / 15.0 * Scale()));
    EXPECT_EQ(choose.LabelCancel->text(), "Cancel");
    // The box's own Cancel closes it.
    QTest::mouseClick(choose.CommandListCancel, Qt::LeftButton);
    EXPECT_FALSE(choose.isVisible());
    EXPECT_EQ(ctx.window.OpenMenuIndex, -1);
    EXPECT_EQ(strip.CommandMenu[2]->text(), "L");
}

TEST_F(frmMainWiringTest, MessageClosingWhileOpenFromListIsOpenDoesNotRestartFloating) {
    ctx.launchList[Group::Program].Append("notes", "/usr/bin/notes");
    Start(1);
    EXPECT_TRUE(strip.TimerOnTop->isActive());
    Click(2);
    EXPECT_FALSE(strip.TimerOnTop->isActive());
    ctx.message.MessageID = "MessagePathAlreadyListed";
    messages.ShowListMessage();
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_FALSE(strip.TimerOnTop->isActive());
    QTest::mouseClick(choose.CommandListCancel, Qt::LeftButton);
    EXPECT_TRUE(strip.TimerOnTop->isActive());
}

TEST_F(frmMainWiringTest, FloatingSetsTheTopmostHintOnTheWindowHandleWithoutHidingIt) {
    Start(1);
    ASSERT_NE(strip.windowHandle(), nullptr);
    ASSERT_TRUE(strip.TimerOnTop->isActive());
    window.TimerOnTopTick();  // what the timer's tick calls
    EXPECT_TRUE(strip.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(strip.isVisible());

    Click(4);  // a box takes the strip out of the band
    EXPECT_FALSE(strip.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(strip.isVisible());

    Click(4);
    ReleaseKey(Qt::Key_F9);
    EXPECT_TRUE(strip.isMinimized());
    EXPECT_FALSE(strip.TimerOnTop->isActive());
    EXPECT_TRUE(strip.TimerWatchOnTop->isActive());
    strip.BringForward();
    window.TimerWatchOnTopTick();
    EXPECT_FALSE(strip.TimerWatchOnTop->isActive());
    EXPECT_TRUE(strip.TimerOnTop->isActive());
}

TEST_F(frmMainWiringTest, LeftButtonOnTheSurfaceDragsAndTheStripStaysOnScreen) {
    Start();
    const double scale = Scale();
    const QPoint freeSpot(qRound(132 * scale), qRound(9 * scale));  // between TextMain and "+"
    ASSERT_EQ(strip.childAt(freeSpot), nullptr);
    strip.move(200, 200);
    const QPoint grip = strip.mapToGlobal(freeSpot);

    // The right button does not drag.
    Mouse(QEvent::MouseButtonPress, grip, Qt::RightButton, Qt::RightButton);
    Mouse(QEvent::MouseMove, grip + QPoint(40, 30), Qt::NoButton, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, grip + QPoint(40, 30), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(strip.pos(), QPoint(200, 200));

    Mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, grip + QPoint(40, 30), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(strip.pos(), QPoint(240, 230));
    // Dropped beyond the left edge: put back at 0 when the drag ends.
    Mouse(QEvent::MouseMove, grip + QPoint(-400, 30), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(strip.pos(), QPoint(-200, 230));
    Mouse(QEvent::MouseButtonRelease, grip + QPoint(-400, 30), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(strip.pos(), QPoint(0, 230));

    // A move without a button pulls an off-screen strip back.
    strip.move(200, -50);
    Mouse(QEvent::MouseMove, strip.mapToGlobal(freeSpot), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(strip.pos(), QPoint(200, 0));
}

TEST_F(frmMainWiringTest, AddUrlBoxAddsASiteTypedIntoTheStrip) {
    Start();
    const int narrow = strip.width();
    ReleaseKey(Qt::Key_F1);
    EXPECT_TRUE(strip.FrameWeb->isVisible());
    EXPECT_EQ(strip.width(), strip.FrameWeb->x() + strip.FrameWeb->width());
    EXPECT_GT(strip.width(), narrow);

    QTest::keyClicks(strip.TextWebUrl, "https://example.org");
    EXPECT_TRUE(strip.TextWebName->isEnabled());
    EXPECT_FALSE(strip.CommandAddWeb->isEnabled());
    QTest::keyClicks(strip.TextWebName, "ex");
    EXPECT_TRUE(strip.CommandAddWeb->isEnabled());
    QTest::keyClick(strip.TextWebName, Qt::Key_Return);
    ASSERT_EQ(ctx.launchList[Group::Web].Count(), 1);
    EXPECT_EQ(ctx.launchList.NameAt(Group::Web, 0), "ex");
    EXPECT_EQ(ctx.launchList.PathAt(Group::Web, 0), "https://example.org");
    EXPECT_EQ(strip.TextWebUrl->text(), "");
    EXPECT_EQ(strip.TextWebName->text(), "");
    EXPECT_FALSE(strip.TextWebName->isEnabled());
    EXPECT_TRUE(strip.FrameAddedInfo->isVisible());
    QTest::mouseClick(strip.FrameAddedInfo, Qt::LeftButton);
    EXPECT_FALSE(strip.FrameAddedInfo->isVisible());

    // Function keys act from the URL box too.
    QTest::keyRelease(strip.TextWebUrl, Qt::Key_F1);
    EXPECT_FALSE(strip.FrameWeb->isVisible());
    EXPECT_EQ(strip.width(), narrow);
}

TEST_F(frmMainWiringTest, UrlBoxTakesTheFirstAddressOfADroppedList) {
    Start();
    ReleaseKey(Qt::Key_F1);
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://first.example/a?b=1")),
                  QUrl(QStringLiteral("https://second.example"))});
    const QPoint inside(5, 5);
    QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip.TextWebUrl, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(inside), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(strip.TextWebUrl, &drop);
    EXPECT_EQ(strip.TextWebUrl->text(), "https://first.example/a?b=1");
    EXPECT_TRUE(strip.TextWebName->isEnabled());

    // Dropped text goes in as it stands.
    strip.TextWebUrl->clear();
    QMimeData text;
    text.setText(QStringLiteral("example.org/Some Page"));
    QDropEvent textDrop(QPointF(inside), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject*>(strip.TextWebUrl)->event(&textDrop);
    EXPECT_EQ(strip.TextWebUrl->text(), "example.org/Some Page");
}

TEST_F(frmMainWiringTest, F10AndTheExitButtonCloseTheStrip) {
    Start();
    ReleaseKey(Qt::Key_F10);
    EXPECT_FALSE(strip.isVisible());
    strip.ShowStrip();
    QTest::mouseClick(strip.CommandExit, Qt::LeftButton);
    EXPECT_FALSE(strip.isVisible());
}

TEST_F(frmMainWiringTest, CharacterKeysOnTheStripItselfDoNothing) {
    Start();
    QTest::keyClick(&strip, Qt::Key_A);
    QTest::keyRelease(&strip, Qt::Key_F11);
    EXPECT_TRUE(strip.isVisible());
    EXPECT_EQ(strip.TextMain->text(), "Orbilo");
}

// The instruction box forwards keys and changes; the rules themselves are tested without widgets.
class InstructionBoxWiringTest : public StripFixture {
  protected:
    InstructionBoxWiringTest() {
        ctx.launchList[Group::Program].Append("notes", "/usr/bin/notes");
        ctx.launchList[Group::Program].Append("Éditeur", "/usr/bin/editeur --new");
        strip.Attach(interpreter, completion);
        Start();
        strip.TextMain->clear();
    }

    LaunchActions actions{ctx, shell, strip.Box()};
    Autocompletion completion{ctx};
    Interpreter interpreter{ctx, shell, messages, strip.Box(), actions, window};
};

TEST_F(InstructionBoxWiringTest, TypingCompletesInPlaceAndEnterStartsTheChosenItem) {
    QTest::keyClicks(strip.TextMain, "p-no");
    EXPECT_EQ(strip.TextMain->text(), "p-notes");
    EXPECT_EQ(strip.TextMain->selectedText(), "tes");
    QTest::keyClick(strip.TextMain, Qt::Key_Return);
    EXPECT_EQ(shell.started, std::vector<std::string>{"/usr/bin/notes"});
    EXPECT_EQ(strip.TextMain->text(), "");
}

TEST_F(InstructionBoxWiringTest, SelectionIsPlacedInCharactersOfTheShownText) {
    QTest::keyClicks(strip.TextMain, "P-");
    // Qt Test types ASCII only; a key event carrying the text stands for the accented key.
    QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("é"));
    QApplication::sendEvent(strip.TextMain, &accented);
    EXPECT_EQ(strip.TextMain->text(), QString::fromUtf8("P-Éditeur"));
    EXPECT_EQ(strip.TextMain->selectedText(), "diteur");
}

TEST_F(InstructionBoxWiringTest, BackspaceSuppressesTheNextCompletionAndTheTelephoneCodeTakesDigits) {
    QTest::keyClicks(strip.TextMain, "p-no");
    QTest::keyClick(strip.TextMain, Qt::Key_Backspace);  // removes the selected "tes"
    EXPECT_EQ(strip.TextMain->text(), "p-no");
    EXPECT_EQ(ctx.interpreter.PickedItem, -1);
    QTest::keyClick(strip.TextMain, Qt::Key_Return);
    EXPECT_TRUE(shell.started.empty());

    strip.TextMain->clear();
    QTest::keyClicks(strip.TextMain, "t=5 (55)-0");
    EXPECT_EQ(strip.TextMain->text(), "t=5550");
}

TEST_F(InstructionBoxWiringTest, DoubleClickEmptiesTheBox) {
    QTest::keyClicks(strip.TextMain, "w;example.org");
    QTest::mouseDClick(strip.TextMain, Qt::LeftButton);
    EXPECT_EQ(strip.TextMain->text(), "");
}

TEST_F(InstructionBoxWiringTest, EscClosesTheOpenBoxAndOtherwiseMinimises) {
    QTest::keyRelease(strip.TextMain, Qt::Key_F7);
    ASSERT_TRUE(choose.isVisible());
    QTest::keyClick(strip.TextMain, Qt::Key_Escape);
    EXPECT_FALSE(choose.isVisible());
    EXPECT_EQ(strip.CommandMenu[5]->text(), "?");
    QTest::keyClick(strip.TextMain, Qt::Key_Escape);
    EXPECT_TRUE(strip.isMinimized());
}

}  // namespace
}  // namespace orbilo::test
