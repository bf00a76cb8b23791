// Players of the four sports: positions, career, copies, birth dates, the XML
// forms, and the player list with its team blocks.
#include <gtest/gtest.h>

#include "model/Joueurs.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "tests/model/Outils.h"
#include "tests/support/SaisonFichesEssai.h"

namespace {

std::unique_ptr<TJoueur> Joueur(TSaisonFichesEssai& s, const std::string& nom, const std::string& prenom, int club,
                                int32_t numero = -1)
{
    return TJoueur::CreateSimple(s.Sport(), &s, numero, club, prenom, nom);
}

// The players of a list element read into a fresh season of the same sport.
std::string RelitEtReecrit(const std::string& doc, int sport, bool formeNoms, TPairesIds* paires = nullptr)
{
    TSaisonFichesEssai cible(sport);
    RemplitSaison(cible);
    TMemoryStream m;
    Remplit(m, doc);
    {
        TXmlStreamReader x(m);
        EXPECT_EQ(x.ElementSuivant(), xmlDebut);
        cible.Joueurs().Lit(x, &cible, paires);
    }
    EXPECT_EQ(VerifieJoueurs(cible.Joueurs()), "");
    return Document([&](TXmlWriter& w) { cible.Joueurs().Ecrit(w, -1, -1, nullptr, formeNoms ? &cible : nullptr); },
                    false);
}

std::unique_ptr<TJoueur> LitUn(const std::string& element, TSaisonFichesEssai& s)
{
    TMemoryStream m;
    Remplit(m, element);
    TXmlStreamReader x(m);
    EXPECT_EQ(x.ElementSuivant(), xmlDebut);
    auto p = s.CreeJoueur("", "", -1, 65535);
    p->Lit(x, &s);
    return p;
}

} // namespace

TEST(Joueur, PositionsOfEachSport)
{
    TSaisonFichesEssai s;
    auto f = TJoueur::CreateSimple(sportFootball, &s, 1, 0, "A", "B");
    EXPECT_EQ(f->Poste, 2);   // "M": Milieu
    EXPECT_EQ(MotPoste(f->Poste), "Milieu");
    f->SetLettrePoste("A");
    EXPECT_EQ(f->Poste, 3);
    EXPECT_EQ(f->LettrePoste(), "A");
    f->SetLettrePoste("X");
    EXPECT_EQ(f->Poste, 4);
    EXPECT_EQ(f->NumeroPoste(), 5);
    const int horsPlage[4] = {4, 14, 21, 23};
    const int premier[4] = {0, 5, 15, 22};
    const int nouveau[4] = {2, 5, 15, 23};
    for (int sport = 0; sport < 4; ++sport) {
        auto p = TJoueur::CreateVide(sport, &s);
        EXPECT_EQ(p->Sport(), sport);
        EXPECT_EQ(p->Poste, premier[sport]);
        EXPECT_EQ(p->NumeroPoste(), 1);
        p->SetPosteNumero(0);
        EXPECT_EQ(p->Poste, horsPlage[sport]);
        p->SetPosteNumero(2);
        EXPECT_EQ(p->Poste, premier[sport] + 1);
        EXPECT_EQ(p->PosteNouveauJoueur(), nouveau[sport]);
    }
    EXPECT_EQ(TJoueur::CreateVide(7, &s), nullptr);
    EXPECT_EQ(CodeMotPoste("34aile"), 12);
    EXPECT_EQ(CodeMotPoste("milieu"), -1);
    EXPECT_EQ(MotPoste(27), "");
}

TEST(Joueur, TeamFollowsTheCurrentChampionship)
{
    TSaisonFichesEssai s;
    auto p = Joueur(s, "Zidane", "Zinedine", 3);
    p->SetEquipeNationale(7);
    EXPECT_EQ(p->IdEquipe(), 3);
    s.SetInternational(true);
    EXPECT_EQ(p->IdEquipe(), 7);
    p->SetIdEquipe(8);
    EXPECT_EQ(p->EquipeNational, 8);
    EXPECT_EQ(p->ClubActuel, 3);
    s.SetInternational(false);
    p->SetIdEquipe(4);
    EXPECT_EQ(p->ClubActuel, 4);
    p->SetSaison(nullptr);
    EXPECT_EQ(p->IdEquipe(), 4);
    EXPECT_EQ(p->NomEquipes(nullptr), "");
}

TEST(Joueur, NomEquipes)
{
    TSaisonFichesEssai s;
    RemplitSaison(s);
    auto p = Joueur(s, "A", "B", 1);
    EXPECT_EQ(p->NomEquipes(nullptr), "Olympique <Lyon>");
    p->EquipeNational = 3;
    EXPECT_EQ(p->NomEquipes(nullptr), "Olympique <Lyon>, France");
    p->ClubActuel = TJoueur::Aucun;
    EXPECT_EQ(p->NomEquipes(nullptr), "France");
}

TEST(Joueur, CareerOfEachSport)
{
    TSaisonFichesEssai s;
    auto f = TJoueur::CreateVide(sportFootball, &s);
    const int32_t un[1] = {9};
    f->SetCarriere(12, 30, un);
    int32_t v[4] = {-1, -1, -1, -1};
    int32_t matchs = -1;
    EXPECT_EQ(f->CarriereChamp(12, v, matchs), 0);
    EXPECT_EQ(matchs, 30);
    EXPECT_EQ(v[0], 9);
    EXPECT_EQ(f->CarriereChamp(13, v, matchs), 65535);
    EXPECT_EQ(matchs, 0);
    EXPECT_EQ(v[0], 0);
    uint32_t code = 1;
    EXPECT_FALSE(f->CarriereIndex(5, code, v, matchs));
    EXPECT_EQ(code, 0u);
    f->SetCarriereIndex(3, 14, 2, un);   // past the end: appended
    EXPECT_EQ(f->NbStatCarriere(), 2);
    EXPECT_EQ(f->NbMatchCarriere(14), 2);

    auto b = TJoueur::CreateVide(sportBasket, &s);
    b->SetCarriere(12, 30, un);
    EXPECT_EQ(b->StatCarriere(12, 6), 9);   // goals of basketball are kind 6

    auto r = TJoueur::CreateVide(sportRugby, &s);
    const int32_t quatre[4] = {4, 3, 2, 1};
    r->SetCarriere(12, 10, quatre);
    int32_t lu[4] = {};
    EXPECT_EQ(r->CarriereChamp(12, lu, matchs), 0);
    EXPECT_EQ(std::vector<int32_t>(lu, lu + 4), (std::vector<int32_t>{4, 3, 2, 1}));
    int32_t absent[4] = {7, 7, 7, 7};
    EXPECT_EQ(r->CarriereChamp(99, absent, matchs), 65535);
    EXPECT_EQ(std::vector<int32_t>(absent, absent + 4), (std::vector<int32_t>{0, 0, 0, 0}));
    // One value only: tries, the other kinds untouched.
    const int32_t essais[1] = {6};
    r->SetCarriere(12, 11, essais);
    EXPECT_EQ(r->StatCarriere(12, 1), 6);
    EXPECT_EQ(r->StatCarriere(12, 2), 3);
}

TEST(Joueur, HistorySortedByYear)
{
    TSaisonFichesEssai s;
    auto p = TJoueur::CreateVide(sportFootball, &s);
    p->AjouteHistorique({2005, 1, 1, 1, 1, 0, 0});
    p->AjouteHistorique({2001, 1, 1, 2, 1, 0, 0});
    p->AjouteHistorique({2005, 2, 1, 3, 1, 0, 0});
    ASSERT_EQ(p->NbHistorique(), 3);
    EXPECT_EQ(p->Historique(0)->StatAnnee, 2001);
    EXPECT_EQ(p->Historique(1)->StatMatch, 3);   // before the other one of 2005
    EXPECT_EQ(p->Historique(3), nullptr);
}

TEST(Joueur, StatsSeulementLooksAtEveryCountOfTheSport)
{
    TSaisonFichesEssai s;
    auto f = TJoueur::CreateVide(sportFootball, &s);
    f->SetNbMatch(1, 3);
    f->SetStat(1, 1, 2);
    EXPECT_TRUE(f->StatsSeulement(1));
    f->SetNbMatch(2, 1);
    EXPECT_FALSE(f->StatsSeulement(1));
    auto f2 = TJoueur::CreateVide(sportFootball, &s);
    f2->SetNbMatch(1, 3);
    static_cast<TJoueurFootball&>(*f2).SetNbPasse(2, 1);
    EXPECT_FALSE(f2->StatsSeulement(1));
    // Basketball turnovers (code 20) and handball matches (code 36) count too.
    auto b = TJoueur::CreateVide(sportBasket, &s);
    b->SetStat(1, 5, 3);
    b->SetStat(2, 20, 1);
    EXPECT_FALSE(b->StatsSeulement(1));
    auto h = TJoueur::CreateVide(sportHandball, &s);
    h->SetStat(1, 21, 3);
    h->SetStat(2, 36, 1);
    EXPECT_FALSE(h->StatsSeulement(1));
    EXPECT_TRUE(h->StatsSeulement(2) == false);
    auto h2 = TJoueur::CreateVide(sportHandball, &s);
    h2->SetStat(2, 36, 0);   // an empty record elsewhere is no count
    h2->SetStat(1, 21, 3);
    EXPECT_TRUE(h2->StatsSeulement(1));
}

TEST(Joueur, CopiesKeepEveryFieldAndTheClub)
{
    TSaisonFichesEssai s;
    RemplitSaison(s);
    for (int sport = 0; sport < 4; ++sport) {
        SCOPED_TRACE(sport);
        auto p = TJoueur::CreateVide(sport, &s);
        RemplitJoueur(*p, 1);
        p->SetNbMatch(0x28003, 4);
        p->SetStat(0x28003, sport == sportBasket ? 20 : sport == sportHandball ? 36 : 1, 3);
        p->SetNbAvertissement(9, 2);
        s.SetInternational(true);   // the copy takes the club, not the national team
        auto c = TJoueur::CreateCopieJoueur(&s, *p);
        s.SetInternational(false);
        EXPECT_EQ(c->Sport(), sport);
        EXPECT_EQ(c->ClubActuel, p->ClubActuel);
        EXPECT_EQ(c->EquipeNational, p->EquipeNational);
        EXPECT_EQ(c->Saison(), &s);
        EXPECT_EQ(c->DateNaissance, p->DateNaissance);
        EXPECT_EQ(c->NbHistorique(), 2);
        EXPECT_EQ(c->NbMatch(0x28003), 4);
        EXPECT_EQ(c->NbAvertissement(9), 2);
        EXPECT_EQ(c->StatCarriere(7, p->TypeStatBut()), p->StatCarriere(7, p->TypeStatBut()));
        const int dernier = sport == sportBasket ? 20 : sport == sportHandball ? 36 : 1;
        EXPECT_EQ(c->Stat(0x28003, dernier), 3);
        const auto ecrit = [](const TJoueur& j) {
            return Document([&](TXmlWriter& w) { j.Ecrit(w, 65535, nullptr, nullptr); }, false);
        };
        EXPECT_EQ(ecrit(*c), ecrit(*p));
    }
}

TEST(Joueur, BirthDateInOneFixedFormat)
{
    TSaisonFichesEssai s;
    auto p = Joueur(s, "A", "B", 1, 5);
    p->DateNaissance = EncodeDate(1987, 3, 9);
    // Whatever the machine's short date format, the document holds dd/mm/yyyy.
    const std::string ancien = FormatSettings().ShortDateFormat;
    FormatSettings().ShortDateFormat = "m/d/yy";
    const std::string doc = Document([&](TXmlWriter& w) { p->Ecrit(w, 65535, nullptr, nullptr); }, false);
    FormatSettings().ShortDateFormat = ancien;
    EXPECT_NE(doc.find("<DateNaissance>09/03/1987</DateNaissance>"), std::string::npos);

    EXPECT_EQ(TexteVersDateNaissance("09/03/1987"), EncodeDate(1987, 3, 9));
    EXPECT_EQ(TexteVersDateNaissance("9/3/1987"), EncodeDate(1987, 3, 9));
    EXPECT_EQ(TexteVersDateNaissance("09.03.1987"), EncodeDate(1987, 3, 9));
    EXPECT_EQ(TexteVersDateNaissance("1987-03-09"), EncodeDate(1987, 3, 9));
    EXPECT_EQ(TexteVersDateNaissance("3/25/1987"), EncodeDate(1987, 3, 25));   // month first
    EXPECT_EQ(TexteVersDateNaissance("09/03/87"), EncodeDate(1987, 3, 9));
    EXPECT_EQ(TexteVersDateNaissance("09/03/1987 00:00:00"), EncodeDate(1987, 3, 9));
    EXPECT_EQ(TexteVersDateNaissance("31/02/1987"), 0);
    EXPECT_EQ(TexteVersDateNaissance("le 9 mars"), 0);
    EXPECT_EQ(TexteVersDateNaissance(""), 0);
    EXPECT_EQ(DateNaissanceVersTexte(0), "30/12/1899");
    EXPECT_EQ(DateNaissanceVersTexte(EncodeDate(1850, 6, 1)), "01/06/1850");
    EXPECT_EQ(TexteVersDateNaissance("01/06/1850"), EncodeDate(1850, 6, 1));

    // A date that does not read leaves 0 and the rest of the card is read.
    auto q = LitUn("<Joueur>\r\n<Nom>A</Nom>\r\n<DateNaissance>bientôt</DateNaissance>\r\n<Numero>4</Numero>\r\n</Joueur>\r\n", s);
    EXPECT_EQ(q->DateNaissance, 0);
    EXPECT_EQ(q->Numero, 4);
    // The two texts of "no date" are never written.
    for (TDateTime d : {0.0, 2.0}) {
        p->DateNaissance = d;
        const std::string sans = Document([&](TXmlWriter& w) { p->Ecrit(w, 65535, nullptr, nullptr); }, false);
        EXPECT_EQ(sans.find("DateNaissance"), std::string::npos);
    }
}

TEST(Joueur, ReaderRules)
{
    TSaisonFichesEssai s;
    RemplitSaison(s);
    auto p = LitUn("<Joueur ID=\"4\">\r\n<Nom>  Pires </Nom>\r\n<Prenom> Robert</Prenom>\r\n<Poste>Attaquant</Poste>\r\n"
                   "<Poste>Inconnu</Poste>\r\n<ClubActuel>2</ClubActuel>\r\n<EquipeNational>2</EquipeNational>\r\n"
                   "<ClubPrec2>Nouveau club</ClubPrec2>\r\n<StatHistoriques />\r\n<Numero>3</Numero>\r\n"
                   "<Truc>\r\n<Numero>99</Numero>\r\n</Truc>\r\n</Joueur>\r\n",
                   s);
    EXPECT_EQ(p->Nom, "Pires");
    EXPECT_EQ(p->Prenom, "Robert");
    EXPECT_EQ(p->Poste, 3);
    EXPECT_EQ(p->ClubActuel, 2);
    EXPECT_EQ(p->EquipeNational, TJoueur::Aucun);   // the same as the club
    EXPECT_EQ(s.NomClubPrec(p->ClubPrec), "Nouveau club");
    EXPECT_EQ(p->NbHistorique(), 0);
    EXPECT_EQ(p->Numero, 3);
    EXPECT_EQ(p->categorie, 1);

    // Contract 0 and 99 are not written.
    for (int contrat : {0, 99}) {
        p->Contrat = static_cast<uint8_t>(contrat);
        const std::string doc = Document([&](TXmlWriter& w) { p->Ecrit(w, 65535, nullptr, nullptr); }, false);
        EXPECT_EQ(doc.find("Contrat"), std::string::npos);
    }
}

TEST(JoueursXml, EveryFieldOfEverySportRoundTripsInBothForms)
{
    for (int sport = 0; sport < 4; ++sport) {
        SCOPED_TRACE(sport);
        TSaisonFichesEssai s(sport);
        RemplitSaison(s);
        for (int g = 0; g < 4; ++g) {
            auto p = TJoueur::CreateVide(sport, &s);
            RemplitJoueur(*p, g);
            s.Joueurs().AjouteJoueur(std::move(p));
        }
        ASSERT_EQ(s.Joueurs().NbJoueur(), 4);
        for (bool formeNoms : {false, true}) {
            SCOPED_TRACE(formeNoms ? "name form" : "number form");
            const std::string doc = Document(
                [&](TXmlWriter& w) { s.Joueurs().Ecrit(w, -1, -1, nullptr, formeNoms ? &s : nullptr); }, false);
            EXPECT_EQ(RelitEtReecrit(doc, sport, formeNoms), doc);
            if (formeNoms) {
                EXPECT_NE(doc.find("<EquipeNational2>France</EquipeNational2>"), std::string::npos);
                EXPECT_NE(doc.find("<ClubPrec2>Bordeaux ##0# B\xE8gles</ClubPrec2>"), std::string::npos);
            } else {
                EXPECT_NE(doc.find("<EquipeNational>3</EquipeNational>"), std::string::npos);
            }
            EXPECT_NE(doc.find("<StatChamp>163843</StatChamp>"), std::string::npos);   // 0x28003
            EXPECT_NE(doc.find("<DateNaissance>"), std::string::npos);
            EXPECT_NE(doc.find("<StatHistorique>"), std::string::npos);
            EXPECT_NE(doc.find("<categorie>"), std::string::npos);
            EXPECT_EQ(doc.find("ID="), std::string::npos);
        }
    }
    // Rugby keeps its four career values.
    TSaisonFichesEssai r(sportRugby);
    auto p = TJoueur::CreateVide(sportRugby, &r);
    RemplitJoueur(*p, 0);
    const std::string doc = Document([&](TXmlWriter& w) { p->Ecrit(w, 65535, nullptr, nullptr); }, false);
    EXPECT_NE(doc.find("<StatTransfo>3</StatTransfo>"), std::string::npos);
    EXPECT_NE(doc.find("<StatPenalite>2</StatPenalite>"), std::string::npos);
    EXPECT_NE(doc.find("<StatDrop>1</StatDrop>"), std::string::npos);
}

TEST(JoueursXml, NameFormNamesThePhotoAndTheFileList)
{
    InstalleNomFichierImage([](int genre, int32_t n) {
        return genre == imageJoueur && n > 0 ? "C:\\pict\\joueur_" + std::to_string(n) + "_a.jpg" : std::string();
    });
    TSaisonFichesEssai s;
    RemplitSaison(s);
    auto p = TJoueur::CreateVide(sportFootball, &s);
    RemplitJoueur(*p, 1);
    TStringList fichiers;
    const std::string nom = Document([&](TXmlWriter& w) { p->Ecrit(w, 65535, &fichiers, &s); }, false);
    const std::string nombre = Document([&](TXmlWriter& w) { p->Ecrit(w, 65535, &fichiers, nullptr); }, false);
    InstalleNomFichierImage(nullptr);
    EXPECT_NE(nom.find("<Image>joueur_401_a.jpg</Image>"), std::string::npos);
    EXPECT_NE(nombre.find("<Image>401</Image>"), std::string::npos);
    ASSERT_EQ(fichiers.Count(), 1);
    EXPECT_EQ(fichiers[0], "C:\\pict\\joueur_401_a.jpg");
}

TEST(JoueursXml, ListReaderDropsPlayersWithoutNameOrNumber)
{
    const std::string doc = "<Joueurs>\r\n"
                            "<Joueur>\r\n<Nom>A</Nom>\r\n</Joueur>\r\n"
                            "<Joueur>\r\n<Nom>B</Nom>\r\n<Numero>0</Numero>\r\n</Joueur>\r\n"
                            "<Joueur>\r\n<Prenom>C</Prenom>\r\n<Numero>3</Numero>\r\n</Joueur>\r\n"
                            "<Joueur>\r\n<Nom>D</Nom>\r\n<Numero>12</Numero>\r\n</Joueur>\r\n"
                            "<Joueur>\r\n<Nom>D</Nom>\r\n<Numero>14</Numero>\r\n</Joueur>\r\n"
                            "<Joueur />\r\n<Autre>\r\n<Joueur>\r\n<Nom>E</Nom>\r\n<Numero>2</Numero>\r\n</Joueur>\r\n</Autre>\r\n"
                            "</Joueurs>\r\n";
    TSaisonFichesEssai s;
    TPairesIds paires;
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader x(m);
    ASSERT_EQ(x.ElementSuivant(), xmlDebut);
    s.Joueurs().Lit(x, &s, &paires);
    ASSERT_EQ(s.Joueurs().NbJoueur(), 1);
    EXPECT_EQ(s.Joueurs().Joueur(0)->Numero, 12);
    EXPECT_EQ(s.Joueurs().NumeroMax(), 14);
    // The namesake of the same team is merged: its pair is kept for the caller.
    ASSERT_EQ(paires.size(), 1u);
    EXPECT_EQ(paires[0], std::make_pair(14, 12));
    EXPECT_EQ(x.ElementSuivant(), xmlFinFlux);
}

TEST(JoueursXml, WritesARangeOfPlayers)
{
    TSaisonFichesEssai s;
    for (const char* n : {"A", "B", "C", "D"})
        s.Joueurs().AjouteJoueur(Joueur(s, n, "", 0));
    const auto compte = [&](int premier, int dernier) {
        const std::string doc =
            Document([&](TXmlWriter& w) { s.Joueurs().Ecrit(w, premier, dernier, nullptr, nullptr); }, false);
        int n = 0;
        for (size_t p = doc.find("<Joueur>"); p != std::string::npos; p = doc.find("<Joueur>", p + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(compte(-1, -1), 4);
    EXPECT_EQ(compte(1, 2), 2);
    EXPECT_EQ(compte(2, 10), 2);
    EXPECT_EQ(compte(3, 1), 0);
}

// ---------------------------------------------------------------------------
// The player list

TEST(Joueurs, NamesakesOfDifferentTeamsStayOrderedByTeam)
{
    TSaisonFichesEssai s;
    s.AjouteEquipe("Un", 1);
    s.AjouteEquipe("Deux", 2);
    auto& js = s.Joueurs();
    TPairesIds paires;
    TJoueur* b = js.InsereJoueur(Joueur(s, "Martin", "Jean", 2), &paires);
    TJoueur* a = js.InsereJoueur(Joueur(s, "Martin", "Jean", 1), &paires);
    js.InsereJoueur(Joueur(s, "Abel", "", 1), &paires);
    ASSERT_EQ(js.NbJoueur(), 3);
    EXPECT_EQ(js.Joueur(1), a);
    EXPECT_EQ(js.Joueur(2), b);
    EXPECT_EQ(b->Numero, 1);
    EXPECT_EQ(a->Numero, 2);
    EXPECT_TRUE(paires.empty());
    // Identical (names, team): the existing player, and the pair.
    TJoueur* c = js.InsereJoueur(Joueur(s, "MARTIN", "jean", 2, 40), &paires);
    EXPECT_EQ(c, b);
    ASSERT_EQ(paires.size(), 1u);
    EXPECT_EQ(paires[0], std::make_pair(40, 1));
    EXPECT_EQ(js.NumeroMax(), 40);
    EXPECT_EQ(js.NbJoueur(), 3);
    EXPECT_EQ(js.ChercheJoueurNom("martin", "JEAN"), a);
    EXPECT_EQ(js.ChercheJoueurNom("Martin", "Paul"), nullptr);
    EXPECT_EQ(VerifieJoueurs(js), "");
}

TEST(Joueurs, SearchByNumber)
{
    TSaisonFichesEssai s;
    s.AjouteEquipe("Cinq", 5);
    TJoueur* p = s.Joueurs().AjouteJoueur(Joueur(s, "A", "", 5, 8));
    EXPECT_EQ(s.Joueurs().ChercheJoueur(8, 5), p);
    EXPECT_EQ(s.Joueurs().ChercheJoueur(8, 65535), p);
    EXPECT_EQ(s.Joueurs().ChercheJoueur(8, 9), p);
    EXPECT_EQ(s.Joueurs().ChercheJoueur(0, 5), nullptr);
    EXPECT_EQ(s.Joueurs().ChercheJoueur(9, 5), nullptr);
    EXPECT_EQ(s.Joueurs().BlocEquipe(5)->Nombre(), 1);
    EXPECT_EQ(s.Joueurs().BlocEquipe(6), nullptr);
    EXPECT_EQ(s.Joueurs().Joueur(1), nullptr);
}

// The index answers every search by number as the list does (numbers two
// players share, numbers nobody has, a number far above the others, any
// team), and ranks the full names in the order of CompareNomPersonne.
TEST(Joueurs, IndexAnswersAsTheList)
{
    TSaisonFichesEssai s;
    s.AjouteEquipe("Un", 1);
    s.AjouteEquipe("Deux", 2);
    auto& js = s.Joueurs();
    const struct
    {
        std::string nom, prenom;
        int equipe;
        int32_t numero;
    } donnees[] = {
        {"Martin", "Jean", 1, 3},        {"MARTIN", "jean", 2, 4},   {"Le Roux", "Jean", 1, 5},
        {"Le", "Rouxel", 2, 6},          {L1("Élise"), "", 1, 7},    {"Elise", "", 2, 8},
        {"Abel", "", 2, 9},              {L1("Zoé"), "Anne", 1, 10}, {"Martin", "Jean-Luc", 2, 11},
        {"Grand", "", 1, 1000000},       {"Partage", "Un", 1, 12},   {"Partage", "Deux", 2, 13},
    };
    std::vector<TJoueur*> tous;
    for (const auto& d : donnees)
        tous.push_back(js.AjouteJoueur(Joueur(s, d.nom, d.prenom, d.equipe, d.numero)));
    // Two players of one number, one in each team.
    tous.back()->Numero = 12;
    const TIndexJoueurs index(js);
    for (int32_t n : {-1, 0, 1, 2, 3, 4, 7, 9, 12, 13, 14, 999999, 1000000, 1000001})
        for (int t : {-1, 1, 2, 3, 65535})
            EXPECT_EQ(index.ChercheJoueur(n, t), js.ChercheJoueur(n, t)) << n << " " << t;
    auto signe = [](int v) { return (v > 0) - (v < 0); };
    for (TJoueur* p : tous)
        for (TJoueur* q : tous)
            EXPECT_EQ(signe(index.RangNom(p) - index.RangNom(q)),
                      signe(CompareNomPersonne(p->NomComplet(), q->NomComplet())))
                << p->NomComplet() << " / " << q->NomComplet();
    EXPECT_EQ(index.RangNom(nullptr), -1);
    const auto ailleurs = Joueur(s, "Hors", "", 1, 50);
    EXPECT_EQ(index.RangNom(ailleurs.get()), -1);
}

TEST(Joueurs, SquadListedByPosition)
{
    TSaisonFichesEssai s;
    s.AjouteEquipe("Un", 1);
    auto& js = s.Joueurs();
    const std::pair<const char*, int> joueurs[] = {{"Attaquant", 4}, {"Defenseur", 2}, {"Gardien", 1}, {"Remplacant", 5},
                                                   {"Milieu", 3}, {"Ailleurs", 9}};
    for (auto [nom, poste] : joueurs) {
        auto p = Joueur(s, nom, "", 1);
        p->SetPosteNumero(poste);
        if (poste == 9)
            p->Poste = 15;   // a basketball position in a football team
        p->categorie = poste == 2 ? 3 : 1;
        js.AjouteJoueur(std::move(p));
    }
    std::vector<std::string> noms;
    for (TJoueur* p : js.ListeJoueursEquipe(1, 0))
        noms.push_back(p->Nom);
    EXPECT_EQ(noms, (std::vector<std::string>{"Gardien", "Defenseur", "Milieu", "Attaquant", "Remplacant"}));
    ASSERT_EQ(js.ListeJoueursEquipe(1, 3).size(), 1u);
    EXPECT_TRUE(js.ListeJoueursEquipe(2, 0).empty());
}

TEST(Joueurs, SupprimeJoueursEquipeLeavesNoFreedPlayerInAnotherBlock)
{
    TSaisonFichesEssai s;
    s.AjouteEquipe("Club", 3);
    s.AjouteEquipe("Nation", 7);
    auto& js = s.Joueurs();
    auto p = Joueur(s, "Partant", "", 3);
    p->EquipeNational = 7;
    js.AjouteJoueur(std::move(p));
    auto q = Joueur(s, "Reste", "", 4);
    q->EquipeNational = 7;
    TJoueur* reste = js.AjouteJoueur(std::move(q));
    ASSERT_EQ(js.BlocEquipe(7)->Nombre(), 2);
    js.SupprimeJoueursEquipe(3);
    EXPECT_EQ(js.NbJoueur(), 1);
    ASSERT_EQ(js.BlocEquipe(7)->Nombre(), 1);
    EXPECT_EQ(js.BlocEquipe(7)->Joueur(0), reste);
    EXPECT_EQ(js.BlocEquipe(3)->Nombre(), 0);
    EXPECT_EQ(VerifieJoueurs(js), "");
    // The same from the national side, in an international championship.
    s.SetInternational(true);
    js.SupprimeJoueursEquipe(7);
    EXPECT_EQ(js.NbJoueur(), 0);
    EXPECT_EQ(js.BlocEquipe(65535)->Nombre(), 0);
}

TEST(Joueurs, RetireJoueursEquipeKeepsPlayersCountedElsewhere)
{
    TSaisonFichesEssai s;
    s.AjouteEquipe("Un", 1);
    auto& js = s.Joueurs();
    auto p = Joueur(s, "Ailleurs", "", 1, 5);
    p->SetNbMatch(10, 1);
    p->SetNbMatch(11, 2);
    TJoueur* garde = js.AjouteJoueur(std::move(p));
    auto q = Joueur(s, "Ici", "", 1, 6);
    q->SetNbMatch(10, 3);
    js.AjouteJoueur(std::move(q));
    // An identical player without team: the kept one merges into it.
    TJoueur* sansEquipe = js.AjouteJoueur(Joueur(s, "Ailleurs", "", TJoueur::Aucun, 9));
    s.References = {5, 6, 9};
    TPairesIds paires;
    js.RetireJoueursEquipe(1, 10, &paires);
    ASSERT_EQ(js.NbJoueur(), 1);
    EXPECT_EQ(js.Joueur(0), sansEquipe);
    ASSERT_EQ(paires.size(), 1u);
    EXPECT_EQ(paires[0], std::make_pair(5, 9));
    EXPECT_EQ(js.BlocEquipe(1)->Nombre(), 0);
    EXPECT_EQ(VerifieJoueurs(js), "");
    (void)garde;

    // Without a pair list the season rewrites its references at once.
    TSaisonFichesEssai s2;
    s2.AjouteEquipe("Un", 1);
    auto p2 = Joueur(s2, "Ailleurs", "", 1, 5);
    p2->SetNbMatch(11, 2);
    s2.Joueurs().AjouteJoueur(std::move(p2));
    s2.Joueurs().AjouteJoueur(Joueur(s2, "Ailleurs", "", TJoueur::Aucun, 9));
    s2.References = {5};
    s2.Joueurs().RetireJoueursEquipe(1, 10, nullptr);
    EXPECT_EQ(s2.References, (std::vector<int32_t>{9}));
    // c = -1: every player of the team is freed.
    s2.Joueurs().AjouteJoueur(Joueur(s2, "B", "", 1, 12));
    s2.Joueurs().RetireJoueursEquipe(1, -1, nullptr);
    EXPECT_EQ(s2.Joueurs().NbJoueur(), 1);
}

TEST(Joueurs, OrderHoldsWhenTheCurrentChampionshipTurnsInternational)
{
    TSaisonFichesEssai s;
    for (int t : {1, 2, 8, 9}) {
        std::string nom = "E";   // built in two steps: the compiler's false overlap warning
        nom += std::to_string(t);
        s.AjouteEquipe(nom, t);
    }
    auto& js = s.Joueurs();
    auto a = Joueur(s, "Martin", "Jean", 1);
    a->EquipeNational = 9;
    TJoueur* pa = js.AjouteJoueur(std::move(a));
    auto b = Joueur(s, "Martin", "Jean", 2);
    b->EquipeNational = 8;
    js.AjouteJoueur(std::move(b));
    s.SetInternational(true);
    // A third namesake of club 1 is the first one, whichever championship is current.
    TPairesIds paires;
    TJoueur* c = js.InsereJoueur(Joueur(s, "Martin", "Jean", 1), &paires);
    EXPECT_EQ(c, pa);
    EXPECT_EQ(js.NbJoueur(), 2);
    js.InsereJoueur(Joueur(s, "Martin", "Jean", 5), &paires);
    EXPECT_EQ(VerifieJoueurs(js), "");
    s.SetInternational(false);
    EXPECT_EQ(VerifieJoueurs(js), "");
    EXPECT_EQ(js.ChercheJoueurNom("Martin", "Jean")->ClubActuel, 1);
}

TEST(Joueurs, ChercheOuCreeJoueur)
{
    TSaisonFichesEssai s;
    s.AjouteEquipe("Un", 1);
    auto& js = s.Joueurs();
    EXPECT_EQ(js.ChercheOuCreeJoueur("", "x", true, 1), nullptr);
    EXPECT_EQ(js.ChercheOuCreeJoueur("   ", "x", true, 1), nullptr);
    TJoueur* p = js.ChercheOuCreeJoueur("  Henry ", " Thierry ", true, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Nom, "Henry");
    EXPECT_EQ(p->Prenom, "Thierry");
    EXPECT_EQ(p->ClubActuel, 1);
    EXPECT_EQ(p->Poste, p->PosteNouveauJoueur());
    EXPECT_EQ(p->Numero, 1);
    EXPECT_EQ(js.ChercheOuCreeJoueur("HENRY", "thierry", false, 1), p);
    const std::string longNom(300, 'n');
    TJoueur* l = js.ChercheOuCreeJoueur(longNom, "", true, 1);
    EXPECT_EQ(l->Nom.size(), 255u);

    // Not silent: the window decides.
    int appels = 0;
    InstalleDemandeJoueur([&](TSaisonFiches&, const std::string& nom, const std::string&, int equipe) -> TJoueur* {
        ++appels;
        EXPECT_EQ(nom, "Trezeguet");
        EXPECT_EQ(equipe, 1);
        return nullptr;   // the user cancelled
    });
    EXPECT_EQ(js.ChercheOuCreeJoueur("Trezeguet", "David", false, 1), nullptr);
    EXPECT_EQ(appels, 1);
    // While a document is read no window may open.
    js.SetLectureSilencieuse(true);
    TJoueur* t = js.ChercheOuCreeJoueur("Trezeguet", "David", false, 1);
    js.SetLectureSilencieuse(false);
    InstalleDemandeJoueur(nullptr);
    EXPECT_EQ(appels, 1);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(js.NbJoueur(), 3);
    EXPECT_EQ(VerifieJoueurs(js), "");
}

TEST(Joueurs, CountriesOfPlayers)
{
    TSaisonFichesEssai s;
    for (const char* n : {"A", "B", "C"}) {
        auto p = Joueur(s, n, "", 0);
        p->CodePays = n[0] == 'C' ? 2 : 1;
        s.Joueurs().AjouteJoueur(std::move(p));
    }
    EXPECT_EQ(s.Joueurs().NbJoueurPays(1), 2);
    s.Joueurs().RemplacePays(2, 1);
    EXPECT_EQ(s.Joueurs().NbJoueurPays(2), 3);
    EXPECT_EQ(s.Joueurs().NbJoueurPays(1), 0);
}

// A season where a player changes club, a team's players are removed and a
// national team changes: the list, the blocks and every reference held by the
// championships stay valid throughout.
TEST(Joueurs, MovingPlayersKeepsEveryReferenceValid)
{
    TSaisonFichesEssai s;
    RemplitSaison(s);
    s.AjouteEquipe("Equipe5", 5);
    auto& js = s.Joueurs();
    std::vector<TJoueur*> j;
    for (int g = 0; g < 6; ++g) {
        auto p = TJoueur::CreateVide(sportFootball, &s);
        RemplitJoueur(*p, g);   // clubs 1 and 2, national teams 3 and 4
        p->Prenom = "P";
        p->Nom = "Joueur" + std::to_string(g % 3);   // namesakes in both clubs
        j.push_back(js.AjouteJoueur(std::move(p)));
    }
    ASSERT_EQ(js.NbJoueur(), 6);
    ASSERT_EQ(VerifieJoueurs(js), "");
    for (TJoueur* p : j)
        s.References.push_back(p->Numero);

    // 1. A player changes club: to a club where nobody has his name.
    TJoueur* p0 = j[0];
    TJoueur* garde = p0->ChangeEquipe(5);
    EXPECT_EQ(garde, p0);
    EXPECT_EQ(js.BlocEquipe(5)->Nombre(), 1);
    EXPECT_EQ(VerifieJoueurs(js), "");

    // 2. A namesake moves to the club of his double: they merge, and every
    // reference to the dropped number now names the kept player.
    TJoueur* doublon = j[3];   // Joueur0 of club 2
    const int32_t ancien = doublon->Numero;
    garde = doublon->ChangeEquipe(5);
    EXPECT_EQ(garde, p0);
    EXPECT_EQ(js.NbJoueur(), 5);
    EXPECT_EQ(std::count(s.References.begin(), s.References.end(), ancien), 0);
    EXPECT_EQ(std::count(s.References.begin(), s.References.end(), p0->Numero), 2);
    EXPECT_EQ(VerifieJoueurs(js), "");

    // 3. A national team changes.
    TJoueur* p1 = j[1];
    js.ChangeEquipeNationale(p1, 4);
    EXPECT_EQ(p1->EquipeNational, 4);
    EXPECT_EQ(std::count(js.BlocEquipe(3)->Joueurs().begin(), js.BlocEquipe(3)->Joueurs().end(), p1), 0);
    EXPECT_EQ(std::count(js.BlocEquipe(4)->Joueurs().begin(), js.BlocEquipe(4)->Joueurs().end(), p1), 1);
    js.ChangeEquipeNationale(p1, TJoueur::Aucun);
    EXPECT_EQ(std::count(js.BlocEquipe(4)->Joueurs().begin(), js.BlocEquipe(4)->Joueurs().end(), p1), 0);
    js.ChangeEquipeNationale(p1, 3);
    EXPECT_EQ(VerifieJoueurs(js), "");

    // 4. A renamed player is filed again.
    p1->Nom = "Aaron";
    EXPECT_EQ(js.RangeJoueur(p1), p1);
    EXPECT_EQ(js.Joueur(0), p1);
    EXPECT_EQ(VerifieJoueurs(js), "");

    // 5. A team's players are removed: those of club 2 counted elsewhere
    // lose their club, the others are freed.
    for (int i = 0; i < js.NbJoueur(); ++i)
        js.Joueur(i)->SetNbMatch(1, 1);
    TJoueur* ailleurs = js.BlocEquipe(2)->Joueur(0);
    ailleurs->SetNbMatch(2, 1);
    const int avant = js.NbJoueur();
    const int dansClub2 = js.BlocEquipe(2)->Nombre();
    TPairesIds paires;
    js.RetireJoueursEquipe(2, 1, &paires);
    s.AppliqueRenumerotation(paires);
    EXPECT_EQ(js.NbJoueur(), avant - dansClub2 + 1);
    EXPECT_EQ(ailleurs->ClubActuel, TJoueur::Aucun);
    EXPECT_EQ(js.IndexJoueur(ailleurs) >= 0, true);
    EXPECT_EQ(js.BlocEquipe(2)->Nombre(), 0);
    EXPECT_EQ(VerifieJoueurs(js), "");
    // Every block entry is a live player of the list.
    for (int b = 0; b < js.NbBloc(); ++b)
        for (TJoueur* p : js.Bloc(b)->Joueurs())
            EXPECT_GE(js.IndexJoueur(p), 0);

    // 6. A whole national team is freed in an international championship.
    s.SetInternational(true);
    js.SupprimeJoueursEquipe(3);
    for (int i = 0; i < js.NbJoueur(); ++i)
        EXPECT_NE(js.Joueur(i)->EquipeNational, 3);
    s.SetInternational(false);
    for (int b = 0; b < js.NbBloc(); ++b)
        for (TJoueur* p : js.Bloc(b)->Joueurs())
            EXPECT_GE(js.IndexJoueur(p), 0);
}

TEST(Joueurs, ViderHandsThePlayersBack)
{
    TSaisonFichesEssai s;
    s.AjouteEquipe("Un", 1);
    s.Joueurs().AjouteJoueur(Joueur(s, "A", "", 1));
    auto tous = s.Joueurs().Vide();
    ASSERT_EQ(tous.size(), 1u);
    EXPECT_EQ(s.Joueurs().NbJoueur(), 0);
    EXPECT_EQ(s.Joueurs().BlocEquipe(1)->Nombre(), 0);
    // Filed again in another list of players.
    TSaisonFichesEssai s2;
    s2.AjouteEquipe("Un", 1);
    tous[0]->SetSaison(&s2);
    s2.Joueurs().AjouteJoueur(std::move(tous[0]));
    EXPECT_EQ(s2.Joueurs().BlocEquipe(1)->Nombre(), 1);
    EXPECT_EQ(VerifieJoueurs(s2.Joueurs()), "");
}

TEST(ChoixJoueur, Fields)
{
    TSaisonFichesEssai s;
    auto p = Joueur(s, "Nom", "", 1, 7);
    p->Maillot = 10;
    TChoixJoueur c(p.get(), 2);
    EXPECT_EQ(c.Texte, "Nom");
    EXPECT_EQ(c.Maillot(), 10);
    EXPECT_EQ(c.NumeroJoueur(), 7);
    EXPECT_EQ(c.Drapeau(), 2);
    TChoixJoueur vide(nullptr, 0);
    EXPECT_EQ(vide.Maillot(), 0);
    EXPECT_EQ(vide.NumeroJoueur(), 0);
    EXPECT_EQ(vide.Texte, "");
}

TEST(Joueurs, ABlockAddedLaterListsTheTeamsPlayers)
{
    TSaisonFichesEssai s;
    auto& js = s.Joueurs();
    auto p = Joueur(s, "B", "", 6);
    p->EquipeNational = 9;
    TJoueur* b = js.AjouteJoueur(std::move(p));
    TJoueur* a = js.AjouteJoueur(Joueur(s, "A", "", 6));
    EXPECT_EQ(js.BlocEquipe(6), nullptr);
    s.AjouteEquipe("Six", 6);
    s.AjouteEquipe("Neuf", 9);
    ASSERT_EQ(js.BlocEquipe(6)->Nombre(), 2);
    EXPECT_EQ(js.BlocEquipe(6)->Joueur(0), a);
    EXPECT_EQ(js.BlocEquipe(9)->Joueur(0), b);
    EXPECT_EQ(VerifieJoueurs(js), "");
    js.RetireJoueur(b);
    EXPECT_EQ(js.BlocEquipe(9)->Nombre(), 0);
    EXPECT_EQ(js.BlocEquipe(6)->Nombre(), 1);
}
