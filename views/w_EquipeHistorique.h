// The year and the teams of a past season to add to a history file. The caller
// fills lb_Equipe with the names known, the user types or drags names into the
// memo (one a line) and validates; a year the history file cannot hold is
// refused with a message and the dialog stays open. The count shown is the
// count of teams the season will get.
#pragma once

#include <string>
#include <vector>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TEdit;
class TLabel;
class TListBox;
class TMemo;
class TUpDown;

class Tf_EquipeHistorique : public TBrivantelForm
{
public:
    explicit Tf_EquipeHistorique(TComponent* AOwner);

    // The season number a typed year stands for: years after 1900 count from
    // 1900, smaller ones are numbers already; -1 when the history file has no
    // place for it (numbers 1..199: years 1901 to 2099).
    static int NumeroSaison(int annee);
    int Annee() const;
    // The teams of the memo, one a line, blank lines left out: a name given
    // again, in other letters or other blanks, is the same team, taken once.
    std::vector<std::string> Equipes() const;

    TLabel* Label4;
    TEdit* e_Annee;
    TUpDown* ud_Annee;
    TLabel* Label1;
    TMemo* m_Equipe;
    TLabel* Label2;
    TListBox* lb_Equipe;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

    void m_EquipeChange(TObject* Sender);
    void lb_EquipeDblClick(TObject* Sender);
    void b_ValiderClick(TObject* Sender);

private:
    void AjouteSelection();
};
