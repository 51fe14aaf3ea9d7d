// The on-media path forms: which paths lie on the medium, how they are stored and read back.
#include "launchlist/MediaPaths.h"

#include <gtest/gtest.h>

namespace orbilo {
namespace {

TEST(MediaFormOf, TellsLetterFromMountPointByShape) {
    EXPECT_EQ(MediaFormOf("E"), MediaForm::DriveLetter);
    EXPECT_EQ(MediaFormOf("e"), MediaForm::DriveLetter);
    EXPECT_EQ(MediaFormOf("/media/ann/STICK"), MediaForm::MountPoint);
    EXPECT_EQ(MediaFormOf("/"), MediaForm::MountPoint);
    EXPECT_EQ(MediaFormOf(""), MediaForm::None);
    EXPECT_EQ(MediaFormOf("E:"), MediaForm::None);
}

TEST(LiesOnMedia, ComparesLetterExactlyAndMountByWholeComponents) {
    const struct {
        const char* media;
        const char* path;
        bool onMedia;
    } rows[] = {
        {"E", "E:\\Apps\\tool.exe", true},
        {"E", "e:\\Apps\\tool.exe", false},  // the lower-case letter is a machine item
        {"E", "C:\\Tools\\edit.exe", false},
        {"E", "", false},
        {"/media/ann/STICK", "/media/ann/STICK/Apps/tool", true},
        {"/media/ann/STICK", "/media/ann/STICK", true},
        {"/media/ann/STICK/", "/media/ann/STICK/Apps/tool", true},
        {"/media/ann/STICK", "/media/ann/STICKY/tool", false},  // not a component boundary
        {"/media/ann/STICK", "/media/ann/stick/Apps/tool", false},
        {"/media/ann/STICK", "/home/ann/bin/tool", false},
        {"/media/ann/STICK", "media/ann/STICK/tool", false},
        {"", "/media/ann/STICK/Apps/tool", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LiesOnMedia(row.path, row.media), row.onMedia) << row.media << " | " << row.path;
    }
}

TEST(MediaPaths, StoredFormAndReadingOnAnotherDrive) {
    const struct {
        const char* media;
        const char* path;
        const char* stored;
        const char* laterMedia;
        const char* readLater;
    } rows[] = {
        {"E", "E:\\Apps\\tool.exe", "#:\\Apps\\tool.exe", "F", "F:\\Apps\\tool.exe"},
        {"/media/ann/STICK", "/media/ann/STICK/Apps/tool", "#/Apps/tool", "/run/media/bob/STICK1",
         "/run/media/bob/STICK1/Apps/tool"},
        {"/media/ann/STICK/", "/media/ann/STICK/Apps/tool", "#/Apps/tool", "/mnt/usb/", "/mnt/usb/Apps/tool"},
        {"/media/ann/STICK", "/media/ann/STICK", "#", "/mnt/usb", "/mnt/usb"},
        // A path off the medium has no media form; it is kept and read as it stands.
        {"/media/ann/STICK", "/home/ann/bin/tool", "/home/ann/bin/tool", "/mnt/usb", "/home/ann/bin/tool"},
        {"E", "", "", "F", ""},
    };
    for (const auto& row : rows) {
        const std::string stored = StoredMediaPath(row.path, row.media);
        EXPECT_EQ(stored, row.stored) << row.path;
        EXPECT_EQ(ReadMediaPath(stored, row.laterMedia), row.readLater) << row.path;
    }
}

TEST(ReadMediaPath, ReplacesWhateverStandsBeforeThePath) {
    // Windows: the first character, whatever it is; Linux: everything before the first "/".
    EXPECT_EQ(ReadMediaPath("C:\\Apps\\tool.exe", "G"), "G:\\Apps\\tool.exe");
    EXPECT_EQ(ReadMediaPath("#:\\Apps\\tool.exe", "g"), "g:\\Apps\\tool.exe");
    EXPECT_EQ(ReadMediaPath("OLD/Apps/tool", "/mnt/usb"), "/mnt/usb/Apps/tool");
    EXPECT_EQ(ReadMediaPath("#:\\Apps\\tool.exe", "/mnt/usb"), "/mnt/usb");
    EXPECT_EQ(ReadMediaPath("#/Apps/tool", ""), "#/Apps/tool");
}

}  // namespace
}  // namespace orbilo
