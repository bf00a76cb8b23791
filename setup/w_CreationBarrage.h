// The creation of a play-off's championships once its sources are played:
// the teams at the play-off's places of each source division, proposed from
// the standings, confirmed, spread over the groups; one championship per
// group (or the cup) is then made and filed under the play-off's node.
// Answers 1 (created), 5 (the season has no play-off) or cancel.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TComboBox;
class TDescNoeud;
class TDescTree;
class TDonneesChampionnat;
class TEdit;
class TFondCopie;
class TLabel;
class TScrollBox;
class TUpDown;

// The first-round slots of a cup play-off with rounds: four words each
// (source A, source B, place A, place B), later entrants with 65535 sides.
std::vector<TRencontreCoupe> TirageBarrage(TDonneesBarrage& barrage);

// The championship a play-off source code names: a championship's code, or
// a play-off's code with its group number (group 1 of a play-off of one
// group is its one championship); nullptr while it does not exist.
TDonneesChampionnat* ChampionnatSource(const TDescTree& arbre, int32_t code);
// Whether the play-off can be created now: not created yet, at least one
// place, and every source it takes places from exists.
bool BarrageProposable(const TDescTree& arbre, const TDonneesBarrage& barrage);

class Tf_CreeBarrage : public TBrivantelForm
{
public:
    explicit Tf_CreeBarrage(TComponent* AOwner);
    ~Tf_CreeBarrage() override;

    struct TFondDivision
    {
        TFondCopie* Fond = nullptr;
        TDonneesChampionnat* Championnat = nullptr;
        std::vector<int> Places;
        std::vector<TComboBox*> Equipes;   // league source
        std::vector<TEdit*> Noms;          // cup source
    };
    struct TFondGroupe
    {
        TFondCopie* Fond = nullptr;
        TEdit* Nom = nullptr;
        TEdit* Taille = nullptr;
        TUpDown* ud = nullptr;
        std::vector<TComboBox*> Equipes;
    };

    void FormShow();
    void AfficheDivisions();
    void b_ContinuerClick();
    void b_CreationClick();
    // Sets the size of group g (from 0) and lays the groups out again.
    void TailleGroupe(int g, int n);

    // The codes of the championships created, group 1 first.
    std::vector<int32_t> Crees;
    std::vector<std::unique_ptr<TFondDivision>> Divisions;
    std::vector<std::unique_ptr<TFondGroupe>> Groupes;

    TFondCopie* FondCopie1 = nullptr;
    TComboBox* cb_Barrage = nullptr;
    TScrollBox* fs_Divisions = nullptr;
    TBoutonCopie* b_Creation = nullptr;
    TBoutonCopie* b_Continuer = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

private:
    struct TOffre
    {
        TDescNoeud* Noeud = nullptr;
        TDonneesBarrage* Barrage = nullptr;
    };
    void VideDivisions();
    void VideGroupes();
    void PlaceGroupes();
    void CreeChampionnat(const std::vector<std::pair<std::string, int64_t>>& equipes, const std::string& nom, int g,
                         const std::vector<TInfoTourCoupe>& toursCoupe);
    std::vector<TOffre> offres_;
    std::vector<std::pair<std::string, int64_t>> equipes_;   // name, code + (row shl 20), -1 typed
    TOffre courant_;
    // The first division the play-off takes teams from: its championships
    // take its years when the play-off has none.
    const TDonneesChampionnat* source_ = nullptr;
};
