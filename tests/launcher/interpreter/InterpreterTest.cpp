// Every Code of the instruction box: the exact target handed to the system and what the box
// holds afterwards, on success and on failure; and the keys Backspace, Esc and the digit filter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeSettingsStore.h"
#include "FakeShell.h"
#include "RecordingMessageUi.h"
#include "format/MakerInfo.h"
#include "interpreter/Interpreter.h"
#include "interpreter/LaunchActions.h"
#include "messages/Messages.h"

namespace orbilo::test {
namespace {

class StateBox : public InstructionBox {
  public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override { text = value; }
    void Focus() override { ++focused; }
    std::string text;
    int focused = 0;
};

class RecordingStrip : public StripCommands {
  public:
    void ClickMenu(int index) override { clicks.push_back(index); }
    void ClickMinimize() override { ++minimised; }
    std::vector<int> clicks;
    int minimised = 0;
};

class RecordingSiblings : public SiblingRunner {
  public:
    void RunSibling(int index) override { ran.push_back(index); }
    std::vector<int> ran;
};

class InterpreterTest : public testing::Test {
  protected:
    InterpreterTest() {
        ctx.app.programName = "Orbilo";
        ctx.launchList[Group::Program].Append("editor", "/usr/bin/editor --new");
        ctx.launchList[Group::File].Append("notes", "/home/ann/notes.txt");
        ctx.launchList[Group::Folder].Append("music", "/home/ann/My Music");
        ctx.launchList[Group::Web].Append("news", "https://news.example/today");
        ctx.siblings.SiblingNames = {"Sibling"};
        ctx.siblings.SiblingPaths = {"/opt/korrin/Sibling.bin"};
        ctx.siblings.SiblingLast = 0;
        shell.specialFolders["SendTo"] = "/home/ann/SendTo";
        shell.specialFolders["MyDocuments"] = "/home/ann/Documents";
        interpreter.SetSiblingRunner(&siblings);
    }

    void Press(InstructionKey::Kind kind, const std::string& text = {}) {
        interpreter.OnKeyPress(InstructionKey{kind, text});
    }

    // Everything the fake shell was asked to do, as "what:target" lines.
    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        for (const auto& c : shell.started) calls.push_back("start:" + c);
        for (const auto& c : shell.folders) calls.push_back("folder:" + c);
        for (const auto& c : shell.ran) calls.push_back("run:" + c);
        for (const auto& c : shell.openedLinks) calls.push_back("link:" + c);
        for (const auto& c : shell.dialed) calls.push_back("dial:" + c);
        for (const auto& c : shell.applets) calls.push_back("applet:" + c);
        for (const int i : siblings.ran) calls.push_back("sibling:" + std::to_string(i));
        return calls;
    }

    Context ctx;
    FakeShell shell;
    FakeSettingsStore store;
    RecordingMessageUi ui;
    StateBox box;
    RecordingStrip strip;
    RecordingSiblings siblings;
    Messages messages{ctx, store, shell, ui};
    LaunchActions actions{ctx, shell, box};
    Interpreter interpreter{ctx, shell, messages, box, actions, strip};
};

enum class After { Cleared, Kept };

struct CodeCase {
    const char* instruction;
    const char* pick;  // "item", "mail", "sibling" or "" — what autocompletion chose
    const char* call;  // the one call expected, "what:target"
    After onSuccess;
    const char* failOn;   // the fake shell operation made to fail; "" when it cannot fail
    const char* message;  // the text shown on failure ("" when none)
    After onFailure;
};

const std::string kMail = std::string("link:mailto:") + kSuggestionsAddress + "?subject=Orbilo - Suggestions";

const CodeCase kCodes[] = {
    {"p=/usr/bin/gimp --new-instance \"a b\"", "", "start:/usr/bin/gimp --new-instance \"a b\"",
     After::Cleared, "StartCommandLine", "There was some error. Could not run the program.", After::Kept},
    {"P=Gimp", "", "start:Gimp", After::Cleared, "StartCommandLine",
     "There was some error. Could not run the program.", After::Kept},
    {"f=/home/ann/My File.odt", "", "run:/home/ann/My File.odt", After::Cleared, "Run",
     "There was some error. Could not start the required program.", After::Kept},
    {"d=/home/ann/My Music", "", "folder:/home/ann/My Music", After::Cleared, "OpenFolder",
     "There was some error. Could not open the Folder.", After::Kept},
    {"w=https://example.org/?a=1&b= 2", "", "run:https://example.org/?a=1&b= 2", After::Cleared, "Run",
     "There was some error. Could not start the required program.", After::Kept},
    {"w:example.org/x y", "", "run:http://example.org/x y", After::Cleared, "Run",
     "There was some error. Could not start the required program.", After::Kept},
    {"w;example.org", "", "run:http://www.example.org", After::Cleared, "Run",
     "There was some error. Could not start the required program.", After::Kept},
    {"c/python", "", "run:http://www.python.com", After::Cleared, "Run",
     "There was some error. Could not start the required program.", After::Kept},
    {"g/usa", "", "run:http://www.usa.gov", After::Cleared, "", "", After::Kept},
    {"i/about", "", "run:http://www.about.info", After::Cleared, "", "", After::Kept},
    {"N/Kernel", "", "run:http://www.Kernel.net", After::Cleared, "", "", After::Kept},
    {"o/debian", "", "run:http://www.debian.org", After::Cleared, "", "", After::Kept},
    {"t/arte", "", "run:http://www.arte.tv", After::Cleared, "", "", After::Kept},
    {"e=ann@example.org", "", "run:mailto:ann@example.org", After::Cleared, "Run",
     "There was some error. Could not start the required program.", After::Kept},
    {"d.SENDTO", "", "folder:/home/ann/SendTo", After::Cleared, "OpenFolder",
     "There was some error. Could not open the Folder.", After::Kept},
    {"d.NoSuchFolder", "", "folder:/home/ann/Documents", After::Cleared, "", "", After::Kept},
    {"c.DateTime", "", "applet:datetime", After::Kept, "OpenPanelApplet",
     "There was some error. Could not open the settings panel.", After::Kept},
    {"p-editor", "item", "start:/usr/bin/editor --new", After::Cleared, "StartCommandLine",
     "There was some error. Could not run the program.", After::Kept},
    {"f-notes", "item", "run:/home/ann/notes.txt", After::Cleared, "Run",
     "There was some error. Could not start the required program.", After::Kept},
    {"d-music", "item", "folder:/home/ann/My Music", After::Cleared, "OpenFolder",
     "There was some error. Could not open the Folder.", After::Kept},
    {"w-news", "item", "run:https://news.example/today", After::Cleared, "Run",
     "There was some error. Could not start the required program.", After::Kept},
    {"e.ideas@korrin.example", "mail", kMail.c_str(), After::Cleared, "OpenLink",
     "There was some error. Could not start the required program.", After::Cleared},
    {"r.Sibling", "sibling", "sibling:0", After::Cleared, "", "", After::Cleared},
};

TEST_F(InterpreterTest, EveryCodeHandsItsExactTargetOnAndLeavesTheBoxAsDefined) {
    for (const CodeCase& c : kCodes) {
        for (const bool failing : {false, true}) {
            if (failing && std::string(c.failOn).empty()) continue;
            SCOPED_TRACE(std::string(c.instruction) + (failing ? " (failing)" : ""));
            FakeShell fresh;
            fresh.specialFolders = shell.specialFolders;
            shell = fresh;
            siblings.ran.clear();
            ui.views.clear();
            if (failing) shell.FailOn(c.failOn);
            ctx.interpreter = InterpreterState{};
            const std::string pick = c.pick;
            if (pick == "item") ctx.interpreter.PickedItem = 0;
            if (pick == "mail") ctx.interpreter.PickedMail = 1;
            if (pick == "sibling") ctx.interpreter.PickedSibling = 0;
            box.text = c.instruction;

            Press(InstructionKey::Kind::Enter);

            EXPECT_EQ(Calls(), std::vector<std::string>{c.call});
            const After after = failing ? c.onFailure : c.onSuccess;
            EXPECT_EQ(box.text, after == After::Cleared ? std::string() : std::string(c.instruction));
            if (failing) {
                ASSERT_EQ(ui.views.size(), 1u);
                EXPECT_EQ(ui.views[0].text, c.message);
            } else {
                EXPECT_TRUE(ui.views.empty());
            }
        }
    }
}

TEST_F(InterpreterTest, DialingShowsItsFailureAsAPlainMessageAndAlwaysEmptiesTheBox) {
    struct DialCase {
        int result;
        const char* text;
    };
    const DialCase cases[] = {
        {0, ""},
        {-2, "No Windows Telephony dialing application is running and none could be started."},
        {-3, "The queue of pending Windows Telephony dialing requests is full."},
        {-4, "The phone number is not valid."},
        {-1, "Could not dial the number. Reason unknown."},
        {7, "Could not dial the number. Reason unknown."},
    };
    for (const DialCase& c : cases) {
        SCOPED_TRACE(c.result);
        ui.views.clear();
        shell.dialed.clear();
        shell.dialResult = c.result;
        box.text = "t=5550100";
        const int focusedBefore = box.focused;
        Press(InstructionKey::Kind::Enter);
        EXPECT_EQ(shell.dialed, std::vector<std::string>{"5550100"});
        EXPECT_EQ(box.text, "");
        EXPECT_EQ(box.focused, focusedBefore + 1);
        if (std::string(c.text).empty()) {
            EXPECT_TRUE(ui.views.empty());
        } else {
            ASSERT_EQ(ui.views.size(), 1u);
            EXPECT_EQ(ui.views[0].text, c.text);
        }
    }
}

TEST_F(InterpreterTest, InstructionsThatMeanNothingDoNothingAndKeepTheText) {
    for (const char* instruction :
         {"p-", "p-editor", "e.bugs", "r.Sib", "x=abc", "c.Fonts", "c.nothing", "zz", "ab"}) {
        SCOPED_TRACE(instruction);
        ctx.interpreter = InterpreterState{};  // nothing was completed
        box.text = instruction;
        Press(InstructionKey::Kind::Enter);
        EXPECT_TRUE(Calls().empty());
        EXPECT_EQ(box.text, instruction);
        EXPECT_TRUE(ui.views.empty());
    }
}

TEST_F(InterpreterTest, FontsIsAFolderButNoApplet) {
    shell.specialFolders["Fonts"] = "/home/ann/.local/share/fonts";
    box.text = "d.Fonts";
    Press(InstructionKey::Kind::Enter);
    EXPECT_EQ(shell.folders, std::vector<std::string>{"/home/ann/.local/share/fonts"});
}

TEST_F(InterpreterTest, TelephoneCodeTakesDigitsOnly) {
    box.text = "t=";
    EXPECT_FALSE(interpreter.OnKeyPress({InstructionKey::Kind::Character, "5"}));
    for (const char* refused : {"-", " ", "(", "a", "+"}) {
        EXPECT_TRUE(interpreter.OnKeyPress({InstructionKey::Kind::Character, refused})) << refused;
    }
    box.text = "T=55";
    EXPECT_TRUE(interpreter.OnKeyPress({InstructionKey::Kind::Character, "x"}));
    // Backspace still works, and other Codes filter nothing.
    EXPECT_FALSE(interpreter.OnKeyPress({InstructionKey::Kind::Backspace, ""}));
    box.text = "p=";
    EXPECT_FALSE(interpreter.OnKeyPress({InstructionKey::Kind::Character, "-"}));
    // With only "t" typed there is no Code yet: "=" itself is accepted.
    box.text = "t";
    EXPECT_FALSE(interpreter.OnKeyPress({InstructionKey::Kind::Character, "="}));
}

TEST_F(InterpreterTest, BackspaceMarksTheNextChange) {
    Press(InstructionKey::Kind::Backspace);
    EXPECT_TRUE(ctx.interpreter.BackspaceHit);
}

TEST_F(InterpreterTest, EscClosesTheOpenBoxAndEmptiesTheTextOrElseMinimises) {
    box.text = "p-ed";
    Press(InstructionKey::Kind::Escape);
    EXPECT_EQ(strip.minimised, 1);
    EXPECT_EQ(box.text, "p-ed");

    ctx.window.OpenMenuIndex = 2;
    Press(InstructionKey::Kind::Escape);
    EXPECT_EQ(strip.clicks, std::vector<int>{2});
    EXPECT_EQ(box.text, "");
    EXPECT_EQ(strip.minimised, 1);
}

TEST_F(InterpreterTest, DoubleClickEmptiesTheBox) {
    box.text = "w;example.org";
    interpreter.OnDoubleClick();
    EXPECT_EQ(box.text, "");
}

TEST(InstructionSplitTest, CodeIsCaseBlindAndCommandKeepsEverything) {
    EXPECT_EQ(CodeOf("P=Gimp"), "p=");
    EXPECT_EQ(CommandOf("P=Gimp"), "Gimp");
    EXPECT_EQ(CodeOf("p"), "");
    EXPECT_EQ(CommandOf("w;  spaced  "), "  spaced  ");
    EXPECT_EQ(CodeOf("É=x"), "é=");
    EXPECT_EQ(CommandOf("É=x"), "x");
}

}  // namespace
}  // namespace orbilo::test
