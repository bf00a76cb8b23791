// The walk over a team's matches shared by the team sheet's pages and page
// functions.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/Couleurs.h"

class TColorGridBase;
class TDonneesChampionnat;
class TSaison;

namespace statequipe {

// One match seen from the team.
struct TScoreMatch
{
    int Nous = 65535, Eux = 65535;
    int IdNous = -1, IdEux = -1;
    bool Joue = false;
};

// Run by dates (option word 11 bit 0 or 3).
bool ParDate(const TDonneesChampionnat& c);
// The band of a championship: whole = 1 .. its last played matchday.
void Bornes(const TDonneesChampionnat& c, bool entier, int premiere, int derniere, int& debut, int& fin);
// The team's matches of matchdays debut..fin, in number or date order:
// matchday, match index (from 0), home side.
void ParcourtMatchs(const TDonneesChampionnat& c, int debut, int fin, int idEquipe,
                    const std::function<void(int journee, int index, bool domicile)>& ajoute);
TScoreMatch Score(const TDonneesChampionnat& c, int journee, int index, bool domicile);
// Points taken from the opponent in the team's match (index from 0) of a
// matchday, its bonus points included (8-bit counters: points, matches per
// position).
void CompteurPoints(TDonneesChampionnat& c, int journee, int index, bool domicile, std::vector<uint8_t>& points);
void LignesPoints(TSaison* saison, const TDonneesChampionnat& c, int idEquipe, const std::vector<uint8_t>& points,
                  TColorGridBase& g, const TCouleurElement& couleurs, int& row);
void EntetePoints(TColorGridBase& g, const TCouleurElement& couleurs, int largeur2);

}  // namespace statequipe
