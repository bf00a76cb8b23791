// What the results window writes into a championship, apart from its controls:
// one matchday's rows written into the current championship, the decision of
// a cup tie when a row's scores are left, and the bracket of a cup: who goes
// through each tie and what a change of a matchday does to the later ones.
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

// ---- the bracket of a cup -------------------------------------------------------------
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
};
// The matches of a cup, matchday d at index d - 1.
using TMatchsCoupe = std::vector<std::vector<TMatchCoupe>>;
// As the championship holds them.
TMatchsCoupe MatchsCoupe(const TDonneesChampionnat& c);
// With matchday n as the rows of the page show it (row r, match r).
TMatchsCoupe MatchsCoupe(const TSaison& saison, const TDonneesChampionnat& c, int n,
                         const std::vector<TLigneSaisie>& lignes);

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
    int TourJournee(int d) const;   // -1 outside
    // Round r takes teams the round before sent on: any team in the first
    // round, and in a round the winners do not reach (option word 1).
    bool Nourri(int r) const;
    // Round r - 1 leaves byes for round r: twice the ties of round r exceed
    // those of the round before.
    bool Exempts(int r) const;
    // The team has its place in round r: it won its tie in the round before,
    // or played none there while that round leaves byes, having its place
    // there.
    bool Qualifiee(int equipe, int r) const;
    // A semi-final loser (the round before the last) that went through every tie before it.
    bool Troisieme(int equipe) const;
    // The tie of round r holding the team, nullptr when none.
    const TTie* TieEquipe(int r, int equipe) const;
};
TTableau Tableau(const TDonneesChampionnat& c, const TMatchsCoupe& e);
// A cup whose results decide its ties (flag TypeCoupe): the bracket applies.
bool TableauActif(const TDonneesChampionnat& c);

// A place of a cup where the bracket does not hold: a team twice on a matchday
// (text 4953), a team without its place in its match (4952), a later match of
// a round whose teams play no one tie of it (5308) or whose tie was decided
// before it (5309).
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
// The check's line naming it.
std::string TexteEcart(const TSaison& saison, const TEcartTableau& x);

// A later match that a change deletes or makes.
struct TMatchRemplace
{
    int Journee, Domicile, Exterieur;
    bool operator==(const TMatchRemplace&) const = default;
};
// What a change of the shown matchday does to the rest of the cup: the later
// matches whose teams would differ go, each whole, and the new pairings that
// are known take their places (Place: its index on its matchday).
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
    TMatchsCoupe Apres;                                             // the cup's matches they leave
    std::vector<TMatchRemplace> Supprimes() const;
    bool Vide() const { return Operations.empty() && Qualifies.empty(); }
};
// From the rows as accepted (avant) to the rows now (apres) of matchday n; the
// rows changed (or left) are lignes: their ties place again what they feed.
TSuiteCoupe SuiteCoupe(const TSaison& saison, const TDonneesChampionnat& c, int n,
                       const std::vector<TLigneSaisie>& avant, const std::vector<TLigneSaisie>& apres,
                       const std::vector<int>& lignes);
void AppliqueSuite(TDonneesChampionnat& c, const TSuiteCoupe& suite);
// The matches among these that hold a score, a match state, a shoot-out,
// events or a line-up: the question names them.
std::vector<TMatchRemplace> MatchsSaisis(const TDonneesChampionnat& c, const std::vector<TMatchRemplace>& matchs);
// The line naming a later match in the question: its matchday's caption (the
// third-place match's own), the teams and the score between them (kept on one line).
std::string LibelleMatchRemplace(const TSaison& saison, const TMatchRemplace& m);
// The match of matchday n between h and a (either way round) holds a score, a
// match state, a shoot-out, events or a line-up.
bool MatchSaisi(const TDonneesChampionnat& c, int n, int h, int a);
// The match is the third-place match of the cup's last matchday.
bool EstPetiteFinale(const TDonneesChampionnat& c, int n, const TInfoComp& m);
// The row of the third-place match on matchday n, -1 when it has none.
int LignePetiteFinale(const TDonneesChampionnat& c, int n);
// The team may stand in row r of the cup's matchday n: any team in the first
// round; later, a team with its place in the round (the semi-final losers in
// the third-place row), on a later matchday of a round a team of a tie still
// to be decided.
bool EquipeAdmise(const TDonneesChampionnat& c, const TTableau& t, int n, int ligne, int equipe);
// What the check says of matchday n beside the championship's own lines: a
// team in two of its matches; in a cup, a match holding a team that has no
// place there.
std::vector<std::string> VerifieTableau(const TSaison& saison, const TDonneesChampionnat& c, int n);

// Completing the fixtures of a cup from the first legs, leaving out the ties
// that the matchdays before n already decided; true when a match was created.
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
