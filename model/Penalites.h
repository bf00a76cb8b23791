// Everything of a championship that changes a standings table besides the plain
// scores: the non-normal state of a match (forfeit, awarded on the table,
// postponed, abandoned, score not received) and the points added to or removed
// from a team.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// Match states (Type of a match-state record); 0, a normal match, is never stored.
enum : uint8_t {
    etatForfait = 1,         // winner by forfeit
    etatSurTapis = 2,        // awarded on the table
    etatReporte = 5,         // postponed
    etatArrete = 6,          // abandoned
    etatNonRecu = 7,         // score not received
    penalitePointsRetires = 3,   // point record: points removed
    penalitePointsAjoutes = 4,   // point record: points added
};

// One record. A match state: e1/e2 the home and away ids, s1/s2 the scores,
// Journee the matchday. A point record: e1 the team, e2 0, s1 the points
// (positive), s2 0, Journee 0, Type 3 or 4.
struct TPenalite
{
    uint16_t e1 = 0;
    uint16_t e2 = 0;
    int32_t s1 = 0;
    int32_t s2 = 0;
    uint8_t Journee = 0;
    uint8_t Type = 0;
};

// Records kept in ascending order of Journee, those of one matchday together,
// the newest first among them.
class TPenalites
{
public:
    TPenalites() = default;
    TPenalites(const TPenalites&) = delete;
    TPenalites& operator=(const TPenalites&) = delete;

    void Vide() { items_.clear(); }
    int Nombre() const { return static_cast<int>(items_.size()); }
    TPenalite* Penalite(int i) const;   // nullptr out of range

    // Inserted before the first record whose Journee is not below journee.
    // nullptr (nothing added) when journee is outside 0..255.
    TPenalite* Ajoute(int e1, int e2, int32_t s1, int32_t s2, int journee, int type);
    // Each record of the list as Ajoute adds it, from the last to the first:
    // before the records of its matchday, in the list's order. In one pass
    // (a document may hold many).
    void AjouteEnTete(std::span<const TPenalite> liste);
    TPenalite* AjoutePenalite(int e1, int e2, int32_t s1, int32_t s2, int journee)
    {
        return Ajoute(e1, e2, s1, s2, journee, etatForfait);
    }
    // Keeps one net point record per team at matchday 0 (type 3 when the net
    // value is negative, 4 otherwise, 0 included).
    void AjoutePoints(int equipe, int32_t points);
    // The record of that matchday with exactly these e1 and e2.
    TPenalite* Cherche(int e1, int e2, int journee) const;
    // The records of that matchday in their order (not owned); empty when none.
    std::vector<TPenalite*> ListeJournee(int journee) const;
    void SupprimeJournee(int journee);
    // The state record of that matchday with exactly these e1 and e2, if any.
    void Supprime(int e1, int e2, int journee);
    // The matchdays renumbered: a match state of matchday j moves to
    // nouveaux[j], and goes when that is 0 or j is past the table; the point
    // records (matchday 0) stay.
    void RenumeroteJournees(const std::vector<int>& nouveaux);
    // The records of a team that leaves: the states of its matches and its
    // point record.
    void SupprimeEquipe(int id);

private:
    std::vector<std::unique_ptr<TPenalite>> items_;
};
