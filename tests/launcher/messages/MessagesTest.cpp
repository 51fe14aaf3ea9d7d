// What the dialog's answers do: the name prompt, ending the program, clearing the state, the
// keep-on-top timer, the help question, Remember My Computer and the bug report's mail.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "MessagesFixture.h"
#include "format/MakerInfo.h"

namespace orbilo::test {
namespace {

using MessagesTest = MessagesFixture;

void ExpectStateCleared(const MessageState& state) {
    EXPECT_EQ(state.MessageID, "");
    EXPECT_EQ(state.MessageHead, "");
    EXPECT_EQ(state.MessageText, "");
    EXPECT_EQ(state.ButtonKind, "");
    EXPECT_EQ(state.InputKind, "");
    EXPECT_EQ(state.PlainText, "");
    EXPECT_FALSE(state.BugReportMode);
}

TEST_F(MessagesTest, TitleAndHeadAddressTheUserByName) {
    const struct {
        const char* nickName;
        const char* title;
        const char* head;
    } cases[] = {
        {"", "myMessage", "myFriend"},
        {"myFriend", "myMessage", "myFriend"},
        {"Ann", "Message For - Ann", "Ann"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nickName);
        ui.views.clear();
        ctx.user.NickName = c.nickName;
        Show(Builder::List, "MessageEmptyList");
        ASSERT_EQ(ui.views.size(), 1u);
        EXPECT_EQ(ui.views[0].title, c.title);
        EXPECT_EQ(ui.views[0].head, c.head);
    }
}

TEST_F(MessagesTest, ButtonKindDecidesCaptionsAndEnabledButtons) {
    const struct {
        const char* kind;
        const char* ok;
        const char* cancel;
        bool okEnabled;
        bool cancelEnabled;
    } cases[] = {
        {"OK", "OK", "Cancel", true, false},
        {"Cancel", "OK", "Cancel", false, true},
        {"OKCancel", "OK", "Cancel", true, true},
        {"YesNo", "Yes", "No", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        ui.views.clear();
        messages.ShowMessageDialog("Ann", "Line one\r\nLine two", c.kind, "");
        ASSERT_EQ(ui.views.size(), 1u);
        const MessageView& view = ui.views[0];
        EXPECT_EQ(view.head, "Ann");
        EXPECT_EQ(view.text, "Line one\r\nLine two");
        EXPECT_EQ(view.okCaption, c.ok);
        EXPECT_EQ(view.cancelCaption, c.cancel);
        EXPECT_EQ(view.okEnabled, c.okEnabled);
        EXPECT_EQ(view.cancelEnabled, c.cancelEnabled);
        EXPECT_FALSE(view.nameInput);
    }
}

TEST_F(MessagesTest, UnknownButtonKindShowsNothingAndTouchesNothing) {
    floating.timerOnTop = true;
    messages.SetFloating(&floating);
    ctx.message.PlainText = "kept";
    for (const char* kind : {"", "ok", "YesNoCancel", "Maybe"}) {
        messages.ShowMessageDialog("Ann", "text", kind, "");
    }
    EXPECT_TRUE(ui.views.empty());
    EXPECT_EQ(ctx.message.PlainText, "kept");
    EXPECT_TRUE(floating.calls.empty());
}

TEST_F(MessagesTest, PlainMessageShowsTheCallersTextAndUsesItUp) {
    ctx.message.PlainText = "A shortcut for Orbilo has been placed on your Desktop.";
    ui.onShow = [this](const MessageView&) { EXPECT_EQ(ctx.message.PlainText, ""); };
    messages.ShowPlainMessage();
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_EQ(ui.views[0].text, "A shortcut for Orbilo has been placed on your Desktop.");
    EXPECT_TRUE(ui.views[0].okEnabled);
    EXPECT_FALSE(ui.views[0].cancelEnabled);
    ExpectStateCleared(ctx.message);
}

TEST_F(MessagesTest, NamePromptOkKeepsAndSavesTheTypedName) {
    ui.AnswerOk("Ann");
    Show(Builder::Input, "MessageGetUserName");
    EXPECT_EQ(ctx.user.NickName, "Ann");
    EXPECT_EQ(StoredNickName(), "Ann");
    ExpectStateCleared(ctx.message);
    EXPECT_FALSE(ctx.endRequested);
}

TEST_F(MessagesTest, NamePromptWithoutANameSavesMyFriend) {
    // Cancel, closing the dialog and Enter in the empty box all answer Cancel; an OK that somehow
    // carries no name counts the same.
    const std::vector<MessageReply> answers = {{MessageAnswer::Cancel, ""}, {MessageAnswer::Ok, ""}};
    for (const MessageReply& answer : answers) {
        ctx.user.NickName.clear();
        store.values.clear();
        ui.replies.push_back(answer);
        Show(Builder::Input, "MessageGetUserName");
        EXPECT_EQ(ctx.user.NickName, "myFriend");
        EXPECT_EQ(StoredNickName(), "myFriend");
        ExpectStateCleared(ctx.message);
    }
}

TEST_F(MessagesTest, NameThatCannotBeSavedStillHoldsForThisRun) {
    store.FailOn("SaveSetting");
    ui.AnswerOk("Ann");
    Show(Builder::Input, "MessageGetUserName");
    EXPECT_EQ(ctx.user.NickName, "Ann");
    EXPECT_EQ(StoredNickName(), std::nullopt);
    ExpectStateCleared(ctx.message);
}

TEST_F(MessagesTest, OtherMessagesNeverWriteTheName) {
    ctx.user.NickName = "Ann";
    ui.AnswerOk("Bob");
    ui.AnswerCancel();
    Show(Builder::List, "MessageEmptyList");
    Show(Builder::Input, "MessageHelpShow");
    EXPECT_EQ(ctx.user.NickName, "Ann");
    EXPECT_EQ(StoredNickName(), std::nullopt);
}

TEST_F(MessagesTest, StartupMessageEndsTheProgramHoweverItIsClosed) {
    for (MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Cancel}) {
        ctx.endRequested = false;
        ctx.message.EndAfterMessage = false;
        ui.replies.push_back({answer, ""});
        Show(Builder::Startup, "MessageMediaCDRom");
        EXPECT_TRUE(ctx.message.EndAfterMessage);
        EXPECT_TRUE(ctx.endRequested);
    }
}

TEST_F(MessagesTest, PlainMessageMarkedToEndTheProgramEndsIt) {
    // The sibling-version notice is a plain message after which the program ends.
    ctx.message.EndAfterMessage = true;
    ctx.message.PlainText = "notice";
    messages.ShowPlainMessage();
    EXPECT_TRUE(ctx.endRequested);
}

TEST_F(MessagesTest, StartupMessageEndsTheProgramEvenAfterTheNameWasRead) {
    ctx.user.NickName = "Ann";
    Show(Builder::Startup, "MessageMediaCreateError");
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_EQ(ui.views[0].head, "Ann");
    EXPECT_TRUE(ctx.endRequested);
}

TEST_F(MessagesTest, InformingMessagesLetTheProgramGoOn) {
    ui.AnswerOk();
    ui.AnswerCancel();
    Show(Builder::List, "MessageFisrtStart");
    Show(Builder::Input, "MessageRunGuruError");
    EXPECT_EQ(ui.views.size(), 2u);
    EXPECT_FALSE(ctx.endRequested);
    ExpectStateCleared(ctx.message);
}

TEST_F(MessagesTest, HelpQuestionYesAsksForTheWebSiteAndNoDoesNot) {
    ui.AnswerOk();
    Show(Builder::Input, "MessageHelpShow");
    EXPECT_EQ(ctx.message.AfterMessageAction, "GoToWebSite");

    ctx.message.AfterMessageAction.clear();
    ui.AnswerCancel();
    Show(Builder::Input, "MessageHelpShow");
    EXPECT_EQ(ctx.message.AfterMessageAction, "");
}

TEST_F(MessagesTest, DialogSuspendsFloatingWhileShownAndResumesItWhenAlwaysOnTop) {
    messages.SetFloating(&floating);
    floating.timerOnTop = true;
    ctx.options.AlwaysOnTop = 1;
    std::vector<std::string> callsWhileShown;
    ui.onShow = [&](const MessageView&) { callsWhileShown = floating.calls; };
    for (MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Cancel}) {
        floating.calls.clear();
        ui.replies.push_back({answer, ""});
        Show(Builder::List, "MessageEmptyList");
        EXPECT_EQ(callsWhileShown, std::vector<std::string>{"Suspend"});
        EXPECT_TRUE(floating.timerOnTop);
    }
}

TEST_F(MessagesTest, FloatingStaysOffWithoutAlwaysOnTop) {
    messages.SetFloating(&floating);
    ctx.options.AlwaysOnTop = 0;
    Show(Builder::List, "MessageEmptyList");
    EXPECT_EQ(std::count(floating.calls.begin(), floating.calls.end(), "Suspend"), 0);
    EXPECT_FALSE(floating.timerOnTop);
}

TEST_F(MessagesTest, MessageOverAnOpenBoxLeavesFloatingToTheBox) {
    messages.SetFloating(&floating);
    ctx.options.AlwaysOnTop = 1;
    ctx.window.OpenMenuIndex = 2;  // Open From List
    ui.AnswerOk();
    ui.AnswerCancel();
    Show(Builder::List, "MessagePathAlreadyListed");
    Show(Builder::List, "MessageNameAlreadyListed");
    EXPECT_TRUE(floating.calls.empty());
    EXPECT_FALSE(floating.timerOnTop);
}

TEST_F(MessagesTest, RememberMyComputerBecomesUsableOnceTheRefusalIsClosed) {
    int enabled = 0;
    messages.SetRememberEnabler([&] { ++enabled; });
    for (MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Cancel}) {
        ctx.message.ReEnableRemember = true;
        ctx.message.PlainText = "refused";
        ui.replies.push_back({answer, ""});
        messages.ShowPlainMessage();
        EXPECT_FALSE(ctx.message.ReEnableRemember);
    }
    EXPECT_EQ(enabled, 2);

    Show(Builder::List, "MessageEmptyList");
    EXPECT_EQ(enabled, 2);
}

TEST_F(MessagesTest, BugReportYesMailsTheTagToTheMaker) {
    ui.AnswerOk();
    messages.ReportBug("ProgFolderCreatePub");
    ASSERT_EQ(shell.openedLinks.size(), 1u);
    EXPECT_EQ(shell.openedLinks[0], std::string("mailto:") + kBugReportAddress +
                                        "?subject=Orbilo - Found Bug&body=Bug-Orbilo-ProgFolderCreatePub");
    EXPECT_EQ(ui.views.size(), 1u);
    EXPECT_EQ(ctx.message.MessageID, "");
    EXPECT_FALSE(ctx.message.BugReportMode);
    EXPECT_FALSE(ctx.endRequested);
}

TEST_F(MessagesTest, BugReportYesLeavesFloatingForTheNextMessageOrBox) {
    messages.SetFloating(&floating);
    floating.timerOnTop = true;
    ctx.options.AlwaysOnTop = 1;
    ui.AnswerOk();
    messages.ReportBug("ProgFileExistPub");
    EXPECT_EQ(floating.calls, std::vector<std::string>{"Suspend"});
}

TEST_F(MessagesTest, BugReportMailFailureIsReported) {
    shell.FailOn("OpenLink");
    ui.AnswerOk();
    ui.AnswerOk();
    messages.ReportBug("MediaSettingGet");
    ASSERT_EQ(ui.views.size(), 2u);
    EXPECT_EQ(ui.views[1].text, "There was some error. Could not start the required program.");
    EXPECT_EQ(ui.views[1].okCaption, "OK");
    ExpectStateCleared(ctx.message);
}

TEST_F(MessagesTest, BugReportNoSendsNothing) {
    ui.AnswerCancel();
    messages.ReportBug("ProgFolderCreatePub");
    EXPECT_TRUE(shell.openedLinks.empty());
    EXPECT_EQ(ui.views.size(), 1u);
    ExpectStateCleared(ctx.message);
    EXPECT_FALSE(ctx.endRequested);
}

}  // namespace
}  // namespace orbilo::test
