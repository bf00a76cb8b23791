// The current championship's table as the user reads it, and the results
// page's first team picked as the user picks it.
#pragma once

#include <string>
#include <vector>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "results/w_Resultats.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/Fond.h"

namespace essai {

// The names of the current championship's table, first to last.
inline std::vector<std::string> Table(TSaison& s)
{
    TDonneesChampionnat* c = s.ChampionnatCourant();
    TCalculClassement calcul(c, &s);
    const int n = calcul.Calcule(clsGeneral, 1, c->NbJour());
    std::vector<std::string> noms;
    for (int r = 0; r < n; ++r)
        noms.push_back(s.NomEquipePosition(calcul.ValeurLigne(r, 1)));
    return noms;
}

// A double click on the first team of the results page's list.
inline void ChoisitEquipe(Tf_Resultats& r)
{
    r.l_Equipe->SetItemIndex(0);
    const TRect e = r.l_Equipe->ItemRect(0);
    kit::DblClick(r.l_Equipe, e.Left + 5, e.Top + 3);
}

// The results page of matchday n with its teams placed in list order and the
// scores typed, each followed by Enter; they stay on the page.
inline Tf_Resultats* TapeJournee(FenetreEssai& f, int n, const std::vector<std::pair<const char*, const char*>>& scores)
{
    if (!dynamic_cast<Tf_Resultats*>(f.Enfant) && !Commande(f, 13))
        return nullptr;
    auto* r = dynamic_cast<Tf_Resultats*>(f.Enfant);
    if (!r)
        return nullptr;
    r->TrackBar1->SetPosition(n);
    kit::Process();
    for (size_t k = 0; k < 2 * scores.size(); ++k)
        ChoisitEquipe(*r);
    r->Ligne(0).ScoreDomicile->SetFocus();
    kit::Process();
    for (const auto& [a, b] : scores)
        for (const char* s : {a, b}) {
            kit::Type(nullptr, s);
            kit::PressKey(nullptr, VK_RETURN);
            kit::Process();
        }
    return r;
}

}  // namespace essai
