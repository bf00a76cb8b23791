// Records come from shared blocks with a free list: a record must keep its
// values whatever is freed around it, outlive the list that made it when it is
// handed over, and survive being made and freed on several threads at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

namespace {

uintptr_t BlocDe(const TDonneesEvt* d)
{
    return reinterpret_cast<uintptr_t>(d) & ~uintptr_t{64 * 1024 - 1};
}

// Whether records come from the shared blocks (not under AddressSanitizer).
bool BlocsPartages()
{
    auto d = TDonneesEvt::CreateId(1, 1, 7);
    return EtatReserveEvt().blocs > 0;
}

std::vector<std::unique_ptr<TDonneesEvt>> Fais(int32_t premier, int nombre)
{
    std::vector<std::unique_ptr<TDonneesEvt>> v;
    for (int32_t i = premier; i < premier + nombre; ++i)
        v.push_back(TDonneesEvt::CreateId(i, i & 0xFFF, static_cast<uint16_t>(i * 7)));
    return v;
}

}   // namespace

TEST(ReserveEvt, EmptiedBlocksAreFilledAgainInOrderAndAllGoBackWhenNoRecordIsLeft)
{
    if (!BlocsPartages())
        GTEST_SKIP() << "each record is a heap object of its own here";
    ASSERT_EQ(EtatReserveEvt().vivants, 0u) << "a record of another test is still alive";

    // Three blocks or more, the records of each block in order of address.
    auto v = Fais(1, 10000);
    TEtatReserveEvt e = EtatReserveEvt();
    EXPECT_EQ(e.vivants, 10000u);
    EXPECT_EQ(e.vides, 0u);
    const size_t blocs = e.blocs;
    ASSERT_GE(blocs, 3u);
    for (size_t i = 1; i < v.size(); ++i)
        if (BlocDe(v[i].get()) == BlocDe(v[i - 1].get())) {
            ASSERT_GT(v[i].get(), v[i - 1].get()) << i;
        }

    // Every record of the first block freed: the block is empty and kept
    // (fewer empty blocks than blocks in use).
    const uintptr_t premier = BlocDe(v.front().get());
    size_t dansPremier = 0;
    for (auto& d : v)
        if (d && BlocDe(d.get()) == premier) {
            d.reset();
            ++dansPremier;
        }
    e = EtatReserveEvt();
    EXPECT_EQ(e.vides, 1u);
    EXPECT_EQ(e.blocs, blocs);
    EXPECT_EQ(e.vivants, 10000u - dansPremier);

    // New records fill the block being filled, then the empty one from its
    // start, in order; no block is added.
    auto w = Fais(20001, 3 * static_cast<int>(dansPremier) / 2);
    std::vector<const TDonneesEvt*> repris;
    for (const auto& d : w)
        if (BlocDe(d.get()) == premier)
            repris.push_back(d.get());
    EXPECT_FALSE(repris.empty());
    EXPECT_TRUE(std::is_sorted(repris.begin(), repris.end()));
    e = EtatReserveEvt();
    EXPECT_EQ(e.vides, 0u);
    EXPECT_LE(e.blocs, blocs + 1);

    // Holes in a full block are filled before a new block is taken.
    std::vector<const TDonneesEvt*> trous;
    for (size_t i = 0; i < v.size(); i += 2)
        if (v[i] && BlocDe(v[i].get()) != premier && BlocDe(v[i].get()) != BlocDe(w.back().get())) {
            trous.push_back(v[i].get());
            v[i].reset();
            if (trous.size() == 100)
                break;
        }
    // (the block being filled is filled first: records are made until a
    // block is added)
    const size_t blocsAvant = EtatReserveEvt().blocs;
    std::vector<std::unique_ptr<TDonneesEvt>> bouche;
    for (int32_t i = 40001; i < 50000 && EtatReserveEvt().blocs == blocsAvant; ++i)
        bouche.push_back(TDonneesEvt::CreateId(i, i & 0xFFF, static_cast<uint16_t>(i * 7)));
    EXPECT_EQ(EtatReserveEvt().blocs, blocsAvant + 1);
    size_t dansTrous = 0;
    for (const auto& d : bouche)
        dansTrous += std::find(trous.begin(), trous.end(), d.get()) != trous.end();
    EXPECT_EQ(dansTrous, 100u);

    // Every record gone but one: at most as many empty blocks as blocks in
    // use are kept.
    auto temoin = TDonneesEvt::CreateId(7, 7, 49);
    v.clear();
    w.clear();
    bouche.clear();
    e = EtatReserveEvt();
    EXPECT_EQ(e.vivants, 1u);
    EXPECT_LE(e.vides, e.blocs - e.vides);
    EXPECT_TRUE(Intact(*temoin, 7));

    // The last one: every block goes back.
    temoin.reset();
    e = EtatReserveEvt();
    EXPECT_EQ(e.blocs, 0u);
    EXPECT_EQ(e.vides, 0u);
    EXPECT_EQ(e.vivants, 0u);
}

TEST(ReserveEvt, LotsAndListsFreeTheirRecordsTogether)
{
    const size_t avant = EtatReserveEvt().vivants;
    std::unique_ptr<TDonneesEvt> lot[5];
    lot[2] = TDonneesEvt::CreateId(9, 9, 63);
    TDonneesEvt::CreeLot(lot);
    for (const auto& d : lot) {
        ASSERT_TRUE(d);
        EXPECT_EQ(d->IdJoueur(), 0);
        EXPECT_EQ(d->IdEquipe(), 65535);
        EXPECT_EQ(d->Mot(), 0);
    }
    if (BlocsPartages()) {
        EXPECT_EQ(EtatReserveEvt().vivants, avant + 5);   // the record held before is freed
    }
    TDonneesEvt::LibereLot(std::span(lot, 3));
    EXPECT_FALSE(lot[0] || lot[1] || lot[2]);
    EXPECT_TRUE(lot[3] && lot[4]);
    TDonneesEvt::LibereLot(lot);
    EXPECT_EQ(EtatReserveEvt().vivants, avant);

    {
        TListeDonnees l(nullptr);
        for (int32_t i = 1; i <= 300; ++i)
            l.Ajoute(TDonneesEvt::CreateId(i, i % 3, static_cast<uint16_t>(i % 2 ? evtHorsScore : 5)));
        // The records kept stay in their order.
        const int un[] = {1};
        l.SupprimeEquipesMarquees(un);
        EXPECT_EQ(l.Nombre(), 250);
        l.SupprimeEquipes({0});
        ASSERT_EQ(l.Nombre(), 150);
        for (int i = 1; i < l.Nombre(); ++i)
            ASSERT_LT(l.Donnee(i - 1)->IdJoueur(), l.Donnee(i)->IdJoueur());
        for (int i = 0; i < l.Nombre(); ++i)
            ASSERT_FALSE(l.Donnee(i)->IdEquipe() == 0 || (l.Donnee(i)->IdEquipe() == 1 && l.Donnee(i)->Mot() == evtHorsScore));
        if (BlocsPartages()) {
            EXPECT_EQ(EtatReserveEvt().vivants, avant + 150);
        }
        l.Vide();
        EXPECT_EQ(l.Nombre(), 0);
        EXPECT_EQ(EtatReserveEvt().vivants, avant);
        l.Ajoute(TDonneesEvt::CreateId(1, 1, 1));
    }
    EXPECT_EQ(EtatReserveEvt().vivants, avant);
}

TEST(ReserveEvt, RecordsMadeOnOneThreadAreFreedOnAnother)
{
    // As a season is read on a worker thread and closed on the main one,
    // while the main thread makes and frees records of its own.
    const size_t avant = EtatReserveEvt().vivants;
    std::vector<std::unique_ptr<TListeDonnees>> listes;
    std::thread lecteur([&] {
        for (int k = 0; k < 200; ++k) {
            auto l = std::make_unique<TListeDonnees>(nullptr);
            std::unique_ptr<TDonneesEvt> lot[16];
            TDonneesEvt::CreeLot(lot);
            for (int32_t i = 0; i < 16; ++i) {
                const int32_t id = k * 100 + i;
                lot[i]->SetIdJoueur(id);
                lot[i]->SetIdEquipe(id & 0xFFF);
                lot[i]->SetMot(static_cast<uint16_t>(id * 7));
                l->Ajoute(std::move(lot[i]));
            }
            l->Ajoute(TDonneesEvt::CreateId(k * 100 + 16, (k * 100 + 16) & 0xFFF, static_cast<uint16_t>((k * 100 + 16) * 7)));
            listes.push_back(std::move(l));
        }
    });
    int erreurs = 0;
    for (int tour = 0; tour < 50; ++tour) {
        auto v = Fais(1000000 + tour * 1000, 1000);
        for (size_t i = 0; i < v.size(); i += 97)
            erreurs += !Intact(*v[i], 1000000 + tour * 1000 + static_cast<int32_t>(i));
    }
    lecteur.join();
    EXPECT_EQ(erreurs, 0);
    ASSERT_EQ(listes.size(), 200u);
    for (int k = 0; k < 200; ++k)
        for (int i = 0; i < 17; ++i)
            ASSERT_TRUE(Intact(*listes[static_cast<size_t>(k)]->Donnee(i), k * 100 + i)) << k << " " << i;
    std::thread fermeture([&] { listes.clear(); });
    fermeture.join();
    EXPECT_EQ(EtatReserveEvt().vivants, avant);
    if (avant == 0) {
        EXPECT_EQ(EtatReserveEvt().blocs, 0u);
    }
}

TEST(ReserveEvt, TheLastRecordsFreedByALotGiveTheBlocksBack)
{
    if (!BlocsPartages())
        GTEST_SKIP() << "each record is a heap object of its own here";
    ASSERT_EQ(EtatReserveEvt().vivants, 0u) << "a record of another test is still alive";
    {
        TListeDonnees l(nullptr);
        for (int32_t i = 1; i <= 9000; ++i)
            l.Ajoute(TDonneesEvt::CreateId(i, i & 0xFFF, static_cast<uint16_t>(i * 7)));
        std::unique_ptr<TDonneesEvt> lot[16];
        TDonneesEvt::CreeLot(lot);
        TDonneesEvt::CreeLot(lot);   // made again: the first ones are freed
        EXPECT_EQ(EtatReserveEvt().vivants, 9016u);
        EXPECT_GE(EtatReserveEvt().blocs, 3u);
        TDonneesEvt::LibereLot(lot);
    }
    const TEtatReserveEvt e = EtatReserveEvt();
    EXPECT_EQ(e.vivants, 0u);
    EXPECT_EQ(e.blocs, 0u);
    EXPECT_EQ(e.vides, 0u);
}
