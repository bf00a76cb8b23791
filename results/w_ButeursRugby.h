// The rugby scorers page of the match sheet: each side's tries, conversions,
// penalties and drops with their minutes, every panel ending with an empty
// row to append (Ctrl held on a drop asks how many); a double click on a team
// list enters its player in the panel last pressed or dropped on (tries at
// first). The team lists lead with two team entries that stand for no player. Attendance, referee and rating,
// match rating and stadium as on the football page.
#pragma once

#include "results/EnTeteMatch.h"
#include "results/w_InfoMatchCadre.h"

class TAffichage;
class TComboBox;
class TEdit;
class TFondScroll;
class TLabel;

class Tf_ButeursRugby : public TPagePanneaux<4>
{
public:
    explicit Tf_ButeursRugby(TComponent* AOwner);
    ~Tf_ButeursRugby() override;

    void ChangeMatch() override;
    void AfficheMatch() override;
    void RemplitPage(int Mode) override;
    void EnregistrePage(int Libere) override;
    void AfficheLibelles() override;

    // Panels (Fond): 0 tries, 1 conversions, 2 penalties, 3 drops.
    // The data kind of panel k.
    static int Type(int k) { static const int types[4] = {2, 6, 5, 7}; return types[k]; }

    TAffichage* AffichageScore;
    TComboBox* cb_Arbitre;
    TEdit* e_NoteArbitre;
    TEdit* e_NoteMatch;
    TComboBox* cb_Stade;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label8;
    TLabel* Label9;

private:
    void Place();
    TWinControl* entete_ = nullptr;
    bool surplus_ = false;
};
