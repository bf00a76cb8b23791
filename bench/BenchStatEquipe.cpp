// The team sheet over the generated large football season: each page filled
// afresh for the followed team of the largest championship (the team chosen
// again clears every page, so each iteration computes the page). The line-ups
// page recounts the players' statistics. Target: 100 ms a page.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench/BenchAppli.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "ui/ColorStringGrid.h"
#include "views/w_StatEquipeSports.h"
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include "tests/support/GrandeSaison.h"
#pragma GCC diagnostic pop

namespace {

// The season, made once for every page. The window is made by each run and
// freed with it: one kept to the end would outlive the application.
struct TBancStatEquipe
{
    std::unique_ptr<essai::TGrandeSaison> grande;
    TBancStatEquipe()
    {
        setenv("BZ_DATA_DIR", BZ_BENCH_DATA_DIR, 0);
        AppliBanc();
        if (!Traducteur())
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(BZ_BENCH_DATA_DIR, "texte\\Textefr.txt")));
        essai::TParamsGrandeSaison p;
        grande = essai::GenereGrandeSaison(p);
    }
};

void BM_StatEquipePage(benchmark::State& state)
{
    static TBancStatEquipe banc;
    TSaison& s = *banc.grande->saison;
    TOwned<TForm> fenetre(new TForm(nullptr));
    fenetre->SetClientWidth(980);
    fenetre->SetClientHeight(660);
    Tf_StatEquipe& f = *ClasseStatEquipe(0).Cree(fenetre.get());
    f.ChangeCouleurs(f.Couleurs);
    f.ChangeSaison(&s);
    IntegreFiche(&f, fenetre.get());
    fenetre->Show();
    f.ChoisitEquipe(s.ChampionnatCourant()->Option(10));
    f.AffichePage(1);
    f.PrepareChampionnat();
    const int page = static_cast<int>(state.range(0));
    f.AffichePage(page);
    for (auto _ : state) {
        f.ChoisitEquipe(f.Equipe());
        f.ActualisePage();
        benchmark::DoNotOptimize(f.Rempli(0));
    }
    state.counters["played"] = s.ChampionnatCourant()->DerniereJournee;
    int buts = 0;
    for (int v : f.Repartition())
        buts += v;
    state.counters["goals"] = buts;
    state.counters["lineup_rows"] = f.sg_Composition->RowCount();
    state.counters["ranking_rows"] = f.sg_Buteur->RowCount();
    state.counters["path_lines"] = static_cast<double>(f.LignesDomicile().size() + f.LignesExterieur().size());
}
BENCHMARK(BM_StatEquipePage)->DenseRange(1, 8)->Arg(12)->Unit(benchmark::kMillisecond);

}  // namespace
