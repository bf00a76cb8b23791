// The season's competitions with, for the one selected, its referees and
// stadiums, changed through the referee and stadium choosers.
#pragma once

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TDescNoeud;
class TFondCopie;
class TListBox;
class TTreeNode;
class TTreeView;

class Tf_CompetitionInfo : public TBrivantelForm
{
public:
    explicit Tf_CompetitionInfo(TComponent* AOwner);
    bool Modifie = false;

    void Remplit();
    void AfficheListes();
    // kind 0 referees, 1 stadiums.
    void Modifier(int genre);

    TFondCopie* FondCopie1 = nullptr;
    TTreeView* tv_Saison = nullptr;
    TListBox* lb_Arbitres = nullptr;
    TListBox* lb_Stades = nullptr;
    TBoutonCopie* bc_ModifierArbitres = nullptr;
    TBoutonCopie* bc_ModifierStades = nullptr;
    TBoutonCopie* bc_Continuer = nullptr;

private:
    TDescNoeud* NoeudCourant() const;
    bool rempli_ = false;
};
