// The computer's identity on Linux: the root volume as a local disk with a size and a serial
// number that stays the same, taken from the UUID link when there is one.
#include "platform/linux/LinuxManagement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "TestEnvironment.h"

namespace orbilo::platform {
namespace {

bool IsUpperHex(const std::string& text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return true;
}

TEST(LinuxManagement, TheRootVolumeIsALocalDiskWithASizeAndAStableSerial) {
    LinuxManagement management;
    const DiskIdentity first = management.SystemDisk();
    const DiskIdentity second = management.SystemDisk();
    EXPECT_EQ(first.driveType, 3);
    EXPECT_GT(first.size, 0.0);
    EXPECT_FALSE(first.volumeSerialNumber.empty());
    EXPECT_EQ(first.volumeSerialNumber, second.volumeSerialNumber);
    EXPECT_EQ(first.size, second.size);
}

TEST(LinuxManagement, WithoutUuidLinksTheFileSystemIdNamesTheVolume) {
    const std::string empty = orbilo::test::MakeTempFolder("no-uuids");
    for (const std::string& folder : {empty, empty + "/missing"}) {
        SCOPED_TRACE(folder);
        LinuxManagement management(folder);
        const DiskIdentity identity = management.SystemDisk();
        EXPECT_EQ(identity.volumeSerialNumber.size(), 16u);
        EXPECT_TRUE(IsUpperHex(identity.volumeSerialNumber)) << identity.volumeSerialNumber;
        EXPECT_EQ(management.SystemDisk().volumeSerialNumber, identity.volumeSerialNumber);
        EXPECT_EQ(identity.driveType, 3);
    }
}

TEST(LinuxManagement, TheUuidLinkOfTheRootDeviceNamesTheVolume) {
    namespace fs = std::filesystem;
    struct stat root {};
    ASSERT_EQ(::stat("/", &root), 0);
    const fs::path base = orbilo::test::MakeTempFolder("by-uuid");
    fs::create_directories(base / "dev");
    fs::create_directories(base / "by-uuid");
    // A root-only node that is only ever looked at, never opened.
    const fs::path node = base / "dev" / "root-volume";
    if (::mknod(node.c_str(), S_IFBLK | 0600, root.st_dev) != 0) {
        GTEST_SKIP() << "cannot make a block device node here: " << std::strerror(errno);
    }
    const std::string uuid = "4f1c2a9e-0b7d-4e1a-9c3b-2d5e6f708192";
    fs::create_symlink("../dev/root-volume", base / "by-uuid" / uuid);
    // Links that lead to no block device are passed over.
    fs::create_symlink("../dev/nothing", base / "by-uuid" / "0000-DANGLING");
    { std::ofstream(base / "dev" / "plain"); }
    fs::create_symlink("../dev/plain", base / "by-uuid" / "1111-PLAIN");

    LinuxManagement management((base / "by-uuid").string());
    const DiskIdentity identity = management.SystemDisk();
    fs::remove(node);
    EXPECT_EQ(identity.volumeSerialNumber, uuid);
    EXPECT_EQ(identity.driveType, 3);
    EXPECT_GT(identity.size, 0.0);
}

}  // namespace
}  // namespace orbilo::platform
