// The bracket of a cup and the one road by which its matches and teams change.
//
// The bracket is read from the cup's rounds, kinds of tie and results: who
// goes through each tie, and so which teams each later match may hold (a team
// won its tie in the round before, or has one of the byes that round leaves,
// as many as the next round's size asks; a later leg, game, replay or decider
// holds the two teams of one tie; the third-place match the semi-final
// losers).
//
// Every window that changes a cup (a score typed or given live, a match
// removed, a team placed, added to or taken out of the cup) describes its
// change and hands it to ChangeCoupe: the change is weighed against the
// bracket (what follows in the cup, what it would break, every played match
// it replaces or removes), the window asks its one question about what is
// named, and only a Yes carries it out. A refusal or a No changes nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class TDonneesChampionnat;
class TInfoComp;

// The two bytes of a shoot-out result ((home << 16) + away).
inline int TirsDomicile(uint32_t t) { return static_cast<int>((t >> 16) & 0xFF); }
inline int TirsExterieur(uint32_t t) { return static_cast<int>(t & 0xFF); }

// ---- ties --------------------------------------------------------------------------------
// The decision a match's scores call for.
struct TDecisionTour
{
    bool Aucune = false;     // nothing further is done
    bool TirsAuBut = false;  // a shoot-out decides
    bool Indecis = false;    // an extra match is needed
    int Qualifie = -1;       // 0 home, 1 away, -1 unchanged
};
// The rule of the tie kind TypeMatch of matchday n for scores sh - sa of the
// match h - a, its earlier matches read from the championship.
TDecisionTour DecideTour(const TDonneesChampionnat& c, int n, int h, int a, int sh, int sa);

// One match as the bracket reads it.
struct TMatchCoupe
{
    int Domicile = -1, Exterieur = -1;   // -1: a box left empty
    int ScoreDomicile = -1, ScoreExterieur = -1;   // -1: none
    int Qualifie = 2;                    // the side flagged as through: 0, 1, 2 none
    uint32_t TirsAuBut = 0;              // (home << 16) + away, 0 none
    int Troisieme = -1;                  // the third-place match: 1, 0, -1 not known yet
    bool Joue() const { return ScoreDomicile >= 0 && ScoreExterieur >= 0; }
    bool Tient(int e) const { return e >= 0 && (Domicile == e || Exterieur == e); }
    bool Entre(int x, int y) const { return x >= 0 && y >= 0 && Tient(x) && Tient(y) && x != y; }
    bool Complet() const { return Domicile >= 0 && Exterieur >= 0; }
    bool operator==(const TMatchCoupe&) const = default;
};
// The matches of a cup, matchday d at index d - 1.
using TMatchsCoupe = std::vector<std::vector<TMatchCoupe>>;
// As the championship holds them.
TMatchsCoupe MatchsCoupe(const TDonneesChampionnat& c);
// The same with matchday n as given (a page's rows, match r at index r).
TMatchsCoupe MatchsCoupe(const TDonneesChampionnat& c, int n, std::vector<TMatchCoupe> journee);
// Match i of matchday n as the championship holds it.
TMatchCoupe MatchCoupe(const TDonneesChampionnat& c, int n, const TInfoComp& m);
// Match m of matchday n as its scores leave it, the earlier matches of its
// tie read from e: a score that decides the tie or calls for another match
// takes its shoot-out away and sets the side through; one that calls for a
// shoot-out keeps the one m holds (the side through is its winner's, none
// while it is missing); one the round's kind has no rule for leaves the
// shoot-out and the side through as they were entered. The tie's decision.
TDecisionTour RegleScore(const TDonneesChampionnat& c, const TMatchsCoupe& e, int n, TMatchCoupe& m);

// One tie: the pairing of its round's first matchday at its place there, and
// who it sends on.
struct TTie
{
    int Domicile = -1, Exterieur = -1;
    int Vainqueur = -1, Perdant = -1;   // -1 while not decided
    int Decision = 0;                   // the matchday that decided it
    int Suite = 0;                      // the matchday of the extra match it needs
    int SuiteDomicile = -1, SuiteExterieur = -1;
    bool operator==(const TTie&) const = default;
};
struct TTour
{
    int Premier = 0, Dernier = 0;   // its matchdays
    std::vector<TTie> Ties;         // by place on its first matchday
    // The place of the tie of teams h and a, either way round; -1: none.
    int TieDe(int h, int a) const
    {
        for (size_t k = 0; k < Ties.size(); ++k)
            if (h >= 0 && a >= 0 && ((Ties[k].Domicile == h && Ties[k].Exterieur == a) ||
                                     (Ties[k].Domicile == a && Ties[k].Exterieur == h)))
                return static_cast<int>(k);
        return -1;
    }
};
// The bracket: every round's ties, who goes through each, and so which teams
// each later match may hold.
struct TTableau
{
    std::vector<TTour> Tours;
    std::vector<int> Comptes;  // each round's number of ties, as the cup declares it
    int Portes = 0;            // the rounds whose winners go on (option word 1 counts them all)
    bool PetiteFinale = false; // the last matchday has a third-place match
    std::vector<bool> PetitesFinales;   // which matches of the last matchday it is
    // Each round's byes (-1: as many as it takes) and the teams standing on
    // its first matchday that played no tie in the round before, in order.
    std::vector<int> Exemptions;
    std::vector<std::vector<int>> Entrants;
    // The teams fixed for the next match of a row of the first round (a
    // play-off's): their place in the second round is theirs.
    std::vector<int> Fixees;
    int TourJournee(int d) const;   // -1 outside
    // Round r takes teams the round before sent on: any team in the first
    // round, and in a round the winners do not reach (option word 1).
    bool Nourri(int r) const;
    // Round r - 1 leaves byes for round r: twice the ties of round r exceed
    // those of the round before.
    bool Exempts(int r) const;
    // The team has its place in round r: it won its tie in the round before,
    // or played none there while that round leaves byes, having its place
    // there and being among the byes the round takes.
    bool Qualifiee(int equipe, int r) const;
    // A semi-final loser (the round before the last) that went through every tie before it.
    bool Troisieme(int equipe) const;
    // The tie of round r holding the team, nullptr when none.
    const TTie* TieEquipe(int r, int equipe) const;
    // The teams the cup's rounds have places for: the first round's and each
    // later round's byes (0: the cup does not say).
    int Places() const;

private:
    // The team enters round r by a bye: among the first its byes take.
    bool Exemptee(int r, int equipe) const;
};
TTableau Tableau(const TDonneesChampionnat& c, const TMatchsCoupe& e);
// A cup whose results decide its ties (flag TypeCoupe): the bracket applies.
bool TableauActif(const TDonneesChampionnat& c);

// A place of a cup where the bracket does not hold: a team twice on a matchday
// (text 4953), a team without its place in its match (4952), a later match of
// a round whose teams play no one tie of it (5308), whose tie was decided
// before it (5309) or, played, comes after a match of its tie still to play
// (5683; a second leg may come before its first).
struct TEcartTableau
{
    int Journee = 0, Domicile = -1, Exterieur = -1;
    int Equipe = -1;   // the team without its place, or twice
    int Texte = 0;
    bool operator==(const TEcartTableau&) const = default;
};
// Where the cup's matches e break the bracket (matchday d alone when d > 0);
// none in a league or a cup whose results decide nothing.
std::vector<TEcartTableau> EcartsTableau(const TDonneesChampionnat& c, const TMatchsCoupe& e, int d = 0);
// A matchday of the round before j holds no played match of the tie: its
// match on j would come before one still to play.
bool MatchAvantAJouer(const TMatchsCoupe& e, const TTour& tour, const TTie& t, int j);

// A later match that a change deletes or makes.
struct TMatchRemplace
{
    int Journee, Domicile, Exterieur;
    bool operator==(const TMatchRemplace&) const = default;
};
// What a change does to the rest of the cup: the later matches whose teams
// would differ go, each whole (a match whose teams both keep their places
// stays where it was drawn), and the new pairings that are known take the
// first free row of their matchday, no row drawn before moving (Place: its
// index on its matchday).
struct TSuiteCoupe
{
    struct TOperation
    {
        TMatchRemplace Match;
        bool Cree = false;
        int Place = 0;
    };
    std::vector<TOperation> Operations;                            // in order
    std::vector<std::pair<TMatchRemplace, int>> Qualifies;          // later matches given another side through
    // Later matches of a changed tie whose shoot-out no longer decides it
    // (0: kept aside with its score) or decides it again (the one kept aside
    // for its score, given back).
    std::vector<std::pair<TMatchRemplace, uint32_t>> Tirs;
    TMatchsCoupe Apres;                                             // the cup's matches they leave
    std::vector<TMatchRemplace> Supprimes() const;
    bool Vide() const { return Operations.empty() && Qualifies.empty() && Tirs.empty(); }
};
// From the cup's matches before a change (avant) to those it leaves (apres),
// matchday n the first it changes; the matches of n it touches are lignes:
// their ties place again what they feed.
TSuiteCoupe SuiteCoupe(const TDonneesChampionnat& c, const TMatchsCoupe& avant, const TMatchsCoupe& apres, int n,
                       const std::vector<int>& lignes);

// The match of matchday n between h and a (either way round) holds a score, a
// match state, a shoot-out (or one kept aside), events or a line-up.
bool MatchSaisi(const TDonneesChampionnat& c, int n, int h, int a);
// The match is the third-place match of the cup's last matchday.
bool EstPetiteFinale(const TDonneesChampionnat& c, int n, const TInfoComp& m);
// The row of the third-place match on matchday n, -1 when it has none.
int LignePetiteFinale(const TDonneesChampionnat& c, int n);
// The third-place match after the final's matches on the cup's last matchday,
// where the results page shows it (a file may hold it first).
void RangePetiteFinale(TDonneesChampionnat& c);
// The team may stand in row r of the cup's matchday n: any team in the first
// round; later, a team with its place in the round (the semi-final losers in
// the third-place row), on a later matchday of a round a team of a tie still
// to be decided.
bool EquipeAdmise(const TDonneesChampionnat& c, const TTableau& t, int n, int ligne, int equipe);

// ---- the one road -------------------------------------------------------------------------
// A team a change adds: a team of the season (Id), or a new one by name.
struct TAjoutEquipe
{
    int Id = -1;
    std::string Nom;
};
// One change to a championship's matches or teams, as a window describes it.
struct TChangementCoupe
{
    // The matches before and after it (index d - 1), a match taken away kept
    // in its place as (-1, -1); Journee: the first matchday it changes;
    // Lignes: the matches of that matchday it touches.
    TMatchsCoupe Avant, Apres;
    int Journee = 0;
    std::vector<int> Lignes;
    std::vector<TAjoutEquipe> Ajouts;   // teams the championship takes, in order
    std::vector<int> Retirees;          // teams that leave it
    // Match k of Avant's matchday d was entered (a score, a state, events...);
    // empty: as the championship holds it.
    std::function<bool(int d, int k)> Saisi;
    // Writes matchday Journee itself (a page that holds more than the
    // matches: dates, states); empty: its matches are written from Apres.
    std::function<void(TDonneesChampionnat&)> Ecrit;
};
// Matchday n of c as it stood (avant) and as the change leaves it (apres),
// match r at index r; lignes: the matches the change touches.
TChangementCoupe ChangementJournee(const TDonneesChampionnat& c, int n, std::vector<TMatchCoupe> avant,
                                   std::vector<TMatchCoupe> apres, std::vector<int> lignes);
// Match k of matchday n given the score sh - sa (-1: its score removed): the
// tie's rule says who goes through; its shoot-out no longer follows it and
// is kept aside with the score it followed (TInfoComp::TirsOtes), while the
// one kept for this very score comes back, where the score calls for one or
// where the round's kind has no rule for the score.
TChangementCoupe ChangementScore(const TDonneesChampionnat& c, int n, int k, int sh, int sa);
// Teams added to and taken out of the championship, the matches of those that
// leave with them.
TChangementCoupe ChangementEquipes(const TDonneesChampionnat& c, std::vector<TAjoutEquipe> ajouts,
                                   std::vector<int> retirees);

// What a change would do, weighed against the bracket.
struct TPeseeCoupe
{
    // Refused: what it would break (Ecart; also a score given to a later
    // match of a tie its earlier matches decided, 5309, though the file
    // already held that match to play), or the teams it would add beyond
    // the places of the cup's rounds (Places, the cup's; Tiree: its first
    // round drawn).
    bool Refusee = false;
    TEcartTableau Ecart;
    int Places = 0;
    bool Tiree = false;
    // Every match entered that it replaces or removes: those of the changed
    // matchdays first, then the later ones that follow.
    std::vector<TMatchRemplace> Nommes;
    TSuiteCoupe Suite;
    bool Faite = false;   // carried out
};
TPeseeCoupe PeseCoupe(const TDonneesChampionnat& c, const TChangementCoupe& x);
// The one road: the change weighed; a refusal is said (dit's answer does not
// matter), the matches it names are asked about (dit answers Yes or No);
// carried out only then. The pesee, Faite when carried out.
TPeseeCoupe ChangeCoupe(TDonneesChampionnat& c, const TChangementCoupe& x,
                        const std::function<bool(const TPeseeCoupe&)>& dit);

// What the bracket reads of a championship (its teams, the pairings of every
// matchday in order, the scores, sides through and shoot-outs), as a number.
// The championship keeps the one its last change, its reading or its making
// left (SceauCoupe): a cup that differs was written past the one road.
uint64_t EmpreinteCoupe(const TDonneesChampionnat& c);
void ScelleCoupe(TDonneesChampionnat& c);
bool CoupeScellee(const TDonneesChampionnat& c);
