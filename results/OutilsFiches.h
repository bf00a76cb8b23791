// Small controls shared by the cards of this folder.
#pragma once

#include <string>

#include "platform/gui/StdCtrls.h"

// A transparent label at (x, y), w wide, owned by owner and shown in parent.
TLabel* EtiquetteFiche(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int w,
                       const std::string& texte, TColor couleur = clWhite, bool gras = true,
                       TAlignment alignement = taLeftJustify);
