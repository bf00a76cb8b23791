// The recount sums each championship's statistics before adding them to the
// players' stores: the totals stay capped at 65535, each store keeps one list
// per championship in the championships' order, and the box-score totals
// match the records.
#include <gtest/gtest.h>

#include <map>

#include "model/Saison_Stats.h"
#include "tests/support/GrandeSaison.h"

TEST(RecompteCumul, BasketballTotalsCapsAndListOrder)
{
    auto g = essai::GenerePetiteSaison(2);
    TSaison& s = *g->saison;
    const TSourceStats source = SourceStats(s);
    ASSERT_GE(source.Championnats.size(), 2u);

    // Points (code 6) of every player and team, straight from the records.
    std::map<std::pair<int32_t, int>, long long> points;
    for (TDonneesChampionnat* c : source.Championnats)
        for (int n = DerniereJourneeJouee(*c); n >= 1; --n)
            if (const TListeDonnees* l = c->Journee(n)->ListeStat(6, 2))
                for (int i = 0; i < l->Nombre(); ++i)
                    if (c == source.Championnats.front())
                        points[{l->Donnee(i)->IdJoueur(), l->Donnee(i)->IdEquipe()}] += l->Donnee(i)->Mot();
    ASSERT_FALSE(points.empty());

    // One player gets two huge scores on the first matchday.
    TDonneesChampionnat* c0 = source.Championnats.front();
    TListeDonnees* l = c0->Journee(1)->ListeStat(6, 2);
    ASSERT_NE(l, nullptr);
    ASSERT_GT(l->Nombre(), 0);
    const int32_t id = l->Donnee(0)->IdJoueur();
    const int equipe = l->Donnee(0)->IdEquipe();
    l->Ajoute(TDonneesEvt::CreateId(id, equipe, 60000));
    l->Ajoute(TDonneesEvt::CreateId(id, equipe, 60000));

    const TRapportStats r = CalculeStatJoueurs(source);
    EXPECT_TRUE(r.Orphelins.empty());
    const uint32_t code = static_cast<uint32_t>(c0->CodeChamp);
    for (const auto& [cle, total] : points) {
        TJoueur* p = s.Joueurs().ChercheJoueur(cle.first, cle.second);
        ASSERT_NE(p, nullptr);
        if (cle.first == id && cle.second == equipe)
            EXPECT_EQ(p->Stat(code, 6), 65535);
        else
            EXPECT_EQ(p->Stat(code, 6), total);
    }
    // Every store lists its championships in the season's order.
    std::map<uint32_t, size_t> rang;
    for (size_t i = 0; i < source.Championnats.size(); ++i)
        rang[static_cast<uint32_t>(source.Championnats[i]->CodeChamp)] = i;
    for (int i = 0; i < s.Joueurs().NbJoueur(); ++i) {
        const TJoueur* p = s.Joueurs().Joueur(i);
        for (int k = 1; k < p->NbListeStat(); ++k)
            EXPECT_LT(rang.at(p->ListeStat(k - 1)->IdChampionnat()), rang.at(p->ListeStat(k)->IdChampionnat()));
    }
}
