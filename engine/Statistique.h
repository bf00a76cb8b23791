// Frequent scores and the situation counts of a team (who scored first, the
// half-time situation, wins after trailing), read from the match slots and the
// scoring records of one or several championships.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class TDonneesChampionnat;

// One entry of the frequent scores: how many matches ended with the score
// a - b, as it was entered (a basketball 88 - 79 is no 7 - 7).
struct TScoreFrequent
{
    int Nombre = 0;
    int A = 0;
    int B = 0;
};
using TScoresFrequents = std::vector<TScoreFrequent>;

// Situation counts [result][situation][venue]: result 0 win, 1 draw, 2 loss;
// situation 0 scored first, 1 conceded first, 2 leading at half-time, 3 level,
// 4 trailing, 5 the result turned round (a win after trailing, a defeat after
// leading); venue 0 at home, 1 away.
using TSituations = std::array<std::array<std::array<uint16_t, 2>, 6>, 3>;

enum : int {
    serVictoire = 0, serNul = 1, serDefaite = 2,
    serMarquePremier = 0, serEncaissePremier = 1, serMeneMiTemps = 2, serEgaliteMiTemps = 3,
    serDerriereMiTemps = 4, serVictoireApresMene = 5,
};

class TStatistique
{
public:
    // The scores entered, one entry each, ordered by count, highest first
    // (equal counts by the first score, then the second). premiere = 0, or a
    // list of two championships or more: every matchday up to the last played
    // one. idEquipe -1: every match; otherwise lieu 0 the team at home, 1 away,
    // 2 either, and the team's score comes first. Without a team, the winner's
    // score comes first when option word 11 has the value 2.
    static void ScoresFrequents(const std::vector<TDonneesChampionnat*>& championnats, int& total, int premiere,
                                int derniere, int idEquipe, int lieu, TScoresFrequents& resultat);
    // The situation counts of a team over its matches of the range.
    static void SeriesEquipe(const std::vector<TDonneesChampionnat*>& championnats, int premiere, int derniere,
                             int idEquipe, int& matchs, TSituations& comptes);
    static void SeriesEquipeChampionnat(TDonneesChampionnat& championnat, int premiere, int derniere, int idEquipe,
                                        int& matchs, TSituations& comptes);
    // Whether a played match of matchday journee (home and away ids, scores)
    // may give the figures read from its scoring records: who scored first,
    // the half-time score and situation, the runs of tries. It is not a
    // forfeit, and the scoring records of each side make up its score: a
    // score typed without its sheet gives none of them, a goalless match
    // without any record does.
    static bool FeuilleComplete(TDonneesChampionnat& championnat, int journee, int idDom, int idExt, int sDom,
                                int sExt);
};
