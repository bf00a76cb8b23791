// The results as HTML: the page of the shown matchday and the answer of the
// template function "Score". Texts from the season are escaped.
#pragma once

#include <string>
#include <vector>

#include "platform/rtl/StringList.h"

class TSaison;
struct TCouleurElement;

// The name of the current matchday as the results window shows it: a cup's
// round (with its third-place match), the date of a matchday of the date
// system, else its number.
std::string NomJournee(const TSaison& saison);
// What heads the current matchday, printed or written, as the results window
// shows it: its name (a cup's round, with its third-place match; the date of
// a matchday of the date system), followed by its date when the window shows
// the date of a dated matchday; and, on a cup's last matchday holding the
// final and the third-place match, each one's round over it (one text per
// match, empty when none).
struct TTitresJournee
{
    std::string Titre;
    std::vector<std::string> Matchs;
};
TTitresJournee TitresJournee(const TSaison& saison);

// The page of the current matchday (rows in the colours of the scheme).
// titres: what names the page after the matchday (the view, the championship).
std::string PageJourneeHTML(const TSaison& saison, const TCouleurElement& couleurs,
                            const std::vector<std::string>& titres = {});
// "Score": the results table of matchday "Journee" of the call's championship,
// each row from the template "FormatLigne"; with "FicheDetail" the played
// matches link to their detail pages, listed first as "#$page-...#".
std::string FonctionScore(const TStringList& parametres, TSaison* saison);
// "RapportMatch": the report of match "Match" of matchday "Journee": title,
// then the sections the call names (MontreAffluence, MontreArbitre,
// MontreStade, MontreButeur, MontreCarton, MontreEffectif); basketball gives
// each team's statistics table instead of the events.
std::string FonctionRapportMatch(const TStringList& parametres, TSaison* saison);
