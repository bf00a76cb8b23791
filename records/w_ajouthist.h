// The career line dialog: a season, a previous club, a division and four
// counters for one line of a player's career. It writes nothing itself.
#pragma once

#include <string>

#include "ui/BrivantelForm.h"
#include "ui/NomSaisi.h"

class TLabel;
class TEdit;
class TComboBox;
class TComboBox98;
class TUpDown;
class TCheckBox;
class TBoutonCopie;
class TStringList;

class Tf_ajouthist : public TBrivantelForm
{
public:
    explicit Tf_ajouthist(TComponent* AOwner);
    // The season's previous clubs, the sport's divisions (the one of that code
    // chosen, else the first) and the season's year.
    void Init(TSaison* saison, int division);
    // A club the caller's card will add to the season once it is validated:
    // an entry of the list, which a name typed designates without a question.
    void AjouteClubNouveau(const std::string& nom);
    // The club proposed: the entry of that name, picked (its very text, else
    // the first that the name designates, accents and letter case aside);
    // without one, the name as a new club.
    void ProposeClub(const std::string& nom);
    // Once closed by "Ajouter": the club of the line. An entry picked, or a
    // name typed that the user said is that entry (Entree); a name typed
    // for a new club (Nouveau); nothing (Vide).
    TNomDesigne Club;
    // Whether that entry is a club the caller said it will add.
    bool EstClubNouveau(int index) const;

    TEdit* e_Saison = nullptr;
    TUpDown* ud_Saison = nullptr;
    TComboBox98* cb_Actuel = nullptr;
    TComboBox* cb_Division = nullptr;
    TEdit* e_Matchs = nullptr;
    TUpDown* ud_Matchs = nullptr;
    TEdit* e_Buts = nullptr;
    TUpDown* ud_Buts = nullptr;
    TEdit* e_MatchsSel = nullptr;
    TUpDown* ud_MatchsSel = nullptr;
    TEdit* e_ButsSel = nullptr;
    TUpDown* ud_ButsSel = nullptr;
    TCheckBox* cb_InsereAutre = nullptr;
    TBoutonCopie* bc_Choisir = nullptr;
    TBoutonCopie* bc_Annuler = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label7 = nullptr;

protected:
    void DoShow() override;

private:
    // The club of the line: a typed name that is an entry's is asked about,
    // naming what each answer does; No to all keeps the dialog open.
    void bc_ChoisirClick(TObject* Sender);
};
