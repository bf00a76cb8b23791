// The basketball statistic sheet of the match sheet on the large basketball
// season (40 championships of 20 teams, box scores on every played match):
// stepping to the next match writes the shown team's counts (one count
// changed, so the page really writes) and shows the next match's header and
// grid, offscreen. Target: under 30 ms.
//   build/bench/bench_brivantel --benchmark_filter=FeuilleMatch
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench/BenchAppli.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "results/w_ButeursStat.h"
#include "ui/ColorStringGrid.h"
// GCC 12 sees a string copy of the generator's championship names as overlapping
// (a false positive of its inlining).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include "tests/support/GrandeSaison.h"
#pragma GCC diagnostic pop

namespace {

void BM_FeuilleMatchBasketSuivant(benchmark::State& state)
{
    setenv("BZ_DATA_DIR", BZ_BENCH_DATA_DIR, 0);
    AppliBanc();
    if (!Traducteur())
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(BZ_BENCH_DATA_DIR, "texte\\Textefr.txt")));
    static std::unique_ptr<essai::TGrandeSaison> grande = [] {
        essai::TParamsGrandeSaison p;
        p.sport = 2;
        return essai::GenereGrandeSaison(p);
    }();
    TSaison& s = *grande->saison;
    TDonneesChampionnat* c = s.ChampionnatCourant();
    c->NbJournee = 3;
    TOwned<Tf_ButeursBasket> f(new Tf_ButeursBasket(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    f->SetClientWidth(800);
    f->SetClientHeight(600);
    f->AfficheLibelles();
    f->SetFenetrePrincipale(nullptr);
    f->AfficheMatch();
    f->Show();
    int lignes = 0, compte = 0;
    for (auto _ : state) {
        // One count typed, then the next match.
        TColorStringGrid* g = f->csc_StatTir;
        if (Tf_ButeursStat::NbJoueurs(*g) > 0)
            f->GrilleSetEditText(g, 2, 1, IntToStr(++compte % 40));
        f->UpDown1Click(true);
        lignes = Tf_ButeursStat::NbJoueurs(*f->csc_StatTir);
    }
    state.counters["rows"] = lignes;
    f->Hide();
}
BENCHMARK(BM_FeuilleMatchBasketSuivant)->Unit(benchmark::kMillisecond);

}  // namespace
