// Stadiums and club records: numbering, merging, kits, and the two XML forms.
#include <gtest/gtest.h>

#include "model/Stades.h"
#include "platform/rtl/StringList.h"
#include "tests/model/Outils.h"
#include "tests/support/SaisonFichesEssai.h"

namespace {

// A season with countries, teams, three stadiums and two coaches.
void Prepare(TSaisonFichesEssai& s)
{
    RemplitSaison(s);
    for (int g = 0; g < 3; ++g) {
        auto st = std::make_unique<TStade>();
        RemplitStade(*st, g);
        s.Stades().AjouteStade(std::move(st), true);
    }
    for (int g = 0; g < 2; ++g) {
        auto e = std::make_unique<TEntraineur>();
        RemplitEntraineur(*e, g);
        s.Entraineurs().AjoutePersonnel(std::move(e));
    }
}

template <class F>
void Lit(const std::string& doc, F lecture)
{
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader x(m);
    EXPECT_EQ(x.ElementSuivant(), xmlDebut);
    lecture(x);
}

} // namespace

TEST(Stades, NumberedFromOneAndMergedOnRequest)
{
    TStades l;
    TStade* a = l.NouveauStade("Parc", "Paris");
    EXPECT_EQ(a->Code, 1);   // 0 means no stadium on a match
    TStade* b = l.AjouteStade(std::make_unique<TStade>("Allianz", 0, "Nice"), true);
    EXPECT_EQ(b->Code, 2);
    EXPECT_EQ(l.Stade(0), b);
    // Same name and town: with the merge flag the existing one.
    EXPECT_EQ(l.NouveauStade("Parc", "Paris"), a);
    EXPECT_EQ(l.NbStade(), 2);
    int index = -1;
    TStade* c = l.AjouteStade(std::make_unique<TStade>("Parc", 0, "Paris"), false, &index);
    EXPECT_NE(c, a);
    EXPECT_EQ(l.NbStade(), 3);
    EXPECT_EQ(index, 1);
    // A stadium that brings its code raises the highest one.
    auto d = std::make_unique<TStade>("Velodrome", 0, "Marseille");
    d->Code = 40;
    l.AjouteStade(std::move(d), true);
    EXPECT_EQ(l.NouveauStade("Z", "")->Code, 41);
    // Sorted by bytes: capitals first.
    EXPECT_EQ(l.NouveauStade("parc", "")->Code, 42);
    EXPECT_EQ(l.Stade(l.NbStade() - 1)->NomStade, "parc");
    EXPECT_EQ(l.ChercheStadeNom("PARC", "paris"), l.Stade(1));
    EXPECT_EQ(l.ChercheStadeNom("parc", ""), l.Stade(1));
    EXPECT_EQ(l.ChercheStadeNom("parc", "Lyon"), nullptr);
    EXPECT_EQ(l.ChercheStade(41)->NomStade, "Z");
    EXPECT_EQ(l.ChercheStade(0), nullptr);
    EXPECT_EQ(a->NomComplet(), "Parc (Paris)");
    EXPECT_EQ(l.ChercheStade(41)->NomComplet(), "Z");
    auto retire = l.RetireStade(a);
    EXPECT_EQ(retire.get(), a);
    EXPECT_EQ(l.ChercheStade(1), nullptr);
}

TEST(Stades, CopyKeepsEveryFieldButTheCode)
{
    TStade s;
    RemplitStade(s, 2);
    auto c = TStade::CreateCopie(s);
    EXPECT_EQ(c->Code, TStade::Aucun);
    c->Code = s.Code;
    const auto ecrit = [](const TStade& t) {
        return Document([&](TXmlWriter& w) { t.Ecrit(w, 65535, nullptr, nullptr); }, false);
    };
    EXPECT_EQ(ecrit(*c), ecrit(s));
}

TEST(StadesXml, EveryFieldRoundTripsInBothForms)
{
    TSaisonFichesEssai s;
    Prepare(s);
    auto sansCode = std::make_unique<TStade>("Jamais", 0, "");
    s.Stades().AjouteStade(std::move(sansCode), true)->Code = TStade::Aucun;   // not written
    for (bool formeNoms : {false, true}) {
        SCOPED_TRACE(formeNoms ? "name form" : "number form");
        const std::string doc =
            Document([&](TXmlWriter& w) { s.Stades().Ecrit(w, formeNoms ? &s : nullptr, nullptr); }, false);
        EXPECT_EQ(doc.find("Jamais"), std::string::npos);
        EXPECT_NE(doc.find(formeNoms ? "<CodePays2>" : "<CodePays>"), std::string::npos);
        TSaisonFichesEssai cible;
        RemplitSaison(cible);
        Lit(doc, [&](TXmlReader& x) { cible.Stades().Lit(x, &cible); });
        EXPECT_EQ(cible.Stades().NbStade(), 3);
        EXPECT_EQ(cible.Stades().CodeMax(), 3);
        const std::string relu =
            Document([&](TXmlWriter& w) { cible.Stades().Ecrit(w, formeNoms ? &cible : nullptr, nullptr); }, false);
        EXPECT_EQ(relu, doc);
    }
}

TEST(StadesXml, ReaderRules)
{
    TSaisonFichesEssai s;
    RemplitSaison(s);
    // Out of order, an old stadium 0, a nameless one, an image "0".
    const std::string doc = "<Stades>\r\n"
                            "<Stade>\r\n<NomStade>Zeta</NomStade>\r\n<Code>5</Code>\r\n</Stade>\r\n"
                            "<Stade>\r\n<NomStade>Alpha</NomStade>\r\n<Code>0</Code>\r\n<Image>0</Image>\r\n"
                            "<CodePays2>France</CodePays2>\r\n<Inconnu>\r\n<A>1</A>\r\n</Inconnu>\r\n</Stade>\r\n"
                            "<Stade>\r\n<Ville>Sans nom</Ville>\r\n<Code>9</Code>\r\n</Stade>\r\n"
                            "<Stade>\r\n<NomStade>Beta</NomStade>\r\n<Image>12</Image>\r\n<Code>3</Code>\r\n</Stade>\r\n"
                            "</Stades>\r\n";
    Lit(doc, [&](TXmlReader& x) { s.Stades().Lit(x, &s); });
    ASSERT_EQ(s.Stades().NbStade(), 3);
    EXPECT_EQ(s.Stades().Stade(0)->NomStade, "Alpha");
    EXPECT_EQ(s.Stades().Stade(0)->Code, 0);
    EXPECT_EQ(s.Stades().Stade(0)->TexteImage, "");
    EXPECT_EQ(s.Stades().Stade(0)->Image, 0);
    EXPECT_EQ(s.Stades().Stade(0)->CodePays, 0);
    EXPECT_EQ(s.Stades().Stade(1)->Image, 12);
    EXPECT_EQ(s.Stades().Stade(2)->NomStade, "Zeta");
    EXPECT_EQ(s.Stades().CodeMax(), 5);
    EXPECT_EQ(s.Stades().NouveauStade("Nouveau", "")->Code, 6);
}

TEST(StadesXml, NameFormNamesThePhoto)
{
    InstalleNomFichierImage([](int genre, int32_t n) {
        return genre == imageStade && n > 0 ? "/pict/stade_" + std::to_string(n) + "_s.jpg" : std::string();
    });
    TSaisonFichesEssai s;
    RemplitSaison(s);
    TStade st;
    RemplitStade(st, 0);
    TStringList fichiers;
    const std::string avec = Document([&](TXmlWriter& w) { st.Ecrit(w, 3, &fichiers, &s); }, false);
    const std::string sans = Document([&](TXmlWriter& w) { st.Ecrit(w, 65535, nullptr, &s); }, false);
    InstalleNomFichierImage(nullptr);
    EXPECT_NE(avec.find("<Stade ID=\"3\">"), std::string::npos);
    EXPECT_NE(avec.find("<Image>stade_500_s.jpg</Image>"), std::string::npos);
    EXPECT_NE(sans.find("<Image>stade_500_s.jpg</Image>"), std::string::npos);
    ASSERT_EQ(fichiers.Count(), 1);
    EXPECT_EQ(fichiers[0], "/pict/stade_500_s.jpg");
}

// ---------------------------------------------------------------------------
// Club records

TEST(RensClub, Kits)
{
    TRensClub r(1);
    r.AjouteMaillot(0, "Domicile", "Blanc", "Rouge");
    // Past the end: one kit is appended, not three.
    r.SetCouleurMaillot(3, "Vert");
    ASSERT_EQ(r.NbMaillot(), 2);
    EXPECT_EQ(r.CouleurMaillot(1), "Vert");
    EXPECT_EQ(r.CouleurMaillot(3), "");
    r.SetCouleurRechange(0, "Noir");
    EXPECT_EQ(r.CouleurRechange(0), "Noir");
    EXPECT_EQ(r.CouleurMaillot(0), "Rouge");
    r.SetCouleurMaillot(-1, "x");
    EXPECT_EQ(r.NbMaillot(), 2);
    // AjouteMaillot pads with empty kits up to its index.
    r.AjouteMaillot(4, "Cinq", "", "Or");
    ASSERT_EQ(r.NbMaillot(), 5);
    EXPECT_EQ(r.CouleurMaillot(4), "Or");
    EXPECT_EQ(r.Maillot(3)->Nom, "");
    r.President = std::make_unique<TStaff>();
    r.VideMaillots(false);
    EXPECT_EQ(r.NbMaillot(), 0);
    EXPECT_NE(r.President, nullptr);
    r.VideMaillots(true);
    EXPECT_EQ(r.President, nullptr);
}

TEST(RensClubs, SortedByTeamAndMergedByTeam)
{
    TRensClubs l;
    TRensClub* a = l.NouveauRensClub(5);
    EXPECT_EQ(a->Code, 0);
    TRensClub* b = l.NouveauRensClub(2);
    EXPECT_EQ(b->Code, 1);
    EXPECT_EQ(l.RensClub(0), b);
    EXPECT_EQ(l.NouveauRensClub(5), a);
    EXPECT_EQ(l.NbRensClub(), 2);
    EXPECT_EQ(l.ChercheRensClub(2), b);
    EXPECT_EQ(l.ChercheRensClub(3), nullptr);
}

TEST(RensClubsXml, EveryFieldRoundTripsInBothForms)
{
    TSaisonFichesEssai s;
    Prepare(s);
    for (int g = 0; g < 2; ++g) {
        auto r = std::make_unique<TRensClub>(1 + g);
        RemplitClub(*r, s, g);
        s.Clubs().AjouteRensClub(std::move(r));
    }
    for (bool formeNoms : {false, true}) {
        SCOPED_TRACE(formeNoms ? "name form" : "number form");
        const std::string doc = Document([&](TXmlWriter& w) { s.Clubs().Ecrit(w, formeNoms ? &s : nullptr); }, false);
        if (formeNoms) {
            EXPECT_NE(doc.find("<Club2>Olympique ##1#Lyon##2#</Club2>"), std::string::npos);
            EXPECT_NE(doc.find("<Stade>"), std::string::npos);
            EXPECT_NE(doc.find("<Entraineur>"), std::string::npos);
            EXPECT_EQ(doc.find("StadeCode"), std::string::npos);
        } else {
            EXPECT_NE(doc.find("<Club>1</Club>"), std::string::npos);
            EXPECT_NE(doc.find("<StadeCode>1</StadeCode>"), std::string::npos);
            EXPECT_NE(doc.find("<EntraineurNumero>10</EntraineurNumero>"), std::string::npos);
        }
        TSaisonFichesEssai cible;
        Prepare(cible);
        Lit(doc, [&](TXmlReader& x) { cible.Clubs().Lit(x, &cible); });
        ASSERT_EQ(cible.Clubs().NbRensClub(), 2);
        const TRensClub* r = cible.Clubs().RensClub(0);
        EXPECT_EQ(r->Stades().size(), 3u);
        EXPECT_EQ(r->Entraineurs().size(), 2u);
        EXPECT_EQ(r->NbMaillot(), 3);   // the kit without shirt colour is kept
        EXPECT_EQ(r->Maillot(2)->Nom, "Third");
        EXPECT_EQ(r->Maillot(2)->CouleurRechange, "Vert");
        ASSERT_NE(r->President, nullptr);
        EXPECT_EQ(r->President->Tel, "0102030405");
        EXPECT_EQ(cible.Clubs().CodeMax(), 1);
        const std::string relu =
            Document([&](TXmlWriter& w) { cible.Clubs().Ecrit(w, formeNoms ? &cible : nullptr); }, false);
        EXPECT_EQ(relu, doc);
    }
}

TEST(RensClubsXml, OlderDocumentsAndReferencesThatFindNothing)
{
    TSaisonFichesEssai s;
    Prepare(s);
    const std::string doc = "<RensClubs>\r\n"
                            "<RensClub>\r\n<Club>2</Club>\r\n<CouleurMaillot>Bleu</CouleurMaillot>\r\n"
                            "<CouleurRechange>Blanc</CouleurRechange>\r\n"
                            "<President>Jean-Michel AULAS</President>\r\n"
                            "<StadeCode>77</StadeCode>\r\n<EntraineurNumero>999</EntraineurNumero>\r\n"
                            "<Stade>\r\n<NomStade>Inconnu</NomStade>\r\n</Stade>\r\n"
                            "<Entraineur>\r\n<Nom>Personne</Nom>\r\n</Entraineur>\r\n"
                            "<ListeMaillots>\r\n</ListeMaillots>\r\n"
                            "<Code>4</Code>\r\n</RensClub>\r\n"
                            "<RensClub>\r\n<Creation>1900</Creation>\r\n<Code>8</Code>\r\n</RensClub>\r\n"
                            "<RensClub>\r\n<Club2>Inconnue</Club2>\r\n</RensClub>\r\n"
                            "</RensClubs>\r\n";
    Lit(doc, [&](TXmlReader& x) { s.Clubs().Lit(x, &s); });
    // The records that name no team are dropped.
    ASSERT_EQ(s.Clubs().NbRensClub(), 1);
    const TRensClub* r = s.Clubs().RensClub(0);
    EXPECT_EQ(r->Equipe, 2);
    ASSERT_EQ(r->NbMaillot(), 2);
    EXPECT_EQ(r->CouleurMaillot(0), "Bleu");
    EXPECT_EQ(r->CouleurRechange(0), "Blanc");
    EXPECT_EQ(r->Maillot(1)->CouleurMaillot, "");
    ASSERT_NE(r->President, nullptr);
    EXPECT_EQ(r->President->Prenom, "Jean-Michel");
    EXPECT_EQ(r->President->Nom, "AULAS");
    EXPECT_TRUE(r->Stades().empty());
    EXPECT_TRUE(r->Entraineurs().empty());
    EXPECT_EQ(s.Clubs().CodeMax(), 4);
}

TEST(RensClubsXml, CoachMergedWhileReadingIsFollowed)
{
    TSaisonFichesEssai s;
    Prepare(s);   // coaches 10 and 11
    const TPairesIds paires = {{31, 11}};   // coach 31 was merged into 11
    const std::string doc = "<RensClubs>\r\n<RensClub>\r\n<Club>1</Club>\r\n"
                            "<EntraineurNumero>31</EntraineurNumero>\r\n</RensClub>\r\n</RensClubs>\r\n";
    Lit(doc, [&](TXmlReader& x) { s.Clubs().Lit(x, &s, &paires); });
    ASSERT_EQ(s.Clubs().NbRensClub(), 1);
    ASSERT_EQ(s.Clubs().RensClub(0)->Entraineurs().size(), 1u);
    EXPECT_EQ(s.Clubs().RensClub(0)->Entraineurs()[0]->Numero, 11);
}

TEST(RensClubs, ForgetAStadiumOrACoachThatLeaves)
{
    TSaisonFichesEssai s;
    Prepare(s);
    TRensClub* r = s.Clubs().NouveauRensClub(1);
    RemplitClub(*r, s, 0);
    TStade* st = s.Stades().Stade(1);
    s.Clubs().OublieStade(st);
    auto parti = s.Stades().RetireStade(st);
    EXPECT_EQ(r->Stades().size(), 2u);
    auto* e = dynamic_cast<TEntraineur*>(s.Entraineurs().Personnel(0));
    s.Clubs().OublieEntraineur(e);
    EXPECT_EQ(r->Entraineurs().size(), 1u);
    EXPECT_EQ(std::count(r->Stades().begin(), r->Stades().end(), parti.get()), 0);
}
