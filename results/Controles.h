// The skinned controls the results windows build, each in one call.
#pragma once

#include <string>

#include "platform/gui/Graphics.h"

class TBoutonCopie;
class TComponent;
class TFondCopie;
class TLabel;
class TWinControl;

namespace resultats {

// A copy of the skin master `maitre` (a button), bold caption.
TBoutonCopie* Bouton(TComponent* owner, TWinControl* parent, const char* nom, const char* maitre, int x, int y,
                     int w, const std::string& texte);
// A transparent label.
TLabel* Label(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w, TColor couleur,
              bool gras, const std::string& texte);
// A skinned panel copying the master `maitre`.
TFondCopie* Fond(TComponent* owner, TWinControl* parent, const char* nom, const char* maitre, int x, int y, int w,
                 int h);

}  // namespace resultats
