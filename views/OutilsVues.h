// Small services shared by the statistics views.
#pragma once

#include <memory>
#include <string>

#include "ui/ColorStringGrid.h"

class TDonneesChampionnat;
class TPngPicture;
class TSaison;
class TStringList;

namespace vues {

// The table colours of a page-template call: "CouleurTitre", "CouleurLigne1",
// "CouleurLigne2", "FonteTitre", "FonteLigne", with their defaults.
TCouleursHTML CouleursParametres(const TStringList& p);

// The crest of a team through the crest catalogue; none when the catalogue has
// no file for it or the file is not a picture.
std::unique_ptr<TPngPicture> Blason(const TSaison* saison, int idEquipe);

// Restores the season's current championship when it goes out of scope.
class TGardeChampionnat
{
public:
    explicit TGardeChampionnat(TSaison* saison);
    ~TGardeChampionnat();
    TGardeChampionnat(const TGardeChampionnat&) = delete;
    TGardeChampionnat& operator=(const TGardeChampionnat&) = delete;

private:
    TSaison* saison_;
    TDonneesChampionnat* courant_;
};

}  // namespace vues
