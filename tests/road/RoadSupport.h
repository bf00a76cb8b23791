// Shared set-up of the season-road tests: a scratch folder, the season
// document of a season, and the bytes of a season file.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "files/ChargeurSaison.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
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

inline uint8_t Charge(const std::string& fichier, std::unique_ptr<TSaison>& s, int sport = sportTous)
{
    TChargeurXmp c(fichier, "Dll\\");
    return c.Charge(s, EnsembleSport(sport), {}, true, nullptr);
}

}   // namespace route
