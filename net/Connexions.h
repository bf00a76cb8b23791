// The connection settings: the base address of the maker's site (the update
// check appends "checkver.php" and "redir.php" to it), the time-out, the login
// of the customer area and the site entries, kept in connexion.xml beside the
// program. The main window creates the one object at start (Connexion()).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TXmlReader;
class TXmlWriter;
class TConnexions;

class TFichierConnexion
{
public:
    std::string NomFichier;
    bool ChargeDemarrage = false;
    bool ChargeOuverture = false;
    bool ChargementAuto = false;
    bool ChoixMatch = true;
    bool AjoutJoueurAuto = false;

    void Lit(TXmlReader& lecteur);
    void Ecrit(TXmlWriter& ecrivain) const;
};

class TSiteConnexion
{
public:
    explicit TSiteConnexion(TConnexions* proprietaire) : proprietaire_(proprietaire) {}

    std::string Url;
    uint8_t Sport = 6;   // 0..3; 6 for a format word that names no sport
    bool Defaut = false;
    bool ChargeOuverture = false;
    bool ChargementAuto = false;

    int NbFichier() const { return static_cast<int>(fichiers_.size()); }
    TFichierConnexion* Fichier(int i) const;
    void AjouteFichier(std::unique_ptr<TFichierConnexion> fichier);
    TConnexions* Proprietaire() const { return proprietaire_; }

    void Lit(TXmlReader& lecteur);
    void Ecrit(TXmlWriter& ecrivain) const;

private:
    TConnexions* proprietaire_;
    std::vector<std::unique_ptr<TFichierConnexion>> fichiers_;
};

class TConnexions
{
public:
    // Keeps the path and reads the file (its result is not kept).
    explicit TConnexions(std::string nomFichier);

    std::string NomFichier;
    std::string Url;
    int32_t Timeout = 0;
    std::string Pseudo;
    std::string Passwd;

    // True when the file was read (it exists and starts with the declaration
    // and the root "connexion").
    bool Lit();
    // True when the file exists but could not be read whole: no declaration,
    // another root, a document cut short or malformed. What was read before
    // the damage is kept.
    bool Endommage() const { return endommage_; }
    // Writes the whole object to NomFichier, replacing the file in one step.
    // The file holds the password: only its owner may read it. False when the
    // file cannot be written. A damaged file is first copied aside
    // (CopieGardee); when that copy fails nothing is written.
    bool Ecrit();
    const std::string& CopieGardee() const { return copieGardee_; }

    int NbSite() const { return static_cast<int>(sites_.size()); }
    TSiteConnexion* Site(int i) const;
    // Inserts before the first site of a greater sport (entries of equal sport
    // keep their order); answers the index.
    int AjouteSite(std::unique_ptr<TSiteConnexion> site);

private:
    std::vector<std::unique_ptr<TSiteConnexion>> sites_;
    bool endommage_ = false;
    std::string copieGardee_;
};

// The format word of a sport in files ("gormelide"...); empty outside 0..3.
std::string FormatDeSportConnexion(int sport);
// The sport of a format word (exact, case counts); 6 when it names none.
uint8_t SportDeFormatConnexion(const std::string& mot);

// The process-wide connection settings; nullptr until the main window creates them.
TConnexions* Connexion();
void InstalleConnexion(std::unique_ptr<TConnexions> connexion);
