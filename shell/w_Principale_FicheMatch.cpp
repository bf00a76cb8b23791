// Launcher of the match card.
#include "engine/historique.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "results/w_FicheMatch.h"
#include "shell/w_Principale.h"
#include "ui/message2.h"

void Tf_Principale::AfficheFicheMatch(int mode, int& param, bool& histo)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    if (c->NbEquipe() < 2) {
        AfficheMessage(TraduireFormat(294, {2}), mbuValider);
        histo = false;
        return;
    }
    auto* f = ShowChild<Tf_FicheMatch>(false, false);
    f->ExecuteCommande = [this](int commande, int p, bool change) { ExecuteCommande(commande, p, change); };
    int match = 0;
    if (param < 1) {
        param = c->NbJournee * 256;
    } else {
        match = param % 256 + 1;
        // a reference without a matchday keeps the current one
        if (const int journee = (param / 256) & 255)
            c->NbJournee = static_cast<uint8_t>(journee);
    }
    TStat* historique = Stats ? Stats->ChercheStat(c->CodeDivision(), Saison->Sport()) : nullptr;
    if (f->AfficheMatch(historique, mode, match)) {
        p_FondAffiche->SetVisible(true);
        return;
    }
    FermeFenetreEnfant();
    histo = false;
}
