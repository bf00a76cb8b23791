// A realistic season of any sport, as large as asked: countries, previous
// clubs, a pool of teams (each with its stadium, coach and club record),
// players spread over the teams (unique names), referees, and championships of
// n teams each playing a full double round robin with scores, dates,
// attendances, officials and stadiums; football and rugby matches carry
// line-ups with substitutions, captains and ratings, and their scoring and
// discipline events; basketball and handball matches carry a box score for the
// players who played.
//
// The benchmarks build the full size (40 championships of 20 teams, 5,000
// players: some 20 to 30 MB of season document); tests build a small one.
// Everything goes through the model's own operations, from a fixed seed: the
// same parameters always give the same season.
//
//     essai::TParamsGrandeSaison p;  p.sport = 0;
//     auto s = essai::GenereGrandeSaison(p);
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Championnat.h"
#include "model/Barrage.h"
#include "model/ChampionnatStat.h"
#include "model/DescTree.h"
#include "model/Joueurs.h"
#include "model/MultiSport.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "model/Utilities.h"
#include "platform/rtl/DateTime.h"

namespace essai {

struct TParamsGrandeSaison
{
    int sport = 0;
    int nbChamps = 40;
    int nbEquipes = 20;      // per championship (even)
    int nbJoueurs = 5000;
    int nbArbitres = 250;
    uint32_t graine = 20;
    int nbJoues = -1;        // matchdays played in each league, -1 every one
    bool coupe = false;      // a cup of eight teams of the first league
    bool barrage = false;    // a play-off between the first two leagues
};

// A small deterministic generator.
struct THasardSaison
{
    uint32_t etat;
    explicit THasardSaison(uint32_t graine) : etat(graine * 2654435761u + 1u) {}
    int operator()(int n)
    {
        etat = etat * 1103515245u + 12345u;
        return n > 0 ? static_cast<int>((etat >> 8) % static_cast<uint32_t>(n)) : 0;
    }
};

// The players a team fields on one match, by sport: starters and substitutes
// (football, rugby), or the players of a box score (basketball, handball).
inline int EffectifMatch(int sport)
{
    switch (sport) {
    case 0: return 11 + 3;
    case 1: return 15 + 7;
    case 2: return 10;
    default: return 10;
    }
}

class TGrandeSaison
{
public:
    std::unique_ptr<TSaison> saison;
    std::vector<TDonneesChampionnat*> champs;
    std::vector<int> equipes;                    // the pool of team ids
    std::vector<std::vector<int32_t>> effectifs;  // player numbers per pool index
    std::vector<int32_t> arbitres;
    std::vector<int32_t> stades;                 // stadium code per pool index
    TParamsGrandeSaison params;

    explicit TGrandeSaison(const TParamsGrandeSaison& p) : saison(TMultiSport::CreeSaison(p.sport)), params(p), h_(p.graine)
    {
        Personnes();
        for (int k = 0; k < p.nbChamps; ++k)
            Championnat(k);
        if (p.coupe && p.nbEquipes >= 8)
            Coupe();
        if (p.barrage && p.nbChamps >= 2)
            Barrage();
        if (!champs.empty())
            saison->SetChampionnatCourant(champs.front());
    }

    int Sport() const { return params.sport; }

private:
    THasardSaison h_;

    static const char* Syllabe(int i)
    {
        static const char* const s[] = {"Mar", "Ber", "Tol", "Dan", "Lef", "Gar", "Mor", "Vil", "Pal", "Ros",
                                        "Cal", "Fon", "Ric", "Sal", "Duv", "Bru", "Lam", "Tis", "Gir", "Nav",
                                        "Bou", "Cha", "Per", "Mas", "Col", "Dor", "Hal", "Jol", "Kes", "Lor"};
        return s[i % 30];
    }
    static const char* Fin(int i)
    {
        static const char* const s[] = {"tin", "nard", "lier", "ez", "\xE8vre", "cia", "eau", "let", "mier", "sini",
                                        "vert", "taine", "ard", "gado", "al", "net", "bert", "sot", "aud", "arro",
                                        "chet", "puis", "rin", "son", "lin", "at", "ey", "ivet", "ler", "enzo"};
        return s[i % 30];
    }
    static const char* Prenom(int i)
    {
        static const char* const s[] = {"Jean", "Paul", "Luc", "Marc", "Yves", "Hugo", "Louis", "Theo", "Noah",
                                        "Enzo", "Adam", "Rapha\xEBl", "L\xE9o", "Tom", "Jules", "Nino", "Sacha",
                                        "Ethan", "Timeo", "Mael", "Axel", "Malo", "Gabin", "Robin", "Simon",
                                        "Victor", "Oscar", "Aaron", "Martin", "Basile", "Camille", "Alexis",
                                        "Baptiste", "Cl\xE9ment", "Damien", "Emile", "Fabien", "Gaspard",
                                        "Henri", "Igor", "Jeremy", "Kevin", "Lucas", "Mathis", "Nicolas",
                                        "Olivier", "Pierre", "Quentin", "Romain", "Samuel"};
        return s[i % 50];
    }
    static const char* Pays(int i)
    {
        static const char* const s[] = {"France",   "Italie", "Espagne",  "Allemagne", "Belgique",
                                        "Portugal", "Suisse", "Pays-Bas", "Autriche",  "Gr\350ce"};
        return s[i % 10];
    }
    // Name i: unique for i below 45,000.
    static std::string NomPersonne(int i) { return std::string(Syllabe(i)) + Fin(i / 30); }
    static std::string PrenomPersonne(int i) { return Prenom(i / 900); }

    void Personnes()
    {
        TSaison& s = *saison;
        for (int i = 0; i < 10; ++i)
            s.Pays().AjoutePays(Pays(i));
        for (int i = 0; i < 60; ++i)
            s.AjouteClubPrec("AS " + std::string(Syllabe(i)) + Fin(i + 7), -1);

        // The pool of teams: enough players for each to field a full match.
        const int parEquipe = EffectifMatch(params.sport) + 2;
        int nbPool = std::max(params.nbEquipes, params.nbJoueurs / parEquipe);
        nbPool = std::min(nbPool, params.nbChamps * params.nbEquipes);
        nbPool = std::max(nbPool, 1);
        for (int t = 0; t < nbPool; ++t) {
            const std::string ville = std::string(Syllabe(t)) + Fin(t / 30 + 11) + (t >= 900 ? std::to_string(t) : "");
            const int id = s.AjouteEquipe((t % 3 == 0 ? "FC " : t % 3 == 1 ? "Olympique " : "Stade ") + ville);
            equipes.push_back(id);
            TStade* st = s.Stades().NouveauStade("Stade " + std::string(Prenom(t)) + " " + ville, ville);
            st->Capacite = 5000 + 500 * h_(80);
            st->CodePays = static_cast<uint16_t>(t % 10);
            st->DateConstruction = static_cast<uint16_t>(1900 + h_(120));
            stades.push_back(st->Code);
            auto e = std::make_unique<TEntraineur>(-1, 35 + h_(30), Prenom(t + 3), NomPersonne(20000 + t));
            e->ClubActuel = static_cast<uint16_t>(id);
            auto* coach = static_cast<TEntraineur*>(s.Entraineurs().AjoutePersonnel(std::move(e)));
            TRensClub* club = s.RensClubs().NouveauRensClub(id);
            club->Nom = s.NomEquipe(id);
            club->Ville = ville;
            club->Budget = 1000000 + 10000 * h_(1000);
            club->Creation = std::to_string(1880 + h_(100));
            club->AjouteMaillot(0, "Domicile", "#FFFFFF", t % 2 ? "#0000FF" : "#FF0000");
            club->AjouteStade(st);
            club->AjouteEntraineur(coach);
        }
        effectifs.assign(static_cast<size_t>(nbPool), {});

        // Players, spread over the pool.
        for (int i = 0; i < params.nbJoueurs; ++i) {
            const int t = i % nbPool;
            auto p = s.CreeJoueur(NomPersonne(i), PrenomPersonne(i), -1, equipes[static_cast<size_t>(t)]);
            p->Maillot = static_cast<uint8_t>(1 + effectifs[static_cast<size_t>(t)].size());
            p->DateNaissance = EncodeDate(1980 + h_(20), 1 + h_(12), 1 + h_(28));
            p->Taille = static_cast<uint16_t>(165 + h_(40));
            p->Poids = static_cast<uint16_t>(60 + h_(40));
            p->CodePays = static_cast<uint16_t>(h_(10));
            p->ClubPrec = static_cast<uint16_t>(1 + h_(60));
            TJoueur* j = s.Joueurs().AjouteJoueur(std::move(p));
            effectifs[static_cast<size_t>(t)].push_back(j->Numero);
        }
        // Referees.
        for (int i = 0; i < params.nbArbitres; ++i) {
            TPersonnel* a = s.Arbitres().AjoutePersonnel(
                std::make_unique<TPersonnelStat>(-1, 30 + h_(25), PrenomPersonne(30000 + i), NomPersonne(30000 + i)));
            a->CodePays = static_cast<uint16_t>(i % 10);
            arbitres.push_back(a->Numero);
        }
    }

    std::unique_ptr<TDonneesChampionnat> NouveauChampionnat(
        uint8_t type = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational)
    {
        std::unique_ptr<TDonneesChampionnat> c;
        // Built by class where the season's factory may not hand these out.
        if (params.sport == 2)
            c = std::make_unique<TDonneesChampionnatBasket>(saison.get(), type, 0);
        else if (params.sport == 3)
            c = std::make_unique<TDonneesChampionnatHandball>(saison.get(), type, 0);
        else
            c = saison->CreeChampionnat(type, 0);
        c->OptionsParDefaut();
        return c;
    }

    void Championnat(int k)
    {
        const int n = params.nbEquipes;
        const int nbJour = 2 * (n - 1);
        const int joues = params.nbJoues < 0 ? nbJour : std::min(params.nbJoues, nbJour);
        const int nbPool = static_cast<int>(equipes.size());
        auto c = NouveauChampionnat();
        c->CodeChamp = k + 1;
        c->Division = 100 * (k / 4 + 1) + k % 4 + 1;
        c->OrdreClassement = params.sport == 1 ? "kbcd" : "kcd";
        if (params.sport == 1) {
            c->BonusBut = 4;
            c->BonusEcart = 7;
        }
        std::vector<int> pool;   // pool indexes of the teams, by position
        for (int i = 0; i < n; ++i) {
            const int t = (k * n + i) % nbPool;
            pool.push_back(t);
            c->AjouteEquipe(equipes[static_cast<size_t>(t)]);
        }
        c->SetNbMatch(n / 2);
        c->SetNbJournees(nbJour);
        c->SetTranche(0, 1, 3);
        c->SetTranche(1, n - 2, n);
        for (int j = 1; j <= nbJour; ++j)
            c->SetDateJournee(j, TGestionDate::EncodeDate(1 + (j * 7) % 28, 1 + (8 + j / 4) % 12, j < 18 ? 2024 : 2025));

        // Circle method: position 0 fixed, the others turning; home and away
        // swapped in the second half.
        std::vector<int> tour;
        for (int i = 1; i < n; ++i)
            tour.push_back(i);
        for (int j = 1; j <= nbJour; ++j) {
            std::vector<int> cercle{0};
            cercle.insert(cercle.end(), tour.begin(), tour.end());
            for (int m = 0; m < n / 2; ++m) {
                int a = cercle[static_cast<size_t>(m)], b = cercle[static_cast<size_t>(n - 1 - m)];
                if ((j > n - 1) != (m % 2 == 1 && j % 2 == 0))
                    std::swap(a, b);
                Match(*c, j, pool[static_cast<size_t>(a)], pool[static_cast<size_t>(b)], j <= joues);
            }
            std::rotate(tour.rbegin(), tour.rbegin() + 1, tour.rend());
        }
        c->NbJournee = static_cast<uint8_t>(std::min(nbJour, joues + 1));
        c->DerniereJournee = static_cast<uint8_t>(joues);
        const std::string nom1 = Pays(k / 4);
        std::string nom2 = "Division ";
        nom2 += std::to_string(k % 4 + 1);
        if (k >= 40) {
            nom2 += ' ';
            nom2 += std::to_string(k);
        }
        TDescNoeud* noeud = saison->Arbre().AjouteChampionnat(nom2, nom2, std::move(c), nom1);
        champs.push_back(noeud->Championnat());
    }

    // A cup of the first league's first eight teams: quarter-finals and
    // semi-finals played (a drawn tie decided by a shoot-out), the final to play.
    void Coupe()
    {
        auto c = NouveauChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
        c->CodeChamp = params.nbChamps + 1;
        c->OrdreClassement = "ac";
        for (int i = 0; i < 8; ++i)
            c->AjouteEquipe(equipes[static_cast<size_t>(i)]);
        for (uint16_t t = 1; t <= 3; ++t)
            c->AjouteTourCoupe({t, static_cast<uint16_t>(8 >> t), 1});
        c->SetNbJournees(3);
        for (int j = 1; j <= 3; ++j)
            c->SetDateJournee(j, TGestionDate::EncodeDate(10 + j, 5, 2025));
        std::vector<int> tour{0, 1, 2, 3, 4, 5, 6, 7};
        for (int j = 1; j <= 3; ++j) {
            std::vector<int> qualifies;
            for (size_t m = 0; m + 1 < tour.size(); m += 2) {
                const int a = tour[m], b = tour[m + 1];
                TInfoComp* match = Match(*c, j, a, b, j < 3);
                if (j == 3 || !match)
                    continue;
                const int dom = equipes[static_cast<size_t>(a)], ext = equipes[static_cast<size_t>(b)];
                const int sd = match->Score(0), se = match->Score(1);
                bool exterieur = se > sd;
                if (sd == se) {
                    c->AjoutePenalty(j, dom, ext, 4, 3 + static_cast<int>(m % 4) / 2 * 2);
                    exterieur = m % 4 != 0;
                }
                c->SetQualifieMatch(j, dom, ext, exterieur);
                qualifies.push_back(exterieur ? b : a);
            }
            tour = qualifies;
        }
        c->NbJournee = 3;
        c->DerniereJournee = 2;
        TDescNoeud* noeud = saison->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(c), "Coupes");
        champs.push_back(noeud->Championnat());
    }

    // A play-off between the last two of the first league and the first two
    // of the second.
    void Barrage()
    {
        auto b = std::make_unique<TDonneesBarrage>();
        b->Code = params.nbChamps + 2;
        b->TypeEquipe = 2;
        const int n = params.nbEquipes;
        b->AjouteDivision(champs[0]->CodeDivision(), {{n - 1, n}});
        b->AjouteDivision(champs[1]->CodeDivision(), {{1, 2}});
        b->AjouteTour(2, 1)->AjouteRencontre(1, 4, 2, 3);
        b->SetOption(0, 5);
        saison->Arbre().AjouteBarrage("Barrage", Pays(0), std::move(b));
    }

    // A match of matchday j between two teams of the pool, played or to play.
    TInfoComp* Match(TDonneesChampionnat& c, int j, int td, int te, bool joue = true)
    {
        const int dom = equipes[static_cast<size_t>(td)], ext = equipes[static_cast<size_t>(te)];
        if (!joue)
            return c.CreeMatch(j, dom, ext, 65535, 65535, -1, c.DateJournee(j));
        int sd = 0, se = 0;
        switch (params.sport) {
        case 0: sd = h_(4); se = h_(3); break;
        case 1: sd = 3 * h_(6) + 7 * h_(3); se = 3 * h_(5) + 7 * h_(3); break;
        case 2: sd = 70 + h_(40); se = 68 + h_(40); break;
        default: sd = 22 + h_(14); se = 21 + h_(14); break;
        }
        TInfoComp* match = c.CreeMatch(j, dom, ext, sd, se, -1, c.DateJournee(j));
        if (!match)
            return nullptr;
        match->SetAffluence(2000 + 100 * h_(400));
        match->SetStade(stades[static_cast<size_t>(td)]);
        match->SetOfficiel(1, arbitres[static_cast<size_t>(h_(static_cast<int>(arbitres.size())))]);
        if (params.sport < 2) {
            match->SetOfficiel(2, arbitres[static_cast<size_t>(h_(static_cast<int>(arbitres.size())))]);
            match->SetOfficiel(3, arbitres[static_cast<size_t>(h_(static_cast<int>(arbitres.size())))]);
            match->SetNoteOfficiel(1, 4 + h_(6));
            match->SetTempsAdd(1, h_(4));
            match->SetTempsAdd(2, 1 + h_(6));
        }
        match->SetNoteMatch(1 + h_(10));
        if (h_(8) == 0)
            match->SetCommentaire("Match tr\xE8s disput\xE9 <" + std::to_string(j) + "> & suivi");
        for (int cote = 0; cote < 2; ++cote) {
            const int equipe = cote ? ext : dom;
            const auto& effectif = effectifs[static_cast<size_t>(cote ? te : td)];
            const int score = cote ? se : sd;
            if (params.sport < 2)
                Composition(c, j, *match, equipe, effectif, score);
            else
                FeuilleStat(c, j, equipe, effectif, score);
        }
        return match;
    }

    // Line-up, substitutions, captain, ratings and the events of one side.
    void Composition(TDonneesChampionnat& c, int j, TInfoComp& match, int equipe, const std::vector<int32_t>& effectif,
                     int score)
    {
        const int nbTit = match.NbTitulaire(), nbRemp = match.NbRemp();
        const int taille = static_cast<int>(effectif.size());
        if (taille < nbTit + nbRemp)
            return;
        const int decalage = h_(taille);   // who starts turns from match to match
        auto joueur = [&](int i) { return effectif[static_cast<size_t>((decalage + i) % taille)]; };
        for (int s = 1; s <= nbTit; ++s) {
            match.SetJoueurTitulaire(equipe, s, joueur(s - 1));
            match.SetNote(equipe, s, 3 + h_(6));
        }
        for (int r = 1; r <= nbRemp; ++r)
            if (h_(5) != 0)
                match.SetRemplacement(equipe, joueur(nbTit - r), joueur(nbTit + r - 1), 46 + h_(40), r);
        match.SetCapitaine(equipe, joueur(0));
        match.SetCompositionSaisie(equipe);

        // Events by players of the line-up.
        auto titulaire = [&]() { return joueur(1 + h_(nbTit - 1)); };
        if (params.sport == 0) {
            for (int b = 0; b < score; ++b) {
                c.ListeDonnees(2, j)->Ajoute(TDonneesEvt::CreateId(titulaire(), equipe, static_cast<uint16_t>(1 + h_(90))));
                if (h_(3) != 0)
                    c.ListeDonnees(4, j)->Ajoute(TDonneesEvt::CreateId(titulaire(), equipe, static_cast<uint16_t>(1 + h_(90))));
            }
        } else {
            // Rugby: tries (5 points), conversions, penalty goals; the
            // score is not rebuilt from them, as in many real sheets.
            const int essais = score / 7;
            for (int e = 0; e < essais; ++e) {
                c.ListeDonnees(2, j)->Ajoute(TDonneesEvt::CreateId(titulaire(), equipe, static_cast<uint16_t>(1 + h_(80))));
                if (h_(4) != 0)
                    c.ListeDonnees(6, j)->Ajoute(TDonneesEvt::CreateId(joueur(9), equipe, static_cast<uint16_t>(1 + h_(80))));
            }
            for (int p = 0; p < (score % 7) / 3; ++p)
                c.ListeDonnees(5, j)->Ajoute(TDonneesEvt::CreateId(joueur(9), equipe, static_cast<uint16_t>(1 + h_(80))));
            if (h_(10) == 0)
                c.ListeDonnees(7, j)->Ajoute(TDonneesEvt::CreateId(joueur(9), equipe, static_cast<uint16_t>(1 + h_(80))));
        }
        const int cartons = h_(3);
        for (int k = 0; k < cartons; ++k) {
            const uint16_t mot = static_cast<uint16_t>((h_(12) == 0 ? 0x80 : 0) | (1 + h_(89)));
            c.ListeDonnees(3, j)->Ajoute(TDonneesEvt::CreateId(titulaire(), equipe, mot));
        }
    }

    // Box score of one side: the players who played, with the sport's counters.
    void FeuilleStat(TDonneesChampionnat& c, int j, int equipe, const std::vector<int32_t>& effectif, int score)
    {
        auto& stat = static_cast<TDonneesChampionnatStat&>(c);
        const int taille = static_cast<int>(effectif.size());
        const int nb = std::min(taille, EffectifMatch(params.sport));
        const int decalage = h_(taille);
        auto ajoute = [&](int code, int32_t joueur, int valeur) {
            if (valeur > 0)
                if (TListeDonnees* l = stat.ListeStat(j, code))
                    l->Ajoute(TDonneesEvt::CreateId(joueur, equipe, static_cast<uint16_t>(valeur)));
        };
        int reste = score;
        for (int i = 0; i < nb; ++i) {
            const int32_t joueur = effectif[static_cast<size_t>((decalage + i) % taille)];
            const bool dernier = i == nb - 1;
            if (params.sport == 2) {
                const int points = dernier ? reste : std::min(reste, h_(2 * score / nb + 2));
                reste -= points;
                const int trois = h_(points / 3 + 1) / 2, lf = h_(3) % 3 <= points - 3 * trois ? h_(3) : 0;
                const int deux = std::max(0, (points - 3 * trois - lf) / 2);
                ajoute(5, joueur, 5 + h_(35));
                ajoute(6, joueur, points);
                ajoute(7, joueur, deux);
                ajoute(8, joueur, deux + h_(6));
                ajoute(9, joueur, trois);
                ajoute(10, joueur, trois + h_(3));
                ajoute(11, joueur, lf);
                ajoute(12, joueur, lf + h_(2));
                ajoute(13, joueur, h_(8));
                ajoute(15, joueur, h_(6));
                ajoute(16, joueur, h_(5));
            } else {
                const int buts = dernier ? reste : std::min(reste, h_(2 * score / nb + 2));
                reste -= buts;
                ajoute(21, joueur, buts);
                ajoute(22, joueur, buts + h_(4));
                ajoute(30, joueur, h_(4));
                ajoute(32, joueur, h_(8) == 0 ? 1 : 0);
                ajoute(33, joueur, h_(6) == 0 ? 1 : 0);
                ajoute(36, joueur, 1);
                if (i == 0) {
                    ajoute(25, joueur, 8 + h_(10));
                    ajoute(26, joueur, 20 + h_(15));
                }
            }
        }
    }
};

inline std::unique_ptr<TGrandeSaison> GenereGrandeSaison(const TParamsGrandeSaison& p)
{
    return std::make_unique<TGrandeSaison>(p);
}

// A small one for tests: a few championships, a few hundred players.
inline std::unique_ptr<TGrandeSaison> GenerePetiteSaison(int sport, int nbChamps = 3, int nbEquipes = 6)
{
    TParamsGrandeSaison p;
    p.sport = sport;
    p.nbChamps = nbChamps;
    p.nbEquipes = nbEquipes;
    p.nbJoueurs = nbChamps * nbEquipes * (EffectifMatch(sport) + 3);
    p.nbArbitres = 12;
    return GenereGrandeSaison(p);
}

}   // namespace essai
