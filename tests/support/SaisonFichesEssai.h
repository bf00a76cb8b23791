// A small season for the tests of the record cards: teams, previous clubs,
// countries, players, coaches, referees, stadiums and club records, and a list
// of player numbers standing for the references the championships hold (the
// renumbering rewrites them as it would rewrite events and line-ups).
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/Joueurs.h"
#include "model/ListePays.h"
#include "model/Personnels.h"
#include "model/SaisonFiches.h"
#include "model/Stades.h"
#include "model/Utilities.h"
#include "platform/rtl/Strings.h"

class TSaisonFichesEssai : public TSaisonFiches
{
public:
    explicit TSaisonFichesEssai(int sport = sportFootball) : sport_(sport), joueurs_(this) {}
    ~TSaisonFichesEssai() override
    {
        clubs_.Libere();
        joueurs_.Libere();
    }

    // ---- what the cards ask
    std::string NomEquipe(int id) const override
    {
        for (const auto& [i, n] : equipes_)
            if (i == id)
                return n;
        return {};
    }
    int ChercheEquipe(const std::string& nom) const override
    {
        const std::string cle = SansAccent(nom);
        for (const auto& [i, n] : equipes_)
            if (SansAccent(n) == cle)
                return i;
        return -1;
    }
    std::string NomEquipeComplet(int id, const TDonneesChampionnat*) const override { return NomEquipe(id); }
    bool ChampionnatCourantInternational() const override { return international_; }
    std::string NomClubPrec(int id) const override
    {
        for (const auto& [i, n] : clubsPrec_)
            if (i == id)
                return n;
        return {};
    }
    int ChercheClubPrec(const std::string& nom, bool cree) override
    {
        if (nom.empty())
            return 0;
        for (const auto& [i, n] : clubsPrec_)
            if (AnsiSameText(n, nom))
                return i;
        if (!cree)
            return -1;
        return AjouteClubPrec(nom);
    }
    TListePays& Pays() override { return pays_; }
    TJoueurs& Joueurs() override { return joueurs_; }
    TPersonnels& Entraineurs() override { return entraineurs_; }
    TStades& Stades() override { return stades_; }
    std::unique_ptr<TJoueur> CreeJoueur(const std::string& nom, const std::string& prenom, int32_t numero,
                                        int equipe) override
    {
        return TJoueur::CreateSimple(sport_, this, numero, equipe, prenom, nom);
    }
    void AppliqueRenumerotation(TPairesIds& paires) override
    {
        ++nbRenumerotations;
        for (const auto& [ancien, nouveau] : paires)
            for (auto& r : References)
                if (r == ancien)
                    r = nouveau;
        paires.clear();
    }

    // ---- filling
    int AjouteEquipe(const std::string& nom, int id)
    {
        equipes_.emplace_back(id, nom);
        joueurs_.AjouteBloc(id);
        return id;
    }
    int AjouteClubPrec(const std::string& nom)
    {
        const int id = static_cast<int>(clubsPrec_.size()) + 1;
        clubsPrec_.emplace_back(id, nom);
        return id;
    }
    void SetInternational(bool v) { international_ = v; }
    int Sport() const { return sport_; }

    TPersonnels& Arbitres() { return arbitres_; }
    TRensClubs& Clubs() { return clubs_; }

    std::vector<int32_t> References;   // player numbers held by the "championships"
    int nbRenumerotations = 0;

private:
    int sport_;
    bool international_ = false;
    std::vector<std::pair<int, std::string>> equipes_;
    std::vector<std::pair<int, std::string>> clubsPrec_;
    TListePays pays_;
    TPersonnels entraineurs_;
    TPersonnels arbitres_;
    TStades stades_;
    TRensClubs clubs_;
    TJoueurs joueurs_;
};

// Checks that the player list and its blocks agree: the list sorted, every
// block sorted, each player standing exactly in the blocks of its club and of
// its national team (when they exist), and no block holding a player the list
// does not own. Empty text when all holds, else what is wrong.
inline std::string VerifieJoueurs(const TJoueurs& js)
{
    auto avant = [](const TJoueur* a, const TJoueur* b) {
        int d = CompareNomPersonne(a->Nom, b->Nom);
        if (d == 0)
            d = CompareNomPersonne(a->Prenom, b->Prenom);
        if (d == 0)
            d = static_cast<int>(a->ClubActuel) - static_cast<int>(b->ClubActuel);
        return d;
    };
    std::vector<const TJoueur*> tous;
    for (int i = 0; i < js.NbJoueur(); ++i) {
        tous.push_back(js.Joueur(i));
        if (i > 0 && avant(js.Joueur(i - 1), js.Joueur(i)) >= 0)
            return "list not sorted at " + std::to_string(i);
    }
    for (int b = 0; b < js.NbBloc(); ++b) {
        const TListJoueurEquipe* bloc = js.Bloc(b);
        for (int i = 0; i < bloc->Nombre(); ++i) {
            const TJoueur* p = bloc->Joueur(i);
            if (std::find(tous.begin(), tous.end(), p) == tous.end())
                return "block " + std::to_string(bloc->IdEquipe()) + " holds a player the list does not";
            if (p->ClubActuel != bloc->IdEquipe() && p->EquipeNational != bloc->IdEquipe())
                return "block " + std::to_string(bloc->IdEquipe()) + " holds " + p->Nom + " of another team";
            if (i > 0 && avant(bloc->Joueur(i - 1), p) > 0)
                return "block " + std::to_string(bloc->IdEquipe()) + " not sorted";
        }
    }
    for (const TJoueur* p : tous) {
        for (int t : {static_cast<int>(p->ClubActuel), static_cast<int>(p->EquipeNational)}) {
            if (t == 0xFFFF && t != p->ClubActuel)
                continue;
            const TListJoueurEquipe* bloc = js.BlocEquipe(t);
            if (!bloc)
                continue;
            const auto n = std::count(bloc->Joueurs().begin(), bloc->Joueurs().end(), p);
            if (n != 1)
                return p->Nom + " stands " + std::to_string(n) + " times in block " + std::to_string(t);
        }
    }
    return {};
}

// ---------------------------------------------------------------------------
// Record cards with every field set (g varies the values). The season given
// must know countries 0..2, teams 1..4 and previous clubs 1..2 (RemplitSaison).

inline void RemplitSaison(TSaisonFichesEssai& s)
{
    s.Pays().AjoutePays("France");
    s.Pays().AjoutePays(L1("Côte d'Ivoire"));
    s.Pays().AjoutePays("Sao Tome & Principe");
    s.AjouteEquipe("Olympique <Lyon>", 1);
    s.AjouteEquipe(L1("Stade Rennais + Amis"), 2);
    s.AjouteEquipe("France", 3);
    s.AjouteEquipe(L1("Côte d'Ivoire"), 4);
    s.AjouteClubPrec("AS Nancy");
    s.AjouteClubPrec(L1("Bordeaux & Bègles"));
}

inline void RemplitCoordonnees(TPersonnelCoordonnees& p, int g)
{
    const std::string n = std::to_string(g);
    p.Nom = L1("Lefèvre-") + n;
    p.Prenom = L1("Jean-Hervé ") + n;
    p.Age = static_cast<uint8_t>(30 + g);
    p.CodePays = static_cast<uint16_t>(g % 3);
    p.Numero = 10 + g;
    p.Image = 200 + g;
    p.Adresse = "12 rue <des> Lilas & Roses " + n;
    p.Cp = "3500" + n;
    p.Ville = L1("Évreux");
    p.Tel = "02 99 00 00 0" + n;
    p.Portable = "06 00 00 00 0" + n;
    p.Fax = "02 99 11 11 1" + n;
    p.EMail = "jean+" + n + "@exemple.fr";
}

inline void RemplitEntraineur(TEntraineur& e, int g)
{
    RemplitCoordonnees(e, g);
    e.ClubActuel = static_cast<uint16_t>(1 + g % 2);
    e.ClubPrec = static_cast<uint16_t>(1 + (g + 1) % 2);
    e.categorie = L1("Réserve ") + std::to_string(g);
}

inline void RemplitArbitre(TPersonnelStat& a, int g)
{
    a.Nom = "Arbitre" + std::to_string(g);
    a.Prenom = L1("Zoé");
    a.Age = static_cast<uint8_t>(40 + g);
    a.CodePays = static_cast<uint16_t>(g % 3);
    a.Numero = 20 + g;
    a.Image = 300 + g;
}

// A player of its sport with every field that the document keeps.
inline void RemplitJoueur(TJoueur& p, int g)
{
    const std::string n = std::to_string(g);
    p.Nom = L1("Müller & Fils ") + n;
    p.Prenom = L1("Loïc <") + n + ">";
    p.Age = static_cast<uint8_t>(18 + g);
    p.CodePays = static_cast<uint16_t>(g % 3);
    p.Numero = 100 + g;
    p.SetPosteNumero(1 + g % 4);
    p.Duree = static_cast<uint8_t>(2 + g);
    p.Contrat = static_cast<uint8_t>(2010 % 97 + g);
    p.Maillot = static_cast<uint8_t>(7 + g);
    p.ClubPrec = static_cast<uint16_t>(1 + g % 2);
    p.ClubActuel = static_cast<uint16_t>(1 + g % 2);
    p.EquipeNational = static_cast<uint16_t>(3 + g % 2);
    p.Image = 400 + g;
    p.MaillotNational = static_cast<uint8_t>(10 + g);
    p.Taille = static_cast<uint16_t>(180 + g);
    p.Poids = static_cast<uint16_t>(75 + g);
    p.SelectionNationale = L1("Équipe A + espoirs ") + n;
    p.nSelectionNationale = static_cast<uint16_t>(12 + g);
    p.DateNaissance = EncodeDate(1985 + g, 2 + g % 10, 3 + g);
    const int32_t v1[4] = {5 + g, 3, 2, 1};
    const int32_t v2[4] = {1, 0, 4, 0};
    p.SetCarriere(7, 20 + g, v1);
    p.SetCarriere(0x28003, 4, v2);   // a play-off group championship (code above 65535)
    p.AjouteHistorique({2004, 1, 2, 30, 9, 3, 1});
    p.AjouteHistorique({2003, 2, 1, 28, 4, 0, 0});
    p.categorie = 2 + g % 3;
}

inline void RemplitStade(TStade& s, int g)
{
    const std::string n = std::to_string(g);
    s.NomStade = L1("Stade de la Route de Lorient ") + n;
    s.Ville = "Rennes & Saint-Malo " + n;
    s.DateConstruction = static_cast<uint16_t>(1912 + g);
    s.Remarque = "Tribune <Mordelles> + " + n;
    s.CodePays = static_cast<uint16_t>(g % 3);
    s.Capacite = 29000 + g;
    s.RecordAffluence = "31 000 (1965)";
    s.Image = 500 + g;
    s.LongueurTerrain = 105;
    s.LargeurTerrain = 68;
    s.NatureSol = "Pelouse hybride";
    s.Adresse = "111 route de Lorient";
    s.Cp = "35000";
    s.Tel = "02 99 14 35 00";
    s.Fax = "02 99 14 35 01";
    s.Code = static_cast<uint16_t>(1 + g);
}

inline void RemplitClub(TRensClub& r, TSaisonFichesEssai& s, int g)
{
    const std::string n = std::to_string(g);
    r.Creation = "1901";
    r.AjouteMaillot(0, "Domicile", "Noir", "Rouge & noir");
    r.AjouteMaillot(1, L1("Extérieur"), "", "Blanc");
    r.AjouteMaillot(2, "Third", "Vert", "");   // no shirt colour
    r.Matricule = "M-" + n;
    r.Palmares = "Coupe de France <1965> + 1971";
    r.President = std::make_unique<TStaff>(-1, 60, "Olivier", "Letang " + n);
    r.President->CodePays = 0;
    r.President->Tel = "0102030405";
    r.Tresorier = std::make_unique<TStaff>(3, 50, "Anne", L1("Trésorière"));
    r.Secretaire = std::make_unique<TStaff>(4, 45, L1("Hélène"), L1("Secrétaire"));
    r.Secretaire->EMail = "sec@club.fr";
    for (int i = 0; i < s.Stades().NbStade(); ++i)
        r.AjouteStade(s.Stades().Stade(i));
    for (int i = 0; i < s.Entraineurs().NbPersonnel(); ++i)
        r.AjouteEntraineur(dynamic_cast<TEntraineur*>(s.Entraineurs().Personnel(i)));
    r.SiteInternet = "http://club.fr/?a=1&b=2";
    r.Budget = 45000000 + g;
    r.Remarque = "Remarque " + n;
    r.Statut = "SASP";
    r.Adresse = "Rue du club";
    r.Cp = "35000";
    r.Ville = "Rennes";
    r.Tel = "0299";
    r.Fax = "0298";
    r.Nom = L1("Stade Rennais Football Club ") + n;
    r.EMail = "club@club.fr";
    r.Code = static_cast<uint16_t>(g);
}
