#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/ioFile.h"
#include "platform/rtl/Exceptions.h"

namespace {

struct Fichier
{
    std::string nom;
    explicit Fichier(const std::string& contenu)
    {
        std::string modele = (std::filesystem::temp_directory_path() / "bzlecteurXXXXXX").string();
        const int fd = mkstemp(modele.data());
        close(fd);
        nom = modele;
        std::ofstream(nom, std::ios::binary).write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
    }
    ~Fichier() { std::filesystem::remove(nom); }
};

std::string Octets(size_t n)
{
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return s;
}

} // namespace

TEST(LecteurFichier, ReadsAFileLongerThanTheBufferByteByByte)
{
    const std::string contenu = Octets(4097);
    Fichier f(contenu);
    TLecteurFichier l(f.nom);
    for (size_t i = 0; i < contenu.size(); ++i) {
        ASSERT_EQ(l.LitOctet(), static_cast<uint8_t>(contenu[i])) << i;
        ASSERT_FALSE(l.FinFichier()) << i;
    }
    EXPECT_EQ(l.LitOctet(), 0);
    EXPECT_TRUE(l.FinFichier());
}

TEST(LecteurFichier, ReadsPastTheEndStaySafeAndFlagged)
{
    for (size_t taille : {size_t{0}, size_t{1}, size_t{4096}, size_t{8192}}) {
        Fichier f(Octets(taille));
        TLecteurFichier l(f.nom);
        for (size_t i = 0; i < taille; ++i)
            l.LitOctet();
        EXPECT_FALSE(l.FinFichier()) << taille;
        // Many reads past the end: always 0, never outside the buffer.
        for (int i = 0; i < 10000; ++i)
            ASSERT_EQ(l.LitOctet(), 0);
        EXPECT_TRUE(l.FinFichier()) << taille;
    }
}

TEST(LecteurFichier, RefillKeepsTheLastBytes)
{
    const std::string contenu = Octets(5000);
    Fichier f(contenu);
    TLecteurFichier l(f.nom);
    for (int i = 0; i < 4096; ++i)
        l.LitOctet();
    // Keep the last 10 bytes of the first fill; 904 bytes of the file remain.
    EXPECT_EQ(l.Remplit(10), 10 + 904);
    for (int i = 4086; i < 5000; ++i)
        ASSERT_EQ(l.LitOctet(), static_cast<uint8_t>(contenu[static_cast<size_t>(i)])) << i;
    l.LitOctet();
    EXPECT_TRUE(l.FinFichier());
}

TEST(LecteurFichier, MissingFileRaises)
{
    EXPECT_THROW(TLecteurFichier("/nonexistent/bz/none.txt"), EInOutError);
}
