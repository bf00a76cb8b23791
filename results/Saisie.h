// What the results window writes into a championship, apart from its controls:
// one matchday's rows written into the current championship, the rows read as
// the cup's bracket reads them (model/TableauCoupe.h weighs every change of a
// cup), and the words of the check and of the question about a cup.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/TableauCoupe.h"

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
    bool operator==(const TLigneSaisie&) const = default;
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

// The head of the question before a forfeit erases the sheet of the match of
// h and a on matchday n (texts 5700 to 5704): what it holds beside its score;
// empty when it holds nothing (model FeuilleMatch, EffaceFeuilleMatch).
std::string TexteFeuillePerdue(const TSaison& saison, TDonneesChampionnat& c, int n, int h, int a);

// The word under a match whose shoot-out is kept aside for the match's own
// score: its tie, which earlier matches decide now, no longer calls for it.
std::string TexteTirsSansEffet(uint32_t tirs);

// The score a box shows for a stored score word: empty for none.
std::string TexteScore(uint16_t mot);
// The score word of a box's text: 65535 when empty.
int ScoreTexte(const std::string& texte);

// The rows of the current championship's current matchday as the page loads
// them (without dates): one per match.
std::vector<TLigneSaisie> LignesJournee(const TSaison& saison);
// The match rows the page lays out for matchday n: its count of matches, or
// every match it holds when it holds more (a file may hold a round past its
// count, a league its matches past a count lowered since): a match the page
// does not show would be lost when the matchday is written.
int NbLignesJournee(const TDonneesChampionnat& c, int n);
// Writes the rows into matchday NbJournee of the current championship.
// dateJournee: the matchday date the window shows, used for rows without a
// date box when dateVisible. In the date system a matchday left without a
// match goes; the last one only when the page leaves it for another (quittee).
TEcritureJournee EcritJournee(TSaison& saison, const std::vector<TLigneSaisie>& lignes, bool dateVisible,
                              uint32_t dateJournee, const std::vector<TEquipeListee>& listees,
                              bool quittee = false);

// The question of "Compléter" in a league: the matchdays the return legs
// fill, and which matchday each answer (Yes, No) copies into them; Cancel
// adds nothing.
std::string QuestionRetours(const TDonneesChampionnat& c);

// ---- cup ties -----------------------------------------------------------------------
// The rows as the bracket reads them (row r, match r).
std::vector<TMatchCoupe> MatchsLignes(const TSaison& saison, const std::vector<TLigneSaisie>& lignes);
// The cup's matches with matchday n as the rows of the page show it.
TMatchsCoupe MatchsCoupe(const TSaison& saison, const TDonneesChampionnat& c, int n,
                         const std::vector<TLigneSaisie>& lignes);
// The check's line naming a place where the bracket does not hold.
std::string TexteEcart(const TSaison& saison, const TEcartTableau& x);
// The line naming a later match in the question: its matchday's caption (the
// third-place match's own), the teams and the score between them (kept on one line).
std::string LibelleMatchRemplace(const TSaison& saison, const TMatchRemplace& m);
// The text of that id that speaks of "the cup", or its twin naming a play-off
// when c is a championship of a play-off.
int TexteCompetition(const TSaison& saison, const TDonneesChampionnat* c, int texte);
// The one question about the matches a change names: text question (naming
// the competition the current championship is), one line for each, then
// text question + 1.
std::string QuestionCoupe(const TSaison& saison, int question, const std::vector<TMatchRemplace>& nommes);
// The matches still to play that teams taken out of a cup leave (x), each
// naming the opponent left without one (text 5785), one line each; empty
// when none.
std::string AdversairesSeuls(const TSaison& saison, const TDonneesChampionnat& c, const TChangementCoupe& x);
// The refusal of teams added to a cup that has no place left for them (text
// 5370 once drawn, 5787 before; 5910 and 5911 for several teams), saying the
// cup's rounds are fixed at its creation and where a larger cup is made.
std::string TexteCoupePleine(const TSaison& saison, const TPeseeCoupe& pesee, const std::vector<TAjoutEquipe>& ajouts);
// What the check says of matchday n beside the championship's own lines: a
// team in two of its matches; in a cup, a match holding a team that has no
// place there, and the teams beyond the places of its rounds that stand in
// no match.
std::vector<std::string> VerifieTableau(const TSaison& saison, const TDonneesChampionnat& c, int n);

// Completing the fixtures of a cup from the first legs, leaving out the ties
// that the matchdays before n already decided (through the one road of the
// cup's changes); true when a match was created.
bool CompleteCoupe(TDonneesChampionnat& c, int n);
// The matches that completing from matchday n would create, home and away in
// order, and the matchday they go to (cible, 0 when none).
std::vector<std::pair<int, int>> MatchsACompleter(const TDonneesChampionnat& c, int n, int& cible);
// The current matchday's caption.
std::string LibelleJournee(const TSaison& saison);
// The caption of matchday n of the current championship: its date when the
// championship counts by dates, the round and the game or leg in a cup, else
// "Matchday n". Every window that names a matchday takes it from here.
std::string LibelleJournee(const TSaison& saison, int n);
std::string LibelleJournee(const TDonneesChampionnat& c, int n);
// The matches of matchday n reordered by the general standings up to n; true
// when one moved. A matchday holding a typed score or state keeps its order.
bool TrieMatchsClassement(TSaison& saison);
