// Helpers of the model tests: a scratch folder, files written byte for byte,
// documents written to and read from memory.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "model/ioXml.h"
#include "platform/rtl/Streams.h"

class DossierTemp
{
public:
    DossierTemp()
    {
        std::string modele = (std::filesystem::temp_directory_path() / "bzmodelXXXXXX").string();
        chemin_ = ::mkdtemp(modele.data()) ? modele : std::string();
    }
    ~DossierTemp()
    {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    DossierTemp(const DossierTemp&) = delete;
    DossierTemp& operator=(const DossierTemp&) = delete;
    std::string Fichier(const std::string& nom) const { return chemin_ + "/" + nom; }
    // Writes the bytes as they are and gives the path.
    std::string Ecrit(const std::string& nom, const std::string& octets) const
    {
        const std::string f = Fichier(nom);
        std::ofstream(f, std::ios::binary) << octets;
        return f;
    }

private:
    std::string chemin_;
};

inline std::string LitFichier(const std::string& f)
{
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string Octets(TMemoryStream& m)
{
    return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

// The bytes a memory-stream writer produces.
inline std::string Document(const std::function<void(TXmlWriter&)>& f, bool declaration = true)
{
    TMemoryStream m;
    {
        TXmlMemoryStreamWriter w(&m, declaration);
        f(w);
    }
    return Octets(m);
}

inline void Remplit(TMemoryStream& m, const std::string& octets)
{
    m.Clear();
    m.WriteBuffer(octets.data(), static_cast<long>(octets.size()));
    m.SetPosition(0);
}

struct Jeton
{
    int code;
    std::string nom;
    std::string texte;
    bool operator==(const Jeton& o) const { return std::tie(code, nom, texte) == std::tie(o.code, o.nom, o.texte); }
};

inline std::ostream& operator<<(std::ostream& os, const Jeton& j)
{
    return os << "{" << j.code << ", \"" << j.nom << "\", \"" << j.texte << "\"}";
}

// Every token of a reader up to the end of input (at most limite).
inline std::vector<Jeton> Jetons(TXmlReader& r, int limite = 100000)
{
    std::vector<Jeton> v;
    for (int i = 0; i < limite; ++i) {
        const int c = r.ElementSuivant();
        v.push_back({c, r.Nom(), r.Texte()});
        if (c == xmlFinFlux)
            break;
    }
    return v;
}

inline std::vector<Jeton> JetonsFlux(const std::string& octets)
{
    TMemoryStream m;
    Remplit(m, octets);
    TXmlStreamReader r(m);
    return Jetons(r);
}
