// Test entry point shared by every test executable. A test executable that needs
// the window layer installs its application object itself (tests/support/GuiTest.h
// once the window layer exists).
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
