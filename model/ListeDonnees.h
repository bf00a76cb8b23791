// The data records of a matchday (goals, cards, assists, tries and the other
// events of a sport, and the statistic counters of basketball and handball) and
// the sorted selections taken from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

class TJoueur;
class TSaison;
class TListeResultat;

// Flags of the minute word above its 7-bit minute.
enum : uint16_t {
    evtMinute = 0x7F,        // the minute, 0..127
    evtRouge = 0x80,         // sending-off (discipline list), or goal kind 4
    evt100 = 0x100,          // goal kind 1
    evt200 = 0x200,          // goal kind 2
    evtHorsScore = 0x800,    // not counted in the score (kind 5)
};

// A season with box scores holds millions of these: they are 16 bytes with no
// virtual table, and `new` takes them from blocks shared by all records instead
// of the general heap (see operator new below).
class TDonneesEvt final
{
public:
    // No player (id 0), team 65535, minute word 0.
    TDonneesEvt() = default;
    // An event: the minute clamped to 0..127 (the bits above it are flags),
    // then the flags added (their minute bits ignored).
    TDonneesEvt(int32_t idJoueur, int idEquipe, int minute, uint16_t drapeaux);

    // Records are cut from 64 KB blocks shared by every thread; a block
    // whose records are all freed is filled again, and the blocks go back to
    // the system when the last record is freed. Under AddressSanitizer every
    // record is a heap object of its own, so that a use after free is still
    // caught.
    static void* operator new(std::size_t taille);
    static void operator delete(void* p) noexcept;

    // Records made or freed by the lot, for one trip to the shared blocks:
    // CreeLot puts a new record (as the default constructor makes it) in
    // every entry, after freeing what an entry held; LibereLot frees every
    // record of the entries and leaves them empty.
    static void CreeLot(std::span<std::unique_ptr<TDonneesEvt>> lot);
    static void LibereLot(std::span<std::unique_ptr<TDonneesEvt>> lot) noexcept;

    // A record with its whole 16-bit word as given: a word read back from a
    // file, or the value of a statistic code.
    static std::unique_ptr<TDonneesEvt> CreateId(int32_t idJoueur, int idEquipe, uint16_t mot);

    TJoueur* Joueur() const { return joueur_; }
    // The player and its id (the id the player carries, given by the caller).
    void SetJoueur(TJoueur* joueur, int32_t id) { joueur_ = joueur; idJoueur_ = id; }
    int32_t IdJoueur() const { return idJoueur_; }
    // Sets the id and forgets the player reference.
    void SetIdJoueur(int32_t id) { idJoueur_ = id; joueur_ = nullptr; }
    uint16_t IdEquipe() const { return idEquipe_; }
    void SetIdEquipe(int id) { idEquipe_ = static_cast<uint16_t>(id); }
    // The whole word: minute and flags, or a statistic value.
    uint16_t Mot() const { return mot_; }
    void SetMot(uint16_t mot) { mot_ = mot; }
    int Minute() const { return mot_ & evtMinute; }
    // Changes the minute (clamped to 0..127), keeping the flags.
    void SetMinute(int minute);
    // 4 for 0x80, else 1 for 0x100, 2 for 0x200, 5 for 0x800, else 3.
    int TypeBut() const;
    // A record the scoring list keeps that scored nothing: a missed penalty
    // (a missed kick in rugby). It is never a goal nor a try of its player.
    bool Manque() const { return (mot_ & evtHorsScore) != 0; }

private:
    TJoueur* joueur_ = nullptr;
    int32_t idJoueur_ = 0;
    uint16_t idEquipe_ = 65535;
    uint16_t mot_ = 0;
};

// The state of the records' shared blocks: blocks held, of which empty, and
// records alive. All zero under AddressSanitizer (no shared blocks).
struct TEtatReserveEvt
{
    size_t blocs = 0;
    size_t vides = 0;
    size_t vivants = 0;
};
TEtatReserveEvt EtatReserveEvt();

// The records of one kind on one matchday, in insertion order. Owns them; every
// change flags the season's player statistics for recounting.
class TListeDonnees
{
public:
    explicit TListeDonnees(TSaison* saison) : saison_(saison) {}
    TListeDonnees(const TListeDonnees&) = delete;
    TListeDonnees& operator=(const TListeDonnees&) = delete;
    virtual ~TListeDonnees();   // frees the records together

    TSaison* Saison() const { return saison_; }
    void SetSaison(TSaison* saison) { saison_ = saison; }

    int Nombre() const { return static_cast<int>(items_.size()); }
    TDonneesEvt* Donnee(int i) const   // nullptr out of range
    {
        return static_cast<size_t>(i) < items_.size() ? items_[static_cast<size_t>(i)].get() : nullptr;
    }
    TDonneesEvt* Ajoute(std::unique_ptr<TDonneesEvt> d);
    // One record (player, team, word mots[i]) added to each listes[i], made
    // in one trip to the shared blocks: a player's line of a box score.
    static void AjouteLot(std::span<TListeDonnees* const> listes, int32_t idJoueur, int idEquipe,
                          std::span<const uint16_t> mots);
    // i clipped to 0..Nombre().
    TDonneesEvt* Insere(int i, std::unique_ptr<TDonneesEvt> d);
    // Removes record i and hands it to the caller; nullptr out of range.
    std::unique_ptr<TDonneesEvt> Retire(int i);
    void Vide();
    // Frees every record of these teams.
    void SupprimeEquipes(std::span<const int> equipes);
    void SupprimeEquipes(std::initializer_list<int> equipes) { SupprimeEquipes(std::span<const int>(equipes.begin(), equipes.size())); }
    // Frees the records of these teams whose word is exactly 0x800.
    void SupprimeEquipesMarquees(std::span<const int> equipes);
    // Frees every other record of these teams (all but the word 0x800 ones).
    void SupprimeEquipesNonMarquees(std::span<const int> equipes);

    // Selections (the caller owns the selection, never the records).
    // The player's records in list order; sans80: those with 0x80 left out.
    std::unique_ptr<TListeResultat> ListeJoueur(int32_t idJoueur, bool sans80) const;
    // The team's records sorted by player name, first name, minute. Mode 1 all
    // (seul800: only those with 0x800), 2 without 0x80, 3 with 0x80; other
    // modes nullptr.
    std::unique_ptr<TListeResultat> ListeEquipe(int idEquipe, int mode, bool seul800) const;
    int CompteEquipe(int idEquipe, int mode, bool seul800) const;
    // Two selections sorted by minute (four with separe): 0 team A, 1 team B,
    // the records with 0x800 when filtre800, without it otherwise; with
    // separe, records with 0x80 go to 2 (A) and 3 (B) whatever the filter.
    void ListesMatch(int equipeA, int equipeB, bool filtre800, bool separe,
                     std::unique_ptr<TListeResultat> (&listes)[4]) const;
    // Every record by team name, then player id descending.
    std::unique_ptr<TListeResultat> ListeComplete() const;
    // Every record by team name, then minute.
    std::unique_ptr<TListeResultat> ListeParEquipe() const;

private:
    void Change() const;
    // Room for one more record.
    void Place();
    // Frees the records for which supprime(record) holds.
    template <class P>
    void SupprimeSi(P&& supprime);
    static bool Selectionne(const TDonneesEvt& d, int mode, bool seul800);

    TSaison* saison_;
    std::vector<std::unique_ptr<TDonneesEvt>> items_;
};

// Comparator of a sorted selection: (context, new record x, listed record y).
using TComparateurResultat = int (*)(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y);

int CompareMinute(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y);
int CompareJoueur(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y);
int CompareEquipeMinute(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y);
int CompareEquipeIdJoueur(const TListeDonnees* contexte, const TDonneesEvt* x, const TDonneesEvt* y);

// A selection of records (not owned). With a comparator, a record goes before
// the first listed record that compares 0 or more (equal keys: the later first).
class TListeResultat
{
public:
    explicit TListeResultat(TComparateurResultat comparateur = nullptr, const TListeDonnees* contexte = nullptr)
        : comparateur_(comparateur), contexte_(contexte) {}

    // Without comparator: appended when index < 0, else inserted at index
    // (clipped to the count).
    void Ajoute(TDonneesEvt* d, int index = -1);
    int Nombre() const { return static_cast<int>(items_.size()); }
    TDonneesEvt* Resultat(int i) const;   // nullptr out of range
    // A record made for this selection alone (a computed value such as a
    // ratio): the selection keeps it for its lifetime and files it as Ajoute.
    TDonneesEvt* AjoutePropre(std::unique_ptr<TDonneesEvt> d)
    {
        TDonneesEvt* p = d.get();
        propres_.push_back(std::move(d));
        Ajoute(p);
        return p;
    }

private:
    TComparateurResultat comparateur_;
    const TListeDonnees* contexte_;
    std::vector<TDonneesEvt*> items_;
    std::vector<std::unique_ptr<TDonneesEvt>> propres_;
};
