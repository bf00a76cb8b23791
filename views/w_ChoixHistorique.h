// The choice of the history file to work on among those of a sport, and the
// creation of a new one for a division of the championship templates:
//
//     Tf_ChoixHistorique d(this);
//     d.ChangeCouleurs(Couleurs);
//     d.Init(stats, codeDivision, sport, dossier, ajoutPermis);
//     if (d.ShowModal() == mrOk) index = d.Choix();   // -1 when none
//
// The files live in <dossier>/stats; a new one is written with its first saved
// season.
#pragma once

#include <cstdint>
#include <string>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TComboBox;
class TListBox;
class TPanel;
class TStats;

class Tf_ChoixHistorique : public TBrivantelForm
{
public:
    explicit Tf_ChoixHistorique(TComponent* AOwner);

    void Init(TStats* stats, int32_t code, int sport, const std::string& dossier, bool ajout);
    // The history index of the entry chosen (selected), -1 when none.
    int Choix() const;

    TListBox* lb_Choix;
    TBoutonCopie* bc_Choisir;
    TBoutonCopie* bc_Annuler;
    TPanel* Panel1;
    TComboBox* cb_Champ;
    TBoutonCopie* bc_Ajouter;

    void bc_ChoisirClick(TObject* Sender);
    void bc_AjouterClick(TObject* Sender);

private:
    // The list, the box and the window as wide as their entries need.
    void Dispose();
    // The entry of history index i in the list, -1.
    int Entree(int i) const;
    TStats* stats_ = nullptr;
    int sport_ = 0;
    std::string dossier_;
    int choix_ = -1;
};

// "template : division" of a code for the sport's templates; a division the
// templates do not know is named as the season names its championship (one
// made by hand), else as one made by hand, or a division, numbered.
class TSaison;
std::string NomDivisionHistorique(int32_t code, const TSaison* saison = nullptr);
