#include "model/NomJournee.h"

#include "model/Championnat.h"
#include "model/oTraducteur.h"

namespace {

constexpr int TexteNombrePourcent = 5823;   // "%s%%", « %s %% »

}  // namespace

std::string NomTourCoupe(const TDonneesChampionnat& c, int n)
{
    if (!c.EstCoupe())
        return {};
    const TInfoTourCoupe* tour = c.TourCoupe(n - 1);
    const TInfoTourCoupe* premier = c.TourCoupe(0);
    if (!tour || !premier)
        return {};
    const int code = tour->nTour & 63;
    std::string s;
    if (code >= 1 && code <= 6)
        s = Traduire(270 + code);
    else
        s = TraduireFormat(277, {static_cast<int>(premier->nTour) - static_cast<int>(tour->nTour) + 1});
    const uint32_t t = tour->TypeMatch;
    if (t & 16)
        s += " - " + TraduireFormat(621, {static_cast<int>(t >> 5) + 1});
    else if (const uint32_t jambe = t >> 6; jambe == 1 && (t & 15) == 3)
        s += " - " + Traduire(4954);   // a replayed tie's first match has no second leg
    else if (jambe >= 1 && jambe <= 3)
        s += " - " + Traduire(jambe == 1 ? 283 : (jambe == 2 ? 285 : 284));
    return s;
}

std::string TextePourcent(const std::string& nombre)
{
    const std::string t = TraduireFormat(TexteNombrePourcent, {nombre});
    return t.empty() ? nombre + "%" : t;
}
