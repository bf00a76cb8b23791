// Small functions used everywhere: packed dates, casing and accent folding of
// names, colours and hexadecimal, paths and file copy, goal-kind labels.
// Texts are Windows-1252 bytes; the letter classes are defined on byte values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/rtl/DateTime.h"

// Packed date: from the lowest byte, day (1..31), month (1..12), century (year
// div 100), year within the century (year mod 100). 0 means no date.
class TGestionDate
{
public:
    static uint32_t EncodeDate(int jour, int mois, int annee);
    // The years a season may have.
    static constexpr int AnneeMin = 1900, AnneeMax = 2155;
    // What a date box holds once the page takes it, read the same way in
    // every date box: "jj/mm/aaaa", blanks ignored, a year of one or two
    // digits the one within fifty years of today. saisieVide: nothing typed;
    // saisiePasDate: no day of the calendar; saisieAnnee: a year no season
    // can have (outside AnneeMin..AnneeMax). date is set for saisieDate only.
    enum TSaisie { saisieDate, saisieVide, saisiePasDate, saisieAnnee };
    static TSaisie LitSaisie(std::string_view texte, uint32_t& date);
    // "d/m/y": each part a number (0 when not one); a missing "/" makes that
    // part and every later part 0 ("5/3/04" is the year 4).
    static uint32_t TexteVersDate(std::string_view texte);
    // "05/03/2004", or "05/03/04" with court.
    static std::string DateVersTexte(uint32_t date, bool court = false);
    // Raises EConvertError on an invalid date.
    static TDateTime DateVersDateTime(uint32_t date);
    static uint32_t DateTimeVersDate(TDateTime dt);
    // Day, month and year of dt against the given ones, -1 matching any.
    static bool DateCorrespond(int jour, int mois, int annee, TDateTime dt);
    // Whole months from a to b (one less when b's day is smaller than a's).
    static int NbMois(uint32_t a, uint32_t b);
    // Positive when b is later than a, 0 when equal.
    static int CompareDates(uint32_t a, uint32_t b);

    static int Jour(uint32_t date) { return static_cast<int>(date & 0xFF); }
    static int Mois(uint32_t date) { return static_cast<int>((date >> 8) & 0xFF); }
    static int Annee(uint32_t date) { return static_cast<int>((date >> 16) & 0xFF) * 100 + static_cast<int>(date >> 24); }
};

// First letter of every word in capitals, the other ASCII letters in lower case
// (accented letters unchanged).
std::string CasseTitre(std::string_view texte);
// Capital at the start of the text and after every separator, the other letters
// in lower case (É È Ë become é è ë); the word before the first "." (after the
// last blank preceding it) gets a capital too.
std::string CassePhrase(std::string_view texte);
// A key for comparing names: capitals without accents; blank, apostrophe,
// hyphen, period, digits and letters kept, every other byte a blank. Byte for
// byte, so the key has the text's length.
std::string SansAccent(std::string_view texte);
// a / b rounded to the nearest whole number, halves away from zero; 0 when b
// is 0. For ratios shown to the user (2 / 3 in hundredths of a percent: 6667).
int64_t DivisionArrondie(int64_t a, int64_t b);
// a / b with that many decimals (0 to 6), rounded once to the nearest, halves
// away from zero, in the decimal notation of the settings: 7 / 13 with one
// decimal is "0,5"; "-" when b is 0. The averages and rates of the rankings,
// the cards and the team sheet go through it, so that two windows never show
// one figure rounded apart.
std::string TexteQuotient(int64_t a, int64_t b, int decimales);
// A rate: made x 100 / attempts as TexteQuotient writes it (7 of 13 with one
// decimal: "53,8"); "-" without attempts.
std::string TexteTaux(int64_t reussis, int64_t tentes, int decimales);
// Position (1-based) of the n-th occurrence of the pattern, occurrences allowed
// to overlap; 0 when n < 1 or there are fewer.
int PositionOccurrence(std::string_view motif, std::string_view texte, int n);
// Splits a full name written as first names then the name in capitals: the
// first word, and every next word starting with a capital followed by a small
// letter while a blank remains, go to prenoms; both trimmed. A text without a
// blank gives empty first names and stays as it is.
void ExtraitMot(std::string& texte, std::string& prenoms);
// Position (1-based) of the first separator outside blocks ("[...]", or between
// two equal opener characters such as quotes), scanning positions 1 to length-1;
// the length when there is none (1 for texts of one character or none).
int CherchePositionHorsBloc(std::string_view texte, std::string_view separateurs,
                            std::string_view ouvrants);
// Upper-case hexadecimal of a 32-bit value with at least that many digits.
std::string EntierVersHexa(int64_t valeur, int chiffres);
// Colours: red in the low byte; text "#RRGGBB".
std::string CouleurVersTexte(uint32_t couleur);
// "#RRGGBB" or "RRGGBB"; any other text gives 0.
uint32_t TexteVersCouleur(std::string_view texte);
// Appends "/" unless empty or already ending with "/" or "\".
std::string AjouteSlash(std::string_view chemin);
inline std::string CopieTexte(std::string_view texte) { return std::string(texte); }
// Copies the source into the target (created or truncated). False when the
// source does not exist or a read or write fails (no partial target is left).
bool CopieFichier(const std::string& source, const std::string& cible);

// Label of a goal kind after a scorer's name: 1 text 314, 2 text 315,
// 4 "(" text 225 ")", otherwise empty.
std::string LibelleTypeBut(int type);
// The same without the surrounding parentheses.
std::string LibelleTypeButCourt(int type);
// Text 532 when bit 0x100 is set, else 533 when bit 0x200 is set, else 532.
std::string LibelleEtat(int flags);
