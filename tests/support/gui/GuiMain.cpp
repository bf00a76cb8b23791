// Entry point of the window tests: the application object offscreen, the
// default answers of message boxes and dialogs reset before every test.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/gui/Forms.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/support/main/DossierProcessus.h"

namespace {
class ResetListener : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override { kit::ResetAnswers(); }
};
}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Numbers on screen follow the user's locale: the tests run without one,
    // whatever the machine's, and name a locale where they test one.
    setenv("LC_ALL", "C.UTF-8", 1);
    // The program's data from the sources, whatever folder the tests run in.
    setenv("BZ_DATA_DIR", BZ_SOURCE_DATA_DIR, 0);
    essai_processus::DossierTemporaireDuProcessus();
    ::testing::InitGoogleTest(&argc, argv);
    TApplication app(argc, argv);
    app.SetTitle("Tests");
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetListener);
    kit::ResetAnswers();
    return RUN_ALL_TESTS();
}
