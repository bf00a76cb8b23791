// Runs of results of every team of the current championship, walked from the
// last matchday of a range back to its first: the run each team is on, the
// longest of each kind, per venue (0 all matches, 1 home, 2 away).
//
//     auto series = Tf_Statistique::CalculeSeries(saison, derniere, premiere);
//     const TSerieEquipe& s = series[position];
//     if (s.Resultat[0].Courante.Type == srsVictoire) ... s.Resultat[0].Courante.Longueur
//
// Every length and count is a full int: a run of any length keeps its kind.
#pragma once

#include <vector>

class TSaison;

// Kinds of run. Result groups: win, draw, defeat. Scoring groups: with (scored
// or conceded), without (did not score, kept a clean sheet).
enum : int { srsAucune = 0, srsVictoire = 1, srsNul = 2, srsDefaite = 3, srsAvec = 1, srsSans = 2 };

struct TSerie
{
    int Type = srsAucune;
    int Longueur = 0;
};

// A group of runs of kinds: the run going on while walking, the most recent
// run (the current one), and the longest of each kind.
struct TGroupeSerie
{
    TSerie EnCours;
    TSerie Courante;
    int Plus[4] = {0, 0, 0, 0};   // by kind (index 1..3)
};

// A group of counted runs (unbeaten, without a win).
struct TGroupeCompte
{
    int EnCours = 0;
    int Courante = -1;   // -1 until the most recent run is closed
    int Plus = 0;
    int Actuelle() const { return Courante < 0 ? 0 : Courante; }
};

struct TSerieEquipe
{
    TGroupeSerie Resultat[3];
    TGroupeSerie Marque[3];     // srsAvec: scored
    TGroupeSerie Encaisse[3];   // srsAvec: conceded, srsSans: clean sheet
    TGroupeCompte Invaincu[3];
    TGroupeCompte SansVictoire[3];
};

namespace series {
// Records of every team of the current championship, by position, from
// matchday `derniere` back to `premiere` (in date order when the championship
// is run by dates). Empty without a current championship.
std::vector<TSerieEquipe> Calcule(TSaison* saison, int derniere, int premiere);
}  // namespace series
