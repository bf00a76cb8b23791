// A custom championship made in the composition window as a user makes it:
// the championship window's custom choice and club count typed, then the
// clubs' names typed one by one.
#pragma once

#include <string>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Mask.h"
#include "platform/gui/StdCtrls.h"
#include "setup/w_Creation.h"
#include "setup/w_CreationSaison.h"
#include "setup/w_SaisieEquipes.h"
#include "tests/support/QuandFenetre.h"
#include "ui/Bouton.h"

namespace essai {

// Four clubs "<prefixe> 1".."<prefixe> 4", the years typed when given; the
// years the window proposed go to propose.
inline void LigueTapee(Tf_CreationSaison* c, const std::string& prefixe, const std::string& annees = "",
                       std::string* propose = nullptr)
{
    QuandFenetre<Tf_Creation>(
        [=](Tf_Creation* d) {
            kit::Click(d->RondCoche2);
            TapeDans(d->Edit1, "4");
            if (propose)
                *propose = d->MaskEdit1->Text();
            if (!annees.empty())
                TapeDans(d->MaskEdit1, annees);
            kit::GrabToPng(d, "ligue_tapee_" + prefixe);
            kit::Click(d->b_Valider);
        },
        TAutresFenetres::MessageEnEchec);
    QuandFenetre<Tf_SaisieEquipes>(
        [=](Tf_SaisieEquipes* s) {
            for (size_t i = 0; i < s->Equipes.size(); ++i)
                TapeDans(s->Equipes[i], prefixe + " " + std::to_string(i + 1));
            kit::Click(s->b_Ok);
        },
        TAutresFenetres::MessageEnEchec);
    c->tv_Saison->SetSelected(c->tv_Saison->Items().GetFirstNode());
    kit::Click(c->bc_CreeChamp);
    c->tv_Saison->EndEditing(false);
}

}  // namespace essai
