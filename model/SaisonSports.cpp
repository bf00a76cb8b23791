#include "model/SaisonSports.h"

#include "model/ChampionnatFootRugby.h"
#include "model/ChampionnatStat.h"

namespace {

// Kinds 0..10 of each sport; every other kind gives 0.
int Applicable(const int (&table)[11], int type)
{
    return type >= 0 && type <= 10 ? table[type] : 0;
}

// The championship with what a file read back would give it.
template <class T>
std::unique_ptr<TDonneesChampionnat> Nouveau(TSaison* saison, uint8_t flags, uint8_t valeur)
{
    auto c = std::make_unique<T>(saison, flags, valeur);
    c->ReglagesParDefaut();
    return c;
}

}   // namespace

std::unique_ptr<TDonneesChampionnat> TSaisonFootball::CreeChampionnat(uint8_t flags, uint8_t valeur)
{
    return Nouveau<TDonneesChampionnatFootball>(this, flags, valeur);
}

int TSaisonFootball::StatApplicable(int type) const
{
    static const int table[11] = {0, 1, 1, 1, 0, 1, 1, 0, 1, 1, 0};
    return Applicable(table, type);
}

std::unique_ptr<TDonneesChampionnat> TSaisonRugby::CreeChampionnat(uint8_t flags, uint8_t valeur)
{
    return Nouveau<TDonneesChampionnatRugby>(this, flags, valeur);
}

int TSaisonRugby::StatApplicable(int type) const
{
    static const int table[11] = {1, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0};
    return Applicable(table, type);
}

std::unique_ptr<TDonneesChampionnat> TSaisonBasket::CreeChampionnat(uint8_t flags, uint8_t valeur)
{
    return Nouveau<TDonneesChampionnatBasket>(this, flags, valeur);
}

int TSaisonBasket::StatApplicable(int type) const
{
    static const int table[11] = {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1};
    return Applicable(table, type);
}

std::unique_ptr<TDonneesChampionnat> TSaisonHandball::CreeChampionnat(uint8_t flags, uint8_t valeur)
{
    return Nouveau<TDonneesChampionnatHandball>(this, flags, valeur);
}

int TSaisonHandball::StatApplicable(int type) const
{
    static const int table[11] = {1, 0, 1, 1, 0, 0, 0, 1, 1, 1, 0};
    return Applicable(table, type);
}
