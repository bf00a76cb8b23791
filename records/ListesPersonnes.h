// What the lists of referees, stadiums and previous clubs do to the season
// beyond their own entries: a referee or stadium leaves only when no match
// names it, and every list holding it forgets it; a merge moves every
// reference to the entry kept.
#pragma once

#include <cstdint>

class TPersonnel;
class TSaison;
class TStade;

// Matches of the season's championships played at the stadium.
int MatchsStade(const TSaison& saison, int code);
// Matches the referee officiated (any of the three officials), or his match
// total when his statistics count more.
int MatchsArbitre(const TSaison& saison, const TPersonnel& arbitre);

// Removes and frees the stadium when no match names it: the club records and
// the competitions' stadium lists forget it first. False, nothing changed,
// with the number of matches in matchs, otherwise.
bool SupprimeStade(TSaison& saison, TStade* stade, int& matchs);
// The same for a referee: the competitions' referee lists forget him.
bool SupprimeArbitre(TSaison& saison, TPersonnel* arbitre, int& matchs);

// A row of a list typed over with the name of another of its entries: the two
// would become one. Asks once, naming the row's referee, the other and where
// his matches go; true when the user says they are one (No: the row takes its
// names back).
bool AccepteFusionArbitre(const TSaison& saison, const TPersonnel& renomme, const TPersonnel& autre);

// The previous club fondu becomes garde (0: none) for every player, every
// player's history line and every coach; its name is emptied.
void FusionneClubsPrec(TSaison& saison, int32_t garde, int32_t fondu);
