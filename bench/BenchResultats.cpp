// The results page moving to the next matchday in a large football season
// (tests/support/GrandeSaison.h): the shown matchday written back, the next
// one ordered by the table and its rows loaded. Target: under 20 ms.
//   build/bench/bench_brivantel --benchmark_filter=Resultats
#include <benchmark/benchmark.h>

#include "bench/BenchAppli.h"

#include <cstdlib>
#include <memory>

#include "platform/gui/Forms.h"

#include "model/Championnat.h"
#include "results/Saisie.h"
#include "results/w_VuesResultats.h"
#include "ui/ColorStringGrid.h"
#include "tests/support/GrandeSaison.h"

namespace {

void BM_ResultatsJourneeSuivante(benchmark::State& state)
{
    essai::TParamsGrandeSaison p;
    p.sport = 0;
    auto g = essai::GenereGrandeSaison(p);
    TSaison& s = *g->saison;
    TDonneesChampionnat* c = s.ChampionnatCourant();
    c->NbJournee = 1;
    std::vector<TLigneSaisie> lignes = LignesJournee(s);
    for (auto _ : state) {
        EcritJournee(s, lignes, false, 0, {});
        c->NbJournee = static_cast<uint8_t>(c->NbJournee % c->NbJour() + 1);
        if (c->NbJournee <= c->DerniereJournee)
            TrieMatchsClassement(s);
        lignes = LignesJournee(s);
        benchmark::DoNotOptimize(lignes.data());
    }
}
BENCHMARK(BM_ResultatsJourneeSuivante)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The cross-table and the calendar's grids of one championship of the large
// season (the calendar's tables as the window fills them). Target: 50 ms each.
void BM_ResultatsRecapitulatif(benchmark::State& state)
{
    essai::TParamsGrandeSaison p;
    auto g = essai::GenereGrandeSaison(p);
    TDonneesChampionnat* c = g->saison->ChampionnatCourant();
    TCouleurElement couleurs;
    for (auto _ : state) {
        TColorGridModel grille;
        RemplitRecap(grille, grille, *g->saison, *c, couleurs);
        benchmark::DoNotOptimize(grille.RowCount());
    }
}
BENCHMARK(BM_ResultatsRecapitulatif)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The calendar window filled for a championship of the large season: one grid
// per matchday (38), offscreen. Target: 50 ms.
void BM_ResultatsCalendrier(benchmark::State& state)
{
    AppliBanc();
    essai::TParamsGrandeSaison p;
    auto g = essai::GenereGrandeSaison(p);
    TOwned<Tf_calendrier> f(new Tf_calendrier(nullptr));
    f->ChangeSaison(g->saison.get());
    for (auto _ : state) {
        f->Affiche();
        benchmark::DoNotOptimize(f->Grilles.size());
    }
}
BENCHMARK(BM_ResultatsCalendrier)->Unit(benchmark::kMillisecond);

}  // namespace
