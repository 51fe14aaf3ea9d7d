// Completion of the instruction box: which list a Code searches, which candidate wins, what is
// selected, which item is chosen, and when nothing may happen.
#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "format/MakerInfo.h"
#include "format/TextCase.h"
#include "interpreter/Autocompletion.h"

namespace orbilo {
namespace {

class AutocompletionTest : public ::testing::Test {
  protected:
    void Names(Group group, std::initializer_list<const char*> names) {
        for (const char* name : names) ctx.launchList[group].Append(name, std::string("/opt/") + name);
    }
    // Types into the box: every change runs completion.
    std::optional<TextBoxState> Change(const std::string& text) { return completion.OnChange(text); }
    void ExpectNothingChosen() {
        EXPECT_EQ(ctx.interpreter.PickedItem, -1);
        EXPECT_EQ(ctx.interpreter.PickedMail, -1);
        EXPECT_EQ(ctx.interpreter.PickedSibling, -1);
    }

    Context ctx;
    Autocompletion completion{ctx};
};

TEST_F(AutocompletionTest, CompletesTheFirstNameInOrderAndSelectsTheAddedPart) {
    Names(Group::Program, {"notes", "notepad"});

    EXPECT_EQ(Change("p-no"), (TextBoxState{"p-notes", 4, 3}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 0);
    // Typing over the selection: "not" and "note" still begin notes; "notep" only notepad.
    EXPECT_EQ(Change("p-note"), (TextBoxState{"p-notes", 6, 1}));
    EXPECT_EQ(Change("p-notep"), (TextBoxState{"p-notepad", 7, 2}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 1);
    // "nop" begins neither name.
    EXPECT_EQ(Change("p-nop"), std::nullopt);
    ExpectNothingChosen();
}

TEST_F(AutocompletionTest, TypedCodeKeepsItsCapitalsAndTheNameItsOwn) {
    Names(Group::Program, {"notes", "notepad"});
    EXPECT_EQ(Change("P-NO"), (TextBoxState{"P-notes", 4, 3}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 0);
    // An exact match replaces the typed capitals too, and selects nothing.
    EXPECT_EQ(Change("p-NOTEPAD"), (TextBoxState{"p-notepad", 9, 0}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 1);
}

TEST_F(AutocompletionTest, TheChangeAfterABackspaceIsNeverCompleted) {
    Names(Group::Program, {"notepad", "note"});
    EXPECT_EQ(Change("p-note"), (TextBoxState{"p-notepad", 6, 3}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 0);

    // Backspace removes the selected part: the name typed in full is still not chosen.
    ctx.interpreter.BackspaceHit = true;
    EXPECT_EQ(Change("p-note"), std::nullopt);
    ExpectNothingChosen();
    EXPECT_FALSE(ctx.interpreter.BackspaceHit);

    // Delete removes it without Backspace: the completion comes back at once.
    EXPECT_EQ(Change("p-note"), (TextBoxState{"p-notepad", 6, 3}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 0);
}

TEST_F(AutocompletionTest, ABackspaceWithNothingToDeleteSuppressesTheNextChange) {
    Names(Group::Program, {"notes"});
    ctx.interpreter.BackspaceHit = true;  // the key changed nothing, so no change ran
    EXPECT_EQ(Change("p-n"), std::nullopt);
    ExpectNothingChosen();
    EXPECT_EQ(Change("p-no"), (TextBoxState{"p-notes", 4, 3}));
}

TEST_F(AutocompletionTest, PredefinedNamesCompleteInTableOrderWithoutAChoice) {
    const struct {
        const char* typed;
        TextBoxState completed;
    } cases[] = {
        {"d.s", {"d.SendTo", 3, 5}},           {"d.st", {"d.StartMenu", 4, 7}},
        {"d.startu", {"d.Startup", 8, 1}},     {"D.fonts", {"D.Fonts", 7, 0}},
        {"c.d", {"c.DateTime", 3, 7}},         {"c.a", {"c.Accessibility", 3, 12}},
        {"c.addn", {"c.AddNewPrinter", 6, 9}},  // AddNewHardware is never offered
        {"C.SYS", {"C.System", 5, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ctx.interpreter.PickedItem = 3;
        EXPECT_EQ(Change(c.typed), c.completed);
        ExpectNothingChosen();
    }
}

TEST_F(AutocompletionTest, AppletsLeftOutOfCompletionCompleteNothing) {
    for (const char* typed : {"c.p", "c.t", "c.f", "c.di", "c.addnewh", "c.Themes"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(Change(typed), std::nullopt);
    }
}

TEST_F(AutocompletionTest, MailAddressesCompleteAndChooseTheirRole) {
    const std::string bug = kBugReportAddress;
    const std::string support = kSupportAddress;
    ASSERT_EQ(bug.substr(0, 1), "b");
    ASSERT_EQ(support.substr(0, 1), "s");
    EXPECT_EQ(Change("e.b"), (TextBoxState{"e." + bug, 3, static_cast<int>(bug.size()) - 1}));
    EXPECT_EQ(ctx.interpreter.PickedMail, 0);
    EXPECT_EQ(ctx.interpreter.PickedItem, -1);
    EXPECT_EQ(Change("E.S"), (TextBoxState{"E." + support, 3, static_cast<int>(support.size()) - 1}));
    EXPECT_EQ(ctx.interpreter.PickedMail, 2);
}

TEST_F(AutocompletionTest, SiblingsNeedThreeTypedCharacters) {
    ctx.siblings.SiblingNames = {"Notekeeper", "Papyrus"};
    ctx.siblings.SiblingPaths = {"/opt/notekeeper", "/opt/papyrus"};
    ctx.siblings.SiblingLast = 1;

    EXPECT_EQ(Change("r.no"), std::nullopt);
    ExpectNothingChosen();
    EXPECT_EQ(Change("r.pa"), std::nullopt);
    EXPECT_EQ(Change("r.PAP"), (TextBoxState{"r.Papyrus", 5, 4}));
    EXPECT_EQ(ctx.interpreter.PickedSibling, 1);
    EXPECT_EQ(Change("r.notekeeper"), (TextBoxState{"r.Notekeeper", 12, 0}));
    EXPECT_EQ(ctx.interpreter.PickedSibling, 0);
}

TEST_F(AutocompletionTest, NoSiblingsOrAStaleLastIndexCompleteNothingSafely) {
    ctx.siblings.SiblingNames = {"Notekeeper"};
    ctx.siblings.SiblingLast = -1;
    EXPECT_EQ(Change("r.not"), std::nullopt);
    ctx.siblings.SiblingLast = 4;  // more than the names it has
    EXPECT_EQ(Change("r.zzz"), std::nullopt);
    EXPECT_EQ(Change("r.not"), (TextBoxState{"r.Notekeeper", 5, 7}));
}

TEST_F(AutocompletionTest, TextStaysAndNothingIsChosenWithoutAMatch) {
    Names(Group::Program, {"notes", "notepad"});
    const char* const cases[] = {
        "",           "p",     "p-",     // fewer than three characters
        "f-no",                          // the File group is empty
        "p-notepads",                    // longer than every candidate
        "p-xyz",      "p-ote",           // matching none, or only inside a name
        "p=no",       "x-no",  "e-bug",  // Codes without a list
        "d.do",                          // "d." searches the special folders, not the Folder group
        "é-no",       "pé-no",
    };
    for (const char* typed : cases) {
        SCOPED_TRACE(typed);
        ctx.interpreter = {4, 1, 2, false};
        EXPECT_EQ(Change(typed), std::nullopt);
        ExpectNothingChosen();
    }
}

TEST_F(AutocompletionTest, EachLaunchNameCodeSearchesItsOwnGroup) {
    Names(Group::Program, {"docs-tool"});
    Names(Group::File, {"report", "docs.txt"});
    Names(Group::Folder, {"downloads", "docs"});
    Names(Group::Web, {"news", "docs-site"});
    const struct {
        const char* typed;
        TextBoxState completed;
        int picked;
    } cases[] = {
        {"p-do", {"p-docs-tool", 4, 7}, 0},
        {"f-do", {"f-docs.txt", 4, 6}, 1},
        {"d-doc", {"d-docs", 5, 1}, 1},
        {"W-DO", {"W-docs-site", 4, 7}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(Change(c.typed), c.completed);
        EXPECT_EQ(ctx.interpreter.PickedItem, c.picked);
    }
}

TEST_F(AutocompletionTest, SelectionIsCountedInCharactersNotBytes) {
    // "É" is two bytes; the Kelvin sign is three bytes that lower-case to the one byte "k".
    Names(Group::Program, {"Éditeur", "\u212Aelvin"});
    EXPECT_EQ(Change("p-éd"), (TextBoxState{"p-Éditeur", 4, 5}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 0);
    EXPECT_EQ(Change("p-ÉDITEUR"), (TextBoxState{"p-Éditeur", 9, 0}));
    EXPECT_EQ(Change("p-ke"), (TextBoxState{"p-\u212Aelvin", 4, 4}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 1);
}

TEST_F(AutocompletionTest, LongCommandsCompareBeyondTheFirstBytes) {
    Names(Group::Program, {"application-alpha", "application-beta", "app"});
    EXPECT_EQ(Change("p-application-b"), (TextBoxState{"p-application-beta", 15, 3}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 1);
    EXPECT_EQ(Change("p-application-c"), std::nullopt);
    EXPECT_EQ(Change("p-application-alpha!"), std::nullopt);
}

TEST_F(AutocompletionTest, FollowsEveryChangeOfTheGroup) {
    LaunchGroup& programs = ctx.launchList[Group::Program];
    Names(Group::Program, {"notes"});
    EXPECT_EQ(Change("p-no"), (TextBoxState{"p-notes", 4, 3}));

    programs.Rename(0, "nothing");
    EXPECT_EQ(Change("p-no"), (TextBoxState{"p-nothing", 4, 5}));
    programs.Append("nobody", "/opt/nobody");
    programs.Remove(0);
    EXPECT_EQ(Change("p-no"), (TextBoxState{"p-nobody", 4, 4}));
    programs.Clear();
    EXPECT_EQ(Change("p-no"), std::nullopt);

    // The list's loader fills the vectors directly, without a new revision.
    programs.names.push_back("north");
    programs.paths.push_back("/opt/north");
    EXPECT_EQ(Change("p-no"), (TextBoxState{"p-north", 4, 3}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 0);
    programs.names.push_back("nova");
    programs.paths.push_back("/opt/nova");
    EXPECT_EQ(Change("p-nov"), (TextBoxState{"p-nova", 5, 1}));
    EXPECT_EQ(ctx.interpreter.PickedItem, 1);

    // A group copied over another with the same number of names.
    LaunchGroup other;
    other.Append("novel", "/opt/novel");
    programs = other;
    EXPECT_EQ(Change("p-no"), (TextBoxState{"p-novel", 4, 3}));
}

// The index answers from a sorted copy; whatever the size and the ties, it must agree with walking
// the names in list order.
TEST(LoweredNameIndexTest, AgreesWithAWalkInListOrder) {
    const char* const pieces[] = {"a", "B", "ab", "ba", "Ab", "bb", "abba", "aab"};
    const char* const prefixes[] = {"", "a", "b", "ab", "ba", "bb", "abb", "aa", "abba", "abbaa", "c"};
    std::vector<std::string> names;
    for (int size = 1; size <= 40; ++size) {
        names.push_back(pieces[(size * 5) % std::size(pieces)] + std::string(size % 3 == 0 ? "b" : ""));
        LoweredNameIndex index;
        index.Build(names);
        ASSERT_EQ(index.Size(), names.size());
        for (const std::string prefix : prefixes) {
            int expected = -1;
            for (std::size_t i = 0; i < names.size() && expected < 0; ++i) {
                if (LowerCased(names[i]).starts_with(prefix)) expected = static_cast<int>(i);
            }
            EXPECT_EQ(index.FirstStartingWith(prefix), expected) << size << " names, prefix " << prefix;
        }
    }
}

TEST(LoweredNameIndexTest, AnEmptyIndexFindsNothing) {
    LoweredNameIndex index;
    index.Build(std::vector<std::string>{});
    EXPECT_EQ(index.FirstStartingWith(""), -1);
    EXPECT_EQ(index.FirstStartingWith("a"), -1);
}

}  // namespace
}  // namespace orbilo
