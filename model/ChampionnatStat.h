// The championships of the basketball and handball seasons. Their results carry
// a box score: for every player of a match, counters of the sport's statistic
// codes, held as data records (player, team, value in the 16-bit word) in one
// list per code and matchday. The championship adds the entry options, the
// evaluation weights and weighting bands, and the period scores.
//
// Statistic codes:
//   basketball  5 playing time, 6 points, 7/8 two-point shots made/attempted,
//               9/10 three-point shots, 11/12 free throws, 13/14 rebounds,
//               15 assists, 16 fouls, 17 fouls drawn, 18 steals, 19 blocks,
//               20 turnovers;
//   handball    21 goals, 22 shots, 23/24 penalty goals/attempts, 25/26 saves
//               and shots faced, 27/28 penalty saves and penalties faced,
//               29 turnovers, 30 assists, 31 steals, 32 warnings,
//               33 two-minute suspensions, 34 disqualifications,
//               35 expulsions, 36 matches played.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/Championnat.h"

class TJoueur;
class TJoueurs;

// The players of a season (nullptr when the season keeps none).
TJoueurs* JoueursSaison(const TSaison* saison);

// Sport indexes of the two statistic sports.
enum : int { sportStatBasket = 2, sportStatHandball = 3 };

// One player's counters of one team on one matchday.
class TStatTir
{
public:
    // sport: 2 basketball (codes 5..20), 3 handball (21..36). joueur may be
    // nullptr for a player the season does not know (the id stays).
    TStatTir(int sport, TJoueur* joueur, int32_t idJoueur);

    int Sport() const { return sport_; }
    int PremierCode() const { return premier_; }
    int DernierCode() const { return premier_ + 15; }
    TJoueur* Joueur() const { return joueur_; }
    int32_t IdJoueur() const { return idJoueur_; }

    // 0 outside the range.
    uint16_t Valeur(int code) const;
    // Nothing outside the range; the value is kept within 0..65535.
    void SetValeur(int code, int valeur);
    // Adds to the counter, staying within 0..65535.
    void Ajoute(int code, int valeur);

private:
    int sport_;
    int premier_;
    TJoueur* joueur_;
    int32_t idJoueur_;
    uint16_t valeurs_[16] = {};
};

class TDonneesChampionnatStat;

// The counters of one team on one matchday, one entry per player, sorted by the
// player's full name (namesakes by number). Players the season does not know
// come last, by number, when they are asked for.
class TListeStatTir
{
public:
    explicit TListeStatTir(int sport) : sport_(sport) {}

    int Sport() const { return sport_; }
    int Nombre() const { return static_cast<int>(items_.size()); }
    TStatTir* StatTir(int i) const;   // nullptr out of range
    // The entry of a player number; nullptr when none.
    TStatTir* ChercheJoueur(int32_t id) const;

    // Empties the list, then gathers the team's records of matchday n for the
    // codes of the mode (basketball: 0 codes 5..12, 1 codes 13..20, others
    // 5..20; handball always 21..36). Records are merged by player number: two
    // records of one player and code add up. With inconnus, records whose
    // player the season does not know get entries of their own (without
    // player); otherwise they are left out.
    void Calcule(int idEquipe, const TSaison* saison, bool inconnus, const TDonneesChampionnatStat& championnat,
                 int n, int mode);
    // The same from the team's records already picked out, in the order
    // Calcule meets them (by code, then by their place in the code's list).
    struct TRecord
    {
        int code;
        const TDonneesEvt* donnee;
    };
    void Calcule(int idEquipe, const TSaison* saison, bool inconnus, const std::vector<TRecord>& records);

private:
    TStatTir& Entree(TJoueur* joueur, int32_t id);
    void Ajoute(int idEquipe, const TJoueurs* joueurs, bool inconnus, int code, const TDonneesEvt& d);

    int sport_;
    std::vector<std::unique_ptr<TStatTir>> items_;
    std::vector<std::string> cles_;   // each entry's full player name (the order's key)
};

// A weighting band of the basketball evaluation: playing times Min..Max take
// Ponderation percent.
struct TPonderation
{
    uint8_t Min = 0;
    uint8_t Max = 0;
    uint16_t Ponderation = 100;
    bool operator==(const TPonderation&) const = default;
};

class TDonneesChampionnatStat : public TDonneesChampionnat
{
public:
    static constexpr int NbStatActive = 11;

    // ---- overrides of the championship protocol
    void EcritScoresPeriode(TXmlWriter& ecrivain, const TInfoComp& match) override;
    void EcritOptionsSaisie(TXmlWriter& ecrivain) override;
    // Takes OptionsSaisie, ValeurEval and PondEvals (1), leaves the rest (0).
    // Called just after the start tag of an element with children (the season
    // reader skips complete elements itself); see LitOptionsSaisieJeton.
    int LitOptionsSaisie(TXmlReader& lecteur) override;
    // The same, given the token that brought the element: a complete element
    // is taken without reading further.
    bool LitOptionsSaisieJeton(TXmlReader& lecteur, uint8_t jeton) override;
    // Nothing in these sports: their matchday check does not use it.
    void ScoresEvenements(int n, std::vector<int>& scores, std::string& texte,
                          std::vector<uint8_t>& drapeaux) override;
    // ScorePeriode1 (home) or ScorePeriode2 (away), the reader just after its
    // start tag with children; see LitScoresPeriodeJeton.
    void LitScoresPeriode(TXmlReader& lecteur, TInfoComp& match) override;
    void LitScoresPeriodeJeton(TXmlReader& lecteur, uint8_t jeton, TInfoComp& match);
    // As football: 1 for a side whose raw score word is at most BonusBut.
    void BonusOffensif(int n, int m, int position1, int position2, int32_t (&bonus)[2]) override;
    int ChampBonusDefensif() const override { return 1; }
    void SupprimeDonneesEquipe(int idEquipe, int n, bool compo) override;
    // The box-score check of matchday n.
    std::unique_ptr<TStringList> VerifieJournee(int n, int& nbVerifies) override;
    // The box score of the match in the number form (when evenements is set).
    void EcritEvenementsMatch(TXmlWriter& ecrivain, const TInfoComp& match, int n, bool evenements) override;
    void DebutEcritureJournee(int n) override;
    void FinEcritureJournee() override;
    bool LitEvenementMatch(std::string_view nom, TXmlReader& lecteur, uint8_t jeton, TInfoComp& match,
                           int n) override;
    void RemplaceJoueurs(const TPairesIds& paires) override;
    void CopieMatchs(const TDonneesChampionnat& source, const TCorrespondanceStade& stades) override;
    void SetSaisonListes(TSaison* saison) override;
    std::vector<TListeDonnees*> ListesDonnees(int n) override;

    // ---- box score
    int Sport() const { return sport_; }
    int PremierCode() const { return premierCode_; }
    int DernierCode() const { return dernierCode_; }
    int NbPeriodes() const { return nbPeriodes_; }
    // The list of a code on matchday n; nullptr when the matchday does not
    // exist or the code is not the sport's.
    TListeDonnees* ListeStat(int n, int code) const;
    // Holds the given list for a code of the sport on matchday n (the list held
    // is freed); nothing for another code or a missing matchday.
    void SetListeStat(int n, int code, std::unique_ptr<TListeDonnees> liste);
    // The element name of the box score (StatBasket, StatHandball).
    virtual const char* NomElementStat() const = 0;
    // Writes the box score of a match; with noms, players are named (Nom,
    // Prenom) instead of numbered (a player the season does not know keeps its
    // number).
    void EcritStatMatch(TXmlWriter& ecrivain, const TInfoComp& match, int n, bool noms);

    // ---- evaluation
    int PremiereEval() const { return premiereEval_; }
    int DerniereEval() const { return derniereEval_; }
    // Weight of index i (PremiereEval..DerniereEval); 0 and nothing outside.
    int32_t ValeurEval(int i) const;
    void SetValeurEval(int i, int32_t valeur);
    // Entry option k (1..11); 0 and nothing outside.
    uint8_t StatActive(int k) const;
    void SetStatActive(int k, int valeur);
    // Weighting bands (owned).
    int NbPonderations() const { return static_cast<int>(ponderations_.size()); }
    const TPonderation* Ponderation(int i) const;   // nullptr out of range
    void AjoutePonderation(const TPonderation& p) { ponderations_.push_back(p); }
    void VidePonderations() { ponderations_.clear(); }
    // The evaluation of one player's counters.
    virtual double Evaluation(const TStatTir& stat) const = 0;
    // Codes of turnovers, steals and assists.
    virtual int CodeBallePerdue() const = 0;
    virtual int CodeInterception() const = 0;
    virtual int CodePasse() const = 0;

protected:
    TDonneesChampionnatStat(TSaison* saison, uint8_t flags, uint8_t valeur, const TParamsSport& params, int sport);

    // Appends copies of the records of a source list, teams mapped by position
    // from the source championship; records of teams without a position here
    // are dropped.
    void CopieDonneesListe(const TDonneesChampionnat& source, const TListeDonnees& de, TListeDonnees& vers);

    std::vector<int32_t> evals_;

private:
    void LitStatElement(TXmlReader& lecteur, uint8_t jeton, TInfoComp& match, int n);
    // One line whose start tag has been read, its side and player given.
    void LitLigneStat(TXmlReader& lecteur, uint8_t jeton, TInfoComp& match, int n, int cote, int32_t idJoueur);
    void LitOptions(TXmlReader& lecteur, uint8_t jeton);
    void LitValeursEval(TXmlReader& lecteur, uint8_t jeton);
    void LitPonderations(TXmlReader& lecteur, uint8_t jeton);

    // While a matchday is written: the box-score lines of every team of the
    // matchday, gathered in one pass over the lists (instead of one per side
    // of each match), grouped by team in the order of the box score.
    struct TLigneEcriture
    {
        TJoueur* joueur;
        int32_t id;
        int rang;   // of the player's full name; unknown players after all
        int equipe;
        uint16_t valeurs[16];
    };
    struct TEquipeEcriture
    {
        int equipe;
        size_t debut, fin;   // its lines
    };
    void RassembleLignes(int n);
    void RangeLignes();
    std::vector<TLigneEcriture> lignesEcriture_;
    std::vector<TEquipeEcriture> equipesEcriture_;   // by team id
    std::vector<int32_t> tableLignes_;   // (team, player) -> line + 1, open addressing
    std::vector<std::pair<uint64_t, uint64_t>> cles_;   // sort keys of the lines
    std::vector<TLigneEcriture> triees_;
    bool ecritureJournee_ = false;

    int sport_;
    uint8_t premierCode_;
    uint8_t dernierCode_;
    uint8_t nbPeriodes_;
    uint8_t premiereEval_;
    uint8_t derniereEval_;
    uint8_t statActive_[NbStatActive];
    std::vector<TPonderation> ponderations_;
};

class TDonneesChampionnatBasket : public TDonneesChampionnatStat
{
public:
    TDonneesChampionnatBasket(TSaison* saison, uint8_t flags, uint8_t valeur = 0);

    void OptionsParDefaut() override;
    void ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation, int& periode) const override;
    // Kind 6: every record of the points list.
    std::unique_ptr<TListeResultat> ListeClassementJoueur(int n, int type) override;
    std::vector<uint8_t> TypesDonnees() const override { return {0}; }
    const char* NomElementStat() const override { return "StatBasket"; }
    // The weighted sum of the counters, times the percent of the first band
    // holding the playing time (100 without one), divided by 100.
    double Evaluation(const TStatTir& stat) const override;
    int CodeBallePerdue() const override { return 20; }
    int CodeInterception() const override { return 18; }
    int CodePasse() const override { return 15; }
};

class TDonneesChampionnatHandball : public TDonneesChampionnatStat
{
public:
    TDonneesChampionnatHandball(TSaison* saison, uint8_t flags, uint8_t valeur = 0);

    void OptionsParDefaut() override;
    void ParamsSport(int& nbTitulaire, int& nbRemp, int& prolongation, int& periode) const override;
    // Kind 21: every record of the goals list; 22 goals per shot and 25 saves
    // per shot faced (value x 10000 div attempts), by team name then value.
    std::unique_ptr<TListeResultat> ListeClassementJoueur(int n, int type) override;
    std::vector<uint8_t> TypesDonnees() const override { return {1}; }
    const char* NomElementStat() const override { return "StatHandball"; }
    double Evaluation(const TStatTir& stat) const override;
    int CodeBallePerdue() const override { return 29; }
    int CodeInterception() const override { return 31; }
    int CodePasse() const override { return 30; }
};
