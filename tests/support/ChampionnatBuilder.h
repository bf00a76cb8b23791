// A season of football or rugby for tests, with players it knows by id, and
// helpers that build leagues and cups through the championship's own operations.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/Championnat.h"
#include "model/ChampionnatFootRugby.h"
#include "model/Saison.h"

class TSaisonEssai : public TSaison
{
public:
    explicit TSaisonEssai(int sport = 0) : TSaison(static_cast<uint8_t>(sport)), sport_(sport) {}

    std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t flags, uint8_t valeur) override
    {
        if (sport_ == 1)
            return std::make_unique<TDonneesChampionnatRugby>(this, flags, valeur);
        return std::make_unique<TDonneesChampionnatFootball>(this, flags, valeur);
    }
    int StatApplicable(int type) const override { return type == 2 ? 1 : 0; }
    int ValeurSport() const override { return sport_ == 1 ? 2 : 1; }
    int StatPrincipale() const override { return 1; }

    bool InfoJoueur(int32_t id, int equipe, TInfoJoueur& info) const override
    {
        auto it = infos_.find(id);
        if (it == infos_.end())
            return TSaison::InfoJoueur(id, equipe, info);
        info = it->second;
        return true;
    }
    void AjouteJoueur(int32_t id, const std::string& prenom, const std::string& nom, int poste)
    {
        infos_[id] = TInfoJoueur{nom, prenom, poste};
    }

private:
    int sport_;
    std::map<int32_t, TInfoJoueur> infos_;
};

// A season with teams "Equipe 0".."Equipe n-1" (ids 0..n-1) and one
// championship holding them all, the options of the sport set.
struct TChampionnatEssai
{
    std::unique_ptr<TSaisonEssai> saison;
    std::unique_ptr<TDonneesChampionnat> champ;

    TChampionnatEssai(int sport, int nbEquipes, uint8_t flags, int nbJour)
        : saison(std::make_unique<TSaisonEssai>(sport))
    {
        champ = saison->CreeChampionnat(flags, 0);
        champ->OptionsParDefaut();
        champ->SetOption(4, 3);
        champ->SetOption(5, 1);
        champ->SetOption(6, 0);
        for (int i = 0; i < nbEquipes; ++i)
            champ->AjouteEquipe(saison->AjouteEquipe("Equipe " + std::to_string(i)));
        if (flags & TDonneesChampionnat::TypeChamp)
            champ->SetNbMatch(nbEquipes / 2);
        if (nbJour > 0)
            champ->SetNbJournees(nbJour);
        saison->SetChampionnatCourant(champ.get());
    }
    TDonneesChampionnat* operator->() { return champ.get(); }
    TDonneesChampionnat& operator*() { return *champ; }
};

// A round robin of the first half of the matchdays (circle method over the
// positions), then the return legs.
inline void GenereCalendrier(TDonneesChampionnat& c)
{
    const int n = c.NbEquipe();
    std::vector<int> rot;
    for (int i = 1; i < n; ++i)
        rot.push_back(i);
    for (int j = 1; j <= n - 1; ++j) {
        std::vector<int> cercle{0};
        cercle.insert(cercle.end(), rot.begin(), rot.end());
        for (int k = 0; k < n / 2; ++k) {
            int a = cercle[static_cast<size_t>(k)], b = cercle[static_cast<size_t>(n - 1 - k)];
            if (j % 2 == 0)
                std::swap(a, b);
            c.CreeMatch(j, c.IdEquipe(a), c.IdEquipe(b), 65535, 65535);
        }
        std::rotate(rot.rbegin(), rot.rbegin() + 1, rot.rend());
    }
    c.GenereMatchsRetour(false);
}
