#include "engine/Statistique.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/Championnat.h"
#include "model/ChampionnatFootRugby.h"
#include "model/Penalites.h"

namespace {

// The range of matchdays of one championship.
void Plage(const TDonneesChampionnat& c, bool tout, int premiere, int derniere, int& debut, int& fin)
{
    if (tout) {
        debut = 1;
        fin = c.CalculeDerniereJournee();
    } else {
        debut = std::max(premiere, 1);
        fin = derniere;
    }
    fin = std::min(fin, c.NbJour());
}

int ScoreSansDrapeau(uint16_t s)
{
    return s == TInfoComp::ScoreVide ? s : s & ~TInfoComp::Qualifie;
}

// (minute, weight) of the scoring records of one side, by minute.
using TButs = std::vector<std::pair<int, int>>;

void AjouteButs(const TListeDonnees* liste, int idEquipe, int poids, TButs& buts)
{
    if (!liste)
        return;
    for (int r = 0; r < liste->Nombre(); ++r) {
        const TDonneesEvt* d = liste->Donnee(r);
        if (d->IdEquipe() != idEquipe || (d->Mot() & evtHorsScore))
            continue;
        const int minute = d->Mot() & evtMinute;
        auto it = std::upper_bound(buts.begin(), buts.end(), minute,
                                   [](int m, const std::pair<int, int>& b) { return m < b.first; });
        buts.insert(it, {minute, poids});
    }
}

}  // namespace

void TStatistique::ScoresFrequents(const std::vector<TDonneesChampionnat*>& championnats, int& total, int premiere,
                                   int derniere, int idEquipe, int lieu, TScoresFrequents& resultat)
{
    total = 0;
    std::map<std::pair<int, int>, int> comptes;
    const bool tout = premiere == 0 || championnats.size() >= 2;
    for (TDonneesChampionnat* c : championnats) {
        if (!c)
            continue;
        const bool vainqueurDabord = (c->Option(11) & 2) != 0;
        int debut, fin;
        Plage(*c, tout, premiere, derniere, debut, fin);
        for (int m = debut; m <= fin; ++m)
            for (int k = 1; k <= c->NbMatchJournee(m); ++k) {
                const int dom = c->ValeurMatch(m, 4 * k - 3), ext = c->ValeurMatch(m, 4 * k - 1);
                bool exterieur = false;
                if (idEquipe >= 0) {
                    if (dom == idEquipe && (lieu == 0 || lieu == 2))
                        exterieur = false;
                    else if (ext == idEquipe && (lieu == 1 || lieu == 2))
                        exterieur = true;
                    else
                        continue;
                }
                int a = c->ValeurMatch(m, 4 * k - 2), b = c->ValeurMatch(m, 4 * k);
                if (a >= 65535 || b >= 65535)
                    continue;
                if (idEquipe >= 0 ? exterieur : vainqueurDabord && a < b)
                    std::swap(a, b);
                ++comptes[{a & 0x7FFF, b & 0x7FFF}];
                ++total;
            }
    }
    resultat.clear();
    for (const auto& [score, n] : comptes)
        resultat.push_back({n, score.first, score.second});
    std::stable_sort(resultat.begin(), resultat.end(),
                     [](const TScoreFrequent& x, const TScoreFrequent& y) { return x.Nombre > y.Nombre; });
}

void TStatistique::SeriesEquipe(const std::vector<TDonneesChampionnat*>& championnats, int premiere, int derniere,
                                int idEquipe, int& matchs, TSituations& comptes)
{
    comptes = {};
    matchs = 0;
    const bool tout = premiere == 0 || championnats.size() >= 2;
    for (TDonneesChampionnat* c : championnats) {
        if (!c)
            continue;
        const bool rugby = dynamic_cast<const TDonneesChampionnatRugby*>(c) != nullptr;
        int debut, fin;
        Plage(*c, tout, premiere, derniere, debut, fin);
        for (int m = debut; m <= fin; ++m) {
            const TInfoComp* match = c->MatchEquipe(m, idEquipe);
            if (!match)
                continue;
            const int sDom = ScoreSansDrapeau(match->Score(0)), sExt = ScoreSansDrapeau(match->Score(1));
            if (sDom >= 65535 || sExt >= 65535)
                continue;
            if (!FeuilleComplete(*c, m, match->IdEquipe(0), match->IdEquipe(1), sDom, sExt))
                continue;
            ++matchs;
            const int lieu = match->IdEquipe(0) == idEquipe ? 0 : 1;
            const int idAdverse = match->IdEquipe(1 - lieu);

            TButs buts[2];   // 0 the team, 1 its opponent
            const int ids[2] = {idEquipe, idAdverse};
            for (int cote = 0; cote < 2; ++cote) {
                AjouteButs(c->ListeButeurs(m), ids[cote], rugby ? 5 : 1, buts[cote]);
                if (rugby) {
                    AjouteButs(c->ListeDonnees(6, m), ids[cote], 2, buts[cote]);
                    AjouteButs(c->ListeDonnees(5, m), ids[cote], 3, buts[cote]);
                    AjouteButs(c->ListeDonnees(7, m), ids[cote], 3, buts[cote]);
                }
            }
            const int pour = lieu == 0 ? sDom : sExt;
            const int contre = lieu == 0 ? sExt : sDom;
            const int resultat = pour > contre ? serVictoire : pour == contre ? serNul : serDefaite;

            const int premierPour = buts[0].empty() ? 200 : buts[0].front().first;
            const int premierContre = buts[1].empty() ? 200 : buts[1].front().first;
            if (premierPour < premierContre)
                ++comptes[resultat][serMarquePremier][lieu];
            else if (premierPour > premierContre)
                ++comptes[resultat][serEncaissePremier][lieu];

            int miTemps[2] = {0, 0};
            for (int cote = 0; cote < 2; ++cote)
                for (const auto& [minute, poids] : buts[cote])
                    if (minute <= c->TempsPeriode)
                        miTemps[cote] += poids;
            ++comptes[resultat][miTemps[0] > miTemps[1]   ? serMeneMiTemps
                                : miTemps[0] == miTemps[1] ? serEgaliteMiTemps
                                                           : serDerriereMiTemps][lieu];

            if (resultat != serNul) {
                // Back from the final score, the latest record first (the
                // loser's first at the same minute): a win after trailing, a
                // defeat after leading.
                const int gagnant = resultat == serVictoire ? 0 : 1, perdant = 1 - gagnant;
                int courant[2] = {pour, contre};
                size_t reste[2] = {buts[0].size(), buts[1].size()};
                while (reste[0] > 0 && reste[1] > 0) {
                    const int cote = buts[perdant][reste[perdant] - 1].first >= buts[gagnant][reste[gagnant] - 1].first
                                         ? perdant
                                         : gagnant;
                    courant[cote] -= buts[cote][--reste[cote]].second;
                    if (courant[perdant] > courant[gagnant]) {
                        ++comptes[resultat][serVictoireApresMene][lieu];
                        break;
                    }
                }
            }
        }
    }
}

void TStatistique::SeriesEquipeChampionnat(TDonneesChampionnat& championnat, int premiere, int derniere,
                                           int idEquipe, int& matchs, TSituations& comptes)
{
    SeriesEquipe({&championnat}, premiere, derniere, idEquipe, matchs, comptes);
}

bool TStatistique::FeuilleComplete(TDonneesChampionnat& championnat, int journee, int idDom, int idExt, int sDom,
                                   int sExt)
{
    if (sDom >= 65535 || sExt >= 65535)
        return false;
    if (const TPenalite* p = championnat.Penalites().Cherche(idDom, idExt, journee); p && p->Type == etatForfait)
        return false;
    const int h = championnat.IndexEquipe(idDom), a = championnat.IndexEquipe(idExt);
    if (h < 0 || a < 0)
        return false;
    std::vector<int> scores(static_cast<size_t>(championnat.NbEquipe()), 0);
    std::vector<uint8_t> drapeaux(scores.size(), 1);
    std::string texte;
    championnat.ScoresEvenements(journee, scores, texte, drapeaux);
    return scores[static_cast<size_t>(h)] == sDom && scores[static_cast<size_t>(a)] == sExt;
}
