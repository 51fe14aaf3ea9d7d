// The help, web site and sibling actions: what is handed to the system, and the message each
// failure shows.
#include <string>
#include <vector>

#include "SuiteFixture.h"
#include "format/MakerInfo.h"
#include "messages/MessageIds.h"
#include "suite/SuiteActions.h"

namespace orbilo::test {
namespace {

class SuiteActionsTest : public SuiteFixture {
  protected:
    SuiteActionsTest() {
        ctx.siblings.SiblingNames = {"Tazro", "Pelwin"};
        ctx.siblings.SiblingPaths = {"/opt/tazro/Tazro.bin", "/opt/My Tools/Pelwin.bin"};
        ctx.siblings.SiblingLast = 1;
    }
    void HelpAt(const std::string& path) {
        ctx.suite.HelpFound = true;
        ctx.suite.HelpExePath = path;
    }

    SuiteActions actions{ctx, shell, beacon, messages};
};

TEST_F(SuiteActionsTest, AHelpProgramNotFoundAtStartAnswersTheDownloadQuestion) {
    EXPECT_EQ(actions.ShowHelp(), kMessageHelpShow);
    EXPECT_TRUE(shell.started.empty());
    EXPECT_TRUE(beacon.activated.empty());
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SuiteActionsTest, ARunningHelpProgramIsBroughtForwardAndNoSecondOneStarted) {
    HelpAt("/opt/help/OrbiloHelp.bin");
    beacon.otherInstanceRunning = true;
    EXPECT_EQ(actions.ShowHelp(), "");
    EXPECT_EQ(beacon.activated, std::vector<std::string>{"OrbiloHelp Korrin"});
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(SuiteActionsTest, TheHelpProgramIsStartedAsOneProgramWhenNoneRuns) {
    HelpAt("/opt/My Help/OrbiloHelp.bin");
    // A holder of the title that does not answer counts as none.
    beacon.otherInstanceRunning = true;
    beacon.otherInstanceAnswers = false;
    EXPECT_EQ(actions.ShowHelp(), "");
    EXPECT_EQ(shell.started, std::vector<std::string>{"/opt/My Help/OrbiloHelp.bin"});
    EXPECT_TRUE(ui.views.empty());
}

TEST_F(SuiteActionsTest, AHelpProgramThatCannotStartIsReportedThere) {
    HelpAt("/opt/help/OrbiloHelp.bin");
    shell.FailOn("StartCommandLine");
    EXPECT_EQ(actions.ShowHelp(), "");
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{InputText(kMessageRunBachanError)});
}

TEST_F(SuiteActionsTest, TheHelpButtonOpensTheWebSiteOnlyOnYes) {
    ui.AnswerCancel();  // No
    actions.HelpButton();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{InputText(kMessageHelpShow)});
    EXPECT_TRUE(shell.ran.empty());

    ui.AnswerOk();  // Yes
    actions.HelpButton();
    EXPECT_EQ(ui.views.size(), 2u);
    EXPECT_EQ(ui.views[1].okCaption, "Yes");
    EXPECT_EQ(shell.ran, std::vector<std::string>{kWebSiteUrl});
    EXPECT_EQ(ctx.message.AfterMessageAction, "");
    EXPECT_EQ(ctx.message.MessageID, "");
}

TEST_F(SuiteActionsTest, TheHelpButtonShowsNothingWhenTheHelpProgramStarts) {
    HelpAt("/opt/help/OrbiloHelp.bin");
    actions.HelpButton();
    EXPECT_EQ(shell.started, std::vector<std::string>{"/opt/help/OrbiloHelp.bin"});
    EXPECT_TRUE(ui.views.empty());
    EXPECT_TRUE(shell.ran.empty());
}

TEST_F(SuiteActionsTest, AWebSiteThatCannotOpenIsReported) {
    actions.OpenWebSite();
    EXPECT_EQ(shell.ran, std::vector<std::string>{kWebSiteUrl});
    EXPECT_TRUE(ui.views.empty());

    shell.FailOn("Run");
    actions.OpenWebSite();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{InputText(kMessageRunGaganError)});
}

TEST_F(SuiteActionsTest, ASiblingIsStartedByItsPathAndItsFailureReported) {
    SiblingRunner& runner = actions;  // what the "r." Instruction is handed
    runner.RunSibling(1);
    EXPECT_EQ(shell.started, std::vector<std::string>{"/opt/My Tools/Pelwin.bin"});
    EXPECT_TRUE(ui.views.empty());

    shell.FailOn("StartCommandLine");
    runner.RunSibling(0);
    EXPECT_EQ(shell.started.back(), "/opt/tazro/Tazro.bin");
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{InputText(kMessageRunGuruError)});
}

TEST_F(SuiteActionsTest, ASiblingIndexOutsideTheListStartsNothing) {
    for (const int index : {-1, 2}) actions.RunSibling(index);
    EXPECT_TRUE(shell.started.empty());
    EXPECT_EQ(ShownTexts(),
              (std::vector<std::string>{InputText(kMessageRunGuruError), InputText(kMessageRunGuruError)}));
}

}  // namespace
}  // namespace orbilo::test
