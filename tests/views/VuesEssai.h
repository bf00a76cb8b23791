// Seasons of the four sports for the standings window tests, built through the
// model: two leagues under one competition (so that the data choice has a wider
// node), a double round robin played up to a matchday, attendances, bookings,
// penalty goals, rugby tries, penalties and drop goals, basketball and handball
// box-score codes, groups, bands, promotion and relegation places, a followed
// team and players with ages. Also the program's texts and the skin module.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonSports.h"
#include "model/Saison.h"
#include "tests/support/DessinEssai.h"

namespace vues {

using dessin_essai::DossierDonnees;
using dessin_essai::Module;

// A small deterministic generator.
struct TAlea
{
    uint32_t x;
    explicit TAlea(uint32_t graine) : x(graine) {}
    int operator()(int n)
    {
        x = x * 1103515245u + 12345u;
        return static_cast<int>((x >> 16) % static_cast<uint32_t>(n));
    }
};

// The pairs of a double round robin for n teams (n even): matchday d (1-based)
// holds n/2 pairs (home, away) of positions.
inline std::vector<std::pair<int, int>> Journee(int n, int d)
{
    std::vector<std::pair<int, int>> v;
    const int tour = (d - 1) % (n - 1);
    const bool retour = d > n - 1;
    for (int i = 0; i < n / 2; ++i) {
        int a = i == 0 ? 0 : 1 + (tour + i - 1) % (n - 1);
        int b = 1 + (tour + n - 2 - i) % (n - 1);
        if ((tour + i) % 2 == 1)
            std::swap(a, b);
        v.emplace_back(retour ? b : a, retour ? a : b);
    }
    return v;
}

static const char* const NomsFoot[] = {"Olympique Brivant", "Racing Zelvor", "Stade Marnois", "AS Corvelle",
                                       "FC Lunebourg", "US Pradines", "Sporting Aubrac", "Union Valmont",
                                       "AC Tessane", "Red Star Ormoy", "SC Belvaux", "Etoile Sarnac",
                                       "FC Gorvel", "AS Pellerin", "Olympique Vasse", "Union Cardel",
                                       "US Merlange", "Stade Ardon", "CS Fleurac", "AJ Montvert"};

struct TSaisonVue
{
    std::unique_ptr<TSaison> saison;
    TDonneesChampionnat* c1 = nullptr;   // current championship
    TDonneesChampionnat* c2 = nullptr;   // second league of the competition
    int sport = 0;

    TDonneesChampionnat& C() { return *c1; }
};

// A league of n teams with names from `premier`, played to matchday `joue`.
inline TDonneesChampionnat* Ligue(TSaison& s, int sport, const std::string& nom, int premier, int n, int joue,
                                  int code, uint32_t graine)
{
    const uint8_t type = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational;
    std::unique_ptr<TDonneesChampionnat> c;
    if (sport == 2)
        c = std::make_unique<TDonneesChampionnatBasket>(&s, type, 0);
    else if (sport == 3)
        c = std::make_unique<TDonneesChampionnatHandball>(&s, type, 0);
    else
        c = s.CreeChampionnat(type, 0);
    c->OptionsParDefaut();
    // points of a win, a draw and a defeat
    static const int points[4][3] = {{3, 1, 0}, {4, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (int k = 0; k < 3; ++k)
        c->SetOption(4 + k, points[sport][k]);
    c->CodeChamp = code;
    c->OrdreClassement = "ac";
    for (int i = 0; i < n; ++i) {
        const std::string equipe = NomsFoot[(premier + i) % 20];
        c->AjouteEquipe(s.AjouteEquipe(sport == 2 ? "BC " + equipe.substr(equipe.find(' ') + 1) : equipe));
    }
    c->SetNbMatch(n / 2);
    const int nbJour = 2 * (n - 1);
    c->SetNbJournees(nbJour);
    for (int d = 1; d <= nbJour; ++d)
        c->SetDateJournee(d, 0);

    TAlea alea(graine);
    for (int d = 1; d <= joue; ++d) {
        const auto paires = Journee(n, d);
        for (size_t m = 0; m < paires.size(); ++m) {
            const int a = c->IdEquipe(paires[m].first), b = c->IdEquipe(paires[m].second);
            int sa, sb;
            if (sport == 2) {
                sa = 68 + alea(35);
                sb = 66 + alea(35);
                if (sa == sb)
                    ++sa;
            } else if (sport == 1) {
                sa = 3 * alea(8) + 7 * alea(3);
                sb = 3 * alea(6) + 7 * alea(3);
            } else if (sport == 3) {
                sa = 22 + alea(12);
                sb = 21 + alea(12);
            } else {
                sa = alea(4);
                sb = alea(3);
            }
            c->CreeMatch(d, a, b, sa, sb);
            c->SetAffluenceMatch(d, static_cast<int>(m) + 1, 4000 + 500 * paires[m].first + alea(3000));
            if (sport < 2) {
                // bookings, a few sendings-off, penalty goals
                for (int k = alea(4); k > 0; --k)
                    c->ListeDonnees(3, d)->Ajoute(
                        std::make_unique<TDonneesEvt>(1, alea(2) ? a : b, 10 + alea(80), alea(7) == 0 ? 0x80 : 0));
                if (sport == 0 && alea(3) == 0)
                    c->ListeDonnees(2, d)->Ajoute(std::make_unique<TDonneesEvt>(1, alea(2) ? a : b, 30, 0x100));
            }
            if (sport == 1) {
                // tries (data kind 2), penalties (5), drop goals (7)
                for (int k = sa / 7; k > 0; --k)
                    c->ListeDonnees(2, d)->Ajoute(std::make_unique<TDonneesEvt>(1, a, 10 + alea(70), 0));
                for (int k = sb / 7; k > 0; --k)
                    c->ListeDonnees(2, d)->Ajoute(std::make_unique<TDonneesEvt>(1, b, 10 + alea(70), 0));
                for (int k = alea(3); k > 0; --k)
                    c->ListeDonnees(5, d)->Ajoute(std::make_unique<TDonneesEvt>(1, alea(2) ? a : b, 20, 0));
                if (alea(4) == 0)
                    c->ListeDonnees(7, d)->Ajoute(std::make_unique<TDonneesEvt>(1, alea(2) ? a : b, 50, 0));
            }
            if (sport >= 2) {
                auto& st = dynamic_cast<TDonneesChampionnatStat&>(*c);
                const int codes = sport == 2 ? 5 : 21;
                for (int e : {a, b})
                    for (int code = codes; code < codes + 16; ++code)
                        if (TListeDonnees* l = st.ListeStat(d, code)) {
                            // made shots below attempts (codes 7/8, 9/10, 11/12 pairs)
                            const int v = code % 2 == 1 && sport == 2 && code <= 12 ? 10 + alea(15)
                                                                                   : 2 + alea(25);
                            l->Ajoute(TDonneesEvt::CreateId(0, e, static_cast<uint16_t>(v)));
                        }
            }
        }
    }
    // attempts above made shots (basketball pairs: made 7/9/11, attempted 8/10/12)
    c->DerniereJournee = static_cast<uint8_t>(c->CalculeDerniereJournee());
    c->NbJournee = static_cast<uint8_t>(joue < nbJour ? joue + 1 : joue);
    TDescNoeud* n3 = s.Arbre().AjouteChampionnat(nom, nom, std::move(c), sport == 2 ? "Ligue nationale" : "France");
    return n3->Championnat();
}

inline std::unique_ptr<TSaison> NouvelleSaison(int sport)
{
    switch (sport) {
    case 1: return std::make_unique<TSaisonRugby>();
    case 2: return std::make_unique<TSaisonBasket>();
    case 3: return std::make_unique<TSaisonHandball>();
    default: return std::make_unique<TSaisonFootball>();
    }
}

// A season of the sport holding one league of n teams and nbJour matchdays
// without a match, current: tests write the matches they work out by hand.
inline TSaisonVue LigueVide(int sport, int n, int nbJour)
{
    Module();
    TSaisonVue v;
    v.sport = sport;
    v.saison = NouvelleSaison(sport);
    v.c1 = Ligue(*v.saison, sport, "Essai", 0, n, 0, 1, 1);
    for (int d = v.c1->NbJour() + 1; d <= nbJour; ++d)
        v.c1->SetDateJournee(d, 0);
    v.c1->SetNbJournees(nbJour);
    v.saison->SetChampionnatCourant(v.c1);
    return v;
}

// Four teams: 0 Olympique Brivant, 1 Racing Zelvor, 2 Stade Marnois, 3 AS Corvelle.
//   d1: 0-1 2-0, 2-3 1-1   d2: 1-2 0-1, 3-0 0-3   d3: 0-2 1-0, 1-3 2-2
// Team 0 W W W (home d1 d3); 1 L L D; 2 D W L; 3 D L D.
inline TSaisonVue QuatreEquipes()
{
    auto v = LigueVide(0, 4, 6);
    auto m = [&](int d, int a, int b, int sa, int sb) {
        v.c1->CreeMatch(d, v.c1->IdEquipe(a), v.c1->IdEquipe(b), sa, sb);
    };
    m(1, 0, 1, 2, 0);
    m(1, 2, 3, 1, 1);
    m(2, 1, 2, 0, 1);
    m(2, 3, 0, 0, 3);
    m(3, 0, 2, 1, 0);
    m(3, 1, 3, 2, 2);
    v.c1->DerniereJournee = 3;
    v.c1->SetOption(10, 3);   // followed team: AS Corvelle
    return v;
}

// A season of the sport: two leagues of ten teams (the first played to matchday
// 12 of 18, the second to 9), the first current, with two groups, two bands,
// promotion and relegation places, a followed team and aged players.
inline TSaisonVue SaisonVue(int sport)
{
    Module();
    TSaisonVue v;
    v.sport = sport;
    v.saison = NouvelleSaison(sport);
    const char* noms[2] = {"Division 1", "Division 2"};
    v.c1 = Ligue(*v.saison, sport, noms[0], 0, 10, 12, 1, 7u + static_cast<uint32_t>(sport));
    v.c2 = Ligue(*v.saison, sport, noms[1], 10, 10, 9, 2, 99u + static_cast<uint32_t>(sport));
    TDonneesChampionnat& c = *v.c1;
    c.SetOption(2, 2);    // two promoted
    c.SetOption(3, 3);    // three relegated
    c.SetOption(10, 4);   // followed team: position 4
    c.SetTranche(0, 1, 9);
    c.SetTranche(1, 10, 18);
    for (int g = 0; g < 2; ++g) {
        auto groupe = std::make_unique<TGroupeEquipe>();
        groupe->NomGroupe = g == 0 ? "Poule A" : "Poule B";
        for (int i = g * 5; i < g * 5 + 5; ++i)
            groupe->AjouteEquipe(c.IdEquipe(i));
        c.AjouteGroupe(std::move(groupe));
    }
    c.SetOption(8, 105);   // the season year, from 1900
    for (int i = 0; i < c.NbEquipe(); ++i)
        for (int k = 0; k < 3; ++k) {
            auto j = v.saison->CreeJoueur("Joueur" + std::to_string(i * 3 + k), "Jean", -1, c.IdEquipe(i));
            j->Age = static_cast<uint8_t>(1975 % 100 + i + 2 * k);
            v.saison->Joueurs().AjouteJoueur(std::move(j));
        }
    v.saison->SetChampionnatCourant(v.c1);
    return v;
}

}  // namespace vues
