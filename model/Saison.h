// The root object of a season: its teams (names, ids, crests), categories, the
// current championship, the save options and the flag that says whether the
// players' statistics are up to date. A season is always of one sport: the
// sport's subclass supplies the factories and the sport's constants.
//
// This class grows with the season document: people, stadiums, clubs, the
// competitions tree and the players list join it there.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TDonneesChampionnat;

// What the championship needs to know of a player (line-up texts, sorted
// selections of events).
struct TInfoJoueur
{
    std::string Nom;
    std::string Prenom;
    int NumeroPoste = 0;   // position number within the sport, 1 first
};

// A category of teams (kept sorted by id).
struct TCategorie
{
    int32_t Id = 0;
    std::string Nom;
    std::string NomCourt;
};

class TSaison
{
public:
    TSaison();
    virtual ~TSaison();
    TSaison(const TSaison&) = delete;
    TSaison& operator=(const TSaison&) = delete;

    // ---- teams (the entries in insertion order) ----
    int NbEquipe() const { return static_cast<int>(equipes_.size()); }
    int32_t ProchainIdEquipe() const { return prochainId_; }
    // Id of the team whose name folds (accents, case) to the same key; -1.
    int ChercheEquipe(const std::string& nom) const;
    // Adds a team; -1 for an empty name or a wanted id outside -1..65534 or
    // already in use. A wanted id of -1 takes the next id; the counter always
    // stays above every id given out. With verifie, a team of that name (see
    // ChercheEquipe) is reused and its id returned.
    int AjouteEquipe(const std::string& nom, int32_t idVoulu = -1, int logo = 0, bool verifie = false);
    void SupprimeEquipe(int id);
    void VideEquipes() { equipes_.clear(); }
    int IdEquipe(int i) const;                  // -1 out of range
    std::string NomEquipeIndex(int i) const;    // empty out of range
    std::string NomEquipe(int id) const;        // empty when absent
    void RenommeEquipe(int id, const std::string& nom);
    int LogoEquipe(int id) const;               // 0 when absent
    void SetLogoEquipe(int id, int logo);
    // The name, followed by the short name of the team's category in that
    // championship when it has one.
    std::string NomEquipeComplet(int id, const TDonneesChampionnat* championnat) const;
    std::string NomEquipeCourant(int id) const { return NomEquipeComplet(id, courant_); }
    std::string NomEquipePosition(int i) const;   // position in the current championship

    // ---- championships ----
    TDonneesChampionnat* ChampionnatCourant() const { return courant_; }
    void SetChampionnatCourant(TDonneesChampionnat* c) { courant_ = c; }
    // A new championship of the sport (flags: type bits of the championship).
    virtual std::unique_ptr<TDonneesChampionnat> CreeChampionnat(uint8_t flags, uint8_t valeur) = 0;

    // ---- the sport's constants ----
    // 1 when statistic kind 0..10 applies to the sport (2: draws exist), else 0.
    virtual int StatApplicable(int type) const = 0;
    virtual int ValeurSport() const = 0;
    virtual int StatPrincipale() const = 0;

    // ---- players ----
    // Name, first name and position number of a player known to the season
    // (equipe 65535: any team); false when the season does not know it.
    virtual bool InfoJoueur(int32_t id, int equipe, TInfoJoueur& info) const;

    // ---- categories (sorted by id) ----
    int NbCategorie() const { return static_cast<int>(categories_.size()); }
    const TCategorie* CategorieIndex(int i) const;   // nullptr out of range
    std::string NomCategorie(int32_t id) const;
    bool Categorie(int32_t id, std::string& nom, std::string& nomCourt) const;
    void SetCategorie(int32_t id, const std::string& nom, const std::string& nomCourt);
    void SupprimeCategorie(int32_t id);

    // ---- save options (bytes 0 and 1) ----
    uint8_t OptionSauvegarde(int n) const { return n == 0 || n == 1 ? optionsSauve_[n] : 0; }
    void SetOptionSauvegarde(int n, int valeur)
    {
        if (n == 0 || n == 1)
            optionsSauve_[n] = static_cast<uint8_t>(valeur);
    }

    // ---- player statistics ----
    // Every change of match data calls it: the statistics are recounted before
    // their next use.
    void InvalideStats() { statsCalculees_ = 0; }
    bool StatsCalculees() const { return statsCalculees_ != 0; }
    void SetStatsCalculees(bool v) { statsCalculees_ = v ? 1 : 0; }

protected:
    struct TEquipe
    {
        std::string Nom;
        uint32_t Objet = 0;   // id | crest << 16
        int Id() const { return static_cast<int>(Objet & 0xFFFF); }
        int Logo() const { return static_cast<int>(Objet >> 16); }
    };
    int IndexId(int id) const;   // index of the first entry of that id, -1

    std::vector<TEquipe> equipes_;
    int32_t prochainId_ = 0;
    TDonneesChampionnat* courant_ = nullptr;
    std::vector<TCategorie> categories_;
    uint8_t optionsSauve_[2] = {0, 0};
    uint8_t statsCalculees_ = 0;
};
