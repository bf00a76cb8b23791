// How a reader meets a matchday of a championship in a sentence or a heading:
// a cup's matchday is named as its round, a league's by its number.
#pragma once

#include <string>

class TDonneesChampionnat;

// The round that matchday n of a cup plays ("Semi-finals - First leg",
// "Round 2"); empty for a league, or a matchday the cup does not have.
std::string NomTourCoupe(const TDonneesChampionnat& c, int n);

// The text a percentage is written with in the interface's language: the
// number, then the sign as the language places it ("67%", « 67 % »).
std::string TextePourcent(const std::string& nombre);
