#include "views/LiensResultats.h"

#include "model/Championnat.h"
#include "model/NomJournee.h"
#include "model/Saison.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"

namespace {

TLiensResultats& Liens()
{
    static TLiensResultats liens;
    return liens;
}

}  // namespace

void EnregistreLiensResultats(TLiensResultats liens) { Liens() = std::move(liens); }

TLiensResultats& LiensResultatsEnregistres() { return Liens(); }

namespace liens {

std::string LibelleJournee(TSaison* saison)
{
    if (Liens().LibelleJournee)
        return Liens().LibelleJournee(saison);
    const TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    return c ? LibelleJournee(saison, c->NbJournee) : std::string();
}

std::string LibelleJournee(TSaison* saison, int n)
{
    if (Liens().LibelleJourneeNumero)
        return Liens().LibelleJourneeNumero(saison, n);
    const TDonneesChampionnat* c = saison ? saison->ChampionnatCourant() : nullptr;
    if (!c)
        return {};
    // a matchday without a date named by its number
    if ((c->Option(11) & 8) && TGestionDate::Jour(c->DateJournee(n)) != 0)
        return TraduireFormat(1481, {TGestionDate::DateVersTexte(c->DateJournee(n))});
    // a cup's matchday named as its round
    if (const std::string tour = NomTourCoupe(*c, n); !tour.empty())
        return tour;
    return TraduireFormat(151, {n});
}

void BilanHistorique(int equipe1, int equipe2, bool lesDeux, int max, TSaison* saison, TStat* historique,
                     int& victoires1, int& nuls, int& victoires2)
{
    victoires1 = nuls = victoires2 = 0;
    if (Liens().BilanHistorique)
        Liens().BilanHistorique(equipe1, equipe2, lesDeux, max, saison, historique, victoires1, nuls, victoires2);
}

TBrivantelForm* CreeFicheMatch(TComponent* owner, TSaison* saison, const TCouleurElement& couleurs,
                               TExecuteCommande executeCommande)
{
    return Liens().CreeFicheMatch ? Liens().CreeFicheMatch(owner, saison, couleurs, std::move(executeCommande))
                                  : nullptr;
}

bool AfficheMatch(TBrivantelForm* fiche, TStat* historique, int mode, int match)
{
    return fiche && Liens().AfficheMatch && Liens().AfficheMatch(fiche, historique, mode, match);
}

bool FicheArbitre(TComponent* owner, const TCouleurElement& couleurs, TSaison* saison, int32_t codeChampionnat,
                  TPersonnelStat* arbitre)
{
    return Liens().FicheArbitre && Liens().FicheArbitre(owner, couleurs, saison, codeChampionnat, arbitre);
}

}  // namespace liens
