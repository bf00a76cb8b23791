// The matchdays of a championship, in number order and in date order, and one
// matchday: its date, its matches, its data lists per kind and its shoot-out
// records.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "model/InfoComp.h"
#include "model/ListeDonnees.h"

class TDonneesChampionnat;
class TSaison;

// A shoot-out after a drawn cup tie.
struct TPenaltyTab
{
    uint16_t e1 = 0;   // home team id
    uint16_t e2 = 0;   // away team id
    uint8_t s1 = 0;    // shoot-out goals of the home team
    uint8_t s2 = 0;
};

// One matchday. Match indexes are 0-based here.
class TInfoCompJour
{
public:
    // Data kinds 2..7 get their list; 0 creates the basketball statistic lists
    // (codes 5..20), 1 the handball ones (codes 21..36).
    TInfoCompJour(std::span<const uint8_t> types, TSaison* saison);
    TInfoCompJour(const TInfoCompJour&) = delete;
    TInfoCompJour& operator=(const TInfoCompJour&) = delete;
    ~TInfoCompJour();

    // Frees every match and shoot-out record; with listes, empties the data
    // and statistic lists too.
    void Vide(bool listes);

    uint32_t Date() const { return date_; }
    void SetDate(uint32_t d) { date_ = d; }

    // Data list of kind 2..7; nullptr for another kind or one the sport lacks.
    TListeDonnees* Liste(int type) const;
    // Statistic list of code 5..36 for sport 2 (basketball) or 3 (handball).
    TListeDonnees* ListeStat(int code, int sport) const
    {
        if ((sport != 2 && sport != 3) || code < 5 || code > 36)
            return nullptr;
        return stats_[code].get();
    }
    // Holds the given list for code instead of the one held (which is freed);
    // giving back the list already held changes nothing.
    void SetListeStat(int code, int sport, std::unique_ptr<TListeDonnees> liste);
    // Every list held, kinds 2..7 then statistic codes (for the season).
    void SetSaisonListes(TSaison* saison);

    int NbMatchs() const { return static_cast<int>(matchs_.size()); }
    TInfoComp* Match(int i) const;   // nullptr out of range
    TInfoComp* MatchEquipes(int domicile, int exterieur) const;   // exact sides
    int IndexMatch(int domicile, int exterieur) const;            // exact sides, -1
    int IndexMatchEquipe(int id) const;                           // either side, -1
    int IndexObjetMatch(const TInfoComp* match) const;            // -1
    // Key -1: appended, keeping the match's own key; otherwise the match takes
    // the key and goes before the first match whose key is key or more.
    // Returns its index.
    int AjouteMatch(std::unique_ptr<TInfoComp> match, int32_t cle);
    // Removes match i and hands it over; nullptr out of range.
    std::unique_ptr<TInfoComp> SupprimeMatch(int i);
    void DeplaceMatch(int i, int j);
    // The match list itself (for the matchday operations of TJournees).
    std::vector<std::unique_ptr<TInfoComp>>& Matchs() { return matchs_; }

    // Shoot-out records.
    int NbPenalty() const { return static_cast<int>(penalties_.size()); }
    const TPenaltyTab* PenaltyIndex(int i) const;
    void AjoutePenalty(int domicile, int exterieur, int s1, int s2);
    const TPenaltyTab* Penalty(int domicile, int exterieur) const;
    void SupprimePenalty(int domicile, int exterieur);

private:
    std::vector<std::unique_ptr<TInfoComp>> matchs_;
    uint32_t date_ = 0;
    std::vector<TPenaltyTab> penalties_;
    std::unique_ptr<TListeDonnees> listes_[8];    // kinds 2..7
    std::unique_ptr<TListeDonnees> stats_[37];    // codes 5..36
};

class TJournees
{
public:
    static constexpr int MaxJournees = 255;   // matchday numbers are bytes in the penalties

    TJournees(TDonneesChampionnat* championnat, int nbTitulaire, int nbRemp);
    TJournees(const TJournees&) = delete;
    TJournees& operator=(const TJournees&) = delete;
    ~TJournees();

    void Vide(bool listes);
    int Nombre() const { return static_cast<int>(parNumero_.size()); }
    TInfoCompJour* Journee(int n) const;          // nullptr outside 1..Nombre
    TInfoCompJour* JourneeParDate(int i) const;   // nullptr out of range
    uint32_t DateJournee(int n) const;            // 0 (empty date) when absent
    // Creates matchday n when it is past the count; otherwise changes its
    // date and moves it within the date order.
    void SetDateJournee(int n, uint32_t d);

    TInfoCompJour* ChercheDate(uint32_t d) const;
    int IndexDate(uint32_t d) const;              // 0 when none
    int PremiereJourneeDatee() const;             // 0 when none
    int NumeroJourneeDate(uint32_t d) const;      // -1 when none
    int NumeroJournee(int i) const;               // 1 past the end
    // The place of matchday n in the date order (-1 when absent), and the
    // number of the matchday at place i (0 when none): the matchday itself,
    // even among several of one date, or of none.
    int PlaceJournee(int n) const;
    int NumeroPlace(int i) const;

    // n from 1: creates every missing matchday up to n, matchday n dated d.
    // n = -1: a new matchday placed by its date, n receives its number.
    // Other n (or past MaxJournees): nothing, nullptr. The championship's
    // matchday count is raised to cover every matchday created.
    TInfoCompJour* CreeJournee(int& n, uint32_t d);
    void TronqueJournees(int n);
    // Below the count only (the last matchday is never removed this way).
    bool SupprimeJournee(int n);
    // Matchday n when it holds no match (the last one only with derniere):
    // a date left with nothing entered leaves no matchday behind, and the
    // championship's matchday count, which counted it, goes down with it (the
    // file holds no empty matchday in its place). False when it holds a
    // match, is absent, or is the last without derniere.
    bool SupprimeJourneeVide(int n, bool derniere);
    void TrieParDate();

    // The match of those exact sides on matchday n (created with the matchday
    // when cree is set).
    TInfoComp* MatchEquipes(int n, int domicile, int exterieur, int32_t cle, bool cree, uint32_t date);
    // A new match of those sides on matchday n (created with the matchday),
    // not looked for among those the matchday holds: for a caller that knows
    // it holds none.
    TInfoComp* NouveauMatch(int n, int domicile, int exterieur, int32_t cle, uint32_t date);
    // Returns the match, or nullptr when n is not a valid matchday number.
    TInfoComp* AjouteMatch(int n, std::unique_ptr<TInfoComp> match, uint32_t date, int32_t cle);
    // n = 0 when no matchday holds the match.
    void ChercheMatch(const TInfoComp* match, int& n, int& i) const;
    // Frees every match of the team; the opponent of the first removed, -1.
    int SupprimeMatchsEquipe(int n, int id);
    // Frees every match of the two ids in either order; index of the first, -1.
    int SupprimeMatch(int n, int domicile, int exterieur);
    void VideMatchs(int n);
    // Removes every match of matchday n and hands them to the caller.
    std::vector<std::unique_ptr<TInfoComp>> VideJournee(int n);
    // Side values below count become ids[v], any other except 65535 65535.
    void AffecteEquipes(int n, int count, std::span<const uint16_t> ids);

    int NbTitulaire() const { return nbTitulaire_; }
    int NbRemp() const { return nbRemp_; }
    void SetNbTitulaire(int v);
    void SetNbRemp(int v);

private:
    std::unique_ptr<TInfoCompJour> NouvelleJournee() const;
    void InsereParDate(TInfoCompJour* j);
    void RetireParDate(TInfoCompJour* j);
    void VerifieNbJour();
    // Frees matchday n (1..Nombre), the following ones moving down one number.
    bool Retire(int n);
    // The championship's match states follow a renumbering (old number -> new).
    void RenumeroteEtats(const std::vector<int>& nouveaux);

    std::vector<TInfoCompJour*> parDate_;
    std::vector<std::unique_ptr<TInfoCompJour>> parNumero_;
    TDonneesChampionnat* championnat_;
    int nbTitulaire_;
    int nbRemp_;
};
