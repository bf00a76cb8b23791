// The tree of the competitions of a season: the root (level 0), competitions
// (level 1, usually a championship template), division groups, divisions of
// one's own and play-offs (level 2), championships (level 3). Its nodes carry
// the championships and the play-offs and own them. The tree gives every
// championship its place, its display names (from the championship templates
// when a node is named "#" and a template code), its navigation order, and it
// writes and reads the Championnats element of the season document.
//
// Stored names: a plain text shows as it is; "#n" names a template object by
// code n (level 1 the template championship, level 2 the division's display
// name, level 3 the division); "#n#text" carries code n and shows the text
// (play-offs are named so with their code, divisions of one's own with -1,
// a template division's championship renamed with the division's code). A
// name the user typed is stored by NomStocke, so that it is never read as a
// code: plain, or "#0#" and the name when it starts with "#".
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/SaisonFiches.h"
#include "platform/rtl/DateTime.h"

class TDonneesBarrage;
class TDonneesChampionnat;
class TXmlReader;
class TXmlWriter;

// The stored names of the tree's nodes are written by these and read by
// LitNomStocke only.
std::string NomStocke(const std::string& nom);                          // a name typed
std::string NomStockeCode(int32_t code);                                // "#n"
std::string NomStockeCode(int32_t code, const std::string& nom);        // "#n#name"
struct TNomStocke
{
    enum TForme { Libre, Modele, CodeEtNom } Forme = Libre;
    int32_t Code = 0;
    std::string Texte;   // the name shown (Libre, CodeEtNom)
};
TNomStocke LitNomStocke(const std::string& stocke);

// Receives the running total of the progress of a read or a write.
using TProgression = std::function<void(int total)>;

// Referees and stadiums of a competition.
class TDonneesCompetition
{
public:
    std::vector<int32_t> Arbitres;
    std::vector<int32_t> Stades;
    int32_t Code = 0;   // the number of its node when written
};

class TDescNoeud
{
public:
    explicit TDescNoeud(std::string nom);
    ~TDescNoeud();
    TDescNoeud(const TDescNoeud&) = delete;
    TDescNoeud& operator=(const TDescNoeud&) = delete;

    // Appends the node (its parent and level are set); its index.
    int AjouteEnfant(std::unique_ptr<TDescNoeud> noeud);
    TDescNoeud* AjouteEnfantNomme(const std::string& nom);
    // The first child of exactly that stored name; with cree a new one when none.
    TDescNoeud* EnfantNomme(const std::string& nom, bool cree);
    int NbEnfant() const { return static_cast<int>(enfants_.size()); }
    TDescNoeud* Enfant(int i) const;   // nullptr out of range
    int IndexEnfant(const TDescNoeud* noeud) const;   // -1

    TDescNoeud* Parent() const { return parent_; }
    int32_t Niveau() const { return niveau_; }
    const std::string& Nom() const { return nom_; }
    void SetNom(const std::string& nom) { nom_ = nom; }

    // ---- payload (owned)
    TDonneesChampionnat* Championnat() const { return championnat_.get(); }
    TDonneesBarrage* Barrage() const { return barrage_.get(); }
    // The node takes the payload (a payload it held is freed).
    void SetChampionnat(std::unique_ptr<TDonneesChampionnat> c);
    void SetBarrage(std::unique_ptr<TDonneesBarrage> b);
    std::unique_ptr<TDonneesChampionnat> RetireChampionnat();
    std::unique_ptr<TDonneesBarrage> RetireBarrage();
    // The championship's code, the play-off's code without bit 0x8000, -1.
    int32_t Code() const;

    // ---- competition data (owned)
    TDonneesCompetition* DonneesCompetition() const { return donnees_.get(); }
    TDonneesCompetition* CreeDonneesCompetition();

    // ---- names
    // The display name and its code: a display name set apart wins; "#n" and
    // "#n#text" as said above (the template names need the template readers);
    // the stored name and code 0 otherwise.
    std::string NomAfficheCode(int32_t& code) const;
    std::string NomAffiche() const;
    void SetNomAffiche(const std::string& nom, int32_t code);
    // Level 3: "competition : group - division", the group left out when it
    // has the division's name; other levels the display name.
    std::string NomComplet() const;

    // Championships of the node and of its descendants, parent first.
    std::vector<TDonneesChampionnat*> ListeChampionnats() const;
    // Frees every descendant; the payloads and competition data of the freed
    // nodes go to the caller's lists when given, else are freed.
    void Vide(std::vector<std::unique_ptr<TDonneesChampionnat>>* championnats = nullptr,
              std::vector<std::unique_ptr<TDonneesBarrage>>* barrages = nullptr);

    // ---- descriptor of the season document
    // Key as the document describes it: code × 256 + node number (-1 until
    // the node is written or read). The number and the code are also kept
    // apart, so that numbers past 255 never reach the code.
    int32_t Cle() const { return cle_; }
    int32_t NumeroCle() const { return numero_; }
    int32_t CodeCle() const { return codeCle_; }
    void SetCle(int32_t numero, int32_t code);

private:
    friend class TDescTree;
    std::vector<std::unique_ptr<TDescNoeud>> enfants_;
    std::unique_ptr<TDonneesChampionnat> championnat_;
    std::unique_ptr<TDonneesBarrage> barrage_;
    std::unique_ptr<TDonneesCompetition> donnees_;
    TDescNoeud* parent_ = nullptr;
    int32_t niveau_ = 0;
    int32_t cle_ = -1;
    int32_t numero_ = -1;
    int32_t codeCle_ = -1;
    std::string nom_;
    std::string nomAffiche_;
    int32_t codeAffiche_ = 0;
};

class TDescTree
{
public:
    TDescTree();
    ~TDescTree();
    TDescTree(const TDescTree&) = delete;
    TDescTree& operator=(const TDescTree&) = delete;

    TDescNoeud& Racine() const { return *racine_; }
    void Vide(std::vector<std::unique_ptr<TDonneesChampionnat>>* championnats = nullptr,
              std::vector<std::unique_ptr<TDonneesBarrage>>* barrages = nullptr)
    {
        racine_->Vide(championnats, barrages);
    }

    // ---- filing
    // The level-1, level-2 and level-3 nodes of those stored names (created
    // when absent; a level-3 node already holding a championship is not
    // shared: a new one is made); the championship becomes the level-3 node's
    // payload, with CodeMax + 1 as code when its code is below 1.
    TDescNoeud* AjouteChampionnat(const std::string& nom3, const std::string& nom2,
                                  std::unique_ptr<TDonneesChampionnat> c, const std::string& nom1);
    // A new level-2 node "#-1#name" under the level-1 node of that name.
    TDescNoeud* AjouteDivisionPerso(const std::string& nom, const std::string& nom1);
    // The level-2 node "#code#name" under the level-1 node (both created when
    // absent) takes the play-off.
    TDescNoeud* AjouteBarrage(const std::string& nom, const std::string& nom1, std::unique_ptr<TDonneesBarrage> b);
    // Climbs from the node to the first ancestor whose level is below niveau
    // (mod 16) and adds a child of that name there.
    TDescNoeud* AjouteNoeudNiveau(TDescNoeud* noeud, int niveau, const std::string& nom);

    // ---- searches
    // Championship: the first level-3 node whose payload has that code;
    // otherwise the first level-2 node of that code. -1: the first level-3
    // node holding a championship.
    TDescNoeud* NoeudParCode(int32_t code, bool championnat) const;
    // The first node (depth-first) whose key masked equals valeur and, unless
    // niveau is 0, of that level.
    TDescNoeud* NoeudParCle(int32_t valeur, int32_t masque, int niveau) const;
    // The first node of that level (0: any) whose descriptor number is numero.
    TDescNoeud* NoeudParNumero(int32_t numero, int niveau) const;
    TDonneesChampionnat* ChampionnatParCode(int32_t code) const;
    // By combined division code.
    TDonneesChampionnat* ChampionnatParId(int32_t id) const;
    TDescNoeud* NoeudChampionnat(const TDonneesChampionnat* c) const;
    std::string NomCode(int32_t code) const;
    void NomsChampionnat(int32_t code, std::string& nom, std::string& nom1) const;
    std::string NomCompletCode(int32_t code) const;
    // The level-2 node whose play-off has exactly that code (bit 0x8000
    // included), and the name after its code; with parent, "parent: name".
    TDonneesBarrage* BarrageParCode(int32_t code, TDescNoeud*& noeud, std::string& nom, bool avecParent) const;
    // The competition data from the championship's node up to the root.
    std::vector<TDonneesCompetition*> ListeDonneesCompetition(int32_t code) const;
    std::vector<TDonneesChampionnat*> ListeChampionnats() const;
    std::vector<TDescNoeud*> ListeNoeudsChampionnat() const;
    std::vector<TDonneesBarrage*> ListeBarrages() const;
    std::vector<TDonneesChampionnat*> ListeChampionnatsEquipe(int idEquipe) const;
    bool PlusieursChampionnats() const;
    int32_t CodeMax() const;          // 0 when none
    int32_t CodeBarrageMax() const;   // 0 when none
    int32_t IdPersoMax() const;       // 1000 when none
    // Tree order, no wrap; nullptr at the ends or for an unknown code.
    TDonneesChampionnat* ChampionnatSuivant(int32_t code) const;
    TDonneesChampionnat* ChampionnatPrecedent(int32_t code) const;
    // Every node below the root, parent first (only those holding a
    // championship with championnats).
    void Parcours(bool championnats, const std::function<void(TDescNoeud&)>& visiteur) const;
    void RemplaceJoueurs(const TPairesIds& paires);
    void RemplaceArbitres(const TPairesIds& paires);
    int64_t EstimationCharge() const;

    // ---- the season document
    // Championnats: Code, LastModif (dd/mm/yyyy hh:nn:ss), DescSaison,
    // DescCompetition, the championships and the play-offs. The progress total
    // goes from 65 to 90.
    void EcritChampionnats(TXmlWriter& x, int32_t code, TDateTime date, const TProgression* progression) const;
    // Reads the children of DescSaison (the reader just inside it); the number
    // of championship nodes.
    int LitDescSaison(TXmlReader& x);
    void EcritParamsChamp(TXmlWriter& x) const;

private:
    std::unique_ptr<TDescNoeud> racine_;
};

// The LastModif text: "dd/mm/yyyy hh:nn:ss".
std::string DateModifVersTexte(TDateTime d);
// Reads that form and the older ones (a date alone, "yyyy-mm-dd", two-digit
// years, "." or "-" separators, a time without seconds); false when the text
// is not a date.
bool TexteVersDateModif(const std::string& texte, TDateTime& d);
