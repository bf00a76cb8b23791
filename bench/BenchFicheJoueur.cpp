// The football player card opened on a player of the large season (40
// championships of 20 teams, 5,000 players, line-ups and events), the season's
// player statistics counted beforehand: the card made, shown (identity, career,
// season panel) and the list of his matches filled over the 40 championships,
// then closed, offscreen. The player is one of a team that plays in the most
// championships. Target: under 50 ms.
//   build/bench/bench_brivantel --benchmark_filter=FicheJoueur
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench/BenchAppli.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "records/Fiches.h"
#include "records/w_FicheJoueurSports.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
// GCC 12 sees a string copy of the generator's championship names as overlapping
// (a false positive of its inlining).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include "tests/support/GrandeSaison.h"
#pragma GCC diagnostic pop

namespace {

struct TBancFicheJoueur
{
    std::unique_ptr<essai::TGrandeSaison> grande;
    TJoueur* joueur = nullptr;
    int nbChamps = 0;
    TBancFicheJoueur()
    {
        setenv("BZ_DATA_DIR", BZ_BENCH_DATA_DIR, 0);
        AppliBanc();
        if (!Traducteur())
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(BZ_BENCH_DATA_DIR, "texte\\Textefr.txt")));
        EnregistreFiches();
        essai::TParamsGrandeSaison p;
        grande = essai::GenereGrandeSaison(p);
        TSaison& s = *grande->saison;
        // The team found in the most championships; its first player.
        size_t meilleure = 0;
        for (size_t t = 0; t < grande->equipes.size(); ++t) {
            int n = 0;
            for (TDonneesChampionnat* c : grande->champs)
                for (int i = 0; i < c->NbEquipe(); ++i)
                    n += c->IdEquipe(i) == grande->equipes[t];
            if (n > nbChamps) {
                nbChamps = n;
                meilleure = t;
            }
        }
        joueur = s.Joueurs().ChercheJoueur(grande->effectifs[meilleure].front(), grande->equipes[meilleure]);
        s.CalculeStatJoueurs();
    }
};

void BM_FicheJoueurMatchs(benchmark::State& state)
{
    static TBancFicheJoueur banc;
    TSaison& s = *banc.grande->saison;
    if (!banc.joueur) {
        state.SkipWithError("no player");
        return;
    }
    int lignes = 0;
    for (auto _ : state) {
        TOwned<Tf_FicheJoueur> f(new Tf_FicheJoueurFoot(nullptr));
        f->ChangeCouleurs(f->Couleurs);
        f->ChangeSaison(&s);
        f->ChangeJoueur(s.ChampionnatCourant()->CodeChamp, banc.joueur);
        f->Tag = banc.joueur->IdEquipe() | 0x10000;
        f->Show();
        f->s1Click(f->BoutonsStat[0]);
        lignes = f->sg_Match->RowCount();
        f->Hide();
    }
    state.counters["rows"] = lignes;
    state.counters["championships"] = banc.nbChamps;
}
BENCHMARK(BM_FicheJoueurMatchs)->Unit(benchmark::kMillisecond);

}  // namespace
