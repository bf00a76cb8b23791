// The member's deflate: pieces compressed apart and joined into one deflate
// stream; season files saved through it stay ordinary deflate members that the
// system's unzip reads, no larger than zlib's level 9 makes them.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <string>

#include "ZipTestSupport.h"
#include "files/ChargeurSaison.h"
#include "model/Saison.h"
#include "platform/rtl/Streams.h"
#include "platform/sys/ZipDeflate.h"
#include "tests/support/GrandeSaison.h"
#include "tests/support/SaisonBuilder.h"
#include "tests/support/UnCoeur.h"

namespace {

using namespace ziptest;

// Raw inflate (as a zip member is stored); "<bad>" when the stream is not whole.
std::string Inflate(const std::string& paquet, size_t taille)
{
    z_stream z{};
    inflateInit2(&z, -15);
    std::string sortie(taille + 1, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(paquet.data()));
    z.avail_in = static_cast<uInt>(paquet.size());
    z.next_out = reinterpret_cast<Bytef*>(sortie.data());
    z.avail_out = static_cast<uInt>(sortie.size());
    const int ret = inflate(&z, Z_FINISH);
    const bool whole = ret == Z_STREAM_END && z.avail_in == 0;
    sortie.resize(z.total_out);
    inflateEnd(&z);
    return whole ? sortie : "<bad>";
}

std::string Zlib9(const std::string& d)
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string sortie(deflateBound(&z, d.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(d.data()));
    z.avail_in = static_cast<uInt>(d.size());
    z.next_out = reinterpret_cast<Bytef*>(sortie.data());
    z.avail_out = static_cast<uInt>(sortie.size());
    deflate(&z, Z_FINISH);
    sortie.resize(z.total_out);
    deflateEnd(&z);
    return sortie;
}

uint32_t Crc(const std::string& d)
{
    return static_cast<uint32_t>(crc32(0L, reinterpret_cast<const Bytef*>(d.data()), static_cast<uInt>(d.size())));
}

zipdeflate::Result Deflate(const std::string& d, int niveau, size_t morceau, unsigned fils)
{
    return zipdeflate::Deflate(reinterpret_cast<const uint8_t*>(d.data()), d.size(), niveau, {}, morceau, fils);
}

// Text, random bytes and runs of one byte, in pieces whose streams end at every
// bit of their last byte.
TEST(ZipDeflate, PiecesJoinIntoOneStreamWhateverTheData)
{
    std::string donnees = xmlText(300000, 3) + randomBytes(70000, 4) + std::string(90000, 'a') + xmlText(50000, 5);
    for (size_t i = 0; i < 20000; ++i)
        donnees[static_cast<size_t>(i * 7919) % donnees.size()] = static_cast<char>(i);
    for (const size_t morceau : {size_t{1}, size_t{997}, size_t{4096}, size_t{65536}, size_t{1} << 20}) {
        const std::string part = morceau == 1 ? donnees.substr(0, 3000) : donnees;
        for (const int niveau : {1, 6, 9}) {
            const zipdeflate::Result r = Deflate(part, niveau, morceau, 4);
            ASSERT_TRUE(r.ok) << morceau << " " << niveau;
            EXPECT_EQ(Inflate(r.data, part.size()), part) << morceau << " " << niveau;
            EXPECT_EQ(r.crc, Crc(part));
        }
    }
}

TEST(ZipDeflate, TheStreamDoesNotDependOnTheThreads)
{
    const std::string donnees = xmlText(600000, 9);
    const zipdeflate::Result un = Deflate(donnees, 9, 50000, 1);
    const zipdeflate::Result huit = Deflate(donnees, 9, 50000, 8);
    ASSERT_TRUE(un.ok && huit.ok);
    EXPECT_EQ(un.data, huit.data);
    EXPECT_EQ(Inflate(un.data, donnees.size()), donnees);
}

// On one thread the member is zlib's own stream at that level, byte for byte,
// whatever room its output needed on the way (random bytes do not shrink).
TEST(ZipDeflate, OneThreadIsZlibsOwnStream)
{
    std::string hasard(3 << 20, '\0');
    uint32_t x = 7;
    for (char& c : hasard) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    for (const std::string& donnees : {xmlText(2500000, 3), hasard, std::string(5 << 20, 'a'), std::string("x")}) {
        const zipdeflate::Result r = Deflate(donnees, 9, zipdeflate::kPieceSize, 1);
        ASSERT_TRUE(r.ok);
        EXPECT_TRUE(r.data == Zlib9(donnees)) << donnees.size();
        EXPECT_EQ(r.crc, Crc(donnees));
    }
}

TEST(ZipDeflate, EmptyDataIsAnEmptyStream)
{
    const zipdeflate::Result r = Deflate("", 9, zipdeflate::kPieceSize, 0);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.crc, 0u);
    EXPECT_EQ(Inflate(r.data, 0), "");
}

TEST(ZipDeflate, CancelledFromTheProgress)
{
    const std::string donnees = xmlText(400000, 2);
    for (const unsigned fils : {1u, 4u}) {
        // On one thread the progress comes after every piece; on several, as
        // pieces end, and at least once at the end.
        int appels = 0;
        const int arret = fils == 1 ? 3 : 1;
        const zipdeflate::Result r = zipdeflate::Deflate(
            reinterpret_cast<const uint8_t*>(donnees.data()), donnees.size(), 9,
            [&](uint64_t fait) {
                EXPECT_LE(fait, donnees.size());
                return ++appels == arret;
            },
            10000, fils);
        EXPECT_TRUE(r.cancelled) << fils;
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.data.empty());
        EXPECT_EQ(appels, arret);
    }
}

// A generated season of several pieces saved through the real road, on every
// core and on one: a deflate member the system's unzip tests and extracts, and
// no larger than zlib's level 9 of the same document.
TEST(ZipDeflate, ASavedSeasonIsADeflateMemberNoLargerThanZlibLevelNine)
{
    ScratchDir dossier;
    for (const int cas : {0, 2, 10, 12}) {
        const int sport = cas % 10;
        std::unique_ptr<essai::TUnCoeur> unCoeur;
        if (cas >= 10) {
            unCoeur = std::make_unique<essai::TUnCoeur>();
            ASSERT_EQ(zipdeflate::AvailableCores(), 1u);
        }
        essai::TParamsGrandeSaison p;
        p.sport = sport;
        p.nbChamps = 12;
        p.nbJoueurs = 1500;
        const auto g = essai::GenereGrandeSaison(p);
        TMemoryStream m;
        TChargeurXmp::EcritDocument(*g->saison, m);
        const std::string document(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
        ASSERT_GT(document.size(), 2 * zipdeflate::kPieceSize);

        const std::string fichier = dossier / ("saison" + std::to_string(cas) + ".xmc");
        ASSERT_TRUE(TChargeurXmp(fichier, "Dll\\").Sauve(*g->saison, {}));

        int etat = -1;
        const std::string liste = run("unzip -v '" + fichier + "'", &etat);
        EXPECT_EQ(etat, 0) << liste;
        EXPECT_NE(liste.find("Defl:"), std::string::npos) << liste;
        run("unzip -tq '" + fichier + "' >/dev/null 2>&1", &etat);
        EXPECT_EQ(etat, 0);
        // The saved document carries the time of its writing: compare the rest.
        // (EXPECT_TRUE, not EXPECT_EQ: a failure must not print megabytes.)
        const std::string extrait = run("unzip -p '" + fichier + "'");
        EXPECT_EQ(extrait.size(), document.size());
        EXPECT_TRUE(essai::SansDate(extrait) == essai::SansDate(document));

        TZipArchive zip;
        zip.Unattended = true;
        zip.SetZipFileName(fichier);
        ASSERT_EQ(zip.EntryCount(), 1);
        EXPECT_EQ(zip.DirEntry(0).Method, 8);
        EXPECT_EQ(zip.DirEntry(0).UnpackedSize, extrait.size());
        EXPECT_EQ(zip.DirEntry(0).Crc32, Crc(extrait));
        EXPECT_LE(zip.DirEntry(0).PackedSize, Zlib9(extrait).size()) << "sport " << sport << (cas >= 10 ? ", one core" : "");
        EXPECT_TRUE(extractEntry(fichier, zip.DirEntry(0).NameText) == extrait);
    }
}

}  // namespace
