#include <gtest/gtest.h>

#include "model/Barrage.h"
#include "model/ListePays.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "tests/model/Outils.h"

namespace {
// Reads a Barrage element (the document holds nothing else).
void LitBarrage(const std::string& doc, TDonneesBarrage& b)
{
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader r(m);
    ASSERT_EQ(r.ElementSuivant(), xmlDebut);
    ASSERT_EQ(r.Nom(), "Barrage");
    b.LitXml(r);
}

std::string EcritBarrage(const TDonneesBarrage& b)
{
    return Document([&b](TXmlWriter& w) { b.EcritXml(w); }, false);
}
}   // namespace

TEST(Barrage, RoundsAndDivisions)
{
    TDonneesBarrage b;
    EXPECT_EQ(b.NbTour(), 0);
    TTourCoupe* t = b.AjouteTour(2, 7);
    EXPECT_EQ(t->Numero(), 1);
    EXPECT_EQ(t->AjouteRencontre(1, 2, 3, 4), 1);
    EXPECT_EQ(t->AjouteRencontre(5, 6, 7, 8), 2);
    EXPECT_EQ(t->AjouteRencontre(9, 9, 9, 9), -1);
    EXPECT_EQ(b.AjouteTour(-3, 1)->Capacite(), 0);
    EXPECT_EQ(b.AjouteTour(1 << 30, 1)->Capacite(), TTourCoupe::MaxRencontres);

    int32_t n = -9, c = -9, ty = -9;
    TRencontreCoupe* r = b.Tour(1, n, c, ty);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ((std::vector<int32_t>{n, c, ty}), (std::vector<int32_t>{2, 2, 7}));
    EXPECT_EQ(r[1].Valeur[2], 7);
    n = c = ty = -9;
    EXPECT_EQ(b.Tour(0, n, c, ty), nullptr);
    EXPECT_EQ(b.Tour(b.NbTour() + 1, n, c, ty), nullptr);
    EXPECT_EQ((std::vector<int32_t>{n, c, ty}), (std::vector<int32_t>{-9, -9, -9}));

    b.AjouteDivision(5, {{1, 2}});
    b.AjouteDivision(6, {{3, 4}, {5, 6}});
    b.AjouteDivision(5, {});
    b.RemplacePlaces({{7, 8}}, 5);   // the first division of that code
    b.RemplacePlaces({{9, 9}}, 42);  // none: nothing
    ASSERT_EQ(b.NbDivision(), 3);
    EXPECT_EQ(b.Division(0)->Places.size(), 1u);
    EXPECT_EQ(b.Division(0)->Places[0].Min, 7);
    EXPECT_EQ(b.Division(2)->Places.size(), 0u);
    EXPECT_EQ(b.Division(3), nullptr);
    EXPECT_EQ(b.Division(-1), nullptr);

    b.SetOption(27, 9);
    b.SetOption(28, 9);
    b.SetOption(-1, 9);
    EXPECT_EQ(b.Option(27), 9);
    EXPECT_EQ(b.Option(28), 0);
}

TEST(Barrage, ExactElement)
{
    TDonneesBarrage b;
    b.Code = 0x8003;
    b.CodePerso = 12;
    b.TypeGroupe = 0;
    b.TypeEquipe = 2;
    b.AjouteDivision(101, {{2, 4}});
    b.AjouteTour(1, 3)->AjouteRencontre(3, 7, 0, 1);
    std::string options;
    for (int i = 0; i < TDonneesBarrage::NbOption; ++i)
        options += "<Option>0</Option>\r\n";
    EXPECT_EQ(EcritBarrage(b),
              "<Barrage>\r\n<Code>32771</Code>\r\n<CodePerso>12</CodePerso>\r\n<TypeGroupe>0</TypeGroupe>\r\n"
              "<TypeEquipe>2</TypeEquipe>\r\n"
              "<ListDiv>\r\n<Division>101</Division>\r\n<ListPlace>\r\n<Min>2</Min>\r\n<Max>4</Max>\r\n</ListPlace>\r\n</ListDiv>\r\n"
              "<TourCoupe>\r\n<nMatch>1</nMatch>\r\n<nMatchTotal>1</nMatchTotal>\r\n<nTypeTour>3</nTypeTour>\r\n"
              "<RencontreCoupe>3-7-0-1</RencontreCoupe>\r\n</TourCoupe>\r\n"
              "<Options>\r\n" + options + "</Options>\r\n</Barrage>\r\n");
}

TEST(Barrage, WriteReadWrite)
{
    TDonneesBarrage b;
    b.Code = 0x8005;
    b.CodePerso = 65535;
    b.TypeGroupe = 4;
    b.TypeEquipe = 3;
    b.MoitiePoint = 1;
    b.AjouteDivision(5, {{2, 4}, {6, 6}});
    b.AjouteDivision(10005, {});
    TTourCoupe* t = b.AjouteTour(4, 2);
    t->AjouteRencontre(65535, 0, 1, 2);
    t->AjouteRencontre(3, 4, 5, 6);
    b.AjouteTour(2, 1);
    for (int i = 0; i < TDonneesBarrage::NbOption; ++i)
        b.SetOption(i, static_cast<uint8_t>(i * 9));

    const std::string premier = EcritBarrage(b);
    TDonneesBarrage lu;
    LitBarrage(premier, lu);
    EXPECT_EQ(lu.Code, 0x8005);
    EXPECT_EQ(lu.CodePerso, 65535);
    EXPECT_EQ(lu.MoitiePoint, 1);
    ASSERT_EQ(lu.NbDivision(), 2);
    EXPECT_EQ(lu.Division(0)->Places[1].Max, 6);
    ASSERT_EQ(lu.NbTour(), 2);
    EXPECT_EQ(lu.TourCoupe(1)->Capacite(), 4);
    EXPECT_EQ(lu.TourCoupe(1)->Rencontres()[0].Valeur[0], 65535);
    EXPECT_EQ(lu.TourCoupe(2)->NbMatch(), 0);
    EXPECT_EQ(lu.Option(27), 27 * 9);   // the last option byte is kept too
    EXPECT_EQ(EcritBarrage(lu), premier);
}

TEST(Barrage, ReadingRules)
{
    std::string options;
    for (int i = 0; i < 30; ++i)
        options += "<Option>" + std::to_string(i + 1) + "</Option>\r\n";
    const std::string doc =
        "<Barrage>\r\n<Code>3</Code>\r\n<TypeEquipe>1</TypeEquipe>\r\n<Inconnu>\r\n<Code>99</Code>\r\n</Inconnu>\r\n"
        "<ListDiv>\r\n<ListPlace>\r\n<Min>0</Min>\r\n<Max>3</Max>\r\n</ListPlace>\r\n"
        "<ListPlace>\r\n<Max>3</Max>\r\n</ListPlace>\r\n<ListPlace>\r\n<Min>1</Min>\r\n</ListPlace>\r\n</ListDiv>\r\n"
        "<TourCoupe>\r\n<nMatch>9</nMatch>\r\n<nMatchTotal>4</nMatchTotal>\r\n<RencontreCoupe>9-9-9-9</RencontreCoupe>\r\n"
        "<nTypeTour>2</nTypeTour>\r\n<RencontreCoupe>1-2-3-4</RencontreCoupe>\r\n<RencontreCoupe>1-2-3</RencontreCoupe>\r\n"
        "<RencontreCoupe>1-2</RencontreCoupe>\r\n<RencontreCoupe>0-2-65535-4-5</RencontreCoupe>\r\n"
        "<Autre>x</Autre>\r\n<RencontreCoupe>5-5-5-5</RencontreCoupe>\r\n<RencontreCoupe>6-6-6-6</RencontreCoupe>\r\n</TourCoupe>\r\n"
        "<TourCoupe>\r\n<nTypeTour>1</nTypeTour>\r\n<nMatchTotal>4</nMatchTotal>\r\n<RencontreCoupe>1-1-1-1</RencontreCoupe>\r\n</TourCoupe>\r\n"
        "<TourCoupe>\r\n<nMatchTotal>65535</nMatchTotal>\r\n<nTypeTour>1</nTypeTour>\r\n</TourCoupe>\r\n"
        "<Options>\r\n" + options + "</Options>\r\n</Barrage>\r\n<apres />\r\n";
    TDonneesBarrage b;
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader r(m);
    ASSERT_EQ(r.ElementSuivant(), xmlDebut);
    b.LitXml(r);
    EXPECT_EQ(r.ElementSuivant(), xmlComplet);   // the reader stops after </Barrage>
    EXPECT_EQ(r.Nom(), "apres");

    EXPECT_EQ(b.Code, 3);
    EXPECT_EQ(b.TypeEquipe, 2);   // below 2 reads as 2
    ASSERT_EQ(b.NbDivision(), 1);
    EXPECT_EQ(b.Division(0)->Code, -1);
    ASSERT_EQ(b.Division(0)->Places.size(), 1u);   // Min 0 and absent Min add no place
    EXPECT_EQ(b.Division(0)->Places[0].Max, 0);

    ASSERT_EQ(b.NbTour(), 3);
    const TTourCoupe& t = *b.TourCoupe(1);
    EXPECT_EQ(t.Capacite(), 4);
    ASSERT_EQ(t.NbMatch(), 4);   // the pairing before nTypeTour and the fifth are dropped
    EXPECT_EQ(t.Rencontres()[0].Valeur[3], 4);
    EXPECT_EQ(t.Rencontres()[1].Valeur[3], 0);   // three parts: the fourth is 0
    EXPECT_EQ(t.Rencontres()[2].Valeur[0], 0);   // five values: the first four
    EXPECT_EQ(t.Rencontres()[2].Valeur[2], 65535);
    EXPECT_EQ(t.Rencontres()[3].Valeur[0], 5);
    EXPECT_EQ(b.TourCoupe(2)->Capacite(), 0);   // nTypeTour before nMatchTotal
    EXPECT_EQ(b.TourCoupe(2)->NbMatch(), 0);
    EXPECT_EQ(b.TourCoupe(3)->Capacite(), TTourCoupe::MaxRencontres);   // bounded

    EXPECT_EQ(b.Option(0), 1);
    EXPECT_EQ(b.Option(26), 27);
    EXPECT_EQ(b.Option(27), 30);   // the later options all go to the last byte

    // A file of 27 options (written before the last byte was saved).
    std::string anciens;
    for (int i = 0; i < 27; ++i)
        anciens += "<Option>5</Option>\r\n";
    TDonneesBarrage a;
    a.SetOption(27, 8);
    LitBarrage("<Barrage>\r\n<TypeEquipe>255</TypeEquipe>\r\n<Options>\r\n" + anciens + "</Options>\r\n</Barrage>\r\n", a);
    EXPECT_EQ(a.Option(26), 5);
    EXPECT_EQ(a.Option(27), 8);
    EXPECT_EQ(a.TypeEquipe, 255);
}

// ---------------------------------------------------------------------------

TEST(ListePays, CodesAndSearches)
{
    TListePays p;
    EXPECT_EQ(p.AjoutePays(""), TListePays::Aucun);
    EXPECT_EQ(p.AjoutePays("France"), 0);
    EXPECT_EQ(p.AjoutePays("FRANCE"), 0);
    EXPECT_EQ(p.AjoutePays(L1("Côte d'Ivoire")), 1);
    EXPECT_EQ(p.AjoutePays(L1("CÔTE D'IVOIRE")), 1);
    EXPECT_EQ(p.AjoutePays("Italie"), 2);
    EXPECT_EQ(p.NbPays(), 3);
    EXPECT_EQ(p.NomPays(1), L1("Côte d'Ivoire"));
    EXPECT_EQ(p.NomPays(3), "");
    EXPECT_EQ(p.NomPays(TListePays::Aucun), "");
    EXPECT_EQ(p.NomPays(-1), "");

    EXPECT_EQ(p.CodePays("France"), 0);
    EXPECT_EQ(p.CodePays("france"), TListePays::Aucun);
    EXPECT_EQ(p.CodePays(""), TListePays::Aucun);
    p.RenommePays(2, "France");
    EXPECT_EQ(p.CodePays("France"), 2);   // from the end
    p.RenommePays(9, "x");
    p.RenommePays(2, "Italie");

    EXPECT_EQ(p.CherchePays("COTE D'IVOIRE"), 1);
    EXPECT_EQ(p.CherchePays(L1("ÎTALIE")), 2);
    EXPECT_EQ(p.CherchePays(""), TListePays::Aucun);
    EXPECT_EQ(p.CherchePays(L1("Suède")), 3);
    EXPECT_EQ(p.NbPays(), 4);
}

TEST(ListePays, WriteReadKeepsCodes)
{
    TListePays p;
    p.AjoutePays("France");
    p.AjoutePays("Italie");
    p.AjoutePays("Espagne");
    p.AjoutePays("A+B");
    p.RenommePays(2, "");
    TStringList l;
    l.Add("ancien");
    p.Remplit(l);
    ASSERT_EQ(l.Count(), 3);
    EXPECT_EQ(l.Strings(2), "A+B");
    EXPECT_EQ(l.Objects(2), 3);

    const std::string doc = Document([&p](TXmlWriter& w) { p.Ecrit(w); }, false);
    EXPECT_EQ(doc, "<ListePays>\r\n<Nom>France</Nom>\r\n<Nom>Italie</Nom>\r\n<Nom />\r\n<Nom>A##3#B</Nom>\r\n</ListePays>\r\n");
    TListePays lu;
    lu.AjoutePays("perdu");
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader r(m);
    ASSERT_EQ(r.ElementSuivant(), xmlDebut);
    lu.Lit(r);
    ASSERT_EQ(lu.NbPays(), 4);
    EXPECT_EQ(lu.NomPays(0), "France");
    EXPECT_EQ(lu.NomPays(2), "");
    EXPECT_EQ(lu.NomPays(3), "A+B");
    EXPECT_EQ(Document([&lu](TXmlWriter& w) { lu.Ecrit(w); }, false), doc);
}
