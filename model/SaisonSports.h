// The seasons of the four sports: each creates its sport switch, then hands out
// the sport's championships and players and gives the sport's constants.
// Basketball and handball championships carry their shooting statistics and
// the statistic lists of their matches (model/ChampionnatStat.h).
#pragma once

#include "model/Saison.h"

class TSaisonFootball : public TSaison
{
public:
    TSaisonFootball() : TSaison(0) {}
    std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t flags, uint8_t valeur) override;
    int StatApplicable(int type) const override;
    int ValeurSport() const override { return 1; }
    int StatPrincipale() const override { return 1; }
};

class TSaisonRugby : public TSaison
{
public:
    TSaisonRugby() : TSaison(1) {}
    std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t flags, uint8_t valeur) override;
    int StatApplicable(int type) const override;
    int ValeurSport() const override { return 2; }
    int StatPrincipale() const override { return 1; }
};

class TSaisonBasket : public TSaison
{
public:
    TSaisonBasket() : TSaison(2) {}
    std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t flags, uint8_t valeur) override;
    int StatApplicable(int type) const override;
    int ValeurSport() const override { return 3; }
    int StatPrincipale() const override { return 6; }
};

class TSaisonHandball : public TSaison
{
public:
    TSaisonHandball() : TSaison(3) {}
    std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t flags, uint8_t valeur) override;
    int StatApplicable(int type) const override;
    int ValeurSport() const override { return 2; }
    int StatPrincipale() const override { return 21; }
};
