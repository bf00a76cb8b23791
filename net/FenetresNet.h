// What the windows of the network share in their construction: the dialog's
// frame on the dark design colour, labels and the orange skinned buttons.
#pragma once

#include <string>

#include "platform/gui/Forms.h"
#include "platform/gui/Graphics.h"

class TLabel;
class TBoutonCopie;

namespace fenetres_net {

void Cadre(TForm* f, const char* nom, const std::string& titre, TBorderStyle bord, TPosition position, int largeur,
           int hauteur);
TLabel* Etiquette(TForm* f, const char* nom, const std::string& texte, int x, int y, int l, int h, TColor couleur,
                  TFontStyles style);
TBoutonCopie* BoutonOrange(TForm* f, const char* nom, const char* legende, int x, int y, int largeur);
// The caption of text id, unless the text is missing.
void Legende(TControl* c, int id);

}  // namespace fenetres_net
