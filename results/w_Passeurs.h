// The second match sheet page of football: each side's assists and missed
// penalties, as rows of player boxes (a drop on a panel's last, empty box
// appends a row; a double click on a team list fills the side's next empty
// assist), and the comment on the match. The comment is written whenever the
// page is, the events when they were changed.
#pragma once

#include <string>

#include "results/w_InfoMatchCadre.h"

class TFondScroll;
class TLabel;
class TMemo;

class Tf_PasseursFoot : public TPagePanneaux<2>, public IPageSecondaire
{
public:
    explicit Tf_PasseursFoot(TComponent* AOwner);
    ~Tf_PasseursFoot() override;

    // ---- page protocol ----
    void ChangeMatch() override { AfficheMatch(); }
    void AfficheMatch() override;
    void RemplitPage(int Mode) override;
    void EnregistrePage(int Libere) override;
    void Prepare() override;

    // A double click on the team list of side cote (1 home, 2 away).
    void LB1DblClick(int cote);
    // Panels (Fond): 0 assists, 1 missed penalties.

    TFondScroll* FondPasseur1;
    TFondScroll* FondPasseur2;
    TFondScroll* FondPenalty1;
    TFondScroll* FondPenalty2;
    TMemo* m_Commentaire;
    TLabel* Label11;
    TLabel* Label1;
    TLabel* Label12;

private:
    void Place();
    // The rows of records (player ids) in a panel, then one empty row.
    void Remplit(TFondScroll* fond, int cote, const class TListeResultat* liste);
};

// The second match sheet page of rugby: each side's yellow and red cards
// (with their minutes) and missed penalties, and the comment on the match. A
// double click on a team list enters its player in the panel last pressed or
// dropped on (yellow cards at first).
class Tf_PasseursRugby : public TPagePanneaux<3>, public IPageSecondaire
{
public:
    explicit Tf_PasseursRugby(TComponent* AOwner);
    ~Tf_PasseursRugby() override;

    void ChangeMatch() override { AfficheMatch(); }
    void AfficheMatch() override;
    void RemplitPage(int Mode) override;
    void EnregistrePage(int Libere) override;
    void Prepare() override;

    // Panels (Fond): 0 yellow cards, 1 red cards, 2 missed penalties, each
    // under its heading (Label2, Label3, Label1).

    TMemo* m_Commentaire;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label12;

private:
    void Place();
};
