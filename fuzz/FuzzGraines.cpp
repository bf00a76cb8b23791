// Writes the seed corpora of the XML and season fuzzers into two folders:
// the season documents of small generated seasons and of the complete test
// seasons of the four sports (each behind its fuzzer's sport byte).
//   fuzz_graines <xml folder> <season folder>
#include <cstdio>
#include <string>

#include "files/ChargeurSaison.h"
#include "platform/rtl/Streams.h"
#include "tests/support/GrandeSaison.h"
#include "tests/support/SaisonBuilder.h"

namespace {

std::string Document(TSaison& s)
{
    TMemoryStream m;
    TChargeurXmp::EcritDocument(s, m);
    return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

void Ecrit(const std::string& fichier, const std::string& octets)
{
    if (FILE* f = std::fopen(fichier.c_str(), "wb")) {
        std::fwrite(octets.data(), 1, octets.size(), f);
        std::fclose(f);
    }
}

}   // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "fuzz_graines <xml folder> <season folder>\n");
        return 2;
    }
    const std::string xml = argv[1], saison = argv[2];
    for (int sport = 0; sport < 4; ++sport) {
        essai::TParamsGrandeSaison p;
        p.sport = sport;
        p.nbChamps = 2;
        p.nbEquipes = 2;
        p.nbJoueurs = 2 * (essai::EffectifMatch(sport) + 2);
        p.nbArbitres = 3;
        auto g = essai::GenereGrandeSaison(p);
        const std::string petite = Document(*g->saison);
        Ecrit(xml + "/petite" + std::to_string(sport) + ".xml", petite);
        Ecrit(saison + "/petite" + std::to_string(sport), std::string(1, static_cast<char>(sport)) + petite);
        Ecrit(saison + "/petite_fichier" + std::to_string(sport),
              std::string(1, static_cast<char>(0x70 | sport)) + petite);
        if (sport < 2) {
            essai::TSaisonComplete c(sport);
            const std::string complete = Document(*c.saison);
            Ecrit(xml + "/complete" + std::to_string(sport) + ".xml", complete);
            Ecrit(saison + "/complete" + std::to_string(sport), std::string(1, static_cast<char>(sport)) + complete);
        }
    }
    return 0;
}
