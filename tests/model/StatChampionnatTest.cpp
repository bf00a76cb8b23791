#include <gtest/gtest.h>

#include "model/ChampionnatStat.h"
#include "model/Championnat_Maintenance.h"
#include "model/oTraducteur.h"
#include "model/ioXml.h"
#include "platform/rtl/Strings.h"
#include "tests/model/Outils.h"
#include "tests/support/GrandeSaison.h"
#include "tests/support/SaisonStatBuilder.h"

namespace {

// The box score of one match, written alone.
std::string BoxScore(TDonneesChampionnatStat& c, int n, const TInfoComp& m, bool noms = false)
{
    return Document([&](TXmlWriter& w) { c.EcritStatMatch(w, m, n, noms); }, false);
}

// Reads a document of box-score elements into match m of matchday n.
void LitBoxScore(TDonneesChampionnatStat& c, int n, TInfoComp& m, const std::string& doc)
{
    TMemoryStream flux;
    Remplit(flux, doc);
    TXmlStreamReader r(flux);
    for (uint8_t t = r.ElementSuivant(); t != xmlFinFlux; t = r.ElementSuivant()) {
        if (t == xmlFin)
            continue;
        const std::string nom = r.Nom();
        if (!c.LitEvenementMatch(nom, r, t, m, n))
            r.SauteElement(t);
    }
}

class Textes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(
            dossier_.Ecrit("Textefr.txt", "156\tComposition\r\n615\tPoints de %s\r\n616\tTirs de %s\r\n"
                                          "617\tTotal de %s\r\n4820\tMatch nul\r\n")));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

private:
    DossierTemp dossier_;
};

}   // namespace

TEST(StatChampionnat, ConstantesDesDeuxSports)
{
    TSaisonStatEssai b(2, 2, 1), h(3, 2, 1);
    TDonneesChampionnatStat& cb = b.Stat();
    TDonneesChampionnatStat& ch = h.Stat();
    EXPECT_EQ(cb.PremierCode(), 5);
    EXPECT_EQ(cb.DernierCode(), 20);
    EXPECT_EQ(ch.PremierCode(), 21);
    EXPECT_EQ(ch.DernierCode(), 36);
    EXPECT_EQ(cb.NbPeriodes(), 6);
    EXPECT_EQ(ch.NbPeriodes(), 4);
    EXPECT_EQ(cb.Option(19), 20);
    EXPECT_EQ(ch.Option(19), 10);
    EXPECT_EQ(static_cast<int16_t>(cb.Option(23)), -2);
    int t, r, p, d;
    cb.ParamsSport(t, r, p, d);
    EXPECT_EQ((std::vector<int>{t, r, p, d}), (std::vector<int>{0, 0, 5, 20}));
    ch.ParamsSport(t, r, p, d);
    EXPECT_EQ((std::vector<int>{t, r, p, d}), (std::vector<int>{0, 0, 10, 30}));
    EXPECT_EQ(cb.ValeurEval(0), 2);
    EXPECT_EQ(cb.ValeurEval(13), -1);
    EXPECT_EQ(cb.ValeurEval(14), 0);
    EXPECT_EQ(ch.ValeurEval(11), 0);
    cb.SetValeurEval(14, 9);
    EXPECT_EQ(cb.ValeurEval(14), 0);
    for (int k = 1; k <= 11; ++k)
        EXPECT_EQ(cb.StatActive(k), 1);
    EXPECT_EQ(cb.StatActive(0), 0);
    EXPECT_EQ(cb.StatActive(12), 0);
    EXPECT_EQ(cb.CodePasse(), 15);
    EXPECT_EQ(ch.CodeBallePerdue(), 29);
    // Each matchday holds a list per code of the sport, none of the other.
    EXPECT_NE(cb.ListeStat(1, 5), nullptr);
    EXPECT_EQ(cb.ListeStat(1, 21), nullptr);
    EXPECT_NE(ch.ListeStat(1, 36), nullptr);
    EXPECT_EQ(ch.ListeStat(2, 36), nullptr);
}

TEST(StatChampionnat, EvaluationBasketEtBandes)
{
    TSaisonStatEssai b(2, 2, 1);
    TDonneesChampionnatStat& c = b.Stat();
    TStatTir s(2, nullptr, 7);
    s.SetValeur(7, 5);
    s.SetValeur(8, 10);
    s.SetValeur(13, 2);
    s.SetValeur(20, 1);
    s.SetValeur(21, 9);   // another sport's code: ignored
    EXPECT_EQ(s.Valeur(21), 0);
    EXPECT_DOUBLE_EQ(c.Evaluation(s), 6);
    // The first band holding the playing time gives its percent.
    s.SetValeur(5, 30);
    c.AjoutePonderation({0, 10, 50});
    c.AjoutePonderation({25, 35, 150});
    c.AjoutePonderation({30, 40, 10});
    EXPECT_DOUBLE_EQ(c.Evaluation(s), 9);
    c.VidePonderations();
    EXPECT_EQ(c.NbPonderations(), 0);
    EXPECT_DOUBLE_EQ(c.Evaluation(s), 6);

    TSaisonStatEssai h(3, 2, 1);
    TDonneesChampionnatStat& ch = h.Stat();
    TStatTir t(3, nullptr, 1);
    t.SetValeur(21, 4);
    t.SetValeur(22, 10);
    t.SetValeur(33, 1);
    EXPECT_DOUBLE_EQ(ch.Evaluation(t), 0);
    ch.SetValeurEval(14, 3);
    ch.SetValeurEval(15, -1);
    ch.SetValeurEval(19, -2);
    EXPECT_DOUBLE_EQ(ch.Evaluation(t), 12 - 6 - 2);
}

// A handball goalkeeper's rows weigh his saves and the goals let in (shots
// faced less saves), as a shooter's weigh goals and misses: with the usual
// negative second weight a save never costs him.
TEST(StatChampionnat, HandballGoalkeeperWeighsGoalsLetIn)
{
    TSaisonStatEssai h(3, 2, 1);
    TDonneesChampionnatStat& ch = h.Stat();
    ch.SetValeurEval(22, 2);
    ch.SetValeurEval(23, -1);
    ch.SetValeurEval(24, 3);
    ch.SetValeurEval(25, -1);
    struct Cas
    {
        int arrets, tirs, arrets7, jets7;
        double note;
    };
    // 12 saves of 30 shots: 24 - 18; 2 of 5 seven-metre throws: 6 - 3.
    const Cas cas[] = {{12, 30, 2, 5, 24 - 18 + 6 - 3}, {0, 10, 0, 0, -10}, {10, 10, 1, 1, 20 + 3}, {0, 0, 0, 0, 0}};
    for (const Cas& k : cas) {
        TStatTir t(3, nullptr, 1);
        t.SetValeur(25, k.arrets);
        t.SetValeur(26, k.tirs);
        t.SetValeur(27, k.arrets7);
        t.SetValeur(28, k.jets7);
        EXPECT_DOUBLE_EQ(ch.Evaluation(t), k.note) << k.arrets << "/" << k.tirs;
    }
    // One more save of the same shots faced raises the rating.
    TStatTir a(3, nullptr, 1), b(3, nullptr, 1);
    a.SetValeur(25, 5);
    a.SetValeur(26, 20);
    b.SetValeur(25, 6);
    b.SetValeur(26, 20);
    EXPECT_GT(ch.Evaluation(b), ch.Evaluation(a));
}

TEST(StatChampionnat, CompteursParJoueurEtHomonymes)
{
    TSaisonStatEssai b(2, 2, 1);
    const int e = b.Equipe(0);
    TJoueur* a1 = b.Joueur("Martin", "Paul", e);
    TJoueur* z = b.Joueur("Abel", "Zoe", e);
    // Another player of the same team whose full name reads the same.
    TJoueur* a2 = b.Joueur("Martin Paul", "", e);
    ASSERT_EQ(a1->NomComplet(), a2->NomComplet());
    ASSERT_NE(a1, a2);

    b.Evenement(1, 6, a1, e, 10);
    b.Evenement(1, 6, a2, e, 4);
    b.Evenement(1, 6, a1, e, 3);   // a second record of one player adds up
    b.Evenement(1, 15, z, e, 2);
    b.EvenementId(1, 6, 999, e, 8);   // a player the season does not know
    b.Evenement(1, 6, z, b.Equipe(1), 50);   // another team

    TListeStatTir l(2);
    l.Calcule(e, b.saison.get(), false, b.Stat(), 1, 2);
    ASSERT_EQ(l.Nombre(), 3);
    EXPECT_EQ(l.StatTir(0)->Joueur(), z);
    EXPECT_EQ(l.StatTir(0)->Valeur(15), 2);
    EXPECT_EQ(l.StatTir(1)->Valeur(6), a1->Numero < a2->Numero ? 13 : 4);
    EXPECT_EQ(l.StatTir(2)->Valeur(6), a1->Numero < a2->Numero ? 4 : 13);
    EXPECT_EQ(l.ChercheJoueur(a2->Numero)->Valeur(6), 4);
    EXPECT_EQ(l.StatTir(3), nullptr);

    l.Calcule(e, b.saison.get(), true, b.Stat(), 1, 2);
    ASSERT_EQ(l.Nombre(), 4);
    EXPECT_EQ(l.StatTir(3)->Joueur(), nullptr);
    EXPECT_EQ(l.StatTir(3)->IdJoueur(), 999);
    EXPECT_EQ(l.StatTir(3)->Valeur(6), 8);

    // Modes: 0 codes 5..12, 1 codes 13..20.
    l.Calcule(e, b.saison.get(), false, b.Stat(), 1, 0);
    EXPECT_EQ(l.Nombre(), 2);
    l.Calcule(e, b.saison.get(), false, b.Stat(), 1, 1);
    ASSERT_EQ(l.Nombre(), 1);
    EXPECT_EQ(l.StatTir(0)->Joueur(), z);
}

namespace {

// Two championships of six teams of the sport, 120 players.
std::unique_ptr<essai::TGrandeSaison> PetiteSaison(int sport)
{
    essai::TParamsGrandeSaison p;
    p.sport = sport;
    p.nbChamps = 2;
    p.nbEquipes = 6;
    p.nbJoueurs = 120;
    p.nbArbitres = 4;
    return essai::GenereGrandeSaison(p);
}

}   // namespace

// The box scores of a matchday are written from the records gathered once for
// the whole matchday: the same bytes as each side gathered on its own,
// namesakes, unknown players and teams playing twice included.
TEST(StatChampionnat, FeuillesEcritesDuRecueilDeLaJournee)
{
    for (int sport : {2, 3}) {
        SCOPED_TRACE(sport);
        auto g = PetiteSaison(sport);
        auto* c = dynamic_cast<TDonneesChampionnatStat*>(g->champs.front());
        ASSERT_NE(c, nullptr);
        const int e = c->IdEquipe(0);
        // A namesake of a player of the team, and a record of nobody known.
        TJoueur* premier = g->saison->Joueurs().ChercheJoueur(g->effectifs[0].front(), e);
        ASSERT_NE(premier, nullptr);
        g->saison->Joueurs().AjouteJoueur(g->saison->CreeJoueur(premier->Nom, premier->Prenom, -1, e));
        int nbFeuilles = 0;
        for (int n = 1; n <= c->NbJour(); ++n) {
            const TInfoCompJour* j = c->Journee(n);
            if (!j)
                continue;
            auto ecrit = [&](bool recueil) {
                TXmlMemoryStreamWriter x(nullptr, false);
                if (recueil)
                    c->DebutEcritureJournee(n);
                for (int i = 0; i < j->NbMatchs(); ++i)
                    c->EcritStatMatch(x, *j->Match(i), n, i % 2 == 0);
                if (recueil)
                    c->FinEcritureJournee();
                return std::string(reinterpret_cast<const char*>(x.Flux().Memory()), static_cast<size_t>(x.Flux().Size()));
            };
            const std::string seul = ecrit(false);
            EXPECT_EQ(ecrit(true), seul) << "matchday " << n;
            nbFeuilles += !seul.empty();
        }
        EXPECT_GT(nbFeuilles, 0);
    }
}

// Written with the season's championships (the players searched and ranked
// from the season's index), the box scores are those of each side gathered
// on its own: a namesake in capitals, a player the season does not know, two
// records of one player and code adding up to the top of the counter.
TEST(StatChampionnat, FeuillesDuDocumentCommeCellesDeChaqueCote)
{
    for (int sport : {2, 3}) {
        SCOPED_TRACE(sport);
        auto g = PetiteSaison(sport);
        auto* c = dynamic_cast<TDonneesChampionnatStat*>(g->champs.front());
        ASSERT_NE(c, nullptr);
        const int e = c->IdEquipe(0);
        TJoueur* premier = g->saison->Joueurs().ChercheJoueur(g->effectifs[0].front(), e);
        ASSERT_NE(premier, nullptr);
        TJoueur* homonyme = g->saison->Joueurs().AjouteJoueur(
            g->saison->CreeJoueur(AnsiUpperCase(premier->Nom), premier->Prenom, -1, e));
        TListeDonnees* l = c->ListeStat(1, c->PremierCode() + 1);
        ASSERT_NE(l, nullptr);
        l->Ajoute(TDonneesEvt::CreateId(homonyme->Numero, e, 3));
        l->Ajoute(TDonneesEvt::CreateId(987654, e, 2));
        l->Ajoute(TDonneesEvt::CreateId(premier->Numero, e, 60000));
        l->Ajoute(TDonneesEvt::CreateId(premier->Numero, e, 60000));
        const std::string doc = Document([&](TXmlWriter& w) { g->saison->EcritCompetitions(w); }, false);
        EXPECT_NE(doc.find("Joueur=\"987654\""), std::string::npos);
        EXPECT_NE(doc.find(">65535<"), std::string::npos);
        size_t pos = 0;
        int nbFeuilles = 0;
        for (int n = 1; n <= c->NbJour(); ++n) {
            const TInfoCompJour* j = c->Journee(n);
            for (int i = 0; j && i < j->NbMatchs(); ++i) {
                const std::string attendu = BoxScore(*c, n, *j->Match(i));
                if (attendu.empty())
                    continue;
                const size_t ici = doc.find(attendu, pos);
                ASSERT_NE(ici, std::string::npos) << "matchday " << n << ", match " << i;
                pos = ici + attendu.size();
                ++nbFeuilles;
            }
        }
        EXPECT_GT(nbFeuilles, 0);
    }
}

TEST_F(Textes, VerificationDesFeuillesDeMatch)
{
    TSaisonStatEssai b(2, 4, 1);
    TDonneesChampionnatStat& c = b.Stat();
    const int e0 = b.Equipe(0), e1 = b.Equipe(1), e2 = b.Equipe(2), e3 = b.Equipe(3);
    TJoueur* p = b.Joueur("Dubois", "Luc", e0);
    TJoueur* q = b.Joueur("Roux", "Max", e1);
    TInfoComp* m = c.CreeMatch(1, e0, e1, 11, 3);
    m->SetCompositionSaisie(e0);
    m->SetCompositionSaisie(e1);
    // 3 two-pointers, 1 three-pointer, 2 free throws: 11 points.
    for (auto [code, v] : std::vector<std::pair<int, int>>{{6, 11}, {7, 3}, {8, 5}, {9, 1}, {10, 1}, {11, 2}, {12, 2}})
        b.Evenement(1, code, p, e0, static_cast<uint16_t>(v));
    // 2 points declared for one two-pointer made out of none attempted.
    b.Evenement(1, 6, q, e1, 2);
    b.Evenement(1, 7, q, e1, 1);
    c.CreeMatch(1, e2, e3, 65535, 65535);   // not played: not checked
    int nb = 0;
    auto r = c.VerifieJournee(1, nb);
    EXPECT_EQ(nb, 1);
    const std::string l = b.saison->NomEquipe(e0) + " - " + b.saison->NomEquipe(e1) + " : ";
    ASSERT_EQ(r->Count(), 2);
    EXPECT_EQ(r->Strings(0), l + "Tirs de Max Roux");
    EXPECT_EQ(r->Strings(1), l + "Total de " + b.saison->NomEquipe(e1));

    // 10 points declared instead of 11; line-up not entered; forfeits skipped.
    b.Stat().ListeStat(1, 6)->Donnee(0)->SetMot(10);
    TInfoComp* m2 = c.CreeMatch(1, e2, e3, 0, 0);
    (void)m2;
    c.Penalites().Ajoute(e2, e3, 20, 0, 1, etatForfait);
    r = c.VerifieJournee(1, nb);
    EXPECT_EQ(nb, 1);
    ASSERT_EQ(r->Count(), 4);
    EXPECT_EQ(r->Strings(0), l + "Points de Luc Dubois");
    EXPECT_EQ(r->Strings(1), l + "Total de " + b.saison->NomEquipe(e0));

    TSaisonStatEssai h(3, 2, 1);
    const int h0 = h.Equipe(0), h1 = h.Equipe(1);
    TJoueur* g = h.Joueur("Gardien", "Leo", h0);
    TInfoComp* mh = h.Stat().CreeMatch(1, h0, h1, 5, 0);
    h.Evenement(1, 21, g, h0, 3);
    h.Evenement(1, 22, g, h0, 6);
    h.Evenement(1, 23, g, h0, 2);
    h.Evenement(1, 24, g, h0, 2);
    h.Evenement(1, 25, g, h0, 4);
    h.Evenement(1, 26, g, h0, 3);   // more saves than shots faced
    r = h.Stat().VerifieJournee(1, nb);
    ASSERT_EQ(r->Count(), 2);
    EXPECT_NE(r->Strings(0).find("Composition"), std::string::npos);
    EXPECT_NE(r->Strings(1).find("Tirs de Leo Gardien"), std::string::npos);
    mh->SetScore(0, 6);
    r = h.Stat().VerifieJournee(1, nb);
    EXPECT_EQ(r->Count(), 3);
}

// A basketball match has a winner: the check names a level score, but not a
// leg of a tie played on aggregate, a match in another state (abandoned) or
// a forfeit; a handball draw is a result.
TEST_F(Textes, VerificationNommeUnNulAuBasket)
{
    struct TCas
    {
        int sport;
        uint32_t tie;   // 0: a league; else the kind of tie of the cup round
        int journee, s1, s2, etat;
        bool nomme;
    };
    const TCas cas[] = {
        {2, 0, 1, 88, 88, 0, true},         {2, 0, 1, 88, 80, 0, false},  {2, 0, 1, 0, 0, etatForfait, false},
        {2, 0, 1, 50, 50, etatArrete, false}, {2, 1, 1, 88, 88, 0, true},   {2, 2, 1, 88, 88, 0, false},
        {2, 2, 2, 70, 70, 0, false},        {2, 7, 1, 88, 88, 0, true},   {3, 0, 1, 25, 25, 0, false},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(std::to_string(k.sport) + " " + std::to_string(k.tie) + " " + std::to_string(k.journee) + " " +
                     std::to_string(k.s1) + "-" + std::to_string(k.s2));
        TSaisonStatEssai b(k.sport, 4, 2);
        TDonneesChampionnat* c = &b.Champ();
        if (k.tie) {
            auto coupe = b.saison->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
            coupe->OptionsParDefaut();
            coupe->CodeChamp = 9;
            for (int i = 0; i < 4; ++i)
                coupe->AjouteEquipe(b.Equipe(i));
            const TInfoTourCoupe tour{1, 2, k.tie};
            coupe->CreeToursCoupe(std::span(&tour, 1));
            c = b.saison->AjouteChampionnat(std::move(coupe), false);
        }
        const int e0 = b.Equipe(0), e1 = b.Equipe(1);
        c->CreeMatch(k.journee, e0, e1, k.s1, k.s2);
        if (k.etat)
            c->Penalites().Ajoute(e0, e1, k.s1, k.s2, k.journee, k.etat);
        int nb = 0;
        auto r = c->VerifieJournee(k.journee, nb);
        int nuls = 0;
        for (int i = 0; i < r->Count(); ++i)
            nuls += r->Strings(i).ends_with(" : Match nul");
        EXPECT_EQ(nuls, k.nomme ? 1 : 0);
    }
}

TEST(StatChampionnat, FeuilleDeMatchXml)
{
    TSaisonStatEssai b(2, 2, 1);
    TDonneesChampionnatStat& c = b.Stat();
    const int e0 = b.Equipe(0), e1 = b.Equipe(1);
    TJoueur* p = b.Joueur("Dubois", "Luc", e0);
    TJoueur* q = b.Joueur("Roux", "Max", e1);
    TInfoComp* m = c.CreeMatch(1, e0, e1, 80, 70);
    for (int code = 5; code <= 20; ++code)
        b.Evenement(1, code, p, e0, static_cast<uint16_t>(code * 3));
    b.Evenement(1, 7, q, e1, 4);
    b.Evenement(1, 8, q, e1, 9);
    b.EvenementId(1, 16, 4242, e1, 5);   // unknown player: kept

    const std::string doc = BoxScore(c, 1, *m);
    EXPECT_NE(doc.find("<StatBasket Equipe=\"1\" Joueur=\"" + std::to_string(p->Numero) + "\">"), std::string::npos);
    EXPECT_NE(doc.find("<Tir2Pts>21/24</Tir2Pts>"), std::string::npos);
    EXPECT_NE(doc.find("<Tir2Pts>4/9</Tir2Pts>"), std::string::npos);
    EXPECT_NE(doc.find("Joueur=\"4242\""), std::string::npos);
    EXPECT_EQ(doc.find("Tir3Pts>0/0"), std::string::npos);

    // Read into a fresh championship, written again: the same bytes.
    TSaisonStatEssai b2(2, 2, 1);
    for (TJoueur* j : {p, q}) {
        auto copie = b2.saison->CreeJoueur(j->Nom, j->Prenom, j->Numero, j->ClubActuel);
        b2.saison->Joueurs().InsereJoueur(std::move(copie), nullptr);
    }
    TInfoComp* m2 = b2.Stat().CreeMatch(1, e0, e1, 80, 70);
    LitBoxScore(b2.Stat(), 1, *m2, doc);
    EXPECT_EQ(b2.Stat().ListeStat(1, 8)->Nombre(), 2);
    EXPECT_EQ(b2.Stat().ListeStat(1, 16)->Nombre(), 2);
    EXPECT_EQ(BoxScore(b2.Stat(), 1, *m2), doc);

    // The names form names the known players and keeps the number of the others.
    const std::string noms = BoxScore(c, 1, *m, true);
    EXPECT_NE(noms.find("<Nom>Dubois</Nom>"), std::string::npos);
    EXPECT_NE(noms.find("Joueur=\"4242\""), std::string::npos);
    EXPECT_EQ(noms.find("Joueur=\"" + std::to_string(p->Numero) + "\""), std::string::npos);
}

TEST(StatChampionnat, LectureFeuilleDeMatch)
{
    TSaisonStatEssai b(2, 2, 1);
    TDonneesChampionnatStat& c = b.Stat();
    const int e0 = b.Equipe(0), e1 = b.Equipe(1);
    TJoueur* p = b.Joueur("Dubois", "Luc", e0);
    TInfoComp* m = c.CreeMatch(1, e0, e1, 80, 70);
    const std::string id = std::to_string(p->Numero);
    LitBoxScore(c, 1, *m,
                "<StatBasket Equipe=\"2\" Joueur=\"" + id + "\">\r\n<Tir2Pts>4/9</Tir2Pts>\r\n<Pts></Pts>\r\n"
                "<Rebond>3/0</Rebond>\r\n<LancerF>0/2</LancerF>\r\n</StatBasket>\r\n"
                "<StatBasket>\r\n<Nom>Neuf</Nom>\r\n<Prenom>Ben</Prenom>\r\n<Contre>2</Contre>\r\n</StatBasket>\r\n");
    ASSERT_EQ(c.ListeStat(1, 7)->Nombre(), 1);
    EXPECT_EQ(c.ListeStat(1, 7)->Donnee(0)->Mot(), 4);
    EXPECT_EQ(c.ListeStat(1, 7)->Donnee(0)->IdEquipe(), e1);
    EXPECT_EQ(c.ListeStat(1, 8)->Donnee(0)->Mot(), 9);
    EXPECT_EQ(c.ListeStat(1, 6)->Nombre(), 0);   // an empty value adds nothing
    EXPECT_EQ(c.ListeStat(1, 13)->Donnee(0)->Mot(), 3);
    EXPECT_EQ(c.ListeStat(1, 14)->Nombre(), 0);
    EXPECT_EQ(c.ListeStat(1, 11)->Nombre(), 0);
    EXPECT_EQ(c.ListeStat(1, 12)->Donnee(0)->Mot(), 2);
    // Without a Joueur attribute the player is found or created by name, for
    // the home side (Equipe absent).
    ASSERT_EQ(c.ListeStat(1, 19)->Nombre(), 1);
    const TJoueur* neuf = b.saison->Joueurs().ChercheJoueurNom("Neuf", "Ben");
    ASSERT_NE(neuf, nullptr);
    EXPECT_EQ(c.ListeStat(1, 19)->Donnee(0)->IdJoueur(), neuf->Numero);
    EXPECT_EQ(c.ListeStat(1, 19)->Donnee(0)->IdEquipe(), e0);
}

TEST(StatChampionnat, OptionsPoidsBandesEtPeriodes)
{
    TSaisonStatEssai h(3, 2, 1);
    TDonneesChampionnatStat& c = h.Stat();
    auto lit = [&](const std::string& doc) {
        TMemoryStream flux;
        Remplit(flux, doc);
        TXmlStreamReader r(flux);
        for (uint8_t t = r.ElementSuivant(); t != xmlFinFlux; t = r.ElementSuivant())
            if (t != xmlFin && !c.LitOptionsSaisieJeton(r, t))
                r.SauteElement(t);
    };
    c.SetStatActive(5, 0);
    lit("<OptionsSaisie>\r\n<Option>1</Option>\r\n<Option>0</Option>\r\n<Option>1</Option>\r\n</OptionsSaisie>\r\n");
    EXPECT_EQ(c.StatActive(1), 1);
    EXPECT_EQ(c.StatActive(2), 0);
    EXPECT_EQ(c.StatActive(3), 1);
    for (int k = 4; k <= 11; ++k)
        EXPECT_EQ(c.StatActive(k), 1);
    c.SetValeurEval(20, 7);
    std::string valeurs = "<ValeurEval>\r\n";
    for (int i = 0; i < 17; ++i)
        valeurs += "<Option>" + std::to_string(i + 1) + "</Option>\r\n";
    lit(valeurs + "</ValeurEval>\r\n<PondEvals>\r\n<PondEval>\r\n<Max>12</Max>\r\n</PondEval>\r\n"
                  "<PondEval />\r\n</PondEvals>\r\n");
    EXPECT_EQ(c.ValeurEval(11), 1);
    EXPECT_EQ(c.ValeurEval(24), 14);
    EXPECT_EQ(c.ValeurEval(25), 17);   // the index stops at the last one
    ASSERT_EQ(c.NbPonderations(), 2);
    EXPECT_EQ(*c.Ponderation(0), (TPonderation{0, 12, 100}));
    EXPECT_EQ(*c.Ponderation(1), (TPonderation{0, 0, 100}));

    const std::string doc = Document([&](TXmlWriter& w) { c.EcritOptionsSaisie(w); }, false);
    TSaisonStatEssai h2(3, 2, 1);
    TDonneesChampionnatStat& c2 = h2.Stat();
    {
        TMemoryStream flux;
        Remplit(flux, doc);
        TXmlStreamReader r(flux);
        for (uint8_t t = r.ElementSuivant(); t != xmlFinFlux; t = r.ElementSuivant()) {
            if (t == xmlDebut) {
                EXPECT_EQ(c2.LitOptionsSaisie(r), 1);
            }
        }
    }
    EXPECT_EQ(Document([&](TXmlWriter& w) { c2.EcritOptionsSaisie(w); }, false), doc);

    // Period scores: a gap keeps the later periods in their place.
    TInfoComp* m = c.CreeMatch(1, h.Equipe(0), h.Equipe(1), 30, 28);
    m->SetScorePeriode(0, 1, 14);
    m->SetScorePeriode(0, 3, 16);
    m->SetScorePeriode(1, 1, 12);
    const std::string p = Document([&](TXmlWriter& w) { c.EcritScoresPeriode(w, *m); }, false);
    EXPECT_EQ(p, "<ScorePeriode1>\r\n<ItemPeriode>14</ItemPeriode>\r\n<ItemPeriode>255</ItemPeriode>\r\n"
                 "<ItemPeriode>16</ItemPeriode>\r\n</ScorePeriode1>\r\n<ScorePeriode2>\r\n"
                 "<ItemPeriode>12</ItemPeriode>\r\n</ScorePeriode2>\r\n");
    TInfoComp* m2 = c2.CreeMatch(1, h.Equipe(0), h.Equipe(1), 30, 28);
    TMemoryStream flux;
    Remplit(flux, p);
    TXmlStreamReader r(flux);
    for (uint8_t t = r.ElementSuivant(); t != xmlFinFlux; t = r.ElementSuivant())
        if (t == xmlDebut)
            c2.LitScoresPeriode(r, *m2);
    EXPECT_EQ(m2->ScorePeriode(0, 3), 16);
    EXPECT_EQ(m2->ScorePeriode(0, 2), 255);
    EXPECT_EQ(m2->ScorePeriode(1, 1), 12);
    EXPECT_EQ(m2->ScorePeriode(1, 2), 255);
    EXPECT_EQ(Document([&](TXmlWriter& w) { c2.EcritScoresPeriode(w, *m2); }, false), p);
}

TEST(StatChampionnat, ClassementsJoueurs)
{
    TSaisonStatEssai h(3, 2, 1);
    const int e0 = h.Equipe(0), e1 = h.Equipe(1);
    TJoueur* a = h.Joueur("Alpha", "A", e0);
    TJoueur* b = h.Joueur("Beta", "B", e1);
    TJoueur* c = h.Joueur("Gamma", "C", e0);
    h.Evenement(1, 21, a, e0, 3);
    h.Evenement(1, 22, a, e0, 4);
    h.Evenement(1, 21, b, e1, 5);
    h.Evenement(1, 22, b, e1, 10);
    h.Evenement(1, 21, c, e0, 2);
    h.Evenement(1, 22, c, e0, 2);
    h.Evenement(1, 22, c, e0, 2);   // two shot records: no ratio
    auto buts = h.Stat().ListeClassementJoueur(1, 21);
    ASSERT_NE(buts, nullptr);
    EXPECT_EQ(buts->Nombre(), 3);
    auto ratio = h.Stat().ListeClassementJoueur(1, 22);
    ASSERT_NE(ratio, nullptr);
    ASSERT_EQ(ratio->Nombre(), 2);
    // Team names ascending ("Club 0-0" first), then value descending.
    EXPECT_EQ(ratio->Resultat(0)->IdJoueur(), a->Numero);
    EXPECT_EQ(ratio->Resultat(0)->Mot(), 7500);
    EXPECT_EQ(ratio->Resultat(1)->Mot(), 5000);
    EXPECT_EQ(h.Stat().ListeClassementJoueur(1, 23), nullptr);
    EXPECT_EQ(h.Stat().ListeClassementJoueur(2, 21), nullptr);

    TSaisonStatEssai k(2, 2, 1);
    TJoueur* p = k.Joueur("Tireur", "T", k.Equipe(0));
    k.Evenement(1, 6, p, k.Equipe(0), 20);
    auto points = k.Stat().ListeClassementJoueur(1, 6);
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(points->Nombre(), 1);
    EXPECT_EQ(k.Stat().ListeClassementJoueur(1, 1), nullptr);
}

TEST(StatChampionnat, RemplacementCopieEtSuppression)
{
    TSaisonStatEssai b(2, 2, 2);
    const int e0 = b.Equipe(0), e1 = b.Equipe(1);
    b.Stat().CreeMatch(2, e0, e1, 50, 40);
    b.EvenementId(2, 6, 10, e0, 12);
    b.EvenementId(2, 19, 10, e0, 1);
    b.EvenementId(2, 6, 11, e1, 8);
    b.Stat().RemplaceJoueurs({{10, 20}});
    EXPECT_EQ(b.Stat().ListeStat(2, 6)->Donnee(0)->IdJoueur(), 20);
    EXPECT_EQ(b.Stat().ListeStat(2, 19)->Donnee(0)->IdJoueur(), 20);
    EXPECT_EQ(b.Stat().ListeStat(2, 6)->Donnee(1)->IdJoueur(), 11);

    // The copy takes the weights, the options and every code's records, teams
    // by position.
    TSaisonStatEssai c(2, 2, 2);
    c.Stat().SetValeurEval(0, 0);
    b.Stat().SetStatActive(4, 0);
    c.Stat().CopieMatchs(b.Stat(), {});
    EXPECT_EQ(c.Stat().ValeurEval(0), 2);
    EXPECT_EQ(c.Stat().StatActive(4), 0);
    ASSERT_EQ(c.Stat().ListeStat(2, 6)->Nombre(), 2);
    EXPECT_EQ(c.Stat().ListeStat(2, 6)->Donnee(0)->IdEquipe(), c.Equipe(0));
    EXPECT_EQ(c.Stat().ListeStat(2, 6)->Donnee(1)->IdEquipe(), c.Equipe(1));
    EXPECT_EQ(c.Stat().ValeurMatch(2, 2), 50);

    b.Stat().SupprimeDonneesEquipe(e0, 2, false);
    EXPECT_EQ(b.Stat().ListeStat(2, 6)->Nombre(), 1);
    EXPECT_EQ(b.Stat().ListeStat(2, 19)->Nombre(), 0);
}

// Entry options written by hand as complete elements inside a Championnat
// element: taken (or skipped) without the reader running past the end of the
// championship.
TEST(StatChampionnat, OptionsCompletesDansLeChampionnat)
{
    auto lit = [](TDonneesChampionnat& c, const std::string& corps) {
        TMemoryStream flux;
        Remplit(flux, "<Championnat>\r\n" + corps + "<NbJournee>4</NbJournee>\r\n</Championnat>\r\n<Apres>1</Apres>\r\n");
        TXmlStreamReader r(flux);
        EXPECT_EQ(r.ElementSuivant(), xmlDebut);
        c.LitChampionnat(r);
        EXPECT_EQ(r.ElementSuivant(), xmlComplet);
        return r.Nom();
    };
    TSaisonStatEssai b(2, 2, 1);
    TDonneesChampionnatStat& c = b.Stat();
    c.AjoutePonderation({0, 10, 50});
    c.SetStatActive(2, 0);
    EXPECT_EQ(lit(c, "<PondEvals />\r\n<OptionsSaisie />\r\n<ValeurEval />\r\n"), "Apres");
    EXPECT_EQ(c.NbJournee, 4);
    EXPECT_EQ(c.NbPonderations(), 0);   // an empty list of weights
    EXPECT_EQ(c.StatActive(2), 1);      // no option switched off

    // With children they are read as written.
    EXPECT_EQ(lit(c, "<PondEvals>\r\n<PondEval>\r\n<Max>9</Max>\r\n</PondEval>\r\n</PondEvals>\r\n"
                     "<OptionsSaisie>\r\n<Option>1</Option>\r\n<Option>0</Option>\r\n</OptionsSaisie>\r\n"),
              "Apres");
    ASSERT_EQ(c.NbPonderations(), 1);
    EXPECT_EQ(c.Ponderation(0)->Max, 9);
    EXPECT_EQ(c.StatActive(2), 0);

    // A football championship skips them, complete or not.
    TSaisonStatEssai f(0, 2, 1);
    EXPECT_EQ(lit(f.Champ(), "<PondEvals />\r\n<OptionsSaisie>\r\n<Option>0</Option>\r\n</OptionsSaisie>\r\n"), "Apres");
    EXPECT_EQ(f.Champ().NbJournee, 4);
}
