#include "views/OutilsVues.h"

#include "model/Saison.h"
#include "ui/FonctionsGabarit.h"

namespace vues {

TCouleursHTML CouleursParametres(const TStringList& p)
{
    return {TFonctionsGabarit::Parametre("CouleurTitre", p, "#000080"),
            TFonctionsGabarit::Parametre("CouleurLigne1", p, "#C0C0C0"),
            TFonctionsGabarit::Parametre("CouleurLigne2", p, "#FFFFFF"),
            TFonctionsGabarit::Parametre("FonteTitre", p, "#F0E020"),
            TFonctionsGabarit::Parametre("FonteLigne", p, "#000000")};
}

TGardeChampionnat::TGardeChampionnat(TSaison* saison)
    : saison_(saison), courant_(saison ? saison->ChampionnatCourant() : nullptr)
{
}

TGardeChampionnat::~TGardeChampionnat()
{
    if (saison_)
        saison_->SetChampionnatCourant(courant_);
}

}  // namespace vues
