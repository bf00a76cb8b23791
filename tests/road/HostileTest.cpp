// Season files made to hurt: shapes that once made the loader slow or hungry.
// Each loads or is refused with its message in a time proportional to its
// size (two sizes compared in one run) and within a memory bound (a child
// process whose address space may grow only by a small multiple of the
// document).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "model/ioXml.h"
#include "tests/support/TempsCpu.h"
#include "tests/road/RoadSupport.h"
#include "tests/support/GrandeSaison.h"

using namespace route;

namespace {

const std::string Entete = std::string(XmlDeclaration) +
                           "\r\n<!DOCTYPE Gormelide>\r\n<Gormelide Type=\"Simple\" Version=\"2\" format=\"foot\">\r\n";

std::string Repete(const std::string& motif, size_t n)
{
    std::string s;
    s.reserve(motif.size() * n);
    for (size_t i = 0; i < n; ++i)
        s += motif;
    return s;
}

struct Forme
{
    const char* quoi;
    std::function<std::string(size_t n)> document;
    size_t n;   // the larger size; the smaller is a quarter of it
};

class Hostile : public ::testing::Test
{
protected:
    // The status and reason of a load in a child whose address space may grow
    // by three times the document plus 64 MB (status 3: an allocation beyond).
    int ChargeBorne(const std::string& fichier, size_t tailleDocument, uint8_t attendu, int raison)
    {
        return EnfantLimite(3 * tailleDocument + (64u << 20), [&] {
            std::unique_ptr<TSaison> s;
            TChargeurXmp c(fichier, "Dll\\");
            const uint8_t etat = c.Charge(s, EnsembleSport(0), {}, false, nullptr);
            // A damaged document may be told with where it was refused.
            const bool memeRaison = c.Raison().texte == raison ||
                                    (raison == texteDocumentEndommage && c.Raison().texte == texteDocumentEndommageA);
            return etat == attendu && memeRaison ? 0 : 1;
        });
    }

    // The least CPU time of five loads, in seconds.
    static double Duree(const std::string& fichier)
    {
        return essai::MeilleurTempsCpu([&] {
            std::unique_ptr<TSaison> s;
            Charge(fichier, s, 0);
        });
    }

    Dossier d;
};

}   // namespace

TEST_F(Hostile, ShapesAreRefusedInLinearTimeAndBoundedMemory)
{
    const Forme formes[] = {
        // Values whose opening quote is never closed before a blank.
        {"unclosed quotes",
         [](size_t n) { return Entete + "<SaisonData>\r\n<Equipe" + Repete(" a=\"b", n) + ">\r\n"; }, 300000},
        // Short attributes on one element: each would cost far more than its bytes.
        {"many short attributes", [](size_t n) { return Entete + "<SaisonData" + Repete(" a=1", n) + ">\r\n"; },
         4000000},
        {"deep nesting", [](size_t n) { return Entete + "<SaisonData>\r\n" + Repete("<a>", n); }, 1000000},
    };
    for (const Forme& f : formes) {
        SCOPED_TRACE(f.quoi);
        double durees[2];
        for (int k = 0; k < 2; ++k) {
            const std::string doc = f.document(k == 0 ? f.n / 4 : f.n) + "</SaisonData>\r\n</Gormelide>\r\n";
            const std::string fichier = d / (std::to_string(k) + ".xmc");
            ASSERT_FALSE(ArchiveDe(fichier, doc).empty());
            EXPECT_EQ(ChargeBorne(fichier, doc.size(), etatLecture, texteDocumentEndommage), 0);
            durees[k] = Duree(fichier);
        }
        // Four times the input: at most four times the time, with room for
        // the noise of a shared machine (a quadratic reading takes sixteen).
        EXPECT_LT(durees[1], 8 * durees[0] + 0.05) << durees[0] << " s, then " << durees[1] << " s";
    }
}

// The attribute limit, and the size limit of the document, each just met and
// just passed: met, the season loads; passed, the file is refused with the
// reason, the oversized member without being inflated.
TEST_F(Hostile, LimitsJustMetLoadAndJustPassedAreRefused)
{
    auto g = essai::GenerePetiteSaison(0, 1, 4);
    const std::string doc = Document(*g->saison);
    const size_t racine = doc.find("<Gormelide ") + 10;
    const std::string fin = "</Gormelide>\r\n";
    struct Cas
    {
        const char* quoi;
        std::function<std::string()> document;   // made when needed: two are 256 MB
        uint8_t etat;
        int raison;
    };
    const size_t propres = static_cast<size_t>(std::count(doc.begin() + racine, doc.begin() + doc.find('>', racine), '='));
    auto attributs = [&](size_t n) {
        return [&doc, racine, propres, n] { return std::string(doc).insert(racine, Repete(" x=\"1\"", n - propres)); };
    };
    auto bourre = [&doc](size_t n) { return [&doc, n] { return doc + std::string(n - doc.size(), ' '); }; };
    // A match holding n shoot-outs kept aside, each for a score of its own
    // (their reading's time is a benchmark's: bench/BenchListesLues.cpp).
    auto tirs = [&doc](size_t n) {
        return [&doc, n] {
            std::string t;
            for (size_t i = 0; i < n; ++i)
                t += "<TirsRetires><s1>4</s1><s2>3</s2><Score1>" + std::to_string(i % 300) + "</Score1><Score2>" +
                     std::to_string(i / 300) + "</Score2></TirsRetires>";
            return std::string(doc).insert(doc.find("</Match>"), t);
        };
    };
    const size_t limite = static_cast<size_t>(TChargeurXmp::TailleMaxDocument);
    const Cas cas[] = {
        {"attributes at the limit", attributs(TXmlReader::MaxAttributs), etatCharge, 0},
        {"one attribute more", attributs(TXmlReader::MaxAttributs + 1), etatLecture, texteDocumentEndommage},
        {"document at the size limit", bourre(limite), etatCharge, 0},
        {"one byte more", bourre(limite + 1), etatLecture, texteDocumentTropGrand},
        {"a match with many shoot-outs kept aside", tirs(30000), etatCharge, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        const std::string fichier = d / "limite.xmc";
        size_t taille = 0;
        {
            const std::string document = c.document();
            taille = document.size();
            ASSERT_FALSE(ArchiveDe(fichier, document).empty());
        }
        // Refused: the oversized member is never inflated, so the bound of a
        // small document holds.
        const size_t borne = c.raison == texteDocumentTropGrand ? 1u << 20 : taille;
        EXPECT_EQ(ChargeBorne(fichier, borne, c.etat, c.raison), 0);
    }
}
