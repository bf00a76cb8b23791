// The ratings page: for the shown match, each team's line-up slots (the
// starters, then the substitutes who came on) with the player's name and a
// box for his rating in that match. Ratings reach the match when the page is
// written (another match shown, the page closed, the season saved).
#pragma once

#include <vector>

#include "results/w_InfoMatchCadre.h"

class TFondScroll;

class Tf_Notes : public Tf_InfoMatchCadreBase
{
public:
    explicit Tf_Notes(TComponent* AOwner);
    ~Tf_Notes() override;

    // The rows of both sides, for the current championship's line-up sizes.
    void CreeLignes(TComponent* fenetre);
    void ChargeMatch();

    void ChangeMatch() override { ChargeMatch(); }
    // The page's set-up is CreeLignes.
    void SetFenetrePrincipale(TComponent* fenetre) override { CreeLignes(fenetre); }
    void EnregistrePage(int Libere) override;
    void AfficheMatch() override { ChargeMatch(); }

    struct TLigne
    {
        TCadre* Nom = nullptr;
        TEditRond* Note = nullptr;
    };
    int NbLignes() const { return nbTitulaire_ + nbRemp_; }
    // Row k (from 1) of side cote (0 home, 1 away).
    TLigne& Ligne(int cote, int k) { return lignes_[cote][static_cast<size_t>(k - 1)]; }

    TFondScroll* FondEquipeDomicile;
    TFondScroll* FondEquipeExterieur;

private:
    void Place(int cote);
    void LibereLignes();
    TFondScroll* Fond(int cote) const { return cote == 0 ? FondEquipeDomicile : FondEquipeExterieur; }
    std::vector<TLigne> lignes_[2];
    int nbTitulaire_ = 0;
    int nbRemp_ = 0;
};
