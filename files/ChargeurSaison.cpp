#include "files/ChargeurSaison.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "files/ZipArchive.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Thread.h"

std::function<uint8_t(TEnsembleSports sports)> TChargeurXmp::QuestionSport;

namespace {

using TNomAffiche = std::function<std::string(const std::string&)>;

// The older versions a reason names: all of them, else the one kept aside.
std::vector<std::string> AnciennesNommees(const TRaisonFichier& raison)
{
    if (!raison.anciennes.empty())
        return raison.anciennes;
    return raison.garde.empty() ? std::vector<std::string>{} : std::vector<std::string>{raison.garde};
}

// Names shown, joined as the language lists them.
std::string Liste(const std::vector<std::string>& fichiers, const TNomAffiche& nomAffiche)
{
    std::string liste;
    for (const std::string& f : fichiers) {
        const std::string nom = nomAffiche ? nomAffiche(f) : ExtractFileName(f);
        liste = liste.empty() ? nom : Virgule(liste, nom);
    }
    return liste;
}

// The text of one or several files (after a number, when one is given), its
// id before it without a language file.
std::string Phrase(int pluriel, int singulier, const std::vector<std::string>& fichiers, const TNomAffiche& nomAffiche,
                   int nombre = -1)
{
    const int id = fichiers.size() == 1 ? singulier : pluriel;
    const std::string liste = Liste(fichiers, nomAffiche);
    std::string texte = nombre < 0 ? TraduireFormat(id, {liste}) : TraduireFormat(id, {nombre, liste});
    if (texte.empty())
        texte.append("(").append(IntToStr(id)).append(") ").append(liste);
    return texte;
}

}  // namespace

std::string RaisonSysteme(int e)
{
    struct TRaison
    {
        int erreur;
        int texte;
    };
    static constexpr TRaison raisons[] = {
        {EPERM, 5760},   {EACCES, 5761},       {EROFS, 5762},   {EIO, 5763},        {EISDIR, 5764},
        {ENOTDIR, 5765}, {ENOENT, 5766},       {EBUSY, 5767},   {ETXTBSY, 5767},    {EEXIST, 5768},
        {ENAMETOOLONG, 5769}, {ELOOP, 5770},   {EXDEV, 5771},   {EMLINK, 5772},     {ENOSPC, 5773},
        {EDQUOT, 5774},  {EFBIG, 5775},        {EMFILE, 5776},  {ENFILE, 5776},     {ENOMEM, 5777},
        {ENOTSUP, 5778}, {EOPNOTSUPP, 5778},   {EINVAL, 5778},
    };
    constexpr int texteErreurSysteme = 5779;
    std::string texte;
    const auto r = std::find_if(std::begin(raisons), std::end(raisons), [e](const TRaison& x) { return x.erreur == e; });
    if (Traducteur())
        texte = r != std::end(raisons) ? Traduire(r->texte) : TraduireFormat(texteErreurSysteme, {e});
    return texte.empty() ? std::string(std::strerror(e)) : texte;
}

std::string MessageAnciennes(const TRaisonFichier& raison, const TNomAffiche& nomAffiche)
{
    std::string texte;
    const std::vector<std::string> anciennes = AnciennesNommees(raison);
    // named by the reason itself when the backup was not put back
    if (!anciennes.empty() && raison.texte != texteSauvegardeNonRemise)
        texte = Phrase(texteAnciennesGardees, texteAncienneGardee, anciennes, nomAffiche);
    if (!raison.retirees.empty()) {
        if (!texte.empty())
            texte += ' ';
        texte += Phrase(texteCopiesRetirees, texteCopieRetiree, raison.retirees, nomAffiche);
    }
    if (!raison.elaguees.empty()) {
        if (!texte.empty())
            texte += ' ';
        texte += Phrase(texteAnciennesRetirees, texteAncienneRetiree, raison.elaguees, nomAffiche,
                        static_cast<int>(TChargeurXmp::AnciennesGardees));
    }
    return texte;
}

std::string MessageRaison(const TRaisonFichier& raison, const std::string& nomFichier, const TNomAffiche& nomAffiche)
{
    if (raison.texte == texteAucuneRaison)
        return {};
    const auto nom = [&](const std::string& f) { return nomAffiche ? nomAffiche(f) : ExtractFileName(f); };
    const std::string fichier = raison.fichier.empty() ? nomFichier : nom(raison.fichier);
    const std::vector<std::string> anciennes = AnciennesNommees(raison);
    const int id = raison.texte == texteSauvegardeNonRemise && anciennes.size() > 1 ? texteSauvegardesNonRemises
                                                                                      : raison.texte;
    std::string texte = raison.texte == texteSauvegardeNonRemise
                            ? TraduireFormat(id, {nomFichier, raison.detail, fichier, Liste(anciennes, nomAffiche)})
                            : TraduireFormat(raison.texte, {fichier, raison.detail});
    if (texte.empty()) {   // no language file (a program without windows)
        texte = fichier + " (" + IntToStr(id) + ") " + raison.detail;
        if (raison.texte == texteSauvegardeNonRemise)
            texte.append(" ").append(Liste(anciennes, nomAffiche));
    }
    // Older versions of the backup kept beside it: where they are.
    if (const std::string anciens = MessageAnciennes(raison, nomAffiche); !anciens.empty())
        texte.append(" ").append(anciens);
    return texte;
}

EChargeurXmp::EChargeurXmp(int texte, const std::string& nomFichier, std::string detail)
    : EChargeurXmp(TRaisonFichier{texte, std::move(detail), {}, {}, {}, {}, {}}, nomFichier)
{
}

EChargeurXmp::EChargeurXmp(TRaisonFichier raison, const std::string& nomFichier)
    : Exception(std::string()), Raison(std::move(raison))
{
    Message = MessageRaison(Raison, nomFichier);
}

namespace {

constexpr int TexteQuestionSport = 1561;

// The season writer: a memory-stream writer that can also put a line of its own
// (the DOCTYPE line) as it stands.
class TEcrivainSaison : public TXmlMemoryStreamWriter
{
public:
    explicit TEcrivainSaison(TMemoryStream* flux) : TXmlMemoryStreamWriter(flux, true) {}
    void EcritLigneBrute(const std::string& ligne)
    {
        EcritBaliseEnAttente();
        EcritLigne(ligne);
    }
    // The document is looked at once written: its lines go by blocks.
    void Groupe() { SetGroupe(true); }
    void Termine() { LivreTout(); }
};

// A component that never asks anything: it runs on the worker thread.
void Prepare(TZipArchive& zip, const std::string& dossierDll)
{
    zip.Unattended = true;
    zip.SetDLLDirectory(dossierDll);
}

// The index of the member in the archive's directory (names without regard
// to case); -1 when it is not there.
int IndexMembre(const TZipArchive& zip, const std::string& nom)
{
    for (int i = 0; i < zip.EntryCount(); ++i)
        if (SameText(zip.DirEntry(i).NameText, nom))
            return i;
    return -1;
}

// Puts the file's data on the disk before it takes the season's name: 0, or
// the system's error.
int Synchronise(const std::string& nomFichier)
{
    const int fd = ::open(nomFichier.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int e = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return e;
}

std::string DossierDe(const std::string& fichier)
{
    const std::string d = ExtractFileDir(fichier);
    return d.empty() ? std::string(".") : d;
}

// A failed step of the save on the file `fichier` (the season's file cible
// on the disk, shown as nom, or its backup), from the system's error e: a
// full disk, or the size limit of files, is said of the season; a refusal, of
// its folder only when the folder does refuse to be written; any other cause
// names the file that failed, with the system's reason.
EChargeurXmp EchecSysteme(int e, const std::string& fichier, const std::string& cible, const std::string& nom)
{
    if (e == 0)
        e = EIO;
    const std::string detail = RaisonSysteme(e);
    if (e == ENOSPC || e == EDQUOT)
        return EChargeurXmp(texteDisquePlein, nom, detail);
    if (e == EFBIG)
        return EChargeurXmp(texteTailleLimite, nom, detail);
    if ((e == EACCES || e == EPERM || e == EROFS) && ::access(DossierDe(cible).c_str(), W_OK | X_OK) != 0)
        return EChargeurXmp(texteDossierProtege, nom, detail);
    return EChargeurXmp(TRaisonFichier{texteEchecEcriture, detail, fichier == cible ? std::string() : fichier, {}, {}, {}, {}}, nom);
}

// A failure of the archive library on the new archive (the temporary): the
// system's reason when it gave one, else its own text, where the temporary
// is shown as the file it stands for, else that the archive does not read back.
EChargeurXmp EchecArchive(const TZipArchive& zip, const std::string& temporaire, const std::string& cible,
                          const std::string& nom)
{
    if (zip.SystemError() != 0)
        return EchecSysteme(zip.SystemError(), cible, cible, nom);
    std::string detail = zip.LastMessage();
    for (size_t p = detail.find(temporaire); p != std::string::npos; p = detail.find(temporaire, p + nom.size()))
        detail.replace(p, temporaire.size(), nom);
    if (detail.empty())
        detail = Traduire(texteArchiveNonRelue);
    if (detail.empty())
        detail = "the archive written does not read back";
    return EChargeurXmp(texteEchecEcriture, nom, detail);
}

// A file its owner made read-only.
bool LectureSeule(const std::string& fichier)
{
    struct stat st {};
    return ::stat(fichier.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR);
}

bool MemesOctets(const std::string& a, const std::string& b)
{
    std::string x, y;
    return FileSize(a) == FileSize(b) && FileSize(a) >= 0 && ReadFileBytes(a, x) && ReadFileBytes(b, y) && x == y;
}

// The season document an archive holds, without the time of its writing
// (LastModif); empty when it holds none that can be read.
std::string DocumentSansDate(const std::string& archive, const std::string& dossierDll)
{
    TZipArchive zip;
    Prepare(zip, dossierDll);
    zip.SetZipFileName(archive);
    const int membre = zip.ZipFileName().empty() ? -1 : IndexMembre(zip, TChargeurXmp::NomMembre);
    if (membre < 0 || zip.DirEntry(membre).UnpackedSize > TChargeurXmp::TailleMaxDocument)
        return {};
    zip.EntrySizeLimit = static_cast<uint32_t>(TChargeurXmp::TailleMaxDocument);
    TZipStream* flux = zip.ExtractToStream(TChargeurXmp::NomMembre);
    if (!flux)
        return {};
    std::string document(reinterpret_cast<const char*>(flux->Memory()), static_cast<size_t>(flux->Size()));
    if (const size_t debut = document.find("<LastModif>"); debut != std::string::npos)
        if (const size_t fin = document.find("</LastModif>", debut); fin != std::string::npos)
            document.erase(debut, fin - debut);
    return document;
}

// Two archives holding one version of the season: the same bytes, or the same
// document saved at another time.
bool MemeVersion(const std::string& a, const std::string& b, const std::string& dossierDll)
{
    if (MemesOctets(a, b))
        return true;
    const std::string document = DocumentSansDate(a, dossierDll);
    return !document.empty() && document == DocumentSansDate(b, dossierDll);
}

// A file that holds a season archive (an archive whose member is a season's
// document, a league's or a whole season's): only such a file can be a version
// of the season. A member of that name holding anything else is not ours.
bool ArchiveSaison(const std::string& fichier, const std::string& dossierDll)
{
    TZipArchive zip;
    Prepare(zip, dossierDll);
    zip.SetZipFileName(fichier);
    if (zip.ZipFileName().empty() || IndexMembre(zip, TChargeurXmp::NomMembre) < 0)
        return false;
    return TChargeurXmp(fichier, dossierDll).TientSaison();
}

// The file a name stands for: a link is followed, so that saving replaces the
// file it points to, not the link.
std::string FichierReel(const std::string& nomFichier)
{
    std::error_code ec;
    const std::filesystem::path p(nomFichier);
    if (std::filesystem::is_symlink(p, ec)) {
        const std::filesystem::path r = std::filesystem::canonical(p, ec);
        if (!ec)
            return r.string();
    }
    return nomFichier;
}

// The backup in place while a save replaces it. It stays reachable under a
// temporary name beside it (a second link to the same file, or a copy) until
// the season's file has its new version: a save that fails after the backup
// was replaced puts it back (or removes the new one when there was none), so
// that the backup is as it was; a save done lets it go.
class TAncienneSauvegarde
{
public:
    TAncienneSauvegarde(std::string sauvegarde, std::string dossierDll)
        : sauvegarde_(std::move(sauvegarde)), dossierDll_(std::move(dossierDll))
    {
    }
    ~TAncienneSauvegarde()
    {
        if (!fait_)
            Remet();
    }

    // The save failed: the backup is as it was. Empty, or, when the backup
    // kept aside cannot take its name back, the name it keeps instead: one
    // of its own where it can have one, else its temporary name (which the
    // next save puts back, see RemetSauvegarde).
    std::string Remet()
    {
        fait_ = true;
        if (!remplacee_) {
            if (!deCote_.empty())
                DeleteFile(deCote_);
            return {};
        }
        if (deCote_.empty()) {
            DeleteFile(sauvegarde_);
            return {};
        }
        if (RenameFile(deCote_, sauvegarde_))
            return {};
        // The backup holding the version it held, its copy aside is no older
        // version: nothing is lost with it.
        if (MemeVersion(deCote_, sauvegarde_, dossierDll_) && DeleteFile(deCote_))
            return {};
        const std::string garde = MoveAside(deCote_, sauvegarde_);
        return garde.empty() ? deCote_ : garde;
    }
    TAncienneSauvegarde(const TAncienneSauvegarde&) = delete;
    TAncienneSauvegarde& operator=(const TAncienneSauvegarde&) = delete;

    // False (errno telling why) when a backup exists and cannot be kept aside.
    bool MetDeCote()
    {
        if (!FileExists(sauvegarde_))
            return true;
        const std::string nom = SiblingTempName(sauvegarde_);
        if (nom.empty())
            return false;
        if (::link(sauvegarde_.c_str(), nom.c_str()) != 0 && !CopyFile(sauvegarde_, nom, true))
            return false;
        deCote_ = nom;
        return true;
    }
    // The backup now holds the previous version of the file.
    void Remplacee() { remplacee_ = true; }
    // The save is done: the old backup goes.
    void Fait()
    {
        fait_ = true;
        if (!deCote_.empty())
            DeleteFile(deCote_);
    }

private:
    std::string sauvegarde_;
    std::string dossierDll_;
    std::string deCote_;
    bool remplacee_ = false;
    bool fait_ = false;
};

// The older versions of the backup that saves kept aside and never put back
// (a save cut short, or failing twice): whole season archives beside the
// backup, other than the backup as it stands. None is ever lost. Without the
// backup option, when the backup holds the bytes of the file (the save that
// replaced it did not happen), the older version takes its name back.
// Otherwise (with the option, this save would replace it at once), or when
// it cannot, it gets a name of its own beside the backup (MoveAside), or,
// when it can have none, stays where it is, out of the cleanup's reach.
// Anything else left beside the backup (a copy of it as it stands, the piece
// of a copy) is the cleanup's. Where older versions are kept (in the order
// found; none: empty).
std::vector<std::string> GardeAnciennes(const std::string& cible, const std::string& sauvegarde,
                                        const std::string& dossierDll, bool avecSauvegarde)
{
    std::vector<std::string> gardes, gardees;
    const std::vector<std::string> restes = LeftTemps(sauvegarde);
    bool remise = restes.empty() || avecSauvegarde || !MemesOctets(cible, sauvegarde);
    for (const std::string& reste : restes) {
        if (!ArchiveSaison(reste, dossierDll) || MemeVersion(reste, sauvegarde, dossierDll))
            continue;
        if (!remise && RenameFile(reste, sauvegarde)) {
            remise = true;
            continue;
        }
        std::string garde = MoveAside(reste, sauvegarde);
        if (garde.empty()) {
            garde = reste;
            gardes.push_back(reste);
        }
        gardees.push_back(garde);
    }
    RemoveStaleTemps(sauvegarde, gardes);
    return gardees;
}

bool Parmi(const std::vector<std::string>& v, const std::string& x)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

// The older versions of the backup once a save is over: the copies of the
// series beside it (MoveAside's), and those known elsewhere (kept under their
// temporary names), each a season archive: a file of the series' name that
// holds none is not ours, neither named nor touched. A copy holding the
// backup's bytes is no older version: it is removed (retirees) when retire
// says so, else (or when it cannot be) left unnamed.
void Inventaire(const std::string& sauvegarde, const std::string& dossierDll, const std::vector<std::string>& ailleurs,
                std::vector<std::string>& anciennes, std::vector<std::string>& retirees, bool retire = true)
{
    anciennes.clear();
    retirees.clear();
    std::vector<std::string> copies = KeptCopies(sauvegarde);
    for (const std::string& a : ailleurs)
        if (!a.empty() && FileExists(a) && !Parmi(copies, a))
            copies.push_back(a);
    for (const std::string& c : copies) {
        if (!ArchiveSaison(c, dossierDll))
            continue;
        if (!FileExists(sauvegarde) || !MemeVersion(c, sauvegarde, dossierDll))
            anciennes.push_back(c);
        else if (retire && DeleteFile(c))
            retirees.push_back(c);
    }
}

// When a save done renewed the backup: of the older versions kept in the
// series beside it (named by the boxes of the saves that kept them), the
// AnciennesGardees most recent stay, the others are removed (elaguees). A
// version's age is that of its file: a version is never written again once
// kept. One kept under a temporary name is left alone.
void Elague(const std::string& sauvegarde, std::vector<std::string>& anciennes, std::vector<std::string>& elaguees)
{
    elaguees.clear();
    const std::vector<std::string> serie = KeptCopies(sauvegarde);
    std::vector<std::pair<timespec, std::string>> datees;
    for (const std::string& a : anciennes) {
        struct stat st {};
        if (Parmi(serie, a) && ::stat(a.c_str(), &st) == 0)
            datees.emplace_back(st.st_mtim, a);
    }
    if (datees.size() <= TChargeurXmp::AnciennesGardees)
        return;
    // the most recent first
    std::stable_sort(datees.begin(), datees.end(), [](const auto& x, const auto& y) {
        return x.first.tv_sec != y.first.tv_sec ? x.first.tv_sec > y.first.tv_sec : x.first.tv_nsec > y.first.tv_nsec;
    });
    for (size_t i = TChargeurXmp::AnciennesGardees; i < datees.size(); ++i)
        if (DeleteFile(datees[i].second)) {
            elaguees.push_back(datees[i].second);
            anciennes.erase(std::find(anciennes.begin(), anciennes.end(), datees[i].second));
        }
}

// Removes the temporary archive whatever happens to the save.
class TNettoyage
{
public:
    explicit TNettoyage(std::string nom) : nom_(std::move(nom)) {}
    ~TNettoyage()
    {
        if (!nom_.empty())
            DeleteFile(nom_);
    }
    void Garde() { nom_.clear(); }

private:
    std::string nom_;
};

}  // namespace

struct TChargeurXmp::TEntete
{
    bool valide = false;
    std::string type;
    std::string division;
    std::string format;
};

TChargeurXmp::TChargeurXmp(std::string nomFichier, std::string dossierDll)
    : dossierDll_(std::move(dossierDll)), nomFichier_(std::move(nomFichier))
{
}

std::string TChargeurXmp::NomSauvegarde(const std::string& nomFichier)
{
    const std::string ext = ExtractFileExt(nomFichier);
    if (ext.empty())
        return nomFichier + ".~";
    return nomFichier.substr(0, nomFichier.size() - ext.size()) + ".~" + ext.substr(1);
}

uint8_t TChargeurXmp::ChoixSport(TEnsembleSports sports)
{
    if (QuestionSport)
        return QuestionSport(sports);
    return DemandeSport(sports, TexteQuestionSport);
}

// ===========================================================================
// Reading

namespace {

// Why the document read by x is refused: it is damaged, and where when the
// reader refused it (a document cut short has no place to name).
TRaisonFichier DocumentEndommage(const TXmlReader& x)
{
    if (!x.Malforme() || x.ElementRefuse().empty())
        return {texteDocumentEndommage, {}, {}, {}, {}, {}, {}};
    const std::string& element = x.ElementRefuse();
    const std::string ligne = IntToStr(x.LigneRefus());
    std::string ou = x.LigneRefus() > 0 ? TraduireFormat(texteElementLigne, {element, ligne})
                                        : TraduireFormat(texteElement, {element});
    if (ou.empty())   // no language file
        ou = x.LigneRefus() > 0 ? element + " " + ligne : element;
    return {texteDocumentEndommageA, ou, {}, {}, {}, {}, {}};
}

}  // namespace

uint8_t TChargeurXmp::Echec(int texte, std::string detail)
{
    raison_ = {texte, std::move(detail), {}, {}, {}, {}, {}};
    return etatLecture;
}

bool TChargeurXmp::ExtraitDocument(TMemoryStream& flux)
{
    flux.Clear();
    raison_ = {};
    if (!FileExists(nomFichier_))
        return false;
    TZipArchive zip;
    Prepare(zip, dossierDll_);
    zip.SetZipFileName(nomFichier_);
    if (zip.ZipFileName().empty()) {
        // No end record at all: not an archive; any other failure: the
        // archive's own reason.
        if (zip.ErrorCode() == DS_NoValidZip || FileSize(nomFichier_) == 0)
            Echec(textePasArchive);
        else
            Echec(texteArchiveEndommagee, zip.LastMessage());
        return false;
    }
    const int membre = IndexMembre(zip, NomMembre);
    if (membre < 0)
        return true;   // an archive, but not a season file
    if (zip.DirEntry(membre).UnpackedSize > TailleMaxDocument) {
        Echec(texteDocumentTropGrand);
        return false;
    }
    zip.EntrySizeLimit = static_cast<uint32_t>(TailleMaxDocument);
    TZipStream* s = zip.ExtractToStream(NomMembre);
    if (!s) {   // the member is there but cannot be extracted
        Echec(texteArchiveEndommagee, zip.LastMessage());
        return false;
    }
    // The document changes hands without a copy (it may be tens of megabytes).
    flux.Bytes().swap(s->Bytes());
    flux.SetPosition(0);
    return true;
}

namespace {

// The head of a document up to the end of its root's start tag, or empty when
// the bytes given stop before it.
std::string_view TeteRacine(std::string_view tete)
{
    const size_t racine = tete.find("<Gormelide");
    if (racine == std::string_view::npos)
        return {};
    char guillemet = 0;
    for (size_t i = racine; i < tete.size(); ++i) {
        const char c = tete[i];
        if (guillemet) {
            if (c == guillemet)
                guillemet = 0;
        } else if (c == '"' || c == '\'') {
            guillemet = c;
        } else if (c == '>') {
            return tete.substr(0, i + 1);
        }
    }
    return {};
}

}  // namespace

bool TChargeurXmp::LitEnteteRapide(TEntete& entete)
{
    // A look at the head of the member, without unpacking the whole document
    // (the save folder's list reads the head of every file in it).
    constexpr size_t kTete = 4096;
    if (!FileExists(nomFichier_))
        return false;
    TZipArchive zip;
    Prepare(zip, dossierDll_);
    zip.SetZipFileName(nomFichier_);
    std::string tete;
    if (zip.ZipFileName().empty() || !zip.ExtractHead(NomMembre, kTete, tete))
        return false;
    if (TeteRacine(tete).empty())
        return false;
    TMemoryStream flux;
    flux.Write(tete.data(), static_cast<long>(tete.size()));
    flux.SetPosition(0);
    TXmlStreamReader x(flux);
    if (x.ElementSuivant() == xmlFinFlux || UpperCase(x.Nom()) != "XML")
        return false;
    if (x.ElementSuivant() == xmlFinFlux || x.Nom() != "Gormelide")
        return false;
    // The reader names a start tag once it has seen what follows it: the
    // head goes on past the root's tag. Anything it cannot tell from the head
    // is left to the whole document.
    if (x.ElementSuivant() != xmlDebut || x.Nom() != "Gormelide")
        return false;
    entete.valide = true;
    entete.type = x.ValeurAttribut("Type");
    entete.division = x.ValeurAttribut("Division");
    entete.format = x.ValeurAttribut("format");
    return true;
}

bool TChargeurXmp::LitEntete(TEntete& entete)
{
    if (LitEnteteRapide(entete))
        return true;
    entete = TEntete{};
    TMemoryStream flux;
    if (!ExtraitDocument(flux))
        throw EChargeurXmp(raison_.texte, ExtractFileName(nomFichier_), raison_.detail);
    TXmlStreamReader x(flux);
    if (x.ElementSuivant() == xmlFinFlux || UpperCase(x.Nom()) != "XML")
        return false;
    if (x.ElementSuivant() == xmlFinFlux || x.Nom() != "Gormelide")
        return false;
    if (x.ElementSuivant() != xmlDebut || x.Nom() != "Gormelide")
        return false;
    entete.valide = true;
    entete.type = x.ValeurAttribut("Type");
    entete.division = x.ValeurAttribut("Division");
    entete.format = x.ValeurAttribut("format");
    return true;
}

int TChargeurXmp::LitDivision(uint8_t& sport)
{
    TEntete e;
    if (!LitEntete(e))
        return -1;
    sport = static_cast<uint8_t>(TMultiSport::SportDeFormat(e.format));
    int32_t division = -1;
    if (!TryStrToInt(Trim(e.division), division))
        return -1;
    return division;
}

bool TChargeurXmp::TientSaison()
{
    TEntete e;
    try {
        if (!LitEntete(e) || !e.valide)
            return false;
    } catch (const Exception&) {
        return false;
    }
    return SameText(e.type, "Saison") || SameText(e.type, "Simple");
}

bool TChargeurXmp::EstSaison()
{
    TEntete e;
    if (!LitEntete(e))
        return true;
    return SameText(e.type, "Saison");
}

uint8_t TChargeurXmp::Charge(std::unique_ptr<TSaison>& saison, TEnsembleSports sportsAcceptes,
                             const TProgressionFichier& progression, bool verifieChampionnat, TThread* thread)
{
    saison.reset();
    sportsAcceptes_ = sportsAcceptes;
    sport_ = sportAucun;
    if (progression)
        progression(0);
    uint8_t etat = etatLecture;
    try {
        TMemoryStream flux;
        if (!ExtraitDocument(flux))
            return etatLecture;   // the reason is set
        int total = 10;
        if (progression)
            progression(total);
        const TProgression suivi = [&](int t) {
            if (progression)
                progression(t);
        };

        TXmlStreamReader x(flux);
        // A header that breaks the rules of documents is damaged, not foreign.
        const auto endommage = [&]() -> uint8_t {
            TRaisonFichier r = DocumentEndommage(x);
            return Echec(r.texte, std::move(r.detail));
        };
        const auto pasSaison = [&]() -> uint8_t { return x.Malforme() ? endommage() : uint8_t{etatPasSaison}; };
        if (x.ElementSuivant() == xmlFinFlux || UpperCase(x.Nom()) != "XML")
            return pasSaison();
        if (x.ElementSuivant() == xmlFinFlux || x.Nom() != "Gormelide")
            return pasSaison();
        if (x.ElementSuivant() != xmlDebut || x.Nom() != "Gormelide")
            return pasSaison();

        sport_ = static_cast<uint8_t>(TMultiSport::SportDeFormat(x.ValeurAttribut("format")));
        if (sport_ == sportAucun) {
            for (int s = 0; s < 4; ++s)
                if (sportsAcceptes == EnsembleSport(s))
                    sport_ = static_cast<uint8_t>(s);
            if (sport_ == sportAucun) {
                // The question goes to the user-interface thread; the worker waits.
                uint8_t choix = sportAucun;
                TThread::Synchronize(thread, [&] { choix = ChoixSport(sportsAcceptes); });
                sport_ = choix;
            }
        }
        if (!SportDans(sportsAcceptes, sport_) && !SportDans(sportsAcceptes, sportTous))
            return etatSport;

        saison = TMultiSport::CreeSaison(sport_);
        if (!saison)
            return etatLecture;

        uint8_t j = x.ElementSuivant();
        while (j != xmlFin && j != xmlFinFlux) {
            if (j == xmlDebut && x.Nom() == "SaisonData")
                saison->LitSaison(x, total, suivi);
            else if (j == xmlDebut && x.Nom() == "Championnats")
                saison->LitCompetitions(x, total, suivi);
            else
                x.SauteElement(j);
            j = x.ElementSuivant();
        }

        // A document that ends before the root's end tag (cut short, a partly
        // written file), or that is not well-formed (a block missing or
        // garbled), is not loaded: the season read in part would lose the
        // rest of it at the next save.
        if (j != xmlFin || x.FinAtteinte() || x.Malforme() || !x.ResteBlanc())
            etat = endommage();
        else if (verifieChampionnat && !saison->ChampionnatCourant() && !saison->Arbre().ChampionnatParCode(-1))
            etat = etatSansChampionnat;
        else
            etat = etatCharge;
    } catch (const std::exception&) {
        etat = etatLecture;
    }
    if (etat != etatCharge)
        saison.reset();
    return etat;
}

// ===========================================================================
// Writing

namespace {

// The size of the last document written of a season, in this run: the room
// the next one is given at once (a season changes little between two saves).
struct TDernierDocument
{
    std::mutex verrou;
    const TSaison* saison = nullptr;
    int64_t taille = 0;
};

TDernierDocument& DernierDocument()
{
    static TDernierDocument d;
    return d;
}

// The room a season's document is given before it is written: the last
// document's size and a little more, or, the first time, an estimate from the
// matches, the teams and the players. Too little costs a copy of the whole
// when the stream grows; room never written costs nothing.
int64_t PlaceDocument(const TSaison& saison)
{
    {
        TDernierDocument& d = DernierDocument();
        const std::lock_guard<std::mutex> garde(d.verrou);
        if (d.saison == &saison && d.taille > 0)
            return d.taille + d.taille / 16;
    }
    return saison.Arbre().EstimationCharge() + 100LL * (saison.NbEquipe() + saison.NbClubPrec()) +
           1000LL * saison.Joueurs().NbJoueur();
}

void RetientDocument(const TSaison& saison, int64_t taille)
{
    TDernierDocument& d = DernierDocument();
    const std::lock_guard<std::mutex> garde(d.verrou);
    d.saison = &saison;
    d.taille = taille;
}

}  // namespace

bool TChargeurXmp::DocumentLisible(TMemoryStream& document)
{
    // The loader's limit on the size, then its walk: up to the root's end
    // tag, then only blanks.
    document.SetPosition(0);
    if (document.Size() > TailleMaxDocument)
        return false;
    TXmlStreamReader x(document);
    for (uint8_t j = x.ElementSuivant(); j != xmlFinFlux; j = x.ElementSuivant())
        if (j == xmlFin && x.Profondeur() == 0)
            return !x.FinAtteinte() && !x.Malforme() && x.ResteBlanc();
    return false;
}

void TChargeurXmp::EcritDocument(TSaison& saison, TMemoryStream& flux, const TProgressionFichier& progression)
{
    const TProgression suivi = [&](int t) {
        if (progression)
            progression(t);
    };
    flux.SetSize(0);   // emptied, keeping the room the caller may have reserved
    flux.SetPosition(0);
    flux.SetCapacityGrande(PlaceDocument(saison));
    TEcrivainSaison x(&flux);
    x.Groupe();
    x.EcritLigneBrute("<!DOCTYPE Gormelide>");
    x.OuvreElement("Gormelide");
    if (saison.PlusieursChampionnats()) {
        x.AjouteAttribut("Type", "Saison");
    } else {
        x.AjouteAttribut("Type", "Simple");
        if (const TDonneesChampionnat* c = saison.ChampionnatCourant())
            x.AjouteAttribut("Division", IntToStr(c->CodeDivision()));
    }
    x.AjouteAttribut("Version", "2");
    x.AjouteAttribut("format", saison.MultiSport().Format());
    x.EcritBaliseEnAttente();
    suivi(2);
    suivi(5);
    saison.EcritSaison(x, suivi);
    saison.EcritCompetitions(x, suivi);
    x.FermeElement("Gormelide");
    x.Termine();
    RetientDocument(saison, flux.Size());
    suivi(90);
}

bool TChargeurXmp::Sauve(TSaison& saison, const TProgressionFichier& progression)
{
    garde_.clear();
    anciennes_.clear();
    retirees_.clear();
    elaguees_.clear();
    // 1. The document, in memory: written straight into the stream the archive
    //    component adds (no copy of it is made on the way).
    TZipArchive zip;
    Prepare(zip, dossierDll_);
    TMemoryStream& document = zip.EntryStream;
    EcritDocument(saison, document, progression);
    const std::string nom = ExtractFileName(nomFichier_);
    //    A document that the loader would refuse is never written.
    if (!DocumentLisible(document))
        throw EChargeurXmp(texteDocumentIllisible, nom);
    document.SetPosition(0);

    // 2. Never replace a file that is not a season archive: whatever it is, it
    //    is not ours to overwrite (an empty file holds nothing to lose).
    const std::string cible = FichierReel(nomFichier_);
    const std::string sauvegarde = FichierReel(NomSauvegarde(cible));
    const bool avecSauvegarde = saison.OptionSauvegarde(1) && FileExists(cible);
    if (FileExists(cible)) {
        // A file its owner made read-only is not replaced either, nor a
        // backup.
        if (LectureSeule(cible))
            throw EChargeurXmp(texteLectureSeule, nom);
        if (avecSauvegarde && LectureSeule(sauvegarde))
            throw EChargeurXmp(TRaisonFichier{texteLectureSeule, {}, sauvegarde, {}, {}, {}, {}}, nom);
        if (FileSize(cible) > 0) {
            TZipArchive existant;
            Prepare(existant, dossierDll_);
            existant.SetZipFileName(cible);
            if (existant.ZipFileName().empty())
                throw EChargeurXmp(texteRemplacementRefuse, nom);
        }
    }
    if (::access(DossierDe(cible).c_str(), W_OK | X_OK) != 0)
        throw EChargeurXmp(texteDossierProtege, nom);
    // What earlier saves of this file cut short left beside it.
    const std::vector<std::string> gardees = GardeAnciennes(cible, sauvegarde, dossierDll_, avecSauvegarde);
    garde_ = gardees.empty() ? std::string() : gardees.back();
    RemoveStaleTemps(cible);
    try {
        SauveArchive(zip, cible, sauvegarde, avecSauvegarde, progression);
    } catch (EChargeurXmp& e) {
        // The box says where each older version of the backup is, whatever
        // else it says.
        if (!garde_.empty() && e.Raison.garde.empty())
            e.Raison.garde = garde_;
        std::vector<std::string> ailleurs = gardees;
        ailleurs.push_back(e.Raison.garde);
        Inventaire(sauvegarde, dossierDll_, ailleurs, e.Raison.anciennes, e.Raison.retirees, retraits_);
        if (Parmi(e.Raison.retirees, e.Raison.garde))
            e.Raison.garde.clear();
        e.Message = MessageRaison(e.Raison, nom);
        throw;
    }
    Inventaire(sauvegarde, dossierDll_, gardees, anciennes_, retirees_, retraits_);
    if (avecSauvegarde && retraits_)
        Elague(sauvegarde, anciennes_, elaguees_);
    if (Parmi(retirees_, garde_) || Parmi(elaguees_, garde_))
        garde_.clear();
    return true;
}

void TChargeurXmp::SauveArchive(TZipArchive& zip, const std::string& cible, const std::string& sauvegarde,
                                bool avecSauvegarde, const TProgressionFichier& progression)
{
    const std::string nom = ExtractFileName(nomFichier_);
    TMemoryStream& document = zip.EntryStream;

    // 3. The new archive, complete, beside the file.
    const std::string temporaire = SiblingTempName(cible);
    if (temporaire.empty())
        throw EChargeurXmp(texteDossierProtege, nom);
    TNettoyage nettoyage(temporaire);
    {
        zip.SetZipFileName(temporaire);
        zip.AddFromStream(NomMembre, 0, 0);
        if (zip.SuccessCount() != 1)
            throw EchecArchive(zip, temporaire, cible, nom);
    }
    if (progression)
        progression(92);
    // 4. Read back: the archive holds that document and nothing else, its
    //    member unpacked from the disk and compared a window at a time (a
    //    second copy of tens of megabytes would cost more than the unpacking),
    //    and its local header says what its directory entry says.
    {
        TZipArchive relu;
        Prepare(relu, dossierDll_);
        relu.SetZipFileName(temporaire);
        if (relu.ZipFileName().empty() || relu.EntryCount() != 1 ||
            !relu.HoldsEntry(NomMembre, document.Memory(), static_cast<size_t>(document.Size())) ||
            !relu.LocalHeadersMatch())
            throw EchecArchive(relu, temporaire, cible, nom);
    }
    if (const int e = Synchronise(temporaire))
        throw EchecSysteme(e, cible, cible, nom);
    if (progression)
        progression(94);

    // 5. The previous version becomes the backup (copied beside it, then
    //    renamed over the old backup), then the new archive takes the name in
    //    one step: at every moment a complete file holds each name. Until
    //    then the old backup is kept aside: when the new archive cannot take
    //    the name, the backup is put back as it was.
    TAncienneSauvegarde ancienne(sauvegarde, dossierDll_);
    if (avecSauvegarde) {
        if (!ancienne.MetDeCote() || !CopyFile(cible, sauvegarde, false))
            throw EchecSysteme(errno, sauvegarde, cible, nom);
        ancienne.Remplacee();
        if (progression)
            progression(97);
    }
    if (!RenameFile(temporaire, cible)) {
        const EChargeurXmp echec = EchecSysteme(errno, cible, cible, nom);
        const std::string garde = ancienne.Remet();
        if (garde.empty())
            throw echec;
        throw EChargeurXmp(TRaisonFichier{texteSauvegardeNonRemise, echec.Raison.detail, sauvegarde, garde, {}, {}, {}}, nom);
    }
    nettoyage.Garde();
    ancienne.Fait();
    if (progression)
        progression(99);
    // The rename itself reaches the disk (without this a power cut may bring
    // the old file back); the file is saved whatever this answers.
    SyncFolderOf(cible);
    if (progression)
        progression(100);
}
