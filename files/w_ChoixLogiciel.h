// The sport question: one round choice per sport of a set (all four when the
// set holds member 4), in two columns, under a prompt.
//
//     TOwned<Tf_ChoixLogiciel> f(new Tf_ChoixLogiciel(nullptr));
//     f->Prepare(TousSports, 1561);
//     f->ShowModal();
//     uint8_t sport = f->SportChoisi();   // 0..3, or 6 when none was chosen
#pragma once

#include <cstdint>

#include "ui/BrivantelForm.h"

class TBoutonCopie;
class TFondCopie;
class TLabel;
class TRondCoche;

class Tf_ChoixLogiciel : public TBrivantelForm
{
public:
    explicit Tf_ChoixLogiciel(TComponent* AOwner);

    // Offers the sports of the set (member n is bit n; member 4 every sport)
    // under the prompt of text id texteInvite; nothing is chosen at first.
    void Prepare(uint8_t sports, int texteInvite);
    // The first chosen of football 0, rugby 1, basketball 2, handball 3; 6 when
    // none is chosen or the window was cancelled.
    uint8_t SportChoisi() const;

    TFondCopie* FondCopie1 = nullptr;
    TLabel* l_Invite = nullptr;
    TRondCoche* rc_Sport[4] = {nullptr, nullptr, nullptr, nullptr};
    TBoutonCopie* b_Valider = nullptr;
    TBoutonCopie* b_Annuler = nullptr;
};
