// The statistics views' tables on the largest championship of the generated
// large football season (20 teams, 38 matchdays, line-ups and events): every
// page of the miscellaneous statistics, the particularities and both series
// views, the best scorers per team and the scorers ranking. Each fills a grid
// without a window, as the page functions do. Targets: 50 ms a page of the
// statistics windows, 100 ms for the best scorers and the ranking.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/Saison.h"
#include "tests/support/GrandeSaison.h"
#include "ui/ColorStringGrid.h"
#include "ui/Couleurs.h"
#include "views/w_ClassJoueur.h"
#include "views/w_DiversStat.h"
#include "views/w_InfoEquipes.h"
#include "views/w_Statistique.h"

namespace {

TSaison& Grande()
{
    static std::unique_ptr<essai::TGrandeSaison> g = [] {
        essai::TParamsGrandeSaison p;
        p.sport = 0;
        return essai::GenereGrandeSaison(p);
    }();
    return *g->saison;
}

const TCouleurElement couleurs{};

void BM_VuesDivers(benchmark::State& state)
{
    TSaison& s = Grande();
    const int page = static_cast<int>(state.range(0));
    TDonneesChampionnat* c = s.ChampionnatCourant();
    const int j = c->DerniereJournee;
    for (auto _ : state) {
        TColorGridModel g;
        std::string resume;
        switch (page) {
        case 0: Tf_DiversStat::RemplitJoueursIncomplets(&s, g, couleurs); break;
        case 1: Tf_DiversStat::RemplitFormeEquipe(&s, g, couleurs); break;
        case 2: Tf_DiversStat::RemplitComportementDomicile(&s, g, couleurs); break;
        case 3: Tf_DiversStat::RemplitPlaceOccupee(2, &s, g, couleurs); break;
        case 4: Tf_DiversStat::RemplitStatParJournee(3, &s, couleurs, false, g); break;
        case 5: Tf_DiversStat::RemplitJournee(j, &s, couleurs, g); break;
        case 6: Tf_DiversStat::RemplitScoresFrequents(&s, g, 2, -1, couleurs); break;
        case 7: Tf_DiversStat::RemplitJoueursJournee(j, 1, couleurs, g, &s); break;
        case 8: Tf_DiversStat::RemplitSpectateursJournee(j, &s, resume, couleurs, g); break;
        case 11: Tf_DiversStat::RemplitMatchsNonJoues(&s, g, couleurs); break;
        case 12: Tf_DiversStat::RemplitFourchetteClassement(&s, g, couleurs); break;
        case 13: Tf_DiversStat::RemplitParDate(c->DateJournee(j), true, &s, g, couleurs); break;
        default: break;
        }
        benchmark::DoNotOptimize(g.RowCount());
    }
}
BENCHMARK(BM_VuesDivers)->DenseRange(0, 8)->Arg(11)->Arg(12)->Arg(13)->Unit(benchmark::kMillisecond);

void BM_VuesStatistique(benchmark::State& state)
{
    TSaison& s = Grande();
    const int vue = static_cast<int>(state.range(0));
    TDonneesChampionnat* c = s.ChampionnatCourant();
    for (auto _ : state) {
        TColorGridModel modeles[8];
        TTablesStatistique t;
        const int slots[8] = {1, 2, 3, 4, 5, 6, 7, 9};
        for (int i = 0; i < 8; ++i)
            t.Table[slots[i]] = &modeles[i];
        if (vue == 0)
            Tf_Statistique::AfficheParticularites(&s, 3, t, 9, 1, c->DerniereJournee, {c}, couleurs);
        else
            Tf_Statistique::AfficheSeries(&s, 3, t, vue, 9, 1, c->DerniereJournee, couleurs);
        benchmark::DoNotOptimize(modeles[0].RowCount());
    }
}
BENCHMARK(BM_VuesStatistique)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_VuesMeilleursButeursEtClassement(benchmark::State& state)
{
    TSaison& s = Grande();
    const bool classement = state.range(0) == 1;
    TDonneesChampionnat* c = s.ChampionnatCourant();
    for (auto _ : state) {
        s.InvalideStats();   // the recount is part of the view
        TColorGridModel g;
        if (classement)
            Tf_ClassJoueur::RemplitJoueurs(&s, 0, g, nullptr, nullptr, 300, 700, 1, c->DerniereJournee, nullptr,
                                           couleurs);
        else
            Tf_InfoEquipes::AfficheMeilleursJoueurs(g, &s, static_cast<uint32_t>(c->CodeChamp), 0, couleurs);
        benchmark::DoNotOptimize(g.RowCount());
    }
}
BENCHMARK(BM_VuesMeilleursButeursEtClassement)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
