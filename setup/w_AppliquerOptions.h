// The choice of the option groups that the options window copies into every
// championship of the season: points for a win, a draw, a loss, the forfeit
// points and scores, starters, substitutes, the season's years and the two
// date-entry flags. Nothing is checked at first.
#pragma once

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TCheckListBox;
class TLabel;

class Tf_AppliquerOptions : public TBrivantelForm
{
public:
    explicit Tf_AppliquerOptions(TComponent* AOwner);

    TLabel* Label27 = nullptr;
    TCheckListBox* clb_ChoixOptions = nullptr;
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;
};
