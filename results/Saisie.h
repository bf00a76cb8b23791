// What the results window writes into a championship, apart from its controls:
// one matchday's rows written into the current championship, and the decision
// of a cup tie when a row's scores are left.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TDonneesChampionnat;
class TInfoComp;
class TSaison;

// A match state of a row.
enum : uint8_t { etatNormal = 0 };

// One match row as the results window shows it.
struct TLigneSaisie
{
    std::string Domicile, Exterieur;                 // team box texts
    int32_t NumeroDomicile = -1, NumeroExterieur = -1;   // team ids the boxes hold
    std::string ScoreDomicile, ScoreExterieur;       // empty: no score
    bool AvecDate = false;                           // the row has a date box
    std::string Date;                                // "dd/mm/yyyy"
    uint8_t Etat = etatNormal;                       // 0, 1, 2, 5, 6, 7
    uint8_t Qualifie = 2;                            // 0 home, 1 away, 2 none
    uint32_t TirsAuBut = 0;                          // (home << 16) + away, 0 none
};

// A team the window's list still offers.
struct TEquipeListee
{
    std::string Nom;
    int32_t Numero = -1;
};

struct TEcritureJournee
{
    int Supprimee = -1;    // the matchday deleted (date system), else -1
    bool Change = false;   // something the standings count changed
};

// The team of a box: the id it holds when the season knows it, else the first
// id 0..ProchainIdEquipe whose display name in the current championship is the
// text; -1 for an empty text or a name of no team.
int IdEquipeSaisie(const TSaison& saison, const std::string& texte, int32_t numero);
// The same over the current championship's teams, names compared without
// accents nor case.
int IdEquipeChampionnat(const TSaison& saison, const std::string& texte, int32_t numero);

// The two bytes of a shoot-out result.
inline int TirsDomicile(uint32_t t) { return static_cast<int>((t >> 16) & 0xFF); }
inline int TirsExterieur(uint32_t t) { return static_cast<int>(t & 0xFF); }
// The score a box shows for a stored score word: empty for none.
std::string TexteScore(uint16_t mot);
// The score word of a box's text: 65535 when empty.
int ScoreTexte(const std::string& texte);

// The rows of the current championship's current matchday as the page loads
// them (without dates): one per match.
std::vector<TLigneSaisie> LignesJournee(const TSaison& saison);
// Writes the rows into matchday NbJournee of the current championship.
// dateJournee: the matchday date the window shows, used for rows without a
// date box when dateVisible.
TEcritureJournee EcritJournee(TSaison& saison, const std::vector<TLigneSaisie>& lignes, bool dateVisible,
                              uint32_t dateJournee, const std::vector<TEquipeListee>& listees);

// ---- cup ties -----------------------------------------------------------------------
// The decision a row's scores call for.
struct TDecisionTour
{
    bool Aucune = false;     // nothing further is done
    bool TirsAuBut = false;  // a shoot-out decides
    bool Indecis = false;    // an extra match is needed
    int Qualifie = -1;       // 0 home, 1 away, -1 unchanged
};
// The scores of the match of matchday m between the two teams, as seen from
// the current home team (eh its goals, ea the away team's); false when the
// matchday holds no such match with both scores.
bool ScoresMatchPrecedent(const TDonneesChampionnat& c, int m, int h, int a, int& eh, int& ea);
// The rule of the tie kind TypeMatch of matchday n for scores sh - sa.
TDecisionTour DecideTour(const TDonneesChampionnat& c, int n, int h, int a, int sh, int sa);
// What a row of the deciding matchday gives the next round: the team it
// qualified (-1 none) and the pairing it holds (-1 when not known).
struct TQualifieLigne
{
    TQualifieLigne(int qualifie = -1, int domicile = -1, int exterieur = -1)
        : Qualifie(qualifie), Domicile(domicile), Exterieur(exterieur)
    {
    }
    int Qualifie, Domicile, Exterieur;
};
// A later match that a decision replaces or deletes.
struct TMatchRemplace
{
    int Journee, Domicile, Exterieur;
    bool operator==(const TMatchRemplace&) const = default;
};
// Asked, with the matches holding something typed (a score, a state, a
// shoot-out, events or line-ups), before a decision replaces or deletes them;
// false leaves every later match as it is.
using TAccordRemplacement = std::function<bool(const std::vector<TMatchRemplace>&)>;
// The line naming a later match in the question: its matchday's caption, the
// teams and the score between them (kept on one line).
std::string LibelleMatchRemplace(const TSaison& saison, const TMatchRemplace& m);
// The match of matchday n between h and a (either way round) holds a score, a
// match state, a shoot-out, events or a line-up.
bool MatchSaisi(const TDonneesChampionnat& c, int n, int h, int a);
// The match is the third-place match of the cup's last matchday: on a final
// played over several matchdays, the match whose pairing the final's first
// matchday does not hold; on a one-matchday final, the match after the
// final's.
bool EstPetiteFinale(const TDonneesChampionnat& c, int n, const TInfoComp& m);
// The row of the third-place match on matchday n, -1 when it has none.
int LignePetiteFinale(const TDonneesChampionnat& c, int n);
// The first matchday of the round of matchday n (the legs of a tie and the
// matches of a series share their round).
int DebutTour(const TDonneesChampionnat& c, int n);

// Plans the extra match of an undecided tie on matchday n + 1 when that
// matchday belongs to the same round (indecis); otherwise drops the matches of
// the tie still planned after n in its round and places the qualified teams on
// the first matchday of the next round, when the cup has one: ties are paired
// by their place in their round, each one's winner taken from the rows of
// matchday n or, wherever the round decided it, from the championship.
// lignes[r] is row r of matchday n. The next round's match that the new
// pairing takes the place of goes with every match of its tie; the third-place
// match and the other ties stay. When any match going holds something typed,
// accord is asked first (none: no question). True when a matchday changed.
bool AppliqueDecision(TDonneesChampionnat& c, int n, int ligne, int h, int a, bool indecis,
                      const std::vector<TQualifieLigne>& lignes, const TAccordRemplacement& accord = {});

// Completing the fixtures of a cup from the first legs, leaving out the ties
// that the matchdays before n already decided; true when a match was created.
bool CompleteCoupe(TDonneesChampionnat& c, int n);
// The current matchday's caption.
std::string LibelleJournee(const TSaison& saison);
// The caption of matchday n of the current championship.
std::string LibelleJournee(const TSaison& saison, int n);
// The matches of matchday n reordered by the general standings up to n; true
// when one moved. A matchday holding a typed score or state keeps its order.
bool TrieMatchsClassement(TSaison& saison);
