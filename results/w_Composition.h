// The line-ups page: per team, the starters with their shirt numbers and the
// substitutions (player going off, minute, player coming on). Players come
// from the team list by double click; a starter double-clicked goes off into
// the first free substitution. The entries reach the match when the page is
// written.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "results/w_InfoMatchCadre.h"

class TInfoComp;
class TEdition2;
class TListe;
class TListeJoueur;
class TPageControl;
class TTabSheet;

class Tf_Composition : public Tf_InfoMatchCadreBase
{
public:
    explicit Tf_Composition(TComponent* AOwner);
    ~Tf_Composition() override;

    void ChangeMatch() override { AfficheMatch(); }
    void SetFenetrePrincipale(TComponent* fenetre) override;
    void EnregistrePage(int Libere) override;
    void AfficheMatch() override;

    // One grid record: starters first, then per substitution the outgoing
    // record (minute, player off) and the incoming one (shirt, player on).
    struct TEnreg
    {
        TEdition2* Numero = nullptr;
        TCadre* Joueur = nullptr;
    };
    int NbTitulaire() const { return nbTitulaire_; }
    int NbRemp() const { return nbRemp_; }
    TEnreg& Enreg(int cote, int n) { return grille_[cote][static_cast<size_t>(n - 1)]; }
    TListe* Liste(int cote) const { return cote == 0 ? l_EquipeDomicile : l_EquipeExterieur; }

    // ---- handlers ----
    void ListeDblClick(int cote);
    void TitulaireDblClick(int cote, int n);
    void SortantDblClick(int cote, int n);

    TPageControl* pc_Composition;
    TTabSheet* ts_Equipe1;
    TTabSheet* ts_Equipe2;
    TListe* l_EquipeDomicile;
    TListe* l_EquipeExterieur;

private:
    void ConstruitGrille(int nbTitulaire, int nbRemp);
    void LibereGrille();
    // Starter rows spread over their panel, substitution rows centred.
    void Place();
    void PlaceJoueur(int cote, int n, int32_t id);
    void RemplitListe(int cote);
    void ChargeChoix(int cote);
    int32_t Equipe(int cote) const { return cote == 0 ? IdDomicile : IdExterieur; }
    TWinControl* fonds_[2][2] = {};   // starters, substitutions
    std::vector<TEnreg> grille_[2];
    std::unique_ptr<TListeJoueur> choix_[2];
    TInfoComp* match_ = nullptr;
    bool propose_[2] = {false, false};   // starters taken from an earlier match
    int nbTitulaire_ = 0;
    int nbRemp_ = 0;
};
