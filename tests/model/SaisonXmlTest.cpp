#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/InfoComp.h"
#include "model/ListeDonnees.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/SaisonSports.h"
#include "model/TableauCoupe.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"
#include "tests/support/SaisonBuilder.h"

using essai::Document;
using essai::Lit;
using essai::SansDate;
using essai::TSaisonComplete;

namespace {

// A root holding the season's parts, for hand-written documents.
std::string Racine(const std::string& saisonData, const std::string& championnats)
{
    return "<Gormelide>\r\n<SaisonData>\r\n" + saisonData + "</SaisonData>\r\n<Championnats>\r\n" + championnats +
           "</Championnats>\r\n</Gormelide>\r\n";
}

const char* const Equipes = "<Equipes><Equipe><ID>0</ID><Nom>Lens</Nom></Equipe>"
                            "<Equipe><ID>1</ID><Nom>Lille</Nom></Equipe></Equipes>\r\n";

// A league of teams 0 and 1 with one matchday holding the given matches.
std::string Ligue(const std::string& code, const std::string& matchs, const std::string& avant = "")
{
    return "<Championnat><CodeChamp>" + code +
           "</CodeChamp><Type TypeChamp=\"1\" TypeNational=\"1\"></Type>"
           "<NbEquipe>2</NbEquipe><NbJour>1</NbJour><NbMatch>1</NbMatch><Conversion>0-1</Conversion>" +
           avant + "<Journee Numero=\"1\">" + matchs + "</Journee></Championnat>\r\n";
}

}   // namespace

TEST(SaisonXml, WholeSeasonRoundTripsByteForByte)
{
    for (int sport : {0, 1}) {
        SCOPED_TRACE(sport);
        TSaisonComplete a(sport);
        const std::string doc1 = Document(*a.saison);
        for (const char* partie : {"<ListePays>", "<Equipes>", "<ClubPrec>", "<Entraineurs>", "<Stades>",
                                   "<RensClubs>", "<Joueurs>", "<Arbitres>", "<StatChamps>", "<OptionsSauvegarde>",
                                   "<categories>", "<DescSaison>", "<DescCompetition>", "<Barrage>", "<Compo ",
                                   "<Buteur ", "<Exclus ", "<Penalty>", "<Qualifie>", "<GroupeEquipe ", "<Penalite>"})
            EXPECT_NE(doc1.find(partie), std::string::npos) << partie;
        EXPECT_NE(doc1.find(sport == 0 ? "<Passeur " : "<Drop "), std::string::npos);

        auto b = Lit(sport, doc1);
        const std::string doc2 = Document(*b);
        EXPECT_EQ(SansDate(doc1), SansDate(doc2));

        // What the reload holds.
        TSaison& s = *b;
        EXPECT_EQ(s.Sport(), sport);
        EXPECT_EQ(s.NbEquipe(), 9);
        EXPECT_EQ(s.LogoEquipe(2), 12);
        EXPECT_EQ(s.NomEquipe(20), L1("Sélection"));
        EXPECT_EQ(s.Joueurs().NbJoueur(), 24);
        EXPECT_EQ(s.Arbitres().NbPersonnel(), 3);
        EXPECT_EQ(s.NomClubPrec(7), "Vieux <Club>");
        EXPECT_EQ(s.NbCategorie(), 2);
        EXPECT_EQ(s.OptionSauvegarde(0), 10);
        ASSERT_EQ(s.Arbre().ListeChampionnats().size(), 3u);
        ASSERT_NE(s.ChampionnatCourant(), nullptr);
        EXPECT_EQ(s.ChampionnatCourant()->CodeChamp, a.groupes->CodeChamp);
        ASSERT_EQ(s.Arbre().ListeBarrages().size(), 1u);
        EXPECT_EQ(s.Arbre().ListeBarrages()[0]->Code, 3);
        const auto donnees = s.Arbre().ListeDonneesCompetition(1);
        ASSERT_EQ(donnees.size(), 1u);
        EXPECT_EQ(donnees[0]->Arbitres, (std::vector<int32_t>{a.arbitres[0], a.arbitres[2]}));

        TDonneesChampionnat* ligue = s.Arbre().ChampionnatParCode(1);
        ASSERT_NE(ligue, nullptr);
        EXPECT_EQ(ligue->OrdreClassement, "abdc");
        EXPECT_EQ(ligue->DerniereJournee, 4);
        EXPECT_EQ(ligue->Penalites().Nombre(), a.ligue->Penalites().Nombre());
        for (int i = 0; i < ligue->Penalites().Nombre(); ++i) {
            EXPECT_EQ(ligue->Penalites().Penalite(i)->Type, a.ligue->Penalites().Penalite(i)->Type);
            EXPECT_EQ(ligue->Penalites().Penalite(i)->e1, a.ligue->Penalites().Penalite(i)->e1);
        }
        // Officials keep their places and ratings.
        const TInfoComp* m = ligue->Match(1, 1);
        ASSERT_NE(m, nullptr);
        const TInfoComp* m0 = a.ligue->Match(1, 1);
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(m->Officiel(k), m0->Officiel(k)) << k;
            EXPECT_EQ(m->NoteOfficiel(k), m0->NoteOfficiel(k)) << k;
        }
        EXPECT_EQ(m->Officiel(1), -1);
        // Every starter keeps his slot (slot 2 is empty).
        const int dom = m->IdEquipe(0);
        EXPECT_EQ(m->JoueurTitulaire(dom, 2), 0);
        EXPECT_EQ(m->JoueurTitulaire(dom, 3), m0->JoueurTitulaire(dom, 3));
        EXPECT_EQ(m->Maillot(dom, 1), 9);
        EXPECT_EQ(m->Stade(), m0->Stade());
        EXPECT_GE(m->Stade(), 1);
        // A match without a date keeps none.
        EXPECT_EQ(ligue->Match(5, 1)->DateMatch(), 0u);

        // The cup: every match of an over-full round, the sides that went through.
        TDonneesChampionnat* coupe = s.Arbre().ChampionnatParCode(a.coupe->CodeChamp);
        ASSERT_NE(coupe, nullptr);
        EXPECT_TRUE(coupe->EstCoupe());
        EXPECT_EQ(coupe->Journee(1)->NbMatchs(), 3);
        EXPECT_EQ(coupe->QualifieMatch(1, 0, 4), 1);
        EXPECT_EQ(coupe->QualifieMatch(1, 1, 5), 0);
        ASSERT_NE(coupe->Penalty(1, 0, 4), nullptr);
        EXPECT_EQ(coupe->Penalty(1, 0, 4)->s2, 5);
        EXPECT_EQ(coupe->NbMatchsSuiv(), 2);
    }
}

// Names typed with the shape of the writer's own escapes (in element texts
// and in attribute values) read back as typed after a save.
TEST(SaisonXml, NamesShapedLikeTheEscapesReadBackAsTyped)
{
    for (const char* nom : {"A##0+B", "C##1#D", "##3#", "###2##0&", "Poule #1"}) {
        SCOPED_TRACE(nom);
        TSaisonComplete a(0);
        TSaison& s = *a.saison;
        const int equipe = s.AjouteEquipe(nom);
        s.SetCategorie(7, nom, nom);
        TDonneesChampionnat* c = s.ChampionnatCourant();
        ASSERT_NE(c, nullptr);
        auto g = std::make_unique<TGroupeEquipe>();
        g->NomGroupe = nom;
        g->AjouteEquipe(c->IdEquipe(0));
        c->AjouteGroupe(std::move(g));

        auto b = Lit(0, Document(s));
        EXPECT_EQ(b->NomEquipe(equipe), nom);
        std::string lu, court;
        ASSERT_TRUE(b->Categorie(7, lu, court));
        EXPECT_EQ(lu, nom);
        EXPECT_EQ(court, nom);
        const TDonneesChampionnat* l = b->ChampionnatCourant();
        ASSERT_NE(l, nullptr);
        ASSERT_EQ(l->NbGroupes(), c->NbGroupes());
        EXPECT_EQ(l->Groupe(l->NbGroupes() - 1)->NomGroupe, nom);
    }
}

TEST(SaisonXml, ProgressReachesTheEnd)
{
    TSaisonComplete a(0);
    std::vector<int> totaux;
    TMemoryStream m;
    {
        TXmlMemoryStreamWriter x(&m, false);
        a.saison->Ecrit(x, [&](int t) { totaux.push_back(t); });
    }
    ASSERT_FALSE(totaux.empty());
    EXPECT_EQ(totaux.front(), 7);
    EXPECT_EQ(totaux.back(), 90);
    EXPECT_TRUE(std::is_sorted(totaux.begin(), totaux.end()));
}

TEST(SaisonXml, NamesFormIsReadSilently)
{
    bool demande = false;
    InstalleDemandeJoueur([&](TSaisonFiches&, const std::string&, const std::string&, int) -> TJoueur* {
        demande = true;
        return nullptr;
    });
    const std::string match =
        "<Match Numero=\"1\" Division=\"101\"><e1>Lens</e1><e2>Calais</e2><s1>2</s1><s2>1</s2>"
        "<Arbitre><Nom>Sifflet</Nom><Prenom>Marc</Prenom></Arbitre><NoteArbitre>7</NoteArbitre>"
        "<Stade><Nom>Bollaert</Nom><Ville>Lens</Ville></Stade>"
        "<Buteur Equipe=\"1\"><Joueur><Nom>Dupont</Nom><Prenom>Jean</Prenom></Joueur><Minute>12</Minute></Buteur>"
        "<Exclus Equipe=\"2\"><Nom>Durand</Nom><Prenom>Luc</Prenom></Exclus>"
        "<NbTitulaire>11</NbTitulaire><NbRemp>3</NbRemp>"
        "<Compo><Tit ID=\"1\"><Nom>Dupont</Nom><Prenom>Jean</Prenom><Note>6</Note></Tit>"
        "<Tit ID=\"2\"><Nom>Petit</Nom><Prenom>Paul</Prenom></Tit>"
        "<Rempl ID=\"12\" IdRemp=\"2\"><Nom>Grand</Nom><Prenom>Guy</Prenom><Minute>60</Minute></Rempl>"
        "<Tit ID=\"21\"><Nom>Durand</Nom><Prenom>Luc</Prenom></Tit>"
        "<Capitaine>1</Capitaine></Compo><Forfait>2</Forfait></Match>";
    auto s = Lit(0, Racine(Equipes, Ligue("1", match)));
    InstalleDemandeJoueur(nullptr);
    EXPECT_FALSE(demande);

    const int calais = s->ChercheEquipe("Calais");
    ASSERT_GE(calais, 2);
    TDonneesChampionnat* c = s->Arbre().ChampionnatParCode(1);
    ASSERT_NE(c, nullptr);
    const TInfoComp* m = c->MatchEquipes(1, 0, calais);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(c->ValeurMatch(1, 2), 2);
    const TPersonnel* arbitre = s->Arbitres().ChercheNom("Sifflet", "Marc");
    ASSERT_NE(arbitre, nullptr);
    EXPECT_EQ(m->Officiel(1), arbitre->Numero);
    EXPECT_EQ(m->NoteOfficiel(1), 7);
    const TStade* stade = s->Stades().ChercheStadeNom("Bollaert", "Lens");
    ASSERT_NE(stade, nullptr);
    EXPECT_EQ(m->Stade(), stade->Code);
    EXPECT_GE(stade->Code, 1);

    const TJoueur* dupont = s->Joueurs().ChercheJoueurNom("Dupont", "Jean");
    const TJoueur* petit = s->Joueurs().ChercheJoueurNom("Petit", "Paul");
    const TJoueur* grand = s->Joueurs().ChercheJoueurNom("Grand", "Guy");
    const TJoueur* durand = s->Joueurs().ChercheJoueurNom("Durand", "Luc");
    ASSERT_TRUE(dupont && petit && grand && durand);
    EXPECT_EQ(dupont->ClubActuel, 0);
    EXPECT_EQ(durand->ClubActuel, calais);
    EXPECT_EQ(m->JoueurTitulaire(0, 1), dupont->Numero);
    EXPECT_EQ(m->JoueurTitulaire(0, 2), petit->Numero);
    EXPECT_EQ(m->Note(0, 1), 6);
    EXPECT_EQ(m->ValeurRemplacement(0, 1, 3), grand->Numero);
    EXPECT_EQ(m->ValeurRemplacement(0, 1, 1), petit->Numero);
    EXPECT_EQ(m->ValeurRemplacement(0, 1, 5), 60);
    EXPECT_EQ(m->JoueurTitulaire(calais, 1), durand->Numero);
    EXPECT_EQ(m->Capitaine(0), dupont->Numero);
    EXPECT_TRUE(m->CompositionSaisie(0));
    EXPECT_TRUE(m->CompositionSaisie(calais));
    ASSERT_EQ(c->ListeButeurs(1)->Nombre(), 1);
    EXPECT_EQ(c->ListeButeurs(1)->Donnee(0)->IdJoueur(), dupont->Numero);
    EXPECT_EQ(c->ListeButeurs(1)->Donnee(0)->Mot(), 12);
    ASSERT_EQ(c->ListeAvertis(1)->Nombre(), 1);
    EXPECT_EQ(c->ListeAvertis(1)->Donnee(0)->Mot(), evtRouge);
    const TPenalite* p = c->Penalites().Cherche(0, calais, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->Type, etatSurTapis);
    // The players of the names form are players of the season: a save names them.
    EXPECT_NE(Document(*s).find("<ID>"), std::string::npos);
}

TEST(SaisonXml, OlderFormsAreRead)
{
    // Officials compacted with their ratings after each, a shoot-out without
    // the saved side, fewer options, a type without attributes, a matchday
    // without number, no tie-break rule, an older date of change, a crest file.
    const std::string data = "<Equipes><Equipe><ID>0</ID><Nom>Lens</Nom><Image>12.png</Image></Equipe>"
                             "<Equipe><ID>1</ID><Nom>Lille</Nom><Image>blason</Image></Equipe></Equipes>\r\n"
                             "<OptionsSauvegarde><Option>3</Option><Option>4</Option><Option>5</Option>"
                             "</OptionsSauvegarde>\r\n<LastModif>2004-03-07 10:20</LastModif>\r\n";
    const std::string coupe =
        "<Championnat><CodeChamp>4</CodeChamp><Type TypeCoupe=\"1\"></Type><NbEquipe>2</NbEquipe>"
        "<NbJour>1</NbJour><Conversion>0-1</Conversion>"
        "<Journee><Match><e1>0</e1><e2>1</e2><s1>1</s1><s2>1</s2><Arbitre>7</Arbitre><NoteArbitre>5</NoteArbitre>"
        "<Arbitre>9</Arbitre><Penalty><s1>3</s1><s2>4</s2></Penalty></Match></Journee></Championnat>\r\n";
    const std::string ligue = "<Championnat><CodeChamp>5</CodeChamp><Type></Type>"
                              "<Options><Option>1</Option><Option>2</Option></Options></Championnat>\r\n";
    auto s = Lit(0, Racine(data, "<Code>4</Code>" + coupe + ligue));
    EXPECT_EQ(s->LogoEquipe(0), 12);
    EXPECT_EQ(s->LogoEquipe(1), 0);
    EXPECT_EQ(s->OptionSauvegarde(0), 3);
    EXPECT_EQ(s->OptionSauvegarde(1), 5);
    int a, mo, j;
    DecodeDate(s->LastModif, a, mo, j);
    EXPECT_EQ(a * 10000 + mo * 100 + j, 20040307);

    TDonneesChampionnat* c = s->Arbre().ChampionnatParCode(4);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(s->ChampionnatCourant(), c);
    EXPECT_EQ(c->Types(), TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
    EXPECT_EQ(c->OrdreClassement, "ac");
    const TInfoComp* m = c->MatchEquipes(1, 0, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Officiel(1), 7);
    EXPECT_EQ(m->NoteOfficiel(1), 5);
    EXPECT_EQ(m->Officiel(2), 9);
    EXPECT_EQ(m->NoteOfficiel(2), 0);
    EXPECT_EQ(m->Officiel(3), -1);
    EXPECT_EQ(c->QualifieMatch(1, 0, 1), 1);   // the shoot-out's winner

    TDonneesChampionnat* l = s->Arbre().ChampionnatParCode(5);
    ASSERT_NE(l, nullptr);
    EXPECT_EQ(l->Types(), TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    EXPECT_EQ(l->Option(0), 1);
    EXPECT_EQ(l->Option(1), 2);
    EXPECT_EQ(l->Option(16), 4);
    EXPECT_EQ(l->Option(17), 2);
    EXPECT_EQ(l->Option(18), 2);
    EXPECT_EQ(l->Option(19), 3);
    EXPECT_EQ(static_cast<int16_t>(l->Option(22)), -2);
    EXPECT_EQ(l->OrdreClassement, "ac");
}

// Officials and their ratings in every order a file may list them: each
// rating right after its official (one without a rating having none
// written), or the ratings apart, the n-th rating rating official n.
TEST(SaisonXml, RatingsPairWithTheirOfficialsInAnyListedOrder)
{
    const struct { const char* suite; int notes[3]; } cas[] = {
        {"A7 N1 A8 N2 A9 N3", {1, 2, 3}},
        {"A7 A8 A9 N1 N2 N3", {1, 2, 3}},
        {"A7 A8 N1 N2", {1, 2, 0}},
        {"N1 N2 N3 A7 A8 A9", {1, 2, 3}},
        {"A7 A8 A9 N1 N2", {1, 2, 0}},
        {"A7 A8 N2 A9 N3", {0, 2, 3}},
        {"A7 A8 A9 N3", {0, 0, 3}},
        {"A7 N1 A8 A9", {1, 0, 0}},
        {"A7 A8 A9 N1 N2 N3 N4", {1, 2, 4}},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.suite);
        std::string match = "<Match><e1>0</e1><e2>1</e2><s1>1</s1><s2>0</s2>";
        std::istringstream mots(k.suite);
        int nbOfficiels = 0;
        for (std::string mot; mots >> mot; nbOfficiels += mot[0] == 'A')
            match += mot[0] == 'A' ? "<Arbitre>" + mot.substr(1) + "</Arbitre>"
                                   : "<NoteArbitre>" + mot.substr(1) + "</NoteArbitre>";
        auto s = Lit(0, Racine(Equipes, Ligue("1", match + "</Match>")));
        const TInfoComp* m = s->Arbre().ChampionnatParCode(1)->MatchEquipes(1, 0, 1);
        ASSERT_NE(m, nullptr);
        for (int o = 1; o <= 3; ++o) {
            EXPECT_EQ(m->Officiel(o), o <= nbOfficiels ? 6 + o : -1) << o;
            EXPECT_EQ(m->NoteOfficiel(o), k.notes[o - 1]) << o;
        }
    }
}

// A count the championship cannot hold refuses the document where it stands;
// starters beyond the line-up's slots are left out.
TEST(SaisonXml, DamagedNumbersAreRefusedExtraStartersLeftOut)
{
    std::string tits;
    for (int i = 0; i < 40; ++i)
        tits += "<Tit ID=\"" + std::to_string(100 + i) + "\"></Tit>";
    const std::string matchs = "<Match><e1>0</e1><e2>1</e2><NbTitulaire>11</NbTitulaire><NbRemp>3</NbRemp>"
                               "<Compo Equipe=\"1\">" + tits + "</Compo></Match>";
    const auto championnat = [&](const std::string& nbTitulaire, const std::string& nbEquipe, const std::string& nbJour,
                                 const std::string& journee) {
        return "<Championnat><CodeChamp>1</CodeChamp><Type TypeChamp=\"1\"></Type><NbTitulaire>" + nbTitulaire +
               "</NbTitulaire><NbEquipe>" + nbEquipe + "</NbEquipe><NbJour>" + nbJour +
               "</NbJour><Conversion>0-1</Conversion><Journee Numero=\"3\">" + matchs +
               "</Journee><Penalite><e1>0</e1><e2>1</e2><Journee>" + journee +
               "</Journee><Type>1</Type></Penalite></Championnat>";
    };
    EXPECT_EQ(essai::Refus(0, Racine(Equipes, championnat("2000000000", "2", "3", "1"))), "NbTitulaire");
    EXPECT_EQ(essai::Refus(0, Racine(Equipes, championnat("11", "100000", "3", "1"))), "NbEquipe");
    EXPECT_EQ(essai::Refus(0, Racine(Equipes, championnat("11", "2", "2147483647", "1"))), "NbJour");
    EXPECT_EQ(essai::Refus(0, Racine(Equipes, championnat("11", "2", "3", "70000"))), "Journee");
    const std::string sain = Racine(Equipes, championnat("11", "2", "3", "1"));
    EXPECT_EQ(essai::Refus(0, sain), "");
    auto s = Lit(0, sain);
    TDonneesChampionnat* ch = s->Arbre().ChampionnatParCode(1);
    ASSERT_NE(ch, nullptr);
    EXPECT_EQ(ch->Penalites().Nombre(), 1);
    const TInfoComp* m = ch->MatchEquipes(3, 0, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->NbTitulaire(), 11);
    EXPECT_EQ(m->JoueurTitulaire(0, 11), 110);
    EXPECT_EQ(m->JoueurTitulaire(0, 12), 0);
}

TEST(SaisonXml, ATeamPlayingTwiceKeepsBothMatches)
{
    TSaisonComplete a(0);
    TDonneesChampionnat& c = *a.groupes;
    ASSERT_NE(c.MatchEquipes(2, 4, 6, true, 0), nullptr);   // 4 plays 5 and 6 on matchday 2
    c.ListeButeurs(2)->Ajoute(std::make_unique<TDonneesEvt>(a.Joueurs(4)[0], 4, 10, 0));
    auto b = Lit(0, Document(*a.saison));
    TDonneesChampionnat* g = b->Arbre().ChampionnatParCode(c.CodeChamp);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Journee(2)->NbMatchs(), 2);
    EXPECT_NE(g->MatchEquipes(2, 5, 4), nullptr);
    EXPECT_NE(g->MatchEquipes(2, 4, 6), nullptr);
    EXPECT_EQ(g->ListeButeurs(2)->Nombre(), 1);   // written once, with the first match
}

// A team id given twice names the first team; an id no team can have refuses
// the document.
TEST(SaisonXml, TeamIdsOfAFileAreChecked)
{
    const std::string data = "<Equipes><Equipe><ID>0</ID><Nom>Lens</Nom></Equipe>"
                             "<Equipe><ID>0</ID><Nom>Double</Nom></Equipe>"
                             "<Equipe><ID>3</ID><Nom>Lille</Nom></Equipe></Equipes>";
    auto s = Lit(1, Racine(data, ""));
    EXPECT_EQ(s->NbEquipe(), 2);
    EXPECT_EQ(s->NomEquipe(0), "Lens");
    EXPECT_EQ(s->NomEquipe(3), "Lille");
    EXPECT_EQ(s->ProchainIdEquipe(), 4);
    for (const char* id : {"65536", "65535", "-4", "x"}) {
        const std::string autre = "<Equipes><Equipe><ID>0</ID><Nom>Lens</Nom></Equipe><Equipe><ID>" + std::string(id) +
                                  "</ID><Nom>Autre</Nom></Equipe></Equipes>";
        EXPECT_EQ(essai::Refus(1, Racine(autre, "")), "ID") << id;
    }
}

TEST(SaisonXml, TwoChampionshipsOfOneCodeAreBothKept)
{
    const std::string desc = "<DescSaison><Desc><Level>1</Level><Valeur>France</Valeur><ID>1</ID></Desc>"
                             "<Desc><Level>2</Level><Valeur>D1</Valeur><ID>2</ID></Desc>"
                             "<Desc><Level>35</Level><Valeur>D1</Valeur><ID>3</ID></Desc></DescSaison>";
    auto s = Lit(0, Racine(Equipes, "<Code>2</Code>" + desc + Ligue("2", "") + Ligue("2", "")));
    const auto liste = s->Arbre().ListeChampionnats();
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[0]->CodeChamp, 2);
    EXPECT_EQ(liste[1]->CodeChamp, 3);
    EXPECT_EQ(s->ChampionnatCourant(), liste[0]);
    EXPECT_EQ(s->Arbre().NoeudChampionnat(liste[0])->Parent()->Nom(), "D1");
}

TEST(SaisonXml, NamesakesMergedOnLoadKeepTheirReferences)
{
    // Two cards of one player (numbers 5 and 9) and of one referee (3 and 4):
    // the second of each is merged into the first, and every reference
    // follows it.
    const std::string data =
        std::string(Equipes) +
        "<Joueurs><Joueur><Nom>Dupont</Nom><Prenom>Jean</Prenom><Numero>5</Numero><ClubActuel>0</ClubActuel>"
        "</Joueur><Joueur><Nom>DUPONT</Nom><Prenom>jean</Prenom><Numero>9</Numero><ClubActuel>0</ClubActuel>"
        "</Joueur></Joueurs>\r\n<Arbitres><Personnel><Nom>Sifflet</Nom><Prenom>Marc</Prenom><Numero>3</Numero>"
        "</Personnel><Personnel><Nom>Sifflet</Nom><Prenom>Marc</Prenom><Numero>4</Numero></Personnel></Arbitres>";
    const std::string match = "<Match><e1>0</e1><e2>1</e2><s1>1</s1><s2>0</s2><Arbitre>4</Arbitre>"
                              "<Buteur Equipe=\"1\"><Joueur>9</Joueur><Minute>3</Minute></Buteur>"
                              "<NbTitulaire>11</NbTitulaire><NbRemp>3</NbRemp><Compo Equipe=\"1\">"
                              "<Tit ID=\"9\"></Tit><Capitaine>9</Capitaine></Compo></Match>";
    const std::string desc = "<DescSaison><Desc><Level>1</Level><Valeur>F</Valeur><ID>1</ID></Desc>"
                             "<Desc><Level>2</Level><Valeur>D</Valeur><ID>2</ID></Desc>"
                             "<Desc><Level>19</Level><Valeur>D</Valeur><ID>3</ID></Desc></DescSaison>"
                             "<DescCompetition><Code>1</Code><Arbitres><ID>4</ID></Arbitres></DescCompetition>";
    auto s = Lit(0, Racine(data, desc + Ligue("1", match)));
    EXPECT_EQ(s->Joueurs().NbJoueur(), 1);
    EXPECT_EQ(s->Arbitres().NbPersonnel(), 1);
    TDonneesChampionnat* c = s->Arbre().ChampionnatParCode(1);
    ASSERT_NE(c, nullptr);
    const TInfoComp* m = c->MatchEquipes(1, 0, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Officiel(1), 3);
    EXPECT_EQ(c->ListeButeurs(1)->Donnee(0)->IdJoueur(), 5);
    EXPECT_EQ(m->JoueurTitulaire(0, 1), 5);
    EXPECT_EQ(m->Capitaine(0), 5);
    const auto donnees = s->Arbre().ListeDonneesCompetition(1);
    ASSERT_EQ(donnees.size(), 1u);
    EXPECT_EQ(donnees[0]->Arbitres, std::vector<int32_t>{3});
}

// Namesakes the model would make one (two cards of one club read from a
// document; a card moved into the club of its namesake; the season written
// and read again after either) stay two players when they stood in the two
// teams of one match, and become one otherwise. Lens - Lille: Dupont Jean 5
// started for Lens; his namesake 9 started for Lille, or scored for Lens.
TEST(SaisonXml, NamesakesWhoMetAreNeverMerged)
{
    enum TChemin { Lecture, ChangeClub };
    struct TCas
    {
        TChemin chemin;
        bool rencontre;   // 9 played for Lille
    };
    for (const TCas c : {TCas{Lecture, true}, TCas{Lecture, false}, TCas{ChangeClub, true}, TCas{ChangeClub, false}}) {
        SCOPED_TRACE(testing::Message() << "road " << c.chemin << " met " << c.rencontre);
        const std::string club9 = c.chemin == Lecture ? "0" : "1";
        const std::string data =
            std::string(Equipes) +
            "<Joueurs><Joueur><Nom>Dupont</Nom><Prenom>Jean</Prenom><Numero>5</Numero><ClubActuel>0</ClubActuel>"
            "</Joueur><Joueur><Nom>Dupont</Nom><Prenom>Jean</Prenom><Numero>9</Numero><ClubActuel>" +
            club9 + "</ClubActuel></Joueur></Joueurs>\r\n";
        const std::string neuf = c.rencontre ? "<Compo Equipe=\"2\"><Tit ID=\"9\"></Tit></Compo>"
                                             : "<Buteur Equipe=\"1\"><Joueur>9</Joueur><Minute>3</Minute></Buteur>";
        const std::string match = "<Match><e1>0</e1><e2>1</e2><s1>1</s1><s2>0</s2><NbTitulaire>11</NbTitulaire>"
                                  "<NbRemp>3</NbRemp><Compo Equipe=\"1\"><Tit ID=\"5\"></Tit></Compo>" +
                                  neuf + "</Match>";
        const std::string desc = "<DescSaison><Desc><Level>1</Level><Valeur>F</Valeur><ID>1</ID></Desc>"
                                 "<Desc><Level>2</Level><Valeur>D</Valeur><ID>2</ID></Desc>"
                                 "<Desc><Level>19</Level><Valeur>D</Valeur><ID>3</ID></Desc></DescSaison>";
        auto s = Lit(0, Racine(data, desc + Ligue("1", match)));
        ASSERT_NE(s->Arbre().ChampionnatParCode(1), nullptr);
        TSaison::TMatchAdverses m;
        EXPECT_EQ(s->MatchAdverses(5, 9, &m), c.rencontre);
        if (c.chemin == ChangeClub) {
            ASSERT_EQ(s->Joueurs().NbJoueur(), 2);
            TJoueur* j = s->Joueurs().ChercheJoueur(9, -1);
            ASSERT_NE(j, nullptr);
            j->ChangeEquipe(0);
        }
        // The season as it stands, then as written and read again.
        for (int tour = 0; tour < 2; ++tour) {
            SCOPED_TRACE(tour);
            if (tour == 1)
                s = Lit(0, essai::Document(*s));
            TDonneesChampionnat* ch = s->Arbre().ChampionnatParCode(1);
            ASSERT_NE(ch, nullptr);
            const TInfoComp* x = ch->MatchEquipes(1, 0, 1);
            ASSERT_NE(x, nullptr);
            EXPECT_EQ(x->JoueurTitulaire(0, 1), 5);
            if (c.rencontre) {
                EXPECT_EQ(s->Joueurs().NbJoueur(), 2);
                EXPECT_EQ(x->JoueurTitulaire(1, 1), 9);
                EXPECT_TRUE(s->MatchAdverses(5, 9));
            } else {
                EXPECT_EQ(s->Joueurs().NbJoueur(), 1);
                EXPECT_EQ(ch->ListeButeurs(1)->Donnee(0)->IdJoueur(), 5);
            }
        }
    }
}

// Two players who met cannot be merged: the refusal names their match, a
// league's by its matchday, a cup's by its round, in each language.
TEST(Saison, MergeRefusalNamesACupsMatchByItsRound)
{
    struct Cas
    {
        const char* langue;
        bool coupe;
        std::string match;
    } cas[] = {
        {"en", false, "Coupe, matchday 1: Lille - Metz"},
        {"fr", false, L1("Coupe, journée 1 : Lille - Metz")},
        {"en", true, "Coupe, Semi-finals: Lille - Metz"},
        {"fr", true, L1("Coupe, Demi-finales : Lille - Metz")},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.langue) + (c.coupe ? " cup" : " league"));
        InstalleTraducteur(
            std::make_unique<TTraducteur>(std::string(BZ_SOURCE_DIR) + "/data/texte/Texte" + c.langue + ".txt"));
        auto s = TMultiSport::CreeSaison(0);
        auto ch = s->CreeChampionnat((c.coupe ? TDonneesChampionnat::TypeCoupe : TDonneesChampionnat::TypeChamp) |
                                         TDonneesChampionnat::TypeNational, 0);
        ch->OptionsParDefaut();
        ch->CodeChamp = 1;
        for (const char* nom : {"Lille", "Metz", "Nancy", "Reims"})
            ch->AjouteEquipe(s->AjouteEquipe(nom));
        if (c.coupe) {
            const TInfoTourCoupe tours[] = {{2, 2, 1}, {1, 1, 1}};
            ch->CreeToursCoupe(tours);
        } else {
            ch->SetNbMatch(2);
            ch->SetNbJournees(6);
        }
        TInfoComp* m = ch->CreeMatch(1, 0, 1, 1, 0);
        ch->NbJournee = 1;
        s->Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(ch), "France");
        TJoueur* a = s->Joueurs().AjouteJoueur(s->CreeJoueur("Dupont", "Jean", -1, 0));
        TJoueur* b = s->Joueurs().AjouteJoueur(s->CreeJoueur("Durand", "Luc", -1, 1));
        m->SetNbTitulaire(11);
        m->SetJoueurTitulaire(0, 1, a->Numero);
        m->SetJoueurTitulaire(1, 1, b->Numero);
        const std::string refus = s->RefusFusion(*a, *b);
        EXPECT_NE(refus.find(c.match), std::string::npos) << refus;
    }
    InstalleTraducteur(nullptr);
}

TEST(Saison, RenumberingSwappedIdsKeepsNamesAndSquads)
{
    TSaisonComplete a(0);
    TSaison& s = *a.saison;
    TDonneesChampionnat& c = *a.ligue;   // positions 0..3 hold ids 0..3
    c.SetIdEquipe(0, 1);
    c.SetIdEquipe(1, 0);
    const auto squad0 = a.Joueurs(0), squad1 = a.Joueurs(1);
    s.RenumeroteEquipes(c);
    EXPECT_EQ(c.IdEquipe(0), 0);
    EXPECT_EQ(c.IdEquipe(1), 1);
    EXPECT_EQ(s.NomEquipe(0), "Lille");
    EXPECT_EQ(s.NomEquipe(1), "Lens");
    auto trie = [](std::vector<int32_t> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(trie(a.Joueurs(0)), trie(squad1));
    EXPECT_EQ(trie(a.Joueurs(1)), trie(squad0));
    EXPECT_EQ(s.Joueurs().NbJoueur(), 24);
}

TEST(Saison, NavigationNeedsACurrentChampionship)
{
    TSaisonComplete a(1);
    TSaison& s = *a.saison;
    s.SetChampionnatCourant(nullptr);
    EXPECT_EQ(s.ChampionnatSuivant(), nullptr);
    EXPECT_EQ(s.ChampionnatPrecedent(), nullptr);
    ASSERT_TRUE(s.SelectionneChampionnat(a.ligue->CodeChamp));
    EXPECT_EQ(s.ChampionnatSuivant(), a.groupes);
    EXPECT_EQ(s.ChampionnatPrecedent(), nullptr);
    EXPECT_FALSE(s.SelectionneChampionnat(999));
    EXPECT_EQ(s.ChampionnatCourant(), a.ligue);
    s.SetChampionnatCourant(a.coupe);
    EXPECT_EQ(s.ChampionnatSuivant(), nullptr);
    EXPECT_EQ(s.ListeCodesDivision(0).size(), 2u);
}

TEST(Saison, PreviousClubsAndStatisticsNames)
{
    auto s = TMultiSport::CreeSaison(0);
    EXPECT_EQ(s->ChercheClubPrec("", true), 0);
    EXPECT_EQ(s->AjouteClubPrec("Ajax", -1), 1);
    EXPECT_EQ(s->AjouteClubPrec("PSV", 10), 10);
    EXPECT_EQ(s->ChercheClubPrec("ajax", false), 1);
    EXPECT_EQ(s->ChercheClubPrec("Feyenoord", false), -1);
    EXPECT_EQ(s->ChercheClubPrec("Feyenoord", true), 11);
    int32_t id;
    std::string nom;
    s->ClubPrecIndex(5, id, nom);
    EXPECT_EQ(id, -1);
    s->AjouteStatChamp("Ligue", 0x00650005);
    EXPECT_EQ(s->NomStatChamp(5), "Ligue");
    EXPECT_EQ(s->StatChamp(0)->Objet, 0x00650005u);
}

// What the season holds is what a document written from it reads back: the
// same players (namesakes held apart included), names without blanks at
// their ends, and no player or category dropped while records name it. Each
// row reads a document, changes the season, then writes it, reads it again
// and writes the same document.
TEST(SaisonXml, WhatTheSeasonHoldsReadsBackAlike)
{
    const std::string desc = "<DescSaison><Desc><Level>1</Level><Valeur>F</Valeur><ID>1</ID></Desc>"
                             "<Desc><Level>2</Level><Valeur>D</Valeur><ID>2</ID></Desc>"
                             "<Desc><Level>19</Level><Valeur>D</Valeur><ID>3</ID></Desc></DescSaison>";
    auto joueur = [](const std::string& nom, int numero, int club) {
        return "<Joueur><Nom>" + nom + "</Nom><Prenom>Jean</Prenom><Numero>" + IntToStr(numero) +
               "</Numero><ClubActuel>" + IntToStr(club) + "</ClubActuel></Joueur>";
    };
    // Lens (in category 2) - Lille: 5 starts for Lens, 9 for Lille.
    const std::string ligue = Ligue("1",
                                    "<Match><e1>0</e1><e2>1</e2><NbTitulaire>11</NbTitulaire><NbRemp>3</NbRemp>"
                                    "<Compo Equipe=\"1\"><Tit ID=\"5\"></Tit></Compo>"
                                    "<Compo Equipe=\"2\"><Tit ID=\"9\"></Tit></Compo></Match>",
                                    "<categorie>2-0</categorie>");
    const std::string deux = joueur("Dupont", 5, 0) + joueur("Durand", 9, 1);
    auto renomme = [](TSaison& s, const char* nom) {
        s.Joueurs().ChercheJoueur(9, -1)->Nom = nom;
        s.Joueurs().RangeJoueur(s.Joueurs().ChercheJoueur(9, -1));
    };
    struct TCas
    {
        const char* nom;
        std::string joueurs, categories;
        std::function<void(TSaison&)> change, verifie;   // verifie: on the season read again
        std::string championnat = {};                     // empty: the league
        std::string equipes = {};                         // the season's teams beside Lens and Lille
    };
    // A single-match final of teams 0 and 1 played as given.
    auto finale = [](const std::string& match) {
        return "<Championnat><CodeChamp>1</CodeChamp><Type TypeCoupe=\"1\"></Type><ToursCoupe><TourCoupe>"
               "<nTour>1</nTour><TypeMatch>1</TypeMatch><NbMatch>1</NbMatch></TourCoupe></ToursCoupe>"
               "<NbEquipe>2</NbEquipe><NbJour>1</NbJour><NbMatch>1</NbMatch><Conversion>0-1</Conversion>"
               "<Journee Numero=\"1\"><Match><e1>0</e1><e2>1</e2>" + match + "</Match></Journee></Championnat>\r\n";
    };
    auto match = [](TSaison& s) { return s.Arbre().ChampionnatParCode(1)->MatchEquipes(1, 0, 1); };
    auto otes = [&](TSaison& s) {
        std::vector<std::string> v;
        for (const TInfoComp::TTirsOtes& t : match(s)->TirsOtes())
            v.push_back(IntToStr(t.Tirs >> 16) + "-" + IntToStr(t.Tirs & 0xFF) + " for " + IntToStr(t.Domicile) + "-" +
                        IntToStr(t.Exterieur));
        return v;
    };
    // Single-match semi-finals of teams 0 - 1 and 2 - 3 (the first as given,
    // the second 2-0), the final holding team 1, the side an older version
    // sent through on a level shoot-out, against team 2 (played as given).
    auto demies = [](const std::string& demie, const std::string& finale) {
        return "<Championnat><CodeChamp>1</CodeChamp><Type TypeCoupe=\"1\"></Type><ToursCoupe><TourCoupe>"
               "<nTour>2</nTour><TypeMatch>1</TypeMatch><NbMatch>2</NbMatch></TourCoupe><TourCoupe><nTour>1</nTour>"
               "<TypeMatch>1</TypeMatch><NbMatch>1</NbMatch></TourCoupe></ToursCoupe><NbEquipe>4</NbEquipe>"
               "<NbJour>2</NbJour><NbMatch>2</NbMatch><Conversion>0-1-2-3</Conversion>"
               "<Options><Option>0</Option><Option>2</Option></Options><Journee Numero=\"1\"><Match><e1>0</e1><e2>1</e2>" + demie + "</Match><Match><e1>2</e1><e2>3</e2>"
               "<s1>2</s1><s2>0</s2><Qualifie>1</Qualifie></Match></Journee><Journee Numero=\"2\"><Match><e1>1</e1>"
               "<e2>2</e2>" + finale + "</Match></Journee></Championnat>\r\n";
    };
    const std::string quatre = "<Equipe><ID>2</ID><Nom>Metz</Nom></Equipe><Equipe><ID>3</ID><Nom>Nancy</Nom></Equipe>";
    // The first semi-final given the score sh - sa and the shoot-out tirs,
    // every question answered Yes: the played matches it names.
    auto demie = [](TSaison& s, int sh, int sa, uint32_t tirs, std::vector<TMatchRemplace> nommes) {
        TDonneesChampionnat& c = *s.Arbre().ChampionnatParCode(1);
        TChangementCoupe x = ChangementScore(c, 1, 0, sh, sa);
        ASSERT_FALSE(x.Apres.empty() || x.Apres[0].empty());
        x.Apres[0][0].TirsAuBut = tirs;
        RegleScore(c, x.Apres, 1, x.Apres[0][0]);
        const TPeseeCoupe p = ChangeCoupe(c, x, [](const TPeseeCoupe&) { return true; });
        EXPECT_TRUE(p.Faite);
        EXPECT_EQ(p.Nommes, nommes);
    };
    // Its winner in the final, in the place of the side that did not win.
    auto finaleDe = [](TSaison& s, int h, int a) {
        const TDonneesChampionnat& c = *s.Arbre().ChampionnatParCode(1);
        EXPECT_EQ(c.QualifieMatch(1, 0, 1), 0);
        ASSERT_EQ(c.NbMatchJournee(2), 1);
        const TInfoComp* m = c.Journee(2)->Match(0);
        EXPECT_EQ(m->IdEquipe(0), h);
        EXPECT_EQ(m->IdEquipe(1), a);
        EXPECT_FALSE(m->ScoresSaisis());
        EXPECT_TRUE(EcartsTableau(c, MatchsCoupe(c)).empty());
    };
    const TCas cas[] = {
        {"namesakes who met, the meeting cleared after the move", joueur("Dupont", 5, 0) + joueur("Dupont", 9, 1), "",
         [](TSaison& s) {
             s.Joueurs().ChercheJoueur(9, -1)->ChangeEquipe(0);
             s.Arbre().ChampionnatParCode(1)->MatchEquipes(1, 0, 1)->SetJoueurTitulaire(1, 1, 0);
         },
         [](TSaison& s) { EXPECT_EQ(s.Joueurs().NbJoueur(), 2); }},
        {"a team renamed with blanks around", deux, "", [](TSaison& s) { s.RenommeEquipe(1, " Lyon  "); },
         [](TSaison& s) { EXPECT_EQ(s.NomEquipe(1), "Lyon"); }},
        {"a player renamed as his namesake, a blank after", joueur("Dupont", 5, 0) + joueur("Dupond", 9, 0), "",
         [&](TSaison& s) {
             s.Arbre().ChampionnatParCode(1)->MatchEquipes(1, 0, 1)->SetJoueurTitulaire(1, 1, 0);
             renomme(s, "Dupont ");
         },
         [](TSaison& s) { EXPECT_EQ(s.Joueurs().NbJoueur(), 1); }},
        {"a player renamed blank, named by a line-up", deux, "", [&](TSaison& s) { renomme(s, "   "); },
         [](TSaison& s) {
             const TJoueur* j = s.Joueurs().ChercheJoueur(9, -1);
             EXPECT_TRUE(j && !Trim(j->Nom).empty());
         }},
        {"a file's blank player named by a line-up, and one named by nothing",
         joueur("Dupont", 5, 0) + joueur("  ", 9, 1) + joueur("", 12, 1), "", [](TSaison&) {},
         [](TSaison& s) {
             EXPECT_EQ(s.Joueurs().NbJoueur(), 2);
             EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->MatchEquipes(1, 0, 1)->JoueurTitulaire(1, 1), 9);
         }},
        {"a file's unnamed category that a team is in, and one no team is in", deux,
         "<categories><categorie ID=\"2\"><nom> </nom></categorie><categorie ID=\"3\"><nom></nom></categorie>"
         "</categories>", [](TSaison&) {},
         [](TSaison& s) { EXPECT_EQ(std::make_pair(s.NomCategorie(2).empty(), s.NbCategorie()), std::make_pair(false, 1)); }},
        {"an older file's club mates never met, named apart by an end blank", deux + joueur("Dupont ", 12, 0), "",
         [](TSaison&) {}, [](TSaison& s) { EXPECT_EQ(s.Joueurs().NbJoueur(), 3); }},
        {"an older file's club mates never met, named apart by a leading blank",
         deux + joueur(" Dupont", 12, 0), "", [](TSaison&) {},
         [](TSaison& s) { EXPECT_EQ(s.Joueurs().NbJoueur(), 3); }},
        {"texts the season keeps with their blanks", deux, "",
         [](TSaison& s) {
             s.Stades().NouveauStade(" Gerland", "  Lyon");
             s.Stades().NouveauStade("Gerland", "Lyon");
             s.Entraineurs().AjoutePersonnel(std::make_unique<TEntraineur>(-1, 50, " Guy", " Roux"));
             s.Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 40, "Pierluigi", " Collina"));
             s.RensClubs().NouveauRensClub(0)->Remarque = "  fond\u00e9 en 1906";
             s.Arbre().ChampionnatParCode(1)->MatchEquipes(1, 0, 1)->SetCommentaire(" Beau match");
         },
         [](TSaison& s) {
             ASSERT_EQ(s.Stades().NbStade(), 2);
             EXPECT_EQ(s.Stades().Stade(0)->NomStade, " Gerland");
             EXPECT_EQ(s.Stades().Stade(0)->Ville, "  Lyon");
             EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->MatchEquipes(1, 0, 1)->Commentaire(), " Beau match");
         }},
        // A level shoot-out decides nothing: read as none, with the side
        // through it gave, in the match's own element or kept aside.
        {"a file's level shoot-out of a drawn final and the side it sent through", deux, "", [](TSaison&) {},
         [&](TSaison& s) {
             EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->Penalty(1, 0, 1), nullptr);
             EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->QualifieMatch(1, 0, 1), 2);
         },
         finale("<s1>1</s1><s2>1</s2><Penalty><s1>4</s1><s2>4</s2></Penalty><Qualifie>2</Qualifie>")},
        {"a file's level shoot-out of the older form, without the side through", deux, "", [](TSaison&) {},
         [&](TSaison& s) {
             EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->Penalty(1, 0, 1), nullptr);
             EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->QualifieMatch(1, 0, 1), 2);
         },
         finale("<s1>2</s1><s2>2</s2><Penalty><s1>0</s1><s2>0</s2></Penalty>")},
        {"a file's level shoot-out kept aside for a draw, beside a sound one", deux, "", [](TSaison&) {},
         [&](TSaison& s) {
             EXPECT_EQ(otes(s), std::vector<std::string>{"5-3 for 2-2"});
             EXPECT_EQ(match(s)->TirsPourScore(0, 1, 1), 0u);
         },
         finale("<s1>2</s1><s2>1</s2><TirsRetires><s1>4</s1><s2>4</s2><Score1>1</Score1><Score2>1</Score2>"
                "</TirsRetires><TirsRetires><s1>5</s1><s2>3</s2><Score1>2</Score1><Score2>2</Score2></TirsRetires>")},
        {"a shoot-out a draw typed over another kept, with the score it was entered for", deux, "", [](TSaison&) {},
         [&](TSaison& s) {
             ASSERT_NE(s.Arbre().ChampionnatParCode(1)->Penalty(1, 0, 1), nullptr);
             EXPECT_EQ(match(s)->ScoreTirs(0), 1);
             EXPECT_EQ(match(s)->ScoreTirs(1), 1);
             EXPECT_EQ(otes(s), std::vector<std::string>{});
         },
         finale("<s1>2</s1><s2>2</s2><Penalty><s1>4</s1><s2>5</s2><Score1>1</Score1><Score2>1</Score2></Penalty>"
                "<TirsRetires><s1>3</s1><s2>2</s2><Score1>1</Score1><Score2>1</Score2></TirsRetires>")},
        // Many kept aside, read in one pass: one a score, the last one of a
        // score where it was last kept aside; a level one is none.
        {"a file's many shoot-outs kept aside, a score given twice", deux, "", [](TSaison&) {},
         [&](TSaison& s) {
             const std::vector<std::string> v = otes(s);
             ASSERT_EQ(v.size(), 3000u);
             EXPECT_EQ(v.front(), "5-3 for 2-0");
             EXPECT_EQ(v[2997], "5-3 for 99-29");
             EXPECT_EQ(v[2998], "9-8 for 0-0");
             EXPECT_EQ(v.back(), "4-2 for 1-0");
         },
         finale("<s1>2</s1><s2>1</s2>" + [] {
             std::string t;
             auto tirs = [&t](int a, int b, int h, int e) {
                 t += "<TirsRetires><s1>" + IntToStr(a) + "</s1><s2>" + IntToStr(b) + "</s2><Score1>" + IntToStr(h) +
                      "</Score1><Score2>" + IntToStr(e) + "</Score2></TirsRetires>";
             };
             for (int i = 0; i < 3000; ++i)
                 tirs(5, 3, i % 100, i / 100);
             tirs(9, 8, 0, 0);
             tirs(6, 6, 2, 0);
             tirs(4, 2, 1, 0);
             return t;
         }())},
        // A draw whose own shoot-out is level holds the one kept aside for
        // it, and the side that one sends through.
        {"a file's level shoot-out of a draw with one kept aside for that draw", deux, "", [](TSaison&) {},
         [&](TSaison& s) {
             const TPenaltyTab* p = s.Arbre().ChampionnatParCode(1)->Penalty(1, 0, 1);
             ASSERT_NE(p, nullptr);
             EXPECT_EQ(p->s1, 5);
             EXPECT_EQ(p->s2, 3);
             EXPECT_EQ(s.Arbre().ChampionnatParCode(1)->QualifieMatch(1, 0, 1), 0);
             EXPECT_EQ(otes(s), std::vector<std::string>{});
         },
         finale("<s1>1</s1><s2>1</s2><Penalty><s1>4</s1><s2>4</s2></Penalty><TirsRetires><s1>5</s1><s2>3</s2>"
                "<Score1>1</Score1><Score2>1</Score2></TirsRetires><Qualifie>2</Qualifie>")},
        // A semi-final an older version left level on a 4-4, the final
        // holding the side it sent: the real shoot-out sends its winner
        // there, the final played named first.
        {"a level semi-final's real shoot-out replaces the final played by the side it did not send", deux, "",
         [&](TSaison& s) { demie(s, 1, 1, (5u << 16) + 4, {{2, 1, 2}}); }, [&](TSaison& s) { finaleDe(s, 0, 2); },
         demies("<s1>1</s1><s2>1</s2><Penalty><s1>4</s1><s2>4</s2></Penalty><Qualifie>2</Qualifie>",
                "<s1>2</s1><s2>0</s2><Qualifie>1</Qualifie>"),
         quatre},
        // The same final, the semi-final won 2-1 by team 0 though the file
        // flags team 1 through: retyped 3-1, it sends its winner there.
        {"a semi-final retyped sends its winner to the final in the place of its loser", deux, "",
         [&](TSaison& s) { demie(s, 3, 1, 0, {}); }, [&](TSaison& s) { finaleDe(s, 0, 2); },
         demies("<s1>2</s1><s2>1</s2><Qualifie>2</Qualifie>", ""), quatre},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.nom);
        std::string equipes = Equipes;
        equipes.insert(equipes.find("</Equipes>"), c.equipes);
        auto s = Lit(0, Racine(equipes + "<Joueurs>" + c.joueurs + "</Joueurs>\r\n" + c.categories,
                               desc + (c.championnat.empty() ? ligue : c.championnat)));
        c.change(*s);
        const std::string premier = Document(*s);
        auto relu = Lit(0, premier);
        EXPECT_EQ(Document(*relu), premier);
        c.verifie(*s);
        c.verifie(*relu);
    }
}
