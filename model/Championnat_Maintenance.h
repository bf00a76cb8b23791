// Operations that work across many matchdays of a championship at once: the
// copy of the results of one championship into another with the same team
// positions, the replacement of official ids after a merge of referee records,
// the search of the last match of a referee, and a change of how its dates
// are entered.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Championnat.h"

// Copies the results of source into cible, team positions for team positions:
// the current matchday; every match of every matchday of the source whose two
// teams have positions here (scores, attendance, comment, officials, date, and
// the stadium through stades, kept as it is when stades is empty); the
// matchday dates; for each position playing on both sides, the starters, the
// substitution records (players and minute), the entered mark and the ratings
// of the starters and substitutes; then the records of every data kind 2..7 of
// the championship's sport, teams mapped by position (records of teams without
// a position here are dropped). This is the common part of CopieMatchs.
void CopieMatchsChampionnat(TDonneesChampionnat& cible, const TDonneesChampionnat& source,
                            const TCorrespondanceStade& stades);

// Appends to vers copies of the records of de (player, team, whole word), the
// team mapped from its position in source to the same position in cible;
// records whose team has no position in source or cible are dropped.
void CopieEnregistrements(const TDonneesChampionnat& cible, const TDonneesChampionnat& source,
                          const TListeDonnees& de, TListeDonnees& vers);

// Every official 1, 2 and 3 of every match of every matchday 1..NbJour equal to
// an old id of the pairs becomes its new id (pairs in order).
void RemplaceArbitresChampionnat(TDonneesChampionnat& c, const TPairesIds& paires);

// Searches the matchdays below n, downwards, for a match of the home or the
// away team in which id is official 1, 2 or 3: the match, n left at its
// matchday; nullptr and n = 0 when none.
TInfoComp* DernierMatchArbitre(const TDonneesChampionnat& c, int32_t id, int domicile, int exterieur, int& n);

// A match that loses its own date.
struct TDatePerdue
{
    int Journee = 0;
    int Domicile = -1, Exterieur = -1;
    uint32_t Date = 0;
};

// The matches that option word 11 taking the value `drapeaux` would leave
// without their own date: when the dates of the matches stop being kept
// (value 4 set, then clear), each match whose date is set and differs from
// its matchday's; in matchday and match order.
std::vector<TDatePerdue> DatesPerdues(const TDonneesChampionnat& c, uint16_t drapeaux);
// Option word 11 takes the value, and the championship becomes what its file
// gives back from then on: when the dates of the matches stop being kept,
// every match has its matchday's date; when they start being kept, no match
// has a date of its own yet, every match alike whatever it held meanwhile
// (each shows its matchday's until one is entered); when a league turns to
// the date system (value 8), its matchdays are numbered in date order, one
// date's in their order, and the empty ones but the last go. True when
// anything changed.
// Shirt numbers per match stop being kept when value 16 goes (the file
// keeps none then), and the line-ups lose those entered.
bool ChangeDrapeauxDates(TDonneesChampionnat& c, uint16_t drapeaux);

// The shirt numbers entered in the line-ups that option word 11 taking the
// value `drapeaux` would drop (value 16 set, then clear); 0 otherwise.
int MaillotsPerdus(const TDonneesChampionnat& c, uint16_t drapeaux);

// What the sheet of the match of domicile and exterieur on matchday n holds
// beside its score, counted as the user entered it: the events of the two
// teams on the matchday (a goal, a card), or in a box score the players'
// lines (a line, whatever figures it holds); entered line-ups, attendance,
// officials.
struct TFeuilleMatch
{
    int Evenements = 0;
    int Lignes = 0;         // box-score lines
    int Compositions = 0;   // sides whose line-up was entered
    int32_t Affluence = 0;
    int Officiels = 0;
    bool Vide() const { return Evenements == 0 && Lignes == 0 && Compositions == 0 && Affluence == 0 && Officiels == 0; }
};
TFeuilleMatch FeuilleMatch(TDonneesChampionnat& c, int n, int domicile, int exterieur);
// Erases all of it, the score kept (a match given by forfeit keeps no sheet).
void EffaceFeuilleMatch(TDonneesChampionnat& c, int n, int domicile, int exterieur);
