// Seasons of any sport for the tests and benchmarks of the statistics: teams,
// one or more leagues holding them, players filed in the season, referees, and
// helpers that enter results, line-ups, events and box scores through the
// championship's own operations.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/Joueurs.h"
#include "model/MultiSport.h"
#include "model/Personnels.h"
#include "model/Saison.h"
#include "model/Saison_Stats.h"

struct TSaisonStatEssai
{
    std::unique_ptr<TSaison> saison;
    std::vector<TDonneesChampionnat*> champs;
    int sport;

    // nbChamps leagues of nbEquipes teams each (new teams for each league),
    // nbJour matchdays each, codes 1, 2, ...
    TSaisonStatEssai(int sport, int nbEquipes, int nbJour, int nbChamps = 1)
        : saison(TMultiSport::CreeSaison(sport)), sport(sport)
    {
        for (int k = 0; k < nbChamps; ++k) {
            const uint8_t type = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational;
            std::unique_ptr<TDonneesChampionnat> c = saison->CreeChampionnat(type, 0);
            c->OptionsParDefaut();
            c->CodeChamp = k + 1;
            c->OrdreClassement = "ac";
            for (int i = 0; i < nbEquipes; ++i)
                c->AjouteEquipe(saison->AjouteEquipe("Club " + std::to_string(k) + "-" + std::to_string(i)));
            c->SetNbMatch(nbEquipes / 2);
            c->SetNbJournees(nbJour);
            for (int n = 1; n <= nbJour; ++n)
                c->SetDateJournee(n, 0);
            champs.push_back(saison->AjouteChampionnat(std::move(c), false));
        }
        saison->SetChampionnatCourant(champs.front());
    }

    TDonneesChampionnat& Champ(int k = 0) { return *champs[static_cast<size_t>(k)]; }
    TDonneesChampionnatStat& Stat(int k = 0) { return dynamic_cast<TDonneesChampionnatStat&>(Champ(k)); }
    int Equipe(int i, int k = 0) { return Champ(k).IdEquipe(i); }

    TJoueur* Joueur(const std::string& nom, const std::string& prenom, int equipe)
    {
        return saison->Joueurs().AjouteJoueur(saison->CreeJoueur(nom, prenom, -1, equipe));
    }
    TPersonnelStat* Arbitre(const std::string& nom, const std::string& prenom)
    {
        auto a = std::make_unique<TPersonnelStat>(-1, 40, prenom, nom);
        return static_cast<TPersonnelStat*>(saison->Arbitres().AjoutePersonnel(std::move(a)));
    }

    // A data record on matchday n: football and rugby data kinds 2..7 (the
    // minute and flags), basketball and handball statistic codes (the value).
    void Evenement(int n, int type, const TJoueur* j, int equipe, uint16_t mot, int k = 0)
    {
        TListeDonnees* l = sport < 2 ? Champ(k).ListeDonnees(type, n) : Stat(k).ListeStat(n, type);
        l->Ajoute(TDonneesEvt::CreateId(j ? j->Numero : 0, equipe, mot));
    }
    void EvenementId(int n, int type, int32_t id, int equipe, uint16_t mot, int k = 0)
    {
        TListeDonnees* l = sport < 2 ? Champ(k).ListeDonnees(type, n) : Stat(k).ListeStat(n, type);
        l->Ajoute(TDonneesEvt::CreateId(id, equipe, mot));
    }

    TSourceStats Source()
    {
        TSourceStats s;
        s.Sport = sport;
        s.Championnats = saison->Arbre().ListeChampionnats();
        s.Joueurs = &saison->Joueurs();
        s.Arbitres = &saison->Arbitres();
        return s;
    }
};
