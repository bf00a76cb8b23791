// The frame of the match sheet pages: a header naming the shown match (teams
// and scores), an up-down and a popup that move to another match or matchday,
// and the protocol every page implements. A page writes its entries into the
// current championship only through EnregistrePage.
#pragma once

#include <cstdint>
#include <string>

#include "ui/BrivantelForm.h"

class TCadre;
class TDonneesChampionnat;
class TEditRond;
class TFondCopie;
class TPopupMenu;
class TUpDown;

class Tf_InfoMatchCadreBase : public TFootForm
{
public:
    explicit Tf_InfoMatchCadreBase(TComponent* AOwner);

    // ---- page protocol ----
    virtual void ChangeMatch() = 0;
    virtual void SetFenetrePrincipale(TComponent* fenetre) { FenetrePrincipale = fenetre; }
    // Libere 1: the page's own callers; 0: the main window's commit.
    virtual void EnregistrePage(int Libere) = 0;
    virtual void AfficheMatch() = 0;
    virtual void AfficheLibelles() {}
    // A match sheet page is neither printed nor written as HTML.
    void Imprime() override {}
    void EnregistreHTML(const std::string&) override {}

    // MatchSuivantDefini on MatchCourant; its count of tries.
    int VerifieMatch();
    // Next (suivant) or previous match with two teams; writes the page first.
    void UpDown1Click(bool suivant);
    // The match list popup: matches with two teams, then the matchday item.
    void pm_ListeMatchPopup();
    void ChoixMatch(int tag);

    TComponent* FenetrePrincipale = nullptr;
    int32_t IdDomicile = 65535;
    int32_t IdExterieur = 65535;
    int MatchCourant = 1;
    uint8_t Modifie = 0;
    uint8_t EnChargement = 0;

    TFondCopie* Panel1;
    TCadre* c_EqDomicile;
    TEditRond* c_ScDomicile;
    TEditRond* c_ScExterieur;
    TCadre* c_EqExterieur;
    TUpDown* UpDown1;
    TPopupMenu* pm_ListeMatch;

protected:
    TDonneesChampionnat* Championnat() const;
    // Header boxes of match MatchCourant (or empty); false without a match.
    bool AfficheEnTete();
    void fc_InfoMatchResize();
};
