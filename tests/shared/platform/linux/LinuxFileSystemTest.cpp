// The file-system service on real temporary folders, with a fixture mount table where drives
// are concerned.
#include "platform/linux/LinuxFileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TestFiles.h"
#include "services/ServiceError.h"
#include "support/TestEnvironment.h"

namespace orbilo::platform {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::WriteText;

class LinuxFileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override { m_folder = orbilo::test::MakeTempFolder("files"); }
    std::string m_folder;
    LinuxFileSystem m_fileSystem;
};

TEST_F(LinuxFileSystemTest, DrivesAreMountPointsReachedThroughLinks) {
    const std::string stick = m_folder + "/stick";
    fs::create_directories(stick + "/Apps");
    fs::create_symlink(stick + "/Apps", m_folder + "/apps-link");
    WriteText(m_folder + "/mountinfo", "1 0 0:20 / " + stick + " rw - tmpfs tmpfs rw\n");
    LinuxFileSystem fileSystem(MountTable(m_folder + "/mountinfo", m_folder + "/sys"));

    EXPECT_EQ(fileSystem.GetDriveName(m_folder + "/apps-link/tool"), stick);
    const DriveInfo drive = fileSystem.GetDrive(stick + "/");
    EXPECT_EQ(drive.typeCode, static_cast<int>(DriveType::RAMDisk));
    EXPECT_EQ(drive.letter, stick);

    EXPECT_THROW(fileSystem.GetDriveName(m_folder + "/elsewhere"), ServiceError);  // on no mount
    EXPECT_THROW(fileSystem.GetDrive(m_folder), ServiceError);                     // not a mount point
    LinuxFileSystem blind(MountTable(m_folder + "/no-such-table", m_folder + "/sys"));
    EXPECT_THROW(blind.GetDriveName(stick), ServiceError);
    EXPECT_THROW(blind.GetDrive(stick), ServiceError);
}

TEST_F(LinuxFileSystemTest, ExistenceTestsTellFilesFromFolders) {
    WriteText(m_folder + "/file", "x");
    fs::create_directory(m_folder + "/folder");
    fs::create_symlink(m_folder + "/file", m_folder + "/file-link");
    fs::create_symlink(m_folder + "/gone", m_folder + "/dangling");
    const struct {
        std::string path;
        bool file;
        bool folder;
    } cases[] = {
        {m_folder + "/file", true, false},
        {m_folder + "/folder", false, true},
        {m_folder + "/folder/", false, true},
        {m_folder + "/file-link", true, false},
        {m_folder + "/dangling", false, false},
        {m_folder + "/missing", false, false},
        {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_fileSystem.FileExists(c.path), c.file) << c.path;
        EXPECT_EQ(m_fileSystem.FolderExists(c.path), c.folder) << c.path;
    }
}

TEST_F(LinuxFileSystemTest, CreateFolderSucceedsExactlyWhenTheFolderExistsAfterwards) {
    m_fileSystem.CreateFolder(m_folder + "/Orbilo");
    EXPECT_TRUE(fs::is_directory(m_folder + "/Orbilo"));
    EXPECT_NO_THROW(m_fileSystem.CreateFolder(m_folder + "/Orbilo"));
    WriteText(m_folder + "/plain", "x");
    EXPECT_THROW(m_fileSystem.CreateFolder(m_folder + "/plain"), ServiceError);
    EXPECT_THROW(m_fileSystem.CreateFolder(m_folder + "/missing/Orbilo"), ServiceError);
}

TEST_F(LinuxFileSystemTest, HidingAFolderListsItOnceInTheParentsHiddenFile) {
    fs::create_directory(m_folder + "/Korrin");
    WriteText(m_folder + "/.hidden", "snap");  // someone else's entry, without a final newline
    m_fileSystem.SetFolderHidden(m_folder + "/Korrin/");
    m_fileSystem.SetFolderHidden(m_folder + "/Korrin");
    EXPECT_EQ(ReadText(m_folder + "/.hidden"), "snap\nKorrin\n");
    EXPECT_THROW(m_fileSystem.SetFolderHidden(m_folder + "/missing"), ServiceError);
}

TEST_F(LinuxFileSystemTest, ReadFileRefusesWhatIsNotASmallRegularFile) {
    WriteText(m_folder + "/data", "line\r\n");
    EXPECT_EQ(m_fileSystem.ReadFile(m_folder + "/data"), "line\r\n");

    const std::string huge = m_folder + "/huge";
    WriteText(huge, "");
    ASSERT_EQ(::truncate(huge.c_str(), FileSystem::kMaxDataFileBytes + 1), 0);
    const std::string fifo = m_folder + "/fifo";  // would block a plain open() for ever
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {m_folder + "/missing", m_folder, huge, fifo}) {
        EXPECT_THROW(m_fileSystem.ReadFile(path), ServiceError) << path;
    }
}

TEST_F(LinuxFileSystemTest, WriteFileReplacesAtomically) {
    m_fileSystem.WriteFile(m_folder + "/Set.Korrin", "3\r\n");
    m_fileSystem.WriteFile(m_folder + "/Set.Korrin", "2\r\n");
    EXPECT_EQ(ReadText(m_folder + "/Set.Korrin"), "2\r\n");
    EXPECT_EQ(test::FolderNames(m_folder), std::vector<std::string>{"Set.Korrin"});
}

}  // namespace
}  // namespace orbilo::platform
