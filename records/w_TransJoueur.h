// The transfer dialog of the player search: the club the player goes to,
// chosen among the season's teams.
#pragma once

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TComboBox98;
class TLabel;

class Tf_TransJoueur : public TBrivantelForm
{
public:
    explicit Tf_TransJoueur(TComponent* AOwner);
    // Fills the club list with every team of the season, in list order, each
    // entry holding its team's number.
    void FormShow(TObject* Sender);
    // The team picked, by its number (each entry holds its team's); -1 when
    // none is.
    int EquipeChoisie() const;

    TLabel* Label20 = nullptr;
    TComboBox98* cb_Club = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;
};
