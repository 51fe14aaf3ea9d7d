// The rules of adding, renaming and removing Launch List items, and the order of the checks.
#include "launchlist/ListRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "messages/MessageIds.h"

namespace orbilo::test {
namespace {

class ListRulesTest : public testing::Test {
  protected:
    ListRulesTest() {
        fileSystem.AddFile("/opt/tools/edit.bin");
        fileSystem.AddFile("/opt/tools/script");
        fileSystem.MarkProgram("/opt/tools/script");
        fileSystem.AddFile("/home/ann/notes.txt");
        ctx.siblings.SiblingNames = {"SankhyaGuru", "VajanGuru"};
        ctx.siblings.SiblingPaths = {"/opt/korrin/SankhyaGuru.bin", "/opt/korrin/VajanGuru.bin"};
        ctx.siblings.SiblingLast = 1;
    }

    LaunchGroup& List(Group group) { return ctx.launchList[group]; }

    Context ctx;
    FakeFileSystem fileSystem;
    ListRules rules{ctx, fileSystem};
};

TEST_F(ListRulesTest, NamesAreUniquePerGroupWhateverTheirCapitals) {
    List(Group::Program).Append("EDITOR", "/opt/tools/edit.bin");
    List(Group::Program).Append("Éditeur", "/opt/tools/script");
    EXPECT_EQ(rules.CheckNameListed("Editor", Group::Program), kMessageNameAlreadyListed);
    EXPECT_EQ(rules.CheckNameListed("éDITEUR", Group::Program), kMessageNameAlreadyListed);
    EXPECT_EQ(rules.CheckNameListed("Editor", Group::File), "");
    // Nothing but letter case is ignored.
    EXPECT_EQ(rules.CheckNameListed("Editor ", Group::Program), "");
    EXPECT_EQ(rules.CheckNameListed("Editeur", Group::Program), "");

    EXPECT_EQ(rules.CheckAddToList(AddKind::Program, "Editor", "/opt/tools/other.bin"),
              kMessageNameAlreadyListed);
    EXPECT_EQ(rules.CheckAddToList(AddKind::File, "Editor", "/home/ann/notes.txt"), "");
}

TEST_F(ListRulesTest, PathsCompareExactly) {
    List(Group::File).Append("Notes", "/home/ann/notes.txt");
    EXPECT_EQ(rules.CheckPathListed("/home/ann/notes.txt", Group::File), kMessagePathAlreadyListed);
    EXPECT_EQ(rules.CheckPathListed("/home/ann/Notes.txt", Group::File), "");
    EXPECT_EQ(rules.CheckPathListed("/home/ann/notes.txt/", Group::File), "");
    EXPECT_EQ(rules.CheckPathListed("/home/ann/notes.txt", Group::Program), "");
}

TEST_F(ListRulesTest, EachKindGoesToItsGroupWithItsInfoText) {
    const struct {
        AddKind kind;
        const char* path;
        Group group;
        const char* info;
    } rows[] = {
        {AddKind::Program, "/opt/tools/edit.bin", Group::Program, "Program Added To List : Click To Hide"},
        {AddKind::File, "/opt/tools/edit.bin", Group::Program, "Program Added To List : Click To Hide"},
        {AddKind::File, "/opt/tools/script", Group::Program, "Program Added To List : Click To Hide"},
        {AddKind::File, "/home/ann/notes.txt", Group::File, "File Added To List : Click To Hide"},
        {AddKind::File, "/home/ann/missing.bin", Group::File, "File Added To List : Click To Hide"},
        {AddKind::Folder, "/home/ann/Documents", Group::Folder, "Folder Added To List : Click To Hide"},
    };
    int added = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        const std::string name = "Item" + std::to_string(added++);
        const AddOutcome outcome = rules.AddListItem(row.kind, name, row.path);
        EXPECT_TRUE(outcome.Added());
        EXPECT_EQ(outcome.group, row.group);
        EXPECT_EQ(outcome.infoText, row.info);
        EXPECT_EQ(List(row.group).names.back(), name);
        EXPECT_EQ(List(row.group).paths.back(), row.path);
    }
    EXPECT_EQ(List(Group::Program).Count() + List(Group::File).Count() + List(Group::Folder).Count(), added);
}

TEST_F(ListRulesTest, UndecidableProgramFileCountsAsADocument) {
    fileSystem.FailOn("IsProgramFile");
    EXPECT_EQ(rules.ChooseGroup(AddKind::File, "/opt/tools/edit.bin").group, Group::File);
}

TEST_F(ListRulesTest, SiblingExecutablesAreRefusedUpToSiblingLast) {
    EXPECT_EQ(rules.CheckFamilyProgram("/opt/korrin/VajanGuru.bin"), kMessageFamilyProgram);
    EXPECT_EQ(rules.CheckFamilyProgram("/opt/korrin/vajanguru.bin"), "");
    EXPECT_EQ(rules.CheckAddToList(AddKind::Program, "Vajan", "/opt/korrin/VajanGuru.bin"),
              kMessageFamilyProgram);

    ctx.siblings.SiblingLast = 0;
    EXPECT_EQ(rules.CheckFamilyProgram("/opt/korrin/VajanGuru.bin"), "");
    ctx.siblings.SiblingLast = 5;  // a count beyond the list never reads past it
    EXPECT_EQ(rules.CheckFamilyProgram("/opt/korrin/VajanGuru.bin"), kMessageFamilyProgram);
    ctx.siblings.SiblingLast = -1;
    EXPECT_EQ(rules.CheckFamilyProgram("/opt/korrin/SankhyaGuru.bin"), "");
}

TEST_F(ListRulesTest, AddToListChecksInTheirOrder) {
    fileSystem.AddFile("/opt/korrin/SankhyaGuru.bin");
    List(Group::Program).Append("Sankhya", "/opt/korrin/SankhyaGuru.bin");
    List(Group::Program).Append("Editor", "/opt/tools/edit.bin");
    // A sibling comes before the path, the path before the name.
    EXPECT_EQ(rules.CheckAddToList(AddKind::File, "Editor", "/opt/korrin/SankhyaGuru.bin"),
              kMessageFamilyProgram);
    EXPECT_EQ(rules.CheckAddToList(AddKind::File, "Editor", "/opt/tools/edit.bin"),
              kMessagePathAlreadyListed);
    EXPECT_EQ(rules.CheckAddToList(AddKind::File, "editor", "/opt/tools/script"), kMessageNameAlreadyListed);
    EXPECT_EQ(rules.CheckAddToList(AddKind::File, "Script", "/opt/tools/script"), "");
    // A folder is checked against the Folder group only.
    EXPECT_EQ(rules.CheckAddToList(AddKind::Folder, "Editor", "/opt/tools/edit.bin"), "");
}

TEST_F(ListRulesTest, AddUrlRefusesAListedAddressThenAListedName) {
    List(Group::Web).Append("News", "https://news.example.org/");
    EXPECT_EQ(rules.CheckAddUrl("Other", "https://news.example.org/"), kMessagePathAlreadyListed);
    EXPECT_EQ(rules.CheckAddUrl("NEWS", "https://news.example.org/"), kMessagePathAlreadyListed);
    EXPECT_EQ(rules.CheckAddUrl("NEWS", "https://other.example.org/"), kMessageNameAlreadyListed);
    EXPECT_EQ(rules.CheckAddUrl("Other", "https://News.example.org/"), "");

    const AddOutcome outcome = rules.AddWebItem("Other", "https://other.example.org/");
    EXPECT_TRUE(outcome.Added());
    EXPECT_EQ(outcome.group, Group::Web);
    EXPECT_EQ(outcome.infoText, "Site Added To List : Click To Hide");
    EXPECT_EQ(List(Group::Web).paths,
              (std::vector<std::string>{"https://news.example.org/", "https://other.example.org/"}));
}

TEST_F(ListRulesTest, FullGroupRefusesOneMore) {
    LaunchGroup& web = List(Group::Web);
    for (int i = 0; i < kMaxGroupItems; ++i) web.Append(std::to_string(i), std::to_string(i));
    ASSERT_EQ(web.Count(), 32767);
    EXPECT_EQ(rules.CheckAddUrl("new", "https://new.example/"), kMessageListFull);
    const AddOutcome outcome = rules.AddWebItem("new", "https://new.example/");
    EXPECT_FALSE(outcome.Added());
    EXPECT_EQ(outcome.messageId, kMessageListFull);
    EXPECT_EQ(outcome.infoText, "");
    EXPECT_EQ(web.Count(), 32767);
    // Another group still has room.
    EXPECT_EQ(rules.CheckAddToList(AddKind::Folder, "new", "/home/ann"), "");
}

TEST_F(ListRulesTest, RenameComparesWithTheWholeGroupItsOwnNameIncluded) {
    LaunchGroup& programs = List(Group::Program);
    programs.Append("Editor", "/opt/tools/edit.bin");
    programs.Append("Script", "/opt/tools/script");
    EXPECT_EQ(rules.Rename(Group::Program, 0, "EDITOR"), kMessageNameAlreadyListed);
    EXPECT_EQ(rules.Rename(Group::Program, 0, "script"), kMessageNameAlreadyListed);
    EXPECT_EQ(programs.names, (std::vector<std::string>{"Editor", "Script"}));

    EXPECT_EQ(rules.Rename(Group::Program, 1, "Runner"), "");
    EXPECT_EQ(programs.names, (std::vector<std::string>{"Editor", "Runner"}));
    EXPECT_EQ(programs.paths, (std::vector<std::string>{"/opt/tools/edit.bin", "/opt/tools/script"}));

    EXPECT_EQ(rules.Rename(Group::Program, 2, "Other"), "");
    EXPECT_EQ(rules.Rename(Group::Program, -1, "Other"), "");
    EXPECT_EQ(programs.names, (std::vector<std::string>{"Editor", "Runner"}));
}

TEST_F(ListRulesTest, RemoveMovesLaterItemsUp) {
    LaunchGroup& files = List(Group::File);
    files.Append("A", "/a");
    files.Append("B", "/b");
    files.Append("C", "/c");
    EXPECT_FALSE(rules.Remove(Group::File, 3));
    EXPECT_TRUE(rules.Remove(Group::File, 1));
    EXPECT_EQ(ctx.launchList.Count(Group::File), 2);
    EXPECT_EQ(ctx.launchList.NameAt(Group::File, 1), "C");
    EXPECT_EQ(ctx.launchList.PathAt(Group::File, 1), "/c");
    EXPECT_EQ(ctx.launchList.NameAt(Group::File, 2), "");
    EXPECT_EQ(ctx.launchList.PathAt(Group::File, -1), "");
}

}  // namespace
}  // namespace orbilo::test
