// The write helper every data file goes through: the new content or the old, never a mixture,
// and no temporary file left behind whatever fails.
#include "platform/linux/AtomicFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TestFiles.h"
#include "services/ServiceError.h"
#include "support/TestEnvironment.h"

namespace orbilo::platform {
namespace {

namespace fs = std::filesystem;
using test::FolderNames;
using test::PermissionBits;
using test::ReadText;
using test::WriteText;

class AtomicFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder = orbilo::test::MakeTempFolder("atomic");
        m_path = m_folder + "/List.Korrin";
        WriteText(m_path, "old content\r\n");
    }
    std::string m_folder;
    std::string m_path;
};

TEST_F(AtomicFileTest, ReplacesTheContentAndKeepsThePermissions) {
    ::chmod(m_path.c_str(), 0604);
    WriteFileAtomically(m_path, std::string("new\0content", 11));
    EXPECT_EQ(ReadText(m_path), std::string("new\0content", 11));
    EXPECT_EQ(PermissionBits(m_path), 0604u);
    EXPECT_EQ(FolderNames(m_folder), std::vector<std::string>{"List.Korrin"});
}

TEST_F(AtomicFileTest, ANewFileGetsTheUsualPermissionsAndExecutableAddsExecuteBits) {
    const mode_t previous = ::umask(022);
    WriteFileAtomically(m_folder + "/plain", "x");
    WriteFileAtomically(m_folder + "/launcher", "x", AtomicWriteOptions{true});
    ::umask(previous);
    EXPECT_EQ(PermissionBits(m_folder + "/plain"), 0644u);
    EXPECT_EQ(PermissionBits(m_folder + "/launcher"), 0755u);
}

TEST_F(AtomicFileTest, AFileReachedByALinkIsReplacedWhereItLives) {
    const std::string link = m_folder + "/link";
    fs::create_symlink(m_path, link);
    WriteFileAtomically(link, "through the link");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(m_path), "through the link");
}

TEST_F(AtomicFileTest, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    fs::create_directory(m_folder + "/folder");
    for (const std::string& target : {m_folder + "/folder", m_folder + "/missing/file", std::string()}) {
        EXPECT_THROW(WriteFileAtomically(target, "new"), ServiceError) << target;
    }
    EXPECT_EQ(FolderNames(m_folder), (std::vector<std::string>{"List.Korrin", "folder"}));
    EXPECT_TRUE(FolderNames(m_folder + "/folder").empty());

    // A disk that fills up in the middle of the write, provoked by a file-size limit (which
    // binds root too): the write fails after the temporary file has been partly written.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        WriteFileAtomically(m_path, std::string(100000, 'n'));
    } catch (const ServiceError&) {
        threw = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_TRUE(threw);
    EXPECT_EQ(ReadText(m_path), "old content\r\n");
    EXPECT_EQ(FolderNames(m_folder), (std::vector<std::string>{"List.Korrin", "folder"}));
}

TEST_F(AtomicFileTest, CopyRespectsOverwriteAndTakesTheSourcesName) {
    const std::string source = m_folder + "/picture.png";
    WriteText(source, "picture");
    const std::string copy = m_folder + "/copy.png";

    CopyFileAtomically(source, copy, false);
    EXPECT_EQ(ReadText(copy), "picture");

    WriteText(source, "newer picture");
    EXPECT_THROW(CopyFileAtomically(source, copy, false), ServiceError);
    EXPECT_EQ(ReadText(copy), "picture");
    CopyFileAtomically(source, copy, true);
    EXPECT_EQ(ReadText(copy), "newer picture");

    fs::create_directory(m_folder + "/Korrin");
    CopyFileAtomically(source, m_folder + "/Korrin/", true);
    EXPECT_EQ(ReadText(m_folder + "/Korrin/picture.png"), "newer picture");

    EXPECT_THROW(CopyFileAtomically(m_folder + "/missing.png", copy, true), ServiceError);
    EXPECT_THROW(CopyFileAtomically(m_folder + "/Korrin", copy, true), ServiceError);
    EXPECT_EQ(ReadText(copy), "newer picture");
    EXPECT_EQ(FolderNames(m_folder),
              (std::vector<std::string>{"Korrin", "List.Korrin", "copy.png", "picture.png"}));
}

}  // namespace
}  // namespace orbilo::platform
