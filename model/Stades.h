// Record cards of stadiums and of clubs. A match names its stadium by code
// (0 = no stadium, so stadiums are numbered from 1); a club record describes
// one team: kits, honours, officials, home stadiums, coaches, contact details.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Personnels.h"

class TListePays;
class TStringList;
class TXmlReader;
class TXmlWriter;

class TStade
{
public:
    static constexpr uint16_t Aucun = 0xFFFF;

    TStade() = default;
    TStade(std::string nom, int32_t capacite, std::string ville);
    TStade(const TStade&) = delete;
    TStade& operator=(const TStade&) = delete;

    // A copy of every field but the code, which is left to number.
    static std::unique_ptr<TStade> CreateCopie(const TStade& source);

    std::string NomComplet() const;   // "Name (Town)", the name alone without town
    std::string NomPays(const TListePays* pays) const;

    // Element Stade (attribute ID unless id is 65535).
    void Ecrit(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const;
    // Reads the children of Stade up to its end tag.
    void Lit(TXmlReader& x, TSaisonFiches* saison);

    std::string NomStade;
    std::string Ville;
    uint16_t DateConstruction = 0;   // year, 0 none
    std::string Remarque;
    uint16_t CodePays = Aucun;
    int32_t Capacite = 0;
    std::string RecordAffluence;
    int32_t Image = 0;
    std::string TexteImage;
    int32_t LongueurTerrain = 0;
    int32_t LargeurTerrain = 0;
    std::string NatureSol;
    std::string Adresse;
    std::string Cp;
    std::string Tel;
    std::string Fax;
    uint16_t Code = Aucun;   // not yet numbered
};

// Stadiums sorted by NomStade then Ville (bytes compared). Owns them.
class TStades
{
public:
    TStades() = default;
    TStades(const TStades&) = delete;
    TStades& operator=(const TStades&) = delete;

    int NbStade() const { return static_cast<int>(items_.size()); }
    TStade* Stade(int i) const;   // nullptr out of range
    // The highest code given or met; stadiums are numbered from 1.
    int32_t CodeMax() const { return codeMax_; }
    TStade* ChercheStade(int code) const;
    // The first stadium of that name and, unless ville is empty, that town
    // (letter case ignored).
    TStade* ChercheStadeNom(std::string_view nom, std::string_view ville) const;
    // Numbers s when it has no code (highest + 1; its code raises the
    // highest), then files it at its place. With fusion, a stadium of the same
    // name and town already there is kept and s freed. The stadium kept is
    // returned; index receives its place (-1 for a null s).
    TStade* AjouteStade(std::unique_ptr<TStade> s, bool fusion, int* index = nullptr);
    // A new stadium of that name and town, numbered, added with fusion.
    TStade* NouveauStade(const std::string& nom, const std::string& ville);
    // Takes s out of the list and hands it back (nullptr when absent). Club
    // records may still refer to it: see TRensClubs::OublieStade.
    std::unique_ptr<TStade> RetireStade(const TStade* s);
    std::vector<std::unique_ptr<TStade>> Vide();
    void Libere() { items_.clear(); }
    std::vector<TStade*> Liste() const;
    std::vector<TStade*> ListeParPays(int code) const;
    bool PaysUtilise(int code) const;

    // Element Stades with every numbered stadium.
    void Ecrit(TXmlWriter& x, TSaisonFiches* saison, TStringList* fichiers) const;
    // Reads the children of Stades (the reader stands just after its start
    // tag) up to its end tag; stadiums without a name are dropped.
    void Lit(TXmlReader& x, TSaisonFiches* saison);

private:
    size_t Place(const TStade& s) const;

    std::vector<std::unique_ptr<TStade>> items_;
    int32_t codeMax_ = 0;
};

// One kit of a club.
struct TMaillot
{
    std::string Nom;
    std::string CouleurMaillot;
    std::string CouleurRechange;
    bool operator==(const TMaillot&) const = default;
};

class TRensClub
{
public:
    static constexpr uint16_t Aucun = 0xFFFF;

    explicit TRensClub(int32_t equipe = -1) : Equipe(equipe) {}
    TRensClub(const TRensClub&) = delete;
    TRensClub& operator=(const TRensClub&) = delete;

    // ---- kits
    int NbMaillot() const { return static_cast<int>(maillots_.size()); }
    const TMaillot* Maillot(int i) const;   // nullptr out of range
    std::string CouleurMaillot(int i) const;    // empty past the end
    std::string CouleurRechange(int i) const;
    // Sets the colour of kit i; past the end one kit is appended with it.
    void SetCouleurMaillot(int i, const std::string& couleur);
    void SetCouleurRechange(int i, const std::string& couleur);
    void SetNomMaillot(int i, const std::string& nom);
    // Appends empty kits until there are i, then the new one.
    void AjouteMaillot(int i, const std::string& nom, const std::string& couleurRechange,
                       const std::string& couleurMaillot);
    // Frees every kit; with officiels the three officials too.
    void VideMaillots(bool officiels);

    // ---- references to the season's stadiums and coaches (not owned)
    const std::vector<TStade*>& Stades() const { return stades_; }
    const std::vector<TEntraineur*>& Entraineurs() const { return entraineurs_; }
    void AjouteStade(TStade* s);
    void AjouteEntraineur(TEntraineur* e);
    void RetireStade(const TStade* s);
    void RetireEntraineur(const TEntraineur* e);
    // s becomes the first home stadium (taken from its later place when it
    // has one), or is appended to an empty list; nullptr removes the first.
    void ChangePremierStade(TStade* s);
    void ChangePremierEntraineur(TEntraineur* e);

    // Element RensClub.
    void Ecrit(TXmlWriter& x, TSaisonFiches* saison) const;
    // Reads the children of RensClub up to its end tag. A coach number that
    // was merged away while reading is followed through pairesEntraineurs.
    void Lit(TXmlReader& x, TSaisonFiches* saison, const TPairesIds* pairesEntraineurs = nullptr);

    int32_t Equipe;   // team id, -1 none
    std::string Creation;
    std::string Matricule;
    std::string Palmares;
    std::unique_ptr<TStaff> President;
    std::unique_ptr<TStaff> Secretaire;
    std::unique_ptr<TStaff> Tresorier;
    std::string SiteInternet;
    int32_t Budget = 0;
    std::string Remarque;
    std::string Statut;
    std::string Adresse;
    std::string Cp;
    std::string Ville;
    std::string Tel;
    std::string Fax;
    std::string Nom;
    std::string EMail;
    uint16_t Code = Aucun;   // not yet numbered

private:
    TMaillot& MaillotCree(int i);
    void LitMaillot(TXmlReader& x, uint8_t jeton);

    std::vector<TMaillot> maillots_;
    std::vector<TStade*> stades_;
    std::vector<TEntraineur*> entraineurs_;
};

// Club records sorted by team id. Owns them.
class TRensClubs
{
public:
    TRensClubs() = default;
    TRensClubs(const TRensClubs&) = delete;
    TRensClubs& operator=(const TRensClubs&) = delete;

    int NbRensClub() const { return static_cast<int>(items_.size()); }
    TRensClub* RensClub(int i) const;   // nullptr out of range
    int32_t CodeMax() const { return codeMax_; }
    TRensClub* ChercheRensClub(int equipe) const;
    // Numbers r when it has no code, then files it by team id; a record of the
    // same team already there is kept and r freed. The record kept is returned.
    TRensClub* AjouteRensClub(std::unique_ptr<TRensClub> r, int* index = nullptr);
    TRensClub* NouveauRensClub(int equipe);
    std::unique_ptr<TRensClub> RetireRensClub(const TRensClub* r);
    std::vector<std::unique_ptr<TRensClub>> Vide();
    void Libere() { items_.clear(); }
    // Drop every reference to a stadium or coach about to leave the season.
    void OublieStade(const TStade* s);
    void OublieEntraineur(const TEntraineur* e);

    // Element RensClubs with every numbered record.
    void Ecrit(TXmlWriter& x, TSaisonFiches* saison) const;
    // Reads the children of RensClubs (the reader stands just after its start
    // tag) up to its end tag; records that name no team are dropped.
    void Lit(TXmlReader& x, TSaisonFiches* saison, const TPairesIds* pairesEntraineurs = nullptr);

private:
    std::vector<std::unique_ptr<TRensClub>> items_;
    int32_t codeMax_ = -1;
};
