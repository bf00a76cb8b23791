// The crest catalogue: the crests of countries and teams, an index
// "blasons/blasons.txt" (entries "id-parent-name#" on one line, Windows-1252)
// and one PNG picture "blasons/<id>.png" per entry. Countries have ids 1 to
// 100 and parent 0; teams have ids from 1001 and their country as parent.
// Entries keep the order of the file; new ones are appended, none removed.
//
// One catalogue serves the whole program (Blasons()); the main window makes
// it at start-up with InstalleBlasons, which also answers the model's crest
// file names from it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "records/IndexBlasons.h"

class TGraphic;
class TPngPicture;

class TBlasons
{
public:
    // dossier: the folder holding "blasons/" (with or without its separator).
    explicit TBlasons(const std::string& dossier);

    // The crest's picture (the caller owns it); nullptr when the id is not in
    // the catalogue or its file is missing or unreadable.
    std::unique_ptr<TPngPicture> ChargeBlason(int id) const;
    // Full file name of a catalogued crest, empty when the id is not catalogued.
    std::string NomFichier(int id) const;

    // A new country (ids 1 to 100) or team crest (ids 1001 to 65535) saved
    // from the picture: the next id whose file does not exist yet. -1 when the
    // picture is empty, the name holds "#" (the index's separator), the ids
    // are used up or the file cannot be written; nothing is then added. The index is written by Sauve.
    int AjoutePays(const std::string& nom, const TGraphic& image);
    int AjouteEquipe(const std::string& nom, int parent, const TGraphic& image);
    // Saves the picture over a catalogued crest; false when not catalogued,
    // empty, or not written.
    bool RemplaceBlason(int id, const TGraphic& image);
    // Writes the index (created when missing) beside itself and renames it
    // into place; false when it could not be written. What an interrupted
    // earlier write left beside it is removed first. An index that did not
    // read whole (Endommage) is first copied aside (CopieGardee); when that
    // copy fails nothing is written.
    bool Sauve();
    // True when the index holds text that is no entry (read in part).
    bool Endommage() const { return endommage_; }
    // The name under which Sauve kept the damaged index, empty when none.
    const std::string& CopieGardee() const { return copieGardee_; }

    // Entry i (false past the end, with an empty name).
    bool Element(int index, int& id, int& parent, std::string& nom) const;
    int Nombre() const { return static_cast<int>(entrees_.size()); }
    // The index of the entry of an id, -1 when none.
    int IndexBlason(int id) const;

    std::string Dossier() const { return dossier_; }
    std::string FichierIndex() const;

    // The index text as read and written ("3-0-France#1004-3-Lyon#").
    static constexpr int MaxPays = 100;
    static constexpr int PremierEquipe = 1001;
    static constexpr int MaxEquipe = 65535;

private:
    using TEntree = TEntreeBlason;
    void LitIndex();
    int Ajoute(const std::string& nom, int parent, const TGraphic& image, int& dernier, int maximum);

    std::string dossier_;   // ".../blasons/"
    std::vector<TEntree> entrees_;
    int paysMax_ = 0;
    int equipeMax_ = PremierEquipe - 1;
    bool endommage_ = false;
    std::string copieGardee_;
};

// The program's catalogue, nullptr until one is installed.
TBlasons* Blasons();
// Installs the catalogue (nullptr: none) and answers the model's crest file
// names from it.
void InstalleBlasons(std::unique_ptr<TBlasons> blasons);

// The crest of a file picked by the user as a PNG picture: any registered
// picture format, its bitmap turned into PNG. nullptr with the reason (a
// text for the user) when no format reads the file, the file is damaged or
// the picture is empty.
std::unique_ptr<TPngPicture> ImporteBlason(const std::string& fichier, std::string& erreur);
