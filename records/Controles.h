// Builders of the controls of the record windows: each names the control,
// places it, parents it and takes its caption from the translator.
#pragma once

#include <string>

#include "model/ChampsSaison.h"
#include "platform/gui/Graphics.h"

class TComponent;
class TWinControl;
class TControl;
class TLabel;
class TEdit;
class TComboBox;
class TComboBox98;
class TBoutonCopie;
class TFondCopie;
class TUpDown;
class TForm;
class TLogo;
class TStrings;
class TSaison;
class TPageControl;
class TTabSheet;

namespace ctrl {

// A dialog centred on the main window, dark, of that client size.
void Dialogue(TForm* f, const std::string& nom, bool fenetreOutil, int largeur, int hauteur);
// A crest or photo preview: white ground, red border, the picture drawn as
// stored (no colour taken for transparent).
TLogo* Apercu(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur, int hauteur);
// The season's teams (name, id): the current championship's in their order,
// then the others by name.
void RemplitEquipes(TStrings& items, const TSaison* saison);
// The season's previous clubs (name, id), empty names left out.
void RemplitClubsPrec(TStrings& items, const TSaison* saison);

// The translator's text, or the default when the text id has none.
std::string Texte(int id, const std::string& defaut = "");
// The caption from the translator when it has the text.
void Legende(TControl* c, int id);

TLabel* Etiquette(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int texte,
                TColor couleur = clWhite);
TEdit* Saisie(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur,
              int maxLongueur = 0);
// A box of a number: it takes digits only, a letter typed or pasted is refused.
TEdit* SaisieNombre(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur,
                    int maxLongueur = 0);
TComboBox98* Combo98(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur);
TComboBox* Liste(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur);
// A skinned button of the dialogs (copy of the skin's orange master).
TBoutonCopie* Bouton(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur,
                     int texte, int modalResult = 0);
TFondCopie* Cadre(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur,
                  int hauteur);
// A page of a card's page control: dark, captioned by text id, holding one
// skinned frame over all of it (the frame is returned).
TTabSheet* Onglet(TComponent* owner, TPageControl* pages, const std::string& nom, int texte);
TFondCopie* FondOnglet(TComponent* owner, TTabSheet* page, const std::string& nom, int largeur, int hauteur);
// An up-down beside its edit, from min to max.
TUpDown* Compteur(TComponent* owner, TWinControl* parent, const std::string& nom, TEdit* edit, int min, int max);
// An up-down beside the edit of a stored field: both take the field's range,
// the edit as wide as its largest value, so that a value shown is kept whole.
TUpDown* Compteur(TComponent* owner, TWinControl* parent, const std::string& nom, TEdit* edit, TChamp champ);
// An edit of a stored field without a counter: digits only, as wide as the
// field's largest value, a figure past it refused and the bounds said.
void BorneChamp(TEdit* edit, TChamp champ);

// The whole leading number of a text (0 when it has none).
int NombreDebut(const std::string& texte);
// The text of a number read from a field: false when it is not a number.
bool LitEntier(const std::string& texte, int& valeur);

}  // namespace ctrl
