// The match card filled for a match of the large season (championships of 20
// teams, a full double round robin) with a 20-season history file holding
// every pairing: the head-to-head over 20 meetings, both standings, both
// series and both lists of last matches, as the window shows them (offscreen).
// Target: under 50 ms a card.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/BenchAppli.h"
#include "engine/historique.h"
#include "model/Championnat.h"
#include "platform/gui/Forms.h"
#include "results/w_FicheMatch.h"
// GCC 12 sees a string copy of the generator's championship names as overlapping
// (a false positive of its inlining).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include "tests/support/GrandeSaison.h"
#pragma GCC diagnostic pop

namespace {

struct TBancFiche
{
    std::unique_ptr<essai::TGrandeSaison> grande;
    TStat historique;
    TBancFiche()
    {
        AppliBanc();
        essai::TParamsGrandeSaison p;
        grande = essai::GenereGrandeSaison(p);
        TSaison& s = *grande->saison;
        TDonneesChampionnat* c = grande->champs.front();
        s.SetChampionnatCourant(c);
        c->NbJournee = c->DerniereJournee;
        const int n = c->NbEquipe();
        for (int saison = 1; saison <= 20; ++saison) {
            auto ss = std::make_unique<TSaisonStat>(n, 100 + saison);
            for (int i = 0; i < n; ++i)
                ss->AjouteEquipe(historique.IdEquipe(s.NomEquipePosition(i)));
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    if (i != j)
                        ss->EcritResultat(i, j, (i + saison) % 4, (j + 2 * saison) % 3);
            historique.AjouteSaison(std::move(ss));
        }
    }
};

TBancFiche& Banc()
{
    static TBancFiche banc;
    return banc;
}

void BM_FicheMatchRemplie(benchmark::State& state)
{
    TBancFiche& b = Banc();
    TOwned<Tf_FicheMatch> f(new Tf_FicheMatch(nullptr));
    f->ChangeSaison(b.grande->saison.get());
    f->ud_nbrenc->SetPosition(20);
    f->cb_TypeStat->SetItemIndex(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(f->AfficheMatch(&b.historique, 3, 1));
}
BENCHMARK(BM_FicheMatchRemplie)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
