// Test entry point shared by the test executables that need no window. Window
// tests bring their own entry point (the window test kit) and do the same setup.
#include <cstdlib>

#include <gtest/gtest.h>

#include "DossierProcessus.h"

int main(int argc, char** argv)
{
    // The tests read the program's data from the sources unless told otherwise,
    // and windows never need a display.
    setenv("BZ_DATA_DIR", BZ_SOURCE_DATA_DIR, 0);
    setenv("BZ_BUILD_BIN", BZ_BUILD_BIN, 0);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    essai_processus::DossierTemporaireDuProcessus();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
