// The save folder as the new-season window lists it: every season (.xmc) and
// championship (.xmd) file of the folder, each one's header read for its sport
// and division. The folder holds the four large generated seasons (one per
// sport, tests/support/GrandeSaison.h) and twenty championship files, written
// once before the timing. Target: under 100 ms. Run:
//   build/bench/bench_brivantel --benchmark_filter=ListeSauvegardes
#include <benchmark/benchmark.h>

#include <string>
#include <unistd.h>

#include "files/ChargeurSaison.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/GrandeSaison.h"

namespace {

struct TDossierSauvegardes
{
    std::string dossier;

    TDossierSauvegardes()
    {
        dossier = GetTempDir() + "bench_sauvegardes_" + std::to_string(::getpid()) + "/";
        ForceDirectories(dossier);
        for (int sport = 0; sport < 4; ++sport) {
            essai::TParamsGrandeSaison p;
            p.sport = sport;
            auto g = essai::GenereGrandeSaison(p);
            TChargeurXmp(dossier + "saison" + std::to_string(sport) + ".xmc", "Dll\\").Sauve(*g->saison, {});
        }
        for (int k = 0; k < 20; ++k) {
            essai::TParamsGrandeSaison p;
            p.sport = k % 4;
            p.nbChamps = 1;
            p.nbJoueurs = 500;
            p.nbArbitres = 20;
            p.graine = 100u + static_cast<uint32_t>(k);
            auto g = essai::GenereGrandeSaison(p);
            g->saison->ChampionnatCourant()->SetCodeDivision(1 + k % 5);
            TChargeurXmp(dossier + "championnat" + std::to_string(k) + ".xmd", "Dll\\").Sauve(*g->saison, {});
        }
    }
    ~TDossierSauvegardes()
    {
        for (const TSearchRec& r : ListFiles(dossier, "*"))
            DeleteFile(dossier + r.Name);
        RemoveDir(dossier);
    }
};

// What the window does with each entry of the folder when it opens.
int ListeDossier(const std::string& dossier)
{
    int n = 0;
    for (const TSearchRec& r : ListFiles(dossier, "*")) {
        const std::string ext = LowerCase(ExtractFileExt(r.Name).substr(0, 4));
        if (ext != ".xmd" && ext != ".xmc")
            continue;
        uint8_t sport = 0;
        int division = -1;
        try {
            division = TTraiteurFichier::DivisionFichier(MakePath(dossier, r.Name), "Dll\\", sport);
        } catch (const std::exception&) {
            division = -1;
        }
        n += division != -1;
    }
    return n;
}

void BM_ListeSauvegardes(benchmark::State& state)
{
    static TDossierSauvegardes d;
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(n = ListeDossier(d.dossier));
    state.counters["fichiers"] = n;
}
BENCHMARK(BM_ListeSauvegardes)->Unit(benchmark::kMillisecond);

}  // namespace
