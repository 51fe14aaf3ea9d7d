// The launcher's message texts. The wording, spelling and spacing are the program's own and are
// kept exactly as users have always read them; only names and endpoints are filled in.
#include "messages/MessageCatalogue.h"

#include <utility>

#include "format/MakerInfo.h"
#include "messages/MessageIds.h"

namespace orbilo {

namespace {

std::string Executable(const std::string& name, const AppIdentity& app) {
    return name + app.executableSuffix;
}

CatalogueEntry Ok(std::string text) {
    CatalogueEntry entry;
    entry.text = std::move(text);
    return entry;
}

}  // namespace

std::string JoinLines(std::initializer_list<std::string> lines) {
    std::string joined;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first) joined += kLineBreak;
        joined += line;
        first = false;
    }
    return joined;
}

std::optional<CatalogueEntry> StartupCatalogueEntry(const AppIdentity& app, const std::string& messageId) {
    const std::string& name = app.programName;
    const std::string exe = Executable(name, app);
    const std::string host = kWebSiteHost;

    if (messageId == kMessageSmallScreen) {
        return Ok("Screen resolution must be at least 1024x768 for " + name +
                  " to run correctly. Since your screen resolution is smaller than that, " + name +
                  " will will exit now.");
    }
    if (messageId == kMessageNeedSriptRuntime) {
        return Ok(JoinLines({
            "Your machine need Microsoft Scripting Runtime update to run this Program.",
            "",
            "Please download the installation package of the Program which includes all necessary files "
            "need to run it.",
            "",
            "Installation package is available at " + host + ".",
        }));
    }
    if (messageId == kMessageProgInSystem) {
        return Ok(JoinLines({
            "The Program will not run from inside System Folder. Please do the followings :",
            "",
            "1. Press OK to exit the Program.",
            "2. Copy " + exe + " to a different Folder outside System Folder.",
            "3. Delete " + exe + " from within System Folder.",
            "4. Run " + exe + " that you copied on step 2.",
        }));
    }
    if (messageId == kMessageMediaUnknown) {
        return Ok("The Program encountered a problem and will exit now.");
    }
    if (messageId == kMessageMediaCDRom) {
        return Ok(JoinLines({
            "This Program runs from Removable Media, such as, Floppy or Flash Drive but not from CD/DVD-ROM.",
            "",
            "Program will exit now.",
        }));
    }
    if (messageId == kMessageMediaCreateError) {
        return Ok(JoinLines({
            "Program can not run.",
            "There was problem writing Data on the Media from which you are trying to run the Program.",
        }));
    }
    if (messageId == kMessageMyPathNotFound) {
        return Ok(JoinLines({
            "Did you rename " + exe +
                " or renamed or moved the folder that contains the program or any folder on the path?",
            "",
            "Are you trying to run the program with a Program Launcher without even using the program at "
            "least once?",
            "",
            "Whatever the problem is, to solve it you need to do the followings:",
            "",
            "     1. Rename back the file name to " + exe + " in renamed",
            "     2. Run the program at least once without using any Program Launcher.",
        }));
    }
    return std::nullopt;
}

std::optional<CatalogueEntry> InputCatalogueEntry(const AppIdentity& app, const std::string& messageId) {
    const std::string& name = app.programName;
    const std::string host = kWebSiteHost;

    if (messageId == kMessageGetUserName) {
        CatalogueEntry entry;
        entry.head = kNamePromptHead;
        entry.buttonKind = kButtonKindCancel;
        entry.inputKind = kInputKindName;
        entry.text = JoinLines({
            "Thank you for trying " + name + ".",
            "",
            "If you want to be addressed by your name of choice then please enter that name in the above "
            "box. Use only alphabets please.",
            "",
            name + " will address you as **myFriend** if you do not enter a name.",
            "",
            "korrin",
            kContactAddress,
        });
        return entry;
    }
    if (messageId == kMessageHelpShow) {
        CatalogueEntry entry;
        entry.buttonKind = kButtonKindYesNo;
        entry.text = JoinLines({
            "Could not find " + Executable(app.helpProgramName, app) +
                ". If you have it please do the followings :",
            "    1. Rename it back to original name if you renamed it.",
            "    2. Run it once by double clicking on the file name in Windows Explorer.",
            "    3. Restart " + name + " to set it up to work with Help.",
            "Once done, same button will show Help which is showing this message.",
            "",
            "Download Help from " + host + " if you do not have it. Do as follows :",
            "    1. Make sure you do not rename the file while saving.",
            "    2. Run Help after downloading to set it up to work with main program.",
            "    3. Restart " + name + " to set it up to work with Help.",
            "To download, make sure you are connected to internet.",
            "",
            "Do you want to download Help now?",
        });
        return entry;
    }
    if (messageId == kMessageRunBachanError) {
        return Ok(JoinLines({
            "There was some error. Could not run Help.",
            "",
            "You can download Help from " + host +
                " if you do not have it. If you have it please report bug at web site.",
        }));
    }
    if (messageId == kMessageRunGaganError) {
        return Ok("There was some error. Could not run Web Browser.");
    }
    if (messageId == kMessageRunGuruError) {
        return Ok("There was some error. Could not run the Program.");
    }
    return std::nullopt;
}

std::optional<CatalogueEntry> ListCatalogueEntry(const AppIdentity& /*app*/, int siblingLast,
                                                 const std::string& messageId) {
    if (messageId == kMessageFisrtStart) {
        // Button 5 runs the sibling programs; without any it is hidden, and the notice says so.
        const std::string notice =
            siblingLast == -1 ? "Since you don't have any more Korrin's program #5 button is not visible."
                              : "";
        return Ok(JoinLines({
            "If you missed it, main program window is at the top left corner of your screen.",
            "You can drag it by clicking left mouse button on small spaces between the buttons or buttons "
            "and "
            "Text box. Buttons from left :",
            "",
            "    1. Show/Hide Add URL Box.            2. Show | Hide Add To List Box.",
            "    3. Show | Hide Open Box.                 4. Show | Hide Open From List Box.",
            "    5. Show | Hide Run (Korrin's) Box.   6. Show | Hide Preferences Box.",
            "    7. Show | Hide Help Box.                   8. Show | Hide Code List Box.",
            "    9. Mimimize Button.                           10. Exit Button.",
            "",
            notice,
            "",
            "You will type Code and Command in the Text Box (blue part).",
            "For Code and Command please check Help.",
        }));
    }
    if (messageId == kMessageNameAlreadyListed) {
        return Ok(JoinLines({
            "The name you typed is listed name for another item in it's group.",
            "",
            "Two different items in the same group (Groups : Program, File, Folder and Web Site) can't be "
            "listed with same name. Type a different name please.",
        }));
    }
    if (messageId == kMessagePathAlreadyListed) {
        return Ok("Selected item has already been included in the List. There is no need to add it again.");
    }
    if (messageId == kMessageFamilyProgram) {
        return Ok(JoinLines({
            "This is Korrin's Program.",
            "",
            "There is no need to add Korrin's program in the List. To run this program click on 'Korrin's' "
            "button, select program and click 'OK'.",
        }));
    }
    if (messageId == kMessageEmptyList) {
        return Ok(JoinLines({
            "Launch List is empty.",
            "",
            "To add Program, File, Folder or Web Site in your Launch List please click on 'Add To List' "
            "button.",
        }));
    }
    if (messageId == kMessageProgramExplorerError) {
        return Ok("There was some error. Could not open the Folder.");
    }
    if (messageId == kMessageProgramRunError) {
        return Ok("There was some error. Could not run the program.");
    }
    if (messageId == kMessageProgramStartError) {
        return Ok("There was some error. Could not start the required program.");
    }
    if (messageId == kMessageDriveNotReady) {
        return Ok("The Drive you are trying to select is not ready.");
    }
    if (messageId == kMessageExecutableNotFound) {
        return Ok("Could not find the Executable Path. Reason undetermined.");
    }
    if (messageId == kMessageListFull) {
        return Ok(
            "This group of the List is full: it holds 32767 items, as many as a group can hold. Remove an item "
            "you no longer need, then add this one again.");
    }
    if (messageId == kMessagePanelOpenError) {
        // A settings panel that cannot be opened is reported like any other failed start: on
        // Linux many panels exist only on some desktops, and silence would leave the user
        // guessing whether the Instruction did anything.
        return Ok("There was some error. Could not open the settings panel.");
    }
    return std::nullopt;
}

std::string BugReportTag(const AppIdentity& app, const std::string& procedureName) {
    return "Bug-" + app.programName + "-" + procedureName;
}

std::string BugReportText(const std::string& tag) {
    return JoinLines({
        "There was some error.",
        std::string("It will be helpful if you please report it to ") + kBugReportAddress + " .",
        "Just include the following message in your email :",
        "    " + tag,
        "",
        "Do you want to report this bug now?",
    });
}

std::string BugReportSubject(const AppIdentity& app) {
    return app.programName + " - Found Bug";
}

}  // namespace orbilo
