// The list of the current sport's championship templates (or of their
// divisions); a double-click picks one.
//
//     TOwned<Tf_ChoixNoeud> f(new Tf_ChoixNoeud(owner));
//     f->RemplitListe(false);
//     if (f->ShowModal() == mrOk) id = f->Choix;
#pragma once

#include <cstdint>

#include "ui/BrivantelForm.h"

class TFondCopie;
class TLabel;
class TListBox;

class Tf_ChoixNoeud : public TBrivantelForm
{
public:
    explicit Tf_ChoixNoeud(TComponent* AOwner);

    // Templates by name (object id + 1), or with divisions every named
    // division as "championship : division" (object code + 1).
    void RemplitListe(bool divisions);
    // Once only: the first item leaves the list.
    void RetirePremier();
    // The value picked (a template id or a division code).
    int32_t Choix = -1;

    TFondCopie* FondCopie1 = nullptr;
    TLabel* Label1 = nullptr;
    TListBox* lb_Texte = nullptr;

private:
    void lb_TexteDblClick();
    bool premier_ = true;
};
