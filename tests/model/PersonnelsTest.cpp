// People: statistics per championship, the sorted person list, copies and the
// two XML forms of coaches and referees.
#include <gtest/gtest.h>

#include "model/Personnels.h"
#include "platform/rtl/StringList.h"
#include "tests/model/Outils.h"
#include "tests/support/SaisonFichesEssai.h"

namespace {

// Writes a list, reads it into a second season, writes that one again.
struct AllerRetour
{
    std::string premier;
    std::string second;
};

AllerRetour AllerRetourPersonnels(TSaisonFichesEssai& source, TPersonnels& liste, const std::string& element,
                                  const std::string& enfant, bool formeNoms)
{
    TSaisonFichesEssai cible;
    RemplitSaison(cible);
    AllerRetour r;
    r.premier = Document([&](TXmlWriter& w) { liste.Ecrit(element, w, nullptr, formeNoms ? &source : nullptr); }, false);
    TPersonnels relue;
    {
        TMemoryStream m;
        Remplit(m, r.premier);
        TXmlStreamReader x(m);
        EXPECT_EQ(x.ElementSuivant(), xmlDebut);
        relue.Lit(enfant, x, &cible);
    }
    r.second = Document([&](TXmlWriter& w) { relue.Ecrit(element, w, nullptr, formeNoms ? &cible : nullptr); }, false);
    return r;
}

} // namespace

TEST(ListeStat, KindsOutsideTheRangeReadZeroAndIgnoreWrites)
{
    TPersonnelStat a;
    a.SetStat(4, 0, 12);
    a.SetStat(4, 34, 3);
    a.SetStat(4, 35, 9);
    EXPECT_EQ(a.NbMatch(4), 12);
    EXPECT_EQ(a.Stat(4, 34), 3);
    EXPECT_EQ(a.Stat(4, 35), 0);
    EXPECT_EQ(a.Stat(5, 0), 0);
    TListeStat l(5, 20);
    l.SetValeur(4, 7);
    l.SetValeur(21, 7);
    l.SetValeur(40, 7);
    EXPECT_EQ(l.Valeur(4), 0);
    EXPECT_EQ(l.Valeur(21), 0);
    EXPECT_TRUE(l.ToutAZero());
}

TEST(PersonnelStat, ChampionshipCodesAboveSixteenBitsKeepTheirStatistics)
{
    // The group championships of a play-off have codes above 65535.
    TPersonnelStat a;
    const uint32_t groupe = 3 | 0x8000 | (2u << 16);
    a.SetNbMatch(groupe, 4);
    a.SetNbMatch(3, 1);
    a.SetNbAvertissement(groupe, 2);
    a.SetNbExpulsion(groupe, 1);
    EXPECT_EQ(a.NbMatch(groupe), 4);
    EXPECT_EQ(a.NbMatch(3), 1);   // not mixed with the low half
    EXPECT_EQ(a.TotalMatch(), 5u);
    EXPECT_EQ(a.NbAvertissement(groupe), 2);
    EXPECT_EQ(a.NbAvertissement(3), 0);
    EXPECT_EQ(a.TotalExpulsion(), 1u);
}

TEST(PersonnelStat, RazStatsWithoutFlagKeepsMatchesAndHigherKinds)
{
    TPersonnelStat a;
    a.SetStat(1, 0, 10);
    a.SetStat(1, 2, 5);
    a.SetStat(1, 5, 6);
    a.SetNbAvertissement(1, 3);
    a.RazStats(false);
    EXPECT_EQ(a.NbMatch(1), 10);
    EXPECT_EQ(a.Stat(1, 2), 0);
    EXPECT_EQ(a.Stat(1, 5), 6);
    EXPECT_EQ(a.NbDiscipline(), 0);
    a.RazStats(true);
    EXPECT_EQ(a.NbListeStat(), 0);
}

TEST(Personnels, NamesakesMergeWithTheirPairAndNumbersFollowTheCounter)
{
    TPersonnels l;
    TPairesIds paires;
    auto* a = l.AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 0, "Jean", "Dupont"), &paires);
    EXPECT_EQ(a->Numero, 1);
    auto* b = l.AjoutePersonnel(std::make_unique<TPersonnelStat>(57, 0, "Paul", "Martin"), &paires);
    EXPECT_EQ(l.NumeroMax(), 57);
    // Same names once case is folded: the entry is kept, the pair recorded.
    int index = -1;
    auto* c = l.AjoutePersonnel(std::make_unique<TPersonnelStat>(12, 0, "JEAN", "dupont"), &paires, nullptr, &index);
    EXPECT_EQ(c, a);
    EXPECT_EQ(index, 0);
    ASSERT_EQ(paires.size(), 1u);
    EXPECT_EQ(paires[0], std::make_pair(12, 1));
    EXPECT_EQ(l.NbPersonnel(), 2);
    auto* d = l.AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 0, "Zoe", "Abel"));
    EXPECT_EQ(d->Numero, 58);
    EXPECT_EQ(l.Personnel(0), d);
    EXPECT_EQ(l.ChercheNom("MARTIN", "paul"), b);
    EXPECT_EQ(l.ChercheNom("Martin", "Pierre"), nullptr);
    EXPECT_EQ(l.ChercheNumero(58), d);
    // Set aside instead of freed.
    std::vector<std::unique_ptr<TPersonnel>> aPart;
    auto e = std::make_unique<TPersonnelStat>(-1, 0, "Paul", "Martin");
    TPersonnel* brut = e.get();
    EXPECT_EQ(l.AjoutePersonnel(std::move(e), nullptr, &aPart), b);
    ASSERT_EQ(aPart.size(), 1u);
    EXPECT_EQ(aPart[0].get(), brut);
}

TEST(Personnels, AccentedNamesSortWithTheirLetters)
{
    TPersonnels l;
    for (const char* n : {"Zidane", "\xC9tienne", "Eto", "abel", "Ferrand"})
        l.AjoutePersonnel(std::make_unique<TPersonnel>(-1, 0, "", n));
    std::vector<std::string> noms;
    for (auto* p : l.Liste())
        noms.push_back(p->Nom);
    EXPECT_EQ(noms, (std::vector<std::string>{"abel", "\xC9tienne", "Eto", "Ferrand", "Zidane"}));
    // "Étienne" and "Etienne" are two people; "étienne" is the first again.
    EXPECT_EQ(l.ChercheNom("\xE9tienne", ""), l.Personnel(1));
    EXPECT_EQ(l.ChercheNom("Etienne", ""), nullptr);
}

TEST(Personnels, CopiesKeepEveryField)
{
    TEntraineur e;
    RemplitEntraineur(e, 3);
    auto c = TPersonnel::CreateCopie(e);
    auto* copie = dynamic_cast<TEntraineur*>(c.get());
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(copie->Portable, e.Portable);
    EXPECT_EQ(copie->categorie, e.categorie);
    EXPECT_EQ(copie->ClubActuel, e.ClubActuel);
    EXPECT_EQ(copie->ClubPrec, e.ClubPrec);
    EXPECT_EQ(copie->EMail, e.EMail);
    EXPECT_EQ(copie->Image, e.Image);
    // Both write the same element.
    const auto ecrit = [](const TPersonnel& p) { return Document([&](TXmlWriter& w) { p.Ecrit(w, 65535, nullptr, nullptr); }, false); };
    EXPECT_EQ(ecrit(*copie), ecrit(e));

    // A coach made from a plain contact keeps its contact fields.
    TPersonnelCoordonnees pc;
    RemplitCoordonnees(pc, 1);
    TEntraineur depuis;
    depuis.Copie(pc);
    EXPECT_EQ(depuis.Portable, pc.Portable);
    EXPECT_EQ(depuis.ClubActuel, TPersonnel::Aucun);

    TPersonnelStat a;
    RemplitArbitre(a, 1);
    a.SetNbMatch(9, 3);
    a.SetNbAvertissement(9, 2);
    auto ca = TPersonnel::CreateCopie(a);
    auto* sa = dynamic_cast<TPersonnelStat*>(ca.get());
    ASSERT_NE(sa, nullptr);
    EXPECT_EQ(sa->NbMatch(9), 3);
    EXPECT_EQ(sa->NbAvertissement(9), 2);
}

TEST(Personnels, NamesAndCountry)
{
    TListePays pays;
    pays.AjoutePays("Italie");
    TPersonnel p(1, 0, "Dino", "Zoff");
    EXPECT_EQ(p.NomComplet(), "Zoff Dino");
    EXPECT_EQ(p.PrenomNom(), "Dino Zoff");
    EXPECT_EQ(p.NomAffiche(&pays, true), "Zoff Dino");
    p.CodePays = 0;
    EXPECT_EQ(p.NomAffiche(&pays, false), "Dino Zoff (Italie)");
    EXPECT_EQ(p.NomPays(nullptr), "");
    p.Prenom.clear();
    EXPECT_EQ(p.NomComplet(), "Zoff");
    EXPECT_EQ(p.PrenomNom(), "Zoff");
}

TEST(PersonnelsXml, CoachesAndRefereesRoundTripInBothForms)
{
    TSaisonFichesEssai s;
    RemplitSaison(s);
    TPersonnels entraineurs, arbitres;
    for (int g = 0; g < 3; ++g) {
        auto e = std::make_unique<TEntraineur>();
        RemplitEntraineur(*e, g);
        entraineurs.AjoutePersonnel(std::move(e));
        auto a = std::make_unique<TPersonnelStat>();
        RemplitArbitre(*a, g);
        arbitres.AjoutePersonnel(std::move(a));
    }
    for (bool formeNoms : {false, true}) {
        SCOPED_TRACE(formeNoms ? "name form" : "number form");
        const auto e = AllerRetourPersonnels(s, entraineurs, "Entraineurs", "Entraineur", formeNoms);
        EXPECT_EQ(e.second, e.premier);
        EXPECT_NE(e.premier.find(formeNoms ? "<ClubPrec2>AS Nancy</ClubPrec2>" : "<ClubPrec>1</ClubPrec>"), std::string::npos);
        EXPECT_NE(e.premier.find("<Portable>06 00 00 00 00</Portable>"), std::string::npos);
        const auto a = AllerRetourPersonnels(s, arbitres, "Arbitres", "Personnel", formeNoms);
        EXPECT_EQ(a.second, a.premier);
        EXPECT_NE(a.premier.find(formeNoms ? "<CodePays2>France</CodePays2>" : "<CodePays>0</CodePays>"), std::string::npos);
    }
    const std::string doc = Document([&](TXmlWriter& w) { entraineurs.Ecrit("Entraineurs", w, nullptr, nullptr); }, false);
    EXPECT_NE(doc.find("<Image>201</Image>"), std::string::npos);
    EXPECT_EQ(doc.find("ID="), std::string::npos);
}

TEST(PersonnelsXml, NameFormNamesPhotosThroughThePictureStore)
{
    InstalleNomFichierImage([](int genre, int32_t n) {
        return genre == imageJoueur && n > 0 ? "/donnees/pict/joueur_" + std::to_string(n) + "_x.jpg" : std::string();
    });
    TSaisonFichesEssai s;
    RemplitSaison(s);
    TPersonnelStat a;
    RemplitArbitre(a, 1);
    TStringList fichiers;
    const std::string doc = Document([&](TXmlWriter& w) { a.Ecrit(w, 7, &fichiers, &s); }, false);
    InstalleNomFichierImage(nullptr);
    EXPECT_NE(doc.find("<Personnel ID=\"7\">"), std::string::npos);
    EXPECT_NE(doc.find("<Image>joueur_301_x.jpg</Image>"), std::string::npos);
    ASSERT_EQ(fichiers.Count(), 1);
    EXPECT_EQ(fichiers[0], "/donnees/pict/joueur_301_x.jpg");
    // Read back: the file name is kept as text, the number is 0.
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader x(m);
    ASSERT_EQ(x.ElementSuivant(), xmlDebut);
    TPersonnelStat b;
    b.Lit(x, &s);
    EXPECT_EQ(b.TexteImage, "joueur_301_x.jpg");
    EXPECT_EQ(b.Image, 0);
    EXPECT_EQ(b.CodePays, 1);
}

TEST(PersonnelsXml, ReaderDropsNamelessPeopleAndUnknownCountries)
{
    TSaisonFichesEssai s;
    RemplitSaison(s);
    s.Pays().AjoutePays("Ancien");   // code 3 ...
    s.Pays().RenommePays(3, "");      // ... has no name any more
    const std::string doc =
        "<Arbitres>\r\n"
        "<Personnel>\r\n<Prenom>Sans nom</Prenom>\r\n<Numero>5</Numero>\r\n</Personnel>\r\n"
        "<Personnel>\r\n<Nom>A</Nom>\r\n<CodePays>3</CodePays>\r\n<Numero>57</Numero>\r\n<Inconnu>\r\n<X>1</X>\r\n</Inconnu>\r\n</Personnel>\r\n"
        "<Personnel>\r\n<Nom>B</Nom>\r\n<CodePays>9</CodePays>\r\n<Numero>-1</Numero>\r\n</Personnel>\r\n"
        "<Personnel>\r\n<Nom>C</Nom>\r\n<CodePays>2</CodePays>\r\n<Numero>-1</Numero>\r\n</Personnel>\r\n"
        "<Autre />\r\n"
        "</Arbitres>\r\n<Suite />\r\n";
    TMemoryStream m;
    Remplit(m, doc);
    TXmlStreamReader x(m);
    ASSERT_EQ(x.ElementSuivant(), xmlDebut);
    TPersonnels l;
    l.Lit("Personnel", x, &s);
    ASSERT_EQ(l.NbPersonnel(), 3);
    EXPECT_EQ(l.Personnel(0)->CodePays, TPersonnel::Aucun);   // empty name
    EXPECT_EQ(l.Personnel(0)->Numero, 57);
    EXPECT_EQ(l.Personnel(1)->CodePays, TPersonnel::Aucun);   // no such country
    EXPECT_EQ(l.Personnel(1)->Numero, 58);
    EXPECT_EQ(l.Personnel(2)->CodePays, 2);
    EXPECT_NE(dynamic_cast<TPersonnelStat*>(l.Personnel(0)), nullptr);
    // The reader stopped at the list's end tag.
    EXPECT_EQ(x.ElementSuivant(), xmlComplet);
    EXPECT_EQ(x.Nom(), "Suite");
}
