// The free choice of a range of matchdays for a standings view: a first and a
// last matchday, with four shortcuts (whole season, last matchdays, first and
// second half). After modal result 1 the tag holds last + 256 x first.
//
//     Tf_Choixclass d(this);
//     d.ChangeCouleurs(Couleurs);
//     d.ChangeSaison(Saison);
//     if (d.ShowModal() == 1) { premiere = d.Tag >> 8; derniere = d.Tag & 255; }
#pragma once

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TEdit;
class TFondCopie;
class TLabel;

class Tf_Choixclass : public TBrivantelForm
{
public:
    explicit Tf_Choixclass(TComponent* AOwner);

    TFondCopie* FondCopie2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TBoutonCopie* BoutonCopie3;   // whole season
    TBoutonCopie* BoutonCopie4;   // last matchdays
    TBoutonCopie* BoutonCopie5;   // first half
    TBoutonCopie* BoutonCopie6;   // second half
    TEdit* Edit1;                 // first matchday
    TEdit* Edit2;                 // last matchday
    TBoutonCopie* BoutonCopie1;   // OK
    TBoutonCopie* BoutonCopie2;   // cancel

    void FormShow(TObject* Sender);
    void BoutonCopie1Click(TObject* Sender);

private:
    int DerniereJouee() const;
    int NbEquipes() const;
    void Propose(int premiere, int derniere);
};
