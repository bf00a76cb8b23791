// What a standings view computes over: a band of matchdays of the championship
// ("Tranche") and whose data it uses (the championship alone, or every
// championship under a wider node of the competition tree). A bottom band the
// standings window, the statistics window and the team views embed.
//
//     CadreParam = new TParamClassement(this);
//     CadreParam->SetParent(this);
//     CadreParam->Init(couleurTexte, saison, avecDonnees, true);
//     ... CadreParam->Premiere(), CadreParam->Derniere(), CadreParam->ListeChoisie()
//
// The embedding window hangs its own handlers on cb_Champ / cb_Tranche; they
// call cb_ChampChange / cb_TrancheChange first, then recompute.
#pragma once

#include <memory>
#include <vector>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"

class TDonneesChampionnat;
class TFondCopie;
class TSaison;

class TParamClassement : public TPanel
{
public:
    explicit TParamClassement(TComponent* AOwner);
    ~TParamClassement() override;

    void Init(TColor couleurTexte, TSaison* saison, bool afficheDonnees, bool afficheTranches);

    void cb_ChampChange(TObject* Sender);
    void cb_TrancheChange(TObject* Sender);

    // For a view that counts each championship of a wider competition whole:
    // with such data chosen, the box offers no range (it reads the whole
    // season, disabled) and none is counted; the championship alone offers
    // them again.
    void TranchesChampionnatSeul(bool seul);
    // Both taken modulo 65536 (none while the box offers none).
    void ChoisitTranche(int premiere, int derniere);
    // Drops the chosen data list (the championship alone again).
    void OublieDonnees();
    // The first matchday, 1 when none is chosen.
    int PremiereJournee() const;
    // The last matchday when a range is chosen, else the current matchday.
    int DerniereJournee() const;
    // The range as chosen: both 0 when none.
    int Premiere() const { return premiere_; }
    int Derniere() const { return derniere_; }
    // The chosen championships, or the current championship alone. The frame
    // keeps the list.
    const std::vector<TDonneesChampionnat*>& ListeChampionnats();
    // The chosen list, nullptr when none is chosen.
    const std::vector<TDonneesChampionnat*>* ListeChoisie() const { return choisie_.get(); }
    int IndexDonnees() const { return indexDonnees_; }

    TFondCopie* FondCadre;
    TLabel* Label1;   // "Tranche"
    TLabel* Label2;   // "Utiliser les données:"
    TComboBox* cb_Champ;
    TComboBox* cb_Tranche;

private:
    TDonneesChampionnat* Courant() const;
    // The box offers the ranges, or not, as the data chosen allow.
    void OffreTranches();
    bool tranchesSeul_ = false;
    int premiere_ = 0;
    int derniere_ = 0;
    std::unique_ptr<std::vector<TDonneesChampionnat*>> choisie_;
    std::unique_ptr<std::vector<TDonneesChampionnat*>> seul_;
    TSaison* saison_ = nullptr;
    int indexDonnees_ = 0;
};
