// Records come from shared blocks with a free list: a record must keep its
// values whatever is freed around it, outlive the list that made it when it is
// handed over, and survive being made and freed on several threads at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

#include "model/ListeDonnees.h"

namespace {

bool Intact(const TDonneesEvt& d, int32_t id)
{
    return d.IdJoueur() == id && d.IdEquipe() == (id & 0xFFF) && d.Mot() == static_cast<uint16_t>(id * 7) &&
           d.Joueur() == nullptr;
}

}   // namespace

TEST(ReserveEvt, RecordsKeepTheirValuesAcrossFreesAndReuse)
{
    // More than one block, freed in an interleaved order, then cells reused.
    std::vector<std::unique_ptr<TDonneesEvt>> v;
    for (int32_t i = 1; i <= 10000; ++i)
        v.push_back(TDonneesEvt::CreateId(i, i & 0xFFF, static_cast<uint16_t>(i * 7)));
    for (size_t i = 0; i < v.size(); i += 3)
        v[i].reset();
    for (size_t i = 0; i < v.size(); i += 3)
        v[i] = TDonneesEvt::CreateId(static_cast<int32_t>(i + 1), static_cast<int>((i + 1) & 0xFFF),
                                     static_cast<uint16_t>((i + 1) * 7));
    for (size_t i = 0; i < v.size(); ++i)
        ASSERT_TRUE(Intact(*v[i], static_cast<int32_t>(i + 1))) << i;

    // Distinct cells.
    std::vector<const TDonneesEvt*> adresses;
    for (const auto& d : v)
        adresses.push_back(d.get());
    std::sort(adresses.begin(), adresses.end());
    EXPECT_EQ(std::adjacent_find(adresses.begin(), adresses.end()), adresses.end());

    // Every record freed, then new ones made: the blocks start again.
    v.clear();
    auto d = std::make_unique<TDonneesEvt>(5, 2, 200, evt100);
    EXPECT_EQ(d->Minute(), 127);
    EXPECT_EQ(d->TypeBut(), 1);
    EXPECT_EQ(d->IdEquipe(), 2);
}

TEST(ReserveEvt, RecordHandedOverOutlivesItsList)
{
    std::unique_ptr<TDonneesEvt> garde;
    {
        TListeDonnees l(nullptr);
        for (int32_t i = 1; i <= 50; ++i)
            l.Ajoute(TDonneesEvt::CreateId(i, i & 0xFFF, static_cast<uint16_t>(i * 7)));
        garde = l.Retire(20);
        ASSERT_TRUE(garde);
        EXPECT_EQ(l.Nombre(), 49);
        EXPECT_EQ(l.Donnee(20)->IdJoueur(), 22);
        EXPECT_EQ(l.Donnee(49), nullptr);
        EXPECT_EQ(l.Donnee(-1), nullptr);
        l.SupprimeEquipes({3, 4, 5});
        EXPECT_EQ(l.Nombre(), 46);
    }
    // The list and its other records are gone; new records take their cells.
    std::vector<std::unique_ptr<TDonneesEvt>> autres;
    for (int32_t i = 100; i < 200; ++i)
        autres.push_back(TDonneesEvt::CreateId(i, i & 0xFFF, static_cast<uint16_t>(i * 7)));
    EXPECT_TRUE(Intact(*garde, 21));
    for (size_t i = 0; i < autres.size(); ++i)
        EXPECT_TRUE(Intact(*autres[i], static_cast<int32_t>(100 + i)));
}

TEST(ReserveEvt, RecordsMadeAndFreedOnSeveralThreads)
{
    // One record kept alive here so that the blocks are not released while
    // the threads work (and once when it goes).
    auto temoin = TDonneesEvt::CreateId(1, 1, 7);
    std::vector<std::thread> fils;
    std::vector<int> erreurs(4, 0);
    for (int f = 0; f < 4; ++f)
        fils.emplace_back([f, &erreurs] {
            std::vector<std::unique_ptr<TDonneesEvt>> v;
            for (int tour = 0; tour < 20; ++tour) {
                for (int32_t i = 0; i < 2000; ++i) {
                    const int32_t id = f * 100000 + i;
                    v.push_back(TDonneesEvt::CreateId(id, id & 0xFFF, static_cast<uint16_t>(id * 7)));
                }
                for (size_t i = 0; i < v.size(); ++i)
                    if (!Intact(*v[i], f * 100000 + static_cast<int32_t>(i)))
                        ++erreurs[static_cast<size_t>(f)];
                v.clear();
            }
        });
    for (auto& t : fils)
        t.join();
    for (int e : erreurs)
        EXPECT_EQ(e, 0);
    EXPECT_TRUE(Intact(*temoin, 1));
}
