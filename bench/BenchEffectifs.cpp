// The squads and the player search on the large season (40 championships of
// 20 teams, 5,000 players, line-ups and events), offscreen: the squads grid
// of the team that plays in the most championships filled (target 50 ms), a
// name search and the duplicates check (50 ms each), and the scan that tells
// whether a match names a player before he is deleted for good (100 ms), and
// one player's figures counted again as a transfer or a merge counts them, over
// every championship whichever club a record names (50 ms).
//   build/bench/bench_brivantel --benchmark_filter=Effectifs
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench/BenchAppli.h"
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "records/Fiches.h"
#include "records/w_Effectifs.h"
#include "records/w_Recherche.h"
#include "ui/ColorStringGrid.h"
#include "ui/Fond.h"
// GCC 12 sees a string copy of the generator's championship names as overlapping
// (a false positive of its inlining).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include "tests/support/GrandeSaison.h"
#pragma GCC diagnostic pop

namespace {

struct TBancEffectifs
{
    std::unique_ptr<essai::TGrandeSaison> grande;
    int index = 0;   // the team's position in the current championship
    TJoueur* joueur = nullptr;
    TBancEffectifs()
    {
        setenv("BZ_DATA_DIR", BZ_BENCH_DATA_DIR, 0);
        AppliBanc();
        if (!Traducteur())
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(BZ_BENCH_DATA_DIR, "texte\\Textefr.txt")));
        EnregistreFiches();
        grande = essai::GenereGrandeSaison(essai::TParamsGrandeSaison{});
        TSaison& s = *grande->saison;
        const TDonneesChampionnat* c = s.ChampionnatCourant();
        int meilleur = -1;
        for (int i = 0; c && i < c->NbEquipe(); ++i)
        {
            int n = 0;
            for (TDonneesChampionnat* k : grande->champs)
                n += k->IndexEquipe(c->IdEquipe(i)) >= 0;
            if (n > meilleur)
            {
                meilleur = n;
                index = i;
            }
        }
        const auto joueurs = s.Joueurs().ListeJoueursEquipe(c->IdEquipe(index), 0);
        joueur = joueurs.empty() ? nullptr : joueurs.front();
        s.CalculeStatJoueurs();
    }
};

TBancEffectifs& Banc()
{
    static TBancEffectifs banc;
    return banc;
}

void BM_EffectifsGrille(benchmark::State& state)
{
    TBancEffectifs& banc = Banc();
    TSaison& s = *banc.grande->saison;
    TOwned<Tf_Effectifs> f(new Tf_Effectifs(nullptr));
    f->ChangeCouleurs(f->Couleurs);
    f->ChangeSaison(&s);
    f->Show();
    f->RemplitEquipes(banc.index, false);
    for (auto _ : state)
    {
        f->RemplitGrille();
        benchmark::DoNotOptimize(f->sg_TableauEquipe->RowCount());
    }
    state.counters["rows"] = f->sg_TableauEquipe->RowCount();
    state.counters["teams"] = f->l_Equipe->Items().Count();
    f->Hide();
}
BENCHMARK(BM_EffectifsGrille)->Unit(benchmark::kMillisecond);

void BM_EffectifsRechercheNom(benchmark::State& state)
{
    TBancEffectifs& banc = Banc();
    TCritereRecherche c;
    c.Nom = banc.joueur ? banc.joueur->Nom : "Martin";
    size_t n = 0;
    for (auto _ : state)
        n = ChercheJoueurs(*banc.grande->saison, c).size();
    state.counters["found"] = static_cast<double>(n);
}
BENCHMARK(BM_EffectifsRechercheNom)->Unit(benchmark::kMillisecond);

void BM_EffectifsHomonymes(benchmark::State& state)
{
    TBancEffectifs& banc = Banc();
    size_t n = 0;
    for (auto _ : state)
        n = Homonymes(*banc.grande->saison).size();
    state.counters["groups"] = static_cast<double>(n);
}
BENCHMARK(BM_EffectifsHomonymes)->Unit(benchmark::kMillisecond);

void BM_EffectifsSuppressionScan(benchmark::State& state)
{
    TBancEffectifs& banc = Banc();
    bool nomme = false;
    for (auto _ : state)
        nomme = banc.joueur && JoueurNomme(*banc.grande->saison, banc.joueur->Numero);
    state.counters["named"] = nomme;
}
BENCHMARK(BM_EffectifsSuppressionScan)->Unit(benchmark::kMillisecond);

void BM_EffectifsRecompteJoueur(benchmark::State& state)
{
    TBancEffectifs& banc = Banc();
    if (!banc.joueur)
        return;
    for (auto _ : state)
        banc.grande->saison->CalculeStatJoueur(banc.joueur->Numero, banc.joueur->IdEquipe());
    state.counters["matchs"] = banc.joueur->StatTotale(0);
}
BENCHMARK(BM_EffectifsRecompteJoueur)->Unit(benchmark::kMillisecond);

}  // namespace
