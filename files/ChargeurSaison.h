// The season file: a zip archive holding one member, "gormelide.xml", the
// season as one XML document:
//
//     <?xml version="1.0" encoding="UTF-8"?>
//     <!DOCTYPE Gormelide>
//     <Gormelide Type="Simple" Division="101" Version="2" format="gormelide">
//     <SaisonData> ... </SaisonData>
//     <Championnats> ... </Championnats>
//     </Gormelide>
//
// TChargeurXmp turns a season into such a file and back. It runs on the load
// and save worker threads; the only question it asks the user (the sport of a
// file that names none) goes to the user-interface thread by a synchronous
// call, never through a window opened on the worker.
//
//     TChargeurXmp c(fichier, dossierDll);
//     std::unique_ptr<TSaison> s;
//     uint8_t etat = c.Charge(s, TousSports, progression, true, thread);
//     c.Sauve(*saison, progression);   // raises EChargeurXmp on any failure
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"

class TSaison;
class TThread;
class TMemoryStream;
class TZipArchive;

// A set of sport indexes: member n is bit n (0 football, 1 rugby, 2 basketball,
// 3 handball); member 4 stands for every sport (TousSports).
using TEnsembleSports = uint8_t;
constexpr TEnsembleSports EnsembleSport(int sport)
{
    return sport >= 0 && sport < 8 ? static_cast<TEnsembleSports>(1u << sport) : 0;
}
constexpr bool SportDans(TEnsembleSports ensemble, int sport)
{
    return (EnsembleSport(sport) & ensemble) != 0;
}
// The set that stands for every sport.
inline constexpr TEnsembleSports TousSports = 1u << 4;
// The sport of nothing (no format word, no choice).
inline constexpr uint8_t AucunSport = 6;

// The sport question with the sport-choice window (defined with the window):
// 0..3, or 6 when none was chosen.
uint8_t DemandeSport(TEnsembleSports sports, int texteInvite);

// Load status of a season file.
enum : uint8_t {
    etatExtension = 0,      // the extension is neither .xm? nor .df? (nothing read)
    etatLecture = 1,        // the file could not be read
    etatPasSaison = 2,      // not a season document
    etatSport = 3,          // the season's sport is not accepted
    etatSansChampionnat = 4,
    etatCharge = 5,         // success
};

// Why a file did not open or a save failed: the id of a text of the language
// files, which takes the file name and (damaged archive, failed write) the
// archive's or the system's own reason.
enum : int {
    texteAucuneRaison = 0,
    textePasArchive = 1567,          // not a zip archive at all
    texteArchiveEndommagee = 1568,   // a zip archive that cannot be read: its reason
    texteDocumentEndommage = 1569,   // the season document is not well-formed or cut short
    texteDocumentEndommageA = 5050,  // the same, and where: text 5051 or 5052
    texteElementLigne = 5051,        // an element of the document and its line
    texteElement = 5052,             // an element of the document (line unknown)
    texteDocumentTropGrand = 1570,   // beyond the size a season document may have
    texteDisquePlein = 1571,
    texteDossierProtege = 1572,      // the folder does not let us write
    texteLectureSeule = 1573,
    texteRemplacementRefuse = 1574,  // the file is not a season archive: not overwritten
    texteEchecEcriture = 1575,       // any other failed write: the reason
    texteDocumentIllisible = 4200,   // the document written does not read back: nothing replaced
    texteSauvegardeNonRemise = 5100, // not saved, and the backup it replaced could not be put back
    texteArchiveNonRelue = 5101,     // the reason of an archive written that does not read back
    texteAncienneGardee = 5350,      // where the backup's older version, kept aside by a save, is
    texteTailleLimite = 5508,        // the file-size limit of the system reached
    texteAnciennesGardees = 5509,    // where the backup's older versions are (texteAncienneGardee for one)
    texteSauvegardesNonRemises = 5510,  // texteSauvegardeNonRemise naming several older versions
    texteCopiesRetirees = 5511,      // copies identical to the backup removed
    texteCopieRetiree = 5512,        // the same for one copy
    texteAnciennesRetirees = 5620,   // the oldest versions removed, beyond the most recent ones kept
    texteAncienneRetiree = 5621,     // the same for one version
};

// The system's reason for the error e (an errno value) in the interface
// language: a text of the language files for the errors a save can meet, the
// error's number for any other; the system's own words without a language
// file.
std::string RaisonSysteme(int e);

// The reason of a failure: text id and detail.
struct TRaisonFichier
{
    int texte = texteAucuneRaison;
    std::string detail;
    // The file the failure concerns when it is another than the one opened or
    // saved (the backup), as a path on the disk; empty: that one.
    std::string fichier;
    // Where the backup's older version is kept when it could not be put back
    // (by this save, or by an earlier one: MessageRaison then says so after
    // the reason).
    std::string garde;
    // Every older version of the backup kept beside it once the save is over
    // (garde among them), and the copies of the backup as it stands that the
    // save removed: the box names them all.
    std::vector<std::string> anciennes;
    std::vector<std::string> retirees;
    // The oldest versions a save done removed, beyond the most recent ones
    // it keeps (TChargeurXmp::AnciennesGardees).
    std::vector<std::string> elaguees;
};
// Where the backup's older versions are kept (anciennes, else garde), which
// copies identical to the backup were removed and which oldest versions went,
// in sentences; empty for none.
std::string MessageAnciennes(const TRaisonFichier& raison,
                             const std::function<std::string(const std::string&)>& nomAffiche = {});
// The message of a reason for the file named (its name as shown to the user),
// in the interface language; empty for no reason. The other files the reason
// names are shown by nomAffiche (their name without folder as it stands when
// none is given).
std::string MessageRaison(const TRaisonFichier& raison, const std::string& nomFichier,
                          const std::function<std::string(const std::string&)>& nomAffiche = {});

// Progress of a load or save, in percent.
using TProgressionFichier = std::function<void(int pourcentage)>;

// A save that did not complete: the file named is left as it was. Its
// message is that of its reason.
class EChargeurXmp : public Exception
{
public:
    using Exception::Exception;
    EChargeurXmp(int texte, const std::string& nomFichier, std::string detail = {});
    EChargeurXmp(TRaisonFichier raison, const std::string& nomFichier);
    TRaisonFichier Raison;
};

class TChargeurXmp
{
public:
    static constexpr const char* NomMembre = "gormelide.xml";

    TChargeurXmp(std::string nomFichier, std::string dossierDll);

    const std::string& NomFichier() const { return nomFichier_; }
    // The sport found in or chosen for the document last read (6 none).
    uint8_t Sport() const { return sport_; }
    // Why the last load did not succeed (status 1), when known.
    const TRaisonFichier& Raison() const { return raison_; }

    // The largest season document read: four times the largest real season
    // (64 MB of basketball), so that a small archive cannot make the loader
    // hold more than a few hundred megabytes.
    static constexpr int64_t TailleMaxDocument = 256LL << 20;

    // Reads the file into a new season of its sport. Answers a status 1 to 5;
    // on any status but 5 saison is empty (a partly read season is freed).
    // With verifieChampionnat, a season without any championship is status 4.
    // thread: the worker whose synchronous call carries the sport question to
    // the user-interface thread (nullptr on that thread).
    uint8_t Charge(std::unique_ptr<TSaison>& saison, TEnsembleSports sportsAcceptes,
                   const TProgressionFichier& progression, bool verifieChampionnat, TThread* thread);

    // Writes the season into the file. The new archive is written beside the
    // file, read back as an opening reads it and compared, and only then takes
    // the file's name (with the season's save option 1, the previous file
    // becomes the backup NomSauvegarde at that moment). An existing file that
    // is not a zip archive, or that is read-only, is never replaced, nor is a
    // read-only backup. Any failure raises EChargeurXmp and leaves the file
    // (and its backup) as they were; when the backup cannot be put back, its
    // older version is kept under a name of its own (the reason says which),
    // and a backup kept aside by a save that never put it back goes back at
    // the next save when it can (with the backup option off), else keeps a
    // name of its own: it is never deleted, and Garde() says where it is.
    // A save done with the backup option, the backup now the previous version
    // of the file, keeps only the AnciennesGardees most recent of the older
    // versions saves kept under names of their own (Elaguees() names those
    // that went): failing and succeeding in turn, saves no longer pile up
    // copies of the season.
    bool Sauve(TSaison& saison, const TProgressionFichier& progression);
    static constexpr size_t AnciennesGardees = 3;
    // Whether Sauve may remove older versions of the backup (the oldest
    // beyond AnciennesGardees, the copies identical to the backup): only a
    // save whose box names them does. Without, it removes none and names
    // none it leaves identical to the backup; the next save with a box does.
    void SetRetraits(bool retraits) { retraits_ = retraits; }
    // Where the last Sauve found an older version of the backup kept aside
    // by an earlier save, and left it (empty: none, or put back).
    const std::string& Garde() const { return garde_; }
    // After a save done: the older versions of the backup kept beside it, and
    // the copies identical to the backup the save removed.
    const std::vector<std::string>& Anciennes() const { return anciennes_; }
    const std::vector<std::string>& Retirees() const { return retirees_; }
    const std::vector<std::string>& Elaguees() const { return elaguees_; }

    // The root's Division attribute (-1 when absent, not a number, or the
    // document is not a season document); sport from format (6 when it names
    // none), set only when the header is valid. An archive that cannot be read
    // raises EChargeurXmp.
    int LitDivision(uint8_t& sport);
    // True when the root's Type is "Saison" (any letter case), and when the
    // document is not a season document at all; raises as LitDivision.
    bool EstSaison();
    // True when the member is a season's document, a league's ("Simple") or
    // a whole season's ("Saison"); false for anything else, never raising.
    bool TientSaison();

    // The question of the sport, on the user-interface thread: the sport-choice
    // window over the accepted sports with prompt text 1561; 6 when none was
    // chosen. Replaceable (tests, a program without windows).
    static std::function<uint8_t(TEnsembleSports sports)> QuestionSport;
    static uint8_t ChoixSport(TEnsembleSports sports);

    // The season document of a season (declaration, DOCTYPE, root, content).
    static void EcritDocument(TSaison& saison, TMemoryStream& flux, const TProgressionFichier& progression = {});
    // Whether a document reads back whole: no larger than TailleMaxDocument,
    // well-formed up to its root's end tag, nothing but blanks after it. The
    // stream is left at position 0.
    static bool DocumentLisible(TMemoryStream& document);
    // The backup name of a file: "~" after the dot of its extension (.xmc gives
    // .~xmc); a name without extension gets the extension "~".
    static std::string NomSauvegarde(const std::string& nomFichier);

private:
    // Extracts the member into flux; false when the archive cannot be read
    // (missing, not a zip, damaged member). A member that is absent leaves
    // flux empty and answers true.
    bool ExtraitDocument(TMemoryStream& flux);
    uint8_t Echec(int texte, std::string detail = {});
    struct TEntete;
    bool LitEntete(TEntete& entete);
    bool LitEnteteRapide(TEntete& entete);
    // Sauve from the new archive on: written beside the file, read back,
    // then renamed over it (the backup made first with avecSauvegarde).
    void SauveArchive(TZipArchive& zip, const std::string& cible, const std::string& sauvegarde, bool avecSauvegarde,
                      const TProgressionFichier& progression);

    std::string dossierDll_;
    std::string nomFichier_;
    uint8_t sport_ = AucunSport;
    TEnsembleSports sportsAcceptes_ = 0;
    TRaisonFichier raison_;
    std::string garde_;
    std::vector<std::string> anciennes_, retirees_, elaguees_;
    bool retraits_ = true;
};
