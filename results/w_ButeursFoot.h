// The football scorers page of the match sheet: each side's goals (exactly as
// many rows as the score), yellow and red cards (a trailing empty row to
// append), with their minutes; the attendance, the referee and his rating,
// the match rating, the stadium and the added time of both halves. A double
// click on a team list fills the side's next empty goal, then a yellow card,
// then a red one; a goal box's popup sets penalty or free kick. The page
// writes the shown match's goals, cards and header when another match shows,
// on closing and before a save; missed penalties (second page) stay.
#pragma once

#include <string>

#include "results/EnTeteMatch.h"
#include "results/w_InfoMatchCadre.h"

class TAffichage;
class TComboBox;
class TEdit;
class TFondScroll;
class TLabel;
class TListeResultat;

class Tf_ButeursFoot : public TPagePanneaux<3>
{
public:
    explicit Tf_ButeursFoot(TComponent* AOwner);
    ~Tf_ButeursFoot() override;

    void ChangeMatch() override;
    void AfficheMatch() override;
    void RemplitPage(int Mode) override;
    void EnregistrePage(int Libere) override;
    void AfficheLibelles() override;

    void LB1DblClick(int cote);
    // The goal-type popup on the box it was opened on: 1 penalty, 2 free kick, 0 none.
    void ChoisitTypeBut(int type);
    void pm_TypeButPopup();

    // Panels (Fond): 0 goals, 1 yellow cards, 2 red cards.

    TAffichage* AffichageScore;
    TComboBox* cb_Arbitre;
    TEdit* e_NoteArbitre;
    TEdit* e_NoteMatch;
    TComboBox* cb_Stade;
    TEdit* e_add1;
    TEdit* e_add2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label23;

private:
    void Place();
    feuille::TEnTeteComplet EnTete() const;
    // The choice of a player of side cote (inserted into its list when the
    // list lacks him); nullptr for a player the season does not know.
    const TChoixJoueur* Choix(int cote, int32_t id);
    void Ligne(TFondScroll* fond, int ligne, int cote, const std::string& minute, int typeBut, int32_t id,
               int genreCote, int couleur);
    TWinControl* entete_ = nullptr;
    bool surplus_ = false;
};
