// The skinned controls the results windows build, each in one call.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Graphics.h"

class TBoutonCopie;
class TCadre;
class TComponent;
class TControl;
class TEdit;
class TEdition2;
class TEditRond;
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
// A bold caption over a small box: at most two lines in w x 28, its last
// line on the box's top.
TLabel* Legende(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w, TColor couleur,
                const std::string& texte);
// A name frame (skin "BoutonCreuxBleu"), not selectable; w x 25.
TCadre* Cadre(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w);
// A round number box (skin "RondCreuxBleu") of at most `longueur` digits; 25 x 25.
TEditRond* Rond(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int longueur);
// A small plain edit box (a rating, added time) of at most `longueur`
// characters; 30 x 21.
TEdit* Petit(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int longueur);
// Keeps a minute box within 0..maximum, what the record's field holds: the
// digit that would take it beyond is refused with a beep and a reason naming
// both beside the box, the typing going on; a text put in whole beyond it
// (pasted) is refused alike and the box gets back the value it held before
// the user began typing in it (when it took the focus or got its first key).
// Installed after the box's own OnChange, OnEnter, OnExit and OnKeyPress,
// which it runs (OnChange for every text it keeps). Texts put in while
// `charge` answers true (the page filling its boxes) are not the user's and
// are kept.
void BorneMinute(TEdition2* e, int maximum, std::function<bool()> charge = {});
// A skinned panel copying the master `maitre`.
TFondCopie* Fond(TComponent* owner, TWinControl* parent, const char* nom, const char* maitre, int x, int y, int w,
                 int h);
// Lays out a row of columns left to right, each a caption and the boxes under
// it (moved together): a column starts at least `ecart` pixels after the
// caption and boxes of the one before, so that captions of any length never
// run into each other; the last box of the last column ends at `droite`.
void RangeColonnes(const std::vector<std::vector<TControl*>>& colonnes, int droite, int ecart = 8);

}  // namespace resultats
