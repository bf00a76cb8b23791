// Shared set-up of the window foundation tests: the program's data folder, the
// French texts and the skin module with the blue design.
#pragma once

#include "tests/support/DessinEssai.h"

namespace essai {

using dessin_essai::DossierDonnees;
using dessin_essai::Module;

}  // namespace essai
