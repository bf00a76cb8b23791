#include "files/ChargeurSaison.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <random>

#include "files/ZipArchive.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Thread.h"

std::function<uint8_t(TEnsembleSports sports)> TChargeurXmp::QuestionSport;

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
};

// A component that never asks anything: it runs on the worker thread.
void Prepare(TZipArchive& zip, const std::string& dossierDll)
{
    zip.Unattended = true;
    zip.SetDLLDirectory(dossierDll);
}

// Whether the archive's directory lists the member (names without regard to case).
bool ContientMembre(const TZipArchive& zip, const std::string& nom)
{
    for (int i = 0; i < zip.EntryCount(); ++i)
        if (SameText(zip.DirEntry(i).NameText, nom))
            return true;
    return false;
}

// A name beside the file that nothing uses yet, for the archive being written.
std::string NomTemporaire(const std::string& nomFichier)
{
    static std::atomic<unsigned> compteur{0};
    std::random_device alea;
    const std::string dossier = ExtractFilePath(nomFichier);
    const std::string nom = ExtractFileName(nomFichier);
    for (int essai = 0; essai < 100; ++essai) {
        const std::string candidat = dossier + "." + nom + "." + IntToStr(static_cast<int>(::getpid())) + "-" +
                                     IntToStr(static_cast<int>(compteur++)) + "-" +
                                     IntToStr(static_cast<int>(alea() & 0xFFFFFF)) + ".tmp";
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::path(candidat), ec) && !ec)
            return candidat;
    }
    throw EChargeurXmp("Aucun nom temporaire libre pour " + nomFichier);
}

// Puts the file's data on the disk before it takes the season's name.
bool Synchronise(const std::string& nomFichier)
{
    const int fd = ::open(nomFichier.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
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

bool TChargeurXmp::ExtraitDocument(TMemoryStream& flux) const
{
    flux.Clear();
    if (!FileExists(nomFichier_))
        return false;
    TZipArchive zip;
    Prepare(zip, dossierDll_);
    zip.SetZipFileName(nomFichier_);
    if (zip.ZipFileName().empty())   // not an archive, or one that cannot be read
        return false;
    if (!ContientMembre(zip, NomMembre))
        return true;   // an archive, but not a season file
    TZipStream* s = zip.ExtractToStream(NomMembre);
    if (!s)
        return false;   // the member is there but cannot be extracted
    // The document changes hands without a copy (it may be tens of megabytes).
    flux.Bytes().swap(s->Bytes());
    flux.SetPosition(0);
    return true;
}

bool TChargeurXmp::LitEntete(TEntete& entete)
{
    TMemoryStream flux;
    if (!ExtraitDocument(flux))
        throw EChargeurXmp("Impossible de lire l'archive " + nomFichier_);
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
            return etatLecture;
        int total = 10;
        if (progression)
            progression(total);
        const TProgression suivi = [&](int t) {
            if (progression)
                progression(t);
        };

        TXmlStreamReader x(flux);
        if (x.ElementSuivant() == xmlFinFlux || UpperCase(x.Nom()) != "XML")
            return etatPasSaison;
        if (x.ElementSuivant() == xmlFinFlux || x.Nom() != "Gormelide")
            return etatPasSaison;
        if (x.ElementSuivant() != xmlDebut || x.Nom() != "Gormelide")
            return etatPasSaison;

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
        // written file) is not loaded: the season read in part would lose the
        // rest of it at the next save.
        if (j != xmlFin || x.FinAtteinte())
            etat = etatLecture;
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

void TChargeurXmp::EcritDocument(TSaison& saison, TMemoryStream& flux, const TProgressionFichier& progression)
{
    const TProgression suivi = [&](int t) {
        if (progression)
            progression(t);
    };
    flux.SetSize(0);   // emptied, keeping the room the caller may have reserved
    flux.SetPosition(0);
    TEcrivainSaison x(&flux);
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
    suivi(90);
}

bool TChargeurXmp::Sauve(TSaison& saison, const TProgressionFichier& progression)
{
    // 1. The document, in memory: written straight into the stream the archive
    //    component adds (no copy of it is made on the way).
    TZipArchive zip;
    Prepare(zip, dossierDll_);
    TMemoryStream& document = zip.EntryStream;
    document.SetCapacity(saison.Arbre().EstimationCharge() +
                         100LL * (saison.NbEquipe() + saison.NbClubPrec()) +
                         1000LL * saison.Joueurs().NbJoueur());
    EcritDocument(saison, document, progression);
    document.SetPosition(0);

    // 2. Never replace a file that is not a season archive: whatever it is, it
    //    is not ours to overwrite.
    const std::string cible = FichierReel(nomFichier_);
    if (FileExists(cible)) {
        // A file its owner made read-only is not replaced either.
        struct stat st {};
        if (::stat(cible.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR))
            throw EChargeurXmp("Le fichier " + nomFichier_ + " est en lecture seule : il n'est pas remplac\xE9.");
        TZipArchive existant;
        Prepare(existant, dossierDll_);
        existant.SetZipFileName(cible);
        if (existant.ZipFileName().empty())
            throw EChargeurXmp("Le fichier " + nomFichier_ + " n'est pas une archive : il n'est pas remplac\xE9.");
    }

    // 3. The new archive, complete, beside the file.
    const std::string temporaire = NomTemporaire(cible);
    TNettoyage nettoyage(temporaire);
    {
        zip.SetZipFileName(temporaire);
        zip.AddFromStream(NomMembre, 0, 0);
        if (zip.SuccessCount() != 1)
            throw EChargeurXmp("L'archive " + nomFichier_ + " n'a pas pu \xEAtre \xE9" "crite (" +
                               IntToStr(zip.ErrorCode()) + " " + zip.LastMessage() + ")");
    }
    // 4. Read back: the archive holds that document and nothing else.
    {
        TZipArchive relu;
        Prepare(relu, dossierDll_);
        relu.SetZipFileName(temporaire);
        TZipStream* s = relu.ZipFileName().empty() || relu.EntryCount() != 1 ? nullptr
                                                                                : relu.ExtractToStream(NomMembre);
        if (!s)
            throw EChargeurXmp("L'archive " + nomFichier_ + " \xE9" "crite ne se relit pas.");
        if (s->Size() != document.Size() ||
            std::memcmp(s->Memory(), document.Memory(), static_cast<size_t>(document.Size())) != 0)
            throw EChargeurXmp("L'archive " + nomFichier_ + " \xE9" "crite ne contient pas le document.");
    }
    if (!Synchronise(temporaire))
        throw EChargeurXmp("L'archive " + nomFichier_ + " n'a pas pu \xEAtre \xE9" "crite sur le disque.");

    // 5. The previous version becomes the backup, then the new archive takes the
    //    name in one step: at every moment a complete file holds the name.
    if (saison.OptionSauvegarde(1) && FileExists(cible)) {
        const std::string sauvegarde = NomSauvegarde(cible);
        if (FileExists(sauvegarde) && !DeleteFile(sauvegarde))
            throw EChargeurXmp("La sauvegarde " + sauvegarde + " n'a pas pu \xEAtre remplac\xE9" "e.");
        if (!CopyFile(cible, sauvegarde, true))
            throw EChargeurXmp("La sauvegarde " + sauvegarde + " n'a pas pu \xEAtre \xE9" "crite.");
    }
    if (!RenameFile(temporaire, cible))
        throw EChargeurXmp("L'archive " + nomFichier_ + " n'a pas pu prendre son nom.");
    nettoyage.Garde();
    if (progression)
        progression(100);
    return true;
}
