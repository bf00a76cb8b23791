// The crest catalogue and the picture store on disk: the index and scan rules,
// additions that never overwrite, hostile names, damaged pictures.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "codecs/PngPicture.h"
#include "model/MultiSport.h"
#include "model/SaisonFiches.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "records/Blasons.h"
#include "records/ImageManager.h"
#include "tests/records/FichesEssai.h"

using namespace fiches_essai;

namespace {

std::string Index(const TBlasons& b)
{
    std::string s;
    for (int i = 0; i < b.Nombre(); ++i)
    {
        int id = 0, parent = 0;
        std::string nom;
        b.Element(i, id, parent, nom);
        s += IntToStr(id) + "-" + IntToStr(parent) + "-" + nom + "#";
    }
    return s;
}

}   // namespace

TEST(Blasons, IndexReadAsWritten)
{
    struct Cas
    {
        const char* fichier;
        const char* lu;
        int paysSuivant, equipeSuivante;
    };
    const Cas cas[] = {
        {"3-0-France#1004-3-Lyon#", "3-0-France#1004-3-Lyon#", 4, 1005},
        {"", "", 1, 1001},
        {"7-0-Bosnie-Herz\xE9govine#", "7-0-Bosnie-Herz\xE9govine#", 8, 1001},
        // Empty lines are skipped, the first one too.
        {"1-0-A#\r\n2-0-B#\r\n\r\n3-0-C#", "1-0-A#2-0-B#3-0-C#", 4, 1001},
        {"\r\n1-0-A#\n\n2-0-B#\r\n", "1-0-A#2-0-B#", 3, 1001},
        // After the last "#": one more entry when it starts with a number, else dropped.
        {"1-0-A#1001-1-Nord", "1-0-A#1001-1-Nord#", 2, 1002},
        {"1-0-A#reste sans fin", "1-0-A#", 2, 1001},
        {"sans diese", "", 1, 1001},
        // A piece that is no entry is left out.
        {"x-y-Rien#", "", 1, 1001},
        {"1-0-A#70000-0-B#2--1-C#3-0#4-0-D#", "1-0-A#4-0-D#", 5, 1001},
    };
    for (const Cas& c : cas)
    {
        Dossier d;
        ForceDirectories(d.Chemin("blasons"));
        WriteFileAtomic(d.Chemin("blasons/blasons.txt"), c.fichier);
        TBlasons b(d.Path());
        EXPECT_EQ(Index(b), c.lu) << c.fichier;
        const auto img = Carre(8, 0xFF2040A0);
        EXPECT_EQ(b.AjoutePays("P", *img), c.paysSuivant) << c.fichier;
        EXPECT_EQ(b.AjouteEquipe("E", 1, *img), c.equipeSuivante) << c.fichier;
    }
}

TEST(Blasons, AdditionsSavedCreatedAndNeverOverwritten)
{
    Dossier d;
    // No index at all: the first save creates it.
    auto b = std::make_unique<TBlasons>(d.Path());
    const auto rouge = Carre(10, 0xFFFF0000);
    // A picture on disk outside the index keeps its file: the add takes the next id.
    ForceDirectories(d.Chemin("blasons"));
    Carre(4, 0xFF00FF00)->SaveToFile(d.Chemin("blasons/1.png"));
    const int64_t avant = FileSize(d.Chemin("blasons/1.png"));
    EXPECT_EQ(b->AjoutePays("France", *rouge), 2);
    EXPECT_EQ(FileSize(d.Chemin("blasons/1.png")), avant);
    EXPECT_EQ(b->AjouteEquipe("Lyon", 2, *rouge), 1001);
    TBitmap vide;
    EXPECT_EQ(b->AjouteEquipe("Vide", 2, vide), -1);
    EXPECT_EQ(b->Nombre(), 2);
    ASSERT_TRUE(b->Sauve());
    std::string texte;
    ASSERT_TRUE(ReadFileBytes(d.Chemin("blasons/blasons.txt"), texte));
    EXPECT_EQ(texte, "2-0-France#1001-2-Lyon#");

    b = std::make_unique<TBlasons>(d.Path());
    EXPECT_EQ(b->Nombre(), 2);
    auto png = b->ChargeBlason(2);
    ASSERT_TRUE(png);
    EXPECT_EQ(png->Width(), 10);
    EXPECT_EQ(b->NomFichier(1001), d.Chemin("blasons/1001.png"));
    EXPECT_EQ(b->NomFichier(1), "");
    EXPECT_FALSE(b->ChargeBlason(1));   // on disk, not catalogued
    EXPECT_TRUE(b->RemplaceBlason(2, *Carre(6, 0xFF0000FF)));
    EXPECT_EQ(b->ChargeBlason(2)->Width(), 6);
    EXPECT_FALSE(b->RemplaceBlason(3, *rouge));

    // A damaged or missing crest answers none.
    WriteFileAtomic(d.Chemin("blasons/1001.png"), "\x89PNG\r\n\x1a\n\0\0");
    EXPECT_FALSE(b->ChargeBlason(1001));
    DeleteFile(d.Chemin("blasons/2.png"));
    EXPECT_FALSE(b->ChargeBlason(2));
}

TEST(Blasons, LimitsOfTheIds)
{
    Dossier d;
    ForceDirectories(d.Chemin("blasons"));
    WriteFileAtomic(d.Chemin("blasons/blasons.txt"), "99-0-A#65534-99-B#");
    TBlasons b(d.Path());
    const auto img = Carre(4, 0xFF000000);
    EXPECT_EQ(b.AjoutePays("C", *img), 100);
    EXPECT_EQ(b.AjoutePays("D", *img), -1);
    EXPECT_EQ(b.AjouteEquipe("E", 99, *img), 65535);
    EXPECT_EQ(b.AjouteEquipe("F", 99, *img), -1);
    EXPECT_EQ(b.Nombre(), 4);
}

// An index holding anything but entries is damaged: its entries are read,
// its bytes stay while it is only read, and the first write keeps it aside
// whole before the index is written again.
TEST(Blasons, DamagedIndexIsKeptBeforeItIsWritten)
{
    struct Cas
    {
        const char* nom;
        std::string fichier;
        bool endommage;
        int entrees;
    };
    const Cas cas[] = {
        {"empty first line", "\r\n3-0-France#1004-3-Lyon#", false, 2},
        {"several lines", "3-0-France#\r\n1004-3-Lyon#\r\n", false, 2},
        {"cut in an entry", "3-0-France#1004-3", true, 1},
        {"cut in a name", "3-0-France#1004-3-Ly", false, 2},
        {"garbage after the entries", "3-0-France#\x01\x02\xFFzz", true, 1},
        {"garbage", std::string("\x89PNG\r\n\x1a\n\0\0#\0", 12), true, 0},
        {"id out of range", "3-0-France#99999999999-3-Lyon#", true, 1},
        {"negative parent", "3-0-France#1004--3-Lyon#", true, 1},
        {"id not a number", "3-0-France#x-3-Lyon#", true, 1},
        {"blanks only after the last entry", "3-0-France#  \r\n", false, 1},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        Dossier d;
        ForceDirectories(d.Chemin("blasons"));
        const std::string index = d.Chemin("blasons/blasons.txt");
        WriteFileAtomic(index, c.fichier);
        TBlasons b(d.Path());
        EXPECT_EQ(b.Endommage(), c.endommage);
        EXPECT_EQ(b.Nombre(), c.entrees);
        std::string lu;
        ASSERT_TRUE(ReadFileBytes(index, lu));
        EXPECT_EQ(lu, c.fichier);

        ASSERT_GT(b.AjoutePays("Italie", *Carre(4, 0xFF00FF00)), 0);
        ASSERT_TRUE(b.Sauve());
        EXPECT_FALSE(b.Endommage());
        std::string garde;
        if (c.endommage)
        {
            EXPECT_EQ(b.CopieGardee(), index + ".bak");
            ASSERT_TRUE(ReadFileBytes(index + ".bak", garde));
            EXPECT_EQ(garde, c.fichier);
        }
        else
        {
            EXPECT_EQ(b.CopieGardee(), "");
            EXPECT_FALSE(FileExists(index + ".bak"));
        }
        TBlasons relu(d.Path());
        EXPECT_FALSE(relu.Endommage());
        EXPECT_EQ(relu.Nombre(), c.entrees + 1);
    }
}

// The temporary file of an index write killed midway is removed by the next
// write; one of a writer still running stays.
TEST(Blasons, NextSaveRemovesWhatAKilledSaveLeft)
{
    Dossier d;
    ForceDirectories(d.Chemin("blasons"));
    WriteFileAtomic(d.Chemin("blasons/blasons.txt"), "1-0-A#");
    const pid_t fils = ::fork();
    if (fils == 0)
        ::_exit(0);
    int statut = 0;
    ::waitpid(fils, &statut, 0);
    const std::string mort = d.Chemin("blasons/.blasons.txt." + std::to_string(fils) + ".1.9c.tmp");
    const std::string vivant = d.Chemin("blasons/.blasons.txt." + std::to_string(::getpid()) + ".4.9c.tmp");
    WriteFileAtomic(mort, "1-0-A#2-0");
    WriteFileAtomic(vivant, "1-0-A#");
    TBlasons b(d.Path());
    ASSERT_TRUE(b.Sauve());
    EXPECT_FALSE(FileExists(mort));
    EXPECT_TRUE(FileExists(vivant));
}

TEST(Blasons, InstalledCatalogueAnswersTheModel)
{
    Dossier d;
    ForceDirectories(d.Chemin("blasons"));
    WriteFileAtomic(d.Chemin("blasons/blasons.txt"), "1-0-A#");
    InstalleBlasons(std::make_unique<TBlasons>(d.Path()));
    EXPECT_EQ(NomFichierBlason(1), d.Chemin("blasons/1.png"));
    EXPECT_EQ(NomFichierBlason(2), "");
    InstalleBlasons(nullptr);
    EXPECT_EQ(NomFichierBlason(1), "");
}

TEST(ImageManager, ScanRules)
{
    Dossier d;
    const char* const fichiers[] = {"Joueur_12_Dupont.jpg", "JOUEUR_13_Durand.JPG", "Stade_3_Parc_des_Sports.jpg",
                                    "Joueur_5_J. Dupont.jpg", "Coach_1_X.jpg", "Arbitre_4_.jpg",
                                    "Stade_x_Nord.jpg", "Stade_1_Un.png", "arbitre_1_Caf\xC3\xA9.jpg",
                                    "arbitre_2_Caf\xE9.jpg"};
    ForceDirectories(d.Path());
    for (const char* f : fichiers)
        Photo(80, 60)->SaveToFile(d.Chemin(f));
    TImageManager m(d.Path());
    struct Cas
    {
        int genre;
        int32_t id;
        const char* nom;
    };
    const Cas cas[] = {{2, 12, "Dupont"},         {2, 13, "Durand"},     {0, 3, "Parc_des_Sports"},
                       {0, 0, "Nord"},            {1, 1, "Caf\xE9"},      {1, 2, "Caf\xE9"}};
    for (const Cas& c : cas)
        EXPECT_EQ(m.NomPhoto(c.genre, c.id), c.nom) << c.genre << " " << c.id;
    EXPECT_EQ(m.Nombre(0), 2);
    EXPECT_EQ(m.Nombre(1), 2);
    EXPECT_EQ(m.Nombre(2), 2);
    // Found under any case, opened again.
    ASSERT_TRUE(m.ChargeImage(2, 13));
    EXPECT_EQ(m.ChargeImage(2, 13)->Width(), 80);
    EXPECT_FALSE(m.ChargeImage(2, 14));
}

TEST(ImageManager, AddRenameDropAndHostileNames)
{
    Dossier d;
    const std::string pict = d.Chemin("pict");
    auto m = std::make_unique<TImageManager>(pict);
    const auto photo = Photo(40, 30);
    EXPECT_EQ(m->Ajoute(2, *photo, "Dupont"), 1);
    EXPECT_TRUE(FileExists(pict + "/joueur_1_Dupont.jpg"));
    // A file of the next id already there is kept: the add takes the one after.
    Photo(10, 10)->SaveToFile(pict + "/Joueur_2_Autre.jpg");
    EXPECT_EQ(m->Ajoute(2, *photo, "Martin"), 3);
    struct Cas
    {
        const char* tape;
        const char* nom;
    };
    const Cas noms[] = {{"../../etc/passwd", "etcpasswd"}, {"J. Dupont", "J Dupont"}, {"a/b\\c", "abc"},
                        {"  Caf\xE9\t", "Caf\xE9"},         {"x:y*z?\"<>|", "xyz"}};
    for (const Cas& c : noms)
        EXPECT_EQ(TImageManager::NettoieNom(c.tape), c.nom) << c.tape;
    EXPECT_EQ(m->Ajoute(0, *photo, "../.."), -1);
    EXPECT_EQ(m->Ajoute(0, TBitmap(), "Vide"), -1);
    EXPECT_EQ(m->Nombre(0), 0);

    EXPECT_TRUE(m->Renomme(2, 1, "Caf\xE9 Dupont"));
    EXPECT_TRUE(FileExists(pict + "/joueur_1_Caf\xC3\xA9 Dupont.jpg"));
    EXPECT_FALSE(m->Renomme(2, 1, ".."));
    // A rename that fails (a folder stands in the way) keeps the old name.
    Photo(10, 10)->SaveToFile(pict + "/joueur_3_Pris.jpg");
    ForceDirectories(pict + "/joueur_1_Pris.jpg/x");
    EXPECT_FALSE(m->Renomme(2, 1, "Pris"));
    EXPECT_FALSE(m->Renomme(2, 3, "Pris"));
    EXPECT_EQ(m->NomPhoto(2, 1), "Caf\xE9 Dupont");
    m->Supprime(2, 1);
    EXPECT_EQ(m->IndexPhoto(2, 1), m->Nombre(2));

    // A new store finds them again by the scan rules (the dropped one too).
    m = std::make_unique<TImageManager>(pict);
    EXPECT_EQ(m->NomPhoto(2, 1), "Caf\xE9 Dupont");
    EXPECT_EQ(m->NomPhoto(2, 3), "Martin");
    // A damaged file answers none.
    WriteFileAtomic(m->NomFichier(2, 3), "\xFF\xD8\xFF\xE0");
    EXPECT_FALSE(m->ChargeImage(2, 3));

    InstalleImageManager(std::move(m));
    EXPECT_EQ(NomFichierImage(2, 1), pict + "/joueur_1_Caf\xC3\xA9 Dupont.jpg");
    InstalleImageManager(nullptr);
    EXPECT_EQ(NomFichierImage(2, 1), "");
}

TEST(ImageManager, ImportsByRegisteredFormat)
{
    Prepare();
    Dossier d;
    auto transparent = Carre(12, 0xFFFF0000);
    transparent->SetTransparentColor(transparent->Pixels(0, 0));
    transparent->SaveToFile(d.Chemin("a.png"));
    Photo(20, 10)->SaveToFile(d.Chemin("b.jpg"));
    TBitmap bmp(7, 5);
    bmp.SaveToFile(d.Chemin("c.bmp"));
    WriteFileAtomic(d.Chemin("d.gif"), "GIF89a");
    std::string png;
    ReadFileBytes(d.Chemin("a.png"), png);
    WriteFileAtomic(d.Chemin("tronque.png"), png.substr(0, png.size() / 2));
    std::string erreur;
    for (const char* f : {"a.png", "b.jpg", "c.bmp"})
    {
        EXPECT_TRUE(ImportePhoto(d.Chemin(f), erreur)) << f << erreur;
        EXPECT_TRUE(ImporteBlason(d.Chemin(f), erreur)) << f << erreur;
    }
    // Transparent pixels on white.
    auto jpeg = ImportePhoto(d.Chemin("a.png"), erreur);
    EXPECT_GT(static_cast<int>((jpeg->Bitmap().Pixels(0, 0) >> 8) & 255), 240);
    EXPECT_LT(static_cast<int>((jpeg->Bitmap().Pixels(2, 0) >> 8) & 255), 40);

    const bool gif = TPicture::IsFileFormatRegistered("gif");
    if (!gif)
    {
        EXPECT_FALSE(ImporteBlason(d.Chemin("d.gif"), erreur));
        EXPECT_EQ(erreur, TraduireFormat(3301, {"d.gif"}));
    }
    // A stand-in GIF format: imports through the registry.
    TPicture::RegisterFileFormat("gif", "GIF", [] { return std::make_unique<TGifEssai>(); });
    EXPECT_TRUE(ImporteBlason(d.Chemin("d.gif"), erreur)) << erreur;
    if (!gif)
        TPicture::UnregisterFileFormat("gif");
    EXPECT_FALSE(ImporteBlason(d.Chemin("tronque.png"), erreur));
    EXPECT_EQ(erreur, TraduireFormat(3300, {"tronque.png"}));
}
