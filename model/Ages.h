// The age of a person in a season's year. A card's Age field holds the year
// of birth - 1900 (0: unknown); a season's year is a championship's option
// word 8, also counted from 1900.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TDonneesChampionnat;
class TSaison;

// The age in the year anneeSaison of one born in the year naissance; -1 when
// none can be told: unknown, born that year or after, a hundred or more, or
// a season without a year.
int AgeEn(int anneeSaison, uint8_t naissance);
// What an age column shows: that age, else the year of birth itself (which
// reads back the same), "-" when unknown.
std::string TexteAge(int anneeSaison, uint8_t naissance);
// The year the season's ages are counted in: the current championship's,
// or, when it has none of its own (a cup), that of the first championship of
// the season that has one; 0 when no championship has a year.
int AnneeAges(const TSaison& saison);

// The years of a season: option word 8 (the first year - 1900) and option
// word 9 (the second year's two digits) of a championship.
struct TAnneesSaison
{
    uint16_t Premiere = 0;
    uint16_t Seconde = 0;
};
// The years a competition made in the season takes: those of the first
// championship that has a year among `dabord` (the ones just made with it),
// then of the season's current championship and of the others of its tree;
// the season of this year and the next when none has one.
TAnneesSaison AnneesSaison(const TSaison* saison, const std::vector<const TDonneesChampionnat*>& dabord = {});
// A competition (championship or play-off) made without a year takes its
// season's; one with a year keeps both of its own.
template <class TCompetition>
void DonneAnneesSaison(TCompetition& c, const TSaison* saison,
                       const std::vector<const TDonneesChampionnat*>& dabord = {})
{
    if (static_cast<int16_t>(c.Option(8)) > 0)
        return;
    const TAnneesSaison a = AnneesSaison(saison, dabord);
    c.SetOption(8, a.Premiere);
    c.SetOption(9, a.Seconde);
}
// The heading of an age column: "Age" (text 293), or "Year of birth" (text
// 73) in a season without a year, where the column shows years of birth.
std::string TitreAge(int anneeSaison);
