#include <gtest/gtest.h>

#include "model/LectureParametre.h"
#include "platform/rtl/Strings.h"
#include "tests/model/Outils.h"

namespace {
const char* Modele =
    "<config>\r\n"
    "<championnat Id=\"1\">\r\n"
    "<nom>France</nom>\r\n"
    "<divis Id=\"5\">\r\n"
    "<nEquipe>20</nEquipe>\r\n"
    "<nChampLigue>3</nChampLigue>\r\n"
    "<nEuropeen>2</nEuropeen>\r\n"
    "<nPromu>0</nPromu>\r\n"
    "<nRelegue>3</nRelegue>\r\n"
    "<nBarragePromu>1</nBarragePromu>\r\n"
    "<nBarrageRelegue>2</nBarrageRelegue>\r\n"
    "<nom>Ligue 1</nom>\r\n"
    "<NomFichier>ligue1.xmd</NomFichier>\r\n"
    "<typejournee>DATE</typejournee>\r\n"
    "<playoff> a ; ;b;;  c d ;</playoff>\r\n"
    "</divis>\r\n"
    "<divis Id=\"10005\">\r\n"
    "<nom>National</nom>\r\n"
    "<NomGroupe>National ##3# groupes</NomGroupe>\r\n"
    "<nGroupe>2</nGroupe>\r\n"
    "<PtsVictoire>4</PtsVictoire>\r\n"
    "<PtsNul>2</PtsNul>\r\n"
    "<PtsDefaite>1</PtsDefaite>\r\n"
    "<division Id=\"A\">1</division>\r\n"
    "<division Id=\"B\">2</division>\r\n"
    "<typejournee>journee</typejournee>\r\n"
    "</divis>\r\n"
    "<divis Id=\"3\" />\r\n"
    "<inconnu>\r\n<nom>cache</nom>\r\n</inconnu>\r\n"
    "<nom>France bis</nom>\r\n"
    "</championnat>\r\n"
    "<championnat Id=\"2\">\r\n"
    "<divis Id=\"7\">\r\n<nom>Sans modele</nom>\r\n</divis>\r\n"
    "</championnat>\r\n"
    "<autre>\r\n<championnat Id=\"9\">\r\n<nom>cache</nom>\r\n</championnat>\r\n</autre>\r\n"
    "<championnat Id=\"0\">\r\n"
    "<nom>Divers</nom>\r\n"
    "<divis Id=\"10002\">\r\n<nom>Coupe 2</nom>\r\n</divis>\r\n"
    "<divis Id=\"10001\">\r\n<nom>Coupe</nom>\r\n</divis>\r\n"
    "</championnat>\r\n"
    "</config>\r\n";
}   // namespace

TEST(Modeles, ReadsDivisionsAndDefaults)
{
    DossierTemp d;
    TLectureParam p(d.Ecrit("Championnatfoot.fr", Modele));
    // The template without a name is not listed; a second name renames.
    ASSERT_EQ(p.NbChampionnat(), 2);
    EXPECT_EQ(p.Championnat(0)->Nom, "France bis");
    EXPECT_EQ(p.Championnat(0)->Id, 1);
    EXPECT_EQ(p.Championnat(1)->Nom, "Divers");
    EXPECT_EQ(p.Championnat(2), nullptr);
    EXPECT_EQ(p.Championnat(-1), nullptr);

    const TCfgChampionnat& f = *p.Championnat(0);
    ASSERT_EQ(f.NbDivision(), 3);
    EXPECT_EQ(f.Division(0)->Code, 3);
    EXPECT_EQ(f.Division(1)->Code, 5);
    EXPECT_EQ(f.Division(2)->Code, 10005);
    EXPECT_EQ(f.CodeMin(), 3);
    EXPECT_EQ(f.CodeMax(), 5);

    EXPECT_EQ(p.NbEquipeDivision(5), 20);
    EXPECT_EQ(p.NbChampLigue(5), 3);
    EXPECT_EQ(p.NbEuropeen(5), 2);
    EXPECT_EQ(p.NbPromu(5), 0);
    EXPECT_EQ(p.NbRelegue(5), 3);
    EXPECT_EQ(p.NbBarragePromu(5), 1);
    EXPECT_EQ(p.NbBarrageRelegue(5), 2);
    EXPECT_EQ(p.ValeurDivision(5, 8, 77), 0);
    EXPECT_EQ(p.TypeJournee(5), 1);
    EXPECT_EQ(p.TypeJournee(10005), 0);
    EXPECT_EQ(p.NomFichierDivision(5), "ligue1.xmd");
    EXPECT_EQ(p.NomDivision(5), "Ligue 1");
    EXPECT_EQ(p.NomAfficheDivision(5), "Ligue 1");
    EXPECT_EQ(p.NomCompletDivision(5), "France bis : Ligue 1");
    EXPECT_EQ(p.NomChampionnat(5), "France bis");
    EXPECT_EQ(p.IdChampionnat(5), 1);
    EXPECT_EQ(p.IndexChampionnat(5), 0);

    // Codes above 10000 are looked up in the range of code - 10000.
    EXPECT_EQ(p.NomAfficheDivision(10005), "National + groupes");
    EXPECT_EQ(p.NbGroupeDivision(10005), 2);
    int v, n, df;
    p.PointsDivision(10005, v, n, df);
    EXPECT_EQ((std::vector<int>{v, n, df}), (std::vector<int>{4, 2, 1}));
    const TStringList* sous = p.ListeDivision(10005);
    ASSERT_NE(sous, nullptr);
    ASSERT_EQ(sous->Count(), 2);
    EXPECT_EQ(sous->Strings(1), "B");
    EXPECT_EQ(sous->Objects(1), 2);
    EXPECT_EQ(p.ListeDivision(5)->Count(), 0);

    // An empty division keeps every default; a missing one gives the fallbacks.
    p.PointsDivision(3, v, n, df);
    EXPECT_EQ((std::vector<int>{v, n, df}), (std::vector<int>{3, 1, 0}));
    EXPECT_EQ(p.NbEquipeDivision(3), 0);
    p.PointsDivision(99, v, n, df);
    EXPECT_EQ((std::vector<int>{v, n, df}), (std::vector<int>{3, 1, 0}));
    EXPECT_EQ(p.NbEquipeDivision(99), 18);
    EXPECT_EQ(p.NbPromu(99), 0);
    EXPECT_EQ(p.ValeurDivision(99, 3, -5), -5);
    EXPECT_EQ(p.DivisionParCode(99), nullptr);
    EXPECT_EQ(p.IndexChampionnat(99), -1);
    EXPECT_EQ(p.IdChampionnat(99), 0);
    EXPECT_EQ(p.NomCompletDivision(99), "");
    EXPECT_EQ(p.ListeDivision(99), nullptr);
    EXPECT_EQ(p.ListePlayoff(99), nullptr);
    EXPECT_EQ(p.DivisionParCode(7), nullptr);   // its template has no name
}

TEST(Modeles, CodesAllAbove10000)
{
    DossierTemp d;
    TLectureParam p(d.Ecrit("m.fr", Modele));
    const TCfgChampionnat& c = *p.Championnat(1);
    EXPECT_EQ(c.CodeMin(), 1);
    EXPECT_EQ(c.CodeMax(), 2);
    EXPECT_EQ(c.Division(0)->Code, 10001);
    EXPECT_EQ(p.NomDivision(10002), "Coupe 2");
    EXPECT_EQ(p.IndexChampionnat(10001), 1);
    EXPECT_EQ(p.IdChampionnat(10001), 0);
    EXPECT_EQ(p.DivisionParCode(2), nullptr);
}

TEST(Modeles, PlayoffsTemplatesAndLists)
{
    DossierTemp d;
    TLectureParam p(d.Ecrit("m.fr", Modele));
    auto po = p.ListePlayoff(5);
    ASSERT_NE(po, nullptr);
    ASSERT_EQ(po->Count(), 3);
    EXPECT_EQ(po->Strings(0), "a");
    EXPECT_EQ(po->Strings(1), "b");
    EXPECT_EQ(po->Strings(2), "c d");
    EXPECT_EQ(p.ListePlayoff(3)->Count(), 0);

    EXPECT_EQ(p.ChampionnatParId(1)->Nom, "France bis");
    EXPECT_EQ(p.ChampionnatParId(2), nullptr);
    EXPECT_EQ(p.NomChampionnatParId(1), "France bis");
    EXPECT_EQ(p.NomChampionnatParId(2), "Divers");   // falls back to id 0
    EXPECT_EQ(p.ChampionnatParCode(4)->Id, 1);
    EXPECT_EQ(p.ChampionnatParCode(10005), nullptr);   // the code itself, not reduced

    TStringList l;
    l.Add("avant");
    p.ListeChampionnats(l);
    ASSERT_EQ(l.Count(), 3);
    EXPECT_EQ(l.Strings(1), "France bis");
    EXPECT_EQ(l.Objects(2), 0);
    TStringList divs;
    p.ListeDivisions(divs);
    ASSERT_EQ(divs.Count(), 4);
    EXPECT_EQ(divs.Strings(0), "France bis : Ligue 1");
    EXPECT_EQ(divs.Objects(1), 10005);
    EXPECT_EQ(divs.Strings(2), "Divers : Coupe");
    TStringList une;
    p.ListeDivisionsChampionnat(0, une);
    ASSERT_EQ(une.Count(), 2);
    EXPECT_EQ(une.Strings(0), "Coupe");
    EXPECT_EQ(une.Objects(0), 10001);
}

TEST(Modeles, DeclarationFirstGivesNoTemplate)
{
    DossierTemp d;
    TLectureParam p(d.Ecrit("m.fr", std::string("<?xml version=\"1.0\"?>\r\n") + Modele));
    EXPECT_EQ(p.NbChampionnat(), 0);
    EXPECT_EQ(p.NbEquipeDivision(5), 18);
    TLectureParam vide(d.Ecrit("v.fr", ""));
    EXPECT_EQ(vide.NbChampionnat(), 0);
    TLectureParam tronque(d.Ecrit("t.fr", "<config>\r\n<championnat Id=\"4\">\r\n<nom>T</nom>\r\n<divis Id=\"1\">\r\n<nEquipe>8"));
    ASSERT_EQ(tronque.NbChampionnat(), 1);
    EXPECT_EQ(tronque.Championnat(0)->Nom, "T");
}

TEST(Modeles, ReaderPerSport)
{
    DossierTemp d;
    const std::string foot = d.Ecrit("Championnatfoot.fr", Modele);
    TLectureParamMulti m;
    EXPECT_EQ(m.Sport(), 6);
    EXPECT_EQ(m.ParamCourant(), nullptr);
    EXPECT_TRUE(m.ChargeParam(foot, 0));
    EXPECT_FALSE(m.ChargeParam(d.Fichier("Championnatrugby.fr"), 1));
    EXPECT_FALSE(m.ChargeParam(foot, 4));
    m.SetSport(0);
    ASSERT_NE(m.ParamCourant(), nullptr);
    EXPECT_EQ(m.ParamCourant()->NbChampionnat(), 2);
    m.SetSport(1);
    EXPECT_EQ(m.ParamCourant(), nullptr);
    m.SetSport(6);
    EXPECT_EQ(m.ParamCourant(), nullptr);
    // Loading again replaces; a missing file empties the slot.
    EXPECT_FALSE(m.ChargeParam(d.Fichier("absent.fr"), 0));
    m.SetSport(0);
    EXPECT_EQ(m.ParamCourant(), nullptr);

    InstalleLectureParamMulti(std::make_unique<TLectureParamMulti>());
    ASSERT_NE(LectureParamMulti(), nullptr);
    EXPECT_TRUE(LectureParamMulti()->ChargeParam(foot, 2));
    LectureParamMulti()->SetSport(2);
    EXPECT_EQ(LectureParamMulti()->ParamCourant()->NomDivision(5), "Ligue 1");
    InstalleLectureParamMulti(nullptr);
    EXPECT_EQ(LectureParamMulti(), nullptr);
}

// The data files beside the program, when they are there.
TEST(Modeles, ProgramTemplatesRead)
{
    const char* dossier = std::getenv("BZ_DATA_DIR");
    if (!dossier)
        GTEST_SKIP() << "BZ_DATA_DIR not set";
    for (const char* nom : {"Championnatfoot.fr", "Championnatrugby.fr", "Championnatbasket.fr", "Championnathand.fr"}) {
        const std::string f = std::string(dossier) + "/config/" + nom;
        TLectureParamMulti m;
        if (!m.ChargeParam(f, 0))
            continue;
        m.SetSport(0);
        EXPECT_GT(m.ParamCourant()->NbChampionnat(), 0) << f;
    }
}

// A template file that does not read whole gives no template at all (the
// program then tells which file and stops as for a missing one); its bytes are
// only read.
TEST(Modeles, DamagedFileGivesNoTemplate)
{
    const std::string modele = Modele;
    struct Cas
    {
        const char* nom;
        std::string octets;
        bool lu;
    };
    const Cas cas[] = {
        {"whole", modele, true},
        {"blanks after the root", modele + "\r\n\r\n", true},
        {"cut in half", modele.substr(0, modele.size() / 2), false},
        {"cut before the root's end", modele.substr(0, modele.rfind("</config>")), false},
        {"cut in the root's end tag", modele.substr(0, modele.rfind("</config>") + 4), false},
        {"another root", "<designs>\r\n<championnat Id=\"1\"><nom>X</nom></championnat>\r\n</designs>\r\n", false},
        {"declaration first", "<?xml version=\"1.0\"?>\r\n" + modele, false},
        {"garbage", std::string("\x01\x02<config><<>>\xFF\0", 16), false},
        {"empty", "", false},
        {"unclosed element", "<config>\r\n<championnat Id=\"1\">\r\n<nom>A</nom>\r\n</config>\r\n", false},
        {"huge numbers", "<config>\r\n<championnat Id=\"99999999999999\">\r\n<nom>A</nom>\r\n<divis Id=\"-70000\">"
                         "<nEquipe>2147483648</nEquipe></divis>\r\n</championnat>\r\n</config>\r\n", true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        DossierTemp d;
        const std::string f = d.Ecrit("Championnatfoot.fr", c.octets);
        TLectureParamMulti m;
        EXPECT_EQ(m.ChargeParam(f, 0), c.lu);
        m.SetSport(0);
        EXPECT_EQ(m.ParamCourant() != nullptr, c.lu);
        EXPECT_EQ(TLectureParam(f).Complet(), c.lu);
        EXPECT_EQ(LitFichier(f), c.octets);
    }
}
