// The strip's wiring on the offscreen platform: controls in place with their captions and
// tooltips, the instruction box at start, and the keys that act in this state.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "RecordingMessageUi.h"
#include "interpreter/Autocompletion.h"
#include "interpreter/Interpreter.h"
#include "interpreter/LaunchActions.h"
#include "mainwindow/frmMain.h"
#include "messages/Messages.h"

namespace orbilo::test {
namespace {

Context StartedContext() {
    Context ctx;
    ctx.app.programName = "Orbilo";
    return ctx;
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
    const double scale = QApplication::primaryScreen()->logicalDotsPerInchX() / 96.0;
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
    EXPECT_EQ(strip.TextMain->x(), qRound(16 * scale));
    EXPECT_EQ(strip.TextMain->width(), qRound(113 * scale));
    EXPECT_EQ(strip.width(), qRound(277 * scale));
    EXPECT_EQ(strip.height(), qRound(19 * scale));
    EXPECT_TRUE(strip.windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(frmMainTest, ShownStripHoldsTheProgramNameSelected) {
    Context ctx = StartedContext();
    frmMain strip(ctx);
    strip.ShowStrip();
    EXPECT_EQ(strip.TextMain->text(), "Orbilo");
    EXPECT_EQ(strip.TextMain->selectedText(), "Orbilo");
    EXPECT_EQ(strip.windowTitle(), "Orbilo");
}

TEST(frmMainTest, RunButtonHiddenWithoutSiblingsAndShownWithOne) {
    Context ctx = StartedContext();
    frmMain without(ctx);
    without.show();
    EXPECT_FALSE(without.CommandMenu[3]->isVisible());
    ctx.siblings.SiblingLast = 0;
    frmMain with(ctx);
    with.show();
    EXPECT_TRUE(with.CommandMenu[3]->isVisible());
}

TEST(frmMainTest, F12EmptiesTheInstructionBoxOnKeyRelease) {
    Context ctx = StartedContext();
    frmMain strip(ctx);
    strip.ShowStrip();
    QTest::keyPress(strip.TextMain, Qt::Key_F12);
    EXPECT_EQ(strip.TextMain->text(), "Orbilo");  // acted on release, not on press
    QTest::keyRelease(strip.TextMain, Qt::Key_F12);
    EXPECT_EQ(strip.TextMain->text(), "");
    EXPECT_TRUE(strip.TextMain->hasFocus() || !QApplication::focusWidget());
}

TEST(frmMainTest, F10AndTheExitButtonCloseTheStrip) {
    Context ctx = StartedContext();
    frmMain byKey(ctx);
    byKey.ShowStrip();
    QTest::keyRelease(byKey.TextMain, Qt::Key_F10);
    EXPECT_FALSE(byKey.isVisible());

    frmMain byButton(ctx);
    byButton.ShowStrip();
    QTest::mouseClick(byButton.CommandExit, Qt::LeftButton);
    EXPECT_FALSE(byButton.isVisible());
}

TEST(frmMainTest, CharacterKeysOnTheStripItselfDoNothing) {
    Context ctx = StartedContext();
    frmMain strip(ctx);
    strip.ShowStrip();
    QTest::keyClick(&strip, Qt::Key_A);
    QTest::keyRelease(&strip, Qt::Key_F11);
    EXPECT_TRUE(strip.isVisible());
    EXPECT_EQ(strip.TextMain->text(), "Orbilo");
}

// The instruction box forwards keys and changes; the rules themselves are tested without widgets.
class InstructionBoxWiringTest : public testing::Test {
  protected:
    InstructionBoxWiringTest() {
        ctx.app.programName = "Orbilo";
        ctx.launchList[Group::Program].Append("notes", "/usr/bin/notes");
        ctx.launchList[Group::Program].Append("Éditeur", "/usr/bin/editeur --new");
        strip.Attach(interpreter, completion);
        strip.ShowStrip();
        strip.TextMain->clear();
    }

    Context ctx;
    FakeShell shell;
    FakeSettingsStore store;
    RecordingMessageUi ui;
    Messages messages{ctx, store, shell, ui};
    frmMain strip{ctx};
    LaunchActions actions{ctx, shell, strip.Box()};
    Autocompletion completion{ctx};
    Interpreter interpreter{ctx, shell, messages, strip.Box(), actions, strip};
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

}  // namespace
}  // namespace orbilo::test
