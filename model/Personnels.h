// Record cards of people: persons, contact persons, club officials, coaches,
// referees with their statistics per championship, and the sorted person list
// a season keeps for its coaches and for its referees.
//
// XML: a card has two forms. With a season given, the country travels as its
// name (CodePays2) and the photo as a file name added to the caller's file list
// (the name form); without one, as numbers (the number form). Readers accept
// both when they are given the season.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/SaisonFiches.h"

enum class TChamp : uint8_t;
class TListePays;
class TStringList;
class TXmlReader;
class TXmlWriter;

// The order of people and players: names compared without regard to case
// (accents count for equality; for the order, letters first without accents,
// then with them). 0 exactly when the two names are equal once case is folded,
// so the sorted walks, the searches and the merges all agree.
int CompareNomPersonne(std::string_view a, std::string_view b);

// Statistics of one championship: a 16-bit value per kind, kind 0 (matches
// played) always held, kinds Premier..Dernier (at most 39) beside it.
class TListeStat
{
public:
    static constexpr int TypeMax = 39;

    TListeStat(int premier, int dernier);

    int Premier() const { return premier_; }
    int Dernier() const { return dernier_; }
    // The championship these statistics belong to. Championship codes are
    // 32-bit (the group championships of a play-off use the high half).
    uint32_t IdChampionnat() const { return id_; }
    void SetIdChampionnat(uint32_t id) { id_ = id; }

    // Kind 0 and the kinds of the range; 0 for any other kind.
    uint16_t Valeur(int type) const;
    // Stores for the same kinds; other kinds are ignored.
    void SetValeur(int type, int valeur);
    // Every kind both ranges hold takes the source's value.
    void CopieValeurs(const TListeStat& source);
    bool ToutAZero() const;

private:
    int Index(int type) const;   // -1 when the kind is not held

    uint8_t premier_;
    uint8_t dernier_;
    uint32_t id_ = 0;
    std::vector<uint16_t> valeurs_;
};

// Discipline counters of one championship.
struct TDiscipline
{
    uint16_t Passes = 0;   // assists (football players)
    uint16_t Avertissements = 0;
    uint16_t Expulsions = 0;
    uint32_t IdChampionnat = 0;
    bool operator==(const TDiscipline&) const = default;
};

// ---------------------------------------------------------------------------
class TPersonnel
{
public:
    static constexpr uint16_t Aucun = 0xFFFF;

    // Numero -1, Age 0, empty names.
    TPersonnel() = default;
    TPersonnel(int32_t numero, int age, std::string prenom, std::string nom);
    virtual ~TPersonnel() = default;
    TPersonnel(const TPersonnel&) = delete;
    TPersonnel& operator=(const TPersonnel&) = delete;

    // A new card of the same class as this one, empty.
    virtual std::unique_ptr<TPersonnel> CreateVideMeme() const;
    // A copy: every field of the source that this class holds too.
    static std::unique_ptr<TPersonnel> CreateCopie(const TPersonnel& source);
    virtual void Copie(const TPersonnel& source);

    std::string NomComplet() const;   // "Nom Prenom", Nom alone without first name
    std::string PrenomNom() const;    // "Prenom Nom", Nom alone without first name
    // Both names (Nom first with nomDabord), then " (country)" when the list
    // gives a name for CodePays.
    std::string NomAffiche(const TListePays* pays, bool nomDabord) const;
    std::string NomPays(const TListePays* pays) const;   // empty without a list

    // The element (Personnel; Entraineur for coaches) with attribute ID unless
    // id is 65535.
    virtual void Ecrit(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const;
    virtual void EcritChamps(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const;
    // An element of that name with the fields in the number form (club officials).
    void EcritElement(TXmlWriter& x, const std::string& nom) const;
    // Reads the children of the card's element up to its end tag (the reader
    // stands just after the start tag).
    virtual void Lit(TXmlReader& x, TSaisonFiches* saison);

    std::string Nom;
    std::string Prenom;
    uint8_t Age = 0;
    uint16_t CodePays = Aucun;
    int32_t Numero = -1;
    int32_t Image = 0;        // picture number in the picture store, 0 none
    std::string TexteImage;   // the Image text last read

protected:
    virtual const char* NomElement() const { return "Personnel"; }
    // Empties what the reader fills, before it reads.
    virtual void Reinitialise();
    // One child of the card, the token just read; true when it was taken (the
    // element is then read to its end), false to have it skipped.
    virtual bool LitChamp(TXmlReader& x, const std::string& nom, uint8_t jeton, TSaisonFiches* saison);
    // After the last child.
    virtual void FinLecture() {}
    // The country and the photo of the card, in either form.
    void EcritPaysImage(TXmlWriter& x, TStringList* fichiers, TSaisonFiches* saison, int genre) const;
};

// A person with contact details.
class TPersonnelCoordonnees : public TPersonnel
{
public:
    using TPersonnel::TPersonnel;
    std::unique_ptr<TPersonnel> CreateVideMeme() const override;
    void Copie(const TPersonnel& source) override;
    void EcritChamps(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const override;

    std::string Adresse;
    std::string Cp;
    std::string Ville;
    std::string Tel;
    std::string Portable;
    std::string Fax;
    std::string EMail;

protected:
    void Reinitialise() override;
    bool LitChamp(TXmlReader& x, const std::string& nom, uint8_t jeton, TSaisonFiches* saison) override;
};

// A club official (president, treasurer, secretary).
class TStaff : public TPersonnelCoordonnees
{
public:
    TStaff() = default;
    TStaff(int32_t numero, int age, std::string prenom, std::string nom, uint16_t mot = 0);
    std::unique_ptr<TPersonnel> CreateVideMeme() const override;
    void Copie(const TPersonnel& source) override;

    uint16_t Mot = 0;   // carried in memory only
};

// A coach.
class TEntraineur : public TPersonnelCoordonnees
{
public:
    using TPersonnelCoordonnees::TPersonnelCoordonnees;
    std::unique_ptr<TPersonnel> CreateVideMeme() const override;
    void Copie(const TPersonnel& source) override;
    void Ecrit(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const override;

    uint16_t ClubActuel = Aucun;   // team id
    uint16_t ClubPrec = Aucun;     // previous-club id
    std::string categorie;

protected:
    const char* NomElement() const override { return "Entraineur"; }
    void Reinitialise() override;
    bool LitChamp(TXmlReader& x, const std::string& nom, uint8_t jeton, TSaisonFiches* saison) override;
};

// A person with statistics and discipline counters per championship
// (referees; players derive from it). Championship ids are 32-bit.
class TPersonnelStat : public TPersonnel
{
public:
    using TPersonnel::TPersonnel;
    std::unique_ptr<TPersonnel> CreateVideMeme() const override;
    void Copie(const TPersonnel& source) override;

    // New statistics of the class's kind range (referees: 1..34), all 0.
    virtual std::unique_ptr<TListeStat> NouvelleListeStat() const;

    uint16_t Stat(uint32_t c, int type) const;   // 0 when c has none
    uint16_t NbMatch(uint32_t c) const { return Stat(c, 0); }
    uint32_t StatTotale(int type) const;
    uint32_t TotalMatch() const { return StatTotale(0); }
    // Creates c's statistics on first use.
    void SetStat(uint32_t c, int type, int valeur);
    void SetNbMatch(uint32_t c, int valeur) { SetStat(c, 0, valeur); }

    uint16_t NbAvertissement(uint32_t c) const;
    uint16_t NbExpulsion(uint32_t c) const;
    uint32_t TotalAvertissement() const;
    uint32_t TotalExpulsion() const;
    // Create c's record on first use.
    void SetNbAvertissement(uint32_t c, int valeur);
    void SetNbExpulsion(uint32_t c, int valeur);

    // With tout: every statistic is dropped; without: kinds 1 to 4 go to 0
    // (matches and kinds 5 and above stay). Discipline records are dropped.
    void RazStats(bool tout);

    int NbListeStat() const { return static_cast<int>(stats_.size()); }
    const TListeStat* ListeStat(int i) const;   // nullptr out of range
    int NbDiscipline() const { return static_cast<int>(discipline_.size()); }
    const TDiscipline* Discipline(int i) const;   // nullptr out of range

protected:
    const TListeStat* StatChamp(uint32_t c) const;
    TDiscipline* DisciplineChamp(uint32_t c);
    const TDiscipline* DisciplineChamp(uint32_t c) const;
    TDiscipline& DisciplineCree(uint32_t c);
    uint16_t Passes(uint32_t c) const;
    void SetPasses(uint32_t c, int valeur);
    uint32_t TotalPasses() const;

    std::vector<std::unique_ptr<TListeStat>> stats_;
    std::vector<TDiscipline> discipline_;
};

// ---------------------------------------------------------------------------
// A list of persons sorted by Nom then Prenom (CompareNomPersonne), which hands
// out their numbers. It owns its persons.
class TPersonnels
{
public:
    TPersonnels() = default;
    TPersonnels(const TPersonnels&) = delete;
    TPersonnels& operator=(const TPersonnels&) = delete;

    int NbPersonnel() const { return static_cast<int>(items_.size()); }
    TPersonnel* Personnel(int i) const;   // nullptr out of range
    int32_t NumeroMax() const { return numeroMax_; }
    std::vector<TPersonnel*> Liste() const;
    std::vector<TPersonnel*> ListeParPays(int code) const;
    bool PaysUtilise(int code) const;

    // Files p at its place and gives back the person kept: p itself, or the
    // entry of the same Nom and Prenom (case ignored) already present, in
    // which case (p's number, the entry's number) is appended to paires and p
    // is freed (or handed to aPart when given). A Numero of -1 becomes the
    // highest number plus one; a larger one raises the highest number.
    // index receives the place of the person kept (-1 for a null p).
    TPersonnel* AjoutePersonnel(std::unique_ptr<TPersonnel> p, TPairesIds* paires = nullptr,
                                std::vector<std::unique_ptr<TPersonnel>>* aPart = nullptr, int* index = nullptr);
    // Takes p out of the list and hands it back (nullptr when absent).
    std::unique_ptr<TPersonnel> RetirePersonnel(const TPersonnel* p);
    TPersonnel* ChercheNumero(int32_t n) const;
    TPersonnel* ChercheNom(std::string_view nom, std::string_view prenom) const;
    int IndexPersonnel(const TPersonnel* p) const;   // -1 when absent

    // Empties the list and hands its persons to the caller.
    std::vector<std::unique_ptr<TPersonnel>> Vide();
    void Libere();
    void RazStats(bool tout);

    // <nomElement> with every person in list order (no ID attribute).
    void Ecrit(const std::string& nomElement, TXmlWriter& x, TStringList* fichiers, TSaisonFiches* saison) const;
    // Reads the children of the list's element (the reader stands just after
    // its start tag) up to its end tag: each child named nomEnfant becomes a
    // person (a coach for "Entraineur", else a referee); those without Nom are
    // dropped; namesakes are merged, their pairs appended to paires when given.
    // numeros, when given, receives the number of every person read, as the
    // document gives it.
    void Lit(const std::string& nomEnfant, TXmlReader& x, TSaisonFiches* saison, TPairesIds* paires = nullptr,
             std::vector<int32_t>* numeros = nullptr);

private:
    int Place(const TPersonnel& p, bool& egal) const;

    std::vector<std::unique_ptr<TPersonnel>> items_;
    int32_t numeroMax_ = 0;
};

// ---------------------------------------------------------------------------
// Reading helpers shared by the record cards.
namespace fiches {
// The text of a child just read; an element with children is read to its end.
std::string Texte(TXmlReader& x, uint8_t jeton);
// The child's number, of its field (ChampsSaison.h).
int32_t Entier(TXmlReader& x, uint8_t jeton, TChamp champ, int32_t defaut = 0);
// A picture's text: a file name, or the number of a picture of the store
// (a number its field holds); number 0 for a name.
int32_t NumeroImage(TXmlReader& x, TChamp champ, std::string_view texte);
void Image(TXmlReader& x, uint8_t jeton, TChamp champ, std::string& texte, int32_t& numero);
}
