// The standings engine on a 20-team double round robin (38 matchdays):
//   - the general table of the whole season, one new engine per table;
//   - the position of every team after every matchday, one engine fed
//     matchday by matchday (38 calls: the counter "per_call" is one call);
//   - a tie-heavy season (every match drawn, every team on the same points
//     and goal difference), whose letters "kmn" force head-to-head sub-tables.
#include <benchmark/benchmark.h>

#include "engine/CalculClassement.h"
#include "tests/support/ChampionnatBuilder.h"

namespace {

// Scores spread from the team positions and the matchday, so that points are
// mostly distinct with a few ties; every match draws when nuls is set.
std::unique_ptr<TChampionnatEssai> Saison20(bool nuls, const char* lettres)
{
    auto c = std::make_unique<TChampionnatEssai>(0, 20, TDonneesChampionnat::TypeChamp, 38);
    GenereCalendrier(**c);
    TDonneesChampionnat& ch = **c;
    ch.OrdreClassement = lettres;
    for (int m = 1; m <= 38; ++m)
        for (int k = 1; k <= ch.NbMatchJournee(m); ++k) {
            const int dom = ch.ValeurMatch(m, 4 * k - 3), ext = ch.ValeurMatch(m, 4 * k - 1);
            const int a = (dom * 7 + m * 3) % 5, b = (ext * 5 + m) % 4;
            const int sDom = nuls ? (dom + ext + m) % 4 : a;
            const int sExt = nuls ? sDom : b;
            ch.CreeMatch(m, dom, ext, sDom, sExt);
            for (int g = 0; g < sDom; ++g)
                ch.ListeButeurs(m)->Ajoute(std::make_unique<TDonneesEvt>(1, dom, 10 + g, 0));
        }
    return c;
}

void BM_GeneralTable(benchmark::State& state)
{
    auto c = Saison20(false, "kcd");
    for (auto _ : state) {
        TCalculClassement calcul(c->champ.get(), c->saison.get());
        benchmark::DoNotOptimize(calcul.Calcule(clsGeneral, 0, 0));
        benchmark::DoNotOptimize(calcul.ValeurLigne(0, 1));
    }
}
BENCHMARK(BM_GeneralTable)->Unit(benchmark::kMicrosecond);

void BM_PositionsAfterEveryMatchday(benchmark::State& state)
{
    auto c = Saison20(false, "kcd");
    int positions[38][20];
    for (auto _ : state) {
        TCalculClassement calcul(c->champ.get(), c->saison.get());
        for (int m = 1; m <= 38; ++m) {
            calcul.Calcule(clsGeneral, m, m);
            for (int r = 0; r < 20; ++r)
                positions[m - 1][calcul.ValeurLigne(r, 1)] = r + 1;
        }
        benchmark::DoNotOptimize(positions);
    }
    state.counters["per_call"] =
        benchmark::Counter(38, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PositionsAfterEveryMatchday)->Unit(benchmark::kMicrosecond);

void BM_TieHeavySeason(benchmark::State& state)
{
    auto c = Saison20(true, "kmn");
    for (auto _ : state) {
        TCalculClassement calcul(c->champ.get(), c->saison.get());
        benchmark::DoNotOptimize(calcul.Calcule(clsGeneral, 0, 0));
        benchmark::DoNotOptimize(calcul.ValeurLigne(0, 1));
    }
}
BENCHMARK(BM_TieHeavySeason)->Unit(benchmark::kMicrosecond);

}  // namespace
