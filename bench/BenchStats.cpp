// The season-wide recount of the players' statistics on a large generated
// season: 40 leagues of 20 teams (38 matchdays of 10 matches each), 5,000
// players, line-ups with substitutions, goals, cards and assists (football),
// or box scores (basketball). The reference is a plain walk over the same
// match data (every record and line-up slot read once), measured in the same
// run: the counter "x_parcours" is the time of one recount over the walk's.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "tests/support/SaisonStatBuilder.h"

namespace {

constexpr int NbChamps = 40;
constexpr int NbEquipes = 20;
constexpr int NbJoueurs = 5000;

// A small deterministic generator.
struct Hasard
{
    uint32_t etat = 12345;
    int operator()(int n)
    {
        etat = etat * 1103515245u + 12345u;
        return static_cast<int>((etat >> 16) % static_cast<uint32_t>(n));
    }
};

std::unique_ptr<TSaisonStatEssai> GenereSaison(int sport)
{
    auto s = std::make_unique<TSaisonStatEssai>(sport, NbEquipes, 2 * (NbEquipes - 1), NbChamps);
    Hasard h;
    const int nbClubs = NbChamps * NbEquipes;
    // Players spread over every team.
    std::vector<std::vector<TJoueur*>> effectifs(static_cast<size_t>(nbClubs));
    for (int i = 0; i < NbJoueurs; ++i) {
        const int k = i % nbClubs;
        const int equipe = s->Equipe(k % NbEquipes, k / NbEquipes);
        effectifs[static_cast<size_t>(k)].push_back(
            s->Joueur("Joueur" + std::to_string(i), "Prenom" + std::to_string(i % 97), equipe));
    }
    for (int k = 0; k < NbChamps; ++k) {
        TDonneesChampionnat& c = s->Champ(k);
        const int n = NbEquipes;
        std::vector<int> rot;
        for (int i = 1; i < n; ++i)
            rot.push_back(i);
        for (int j = 1; j <= 2 * (n - 1); ++j) {
            std::vector<int> cercle{0};
            cercle.insert(cercle.end(), rot.begin(), rot.end());
            for (int m = 0; m < n / 2; ++m) {
                int a = cercle[static_cast<size_t>(m)], b = cercle[static_cast<size_t>(n - 1 - m)];
                if (j > n - 1)
                    std::swap(a, b);
                const int ea = c.IdEquipe(a), eb = c.IdEquipe(b);
                const auto& ja = effectifs[static_cast<size_t>(k * NbEquipes + a)];
                const auto& jb = effectifs[static_cast<size_t>(k * NbEquipes + b)];
                const int sa = h(4), sb = h(3);
                TInfoComp* match = c.CreeMatch(j, ea, eb, sport >= 2 ? 60 + sa : sa, sport >= 2 ? 60 + sb : sb);
                for (int cote = 0; cote < 2; ++cote) {
                    const int e = cote ? eb : ea;
                    const auto& joueurs = cote ? jb : ja;
                    if (sport < 2) {
                        for (size_t p = 0; p + 1 < joueurs.size() && static_cast<int>(p) < match->NbTitulaire(); ++p)
                            match->SetJoueurTitulaire(e, static_cast<int>(p) + 1, joueurs[p]->Numero);
                        match->SetRemplacement(e, joueurs.front()->Numero, joueurs.back()->Numero, 60 + h(20), 1);
                        for (int g = 0; g < (cote ? sb : sa); ++g)
                            s->Evenement(j, 2, joueurs[static_cast<size_t>(h(static_cast<int>(joueurs.size())))], e,
                                         static_cast<uint16_t>(1 + h(90)));
                        s->Evenement(j, 3, joueurs[static_cast<size_t>(h(static_cast<int>(joueurs.size())))], e,
                                     static_cast<uint16_t>(h(4) == 0 ? 0x80 | 70 : 30));
                        if (sport == 0)
                            s->Evenement(j, 4, joueurs.front(), e, 12);
                    } else {
                        const int premier = sport == 2 ? 5 : 21;
                        for (TJoueur* p : joueurs)
                            for (int code : {premier, premier + 1, premier + 2, premier + 3, premier + 11})
                                s->Evenement(j, code, p, e, static_cast<uint16_t>(1 + h(30)));
                    }
                }
            }
            std::rotate(rot.rbegin(), rot.rbegin() + 1, rot.rend());
        }
    }
    return s;
}

// The plain walk: every record and line-up slot of the played matchdays.
long long Parcours(const TSourceStats& source)
{
    long long somme = 0;
    for (const TDonneesChampionnat* c : source.Championnats)
        for (int n = DerniereJourneeJouee(*c); n >= 1; --n) {
            const TInfoCompJour* j = c->Journee(n);
            for (int t = 2; t <= 7; ++t)
                if (const TListeDonnees* l = j->Liste(t))
                    for (int i = 0; i < l->Nombre(); ++i)
                        somme += l->Donnee(i)->IdJoueur() + l->Donnee(i)->Mot();
            for (int code = 5; code <= 36; ++code)
                if (const TListeDonnees* l = j->ListeStat(code, source.Sport))
                    for (int i = 0; i < l->Nombre(); ++i)
                        somme += l->Donnee(i)->IdJoueur() + l->Donnee(i)->Mot();
            for (int i = 0; i < j->NbMatchs(); ++i) {
                const TInfoComp& m = *j->Match(i);
                for (int cote = 0; cote < 2; ++cote)
                    for (int s = 1; s <= m.NbTitulaire(); ++s)
                        somme += m.JoueurTitulaire(m.IdEquipe(cote), s);
            }
        }
    return somme;
}

void Recompte(benchmark::State& state, int sport)
{
    static std::unique_ptr<TSaisonStatEssai> saisons[4];
    auto& s = saisons[sport];
    if (!s)
        s = GenereSaison(sport);
    const TSourceStats source = s->Source();

    using Horloge = std::chrono::steady_clock;
    const auto t0 = Horloge::now();
    benchmark::DoNotOptimize(Parcours(source));
    const double parcours = std::chrono::duration<double>(Horloge::now() - t0).count();

    double total = 0;
    long long passes = 0;
    for (auto _ : state) {
        const auto debut = Horloge::now();
        TRapportStats r = CalculeStatJoueurs(source);
        benchmark::DoNotOptimize(r);
        total += std::chrono::duration<double>(Horloge::now() - debut).count();
        ++passes;
    }
    state.counters["x_parcours"] = passes && parcours > 0 ? total / static_cast<double>(passes) / parcours : 0;
    state.counters["joueurs"] = static_cast<double>(s->saison->Joueurs().NbJoueur());
}

void BM_RecompteFootball(benchmark::State& state)
{
    Recompte(state, 0);
}

void BM_RecompteBasket(benchmark::State& state)
{
    Recompte(state, 2);
}

}   // namespace

BENCHMARK(BM_RecompteFootball)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecompteBasket)->Unit(benchmark::kMillisecond);
