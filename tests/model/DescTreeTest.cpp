#include <gtest/gtest.h>

#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "platform/rtl/DateTime.h"
#include "tests/support/SaisonBuilder.h"

namespace {

std::unique_ptr<TDonneesChampionnat> Ligue(TSaison& s, int32_t code)
{
    auto c = s.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 0);
    c->CodeChamp = code;
    return c;
}

}   // namespace

TEST(DescTree, FilingSharesNodesAndNumbersCodes)
{
    auto s = TMultiSport::CreeSaison(0);
    TDescTree& t = s->Arbre();
    EXPECT_EQ(t.Racine().Nom(), "root");
    EXPECT_TRUE(t.ListeChampionnats().empty());
    EXPECT_EQ(t.CodeMax(), 0);
    EXPECT_EQ(t.IdPersoMax(), 1000);

    TDescNoeud* a = t.AjouteChampionnat("Poule A", "Division 2", Ligue(*s, 4), "France");
    TDescNoeud* b = t.AjouteChampionnat("Poule B", "Division 2", Ligue(*s, 0), "France");
    EXPECT_EQ(a->Parent(), b->Parent());
    EXPECT_EQ(a->Niveau(), 3);
    EXPECT_EQ(b->Championnat()->CodeChamp, 5);   // CodeMax + 1
    EXPECT_EQ(t.Racine().NbEnfant(), 1);
    // The same stored name twice does not put two championships in one node.
    TDescNoeud* c = t.AjouteChampionnat("Poule B", "Division 2", Ligue(*s, 9), "France");
    EXPECT_NE(c, b);
    EXPECT_EQ(t.ListeChampionnats().size(), 3u);

    TDescNoeud* perso = t.AjouteDivisionPerso("Ma ligue", "France");
    int32_t code = 0;
    EXPECT_EQ(perso->NomAfficheCode(code), "Ma ligue");
    EXPECT_EQ(code, -1);
    EXPECT_EQ(a->NomComplet(), "France : Division 2 - Poule A");
    TDescNoeud* d2 = t.AjouteChampionnat("Division 3", "Division 3", Ligue(*s, 12), "France");
    EXPECT_EQ(d2->NomComplet(), "France : Division 3");

    EXPECT_EQ(t.ChampionnatSuivant(4), b->Championnat());
    EXPECT_EQ(t.ChampionnatPrecedent(4), nullptr);
    EXPECT_EQ(t.ChampionnatSuivant(12), nullptr);
    EXPECT_EQ(t.ChampionnatSuivant(77), nullptr);
    EXPECT_EQ(t.NoeudParCode(-1, true), a);
    EXPECT_TRUE(t.PlusieursChampionnats());

    auto barrage = std::make_unique<TDonneesBarrage>();
    barrage->Code = 2;
    TDescNoeud* nb = t.AjouteBarrage("Barrage", "France", std::move(barrage));
    EXPECT_EQ(nb->Nom(), "#2#Barrage");
    EXPECT_EQ(nb->Code(), 2);
    nb->Barrage()->Code |= 0x8000;
    EXPECT_EQ(nb->Code(), 2);
    EXPECT_EQ(t.CodeBarrageMax(), 2);
    TDescNoeud* trouve = nullptr;
    std::string nom;
    EXPECT_EQ(t.BarrageParCode(0x8002, trouve, nom, true), nb->Barrage());
    EXPECT_EQ(nom, "France: Barrage");
}

TEST(DescTree, MoreThan255NodesRoundTrip)
{
    // 300 championships, a play-off whose code carries 0x8000 and competition
    // data past node 255: each comes back to its own node.
    auto s = TMultiSport::CreeSaison(0);
    for (int i = 1; i <= 300; ++i)
        s->Arbre().AjouteChampionnat(essai::NomNumero("D", i), essai::NomNumero("G", i / 10), Ligue(*s, i),
                                     essai::NomNumero("C", i / 100));
    auto b = std::make_unique<TDonneesBarrage>();
    b->Code = 7;
    TDescNoeud* nb = s->Arbre().AjouteBarrage("Barrage", "C2", std::move(b));
    nb->Barrage()->Code |= 0x8000;
    s->Arbre().NoeudParCode(290, true)->CreeDonneesCompetition()->Arbitres = {42};
    s->SelectionneChampionnat(299);

    const std::string doc = essai::Document(*s);
    auto r = essai::Lit(0, doc);
    const auto noeuds = r->Arbre().ListeNoeudsChampionnat();
    ASSERT_EQ(noeuds.size(), 300u);
    for (size_t i = 0; i < noeuds.size(); ++i) {
        EXPECT_EQ(noeuds[i]->Championnat()->CodeChamp, static_cast<int>(i) + 1);
        EXPECT_EQ(noeuds[i]->Nom(), essai::NomNumero("D", static_cast<int>(i) + 1));
    }
    EXPECT_EQ(r->ChampionnatCourant()->CodeChamp, 299);
    ASSERT_EQ(r->Arbre().ListeBarrages().size(), 1u);
    EXPECT_EQ(r->Arbre().ListeBarrages()[0]->Code, 0x8007);
    const auto donnees = r->Arbre().ListeDonneesCompetition(290);
    ASSERT_EQ(donnees.size(), 1u);
    EXPECT_EQ(donnees[0]->Arbitres, std::vector<int32_t>{42});
}

TEST(DescTree, OrphanChampionshipIsFiledAndPlayOffWithoutNodeIsLeft)
{
    const std::string doc =
        "<Gormelide><Championnats><Championnat><CodeChamp>6</CodeChamp></Championnat>"
        "<Barrage><Code>4</Code></Barrage></Championnats></Gormelide>";
    auto s = essai::Lit(1, doc);
    ASSERT_EQ(s->Arbre().ListeChampionnats().size(), 1u);
    EXPECT_NE(s->Arbre().ChampionnatParCode(6), nullptr);
    EXPECT_EQ(s->ChampionnatCourant(), nullptr);
    EXPECT_TRUE(s->Arbre().ListeBarrages().empty());
}

TEST(DescTree, LastModifHasOneFormAndOlderOnesAreRead)
{
    const TDateTime d = EncodeDate(2004, 3, 7) + EncodeTime(9, 5, 3, 0);
    EXPECT_EQ(DateModifVersTexte(d), "07/03/2004 09:05:03");
    TDateTime lu = 0;
    ASSERT_TRUE(TexteVersDateModif("07/03/2004 09:05:03", lu));
    EXPECT_NEAR(lu, d, 1e-6);
    ASSERT_TRUE(TexteVersDateModif("7.3.04", lu));
    EXPECT_EQ(lu, EncodeDate(2004, 3, 7));
    ASSERT_TRUE(TexteVersDateModif("2004-03-07 9:05", lu));
    EXPECT_NEAR(lu, EncodeDate(2004, 3, 7) + EncodeTime(9, 5, 0, 0), 1e-6);
    lu = 5;
    EXPECT_FALSE(TexteVersDateModif("hier", lu));
    EXPECT_FALSE(TexteVersDateModif("31/02/2004", lu));
    EXPECT_FALSE(TexteVersDateModif("07/03/2004 25:00", lu));
    EXPECT_EQ(lu, 5);
}

TEST(DescTree, ParamsOfEveryChampionship)
{
    essai::TSaisonComplete a(0);
    TMemoryStream m;
    {
        TXmlMemoryStreamWriter x(&m, false);
        a.saison->EcritParamsChamp(x);
    }
    const std::string doc(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
    EXPECT_NE(doc.find("<ID>101</ID>\r\n<Nom>Division 1</Nom>\r\n<Pays>France</Pays>"), std::string::npos);
    EXPECT_NE(doc.find("<TypeCompet>2</TypeCompet>"), std::string::npos);
    EXPECT_NE(doc.find("<OrdreClassement>abdc</OrdreClassement>"), std::string::npos);
    EXPECT_GT(a.saison->Arbre().EstimationCharge(), 1000);
}
