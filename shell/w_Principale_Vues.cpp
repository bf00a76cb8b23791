// Launchers of the statistics views of the main window.
#include "shell/w_Principale.h"

#include "engine/historique.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "shell/Globales.h"
#include "ui/message2.h"
#include "views/w_Statistique.h"

bool Tf_Principale::LanceVues(int c, int&)
{
    if (c >= 158 && c <= 160) {
        AfficheStatistique(c - 158);
        return true;
    }
    if (c == 192) {
        AjouteHistorique();
        return true;
    }
    return false;
}

void Tf_Principale::AfficheStatistique(int vue)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    auto* f = dynamic_cast<Tf_Statistique*>(Enfant);
    if (!f)
        f = ShowChild<Tf_Statistique>(true, false);
    f->Tag = vue;
    f->AfficheVue(vue);
    p_FondAffiche->SetVisible(true);
}

// ---- history files ---------------------------------------------------------------------------

std::string Tf_Principale::DossierStats() const { return MakePath(RepertoireEcriture(), "stats"); }

void Tf_Principale::ChargeStats()
{
    Stats = std::make_unique<TStats>();
    Stats->ChargeDossier(DossierStats());
}

void Tf_Principale::AjouteHistorique()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    if (!Stats)
        Stats = std::make_unique<TStats>();
    // The file keeps the season as a number of years after 1900 (1..199).
    const int numero = static_cast<int16_t>(c->Option(8));
    if (numero < 1 || numero > 199) {
        AfficheMessage(TraduireFormat(3470, {1900 + numero}), mbuValider);
        return;
    }
    const int sport = Saison->Sport();
    TStat* stat = Stats->ChercheStat(c->CodeDivision(), sport);
    if (!stat) {
        if (AfficheMessage(Traduire(1615), mbuOui | mbuAnnuler) != mrYes)
            return;
        ForceDirectories(DossierStats());
        stat = Stats->AjouteStat(DossierStats(), c->CodeDivision(), sport);
    }
    auto s = std::make_unique<TSaisonStat>(c->NbEquipe(), numero);
    for (int i = 0; i < c->NbEquipe(); ++i)
        s->AjouteEquipe(stat->IdEquipe(Saison->NomEquipePosition(i)));
    // Each result goes on the teams at the positions of its two ids; a match
    // of a team outside the championship is left out.
    for (int d = 1; d <= c->NbJour(); ++d)
        for (int k = 0; k < c->NbMatchJournee(d); ++k) {
            const int h = c->IndexEquipe(c->ValeurMatch(d, 4 * k + 1));
            const int a = c->IndexEquipe(c->ValeurMatch(d, 4 * k + 3));
            if (h >= 0 && a >= 0)
                s->EcritResultat(h, a, c->ValeurMatch(d, 4 * k + 2), c->ValeurMatch(d, 4 * k + 4));
        }
    stat->AjouteSaison(std::move(s));
    if (!stat->Sauve()) {
        AfficheMessage(TraduireFormat(3471, {stat->NomFichier}), mbuValider);
        return;
    }
    AfficheMessage(Traduire(1616), mbuValider);
}
