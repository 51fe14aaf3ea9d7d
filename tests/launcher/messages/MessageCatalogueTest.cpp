// Every message of the catalogue, byte for byte, shown through the builder that owns it.
#include <string>
#include <vector>

#include "MessagesFixture.h"
#include "format/MakerInfo.h"

namespace orbilo::test {
namespace {

struct CatalogueCase {
    Builder builder;
    std::string id;
    std::string text;
};

std::vector<CatalogueCase> InformingMessages() {
    const std::string host = kWebSiteHost;
    return {
        {Builder::Startup, "MessageSmallScreen",
         "Screen resolution must be at least 1024x768 for Orbilo to run correctly. Since your screen "
         "resolution is smaller than that, Orbilo will will exit now."},
        {Builder::Startup, "MessageNeedSriptRuntime",
         "Your machine need Microsoft Scripting Runtime update to run this Program.\r\n"
         "\r\n"
         "Please download the installation package of the Program which includes all necessary files need to "
         "run it.\r\n"
         "\r\n"
         "Installation package is available at " +
             host + "."},
        {Builder::Startup, "MessageProgInSystem",
         "The Program will not run from inside System Folder. Please do the followings :\r\n"
         "\r\n"
         "1. Press OK to exit the Program.\r\n"
         "2. Copy Orbilo.bin to a different Folder outside System Folder.\r\n"
         "3. Delete Orbilo.bin from within System Folder.\r\n"
         "4. Run Orbilo.bin that you copied on step 2."},
        {Builder::Startup, "MessageMediaUnknown", "The Program encountered a problem and will exit now."},
        {Builder::Startup, "MessageMediaCDRom",
         "This Program runs from Removable Media, such as, Floppy or Flash Drive but not from CD/DVD-ROM.\r\n"
         "\r\n"
         "Program will exit now."},
        {Builder::Startup, "MessageMediaCreateError",
         "Program can not run.\r\n"
         "There was problem writing Data on the Media from which you are trying to run the Program."},
        {Builder::Startup, "MessageMyPathNotFound",
         "Did you rename Orbilo.bin or renamed or moved the folder that contains the program or any folder "
         "on "
         "the path?\r\n"
         "\r\n"
         "Are you trying to run the program with a Program Launcher without even using the program at least "
         "once?\r\n"
         "\r\n"
         "Whatever the problem is, to solve it you need to do the followings:\r\n"
         "\r\n"
         "     1. Rename back the file name to Orbilo.bin in renamed\r\n"
         "     2. Run the program at least once without using any Program Launcher."},
        {Builder::Input, "MessageRunBachanError",
         "There was some error. Could not run Help.\r\n"
         "\r\n"
         "You can download Help from " +
             host + " if you do not have it. If you have it please report bug at web site."},
        {Builder::Input, "MessageRunGaganError", "There was some error. Could not run Web Browser."},
        {Builder::Input, "MessageRunGuruError", "There was some error. Could not run the Program."},
        {Builder::List, "MessageNameAlreadyListed",
         "The name you typed is listed name for another item in it's group.\r\n"
         "\r\n"
         "Two different items in the same group (Groups : Program, File, Folder and Web Site) can't be "
         "listed "
         "with same name. Type a different name please."},
        {Builder::List, "MessagePathAlreadyListed",
         "Selected item has already been included in the List. There is no need to add it again."},
        {Builder::List, "MessageFamilyProgram",
         "This is Korrin's Program.\r\n"
         "\r\n"
         "There is no need to add Korrin's program in the List. To run this program click on 'Korrin's' "
         "button, select program and click 'OK'."},
        {Builder::List, "MessageEmptyList",
         "Launch List is empty.\r\n"
         "\r\n"
         "To add Program, File, Folder or Web Site in your Launch List please click on 'Add To List' "
         "button."},
        {Builder::List, "MessageProgramExplorerError", "There was some error. Could not open the Folder."},
        {Builder::List, "MessageProgramRunError", "There was some error. Could not run the program."},
        {Builder::List, "MessageProgramStartError",
         "There was some error. Could not start the required program."},
        {Builder::List, "MessageDriveNotReady", "The Drive you are trying to select is not ready."},
        {Builder::List, "MessageExecutableNotFound",
         "Could not find the Executable Path. Reason undetermined."},
        {Builder::List, "MessageListFull",
         "This group of the List is full: it holds 32767 items, as many as a group can hold. Remove an item you "
         "no longer need, then add this one again."},
    };
}

const char* const kFirstStartHead =
    "If you missed it, main program window is at the top left corner of your screen.\r\n"
    "You can drag it by clicking left mouse button on small spaces between the buttons or buttons and Text "
    "box. Buttons from left :\r\n"
    "\r\n"
    "    1. Show/Hide Add URL Box.            2. Show | Hide Add To List Box.\r\n"
    "    3. Show | Hide Open Box.                 4. Show | Hide Open From List Box.\r\n"
    "    5. Show | Hide Run (Korrin's) Box.   6. Show | Hide Preferences Box.\r\n"
    "    7. Show | Hide Help Box.                   8. Show | Hide Code List Box.\r\n"
    "    9. Mimimize Button.                           10. Exit Button.\r\n"
    "\r\n";
const char* const kFirstStartTail =
    "\r\n"
    "\r\n"
    "You will type Code and Command in the Text Box (blue part).\r\n"
    "For Code and Command please check Help.";

using MessageCatalogueTest = MessagesFixture;

TEST_F(MessageCatalogueTest, EveryInformingMessageShowsItsExactTextWithOkAlone) {
    for (const CatalogueCase& expected : InformingMessages()) {
        SCOPED_TRACE(expected.id);
        ui.views.clear();
        Show(expected.builder, expected.id);
        ASSERT_EQ(ui.views.size(), 1u);
        const MessageView& view = ui.views.front();
        EXPECT_EQ(view.text, expected.text);
        EXPECT_EQ(view.head, "myFriend");
        EXPECT_EQ(view.okCaption, "OK");
        EXPECT_TRUE(view.okEnabled);
        EXPECT_FALSE(view.cancelEnabled);
        EXPECT_FALSE(view.nameInput);
    }
}

TEST_F(MessageCatalogueTest, TheExecutableSuffixIsThePlatformsOwn) {
    ctx.app.executableSuffix = ".exe";
    Show(Builder::Startup, "MessageProgInSystem");
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_NE(ui.views[0].text.find("\r\n2. Copy Orbilo.exe to a different Folder"), std::string::npos);
}

TEST_F(MessageCatalogueTest, NamePromptAsksWithItsOwnHeadAndOnlyCancelUntilANameIsTyped) {
    Show(Builder::Input, "MessageGetUserName");
    ASSERT_EQ(ui.views.size(), 1u);
    const MessageView& view = ui.views[0];
    EXPECT_EQ(view.text,
              std::string("Thank you for trying Orbilo.\r\n"
                          "\r\n"
                          "If you want to be addressed by your name of choice then please enter that "
                          "name in the above box. Use only alphabets please.\r\n"
                          "\r\n"
                          "Orbilo will address you as **myFriend** if you do not enter a name.\r\n"
                          "\r\n"
                          "korrin\r\n") +
                  kContactAddress);
    EXPECT_EQ(view.head, "Your Name Please");
    EXPECT_TRUE(view.nameInput);
    EXPECT_FALSE(view.okEnabled);
    EXPECT_TRUE(view.cancelEnabled);
    EXPECT_EQ(view.okCaption, "OK");
    EXPECT_EQ(view.cancelCaption, "Cancel");
}

TEST_F(MessageCatalogueTest, HelpDownloadQuestionIsAskedYesOrNo) {
    Show(Builder::Input, "MessageHelpShow");
    ASSERT_EQ(ui.views.size(), 1u);
    const MessageView& view = ui.views[0];
    EXPECT_EQ(view.text,
              "Could not find OrbiloHelp.bin. If you have it please do the followings :\r\n"
              "    1. Rename it back to original name if you renamed it.\r\n"
              "    2. Run it once by double clicking on the file name in Windows Explorer.\r\n"
              "    3. Restart Orbilo to set it up to work with Help.\r\n"
              "Once done, same button will show Help which is showing this message.\r\n"
              "\r\n"
              "Download Help from " +
                  std::string(kWebSiteHost) +
                  " if you do not have it. Do as follows :\r\n"
                  "    1. Make sure you do not rename the file while saving.\r\n"
                  "    2. Run Help after downloading to set it up to work with main program.\r\n"
                  "    3. Restart Orbilo to set it up to work with Help.\r\n"
                  "To download, make sure you are connected to internet.\r\n"
                  "\r\n"
                  "Do you want to download Help now?");
    EXPECT_EQ(view.head, "myFriend");
    EXPECT_EQ(view.okCaption, "Yes");
    EXPECT_EQ(view.cancelCaption, "No");
    EXPECT_TRUE(view.okEnabled);
    EXPECT_TRUE(view.cancelEnabled);
}

TEST_F(MessageCatalogueTest, FirstStartNoticeNamesTheHiddenButtonOnlyWithoutSiblings) {
    ctx.siblings.SiblingLast = -1;
    Show(Builder::List, "MessageFisrtStart");
    ctx.siblings.SiblingLast = 0;
    Show(Builder::List, "MessageFisrtStart");
    ASSERT_EQ(ui.views.size(), 2u);
    EXPECT_EQ(ui.views[0].text,
              std::string(kFirstStartHead) +
                  "Since you don't have any more Korrin's program #5 button is not visible." +
                  kFirstStartTail);
    // With a sibling the notice line is empty: three empty lines stand between the button list and
    // the next sentence.
    EXPECT_EQ(ui.views[1].text, std::string(kFirstStartHead) + kFirstStartTail);
}

TEST_F(MessageCatalogueTest, BugReportNamesTheTagIndentedAndAsksYesOrNo) {
    messages.ReportBug("ProgFolderCreatePub");
    ASSERT_EQ(ui.views.size(), 1u);
    const MessageView& view = ui.views[0];
    EXPECT_EQ(view.text, std::string("There was some error.\r\n"
                                     "It will be helpful if you please report it to ") +
                             kBugReportAddress +
                             " .\r\n"
                             "Just include the following message in your email :\r\n"
                             "    Bug-Orbilo-ProgFolderCreatePub\r\n"
                             "\r\n"
                             "Do you want to report this bug now?");
    EXPECT_EQ(view.head, "myFriend");
    EXPECT_EQ(view.okCaption, "Yes");
    EXPECT_EQ(view.cancelCaption, "No");
}

TEST_F(MessageCatalogueTest, BuildersShowOnlyTheirOwnMessages) {
    const struct {
        Builder builder;
        const char* id;
    } strangers[] = {
        {Builder::Startup, "MessageEmptyList"}, {Builder::Startup, "MessageGetUserName"},
        {Builder::Input, "MessageSmallScreen"}, {Builder::Input, "MessageFisrtStart"},
        {Builder::List, "MessageMediaCDRom"},   {Builder::List, "MessageHelpShow"},
        {Builder::List, "MessageNoSuchThing"},  {Builder::Startup, ""},
        {Builder::List, "messageemptylist"},
    };
    for (const auto& stranger : strangers) {
        SCOPED_TRACE(stranger.id);
        ctx.message.EndAfterMessage = false;
        Show(stranger.builder, stranger.id);
        EXPECT_TRUE(ui.views.empty());
        EXPECT_FALSE(ctx.endRequested);
    }
}

TEST_F(MessageCatalogueTest, PanelOpenErrorIsReportedByTheListBuilderOnly) {
    for (Builder builder : {Builder::Startup, Builder::Input}) {
        Show(builder, "MessagePanelOpenError");
    }
    EXPECT_TRUE(ui.views.empty());
    Show(Builder::List, "MessagePanelOpenError");
    ASSERT_EQ(ui.views.size(), 1u);
    EXPECT_EQ(ui.views[0].text, "There was some error. Could not open the settings panel.");
    EXPECT_FALSE(ctx.endRequested);
}

}  // namespace
}  // namespace orbilo::test
