// The season the menu walk runs over, for any sport: two leagues of six teams
// played to matchday 6 of 10 (line-ups, events or box scores, referees,
// stadiums, club records, coaches), a cup of eight teams with its final to
// play, a play-off between the two leagues, and a history file of the first
// league holding two past seasons.
#pragma once

#include <memory>
#include <string>

#include "engine/historique.h"
#include "tests/support/GrandeSaison.h"

namespace essai {

inline TParamsGrandeSaison ParamsParcours(int sport, int nbChamps = 2, int nbEquipes = 8)
{
    TParamsGrandeSaison p;
    p.sport = sport;
    p.nbChamps = nbChamps;
    p.nbEquipes = nbEquipes;
    p.nbJoueurs = nbChamps * nbEquipes * (EffectifMatch(sport) + 3);
    p.nbArbitres = 12;
    p.nbJoues = nbEquipes - 2;
    p.coupe = true;
    p.barrage = true;
    return p;
}

// Its championships are of the season 2024 (option word 8), follow their
// first team (option word 10: the team the team choices propose) and give the
// sport's usual points for a win, a draw and a defeat (option words 4 to 6).
inline void OptionsParcours(TGrandeSaison& g)
{
    static const int points[4][3] = {{3, 1, 0}, {4, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (TDonneesChampionnat* c : g.champs) {
        c->SetOption(8, 124);
        c->SetOption(10, 0);
        for (int k = 0; k < 3; ++k)
            c->SetOption(4 + k, points[g.Sport()][k]);
    }
}

inline std::unique_ptr<TGrandeSaison> GenereSaisonParcours(int sport)
{
    auto g = GenereGrandeSaison(ParamsParcours(sport));
    OptionsParcours(*g);
    return g;
}

// The history file of the season's current championship in the folder: the seasons 1900 + premier
// and the next, each with the championship's teams and the results of its
// played matches, scores cut to what the file keeps. The file's name.
inline std::string EcritHistorique(const std::string& dossier, const TSaison& saison,
                                   int premier = 101)
{
    const TDonneesChampionnat& c = *saison.ChampionnatCourant();
    TStats stats;
    TStat* stat = stats.AjouteStat(dossier, c.CodeDivision(), saison.Sport());
    for (int numero = premier; numero <= premier + 1; ++numero) {
        auto s = std::make_unique<TSaisonStat>(c.NbEquipe(), numero);
        for (int i = 0; i < c.NbEquipe(); ++i)
            s->AjouteEquipe(stat->IdEquipe(saison.NomEquipePosition(i)));
        for (int d = 1; d <= c.NbJour(); ++d)
            for (int k = 0; k < c.NbMatchJournee(d); ++k) {
                const int h = c.IndexEquipe(c.ValeurMatch(d, 4 * k + 1));
                const int a = c.IndexEquipe(c.ValeurMatch(d, 4 * k + 3));
                const int sd = c.ValeurMatch(d, 4 * k + 2), se = c.ValeurMatch(d, 4 * k + 4);
                // the second season the other way round
                if (h >= 0 && a >= 0 && sd != 65535 && se != 65535)
                    s->EcritResultat(numero == premier ? h : a, numero == premier ? a : h,
                                     sd % 200, se % 200);
            }
        stat->AjouteSaison(std::move(s));
    }
    stat->Sauve();
    return stat->NomFichier;
}

}   // namespace essai
