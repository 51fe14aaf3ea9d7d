// The message dialog's wiring: what it shows for a view, the name box's keys, and which answer
// each way of closing it gives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "messages/frmMessage.h"

namespace orbilo {
namespace {

MessageView NamePrompt() {
    MessageView view;
    view.title = "myMessage";
    view.head = "Your Name Please";
    view.text = "Thank you.\r\n\r\nUse only alphabets please.";
    view.okCaption = "OK";
    view.cancelCaption = "Cancel";
    view.cancelEnabled = true;
    view.nameInput = true;
    return view;
}

MessageView Question() {
    MessageView view;
    view.title = "Message For - Ann";
    view.head = "Ann";
    view.text = "There was some error.\r\n    Bug-Orbilo-X\r\n\r\nDo you want to report this bug now?";
    view.okCaption = "Yes";
    view.cancelCaption = "No";
    view.okEnabled = true;
    view.cancelEnabled = true;
    return view;
}

class FrmMessageTest : public ::testing::Test {
  protected:
    void Open(const MessageView& view) {
        dialog.Fill(view);
        dialog.open();
        ASSERT_TRUE(dialog.isVisible());
    }

    frmMessage dialog;
};

TEST_F(FrmMessageTest, ControlsCarryTheirNames) {
    EXPECT_EQ(dialog.findChild<QLabel*>("LabelHead"), dialog.LabelHead);
    EXPECT_EQ(dialog.findChild<QLabel*>("LabelMessage"), dialog.LabelMessage);
    EXPECT_EQ(dialog.findChild<QPushButton*>("CommandOK"), dialog.CommandOK);
    EXPECT_EQ(dialog.findChild<QLabel*>("LabelOK"), dialog.LabelOK);
    EXPECT_EQ(dialog.findChild<QPushButton*>("CommandCancel"), dialog.CommandCancel);
    EXPECT_EQ(dialog.findChild<QLabel*>("LabelCancel"), dialog.LabelCancel);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("TextInput0"), dialog.TextInput0);
    EXPECT_TRUE(dialog.isModal());
}

TEST_F(FrmMessageTest, ShowsTitleHeadTextAndCaptionsOfTheView) {
    Open(Question());
    EXPECT_EQ(dialog.windowTitle(), "Message For - Ann");
    EXPECT_EQ(dialog.LabelHead->text(), "Ann");
    EXPECT_EQ(dialog.LabelMessage->text(),
              "There was some error.\n    Bug-Orbilo-X\n\nDo you want to report this bug now?");
    EXPECT_EQ(dialog.LabelOK->text(), "Yes");
    EXPECT_EQ(dialog.LabelCancel->text(), "No");
    EXPECT_TRUE(dialog.CommandOK->isEnabled());
    EXPECT_TRUE(dialog.CommandCancel->isEnabled());
    EXPECT_TRUE(dialog.TextInput0->isHidden());
}

TEST_F(FrmMessageTest, MarkupInAMessageIsShownAsTyped) {
    MessageView view = Question();
    view.head = "<b>Ann</b>";
    Open(view);
    EXPECT_EQ(dialog.LabelHead->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.LabelMessage->textFormat(), Qt::PlainText);
}

TEST_F(FrmMessageTest, InformingMessageEnablesOkAlone) {
    MessageView view = Question();
    view.okCaption = "OK";
    view.cancelCaption = "Cancel";
    view.cancelEnabled = false;
    Open(view);
    EXPECT_TRUE(dialog.CommandOK->isEnabled());
    EXPECT_FALSE(dialog.CommandCancel->isEnabled());
    EXPECT_EQ(dialog.LabelOK->text(), "OK");
    EXPECT_EQ(dialog.LabelCancel->text(), "Cancel");
}

TEST_F(FrmMessageTest, ButtonsAnswerOkAndCancel) {
    Open(Question());
    QTest::mouseClick(dialog.CommandOK, Qt::LeftButton);
    EXPECT_EQ(dialog.Reply().answer, MessageAnswer::Ok);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());

    Open(Question());
    QTest::mouseClick(dialog.CommandCancel, Qt::LeftButton);
    EXPECT_EQ(dialog.Reply().answer, MessageAnswer::Cancel);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(FrmMessageTest, EscapeAndClosingTheWindowAnswerCancel) {
    Open(Question());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Reply().answer, MessageAnswer::Cancel);

    Open(Question());
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Reply().answer, MessageAnswer::Cancel);
}

TEST_F(FrmMessageTest, NamePromptShowsTheNameBoxWithOkDisabled) {
    Open(NamePrompt());
    EXPECT_FALSE(dialog.TextInput0->isHidden());
    EXPECT_EQ(dialog.TextInput0->text(), "");
    EXPECT_FALSE(dialog.CommandOK->isEnabled());
    EXPECT_TRUE(dialog.CommandCancel->isEnabled());
    EXPECT_EQ(dialog.LabelHead->text(), "Your Name Please");
}

TEST_F(FrmMessageTest, NameBoxTakesLettersOnlyAndEnablesOkWhileItHoldsAName) {
    Open(NamePrompt());
    QTest::keyClicks(dialog.TextInput0, "Ann 2");
    EXPECT_EQ(dialog.TextInput0->text(), "Ann");
    EXPECT_TRUE(dialog.CommandOK->isEnabled());

    for (int i = 0; i < 3; ++i) QTest::keyClick(dialog.TextInput0, Qt::Key_Backspace);
    EXPECT_EQ(dialog.TextInput0->text(), "");
    EXPECT_FALSE(dialog.CommandOK->isEnabled());
}

TEST_F(FrmMessageTest, NameBoxRefusesPastedNonLetters) {
    Open(NamePrompt());
    QTest::keyClicks(dialog.TextInput0, "Ann");
    QApplication::clipboard()->setText("Bo b");
    dialog.TextInput0->paste();
    EXPECT_EQ(dialog.TextInput0->text(), "Ann");
    QTest::keyClick(dialog.TextInput0, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.TextInput0->text(), "Ann");
}

TEST_F(FrmMessageTest, EnterInTheNameBoxIsOkWithANameAndCancelWithout) {
    Open(NamePrompt());
    QTest::keyClicks(dialog.TextInput0, "Ann");
    QTest::keyClick(dialog.TextInput0, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Reply().answer, MessageAnswer::Ok);
    EXPECT_EQ(dialog.Reply().input, "Ann");

    Open(NamePrompt());
    EXPECT_EQ(dialog.TextInput0->text(), "");
    QTest::keyClick(dialog.TextInput0, Qt::Key_Enter);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Reply().answer, MessageAnswer::Cancel);
}

TEST_F(FrmMessageTest, RefillingAfterTheNamePromptLeavesOkToTheView) {
    Open(NamePrompt());
    QTest::keyClicks(dialog.TextInput0, "Ann");
    QTest::keyClick(dialog.TextInput0, Qt::Key_Return);

    Open(Question());
    EXPECT_TRUE(dialog.CommandOK->isEnabled());
    EXPECT_TRUE(dialog.TextInput0->isHidden());
    EXPECT_EQ(dialog.Reply().answer, MessageAnswer::Cancel);
}

}  // namespace
}  // namespace orbilo
