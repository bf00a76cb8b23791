// Stepping to the next match on the match sheet pages of the large seasons (40
// championships of 20 teams): the basketball statistic sheet (box scores on
// every played match; one count changed each time, so the page really writes
// the shown team) and the football scorers page (goals and cards on every
// played match; the attendance typed each time, so the page writes goals,
// cards and header), offscreen. Target: under 30 ms.
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
#include "results/w_ButeursFoot.h"
#include "results/w_ButeursStat.h"
#include "ui/Afficheur.h"
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

void BM_FeuilleMatchFootSuivant(benchmark::State& state)
{
    setenv("BZ_DATA_DIR", BZ_BENCH_DATA_DIR, 0);
    AppliBanc();
    if (!Traducteur())
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(BZ_BENCH_DATA_DIR, "texte\\Textefr.txt")));
    static std::unique_ptr<essai::TGrandeSaison> grande = [] {
        essai::TParamsGrandeSaison p;
        p.sport = 0;
        return essai::GenereGrandeSaison(p);
    }();
    TSaison& s = *grande->saison;
    s.ChampionnatCourant()->NbJournee = 3;
    TOwned<Tf_ButeursFoot> f(new Tf_ButeursFoot(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    f->SetClientWidth(800);
    f->SetClientHeight(600);
    f->AfficheLibelles();
    f->SetFenetrePrincipale(nullptr);
    f->AfficheMatch();
    f->Show();
    int compte = 0;
    for (auto _ : state) {
        f->AffichageScore->SetNombre(IntToStr(10000 + ++compte % 1000));
        f->AffichageScoreKeyPress();
        f->UpDown1Click(true);
    }
    f->Hide();
}
BENCHMARK(BM_FeuilleMatchFootSuivant)->Unit(benchmark::kMillisecond);

}  // namespace
