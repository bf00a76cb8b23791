// The application object that the window benchmarks need, made once (offscreen)
// unless one already exists: the caller keeps what is returned (empty then).
#pragma once

#include <cstdlib>
#include <memory>

#include "platform/gui/Forms.h"

inline std::unique_ptr<TApplication> AppliBanc()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char nom[] = "bench";
    static char* argv[] = {nom, nullptr};
    if (Application)
        return nullptr;
    return std::make_unique<TApplication>(argc, argv);
}
