// Writing the full header of a match sheet page back into the shown match:
// attendance, officials with their ratings, the match rating and the stadium.
// The frame fills these controls (Tf_InfoMatchCadreBase::AfficheEnTeteMatch);
// the pages write them with their entries.
//
//     TEnTeteComplet e{AffichageScore, {{cb_Arbitre, e_NoteArbitre}}, e_NoteMatch, cb_Stade};
//     EcritEnTete(e, *saison, *championnat, n, m);
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

class TAffichage;
class TComboBox;
class TDonneesChampionnat;
class TEdit;
class TSaison;

namespace feuille {

// The object of the empty and separator entries of the referee and stadium boxes.
constexpr intptr_t AucuneEntree = 65535;

struct TOfficielBoite
{
    TComboBox* Boite = nullptr;
    TEdit* Note = nullptr;   // its rating, or none
};

struct TEnTeteComplet
{
    TAffichage* Affichage = nullptr;
    std::vector<TOfficielBoite> Officiels;   // officials 1, 2, 3
    TEdit* NoteMatch = nullptr;
    TComboBox* Stade = nullptr;
};

// The object of the selected entry of a box, AucuneEntree when the box is
// empty or nothing is selected.
intptr_t ObjetChoisi(TComboBox& boite);

// The rating boxes of a header (officials', match's): a byte, an emptied box
// no rating (0); anything else refused with a word by the page's roads out.
void DeclareNotes(std::initializer_list<TEdit*> boites);

// Writes attendance, match rating, officials with their ratings (an official
// without a choice: none, rating 0) and stadium (none without a choice) of
// match m of matchday n. A rating is what its box shows (DeclareNotes); one
// the box refuses leaves the match's as it was.
void EcritEnTete(const TEnTeteComplet& e, TSaison& saison, TDonneesChampionnat& c, int n, int m);

}  // namespace feuille
