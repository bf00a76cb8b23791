// The fixture of a test of the main window: the machine taken as offline while
// it runs (no update check at start), its help windows closed after it.
#pragma once

#include <gtest/gtest.h>

#include "platform/sys/WinInet.h"
#include "shell/Aide.h"

namespace essai {

template <class Base = ::testing::Test>
class THorsLigne : public Base
{
protected:
    void SetUp() override { SetInternetConnectedStateOverride(0); }
    void TearDown() override
    {
        SetInternetConnectedStateOverride(-1);
        FermeAides();
    }
};

}  // namespace essai
