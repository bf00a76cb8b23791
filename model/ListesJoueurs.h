// Working lists built around the players of a season: the rating totals and
// averages of the players, the player choices of a line-up with the labels
// that tell namesakes apart, the playing-time counters, and the item list of a
// line-up choice control.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TChoixJoueur;
class TJoueur;
class TSaison;
class TStringList;

// ---------------------------------------------------------------------------
// Rating totals of the players, kept in ascending player-number order.
struct TNoteJoueur
{
    TJoueur* Joueur = nullptr;
    int32_t IdJoueur = 0;
    int32_t NbNotes = 0;
    int32_t Somme = 0;
    double Moyenne = 0;
};

class TListeNotes
{
public:
    explicit TListeNotes(const TSaison* saison) : saison_(saison) {}

    // A rating of a player: an entry already there counts it; otherwise the
    // player is looked up (nothing when the season does not know it) and, when
    // the mode takes it (0 goalkeepers only, 1 every other position, 2 all),
    // gets a new entry.
    void AjouteNote(int32_t idJoueur, int note, int mode);
    // Averages computed, then sorted by average descending, team name and
    // player name ascending (byte order).
    void Trie();
    int Nombre() const { return static_cast<int>(notes_.size()); }
    const TNoteJoueur* Note(int i) const;   // nullptr out of range
    void Supprime(int i);

private:
    const TSaison* saison_;
    std::vector<TNoteJoueur> notes_;
};

// ---------------------------------------------------------------------------
// The player choices of a line-up (owned: freed with the list).
class TListeJoueur
{
public:
    TListeJoueur();
    ~TListeJoueur();
    TListeJoueur(const TListeJoueur&) = delete;
    TListeJoueur& operator=(const TListeJoueur&) = delete;

    // Files the choice: namesakes get labels "Nom  Pr." with as many letters
    // of the first name as it takes to tell them apart; with parPoste by
    // position number then name, otherwise by name (byte order).
    void Insere(std::unique_ptr<TChoixJoueur> choix, bool parPoste);
    int Nombre() const { return static_cast<int>(choix_.size()); }
    TChoixJoueur* ChoixJoueur(int i) const;   // nullptr out of range
    TChoixJoueur* ChercheNumero(int maillot) const;
    TChoixJoueur* ChercheIdJoueur(int32_t id) const;
    void Vide();

private:
    std::vector<std::unique_ptr<TChoixJoueur>> choix_;
};

// Fills a choice control's item list: each item is "\x01", the id in 8
// hexadecimal digits, a marker and the caption. With entetes, three header
// items first (0FFFFFFE text 532, 0FFFFFFD text 533, 0FFFFFFF a line of 19
// hyphens, marker 4); then one item per choice (marker 1, the choice's
// label), leaving out, with filtre, the choices whose flag is set.
void TexteSeparation(const TListeJoueur& liste, TStringList& cible, bool entetes, bool filtre);

// ---------------------------------------------------------------------------
// Playing-time counters of one player.
class TTempsJoueur
{
public:
    explicit TTempsJoueur(TJoueur* joueur) : joueur_(joueur) {}
    TJoueur* Joueur() const { return joueur_; }

    int32_t Compteurs[6] = {};

private:
    TJoueur* joueur_;
};

class TListeTemps
{
public:
    TTempsJoueur* Ajoute(std::unique_ptr<TTempsJoueur> t);
    int Nombre() const { return static_cast<int>(temps_.size()); }
    TTempsJoueur* TempsJoueur(int i) const;   // nullptr out of range
    // The record of a player number (0 for a record without player); nullptr.
    TTempsJoueur* ChercheJoueur(int32_t id) const;
    // The fifth counter of every record goes to 0.
    void RemetAZero();
    // By the first counter, then the second, both descending.
    void Trie();

private:
    std::vector<std::unique_ptr<TTempsJoueur>> temps_;
};
