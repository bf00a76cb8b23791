// The standings window on the first league of the large season (20 teams, 38
// matchdays played), every team with its own crest: the crest catalogue made
// as at start-up (the shipped crests copied into a writable folder), one team
// crest added to it per team, then the general table filled again and again
// (engine, grid, and each team's crest read from its file), offscreen.
// Target: under 20 ms.
//   build/bench/bench_brivantel --benchmark_filter=ClassementBlasons
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "bench/BenchAppli.h"
#include "codecs/PngPicture.h"
#include "model/Championnat.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "records/Blasons.h"
#include "records/Fiches.h"
#include "ui/ColorStringGrid.h"
#include "ui/Couleurs.h"
#include "views/w_Classement.h"
// GCC 12 sees a string copy of the generator's championship names as overlapping
// (a false positive of its inlining).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include "tests/support/GrandeSaison.h"
#pragma GCC diagnostic pop

namespace {

struct TBancClassement
{
    std::unique_ptr<essai::TGrandeSaison> grande;
    std::string dossier;
    TBancClassement()
    {
        AppliBanc();
        essai::TParamsGrandeSaison p;
        grande = essai::GenereGrandeSaison(p);
        TSaison& s = *grande->saison;
        TDonneesChampionnat* c = grande->champs.front();
        s.SetChampionnatCourant(c);

        dossier = GetTempDir() + "bench-blasons-" + std::to_string(getpid());
        ForceDirectories(dossier);
        CreeCataloguesImages(BZ_BENCH_DATA_DIR, dossier);
        TPngPicture modele;
        modele.LoadFromFile(std::string(BZ_BENCH_DATA_DIR) + "/blasons/1001.png");
        for (int i = 0; i < c->NbEquipe(); ++i) {
            const int id = c->IdEquipe(i);
            s.SetLogoEquipe(id, Blasons()->AjouteEquipe(s.NomEquipe(id), 1, modele));
        }
        Blasons()->Sauve();
    }
    ~TBancClassement()
    {
        InstalleBlasons(nullptr);
        std::error_code e;
        std::filesystem::remove_all(dossier, e);
    }
};

void BM_ClassementBlasons(benchmark::State& state)
{
    static TBancClassement banc;
    TSaison* s = banc.grande->saison.get();
    TOwned<TForm> fenetre(new TForm(nullptr));
    fenetre->SetClientWidth(980);
    fenetre->SetClientHeight(640);
    auto* statut = new TStatusBar(fenetre.get());
    statut->SetAlign(alBottom);
    for (int w : {120, 200, 400})
        statut->AddPanel().Width = w;
    statut->SetParent(fenetre.get());
    auto* panneau = new TPanel(fenetre.get());
    panneau->SetAlign(alClient);
    panneau->SetParent(fenetre.get());
    fenetre->Show();
    const std::string ini = banc.dossier + "/bench.ini";
    const TCouleurElement couleurs{};
    Tf_Classement* f = OuvreClassement(fenetre.get(), panneau, nullptr, s, couleurs, statut, 1, ini);
    int avecBlason = 0;
    for (int row = 1; row < f->sg_Classement->RowCount(); ++row)
        avecBlason += f->sg_Classement->ImageCellule(1, row) != nullptr;
    if (avecBlason != banc.grande->champs.front()->NbEquipe())
        state.SkipWithError("a team of the table shows no crest");
    for (auto _ : state) {
        f->RemplitClassement(false, nullptr);
        benchmark::DoNotOptimize(f->sg_Classement->RowCount());
    }
    state.counters["crests"] = avecBlason;
}
BENCHMARK(BM_ClassementBlasons)->Unit(benchmark::kMillisecond);

}  // namespace
