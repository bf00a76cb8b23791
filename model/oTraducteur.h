// The translator: every caption and message of the interface by numeric text id,
// from the language file texte\Texte<lang>.txt beside the program.
//
// Language file: Windows-1252 text, one entry per line: the decimal text id, a
// tab, the text to the end of the line. A text may hold "%rc" (a line break in
// the formatted lookup) and Format directives ("%s", "%d"...).
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/rtl/Format.h"

class TTraducteur
{
public:
    // Keeps the name and loads the file (a missing file leaves it empty: every
    // lookup then gives an empty text; Charge() tells).
    explicit TTraducteur(std::string nomFichier);

    // Reads the file; true when it exists and was read to its end. The entries
    // read before a failure stay.
    bool ChargeFichier();
    bool Charge() const { return charge_; }
    // True when the file exists but is no language file: it could not be read
    // or no line of it gives a text id (a document of another kind).
    bool Endommage() const { return endommage_; }
    // True when every text id of the other file has a text here too (a file
    // cut short lacks the later ones).
    bool CouvreTextes(const TTraducteur& autre) const;
    const std::string& NomFichier() const { return nomFichier_; }
    int NbTexte() const { return static_cast<int>(entrees_.size()); }

    // The text of the id; an empty text when no line has it.
    std::string Traduire(int id) const;
    // The text of the id, each "%rc" turned into a carriage return (the parts
    // around it trimmed), then formatted with the arguments. When the text and
    // the arguments do not match, the text is given back unformatted.
    std::string TraduireFormat(int id, std::initializer_list<TVarRec> args) const;
    std::string TraduireFormat(int id, const TVarRec* args, int count) const;

    // The short product name and the product title, given by the main window
    // for the formatted texts that name them.
    void SetProduit(std::string nomCourt, std::string titre);
    const std::string& NomCourt() const { return nomCourt_; }
    const std::string& TitreProduit() const { return titre_; }

private:
    struct Entree
    {
        int id;
        std::string texte;
    };
    std::string nomFichier_;
    std::vector<Entree> entrees_;             // in file order
    std::unordered_map<int, int> index_;      // id -> entry
    bool charge_ = false;
    bool endommage_ = false;
    int nbIds_ = 0;                           // lines "id<TAB>text"
    std::string nomCourt_;
    std::string titre_;
};

// The process-wide translator, created by the main window; nullptr until then
// (code that may run earlier tests it first).
TTraducteur* Traducteur();
// Installs the translator (the previous one is freed; nullptr frees it).
void InstalleTraducteur(std::unique_ptr<TTraducteur> traducteur);

// Shortcuts through the process-wide translator: an empty text when none exists.
std::string Traduire(int id);
std::string TraduireFormat(int id, std::initializer_list<TVarRec> args);

// Of the two texts of a count, the one the interface language writes that
// count with: the singular text when text 4944 lists the count (its size, the
// sign aside: "0 1" in French, "1" in English), else the plural text. Without
// that text only 1 takes the singular.
int IdTexteNombre(int pluriel, int singulier, int nombre);
// A count with its word, in the number its language writes it with: the text
// of IdTexteNombre formatted with the count ("1 carton jaune", "2 cartons jaunes").
std::string TraduireNombre(int pluriel, int singulier, int nombre);

// Two texts joined as the interface language joins what a colon or a comma
// separates: "Spectateurs : 12345" and "Adams , Baker" in French,
// "Spectators: 12345" and "Adams, Baker" in English (texts 5506 and 5507; the
// French forms without a language file).
std::string DeuxPoints(const std::string& avant, const std::string& apres);
std::string Virgule(const std::string& avant, const std::string& apres);
