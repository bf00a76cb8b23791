// Shared set-up of the season-file tests: French texts and the skin module, a
// scratch folder, seasons of the four sports, and folders where a save fails
// for real (a read-only or full small tmpfs when the test may mount one, a
// file-size limit otherwise).
#pragma once

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "files/ChargeurSaison.h"
#include "files/ZipArchive.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/DessinEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/ChoixDesign.h"
#include "ui/Dessin.h"

namespace fichiers {

using dessin_essai::DossierDonnees;

// French texts and the skin module with the blue design, once.
inline void Environnement()
{
    static const bool fait = [] {
        if (!Traducteur())
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
        auto* d = new TDessin(nullptr, DossierDonnees());
        Tf_ChoixDesign::ChargeDesign(DossierDonnees(), 1, d->Couleurs);
        return true;
    }();
    (void)fait;
}

class Dossier
{
public:
    Dossier()
    {
        std::string modele = (std::filesystem::temp_directory_path() / "bzsaisonXXXXXX").string();
        chemin_ = ::mkdtemp(modele.data()) ? modele : std::string();
    }
    ~Dossier()
    {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    Dossier(const Dossier&) = delete;
    Dossier& operator=(const Dossier&) = delete;
    const std::string& Chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }

private:
    std::string chemin_;
};

inline std::string Lit(const std::string& nom)
{
    std::ifstream in(nom, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

inline void Ecrit(const std::string& nom, const std::string& octets)
{
    std::ofstream out(nom, std::ios::binary | std::ios::trunc);
    out.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

// Output of a shell command and its exit status.
inline std::string Commande(const std::string& commande, int* statut = nullptr)
{
    std::string sortie;
    FILE* p = ::popen(commande.c_str(), "r");
    if (!p)
        return sortie;
    char tampon[4096];
    size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, p)) > 0)
        sortie.append(tampon, n);
    const int rc = ::pclose(p);
    if (statut)
        *statut = WEXITSTATUS(rc);
    return sortie;
}

// The member of a season file, as the archive component extracts it.
inline std::string Membre(const std::string& fichier, const std::string& nom = TChargeurXmp::NomMembre)
{
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(fichier);
    TZipStream* s = zip.ExtractToStream(nom);
    if (!s)
        return {};
    return std::string(reinterpret_cast<const char*>(s->Memory()), static_cast<size_t>(s->Size()));
}

// An archive holding one member of that name and content.
inline bool EcritArchive(const std::string& fichier, const std::string& nom, const std::string& contenu)
{
    TMemoryStream m;
    m.WriteBuffer(contenu.data(), static_cast<long>(contenu.size()));
    m.SetPosition(0);
    TZipArchive zip;
    zip.Unattended = true;
    zip.EntryStream.LoadFromStream(m);
    zip.SetZipFileName(fichier);
    zip.AddFromStream(nom, 0, 0);
    return zip.SuccessCount() == 1;
}

// The season document of a season.
inline std::string Document(TSaison& s)
{
    TMemoryStream m;
    TChargeurXmp::EcritDocument(s, m);
    return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

// The document without the time of its writing (the LastModif line of its
// Championnats element).
inline std::string SansHorodatage(const std::string& doc)
{
    const size_t c = doc.find("<Championnats>");
    const size_t p = c == std::string::npos ? c : doc.find("<LastModif>", c);
    if (p == std::string::npos)
        return doc;
    const size_t f = doc.find("\r\n", p);
    return doc.substr(0, p) + doc.substr(f == std::string::npos ? doc.size() : f + 2);
}

// A season of the sport: the whole season of the model's tests where the sport
// has championships, else teams, players, referees and save options.
inline std::unique_ptr<TSaison> Saison(int sport)
{
    auto essai = TMultiSport::CreeSaison(sport);
    if (essai && essai->CreeChampionnat(0, 0)) {
        essai::TSaisonComplete c(sport);
        return std::move(c.saison);
    }
    auto s = TMultiSport::CreeSaison(sport);
    s->Pays().AjoutePays("France");
    for (int t = 0; t < 6; ++t)
        s->AjouteEquipe(L1("Équipe ") + IntToStr(t));
    for (int t = 0; t < 6; ++t)
        for (int k = 0; k < 4; ++k) {
            std::string nom = "Joueur", prenom = "P";
            nom += IntToStr(t);
            prenom += IntToStr(k);
            auto p = s->CreeJoueur(nom, prenom, -1, t);
            p->Maillot = static_cast<uint8_t>(k + 4);
            p->CodePays = 0;
            s->Joueurs().AjouteJoueur(std::move(p));
        }
    s->Arbitres().AjoutePersonnel(std::make_unique<TPersonnelStat>(-1, 40, "Marc", "Arbitre"));
    s->SetOptionSauvegarde(0, 5);
    return s;
}

// A folder on a small tmpfs of its own (when this process may mount one).
class Montage
{
public:
    explicit Montage(size_t taille)
    {
        if (::geteuid() != 0)
            return;
        if (::mount("tmpfs", dossier_.Chemin().c_str(), "tmpfs", 0, ("size=" + std::to_string(taille)).c_str()) == 0)
            monte_ = true;
    }
    ~Montage()
    {
        if (monte_)
            ::umount2(dossier_.Chemin().c_str(), MNT_DETACH);
    }
    bool Monte() const { return monte_; }
    std::string operator/(const std::string& nom) const { return dossier_ / nom; }
    // Read-only from now on, for everyone (root included).
    bool LectureSeule()
    {
        return monte_ && ::mount("tmpfs", dossier_.Chemin().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Fills the free space.
    void Remplit()
    {
        std::ofstream out(dossier_ / "remplissage", std::ios::binary);
        const std::string bloc(4096, 'x');
        for (int i = 0; i < 100000 && out; ++i)
            out.write(bloc.data(), static_cast<std::streamsize>(bloc.size()));
    }

private:
    Dossier dossier_;
    bool monte_ = false;
};

// While it lives, files cannot grow past `octets`: writes beyond come up short,
// as on a full disk.
class LimiteTaille
{
public:
    explicit LimiteTaille(rlim_t octets)
    {
        ancien_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &sauve_);
        rlimit l = sauve_;
        l.rlim_cur = octets;
        ::setrlimit(RLIMIT_FSIZE, &l);
    }
    ~LimiteTaille()
    {
        ::setrlimit(RLIMIT_FSIZE, &sauve_);
        std::signal(SIGXFSZ, ancien_);
    }
    LimiteTaille(const LimiteTaille&) = delete;
    LimiteTaille& operator=(const LimiteTaille&) = delete;

private:
    rlimit sauve_{};
    void (*ancien_)(int) = nullptr;
};

}  // namespace fichiers
