// The question asked when a name typed for a team matches no player: create
// him, or choose an existing player.
#pragma once

#include <string>

#include "ui/BrivantelForm.h"

class TSaisonFiches;
class TLabel;
class TComboBox;
class TBoutonCopie;
class TCarreCoche;

class Tf_jInexistant : public TBrivantelForm
{
public:
    explicit Tf_jInexistant(TComponent* AOwner);
    // Creates and files the player at the sport's position for new players.
    static TJoueur* CreeJoueur(const std::string& nom, const std::string& prenom, TSaisonFiches& saison, int equipe);
    // The team's players, then the season's players of the same first letter.
    void Init(TSaisonFiches& saison, const std::string& nom, bool caseAuto, int equipe, const std::string& prenom);
    // The dialog with the main window's colours: the player chosen or created,
    // nullptr when closed.
    static TJoueur* Demande(TSaisonFiches& saison, const std::string& nom, const std::string& prenom, int equipe);

    TLabel* Label1 = nullptr;
    TComboBox* cb_ChoixJoueur = nullptr;
    TBoutonCopie* b_Choisir = nullptr;
    TBoutonCopie* b_Creer = nullptr;
    TCarreCoche* cb_ajoutauto = nullptr;
    TJoueur* JoueurChoisi = nullptr;

    void b_CreerClick(TObject* Sender);
    void b_ChoisirClick(TObject* Sender);

private:
    TSaisonFiches* saison_ = nullptr;
    std::string nom_, prenom_;
    int equipe_ = 0xFFFF;
};
