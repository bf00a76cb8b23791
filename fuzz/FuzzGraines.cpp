// Writes the seed corpora of the fuzzers whose inputs the program itself
// makes: the season documents of small generated seasons and of the complete
// test seasons of the four sports (XML, and behind the season fuzzer's sport
// byte), season files (the central directory fuzzer), history files, and
// document pieces behind the deflate fuzzer's two option bytes.
//   fuzz_graines <xml> <season> [<zipdir> <history> <deflate>]   (folders)
#include <cstdio>
#include <string>

#include <unistd.h>

#include <fstream>
#include <iterator>

#include "engine/historique.h"
#include "files/ChargeurSaison.h"
#include "files/ZipArchive.h"
#include "platform/rtl/Files.h"
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

std::string LitFichier(const std::string& fichier)
{
    std::ifstream f(fichier, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The season file of a document, as the program writes it.
std::string Archive(const std::string& document)
{
    const std::string fichier = GetTempDir() + "graine_" + std::to_string(::getpid()) + ".xmc";
    DeleteFile(fichier);
    TZipArchive zip;
    zip.Unattended = true;
    zip.SetZipFileName(fichier);
    zip.EntryStream.Write(document.data(), static_cast<long>(document.size()));
    zip.AddFromStream(TChargeurXmp::NomMembre, 0, 0);
    std::string octets = LitFichier(fichier);
    DeleteFile(fichier);
    return octets;
}

// Every occurrence of a by b.
std::string Remplace(std::string s, const std::string& a, const std::string& b)
{
    for (size_t p = s.find(a); p != std::string::npos; p = s.find(a, p + b.size()))
        s.replace(p, a.size(), b);
    return s;
}

// The same document as an editor may leave it: a byte-order mark, comments
// and processing instructions between entries, blanks around "=" and around
// numbers, character references and CDATA sections in texts and values.
std::string Variante(const std::string& d)
{
    std::string v = Remplace(d, "</Nom>\r\n", "</Nom><!-- c -->\r\n");
    v = Remplace(v, "</Option>\r\n", "</Option>\r\n<?note x?>\r\n");
    v = Remplace(v, "=\"", " = \"");
    v = Remplace(v, "<Tit ", "<Tit\r\n\t");
    v = Remplace(v, "<s1>", "<s1> ");
    v = Remplace(v, "</Capitaine>", " </Capitaine>");
    v = Remplace(v, "<Pts>", "<Pts>&#32;");
    v = Remplace(v, "<e1>", "<e1><![CDATA[]]>");
    v = Remplace(v, "<Nom>A", "<Nom>&#65;");
    v = Remplace(v, "<Nom>S", "<Nom>&#x53;&amp;");
    return "\xEF\xBB\xBF" + v;
}

// A history file of n teams over a few seasons.
std::string Historique(int n, int nbSaisons)
{
    TStat st;
    for (int i = 0; i < n; ++i)
        st.IdEquipe("Equipe " + std::to_string(i));
    for (int s = 1; s <= nbSaisons; ++s) {
        auto saison = std::make_unique<TSaisonStat>(n, s);
        saison->SystemePoints = static_cast<uint8_t>(s % 4);
        for (int i = 0; i < n; ++i)
            saison->AjouteEquipe((i + s) % n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                if (i != j && (i + j + s) % 5 != 0)
                    saison->EcritResultat(i, j, (i * 3 + s) % 6, (j + s) % 4);
        st.AjouteSaison(std::move(saison));
    }
    std::string octets;
    st.EcritOctets(octets);
    return octets;
}

}   // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "fuzz_graines <xml folder> <season folder>\n");
        return 2;
    }
    const std::string xml = argv[1], saison = argv[2];
    const std::string zipdir = argc > 3 ? argv[3] : "", historique = argc > 4 ? argv[4] : "",
                      deflate = argc > 5 ? argv[5] : "";
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
        Ecrit(xml + "/variante" + std::to_string(sport) + ".xml", Variante(petite));
        Ecrit(saison + "/variante" + std::to_string(sport), std::string(1, static_cast<char>(sport)) + Variante(petite));
        Ecrit(saison + "/petite" + std::to_string(sport), std::string(1, static_cast<char>(sport)) + petite);
        Ecrit(saison + "/petite_fichier" + std::to_string(sport),
              std::string(1, static_cast<char>(0x70 | sport)) + petite);
        if (!zipdir.empty())
            Ecrit(zipdir + "/saison" + std::to_string(sport) + ".xmc", Archive(petite));
        if (!deflate.empty())
            // Piece size byte, level byte, then a piece of the document.
            Ecrit(deflate + "/document" + std::to_string(sport),
                  std::string{static_cast<char>(3 + 2 * sport), static_cast<char>(8)} + petite.substr(0, 60000));
        {
            // A large season near the 4 MB the XML and season targets take.
            essai::TParamsGrandeSaison q;
            q.sport = sport;
            q.nbChamps = 3;
            q.nbEquipes = 12;
            q.nbJoueurs = 400;
            q.nbArbitres = 20;
            auto grande = essai::GenereGrandeSaison(q);
            const std::string d = Document(*grande->saison);
            if (d.size() < (4u << 20)) {
                Ecrit(xml + "/grande" + std::to_string(sport) + ".xml", d);
                Ecrit(saison + "/grande" + std::to_string(sport), std::string(1, static_cast<char>(sport)) + d);
            }
        }
        if (sport < 2) {
            essai::TSaisonComplete c(sport);
            const std::string complete = Document(*c.saison);
            Ecrit(xml + "/complete" + std::to_string(sport) + ".xml", complete);
            Ecrit(saison + "/complete" + std::to_string(sport), std::string(1, static_cast<char>(sport)) + complete);
        }
    }
    if (!zipdir.empty()) {
        Ecrit(zipdir + "/vide.xmc", Archive(""));
        Ecrit(zipdir + "/vide", "");
    }
    if (!historique.empty()) {
        Ecrit(historique + "/stat12_1.txt", Historique(20, 3));
        Ecrit(historique + "/stat3_2.txt", Historique(6, 1));
        Ecrit(historique + "/vide_1.txt", Historique(0, 0));
    }
    if (!deflate.empty()) {
        Ecrit(deflate + "/court", std::string("\x00\x09<a>1</a>", 10));
        Ecrit(deflate + "/repete", std::string("\xff\x01") + std::string(5000, 'x'));
    }
    return 0;
}
