// Two dialogs that change what a season holds:
// - Tf_RetirerChamp: the championships leaving the season, each ticked when
//   its players and teams leave the season file too;
// - Tf_AjouterEquipe: the team list of the current championship (season
//   teams or new names added, teams taken out with their matches).
#pragma once

#include <vector>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCheckListBox;
class TComboBox;
class TDonneesChampionnat;
class TFondCopie;
class TListBox;

class Tf_RetirerChamp : public TBrivantelForm
{
public:
    explicit Tf_RetirerChamp(TComponent* AOwner);
    void DonneListe(const std::vector<TDonneesChampionnat*>& championnats);
    void b_ValiderClick();
    // The user answered No to the question of Valider: nothing changed, and
    // the composition is not applied.
    bool Abandon = false;

    TFondCopie* FondCopie1 = nullptr;
    TCheckListBox* clb_Championnat = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;

private:
    std::vector<TDonneesChampionnat*> liste_;
};

class Tf_AjouterEquipe : public TBrivantelForm
{
public:
    explicit Tf_AjouterEquipe(TComponent* AOwner);
    void bc_AjouterClick();
    void bc_EffacerClick();
    void bc_ValiderClick();
    bool Modifie = false;

    TFondCopie* FondCopie1 = nullptr;
    TComboBox* cb_Equipes = nullptr;
    TListBox* l_Equipe = nullptr;
    TBoutonCopie* bc_Ajouter = nullptr;
    TBoutonCopie* bc_Effacer = nullptr;
    TBoutonCopie* bc_Valider = nullptr;
    TBoutonCopie* bc_Annuler = nullptr;

private:
    void Remplit();
};
