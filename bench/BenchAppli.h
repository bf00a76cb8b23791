// The one application object of the benchmark program, made offscreen by the
// first window benchmark that needs it (or found when something else made it).
// The program's main() frees it before returning, while Qt is still whole.
#pragma once

#include <memory>

#include "platform/gui/Forms.h"

// Makes the application unless one exists.
void AppliBanc();
// Frees the application made by AppliBanc (called by main()).
void LibereAppliBanc();
