// The stadium card's list of the matches played at a stadium, for the busiest
// stadium of the large generated season (40 championships, 15,200 matches),
// filled into a grid without a window as the card fills its page. Target:
// 50 ms.
//   build/bench/bench_brivantel --benchmark_filter=FicheStade
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "records/w_FicheStade.h"
#include "tests/support/GrandeSaison.h"
#include "ui/ColorStringGrid.h"
#include "ui/Couleurs.h"

namespace {

void BM_FicheStadeMatchs(benchmark::State& state)
{
    static std::unique_ptr<essai::TGrandeSaison> g = [] {
        essai::TParamsGrandeSaison p;
        p.sport = 0;
        return essai::GenereGrandeSaison(p);
    }();
    TSaison& s = *g->saison;
    // The stadium the most matches name.
    std::map<int, int> parStade;
    for (TDonneesChampionnat* c : g->champs)
        for (int n = 1; n <= c->NbJour(); ++n)
            if (const TInfoCompJour* j = c->Journee(n))
                for (int i = 0; i < j->NbMatchs(); ++i)
                    ++parStade[j->Match(i)->Stade()];
    int code = 0, plus = -1;
    for (const auto& [st, nb] : parStade)
        if (st != 0 && nb > plus) {
            code = st;
            plus = nb;
        }
    const TStade* stade = s.Stades().ChercheStade(code);
    if (!stade) {
        state.SkipWithError("no stadium named by the matches");
        return;
    }
    const TCouleurElement couleurs{};
    int lignes = 0;
    for (auto _ : state) {
        TColorGridModel grille;
        benchmark::DoNotOptimize(lignes = RemplitMatchsStade(s, *stade, grille, couleurs, 1));
    }
    state.counters["matchs"] = lignes;
}
BENCHMARK(BM_FicheStadeMatchs)->Unit(benchmark::kMillisecond);

}  // namespace
