// The history window on a championship's history file of 20 past seasons (the
// 20 teams of the large season's first league, every pairing played, the
// results turned about from season to season), read from its file as at
// start-up. Each mode filled on a shown window: the entry grid of the latest
// season (0), the head-to-head over every season with return legs (1), the
// season table (2), the five standings kinds (3); and a new window with the
// four modes in turn (4). Target: 200 ms.
//   build/bench/bench_brivantel --benchmark_filter=Historique
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "bench/BenchAppli.h"
#include "engine/historique.h"
#include "model/Championnat.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "views/w_Historique.h"
// GCC 12 sees a string copy of the generator's championship names as overlapping
// (a false positive of its inlining).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include "tests/support/GrandeSaison.h"
#pragma GCC diagnostic pop

namespace {

struct TBancHistorique
{
    std::string dossier;
    TStats stats;
    TBancHistorique()
    {
        AppliBanc();
        essai::TParamsGrandeSaison p;
        auto g = essai::GenereGrandeSaison(p);
        const TDonneesChampionnat& c = *g->champs.front();
        const TSaison& s = *g->saison;
        dossier = GetTempDir() + "bench-historique-" + std::to_string(getpid());
        ForceDirectories(dossier);
        TStats ecrits;
        TStat* stat = ecrits.AjouteStat(dossier, c.CodeDivision(), s.Sport());
        const int n = c.NbEquipe();
        for (int k = 0; k < 20; ++k) {
            auto saison = std::make_unique<TSaisonStat>(n, 100 + k);
            saison->SystemePoints = static_cast<uint8_t>(k % 4);
            for (int i = 0; i < n; ++i)
                saison->AjouteEquipe(stat->IdEquipe(s.NomEquipePosition((i + k) % n)));
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    if (i != j)
                        saison->EcritResultat(i, j, (i * 7 + j * 3 + k) % 5, (i + j * 5 + 2 * k) % 4);
            stat->AjouteSaison(std::move(saison));
        }
        stat->Sauve();
        stats.ChargeDossier(dossier);
    }
    ~TBancHistorique()
    {
        std::error_code e;
        std::filesystem::remove_all(dossier, e);
    }
};

TBancHistorique& Banc()
{
    static TBancHistorique banc;
    return banc;
}

void Remplit(Tf_Historique* f, int mode)
{
    switch (mode) {
    case 0: f->AfficheSaisie(); break;
    case 1:
        f->AfficheRencontres();
        f->cb_Domicile->SetItemIndex(0);
        f->cb_Exterieur->SetItemIndex(1);
        f->cc_Retour->SetChecked(true);
        f->ud_Annee->SetPosition(999);
        f->bc_ChercherClick(nullptr);
        break;
    case 2: f->AfficheTableau(); break;
    default:
        f->AfficheClassement();
        for (TRondCoche* r : {f->rc_Domicile, f->rc_exterieur, f->rc_Attaque, f->rc_Defense, f->rc_General})
            r->Click();
        break;
    }
}

void BM_Historique(benchmark::State& state)
{
    TBancHistorique& banc = Banc();
    if (banc.stats.Nombre() != 1 || banc.stats.Stat(0)->NombreSaisons() != 20) {
        state.SkipWithError("the history file did not read back");
        return;
    }
    const int mode = static_cast<int>(state.range(0));
    TOwned<TForm> fenetre(new TForm(nullptr));
    fenetre->SetClientWidth(1000);
    fenetre->SetClientHeight(700);
    auto* panneau = new TPanel(fenetre.get());
    panneau->SetAlign(alClient);
    panneau->SetParent(fenetre.get());
    fenetre->Show();
    auto nouvelle = [&] {
        auto* f = new Tf_Historique(fenetre.get());
        IntegreFiche(f, panneau);
        f->SetHistorique(&banc.stats, 0, banc.dossier);
        return f;
    };
    Tf_Historique* f = mode < 4 ? nouvelle() : nullptr;
    int lignes = 0;
    for (auto _ : state) {
        if (mode < 4) {
            Remplit(f, mode);
            Application->ProcessMessages();
            continue;
        }
        std::unique_ptr<Tf_Historique> g(nouvelle());
        for (int m = 0; m < 4; ++m)
            Remplit(g.get(), m);
        Application->ProcessMessages();
        lignes = g->sg_Resultat->RowCount();
    }
    if (f)
        lignes = f->sg_Resultat->RowCount() + f->csg_Saisie->RowCount() + f->sg_recap->RowCount();
    state.counters["rows"] = lignes;
}
BENCHMARK(BM_Historique)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
