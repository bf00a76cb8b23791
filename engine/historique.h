// The history of past seasons of a championship, kept beside the program in
// stats/stat<id>_<n>.txt (championship id, sport index + 1): the team names
// with their history ids and, per past season, its teams and the result of
// every pairing. Despite the extension the file holds bytes (numbers high byte
// first):
//
//   0xFF, championship id (u16), name count (u16),
//   per name: history id (u16), the name's bytes, 0xFF;
//   season count (u8),
//   per season: team count n (u8), season number (u8), points system (u8),
//   id count (u8), the ids (u16 each), n x n x 2 result bytes (255 not played).
//
// An older form has no leading 0xFF and no championship id (taken as 1).
//
// Reading is safe on any input: a truncated or damaged file ends the reading
// with what was read completely, and never reads past its end. A name never
// holds the byte 0xFF (it ends names in the file): it is kept as 'y'.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class TMemoryStream;

// One past season: its teams (history ids, in table order) and the results of
// every pairing.
class TSaisonStat
{
public:
    static constexpr uint8_t NonJoue = 255;

    // n teams (0..255), every result 255, no team ids, points system 0.
    TSaisonStat(int n, int saison);

    int NombreEquipes() const { return n_; }
    int Saison() const { return saison_; }
    // Accepted for 1..199, ignored otherwise.
    void SetSaison(int s);
    // 0: 3 per win, 1 per draw; 1: 2 per win, 1 per draw; 2: as 1 plus 1 per
    // win by 3 goals or more; 3: as 1 plus 1 per match scoring 3 or more.
    uint8_t SystemePoints = 0;

    void AjouteEquipe(int id);
    int NbIds() const { return static_cast<int>(ids_.size()); }
    int IdEquipe(int i) const;   // -1 out of range
    // Position of a history id in the team list, -1.
    int PositionEquipe(int id) const;

    // (home goals, away goals) of home position i against away position j;
    // (255, 255) out of range or not played (either byte 255).
    std::pair<int, int> Resultat(int i, int j) const;
    std::pair<int, int> ResultatEquipes(int idDomicile, int idExterieur) const;
    // Ignored out of range or when a value is outside 0..254.
    void EcritResultat(int i, int j, int domicile, int exterieur);
    // The two goal bytes of the pairing as stored, each 255 when empty
    // ((255, 255) out of range): a side typed alone is kept, and read as no
    // result by Resultat.
    std::pair<int, int> Buts(int i, int j) const;
    // Stores both sides as typed: a value outside 0..254 is an empty side, so
    // that a pairing emptied is no result any more. Ignored out of range.
    void EcritButs(int i, int j, int domicile, int exterieur);
    // True when a pairing holds a result.
    bool AUnResultat() const;

    // The season's bytes in the file format (the caller owns the stream).
    std::unique_ptr<TMemoryStream> EcritFlux() const;
    void EcritOctets(std::string& sortie) const;

    // Standings of the season. Kinds 1 (all matches), 2 (home), 3 (away):
    // table row i (7 values) points, W, D, L, goals for, goals against,
    // difference; order rows (5 values) position, points, difference, goals
    // for, wins, best first (points, difference, goals for higher; position
    // lower). Kind 4: table value 3 of row i (losses) over every match; kind 5:
    // value 4 (goals for); order rows (position, value, 0, 0, 0) by value
    // higher first, then position; kind 6 the same with value 5 (goals
    // against), the defence table. Other kinds: zero tables, order by position.
    void CalculeClassement(int type, std::vector<int32_t>& table, std::vector<int32_t>& ordre) const;

private:
    friend class TStat;
    int n_;
    int saison_;
    std::vector<uint16_t> ids_;
    std::vector<uint8_t> resultats_;   // n x n x 2
};

// One history file.
class TStat
{
public:
    TStat() = default;
    TStat(const TStat&) = delete;
    TStat& operator=(const TStat&) = delete;

    int32_t IdChampionnat = 1;
    std::string NomFichier;
    uint8_t Sport = 0;

    // ---- team names
    // Id of the name (letter case ignored); an absent name is added with the
    // next id. -1 for an empty name.
    int IdEquipe(const std::string& nom);
    // Adds the name with that id unless present (the existing id is returned
    // then); the next id becomes id + 1 when id is not below it.
    int AjouteNomEquipe(const std::string& nom, int id);
    int ChercheEquipe(const std::string& nom) const;   // -1 when absent
    // What tells two names apart in the file: not their letter case.
    static std::string CleNom(const std::string& nom);
    std::string NomEquipe(int id) const;               // empty when none
    std::string NomIndex(int i) const;                 // empty past the end
    int IdIndex(int i) const;                          // -1 past the end
    int NombreEquipes() const { return static_cast<int>(noms_.size()); }
    int32_t ProchainId() const { return prochainId_; }

    // ---- seasons, highest number first
    int NombreSaisons() const { return static_cast<int>(saisons_.size()); }
    TSaisonStat* Saison(int i) const;   // nullptr out of range
    // Inserted before the first season whose number is lower or equal; a
    // season of the same number is replaced (and freed). Returns its index.
    int AjouteSaison(std::unique_ptr<TSaisonStat> s);
    // Home wins, draws and away wins of idDomicile receiving idExterieur over
    // the seasons of the `annees` years before the one numbered `reference`
    // (numbers reference - annees to reference - 1): at most that many seasons.
    std::array<int, 3> Bilan(int idDomicile, int idExterieur, int reference, int annees) const;
    // Takes the season out of the list and hands it back (nullptr when absent);
    // index receives its former place (-1).
    std::unique_ptr<TSaisonStat> SupprimeSaison(const TSaisonStat* s, int* index = nullptr);

    // ---- file
    // Reads the file (nothing when it does not exist; false then). The sport
    // comes from the name: the number between the last "_" and the extension,
    // minus 1 (0 when there is none). Returns true when the file was read to
    // the end of its own counts; false for a missing, truncated or damaged file,
    // of which what was read completely is kept. A damaged file whose
    // championship code could not be read takes the code of its name
    // ("stat<code>..."). Two seasons of one number are both kept; a points
    // system outside 0..3 is held as 0, what the standings count for it, and
    // the file is damaged.
    bool Charge(const std::string& nomFichier);
    // The same over bytes in memory (the name is not changed).
    bool ChargeOctets(const uint8_t* donnees, size_t taille);
    // Writes the file in full beside it and then replaces it, so a failed save
    // leaves the former file; false when it could not be written. What an
    // interrupted earlier save left beside the file is removed first. A file
    // that did not read whole (Endommage) is first copied aside (CopieGardee);
    // when that copy fails nothing is written.
    bool Sauve();
    // Writes the file as last read or written with that season of this file
    // in it (in the place of the first written season of its number), and
    // nothing else: the changes not written stay to be written or dropped.
    // False when it could not be written.
    bool SauveSaison(const TSaisonStat& saison);
    // A copy of the first season of that number the file held when last read
    // or written (nullptr when it held none), whatever has changed since.
    std::unique_ptr<TSaisonStat> SaisonEnregistree(int numero) const;
    // True when the last Charge found the file but could not read it whole:
    // only what was read completely is held.
    bool Endommage() const { return endommage_; }
    // The name under which Sauve kept the damaged file, empty when none.
    const std::string& CopieGardee() const { return copieGardee_; }
    // True when the names or the seasons differ from what was last read or
    // written (a file never read nor written: when it holds any).
    bool Modifie() const;
    // Back to what was last read or written: the changes since are dropped.
    void AbandonneModifications();
    void EcritOctets(std::string& sortie) const;
    // Sport of a file name, as Charge reads it.
    static int SportNomFichier(const std::string& nomFichier);

private:
    template <class Source> bool Lit(Source& source);

    bool endommage_ = false;
    bool idLu_ = false;   // the last reading found the championship code
    std::string copieGardee_;
    // The bytes of the names and seasons as last read or written; empty for
    // a file never read nor written.
    std::string enregistre_;

    std::vector<std::unique_ptr<TSaisonStat>> saisons_;
    std::vector<std::pair<std::string, int32_t>> noms_;
    // The id of each name, by its case-folded spelling: a file of many names
    // is read in time linear in its size.
    std::unordered_map<std::string, int32_t> index_;
    int32_t prochainId_ = 0;
};

// The history files loaded.
class TStats
{
public:
    int Nombre() const { return static_cast<int>(stats_.size()); }
    TStat* Stat(int i) const;   // nullptr out of range
    int IndexStat(const TStat* s) const;   // -1
    // A file read whole is found before a damaged one of the same code.
    TStat* ChercheStat(int32_t id, int sport) const;
    // Every file of the folder (not its sub-folders) whose extension, lower-cased
    // and cut to 4 characters, is ".txt". The names of the files that did not
    // read whole are given back (they are loaded with what could be read, and
    // kept aside before they are ever written again). A file keeps 16 bits of
    // its championship's code: a name "stat<code>..." whose code agrees with
    // them gives the whole code.
    std::vector<std::string> ChargeDossier(const std::string& dossier);
    // A new empty file of that championship and sport, named
    // <folder>/stat<id>_<sport + 1>.txt, or stat<id>-<k>_<sport + 1>.txt with the
    // first k from 2 whose file does not exist yet (written by Sauve).
    TStat* AjouteStat(const std::string& dossier, int32_t id, int sport);

private:
    std::vector<std::unique_ptr<TStat>> stats_;
};
