// The players' and referees' statistics of a season, counted from the match
// data of its championships: matches played (line-ups, or the basketball and
// handball playing-time and match codes), goals and the other scoring kinds,
// bookings and sendings-off, football assists, the basketball and handball
// statistic codes, and the referees' counts.
//
// The passes never change the match data. A record or a line-up slot naming a
// player the season does not know is left where it is, counted for nobody, and
// listed in the report; removing such entries is a separate, explicit repair
// (SupprimeOrphelins) after which the season is to be marked modified.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/Personnels.h"

class TDonneesChampionnat;
class TJoueur;
class TJoueurs;
class TPersonnels;
class TSaison;

// What the passes read and count into.
struct TSourceStats
{
    int Sport = 0;   // 0 football, 1 rugby, 2 basketball, 3 handball
    std::vector<TDonneesChampionnat*> Championnats;   // in tree order
    TJoueurs* Joueurs = nullptr;
    TPersonnels* Arbitres = nullptr;
};

// A record or a line-up entry naming a player the season does not know.
struct TOrphelin
{
    int32_t CodeChamp = 0;
    int Journee = 0;
    // Data kind 2..7, statistic code 5..36, or 0 for a line-up entry (a
    // starter slot, or the player coming on in a substitution record).
    int Type = 0;
    int32_t IdJoueur = 0;
    int IdEquipe = 65535;
    bool operator==(const TOrphelin&) const = default;
};

struct TRapportStats
{
    std::vector<TOrphelin> Orphelins;
    bool Vide() const { return Orphelins.empty(); }
};

// Player ids that name nobody on purpose: 0 (not entered) and 0x0FFFFFFF.
inline bool JoueurNonDesigne(int32_t id)
{
    return id == 0 || id == 0x0FFFFFFF;
}

// Every player's statistics dropped, then counted again over every
// championship, from its last played matchday down to 1: matches played,
// scoring records (kind 1), bookings and sendings-off, then the sport's own
// counts (football assists; rugby conversions, penalty goals, drop goals as
// kinds 2, 3, 4; basketball and handball every statistic code; a basketball
// player with any statistic of a matchday, a handball player with code 36,
// has played that match). Substitutes who did not come on have not played. Records carrying 0x80 or 0x800 are not scoring
// records. Statistics are kept under the championship's CodeChamp.
TRapportStats CalculeStatJoueurs(const TSourceStats& source);

// Those players' statistics dropped and counted again, each from every
// record and line-up entry the full pass counts for him, whichever club it
// names (the clubs he left too): what the full pass gives them.
void CalculeStatJoueurs(const TSourceStats& source, std::span<TJoueur* const> joueurs);
// The same for the player of that number (found in that team's block first,
// then among all); nothing when none.
void CalculeStatJoueur(const TSourceStats& source, int32_t idJoueur, int idEquipe);
// The player's statistics dropped and counted from the records and line-up
// entries of that team alone, in the championships holding it: his time at
// that club (a transfer's history lines), not his figures; nothing counted
// for no team.
void CompteStatJoueurEquipe(const TSourceStats& source, TJoueur& joueur, int equipe);

// One player's counts over a range of matchdays, by statistic kind as his
// statistics hold them: 0 the matches played, 1 the scoring records, rugby's
// 2 to 4, basketball's and handball's statistic codes.
struct TCompteTranche
{
    TJoueur* Joueur = nullptr;
    std::array<uint32_t, TListeStat::TypeMax + 1> Valeurs{};
};

// The counts of the players met in the championships of the source over
// matchdays premiere..derniere of each (premiere 0: every played matchday),
// counted as the full pass counts them (the matches played by the same rule);
// bookings, sendings-off and football assists, which the players keep apart,
// are not among them. The players' statistics are left as they are. In the
// order the players were first met.
std::vector<TCompteTranche> CompteTranche(const TSourceStats& source, int premiere, int derniere);

// Every referee's statistics dropped and counted again: one match per match
// officiated and, from both teams of the match, football and rugby: scoring
// records carrying 0x100 or 0x800 (kind 1), bookings, sendings-off;
// basketball: the sum of the fouls (code 16) as bookings, the number of
// players with five fouls or more as sendings-off; handball: the sums of codes
// 24, 33 and 34 under those kinds.
void CompteStatSport(const TSourceStats& source);

// The repair: removes every record naming a player the season does not know
// and clears such line-up entries to 0. Returns the number of entries changed
// (the season is then to be marked modified when it is above 0).
int SupprimeOrphelins(const TSourceStats& source);

// The last played matchday of a championship: the highest matchday holding a
// score (0 when none).
int DerniereJourneeJouee(const TDonneesChampionnat& c);

// ---------------------------------------------------------------------------
// The same on a season: its sport, the championships of its tree in tree
// order, its players and its referees.
TSourceStats SourceStats(TSaison& saison);
// The full pass when the season's statistics are not up to date (then they
// are); an empty report otherwise.
TRapportStats CalculeStatJoueursSaison(TSaison& saison);
