// Which function key asks for what, with and without a sibling program.
#include <gtest/gtest.h>

#include "mainwindow/StripKeys.h"

namespace orbilo::test {
namespace {

struct KeyCase {
    int functionKey;
    int siblingLast;
    StripAction action;
    int box;
};

TEST(StripKeysTest, FunctionKeysMapToTheStripsCommands) {
    const KeyCase cases[] = {
        {1, -1, StripAction::ToggleAddUrl, -1}, {2, -1, StripAction::ToggleBox, 0},
        {3, -1, StripAction::ToggleBox, 1},     {4, -1, StripAction::ToggleBox, 2},
        {5, -1, StripAction::None, -1},         {5, 0, StripAction::ToggleBox, 3},
        {6, -1, StripAction::ToggleBox, 4},     {7, -1, StripAction::ToggleBox, 5},
        {8, -1, StripAction::ToggleBox, 6},     {9, -1, StripAction::Minimize, -1},
        {10, -1, StripAction::Exit, -1},        {11, 2, StripAction::None, -1},
        {12, -1, StripAction::ClearText, -1},   {13, -1, StripAction::None, -1},
    };
    for (const KeyCase& c : cases) {
        const StripKey key = FunctionKeyAction(c.functionKey, c.siblingLast);
        EXPECT_EQ(key.action, c.action) << "F" << c.functionKey;
        EXPECT_EQ(key.box, c.box) << "F" << c.functionKey;
    }
}

}  // namespace
}  // namespace orbilo::test
