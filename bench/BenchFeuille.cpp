// The line-ups page showing the next match of a matchday of the large football
// season (tests/support/GrandeSaison.h), offscreen: the page written back
// (nothing changed), the header, both teams' player choices and lists, the
// starters, substitutions and shirt numbers. Target: under 50 ms.
//   build/bench/bench_brivantel --benchmark_filter=Composition
#include <benchmark/benchmark.h>

#include "bench/BenchAppli.h"

#include "model/Championnat.h"
#include "platform/gui/Forms.h"
#include "results/w_Composition.h"
#include "tests/support/GrandeSaison.h"

namespace {

void BM_CompositionMatchSuivant(benchmark::State& state)
{
    AppliBanc();
    essai::TParamsGrandeSaison p;
    p.sport = 0;
    auto g = essai::GenereGrandeSaison(p);
    TDonneesChampionnat* c = g->saison->ChampionnatCourant();
    c->NbJournee = 1;
    TOwned<Tf_Composition> f(new Tf_Composition(nullptr));
    f->ChangeSaison(g->saison.get());
    f->SetFenetrePrincipale(nullptr);
    f->MatchCourant = 1;
    f->AfficheMatch();
    for (auto _ : state) {
        f->UpDown1Click(true);
        benchmark::DoNotOptimize(f->IdDomicile);
    }
    state.counters["joueurs"] = static_cast<double>(f->Liste(0)->Items().Count());
}
BENCHMARK(BM_CompositionMatchSuivant)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The page made and its first match shown (the grid of boxes built), as
// command 15 does. Target: under 50 ms.
void BM_CompositionOuverture(benchmark::State& state)
{
    AppliBanc();
    essai::TParamsGrandeSaison p;
    p.sport = 0;
    auto g = essai::GenereGrandeSaison(p);
    g->saison->ChampionnatCourant()->NbJournee = 1;
    for (auto _ : state) {
        TOwned<Tf_Composition> f(new Tf_Composition(nullptr));
        f->ChangeSaison(g->saison.get());
        f->SetFenetrePrincipale(nullptr);
        f->MatchCourant = 1;
        f->AfficheMatch();
        benchmark::DoNotOptimize(f->IdDomicile);
    }
}
BENCHMARK(BM_CompositionOuverture)->Unit(benchmark::kMillisecond);

}  // namespace
