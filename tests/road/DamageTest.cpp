// Damaged season files: a truncated archive, a flipped byte in the member, a
// document cut in the middle of an element, huge declared sizes. Each gives a
// load status and its message, never a crash, a hang, a partial season or an
// unbounded allocation; the damaged file is left as it was.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <new>
#include <vector>

#include "files/TraiteurFichier.h"
#include "files/ZipArchive.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"
#include "tests/road/RoadSupport.h"
#include "tests/support/GrandeSaison.h"

using namespace route;

namespace {

uint32_t Lit32(const std::string& o, size_t p)
{
    return static_cast<uint32_t>(static_cast<uint8_t>(o[p])) | static_cast<uint32_t>(static_cast<uint8_t>(o[p + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(o[p + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(o[p + 3])) << 24;
}

void Ecrit32(std::string& o, size_t p, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        o[p + static_cast<size_t>(k)] = static_cast<char>((v >> (8 * k)) & 0xFF);
}

uint16_t Lit16(const std::string& o, size_t p)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(o[p]) | static_cast<uint8_t>(o[p + 1]) << 8);
}

class Dommages : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!Traducteur()) {
            const char* d = std::getenv("BZ_DATA_DIR");
            const std::string dossier = d && *d ? std::string(d) : std::string(".");
            InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dossier, "texte\\Textefr.txt")));
        }
    }

    void SetUp() override
    {
        g = essai::GenerePetiteSaison(0);
        sain = d / "sain.xmc";
        TChargeurXmp(sain, "Dll\\").Sauve(*g->saison, {});
        octets = LitOctets(sain);
        ASSERT_GT(octets.size(), 1000u);
        ASSERT_EQ(Lit32(octets, 0), 0x04034B50u);
    }

    // Loads the bytes as a season file: the status, checked to come with no
    // season (unless loaded), a message naming the file, and the file untouched.
    uint8_t ChargeOctets(const std::string& contenu, const std::string& nom = "abime.xmc")
    {
        const std::string fichier = d / nom;
        EcritOctets(fichier, contenu);
        std::unique_ptr<TSaison> s;
        const auto debut = std::chrono::steady_clock::now();
        const uint8_t etat = Charge(fichier, s);
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(10));
        EXPECT_EQ(s != nullptr, etat == etatCharge);
        if (etat != etatCharge) {
            std::string texte;
            TTraiteurFichier::MessageEtat(etat, nom, texte);
            EXPECT_NE(texte.find(nom), std::string::npos) << texte;
        }
        EXPECT_EQ(LitOctets(fichier), contenu);
        return etat;
    }

    // The archive of a given member text.
    std::string Archive(const std::string& membre)
    {
        const std::string fichier = d / "membre.xmc";
        DeleteFile(fichier);
        TZipArchive zip;
        zip.Unattended = true;
        zip.SetZipFileName(fichier);
        zip.EntryStream.Write(membre.data(), static_cast<long>(membre.size()));
        zip.AddFromStream(TChargeurXmp::NomMembre, 0, 0);
        EXPECT_EQ(zip.SuccessCount(), 1);
        return LitOctets(fichier);
    }

    // Offsets of the member's local header fields and of its central entry.
    size_t DebutDonnees() const { return 30u + Lit16(octets, 26) + Lit16(octets, 28); }
    size_t EntreeCentrale() const
    {
        const size_t p = octets.rfind(std::string("PK\x01\x02", 4));
        EXPECT_NE(p, std::string::npos);
        return p;
    }

    Dossier d;
    std::unique_ptr<essai::TGrandeSaison> g;
    std::string sain;
    std::string octets;
};

}   // namespace

TEST_F(Dommages, TheSoundFileLoads)
{
    EXPECT_EQ(ChargeOctets(octets, "copie.xmc"), etatCharge);
}

TEST_F(Dommages, ATruncatedArchiveIsAReadFailure)
{
    for (size_t coupe : {size_t{0}, size_t{4}, size_t{29}, octets.size() / 4, octets.size() / 2,
                         octets.size() - 60, octets.size() - 22, octets.size() - 1}) {
        SCOPED_TRACE(coupe);
        EXPECT_EQ(ChargeOctets(octets.substr(0, coupe)), etatLecture);
    }
}

TEST_F(Dommages, AFlippedByteInTheMemberIsAReadFailure)
{
    const size_t debut = DebutDonnees();
    const uint32_t taille = Lit32(octets, 18);
    for (size_t p : {debut + 5, debut + taille / 3, debut + taille / 2, debut + taille - 3}) {
        SCOPED_TRACE(p);
        std::string abime = octets;
        abime[p] = static_cast<char>(abime[p] ^ 0x5A);
        EXPECT_EQ(ChargeOctets(abime), etatLecture);
    }
}

// Data that inflates whole but does not match its CRC (the CRC changed in both
// headers): only the CRC check tells.
TEST_F(Dommages, AWrongCrcIsAReadFailure)
{
    const size_t central = EntreeCentrale();
    std::string abime = octets;
    const uint32_t crc = Lit32(octets, 14) ^ 0x00010000u;
    Ecrit32(abime, 14, crc);
    Ecrit32(abime, central + 16, crc);
    EXPECT_EQ(ChargeOctets(abime), etatLecture);
}

TEST_F(Dommages, ADocumentCutInTheMiddleOfAnElementIsNotLoadedInPart)
{
    const std::string doc = Document(*g->saison);
    // Inside a match, inside a player card, inside a tag, and just before the
    // root's end tag.
    const size_t match = doc.find("<Match>", doc.size() / 2);
    const size_t joueur = doc.find("<Joueur>");
    const size_t fin = doc.rfind("</Gormelide>");
    ASSERT_NE(match, std::string::npos);
    ASSERT_NE(joueur, std::string::npos);
    // A season read in part would lose the rest of it at the next save: a
    // document that ends before the root's end tag is a reading failure.
    for (size_t coupe : {match + 20, joueur + 40, match + 3, fin, fin + 5}) {
        SCOPED_TRACE(coupe);
        EXPECT_EQ(ChargeOctets(Archive(doc.substr(0, coupe))), etatLecture);
    }
    // The whole document through the same road loads.
    EXPECT_EQ(ChargeOctets(Archive(doc)), etatCharge);
}

TEST_F(Dommages, HugeDeclaredSizesAreReadFailuresWithoutTheAllocation)
{
    const size_t central = EntreeCentrale();
    struct TCas
    {
        size_t local, centrale;
        uint32_t valeur;
    };
    // Uncompressed size, then compressed size, in both headers.
    for (const TCas& c : {TCas{22, 24, 0xFFFFFFF0u}, TCas{22, 24, 0x7FFFFFFFu}, TCas{18, 20, 0xFFFFFFF0u}}) {
        SCOPED_TRACE(c.valeur);
        std::string abime = octets;
        Ecrit32(abime, c.local, c.valeur);
        Ecrit32(abime, central + c.centrale, c.valeur);
        // In a child whose address space is limited to 1 GB: an allocation of
        // the declared size fails there, and ends the child (status 3).
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            rlimit r{1u << 30, 1u << 30};
            ::setrlimit(RLIMIT_AS, &r);
            std::set_new_handler([] { ::_exit(3); });
            const std::string fichier = d / "enorme.xmc";
            EcritOctets(fichier, abime);
            std::unique_ptr<TSaison> s;
            ::_exit(Charge(fichier, s) == etatLecture && !s ? 0 : 1);
        }
        int statut = 0;
        ::waitpid(pid, &statut, 0);
        EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0) << statut;
    }
}
