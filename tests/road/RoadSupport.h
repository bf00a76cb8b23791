// Shared set-up of the season-road tests: a scratch folder, the season
// document of a season, and the bytes of a season file.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <new>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "files/ChargeurSaison.h"
#include "files/TraiteurFichier.h"
#include "files/ZipArchive.h"
#include "platform/rtl/Files.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Streams.h"

namespace route {

class Dossier
{
public:
    Dossier()
    {
        std::string modele = (std::filesystem::temp_directory_path() / "bzrouteXXXXXX").string();
        chemin_ = ::mkdtemp(modele.data()) ? modele : std::string();
    }
    ~Dossier()
    {
        std::error_code ec;
        if (!chemin_.empty())
            std::filesystem::remove_all(chemin_, ec);
    }
    Dossier(const Dossier&) = delete;
    Dossier& operator=(const Dossier&) = delete;
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }

private:
    std::string chemin_;
};

// The names in the folder, hidden ones and folders included, sorted.
inline std::vector<std::string> Fichiers(const Dossier& d)
{
    std::vector<std::string> noms;
    for (const char* masque : {"*", ".*"})
        for (const TSearchRec& r : ListFiles(d / "", masque, true))
            if (r.Name != "." && r.Name != "..")
                noms.push_back(r.Name);
    std::sort(noms.begin(), noms.end());
    noms.erase(std::unique(noms.begin(), noms.end()), noms.end());
    return noms;
}

// The French texts of the data folder, once.
inline void InstalleTextes()
{
    if (Traducteur())
        return;
    const char* d = std::getenv("BZ_DATA_DIR");
    const std::string dossier = d && *d ? std::string(d) : std::string(".");
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dossier, "texte\\Textefr.txt")));
}

// The whole season document as the file holds it.
inline std::string Document(TSaison& s)
{
    TMemoryStream m;
    TChargeurXmp::EcritDocument(s, m);
    return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

// The document without the time of its writing.
inline std::string SansHorodatage(std::string doc)
{
    const size_t p = doc.find("<LastModif>");
    if (p != std::string::npos)
        doc.erase(p, doc.find("</LastModif>", p) - p);
    return doc;
}

inline std::string LitOctets(const std::string& fichier)
{
    std::ifstream f(fichier, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

inline void EcritOctets(const std::string& fichier, const std::string& octets)
{
    std::ofstream f(fichier, std::ios::binary | std::ios::trunc);
    f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

// Through the load road of the open command (which keeps the reason of a
// failure for its message).
inline uint8_t Charge(const std::string& fichier, std::unique_ptr<TSaison>& s, int sport = sportTous)
{
    return TTraiteurFichier::ChargeFichier(fichier, s, "Dll\\", {}, EnsembleSport(sport), true, nullptr);
}

// The bytes of a season file holding the given member text.
inline std::string ArchiveDe(const std::string& fichier, const std::string& membre)
{
    DeleteFile(fichier);
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(fichier);
    zip.EntryStream.Write(membre.data(), static_cast<long>(membre.size()));
    zip.AddFromStream(TChargeurXmp::NomMembre, 0, 0);
    return zip.SuccessCount() == 1 ? LitOctets(fichier) : std::string();
}

// Runs f in a child process whose address space may grow by at most `marge`
// bytes beyond what it has at its start; an allocation beyond ends the child
// with status 3. The child's exit status (f's answer), or -1 when it was
// killed.
template <class F>
int EnfantLimite(size_t marge, F f)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        size_t pages = 0;
        if (FILE* m = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(m, "%zu", &pages) != 1)
                pages = 0;
            std::fclose(m);
        }
        const rlim_t limite = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + marge;
        rlimit r{limite, limite};
        ::setrlimit(RLIMIT_AS, &r);
        std::set_new_handler([] { ::_exit(3); });
        ::_exit(f());
    }
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -WTERMSIG(statut);
}

}   // namespace route
