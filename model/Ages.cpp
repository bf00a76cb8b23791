#include "model/Ages.h"

#include <algorithm>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
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

}   // namespace

int AnneeAges(const TSaison& saison)
{
    if (const int a = Annee(saison.ChampionnatCourant()); a > 0)
        return a;
    for (const TDonneesChampionnat* c : saison.Arbre().ListeChampionnats())
        if (const int a = Annee(c); a > 0)
            return a;
    return 0;
}

std::string TitreAge(int anneeSaison)
{
    return Traduire(anneeSaison > 0 ? 293 : 73);
}
