// Rankings of the players and of the referees of one or more championships
// over a range of matchdays. Nothing is stored: every call counts again from the
// match data of the season (after bringing the players' statistics up to date).
//
// Player ranking kinds 0..59:
//   0 goals (or tries) with penalty goals as second count, 1 bookings,
//   2 sendings-off, 3 matchdays with exactly two goals, 4 with three or more,
//   5 assists, 6 goalkeepers' average rating, 7 outfield players' average
//   rating, 8 own goals, 9 nothing, 10 rugby points (5 per try, 2 per
//   conversion, 3 per penalty goal and per drop goal), 11 conversions,
//   12 penalty goals, 13 drop goals;
//   14..31 and 47..59 basketball and handball statistic codes per match or as
//   percentages (see Definition in RJoueur.cpp), 29 the evaluation per match;
//   32..46 the best value of one matchday of kinds 14..26, 30 and 31, with the
//   label of that match.
// Referee kinds 0..7: penalties given, bookings, sendings-off, severity
// (bookings + 5 x sendings-off), nothing, then statistics 24, 33 and 34, each
// as value x 100 div matches refereed.
//
// Counts are held in full (no byte or word limits): a rugby kicker's 300
// points rank as 300.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDonneesChampionnat;
class TJoueur;
class TListeNotes;
class TPersonnelStat;
class TSaison;

using TListeChampionnats = std::vector<TDonneesChampionnat*>;

// One player's counter.
struct TCompteurJoueur
{
    TJoueur* Joueur = nullptr;
    int32_t IdJoueur = 0;
    int IdEquipe = 65535;   // the player's own team
    // Kinds 0..13: the count. Per-match kinds: value x 100 div matches;
    // percentages: made x 10000 div attempts; kind 29: evaluation x 100 div
    // matches (may be negative); kinds 32..46: the best value of one matchday
    // (x 10000 as a percentage for 36, 37, 38).
    int64_t Valeur = 0;
    int64_t Second = 0;     // kinds 0..13: the second count (penalty goals for kind 0)
    int64_t Brut = 0;       // the raw total (made shots for a percentage)
    int64_t Diviseur = 0;   // matches played in the matchdays counted, or attempts for a percentage
    std::string Match;      // kinds 32..46: the label of the best match
};

// A referee's line.
struct TLigneArbitre
{
    TPersonnelStat* Arbitre = nullptr;
    int64_t Valeur = 0;     // summed over the championships
    int64_t Matchs = 0;
    int64_t Rapport = 0;    // Valeur x 100 div Matchs, 0 without match
};

// One column of a ranking grid.
struct TColonneClassement
{
    int Largeur = 0;
    std::string Titre;
};

class TClassJoueur
{
public:
    static constexpr int NbTypes = 60;
    static constexpr int ToutesEquipes = 65535;

    // ---- collectors. Championnats: nullptr for the season's current
    // championship. Premiere 0: the whole championship (1 .. its matchday count).
    // The sorted counters of a kind other than 6 and 7: value descending, then
    // team name, then player name without accents.
    static std::vector<TCompteurJoueur> TotauxJoueurs(TSaison& saison, int equipe,
                                                      const TListeChampionnats* championnats, int premiere,
                                                      int derniere, int type);
    // The sorted ratings: mode 0 goalkeepers (kind 6), 1 the others (kind 7).
    // Per championship, a player first rated in it is kept only when he was
    // rated at least OptionArbitre(4) percent of the matchdays counted: all of
    // its matchdays when the range holds every played one, else the range's.
    static std::unique_ptr<TListeNotes> NotesJoueurs(TSaison& saison, int equipe,
                                                     const TListeChampionnats* championnats, int premiere,
                                                     int derniere, int mode);

    // ---- captions
    static std::string LibelleClassement(const TSaison& saison, int type);
    // Caption of the team grid by its number n (see LibelleEquipeType).
    static std::string LibelleClassementEquipe(const TSaison& saison, int n);
    // The number n of the team caption of a kind.
    static int NumeroLibelleEquipe(int type);
    // The numbers of the two-goal (kind 3) and three-goal games (kind 4),
    // past those of the kinds: their team captions are their own.
    static constexpr int NumeroDoubles = NbTypes - 5;

    // ---- kinds
    static bool ParMatch(int type);          // value per match (x 100)
    static bool Pourcentage(int type);       // percentage (x 10000)
    static bool MeilleurMatch(int type) { return type >= 32 && type <= 46; }
    static bool Comptage(int type) { return type >= 0 && type <= 13 && type != 6 && type != 7; }

    // ---- the league grid
    // Columns 0 (rank), 1 (player), then the value columns of the kind.
    static std::vector<TColonneClassement> ColonnesGrille(const TSaison& saison, int type);
    // Rows shown for a pixel height: at most (hauteur - 25) div 18 - 1 (never
    // below 0); when more players exist, a group of equal values cut by the
    // limit is left out whole (only the players above it are shown), or the
    // limit itself is shown when that leaves none.
    static int NombreLignes(int hauteur, const std::vector<TCompteurJoueur>& liste);
    // Rank of each entry: the 1-based row of the first entry of its group of
    // equal values.
    static std::vector<int> Rangs(const std::vector<TCompteurJoueur>& liste);
    // The texts of the value columns (from column 2) of one row.
    static std::vector<std::string> TextesValeurs(int type, const TCompteurJoueur& c);
    // The value shown in the team grid.
    static std::string TexteValeurEquipe(int type, const TCompteurJoueur& c);
    // "Nom Prenom" as the grids show it.
    static std::string NomJoueur(const TCompteurJoueur& c);
};

class TClassArbitre
{
public:
    static constexpr int NbTypes = 8;

    // The referees with a value of the kind above 0, by Rapport descending,
    // then name without accents. The matchday range is not used: referees'
    // statistics are kept per championship.
    static std::vector<TLigneArbitre> Classement(TSaison& saison, int type, const TListeChampionnats* championnats);
    static std::string LibelleClassement(int type);
    // Value of a kind from a referee's statistics in championship c.
    static int64_t ValeurType(const TPersonnelStat& arbitre, uint32_t c, int type);
    // The value per match refereed with two decimals ("-" without match).
    static std::string TexteValeur(const TLigneArbitre& l);
};
