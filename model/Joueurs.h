// Players: the record card of a player of each sport (positions, shirt
// numbers, clubs, national team, physical data, birth date, career per
// championship, history of past seasons), the season's player list with its
// team blocks, and the player choice of a line-up list.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Personnels.h"
#include "platform/rtl/DateTime.h"

class TDonneesChampionnat;

// Sport indexes.
enum : int { sportFootball = 0, sportRugby = 1, sportBasket = 2, sportHandball = 3 };

// One past season of a player.
struct TStatHistorique
{
    int32_t StatAnnee = 0;
    int32_t Division = 0;
    int32_t Equipe = 0;
    int32_t StatMatch = 0;
    int32_t StatBut = 0;
    int32_t StatMatchInter = 0;
    int32_t StatButInter = 0;
    bool operator==(const TStatHistorique&) const = default;
};

// Position codes 0..26 and their keywords in the season document: football
// 0-4, rugby 5-14, basketball 15-21, handball 22-26.
inline constexpr int NbPostes = 27;
// The keyword of a code; empty above 26.
std::string_view MotPoste(int code);
// The code of a keyword (exact); -1 when it is none.
int CodeMotPoste(std::string_view mot);
// The text id of each position of a sport, in code order from its first
// position (rugby: hooker 5, prop 6 ... replacement 14): the name every window
// shows. Empty for football, whose positions are letters.
std::span<const int> TextesPostes(int sport);

// The birth date as the season document holds it: "dd/mm/yyyy", whatever the
// machine's settings; empty for a date that has no such text.
std::string DateNaissanceVersTexte(TDateTime date);
// Reads "dd/mm/yyyy" and the older forms written with the machine's short date
// format (d/m/yy, m/d/yyyy when the day cannot be a month, yyyy-mm-dd, "." or
// "-" as separators); 0 when the text is not a date.
TDateTime TexteVersDateNaissance(std::string_view texte);

// What making two players one does to the player kept: the texts (a label
// and its value) of what he takes over of the other, and of what of the
// other's goes because he holds his own.
struct TBilanFusion
{
    std::vector<std::string> Repris;
    std::vector<std::string> Perdus;
};

class TJoueur : public TPersonnelStat
{
public:
    // ---- construction (sport: sportFootball..sportHandball; nullptr for another)
    // Numero -1, empty names, the sport's first position.
    static std::unique_ptr<TJoueur> CreateVide(int sport, TSaisonFiches* saison);
    // The position from the letter (SetLettrePoste) unless it is blank, else
    // the sport's first position; categorie 1.
    static std::unique_ptr<TJoueur> CreateComplet(int sport, TSaisonFiches* saison, int maillot, int contrat,
                                                  std::string_view lettre, int equipeNational, int clubPrec,
                                                  int duree, int age, int clubActuel, int32_t numero,
                                                  std::string prenom, std::string nom);
    // Letter "M", no national team, every other value 0.
    static std::unique_ptr<TJoueur> CreateSimple(int sport, TSaisonFiches* saison, int32_t numero, int clubActuel,
                                                 std::string prenom, std::string nom);
    // Numero -1, the position from its number (SetPosteNumero).
    static std::unique_ptr<TJoueur> CreateNumeroPoste(int sport, TSaisonFiches* saison, int equipeNational,
                                                      int maillot, int numeroPoste, int age, int clubActuel,
                                                      std::string prenom, std::string nom);
    // A player of the source's sport holding every field of the source
    // (statistics, career and history too), for the given season.
    static std::unique_ptr<TJoueur> CreateCopieJoueur(TSaisonFiches* saison, const TJoueur& source);

    virtual int Sport() const = 0;
    std::unique_ptr<TPersonnel> CreateVideMeme() const override;
    void Copie(const TPersonnel& source) override;

    TSaisonFiches* Saison() const { return saison_; }
    void SetSaison(TSaisonFiches* saison) { saison_ = saison; }

    // ---- teams
    // The national team while the season's current championship counts its
    // players by national team, else the club (the club too without season).
    int IdEquipe() const;
    // Sets the national team or the club by the same rule; the player is not
    // moved in the player list.
    void SetIdEquipe(int t);
    // Changes the club and files the player again in the season's player list.
    // The player kept is returned: when an identical player (same names, same
    // club) is there already, this player is merged into it and freed, and
    // every reference to its number in the championships is rewritten.
    TJoueur* ChangeEquipe(int t);
    // The national team only (see TJoueurs::ChangeEquipeNationale to move it
    // between blocks as well).
    void SetEquipeNationale(int t) { EquipeNational = static_cast<uint16_t>(t); }
    // "Club, National team" with the category of each in that championship;
    // text 82 when the player has neither; empty without season.
    std::string NomEquipes(const TDonneesChampionnat* championnat) const;

    // ---- position
    void SetPoste(int code) { Poste = static_cast<uint8_t>(code); }
    // Poste - first position of the sport + 1.
    int NumeroPoste() const { return Poste - (PremierPoste() & 127) + 1; }
    void SetPosteDefaut() { Poste = static_cast<uint8_t>(PremierPoste()); }
    virtual void SetPosteNumero(int n) = 0;
    virtual std::string LettrePoste() const = 0;
    virtual void SetLettrePoste(std::string_view s) = 0;
    virtual int PremierPoste() const = 0;
    virtual int PosteNouveauJoueur() const = 0;
    virtual int TypeStatBut() const = 0;
    // The player's goals (tries in rugby, points in basketball) in championship
    // c and over every championship: a handball player's goals from play and
    // from 7-metre throws together.
    virtual uint32_t Buts(uint32_t c) const { return Stat(c, TypeStatBut()); }
    virtual uint32_t TotalButs() const { return StatTotale(TypeStatBut()); }
    // True when no count of the player (matches, every statistic kind of the
    // sport, assists, bookings, sendings-off) lies outside championship c.
    bool StatsSeulement(uint32_t c) const;
    // True when every count of the player lies in the championships coded
    // (none at all is true).
    bool StatsSeulement(std::span<const uint32_t> codes) const;
    // True when a count of the player lies in one of the championships coded.
    bool StatsDans(std::span<const uint32_t> codes) const;

    // ---- career per championship code (the kinds of NouvelleListeStat)
    uint16_t StatCarriere(uint32_t c, int type) const;
    void SetStatCarriere(uint32_t c, int type, int valeur);
    uint16_t NbMatchCarriere(uint32_t c) const { return StatCarriere(c, 0); }
    void SetNbMatchCarriere(uint32_t c, int valeur) { SetStatCarriere(c, 0, valeur); }
    int NbStatCarriere() const { return static_cast<int>(carriere_.size()); }
    const TListeStat* Carriere(int i) const;   // nullptr out of range
    // Entry i: its code, matches, and its goals (kind TypeStatBut) in
    // valeurs[0] (rugby: tries, conversions, penalties, drops in valeurs[0..3]);
    // false with zeros past the end.
    virtual bool CarriereIndex(int i, uint32_t& code, std::span<int32_t> valeurs, int32_t& matchs) const;
    // The same for the entry of code c; its index, or 65535 (with zeros).
    virtual int CarriereChamp(uint32_t c, std::span<int32_t> valeurs, int32_t& matchs) const;
    // Entry i becomes code c with those values; i past the end appends.
    virtual void SetCarriereIndex(int i, uint32_t c, int matchs, std::span<const int32_t> valeurs);
    // The entry of code c (appended when absent) takes those values.
    virtual void SetCarriere(uint32_t c, int matchs, std::span<const int32_t> valeurs);
    virtual void EcritCarriere(TXmlWriter& x) const;

    // ---- history, sorted by year
    void AjouteHistorique(const TStatHistorique& h);   // before the first of a year not below
    const TStatHistorique* Historique(int i) const;    // nullptr out of range
    int NbHistorique() const { return static_cast<int>(historique_.size()); }
    void VideHistorique() { historique_.clear(); }
    // Every history line of club ancien (a previous-club id) names nouveau.
    void RemplaceClubHistorique(int32_t ancien, int32_t nouveau);

    // ---- XML: element Joueur
    void EcritChamps(TXmlWriter& x, int id, TStringList* fichiers, TSaisonFiches* saison) const override;

    uint8_t Duree = 0;
    uint8_t Contrat = 0;
    uint16_t ClubPrec = Aucun;
    uint16_t Taille = 0;
    uint16_t Poids = 0;
    std::string SelectionNationale;
    uint16_t nSelectionNationale = 0;
    TDateTime DateNaissance = 0;   // 0 not given
    uint8_t Maillot = 0;
    uint16_t ClubActuel = Aucun;
    uint16_t EquipeNational = Aucun;
    uint8_t MaillotNational = 0;
    int32_t categorie = 1;
    uint8_t Poste = 0;

protected:
    explicit TJoueur(TSaisonFiches* saison) : saison_(saison) {}
    virtual std::unique_ptr<TJoueur> NouveauMeme(TSaisonFiches* saison) const = 0;
    const char* NomElement() const override { return "Joueur"; }
    void Reinitialise() override;
    bool LitChamp(TXmlReader& x, const std::string& nom, uint8_t jeton, TSaisonFiches* saison) override;
    void FinLecture() override;
    TListeStat* CarriereCode(uint32_t c) const;
    TListeStat& CarriereCree(uint32_t c);
    // Position from a label: the i-th of the sport's position names
    // (TextesPostes) that equals s (case ignored) gives SetPosteNumero(i + 1),
    // none gives 1.
    void PosteParTexte(std::string_view s);
    std::string TextePoste() const;

private:
    friend class TJoueurs;
    static std::unique_ptr<TJoueur> Nouveau(int sport, TSaisonFiches* saison);
    void LitStatCarriere(TXmlReader& x, uint8_t jeton);
    void LitHistoriques(TXmlReader& x, uint8_t jeton);

    TSaisonFiches* saison_ = nullptr;
    // The names as the document read gave them, where trimming changed them,
    // until the player list files the player (it tells namesakes by them).
    struct TNomsLus
    {
        std::optional<std::string> nom, prenom;
    };
    std::unique_ptr<TNomsLus> nomsLus_;
    std::vector<TStatHistorique> historique_;
    std::vector<std::unique_ptr<TListeStat>> carriere_;
    // The team blocks the player list filed the player in (-1: none).
    int blocClub_ = -1;
    int blocNational_ = -1;
};

class TJoueurFootball : public TJoueur
{
public:
    explicit TJoueurFootball(TSaisonFiches* saison = nullptr) : TJoueur(saison) {}
    int Sport() const override { return sportFootball; }
    std::unique_ptr<TListeStat> NouvelleListeStat() const override;
    void SetPosteNumero(int n) override;
    std::string LettrePoste() const override;      // a letter of "GDMAR"
    void SetLettrePoste(std::string_view s) override;
    int PremierPoste() const override { return 0; }
    int PosteNouveauJoueur() const override { return 2; }
    int TypeStatBut() const override { return 1; }

    // Assists per championship.
    uint16_t NbPasse(uint32_t c) const { return Passes(c); }
    void SetNbPasse(uint32_t c, int valeur) { SetPasses(c, valeur); }
    uint32_t TotalPasse() const { return TotalPasses(); }

protected:
    std::unique_ptr<TJoueur> NouveauMeme(TSaisonFiches* saison) const override;
};

class TJoueurRugby : public TJoueur
{
public:
    explicit TJoueurRugby(TSaisonFiches* saison = nullptr) : TJoueur(saison) {}
    int Sport() const override { return sportRugby; }
    std::unique_ptr<TListeStat> NouvelleListeStat() const override;
    void SetPosteNumero(int n) override;
    std::string LettrePoste() const override;      // TextesPostes(sportRugby)
    void SetLettrePoste(std::string_view s) override;
    int PremierPoste() const override { return 5; }
    int PosteNouveauJoueur() const override { return 5; }
    int TypeStatBut() const override { return 1; }

    // Four values: tries, conversions, penalties, drops (kinds 1 to 4).
    bool CarriereIndex(int i, uint32_t& code, std::span<int32_t> valeurs, int32_t& matchs) const override;
    int CarriereChamp(uint32_t c, std::span<int32_t> valeurs, int32_t& matchs) const override;
    void SetCarriereIndex(int i, uint32_t c, int matchs, std::span<const int32_t> valeurs) override;
    void SetCarriere(uint32_t c, int matchs, std::span<const int32_t> valeurs) override;
    void EcritCarriere(TXmlWriter& x) const override;

protected:
    std::unique_ptr<TJoueur> NouveauMeme(TSaisonFiches* saison) const override;
};

class TJoueurBasket : public TJoueur
{
public:
    explicit TJoueurBasket(TSaisonFiches* saison = nullptr) : TJoueur(saison) {}
    int Sport() const override { return sportBasket; }
    std::unique_ptr<TListeStat> NouvelleListeStat() const override;
    void SetPosteNumero(int n) override;
    std::string LettrePoste() const override;      // texts 568..574
    void SetLettrePoste(std::string_view s) override;
    int PremierPoste() const override { return 15; }
    int PosteNouveauJoueur() const override { return 15; }
    int TypeStatBut() const override { return 6; }

protected:
    std::unique_ptr<TJoueur> NouveauMeme(TSaisonFiches* saison) const override;
};

class TJoueurHandball : public TJoueur
{
public:
    explicit TJoueurHandball(TSaisonFiches* saison = nullptr) : TJoueur(saison) {}
    int Sport() const override { return sportHandball; }
    std::unique_ptr<TListeStat> NouvelleListeStat() const override;
    void SetPosteNumero(int n) override;
    std::string LettrePoste() const override;      // texts 1487..1491
    void SetLettrePoste(std::string_view s) override;
    int PremierPoste() const override { return 22; }
    int PosteNouveauJoueur() const override { return 23; }
    int TypeStatBut() const override { return 21; }
    uint32_t Buts(uint32_t c) const override { return Stat(c, 21) + Stat(c, 23); }
    uint32_t TotalButs() const override { return StatTotale(21) + StatTotale(23); }

protected:
    std::unique_ptr<TJoueur> NouveauMeme(TSaisonFiches* saison) const override;
};

// One player offered in a line-up choice list.
class TChoixJoueur
{
public:
    TChoixJoueur(TJoueur* joueur, uint8_t drapeau);
    TJoueur* Joueur() const { return joueur_; }
    int Maillot() const { return joueur_ ? joueur_->Maillot : 0; }
    int32_t NumeroJoueur() const { return joueur_ ? joueur_->Numero : 0; }
    uint8_t Drapeau() const { return drapeau_; }
    void SetDrapeau(uint8_t d) { drapeau_ = d; }

    std::string Texte;   // the player's Nom, extended by the list for namesakes

private:
    TJoueur* joueur_;
    uint8_t drapeau_;
};

// ---------------------------------------------------------------------------
// The players of one team, in the player list's order (not owned).
class TListJoueurEquipe
{
public:
    explicit TListJoueurEquipe(int equipe) : equipe_(equipe) {}
    int IdEquipe() const { return equipe_; }
    int Nombre() const { return static_cast<int>(joueurs_.size()); }
    TJoueur* Joueur(int i) const;   // nullptr out of range
    const std::vector<TJoueur*>& Joueurs() const { return joueurs_; }

private:
    friend class TJoueurs;
    int equipe_;
    std::vector<TJoueur*> joueurs_;
};

class TJoueurs;

// The ranks of the players' full names (NomComplet) in the order of
// CompareNomPersonne, given in the order of the players: 0 for the first name
// in that order, names equal under it sharing one rank.
std::vector<int> RangsNomComplet(std::span<TJoueur* const> joueurs);

// The players of a season searched by number, and the order of their full
// names, from tables made once: for a long pass over the season that changes
// no player (writing the season's document). The players must not change
// while it lives.
class TIndexJoueurs
{
public:
    explicit TIndexJoueurs(const TJoueurs& joueurs);
    ~TIndexJoueurs();
    TIndexJoueurs(const TIndexJoueurs&) = delete;
    TIndexJoueurs& operator=(const TIndexJoueurs&) = delete;

    // As TJoueurs::ChercheJoueur.
    TJoueur* ChercheJoueur(int32_t n, int t) const;
    // The rank of p's full name among every player's (RangsNomComplet);
    // -1 for a player not listed. The ranks are made at the first question.
    int RangNom(const TJoueur* p) const;

private:
    const TJoueurs& joueurs_;
    // By number: the one player of that number, nullptr when none or when
    // several share it (those are searched in the lists).
    std::vector<TJoueur*> parNumero_;
    mutable std::vector<int> rangs_;   // by number, for players alone with theirs
    mutable std::vector<std::pair<const TJoueur*, int>> autresRangs_;   // the others
    mutable bool rangsFaits_ = false;
};

// Asks the user for the player of a name that no player has (a window of the
// people subsystem): the player chosen or created and filed in the season's
// players, or nullptr when the user cancelled.
using TDemandeJoueur = std::function<TJoueur*(TSaisonFiches& saison, const std::string& nom,
                                              const std::string& prenom, int equipe)>;
// Installed by that window's unit at start; without it, names are created
// without asking.
void InstalleDemandeJoueur(TDemandeJoueur f);

// Every player of a season: one list of all players sorted by Nom, Prenom
// (CompareNomPersonne), then club, and one block per team id listing the
// players of that team in the same order. A player stands in the block of its
// club and in the block of its national team. The list owns the players.
class TJoueurs
{
public:
    explicit TJoueurs(TSaisonFiches* saison = nullptr);
    ~TJoueurs();
    TJoueurs(const TJoueurs&) = delete;
    TJoueurs& operator=(const TJoueurs&) = delete;

    TSaisonFiches* Saison() const { return saison_; }
    void SetSaison(TSaisonFiches* saison) { saison_ = saison; }

    int NbJoueur() const { return static_cast<int>(joueurs_.size()); }
    TJoueur* Joueur(int i) const;   // nullptr out of range
    int32_t NumeroMax() const { return numeroMax_; }
    int IndexJoueur(const TJoueur* p) const;   // -1 when absent

    // ---- team blocks (the block of 65535, players without team, always exists)
    TListJoueurEquipe* BlocEquipe(int t) const;   // nullptr when t has none
    int NbBloc() const { return static_cast<int>(blocs_.size()); }
    TListJoueurEquipe* Bloc(int i) const;   // nullptr out of range
    // A new empty block for t (nothing when t has one).
    void AjouteBloc(int t);

    // ---- filing
    // Numbers p when it has no number (highest + 1; a higher number raises the
    // highest), drops its national team when it is its club, keeps its names as a document reads them back (NomGarde; a
    // Nom that trims to nothing becomes NomSansNom), then files it at its
    // place and in its blocks. When a player of
    // the same Nom, Prenom and club is there, p is freed, (p's number, the
    // kept player's number) is appended to paires, and the kept player is
    // returned, having taken over what p held and he lacked
    // (TSaisonFiches::ReporteFusion; not while a document is read); but two
    // who met in a match (TSaisonFiches::FusionPermise) stay two. nullptr for
    // a null p.
    TJoueur* InsereJoueur(std::unique_ptr<TJoueur> p, TPairesIds* paires);
    // InsereJoueur; a merge rewrites the references to the dropped number in
    // the season's championships at once.
    TJoueur* AjouteJoueur(std::unique_ptr<TJoueur> p);
    // Takes p out of the list and of every block it stands in and hands it
    // back (nullptr when absent); index receives its former place (-1).
    std::unique_ptr<TJoueur> RetireJoueur(const TJoueur* p, int* index = nullptr);
    // Files p again after a change of name or team (nothing when absent); the
    // player kept is returned. Without a pair list, the references to a merged
    // player's number are rewritten in the season at once.
    TJoueur* RangeJoueur(TJoueur* p, TPairesIds* paires = nullptr);
    // Moves p from the block of its national team to the block of t (0xFFFF
    // none) and sets its national team.
    void ChangeEquipeNationale(TJoueur* p, int t);

    // ---- searches
    // By number: in t's block first (0 <= t < 65535), then among all players;
    // nullptr for 0 or when none.
    TJoueur* ChercheJoueur(int32_t n, int t) const;
    // By names (case ignored), whatever the team; the first in list order.
    TJoueur* ChercheJoueurNom(std::string_view nom, std::string_view prenom) const;
    // The player other than p that p would be merged with once named nom and
    // prenom with that club (the list's key: both names as the list compares
    // them, then the club): of namesakes kept apart, the last filed, whom
    // filing meets; nullptr when none.
    TJoueur* Homonyme(const TJoueur* p, std::string_view nom, std::string_view prenom, int club) const;
    // The player of a name read from a match: nullptr for an empty name; the
    // names are trimmed and cut to 255 characters; a player of those names is
    // returned; else, silently (or always while LectureSilencieuse is set, or
    // when no window is installed), a new player of that name for team t is
    // created and filed; else the window of InstalleDemandeJoueur is asked.
    TJoueur* ChercheOuCreeJoueur(const std::string& nom, const std::string& prenom, bool silencieux, int t);
    // The silent creation: a player of the season's sport for team t with the
    // sport's position for new players, filed with AjouteJoueur.
    TJoueur* CreeJoueurInexistant(const std::string& nom, const std::string& prenom, int t);
    // Set while a document is read on the load thread: no window may open.
    void SetLectureSilencieuse(bool v) { lectureSilencieuse_ = v; }
    bool LectureSilencieuse() const { return lectureSilencieuse_; }

    // ---- team operations
    // Players of t's block (of that category unless 0) by position number 1 to
    // 10, players of one position in block order.
    std::vector<TJoueur*> ListeJoueursEquipe(int t, int categorie) const;
    int NbJoueurPays(int code) const;
    void RemplacePays(int nouveau, int ancien);
    // Frees every player whose IdEquipe is t, taking it out of every block;
    // then empties t's block.
    void SupprimeJoueursEquipe(int t);
    // Every player whose IdEquipe is t: when c >= 0 and it has counts outside
    // championship c, it loses that team (SetIdEquipe(0xFFFF)) and is filed
    // again (merges go to paires; without a list they are applied to the season
    // at once); otherwise it is freed. Then t's block is emptied.
    void RetireJoueursEquipe(int t, int32_t c, TPairesIds* paires);

    // Empties the list and the blocks and hands the players to the caller.
    std::vector<std::unique_ptr<TJoueur>> Vide();
    void Libere();
    void RazStats(bool tout);

    // ---- XML: element Joueurs
    // Players premier..min(dernier, count - 1) when premier >= 0 and
    // dernier > -1, else every player; no ID attribute.
    void Ecrit(TXmlWriter& x, int premier, int dernier, TStringList* fichiers, TSaisonFiches* saison) const;
    // Reads the children of Joueurs (the reader stands just after its start
    // tag) up to its end tag: every Joueur becomes a player of the season's
    // sport; those without Nom or with a Numero below 1 are dropped. With
    // paires, merges of identical players are collected there for the caller
    // to apply once the championships are read; without, AjouteJoueur. With
    // apart as well, identical players are filed apart and only their pairs
    // (number read again, number kept) collected, for the caller to merge
    // once the matches are known (TSaison::FusionneDoublonsLus); when the
    // element says its namesakes are distinct (written from a list that held
    // them apart), they are filed apart and no pair is noted. Players are
    // namesakes only when the document gives them the same names: names
    // that become one only once their ends are trimmed are two players,
    // filed apart, merged never. With apart,
    // the numbered players without Nom are set aside (PrendSansNom) instead
    // of dropped, for the caller to keep those the matches name.
    void Lit(TXmlReader& x, TSaisonFiches* saison, TPairesIds* paires = nullptr, bool apart = false);
    // The players set aside by Lit for want of a Nom (the list is emptied).
    std::vector<std::unique_ptr<TJoueur>> PrendSansNom() { return std::move(sansNom_); }

private:
    void Classe(TJoueur* p);
    void Declasse(TJoueur* p);
    void VideBloc(int t);
    void Applique(TPairesIds& paires);

    TSaisonFiches* saison_;
    std::vector<std::unique_ptr<TJoueur>> joueurs_;
    std::vector<std::unique_ptr<TListJoueurEquipe>> blocs_;
    int32_t numeroMax_ = 0;
    bool lectureSilencieuse_ = false;
    // While Lit reads: namesakes merged at once, filed apart with their pairs
    // noted, or filed apart for good.
    enum class THomonymes : uint8_t { Fusion, Notes, Distincts };
    THomonymes homonymes_ = THomonymes::Fusion;
    std::vector<std::unique_ptr<TJoueur>> sansNom_;
    // While Lit reads: the names as the document gives them of the players
    // whose names trimming changed (number, name, first name).
    struct TNomsLus
    {
        int32_t numero;
        std::string nom, prenom;
    };
    bool lecture_ = false;
    std::vector<TNomsLus> nomsLus_;
    bool MemesNomsLus(const TJoueur& e, const std::string& nom, const std::string& prenom) const;
};

// A person's name as the season keeps it: what a document reads back (the
// ends trimmed).
std::string NomGarde(std::string_view nom);
// The name given to the player numbered numero whose Nom is blank, so that he
// keeps his records (text 5075, with the number).
std::string NomSansNom(int32_t numero);
