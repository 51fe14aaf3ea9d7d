// The drive type names the start-up checks compare against.
#include "format/DriveClassification.h"

#include <gtest/gtest.h>

namespace orbilo {
namespace {

TEST(DriveTypeNameOf, NamesEachCodeAndNothingElse) {
    const struct {
        int code;
        const char* name;
    } cases[] = {
        {0, "Unknown"}, {1, "Removable"}, {2, "Fixed"}, {3, "Remote"},
        {4, "CDRom"},   {5, "RAMDisk"},   {6, ""},      {-1, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DriveTypeNameOf(c.code), c.name) << "code " << c.code;
}

}  // namespace
}  // namespace orbilo
