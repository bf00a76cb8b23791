// A whole football or rugby season for tests: countries, categories, teams,
// previous clubs, coaches, stadiums, club records, players (with national
// teams), referees, statistics names, save options, and a tree holding two
// leagues (one with groups), a cup with a shoot-out and a play-off, every
// championship with results, events, line-ups, officials and penalties.
// Everything goes through the model's own operations. And the documents of a
// season written to memory and read back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "model/Utilities.h"

namespace essai {

// A name made of a prefix and a number.
inline std::string NomNumero(const char* prefixe, int n)
{
    std::string s(prefixe);
    s += std::to_string(n);
    return s;
}

std::string SansDate(const std::string& doc);

// The season's document: SaisonData then Championnats inside a root element,
// without the time of its writing (two documents written a second apart of
// one season compare equal).
inline std::string Document(TSaison& s)
{
    TMemoryStream m;
    {
        TXmlMemoryStreamWriter x(&m, false);
        x.OuvreElement("Gormelide");
        s.Ecrit(x);
        x.FermeElement("Gormelide");
    }
    return SansDate(std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size())));
}

// A new season of the sport reading a document made by Document (or any root
// element holding SaisonData and Championnats); with refus, the element where
// the reading refused the document as damaged (empty when it reads whole).
inline std::unique_ptr<TSaison> Lit(int sport, const std::string& octets, std::string* refus = nullptr)
{
    auto s = TMultiSport::CreeSaison(sport);
    TMemoryStream m;
    m.WriteBuffer(octets.data(), static_cast<long>(octets.size()));
    m.SetPosition(0);
    TXmlStreamReader x(m);
    uint8_t j = x.ElementSuivant();
    while (j == xmlComplet)   // a declaration, a DOCTYPE
        j = x.ElementSuivant();
    if (j == xmlDebut)
        s->Lit(x);
    if (refus)
        *refus = x.Malforme() ? x.ElementRefuse() + (x.ElementRefuse().empty() ? "?" : "") : std::string();
    return s;
}

inline std::string Refus(int sport, const std::string& octets)
{
    std::string refus;
    Lit(sport, octets, &refus);
    return refus;
}

// The document without its LastModif line (the time of the writing).
inline std::string SansDate(const std::string& doc)
{
    const size_t p = doc.find("<LastModif>");
    if (p == std::string::npos)
        return doc;
    const size_t f = doc.find("\r\n", p);
    return doc.substr(0, p) + doc.substr(f == std::string::npos ? doc.size() : f);
}

struct TSaisonComplete
{
    std::unique_ptr<TSaison> saison;
    int sport;
    TDonneesChampionnat* ligue = nullptr;     // 4 teams, 6 matchdays, everything entered
    TDonneesChampionnat* groupes = nullptr;   // 4 teams in two groups
    TDonneesChampionnat* coupe = nullptr;     // a two-round cup with a shoot-out
    TDonneesBarrage* barrage = nullptr;
    std::vector<int32_t> arbitres;            // numbers of three referees
    int32_t stade1 = 0, stade2 = 0;

    explicit TSaisonComplete(int sport_) : saison(TMultiSport::CreeSaison(sport_)), sport(sport_)
    {
        TSaison& s = *saison;
        // Countries (an empty name keeps the later codes), categories.
        s.Pays().AjoutePays("France");
        s.Pays().AjoutePays("");
        s.Pays().AjoutePays(L1("Italie du Nord & Sud"));
        s.SetCategorie(5, "Espoirs", "Esp");
        s.SetCategorie(2, "Seniors", "");
        // Teams: ids 0..7, one with a crest, one with an id of its own.
        static const char* const noms[8] = {"Lens", "Lille", "Nantes", "Brest", "Metz", "Nancy", "Reims", "Sedan"};
        for (int i = 0; i < 8; ++i)
            s.AjouteEquipe(L1(noms[i]), -1, i == 2 ? 12 : 0);
        s.AjouteEquipe(L1("Sélection"), 20);
        s.AjouteClubPrec("Ancien Club", -1);
        s.AjouteClubPrec("Vieux <Club>", 7);
        // Stadiums and coaches.
        stade1 = s.Stades().NouveauStade("Bollaert", "Lens")->Code;
        TStade* st2 = s.Stades().NouveauStade("Marcel Picot", "Tomblaine");
        st2->Capacite = 20000;
        st2->CodePays = 0;
        stade2 = st2->Code;
        auto e = std::make_unique<TEntraineur>(-1, 50, "Jean", "Dupont");
        e->ClubActuel = 0;
        e->ClubPrec = 1;
        e->categorie = "Pro";
        auto* coach = static_cast<TEntraineur*>(s.Entraineurs().AjoutePersonnel(std::move(e)));
        s.Entraineurs().AjoutePersonnel(std::make_unique<TEntraineur>(-1, 44, "Paul", "Martin"));
        // A club record.
        TRensClub* club = s.RensClubs().NouveauRensClub(0);
        club->Nom = "Racing Club";
        club->Budget = 1000000;
        club->AjouteMaillot(0, "Domicile", "#FFFFFF", "#FF0000");
        club->AjouteStade(s.Stades().ChercheStade(stade1));
        club->AjouteEntraineur(coach);
        club->President = std::make_unique<TStaff>(-1, 60, "Gervais", "Martel");
        // Referees.
        for (const char* nom : {"Arbitre", "Juge", "Sifflet"}) {
            TPersonnel* p = s.Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 40, "Marc", nom));
            p->CodePays = 0;
            arbitres.push_back(p->Numero);
        }
        // Players: three per team, the first of team 1 in the national team.
        for (int t = 0; t < 8; ++t)
            for (int k = 0; k < 3; ++k) {
                auto p = s.CreeJoueur(NomNumero("Joueur", t), NomNumero("P", k), -1, t);
                p->Maillot = static_cast<uint8_t>(k + 1);
                p->DateNaissance = EncodeDate(1990 + k, 3, 7 + t);
                p->Taille = static_cast<uint16_t>(170 + k);
                p->ClubPrec = 1;
                p->CodePays = 0;
                TJoueur* j = s.Joueurs().AjouteJoueur(std::move(p));
                if (t == 1 && k == 0)
                    s.Joueurs().ChangeEquipeNationale(j, 20);
            }
        s.AjouteStatChamp("Ligue 1", 5);
        s.SetOptionSauvegarde(0, 10);
        s.SetOptionSauvegarde(1, 1);

        ligue = AjouteLigue();
        groupes = AjouteGroupes();
        coupe = AjouteCoupe();
        AjouteBarrage();
        // Competition data of the competition.
        TDescNoeud* france = s.Arbre().Racine().EnfantNomme("France", false);
        TDonneesCompetition* d = france->CreeDonneesCompetition();
        d->Arbitres = {arbitres[0], arbitres[2]};
        d->Stades = {stade1};
        s.SetChampionnatCourant(groupes);
    }

    // The player numbers of a team, in the order of the team's block.
    std::vector<int32_t> Joueurs(int equipe) const
    {
        std::vector<int32_t> v;
        if (const TListJoueurEquipe* b = saison->Joueurs().BlocEquipe(equipe))
            for (TJoueur* p : b->Joueurs())
                if (p->ClubActuel == equipe)
                    v.push_back(p->Numero);
        return v;
    }

    std::unique_ptr<TDonneesChampionnat> Nouveau(uint8_t flags)
    {
        auto c = saison->CreeChampionnat(flags, 0);
        c->OptionsParDefaut();
        c->SetOption(4, 3);
        c->SetOption(5, 1);
        c->SetOption(16, 4);
        c->SetOption(17, 2);
        c->SetOption(18, 2);
        return c;
    }

    // Events, line-ups and officials of match m (1-based) of matchday n.
    void Remplit(TDonneesChampionnat& c, int n, int m, int graine)
    {
        TInfoComp* match = c.Match(n, m);
        if (!match)
            return;
        const int dom = match->IdEquipe(0), ext = match->IdEquipe(1);
        const auto jd = Joueurs(dom), je = Joueurs(ext);
        // A scorer only for a side that scored, as a sheet is entered: a
        // scorers page keeps no goal beyond its side's score. The away goal
        // is a penalty, but in rugby, where a try of that kind is the team's
        // and no player's.
        const bool butDom = (match->Score(0) & ~TInfoComp::Qualifie) > 0;
        const bool butExt = (match->Score(1) & ~TInfoComp::Qualifie) > 0;
        if (butDom)
            c.ListeDonnees(2, n)->Ajoute(std::make_unique<TDonneesEvt>(jd[0], dom, 10 + graine, 0));
        if (butExt)
            c.ListeDonnees(2, n)->Ajoute(
                std::make_unique<TDonneesEvt>(je[1], ext, 80, sport == sportRugby ? 0 : evt100));
        // Cards, the home goal's assist (the home try's conversion) and the
        // away kicks by players on the pitch then (the line-ups below).
        c.ListeDonnees(3, n)->Ajoute(std::make_unique<TDonneesEvt>(jd[1], dom, 30, 0));
        c.ListeDonnees(3, n)->Ajoute(std::make_unique<TDonneesEvt>(je[1], ext, 0, evtRouge));
        if (sport == 0) {
            if (butDom)
                c.ListeDonnees(4, n)->Ajoute(std::make_unique<TDonneesEvt>(jd[1], dom, 10 + graine, 0));
        } else {
            if (butDom)
                c.ListeDonnees(6, n)->Ajoute(std::make_unique<TDonneesEvt>(jd[1], dom, 11, 0));
            c.ListeDonnees(5, n)->Ajoute(std::make_unique<TDonneesEvt>(je[0], ext, 25, 0));
            c.ListeDonnees(7, n)->Ajoute(std::make_unique<TDonneesEvt>(je[0], ext, 60, 0));
        }
        // Line-ups: starters (a hole in slot 2 at home), one substitution,
        // captain, ratings, shirts.
        match->SetJoueurTitulaire(dom, 1, jd[0]);
        match->SetJoueurTitulaire(dom, 3, jd[1]);
        match->SetMaillot(dom, 1, 9);
        match->SetNote(dom, 1, 7);
        match->SetRemplacement(dom, jd[1], jd[2], 70, 1);
        match->SetNote(dom, match->NbTitulaire() + 1, 5);
        match->SetCapitaine(dom, jd[0]);
        match->SetCompositionSaisie(dom);
        match->SetJoueurTitulaire(ext, 1, je[0]);
        match->SetJoueurTitulaire(ext, 2, je[1]);
        match->SetCompositionSaisie(ext);
        // Officials (-1, a, b) with a rating on the third one only.
        match->SetOfficiel(2, arbitres[graine % 3]);
        match->SetOfficiel(3, arbitres[(graine + 1) % 3]);
        match->SetNoteOfficiel(3, 6);
        match->SetAffluence(12000 + graine);
        match->SetCommentaire(NomNumero("Match <", graine) + "> & co");
        match->SetNoteMatch(4);
        match->SetTempsAdd(1, 2);
        match->SetTempsAdd(2, 0);
        match->SetStade(graine % 2 ? stade2 : stade1);
        match->SetDateMatch(TGestionDate::EncodeDate(1 + n, 9, 2004));
    }

    TDonneesChampionnat* AjouteLigue()
    {
        auto c = Nouveau(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        for (int i = 0; i < 4; ++i)
            c->AjouteEquipe(i);
        c->SetCategorieEquipe(1, 5);
        c->SetNbMatch(2);
        c->SetNbJournees(6);
        c->SetOption(11, 4 | 16);
        c->SetOption(22, -2);
        c->OrdreClassement = "abdc";
        c->Division = 101;
        c->BonusBut = 4;
        c->BonusEcart = 3;
        c->SetTranche(0, 1, 2);
        c->SetTranche(1, 3, 3);
        c->SetOptionArbitre(2, 1);
        for (int n = 1; n <= 6; ++n)
            c->SetDateJournee(n, TGestionDate::EncodeDate(n, 9, 2004));
        static const int paires[3][4] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}};
        for (int n = 1; n <= 6; ++n) {
            const int* p = paires[(n - 1) % 3];
            for (int m = 0; m < 2; ++m) {
                const int a = p[2 * m], b = p[2 * m + 1];
                if (n <= 4)
                    c->CreeMatch(n, n > 3 ? b : a, n > 3 ? a : b, (n + m) % 3, m, -1, c->DateJournee(n));
                else
                    c->CreeMatch(n, b, a, 65535, 65535, -1, 0);
            }
        }
        c->NbJournee = 5;
        for (int n = 1; n <= 4; ++n)
            for (int m = 1; m <= 2; ++m)
                Remplit(*c, n, m, n * 2 + m);
        // A forfeit, and points removed from a team.
        c->Penalites().AjoutePenalite(c->IdEquipe(0), c->IdEquipe(1), 3, 0, 1);
        c->Penalites().Ajoute(c->IdEquipe(2), c->IdEquipe(3), 65535, 65535, 1, etatReporte);
        c->Penalites().AjoutePoints(c->IdEquipe(3), -2);
        c->CodeChamp = 1;
        TDescNoeud* n3 = saison->Arbre().AjouteChampionnat("Division 1", "Division 1", std::move(c), "France");
        return n3->Championnat();
    }

    TDonneesChampionnat* AjouteGroupes()
    {
        auto c = Nouveau(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        for (int i = 4; i < 8; ++i)
            c->AjouteEquipe(i);
        c->SetNbMatch(2);
        c->SetNbJournees(2);
        auto g1 = std::make_unique<TGroupeEquipe>();
        g1->NomGroupe = "Poule A";
        g1->AjouteEquipe(4);
        g1->AjouteEquipe(5);
        c->AjouteGroupe(std::move(g1));
        auto g2 = std::make_unique<TGroupeEquipe>();
        g2->AjouteEquipe(6);
        g2->AjouteEquipe(7);
        c->AjouteGroupe(std::move(g2));
        c->CreeMatch(1, 4, 5, 1, 1);
        c->CreeMatch(1, 6, 7, 2, 0);
        c->CreeMatch(2, 5, 4, 0, 3);
        Remplit(*c, 1, 1, 1);
        c->CodePerso = 3;
        c->OrdreClassement = "ac";
        TDescNoeud* n3 = saison->Arbre().AjouteChampionnat("Division 2", "Division 2", std::move(c), "France");
        return n3->Championnat();
    }

    TDonneesChampionnat* AjouteCoupe()
    {
        auto c = Nouveau(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
        for (int i = 0; i < 8; ++i)
            c->AjouteEquipe(i);
        c->AjouteTourCoupe({1, 2, 0x10001});
        c->AjouteTourCoupe({2, 1, 0x10002});
        c->SetNbJournees(2);
        c->OrdreClassement = "ac";
        c->AjouteEntreeMatchSuivant(0x0102);
        c->AjouteEntreeMatchSuivant(0x0301);
        c->PetiteFinale = true;
        // Round 1 holds three matches for a round record of two; the second
        // one's sheet holds a scorer on each side, as its score.
        c->CreeMatch(1, 0, 4, 1, 1);
        c->CreeMatch(1, 1, 5, 2, 1);
        c->CreeMatch(1, 2, 6, 65535, 65535);
        c->AjoutePenalty(1, 0, 4, 4, 5);
        c->SetQualifieMatch(1, 0, 4, true);
        c->SetQualifieMatch(1, 1, 5, false);
        Remplit(*c, 1, 2, 5);
        TDescNoeud* n3 = saison->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(c), "Coupes");
        return n3->Championnat();
    }

    void AjouteBarrage()
    {
        auto b = std::make_unique<TDonneesBarrage>();
        b->Code = 3;
        b->CodePerso = 2;
        b->TypeEquipe = 2;
        b->MoitiePoint = 1;
        b->AjouteDivision(101, {{2, 3}});
        b->AjouteDivision(1003, {{1, 1}, {4, 4}});
        TTourCoupe* t = b->AjouteTour(2, 1);
        t->AjouteRencontre(1, 2, 3, 4);
        b->SetOption(0, 5);
        barrage = saison->Arbre().AjouteBarrage("Barrage D1/D2", "France", std::move(b))->Barrage();
    }
};

}   // namespace essai
