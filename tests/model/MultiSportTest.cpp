#include <gtest/gtest.h>

#include "model/ChampionnatFootRugby.h"
#include "model/ChampionnatStat.h"
#include "model/LectureParametre.h"
#include "model/MultiSport.h"
#include "model/SaisonSports.h"
#include "model/oTraducteur.h"
#include "platform/rtl/StringList.h"
#include "tests/model/Outils.h"

namespace {

struct TFenetreEssai : TClasseFenetre
{
    int Numero = 0;
};

}   // namespace

TEST(MultiSport, FormatsTitlesAndSeasons)
{
    EXPECT_EQ(TMultiSport::SportDeFormat("gormelide"), 0);
    EXPECT_EQ(TMultiSport::SportDeFormat("murvaline"), 3);
    EXPECT_EQ(TMultiSport::SportDeFormat("Gormelide"), 6);
    EXPECT_EQ(TMultiSport::SportDeFormat(""), 6);
    EXPECT_EQ(TMultiSport::FormatDeSport(1), "tessavonde");
    EXPECT_EQ(TMultiSport::FormatDeSport(4), "");
    EXPECT_EQ(TMultiSport::TitreProduit(2), "Pollinarque Zelvor");
    EXPECT_EQ(TMultiSport::TitreProduit(4), "Brivantel Zelvor");
    EXPECT_EQ(TMultiSport::TitreProduit(5), "");
    EXPECT_EQ(TMultiSport::Contact(0).rfind("E-mail : ", 0), 0u);

    InstalleLectureParamMulti(std::make_unique<TLectureParamMulti>());
    for (int sport = 0; sport < 4; ++sport) {
        auto s = TMultiSport::CreeSaison(sport);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->Sport(), sport);
        EXPECT_EQ(s->MultiSport().Format(), TMultiSport::FormatDeSport(sport));
        EXPECT_EQ(LectureParamMulti()->Sport(), sport);
    }
    EXPECT_EQ(TMultiSport::CreeSaison(4), nullptr);
    EXPECT_EQ(LectureParamMulti()->Sport(), 4);
    InstalleLectureParamMulti(nullptr);
    EXPECT_EQ(TMultiSport::CreeSaison(7), nullptr);
}

TEST(MultiSport, WindowClassesAreRegisteredBySport)
{
    TMultiSport foot(0), basket(2);
    EXPECT_EQ(foot.ClasseFicheJoueur(), nullptr);
    auto fiche = std::make_shared<TFenetreEssai>();
    fiche->Numero = 7;
    TMultiSport::EnregistreClasse(TGenreFenetre::FicheJoueur, 0, fiche);
    TMultiSport::EnregistreClasse(TGenreFenetre::Passeurs, 2, std::make_shared<TFenetreEssai>());
    auto c = std::dynamic_pointer_cast<const TFenetreEssai>(foot.ClasseFicheJoueur());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Numero, 7);
    EXPECT_EQ(basket.ClasseFicheJoueur(), nullptr);
    EXPECT_EQ(basket.ClassePasseurs(), nullptr);   // basketball has no assisters page
    TMultiSport::EnregistreClasse(TGenreFenetre::FicheJoueur, 0, nullptr);
    TMultiSport::EnregistreClasse(TGenreFenetre::Passeurs, 2, nullptr);
    EXPECT_EQ(foot.ClasseFicheJoueur(), nullptr);
}

TEST(MultiSport, LabelsWithoutTranslator)
{
    TMultiSport hand(3), autre(6);
    EXPECT_EQ(hand.LibelleStatistique(6), "");
    std::string t = "x";
    autre.LibelleButeurs(t);
    EXPECT_EQ(t, "x");   // left as it was for a sport that is none
    hand.LibelleButeurs(t);
    EXPECT_EQ(t, "");
}

// The rugby statistic of label 10 is its drop goals, not the basketball free
// throws that share the slot.
TEST(MultiSport, RugbyStatisticLabelsNameTheirFigures)
{
    DossierTemp d;
    InstalleTraducteur(std::make_unique<TTraducteur>(
        d.Ecrit("Texteen.txt", "1089\tTries scored\r\n1093\tConversions\r\n1095\tDrop goals scored\r\n"
                               "1120\tFree-throw success\r\n")));
    TMultiSport rugby(1), basket(2);
    EXPECT_EQ(rugby.LibelleStatistique(6), "Tries scored");
    EXPECT_EQ(rugby.LibelleStatistique(10), "Drop goals scored");
    EXPECT_EQ(basket.LibelleStatistique(10), "Free-throw success");
    InstalleTraducteur(nullptr);
}

TEST(SaisonSports, FactoriesAndConstants)
{
    TSaisonFootball f;
    TSaisonRugby r;
    TSaisonBasket b;
    TSaisonHandball h;
    EXPECT_NE(dynamic_cast<TDonneesChampionnatFootball*>(f.CreeChampionnat(5, 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TDonneesChampionnatRugby*>(r.CreeChampionnat(5, 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TDonneesChampionnatBasket*>(b.CreeChampionnat(5, 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TDonneesChampionnatHandball*>(h.CreeChampionnat(5, 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TJoueurRugby*>(r.CreeJoueur("A", "B", -1, 0).get()), nullptr);
    EXPECT_NE(dynamic_cast<TJoueurHandball*>(h.CreeJoueur("A", "B", -1, 0).get()), nullptr);

    EXPECT_EQ((std::vector<int>{f.ValeurSport(), r.ValeurSport(), b.ValeurSport(), h.ValeurSport()}),
              (std::vector<int>{1, 2, 3, 2}));
    EXPECT_EQ((std::vector<int>{f.StatPrincipale(), r.StatPrincipale(), b.StatPrincipale(), h.StatPrincipale()}),
              (std::vector<int>{1, 1, 6, 21}));
    for (const TSaison* s : std::initializer_list<const TSaison*>{&f, &r, &b, &h}) {
        EXPECT_EQ(s->StatApplicable(4), 0);
        EXPECT_EQ(s->StatApplicable(11), 0);
        EXPECT_EQ(s->StatApplicable(-1), 0);
    }
    EXPECT_EQ(f.StatApplicable(8), 1);
    EXPECT_EQ(b.StatApplicable(10), 1);

    auto postes = r.ListePostes();
    ASSERT_EQ(postes->Count(), 9);
    EXPECT_EQ(postes->Objects(0), 5);
    EXPECT_EQ(postes->Objects(8), 13);
    EXPECT_EQ(h.ListePostes()->Objects(0), 22);
    int t1, c1, c2, nb, t2;
    h.ParamLibelles(1, t1, c1, c2, nb, t2);
    EXPECT_EQ((std::vector<int>{t1, c1, c2, nb, t2}), (std::vector<int>{1524, 33, 34, 24, 1525}));
    b.ParamLibelles(0, t1, c1, c2, nb, t2);
    EXPECT_EQ((std::vector<int>{t1, c1, c2, nb, t2}), (std::vector<int>{650, 37, 37, 39, 648}));
    f.ParamLibelles(2, t1, c1, c2, nb, t2);
    EXPECT_EQ((std::vector<int>{t1, t2}), (std::vector<int>{310, 311}));
}

TEST(SaisonSports, NewTeamsGetAPlayerBlock)
{
    TSaisonFootball f;
    const int id = f.AjouteEquipe("Lens");
    EXPECT_NE(f.Joueurs().BlocEquipe(id), nullptr);
    TJoueur* p = f.Joueurs().AjouteJoueur(f.CreeJoueur("Dupont", "Jean", -1, id));
    ASSERT_NE(p, nullptr);
    TInfoJoueur info;
    EXPECT_TRUE(f.InfoJoueur(p->Numero, id, info));
    EXPECT_EQ(info.Nom, "Dupont");
    EXPECT_FALSE(f.InfoJoueur(0, id, info));
    EXPECT_FALSE(f.InfoJoueur(p->Numero + 1, id, info));
}
