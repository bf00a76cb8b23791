#include "model/Ages.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Strings.h"

int AgeEn(int anneeSaison, uint8_t naissance)
{
    const int age = anneeSaison - naissance;
    return naissance == 0 || age < 1 || age >= 100 ? -1 : age;
}

std::string TexteAge(int anneeSaison, uint8_t naissance)
{
    if (naissance == 0)
        return "-";
    const int age = AgeEn(anneeSaison, naissance);
    return IntToStr(age >= 0 ? age : naissance + 1900);
}

namespace {

int Annee(const TDonneesChampionnat* c)
{
    return c ? std::max<int>(static_cast<int16_t>(c->Option(8)), 0) : 0;
}

// The first championship that has a year: among dabord, then the season's
// current one, then the others of its tree; none without one.
const TDonneesChampionnat* ChampionnatAnnee(const TSaison* saison,
                                            const std::vector<const TDonneesChampionnat*>& dabord)
{
    for (const TDonneesChampionnat* c : dabord)
        if (Annee(c) > 0)
            return c;
    if (!saison)
        return nullptr;
    if (Annee(saison->ChampionnatCourant()) > 0)
        return saison->ChampionnatCourant();
    for (const TDonneesChampionnat* c : saison->Arbre().ListeChampionnats())
        if (Annee(c) > 0)
            return c;
    return nullptr;
}

}   // namespace

int AnneeAges(const TSaison& saison)
{
    return Annee(ChampionnatAnnee(&saison, {}));
}

TAnneesSaison AnneesSaison(const TSaison* saison, const std::vector<const TDonneesChampionnat*>& dabord)
{
    if (const TDonneesChampionnat* c = ChampionnatAnnee(saison, dabord))
        return {c->Option(8), c->Option(9)};
    const int an = YearOf(Date());
    return {static_cast<uint16_t>(an - 1900), static_cast<uint16_t>((an + 1) % 100)};
}

std::string TitreAge(int anneeSaison)
{
    return Traduire(anneeSaison > 0 ? 293 : 73);
}
