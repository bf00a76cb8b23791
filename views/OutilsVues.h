// Small services shared by the statistics views.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ui/ColorStringGrid.h"

class TDonneesChampionnat;
class TPngPicture;
class TSaison;
class TStringList;
class TParamClassement;
class TComponent;
class TFootForm;
class TForm;
class TScrollBox;

namespace vues {

// The table colours of a page-template call: "CouleurTitre", "CouleurLigne1",
// "CouleurLigne2", "FonteTitre", "FonteLigne", with their defaults.
TCouleursHTML CouleursParametres(const TStringList& p);

// The crest of a team through the crest catalogue; none when the catalogue has
// no file for it or the file is not a picture.
std::unique_ptr<TPngPicture> Blason(const TSaison* saison, int idEquipe);

// Restores the season's current championship when it goes out of scope.
class TGardeChampionnat
{
public:
    explicit TGardeChampionnat(TSaison* saison);
    ~TGardeChampionnat();
    TGardeChampionnat(const TGardeChampionnat&) = delete;
    TGardeChampionnat& operator=(const TGardeChampionnat&) = delete;

private:
    TSaison* saison_;
    TDonneesChampionnat* courant_;
};

// The championship a page function works on: "Division" (when given) made
// current first; nullptr without one. The caller keeps a TGardeChampionnat.
TDonneesChampionnat* ChampionnatFonction(TSaison* saison, const TStringList& parametres);

// Starts a page function: clears the result and gives the championship it works
// on (as ChampionnatFonction); nullptr when there is nothing to write. The caller
// keeps a TGardeChampionnat, taken before this call.
TDonneesChampionnat* DebutPage(TSaison* saison, const TStringList& parametres, std::string& resultat);

// Writes a filled grid as the page function's HTML table, nested or plain.
void EcritTable(const TColorGridModel& grille, const TStringList& parametres, std::string& resultat, bool imbrique);

// The lines a page written from a view shows first, before the view's own:
// the view's title and the name of the current competition.
TEnTeteHTML EnTetePage(TSaison* saison, const std::string& titre);

// A range of matchdays that counts the whole season played: none chosen
// (first 0), or from the first to the current championship's last played
// matchday or past it.
bool SaisonEntiere(const TSaison* saison, int premiere, int derniere);

// The title of a view's page named with the choices of its window that
// change its figures: those choices in brackets ("Runs without scoring (At
// home, Best runs)"), then the range of matchdays counted as the standings
// name it ("Players used (matchdays 2 to 3)"); a first matchday of 0 is the
// whole season, named by nothing.
std::string TitreChoix(const std::string& titre, const std::vector<std::string>& choix, int premiere, int derniere);

// The view's title: the caption of its command, as the main window gave it
// before printing or writing the view, else `titre`.
std::string TitreCommande(const TFootForm& vue, const std::string& titre);

// The heading lines of a page printed or written from a view whose figures
// count the choices of its window: the view's title (the caption of its
// command, as the main window gave it, else `titre`) named with `choix` and
// the frame's range of matchdays unless it is the whole season played, then,
// when the frame counts the championships of a wider competition, that
// competition as its box names it ("Use the data of: France"). Without a
// frame, no range.
std::vector<std::string> TitresChoix(const TFootForm& vue, const std::string& titre,
                                     const std::vector<std::string>& choix, const TParamClassement* cadre);

// The shoot-out that decided the played match of the two teams on matchday
// `journee`, as every view of the match writes it ("Shoot-out: 5 - 4", the
// home side first, the away side when inverse); empty without one.
std::string TexteTirsAuBut(const TDonneesChampionnat& c, int journee, int domicile, int exterieur,
                           bool inverse = false);

// The view's scroll box filling the form on the dark background, named `nom`.
TScrollBox* FondDefilant(TForm* vue, const char* nom);

// The range frame's two choices refill the view once the frame took them.
void BrancheCadre(TParamClassement* cadre, std::function<void()> rafraichit);

// Registers the page functions a view class serves, with their kind bytes; a
// class already registered is left as it is.
void EnregistreVue(const std::string& classe, std::function<TForm*(TComponent*)> cree,
                   std::initializer_list<std::pair<const char*, uint8_t>> fonctions);

}  // namespace vues
