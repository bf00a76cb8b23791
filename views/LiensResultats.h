// What the statistics views use of the results windows: the match card, the
// referee card and the matchday caption. The results library registers them at
// start-up; until then each answers its neutral value and the views show
// without them (no card opens, the caption is the plain matchday number).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class TBrivantelForm;
class TComponent;
class TPersonnelStat;
class TSaison;
class TStat;
struct TCouleurElement;

// Runs a command of the main window (command, parameter, championship changed).
using TExecuteCommande = std::function<void(int commande, int param, bool changeChampionnat)>;

struct TLiensResultats
{
    // The caption of the current matchday of the current championship.
    std::function<std::string(TSaison* saison)> LibelleJournee;
    // The caption of matchday n of the current championship.
    std::function<std::string(TSaison* saison, int n)> LibelleJourneeNumero;
    // Meetings of the teams at positions equipe1 (home) and equipe2 of the
    // current championship in the history file, most recent first, at most max;
    // lesDeux counts the return meetings too.
    std::function<void(int equipe1, int equipe2, bool lesDeux, int max, TSaison* saison, TStat* historique,
                       int& victoires1, int& nuls, int& victoires2)>
        BilanHistorique;
    // A new match card owned by owner, coloured, given the season and the
    // command callback; not shown.
    std::function<TBrivantelForm*(TComponent* owner, TSaison* saison, const TCouleurElement& couleurs,
                                  TExecuteCommande executeCommande)>
        CreeFicheMatch;
    // Shows match `match` of the current matchday in a card made by
    // CreeFicheMatch (mode 3: no stepping); false when the user cancelled.
    std::function<bool(TBrivantelForm* fiche, TStat* historique, int mode, int match)> AfficheMatch;
    // The referee card, modal; true when it was validated.
    std::function<bool(TComponent* owner, const TCouleurElement& couleurs, TSaison* saison, int32_t codeChampionnat,
                       TPersonnelStat* arbitre)>
        FicheArbitre;
};

void EnregistreLiensResultats(TLiensResultats liens);
// The links registered so far, for a registration that sets some of them.
TLiensResultats& LiensResultatsEnregistres();

namespace liens {
std::string LibelleJournee(TSaison* saison);
std::string LibelleJournee(TSaison* saison, int n);
void BilanHistorique(int equipe1, int equipe2, bool lesDeux, int max, TSaison* saison, TStat* historique,
                     int& victoires1, int& nuls, int& victoires2);
// nullptr without a registered match card.
TBrivantelForm* CreeFicheMatch(TComponent* owner, TSaison* saison, const TCouleurElement& couleurs,
                               TExecuteCommande executeCommande);
bool AfficheMatch(TBrivantelForm* fiche, TStat* historique, int mode, int match);
bool FicheArbitre(TComponent* owner, const TCouleurElement& couleurs, TSaison* saison, int32_t codeChampionnat,
                  TPersonnelStat* arbitre);
}  // namespace liens
