// Entry point of the codec tests: the picture tests draw through the window
// layer, so a (headless) application object exists first. As with the shared
// entry point, each test process works in a temporary folder of its own.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include <cstdlib>

#include "tests/support/main/DossierProcessus.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    essai_processus::DossierTemporaireDuProcessus();
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
