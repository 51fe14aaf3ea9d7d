// Entry point of the logic and backend test programs.
#include <gtest/gtest.h>

#include "TestEnvironment.h"

int main(int argc, char** argv) {
    orbilo::test::EnterPrivateHome();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
