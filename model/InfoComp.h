// One match of a matchday: its two teams and score words, officials and their
// ratings, attendance, added time, period scores, rating, stadium, date,
// comment, and per team a line-up (starters with ratings and shirt numbers), a
// set of substitution records and a captain.
//
// Sides: 0 home, 1 away. Operations that name a team take its id: the home id
// is side 0, the away id side 1; an id that plays neither side reads as the
// neutral value and is never written.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TSaison;

class TInfoComp
{
public:
    static constexpr uint16_t ScoreVide = 65535;   // not played
    static constexpr uint16_t Qualifie = 0x8000;    // this side went through

    TInfoComp(int domicile, int exterieur, int nbTitulaire, int nbRemp);

    int NbTitulaire() const { return nbTitulaire_; }
    int NbRemp() const { return nbRemp_; }
    // Resize the line-ups (substitution records) of both sides; filled
    // entries are never dropped, so the count may stay above v.
    void SetNbTitulaire(int v);
    void SetNbRemp(int v);

    int IdEquipe(int cote) const;                  // 65535 for another side
    void SetIdEquipe(int cote, int id);
    // The side of a team id: 0, 1, or -1 when it plays neither.
    int Cote(int idEquipe) const;
    // Raw score word with its flag; 65535 for another side.
    uint16_t Score(int cote) const;
    void SetScore(int cote, int valeur);
    bool ScoresSaisis() const { return scores_[0] != ScoreVide && scores_[1] != ScoreVide; }

    int32_t Affluence() const { return affluence_; }
    void SetAffluence(int32_t v) { affluence_ = v; }
    const std::string& Commentaire() const { return commentaire_; }
    void SetCommentaire(const std::string& v) { commentaire_ = v; }
    int NoteMatch() const { return noteMatch_; }
    void SetNoteMatch(int v) { noteMatch_ = static_cast<uint8_t>(v); }
    int32_t Stade() const { return stade_; }
    void SetStade(int32_t v) { stade_ = v; }
    uint32_t DateMatch() const { return date_; }
    void SetDateMatch(uint32_t d) { date_ = d; }
    // Added time of half k (1, 2): 255 unset; -1 for other k.
    int TempsAdd(int k) const;
    void SetTempsAdd(int k, int v);

    // Official k (1 referee, 2 and 3): -1 for other k.
    int32_t Officiel(int k) const;
    void SetOfficiel(int k, int32_t id);
    int32_t Arbitre() const { return officiels_[0]; }
    void SetArbitre(int32_t id) { officiels_[0] = id; }
    int NoteOfficiel(int k) const;                 // 0 for other k
    void SetNoteOfficiel(int k, int v);
    int NoteArbitre() const { return notesOfficiels_[0]; }
    // Score of period k (1..6) of a side, 255 unset; 0 out of range.
    int ScorePeriode(int cote, int k) const;
    void SetScorePeriode(int cote, int k, int v);

    int32_t CleOrdre() const { return cle_; }
    void SetCleOrdre(int32_t cle) { cle_ = cle; }

    // ---- shoot-outs a score change took away from the match, each with the
    // score it followed: that score given back gives it back. One a score,
    // the last taken away last.
    struct TTirsOtes
    {
        uint32_t Tirs = 0;                   // (home << 16) + away
        uint16_t Domicile = 0, Exterieur = 0;   // the score it followed
        bool operator==(const TTirsOtes&) const = default;
    };
    const std::vector<TTirsOtes>& TirsOtes() const { return tirsOtes_; }
    // The shoot-out kept aside with the score it followed (in place of one
    // kept for that score); none kept for a shoot-out 0.
    void OteTirs(uint32_t tirs, int domicile, int exterieur);
    // Each of the list kept aside in turn, as OteTirs would (the last one of
    // a score in place of the others), in one pass: a document may hold many.
    void OteTirs(std::span<const TTirsOtes> liste);
    // The one that followed that score, 0 when none.
    uint32_t TirsOtes(int domicile, int exterieur) const;
    // The one of that score no longer kept aside (given back, or another
    // entered for that score).
    void RendTirs(int domicile, int exterieur);
    // The shoot-out the match takes with the score sh - sa, holding 'tenus'
    // until then: its own score keeps its own; the one kept aside for that
    // very score comes back, whatever it holds; another draw keeps what it
    // holds; a score that is no draw takes none (what it held is kept aside).
    uint32_t TirsPourScore(uint32_t tenus, int sh, int sa) const;
    // The score the match's shoot-out was entered for, when its score has
    // since gone on to another that kept it (both 65535: its own score).
    uint16_t ScoreTirs(int cote) const { return cote == 0 || cote == 1 ? scoreTirs_[cote] : ScoreVide; }
    void SetScoreTirs(int domicile, int exterieur)
    {
        scoreTirs_[0] = static_cast<uint16_t>(domicile);
        scoreTirs_[1] = static_cast<uint16_t>(exterieur);
    }

    // "home - away", then " : h - a" (without the flag) when both are set.
    std::string Libelle(const TSaison* saison) const;

    // ---- line-ups, by team id ----
    // Player of starter slot s (1..NbTitulaire); 0 out of range.
    int32_t JoueurTitulaire(int equipe, int s) const;
    void SetJoueurTitulaire(int equipe, int s, int32_t id);
    // Word k (0..6) of substitution record r (1..NbRemp); k 1 and 3 give the
    // 32-bit player going off and coming on; 0 out of range.
    int32_t ValeurRemplacement(int equipe, int r, int k) const;
    void SetValeurRemplacement(int equipe, int r, int32_t valeur, int k);
    void SetRemplacement(int equipe, int32_t sortant, int32_t entrant, int minute, int r);
    // The player who came on in record r: its incoming player when the record
    // also names the player going off, else 0 (a substitute left on the bench).
    int32_t JoueurEntre(int equipe, int r) const;
    // Line-up slots 1..NbTitulaire are the starters, NbTitulaire+1 .. +NbRemp
    // the players coming on in records 1..NbRemp. Shirt: 0 out of range.
    int Maillot(int equipe, int slot) const;
    void SetMaillot(int equipe, int slot, int v);
    // Rating, 255 none; -1 out of range. A rating below 255 marks the ratings
    // entered.
    int Note(int equipe, int slot) const;
    void SetNote(int equipe, int slot, int v);
    bool CompositionSaisie(int equipe) const;
    bool NotesSaisies(int equipe) const;
    void SetCompositionSaisie(int equipe);
    int32_t Capitaine(int equipe) const;
    void SetCapitaine(int equipe, int32_t v);
    void EffaceComposition(int equipe);
    // Starters by position: " - " between positions, a comma within one (Virgule), each
    // followed by the players coming on in their place " (first name name
    // minute°)". Players the season does not know are left out.
    std::string TexteComposition(int equipe, const TSaison* saison) const;
    // False when a record naming a player going off has minute 0.
    bool ControleMinutes(int equipe) const;
    // False when a record names exactly one of its two players.
    bool ControleRemplacements(int equipe) const;
    // Substitution records of both sides by minute; minute 0 never moves ahead.
    void TrieRemplacements();

private:
    uint16_t* Mot(int cote, int s, int offset);   // starter word, nullptr out of range
    const uint16_t* Mot(int cote, int s, int offset) const;
    uint16_t* MotRemp(int cote, int r, int k);
    const uint16_t* MotRemp(int cote, int r, int k) const;
    static int32_t Lit32(const uint16_t* m) { return static_cast<int32_t>((static_cast<uint32_t>(m[0]) << 16) | m[1]); }
    static void Ecrit32(uint16_t* m, int32_t v)
    {
        m[0] = static_cast<uint16_t>(static_cast<uint32_t>(v) >> 16);
        m[1] = static_cast<uint16_t>(v);
    }
    int NbTitCote(int cote) const { return static_cast<int>((compo_[cote].size() - 1) / 4); }
    int NbRempCote(int cote) const { return static_cast<int>(remp_[cote].size() / 7); }

    int nbTitulaire_;
    int nbRemp_;
    uint16_t equipes_[2];
    uint16_t scores_[2] = {ScoreVide, ScoreVide};
    int32_t affluence_ = -1;
    uint8_t tempsAdd_[2] = {255, 255};
    int32_t officiels_[3] = {-1, -1, -1};
    uint8_t notesOfficiels_[3] = {0, 0, 0};
    uint8_t scoresPeriode_[2][6];
    uint8_t noteMatch_ = 0;
    int32_t stade_ = 0;
    uint32_t date_ = 0;
    std::string commentaire_;
    std::vector<uint16_t> compo_[2];   // 1 + 4 x starters: flag word, then id(2), rating, shirt
    std::vector<uint16_t> remp_[2];    // 7 x records: shirt, off(2), on(2), minute, rating
    int32_t capitaines_[2] = {0, 0};
    int32_t cle_ = -1;
    std::vector<TTirsOtes> tirsOtes_;
    uint16_t scoreTirs_[2] = {ScoreVide, ScoreVide};
};
