// The picture store: the photos of stadiums (kind 0), referees (1) and players
// (2) as JPEG files "<kind>_<id>_<name>.jpg" of one folder. The kind word is
// read in any case and written in lower case; ids count per kind from 1.
// A photo's name is the program's text, its file's name the system's: they
// cross by FileNameToText and FileNameFromText (UTF-8 on disk; a name on disk
// that is not UTF-8 is read as Windows-1252). Each entry keeps its file name
// as found.
//
// One store serves the whole program (ImageManager()); the main window makes
// it at start-up with InstalleImageManager, which also answers the model's
// picture file names from it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TGraphic;
class TJPEGImage;

class TImageManager
{
public:
    static constexpr int NbGenres = 3;

    // Scans the folder (made at the first photo when missing).
    explicit TImageManager(const std::string& dossier);

    // Saves a new photo under the next free id of its kind (never over an
    // existing file). -1 when the name is left empty by NettoieNom, the
    // picture is empty or the file cannot be written; nothing is then added.
    int Ajoute(int genre, const TGraphic& image, const std::string& nom);
    // Forgets an entry; its file stays (found again at the next scan).
    void Supprime(int genre, int32_t id);
    // Renames the photo's file and entry. False (the entry unchanged) when
    // the id is unknown, the cleaned name is empty or the rename fails.
    bool Renomme(int genre, int32_t id, const std::string& nom);

    int IndexPhoto(int genre, int32_t id) const;   // Nombre(genre) when absent
    std::string NomPhoto(int genre, int32_t id) const;
    bool Element(int genre, int index, std::string& nom, int32_t& id) const;
    std::string NomFichier(int genre, int32_t id) const;   // empty when absent
    // nullptr when absent, missing or unreadable.
    std::unique_ptr<TJPEGImage> ChargeImage(int genre, int32_t id) const;
    int Nombre(int genre) const;
    std::string Dossier() const { return dossier_; }

    // A photo name fit for a file name: separators, "..", dots, control and
    // reserved characters removed, spaces at the ends trimmed.
    static std::string NettoieNom(const std::string& nom);
    // The kind word of new files ("stade", "arbitre", "joueur").
    static const char* MotGenre(int genre);

private:
    struct TPhoto
    {
        std::string Nom;       // Windows-1252
        int32_t Id = 0;
        std::string Fichier;   // name on disk, without folder
    };
    void Parcourt();
    const TPhoto* Cherche(int genre, int32_t id) const;
    bool IdLibre(int genre, int32_t id) const;

    std::string dossier_;   // with its trailing separator
    std::vector<TPhoto> photos_[NbGenres];
    int32_t max_[NbGenres] = {0, 0, 0};
};

TImageManager* ImageManager();
void InstalleImageManager(std::unique_ptr<TImageManager> store);

// A picture file picked by the user as a JPEG photo (transparent pixels on
// white). nullptr with a text for the user when it cannot be read.
std::unique_ptr<TJPEGImage> ImportePhoto(const std::string& fichier, std::string& erreur);
