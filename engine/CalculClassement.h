// The standings engine: computes every table of a championship, or of the
// groups of one competition, for a kind and a range of matchdays, from the
// match slots, the penalties list and the sport's bonus operations.
//
// A caller creates an engine over a championship (or a list of groups), runs
// Calcule once (or once per matchday for a cumulative table), reads the rows in
// rank order and the totals of the team of each row, and frees it:
//
//     TCalculClassement calcul(championnat, saison);
//     const int nb = calcul.Calcule(clsGeneral, 0, 0);
//     for (int r = 0; r < nb; ++r) {
//         const int position = calcul.ValeurLigne(r, 1);
//         const int points = calcul.ValeurTotal(position, 1);
//     }
//
// Every cell is a 16-bit word. Values are computed exactly, stored in 16 bits
// and read back signed, except the team position (row field 1) and the team id
// (row field 14), which read unsigned. MotLigne / MotTotal give the raw words.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDonneesChampionnat;
class TSaison;

// Table kinds.
enum : int {
    clsChampDomExt = 0,        // one home/away record field (sortField)
    clsGeneral = 1,
    clsDomicile = 2,
    clsExterieur = 3,
    clsMoyenneAnglaise = 4,
    clsAttaque = 5,
    clsDefense = 6,
    clsDiscipline = 7,
    clsAffluence = 8,
    clsComplet = 9,            // full general table (points 2 W + D)
    clsAttaqueDomicile = 10,
    clsDefenseDomicile = 11,
    clsAttaqueExterieur = 12,
    clsDefenseExterieur = 13,
    clsPointsPerdusDomicile = 20,
    clsButs100 = 30,           // scoring records flagged 0x100, of the team
    clsButs100Contre = 31,     // the same, of its opponents
    clsEssais = 40,
    clsEssaisContre = 41,
    clsPenalites = 42,
    clsPenalitesContre = 43,
    clsDrops = 44,
    clsDropsContre = 45,
    clsStatistique = 50,       // 50..78: statistic codes
    clsForme = 100,            // 100..114: form tables
    clsAges = 115,
};

class TCalculClassement
{
public:
    static constexpr int NbChampsLigne = 15;
    static constexpr int NbChampsTotal = 10;
    static constexpr int NbChampsDomExt = 12;
    // Marks, in a head-to-head sub-table, a team that played no counted match.
    static constexpr int Marque = -4095;

    // Over one championship. The season gives team names and the sport; when
    // none is given, the championship's own season is used.
    TCalculClassement(TDonneesChampionnat* championnat, TSaison* saison);
    // Over the groups of one competition, in table order: group g's slot s is
    // position DecalageGroupe(g) + s.
    TCalculClassement(std::vector<TDonneesChampionnat*> groupes, TSaison* saison);
    TCalculClassement(const TCalculClassement&) = delete;
    TCalculClassement& operator=(const TCalculClassement&) = delete;
    ~TCalculClassement();

    // Computes a table. premiere = 0: all matchdays. filtre: team positions,
    // only matches between two of them count (nullptr: every match). reset
    // clears the home/away record first: a range starting after matchday 1 adds
    // onto what the record holds unless reset is set, so Calcule(1, m, m) for
    // m = 1, 2, ... gives the table after each matchday. champTri: the record
    // field of kind 0. Returns the row count.
    int Calcule(int type, int premiere, int derniere, const std::vector<int>* filtre = nullptr,
                bool reset = false, int champTri = 0);

    // Home/away record fields 1..12, totals 1..10, row fields 1..15; 0 out of
    // range (rows: below the row count), writes ignored out of range.
    int ValeurDomExt(int i, int f) const;
    void EcritDomExt(int i, int f, int v);
    int ValeurTotal(int i, int f) const;
    void EcritTotal(int i, int f, int v);
    int ValeurLigne(int r, int f) const;
    void EcritLigne(int r, int f, int v);
    uint16_t MotTotal(int i, int f) const;
    uint16_t MotLigne(int r, int f) const;
    // Kind 8: the average home attendance of the team of row r.
    int32_t AffluenceLigne(int r) const;
    // The team of row r of the table last computed (of that kind) has nothing
    // its figure is counted over: no match in the table's range and venue
    // (attack, defence, match situations, points dropped), no attendance
    // known (attendance), no attempt (rates), no match in the range at the
    // venue of the record field ranked (kind 0), no match in the range (the
    // averages per match of the statistic codes; and the counts of cards,
    // tries, kicks and flagged goals, unless it has one). Such a row shows
    // "-", comes after the rows with a figure and takes no rank, whether
    // more or fewer is better.
    bool SansBase(int type, int r) const;

    int NbLignes() const { return nbLignes_; }
    int NbEquipe() const { return n_; }
    TSaison* Saison() const { return saison_; }
    // The championship read last (with groups, the last group after Calcule).
    TDonneesChampionnat* Championnat() const { return championnat_; }
    bool AvecGroupes() const { return avecGroupes_; }
    int NbGroupes() const { return static_cast<int>(groupes_.size()); }
    TDonneesChampionnat* Groupe(int g) const;
    // Position of the first team of group g; DecalageGroupe(NbGroupes()) is n.
    int DecalageGroupe(int g) const;
    // The group of a position, -1 out of range.
    int GroupePosition(int i) const;
    // Team id of position i (65535 for a free slot or out of range).
    int IdEquipePosition(int i) const;

    // The bonuses of one played match, side 0 home and 1 away: the attacking
    // bonus of each side and the losing bonus of the loser, as the standings
    // count them; none unless the championship gives bonuses (BonusBut > 0).
    struct TBonusMatch
    {
        int Offensif[2] = {0, 0};
        int Defensif[2] = {0, 0};
        // The points of a side's bonuses (PointBonusBut each).
        int Points(const TDonneesChampionnat& c, int cote) const;
    };
    // Match k (from 1) of matchday n; h and a the team positions of its sides
    // in the championship, sDom and sExt its scores.
    static TBonusMatch BonusMatch(TDonneesChampionnat& c, int n, int k, int h, int a, int sDom, int sExt);
    // The most points one match can give a team: a win's points and the bonus
    // points the match can add to them (a defeat's points and both its
    // bonuses when these give more). The points dropped of every window are
    // counted against it, so they are never below zero.
    static int PointsPossibles(const TDonneesChampionnat& c);

    // Discipline points of a booking and of a sending-off.
    int PoidsJaune = 1;
    int PoidsRouge = 3;

    // Kind 115: appends the age bytes of the players of a team id. An engine
    // with a season reads them from the season's players (the team's block);
    // a caller may replace it. Without a season no team has a player.
    std::function<void(int idEquipe, std::vector<int>& ages)> AgesEquipe;

private:
    // Letter of the tie-break rule: the row field, the direction (+1 higher
    // is better, -1 lower is better) and whether it is head-to-head.
    struct TCritere
    {
        int Champ;
        int Sens;
        bool Confrontation;
    };
    struct TAffluence
    {
        uint64_t Somme = 0;
        uint32_t Nombre = 0;
        int Position = 0;
        uint16_t IdEquipe = 65535;
    };

    void Initialise();
    uint16_t& Ligne(int r, int f) { return lignes_[static_cast<size_t>(r) * NbChampsLigne + f - 1]; }
    uint16_t Ligne(int r, int f) const { return lignes_[static_cast<size_t>(r) * NbChampsLigne + f - 1]; }
    uint16_t& Total(int i, int f) { return totaux_[static_cast<size_t>(i) * NbChampsTotal + f - 1]; }
    uint16_t Total(int i, int f) const { return totaux_[static_cast<size_t>(i) * NbChampsTotal + f - 1]; }
    uint16_t& DomExt(int i, int f) { return domExt_[static_cast<size_t>(i) * NbChampsDomExt + f - 1]; }
    uint16_t DomExt(int i, int f) const { return domExt_[static_cast<size_t>(i) * NbChampsDomExt + f - 1]; }
    int T(int i, int f) const { return static_cast<int16_t>(Total(i, f)); }
    int D(int i, int f) const { return static_cast<int16_t>(DomExt(i, f)); }
    int L(int r, int f) const { return static_cast<int16_t>(Ligne(r, f)); }
    int NbEquipeGroupe(int g) const { return decalages_[static_cast<size_t>(g) + 1] - decalages_[static_cast<size_t>(g)]; }
    bool SportAvecNuls() const;

    // ---- accumulation and counts (CalculClassement.cpp) ----
    void Accumule(int g, int premiere, int derniere, const std::vector<char>* masque);
    // Counting of scoring records of kind type into the totals field champ of
    // group g: the team's records (contre false) or its opponents'. With a
    // mask of positions, only the records of the matches between two of its
    // teams count.
    void CompteButs(int g, int premiere, int derniere, int champ, int type, bool contre,
                    const std::vector<char>* masque = nullptr);
    void TotauxGeneraux(int type);
    void Points(int type);
    void AjustementsPoints();
    void PointsPerdus();

    // ---- other kinds (CalculClassement_Types.cpp) ----
    void TotauxStatistiques(int g, int code, int premiere, int derniere);
    void TotauxDiscipline(int g, int premiere, int derniere);
    void TotauxAffluence(int premiere, int derniere);
    void TotauxForme(int g, int type, int premiere, int derniere);
    void TotauxAges(int g);

    // ---- sorts and tie-breaks (CalculClassement_Departage.cpp) ----
    static TCritere Critere(char lettre);
    void SwapLines(int i, int j);
    void MarkTieGroup(int i, int j, int& compteur);
    // Sorts rows p..q by cle (greater first), keeping the order of rows with
    // equal keys, then joins every run of equal keys in one tie group when a
    // counter is given.
    void TrieLignes(int p, int q, const std::function<int(int r)>& cle, int* compteur);
    void ConstruitLigne(int r, int i, bool sousTable, int champ);
    void ApplyTieBreaks(int type, int premiere, int derniere);
    void ResoutConfrontation(int s, int e, const TCritere& critere, int type, int premiere, int derniere,
                             int& compteur);
    void ComputeTotals(int type, int premiere, int derniere, const std::vector<int>& filtre, int champTri,
                       int& compteur);
    void BuildAndSortLines(const std::vector<int>& filtre, int champTri, int& compteur);
    void MergeSameTeam();
    // The matches position i played in the range of the table being computed.
    int MatchsJoues(int i) const;
    void RankByStatistic(int champ, int second, int code);
    void RankDiscipline();
    void SortAttendance(std::vector<TAffluence>& affluences);

    TDonneesChampionnat* championnat_ = nullptr;
    std::vector<TDonneesChampionnat*> groupes_;   // one entry without groups
    std::vector<int> decalages_;                  // group count + 1 entries
    std::vector<int> groupeDe_;                   // group of each position
    bool avecGroupes_ = false;
    TSaison* saison_ = nullptr;
    int n_ = 0;
    int nbLignes_ = 0;
    int typeCourant_ = 0;
    // The matchdays of the table being computed (premiere 0: all): row field
    // 4 holds the matches each team played in them.
    int premiereCalcul_ = 0;
    int derniereCalcul_ = 0;
    int champTriCalcul_ = 0;   // the record field of kind 0
    // First matchday of what the home/away record holds (0 when empty): a
    // range that adds onto the record is counted from there for the scoring
    // records and the head-to-head sub-tables.
    int debutCumul_ = 0;
    std::vector<uint16_t> lignes_;
    std::vector<uint16_t> totaux_;
    std::vector<uint16_t> domExt_;
};
