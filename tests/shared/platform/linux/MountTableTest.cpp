// Drive classification from a fixture mount table and a fake sysfs tree shaped like the real
// one (devices linked from /sys/dev/block and /sys/class/block), plus this machine's /dev/shm.
#include "platform/linux/MountTable.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TestFiles.h"
#include "platform/linux/LinuxFileSystem.h"
#include "services/ServiceError.h"
#include "support/TestEnvironment.h"

namespace orbilo::platform {
namespace {

namespace fs = std::filesystem;
using test::WriteText;

// A disk (or partition) in the fake sysfs: its folder under devices/, and both links to it.
void AddBlockDevice(const std::string& sys, const std::string& devicePath, const std::string& name,
                    const std::string& numbers, const char* removable, bool partition = false) {
    const std::string node = sys + "/devices/" + devicePath;
    fs::create_directories(node);
    if (removable != nullptr) WriteText(node + "/removable", std::string(removable) + "\n");
    if (partition) WriteText(node + "/partition", "1\n");
    WriteText(node + "/dev", numbers + "\n");
    fs::create_directories(sys + "/dev/block");
    fs::create_directories(sys + "/class/block");
    fs::create_symlink(node, sys + "/dev/block/" + numbers);
    fs::create_symlink(node, sys + "/class/block/" + name);
}

class MountTableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_root = orbilo::test::MakeTempFolder("mounts");
        m_sys = m_root + "/sys";
        const std::string ata = "pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0/block/";
        AddBlockDevice(m_sys, ata + "sda", "sda", "8:0", "0");
        AddBlockDevice(m_sys, ata + "sda/sda1", "sda1", "8:1", nullptr, true);
        AddBlockDevice(m_sys, ata + "sda/sda2", "sda2", "8:2", nullptr, true);
        // An internal card reader: not on USB, but its disk says removable.
        const std::string reader = "pci0000:00/0000:00:1f.2/ata2/host1/target1:0:0/1:0:0:0/block/";
        AddBlockDevice(m_sys, reader + "sdc", "sdc", "8:32", "1");
        AddBlockDevice(m_sys, reader + "sdc/sdc1", "sdc1", "8:33", nullptr, true);
        // A USB hard disk: says removable 0, but hangs off USB.
        const std::string usb = "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/";
        AddBlockDevice(m_sys, usb + "sdb", "sdb", "8:16", "0");
        AddBlockDevice(m_sys, usb + "sdb/sdb1", "sdb1", "8:17", nullptr, true);
        AddBlockDevice(m_sys, usb + "sdb/sdb2", "sdb2", "8:18", nullptr, true);
        // An encrypted volume on that USB disk.
        AddBlockDevice(m_sys, "virtual/block/dm-0", "dm-0", "253:0", "0");
        fs::create_directories(m_sys + "/devices/virtual/block/dm-0/slaves");
        fs::create_symlink(m_sys + "/devices/" + usb + "sdb/sdb2",
                           m_sys + "/devices/virtual/block/dm-0/slaves/sdb2");
        // A USB stick, removable 1.
        const std::string stick = "pci0000:00/0000:00:14.0/usb3/3-2/3-2:1.0/host7/target7:0:0/7:0:0:0/block/";
        AddBlockDevice(m_sys, stick + "sdd", "sdd", "8:48", "1");
        AddBlockDevice(m_sys, stick + "sdd/sdd1", "sdd1", "8:49", nullptr, true);
        // An SD card in a built-in reader: removable 0, card type SD.
        const std::string mmc = "platform/soc/mmc_host/mmc0/mmc0:aaaa";
        WriteText(m_sys + "/devices/" + mmc + "/type", "SD\n");
        AddBlockDevice(m_sys, mmc + "/block/mmcblk0", "mmcblk0", "179:0", "0");
        fs::create_symlink(m_sys + "/devices/" + mmc, m_sys + "/devices/" + mmc + "/block/mmcblk0/device");
        AddBlockDevice(m_sys, mmc + "/block/mmcblk0/mmcblk0p1", "mmcblk0p1", "179:1", nullptr, true);
        // An ISO image on a loop device.
        AddBlockDevice(m_sys, "virtual/block/loop0", "loop0", "7:0", "0");

        WriteText(m_root + "/mountinfo",
                  "28 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                  "30 28 0:31 / /home rw,relatime shared:2 - btrfs /dev/sda2 rw,subvol=/home\n"
                  "31 28 0:32 / /var/lib/docker/overlay2/x/merged rw - overlay overlay rw,lowerdir=/a\n"
                  "26 24 0:24 / /dev/shm rw,relatime - tmpfs shm-lower rw\n"
                  "garbage that is not a mount line\n"
                  "\x01\x02\xff binary \x7f\n"
                  "40 26 0:28 / /dev/shm rw,relatime - tmpfs shm-upper rw\n"
                  "41 28 8:2 / /mnt/stacked rw - ext4 /dev/sda2 rw\n"
                  "42 41 0:29 / /mnt/stacked rw - tmpfs tmpfs rw\n"
                  "43 28 0:40 / /mnt/nfs rw - nfs4 server:/export rw\n"
                  "44 28 0:41 / /mnt/share rw - cifs //server/share rw\n"
                  "45 28 0:42 / /mnt/ssh rw - fuse.sshfs ann@host: rw\n"
                  "46 28 7:0 / /media/ann/ISO ro - iso9660 /dev/loop0 ro\n"
                  "47 28 11:0 / /media/ann/DISC ro - hfsplus /dev/sr0 ro\n"
                  "48 28 8:33 / /media/ann/CARD rw - vfat /dev/sdc1 rw\n"
                  "49 28 8:17 / /media/ann/USBDISK rw shared:9 master:3 - ext4 /dev/sdb1 rw\n"
                  "50 28 8:49 / /media/ann/My\\040Stick rw - vfat /dev/sdd1 rw\n"
                  "51 28 253:0 / /media/ann/Secret rw - ext4 /dev/mapper/luks-1 rw\n"
                  "52 28 179:1 / /media/ann/SD rw - exfat /dev/mmcblk0p1 rw\n"
                  "53 28 8:99 / /media/ann/Gone rw - ext4 /dev/sdz9 rw\n"
                  "54 28 8:1 / /media/ann/truncated rw");
    }

    MountTable Table() const { return MountTable(m_root + "/mountinfo", m_sys); }

    std::string m_root;
    std::string m_sys;
};

TEST_F(MountTableTest, ClassifiesTheDriveHoldingEachPath) {
    const struct {
        const char* path;
        const char* mountPoint;
        DriveType type;
    } cases[] = {
        {"/etc/passwd", "/", DriveType::Fixed},
        {"/home/ann/notes", "/home", DriveType::Fixed},  // btrfs: anonymous numbers, found by source
        {"/var/lib/docker/overlay2/x/merged/app", "/var/lib/docker/overlay2/x/merged", DriveType::Fixed},
        {"/dev/shm/x", "/dev/shm", DriveType::RAMDisk},
        {"/mnt/stacked/file", "/mnt/stacked", DriveType::RAMDisk},  // tmpfs mounted over ext4
        {"/mnt/nfs/doc", "/mnt/nfs", DriveType::Remote},
        {"/mnt/share", "/mnt/share", DriveType::Remote},
        {"/mnt/nfs/../share/x", "/mnt/share", DriveType::Remote},
        {"/mnt/ssh/a", "/mnt/ssh", DriveType::Remote},
        {"/media/ann/ISO/setup", "/media/ann/ISO", DriveType::CDRom},
        {"/media/ann/DISC/x", "/media/ann/DISC", DriveType::CDRom},
        {"/media/ann/CARD/DCIM", "/media/ann/CARD", DriveType::Removable},
        {"/media/ann/USBDISK/a", "/media/ann/USBDISK", DriveType::Removable},
        {"/media/ann/USBDISKS/a", "/", DriveType::Fixed},  // a prefix only on a component boundary
        {"/media/ann/My Stick/Orbilo", "/media/ann/My Stick", DriveType::Removable},
        {"/media/ann/Secret/x", "/media/ann/Secret", DriveType::Removable},
        {"/media/ann/SD/x", "/media/ann/SD", DriveType::Removable},
        {"/media/ann/Gone/x", "/media/ann/Gone", DriveType::Unknown},  // its device is not in sysfs
    };
    const MountTable table = Table();
    for (const auto& c : cases) {
        const auto mount = table.MountOf(c.path);
        ASSERT_TRUE(mount.has_value()) << c.path;
        EXPECT_EQ(mount->mountPoint, c.mountPoint) << c.path;
        EXPECT_EQ(table.Classify(*mount), c.type) << c.path;
    }
}

TEST_F(MountTableTest, TheLastOfStackedMountsWinsAndBrokenLinesAreSkipped) {
    const MountTable table = Table();
    EXPECT_EQ(table.MountOf("/dev/shm/x")->source, "shm-upper");
    EXPECT_EQ(table.MountAt("/dev/shm/")->source, "shm-upper");
    const auto mounts = table.Read();
    EXPECT_EQ(mounts.size(), 18u);  // of 21 lines: a garbage one, a binary one and a truncated one skipped
    EXPECT_FALSE(table.MountAt("/media/ann/truncated").has_value());
}

TEST_F(MountTableTest, APathOnNoMountHasNone) {
    WriteText(m_root + "/partial", "60 1 8:49 / /media/stick rw - vfat /dev/sdd1 rw\n");
    const MountTable table(m_root + "/partial", m_sys);
    EXPECT_FALSE(table.MountOf("/home/ann").has_value());
    EXPECT_FALSE(table.MountOf("relative/path").has_value());
    EXPECT_TRUE(table.MountOf("/media/stick").has_value());
}

TEST(MountTableText, DecodesTheKernelsOctalEscapes) {
    const struct {
        const char* field;
        const char* decoded;
    } cases[] = {
        {"/media/My\\040Stick", "/media/My Stick"},
        {"a\\011b", "a\tb"},
        {"a\\012b", "a\nb"},
        {"back\\134slash", "back\\slash"},
        {"short\\04", "short\\04"},
        {"not\\999octal", "not\\999octal"},
        {"end\\", "end\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(MountTable::DecodeEscapes(c.field), c.decoded) << c.field;
}

TEST(MountTableText, UnreadableOrOversizedTablesAreErrors) {
    const std::string folder = orbilo::test::MakeTempFolder("badtable");
    const std::string huge = folder + "/huge";
    WriteText(huge, "");
    ASSERT_EQ(::truncate(huge.c_str(), MountTable::kMaxMountInfoBytes + 1), 0);
    for (const std::string& path : {folder + "/missing", folder, huge}) {
        EXPECT_THROW(MountTable(path, folder).Read(), ServiceError) << path;
    }
}

TEST(MountTableText, BinaryNoiseGivesNoMounts) {
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919) % 256);
    EXPECT_TRUE(MountTable::Parse(noise).empty());
}

TEST(MountTableThisMachine, DevShmIsARamDiskWhenItIsATmpfs) {
    const auto mount = MountTable().MountOf("/dev/shm/x");
    if (!mount || mount->mountPoint != "/dev/shm" || mount->fsType != "tmpfs") {
        GTEST_SKIP() << "/dev/shm is not a tmpfs here";
    }
    LinuxFileSystem fileSystem;
    const DriveInfo drive = fileSystem.GetDrive(fileSystem.GetDriveName("/dev/shm/x"));
    EXPECT_EQ(drive.typeCode, static_cast<int>(DriveType::RAMDisk));
    EXPECT_EQ(drive.letter, "/dev/shm");
}

}  // namespace
}  // namespace orbilo::platform
