#include <gtest/gtest.h>


#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "TempDir.h"

namespace {

std::string Bytes(const std::string& name)
{
    std::string b;
    ReadFileBytes(name, b);
    return b;
}

} // namespace

TEST(IniFiles, MissingFileReadsAsEmpty)
{
    TempDir dir;
    TIniFile ini(dir.File("absent.ini"));
    EXPECT_EQ(ini.ReadString("General", "Langue", "fr"), "fr");
    EXPECT_EQ(ini.ReadInteger("General", "Taille", 12), 12);
    EXPECT_FALSE(ini.SectionExists("General"));
    TStringList l;
    l.Add("stale");
    ini.ReadSections(l);
    EXPECT_EQ(l.Count(), 0);
    EXPECT_FALSE(FileExists(ini.FileName()));   // reading creates nothing
}

TEST(IniFiles, WritesAreOnDiskAtOnceAndSeenByAnotherObject)
{
    TempDir dir;
    const std::string name = dir.File("brivantel.ini");
    TIniFile a(name);
    TIniFile b(name);
    a.WriteString("General", "Langue", "en");
    EXPECT_EQ(b.ReadString("general", "LANGUE", "fr"), "en");
    b.WriteInteger("GENERAL", "taille", 14);
    EXPECT_EQ(a.ReadInteger("General", "Taille", 0), 14);
    EXPECT_EQ(Bytes(name), "[General]\r\nLangue=en\r\ntaille=14\r\n");
    a.WriteString("Fenetre", "Gauche", "10");
    a.WriteString("General", "Langue", "de");   // in place, the section keeps its place
    EXPECT_EQ(Bytes(name), "[General]\r\nLangue=de\r\ntaille=14\r\n\r\n[Fenetre]\r\nGauche=10\r\n");
}

TEST(IniFiles, ReadsHandWrittenFiles)
{
    TempDir dir;
    const std::string name = dir.File("main.ini");
    ASSERT_TRUE(WriteFileAtomic(name,
        "; settings\n"
        "orphan=1\n"
        "[ Couleurs ]\n"
        "  Fond  =  $FF00  \n"
        "Texte=0x1a\n"
        "; Cadre=3\n"
        "Bordure=-7\n"
        "Mauvais=12a\n"
        "Vide=\n"
        "Cite=\"  a b  \"\r\n"
        "\r\n"
        "[Options]\r"
        "Son=1\r"
        "Muet=0\r"
        "Mot=oui\r"));
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadInteger("couleurs", "fond", 0), 0xFF00);
    EXPECT_EQ(ini.ReadInteger("Couleurs", "Texte", 0), 0x1a);
    EXPECT_EQ(ini.ReadInteger("Couleurs", "Bordure", 0), -7);
    EXPECT_EQ(ini.ReadInteger("Couleurs", "Mauvais", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Couleurs", "Cadre", 3), 3);   // commented out
    EXPECT_EQ(ini.ReadString("Couleurs", "Vide", "def"), "");   // present but empty
    EXPECT_EQ(ini.ReadString("Couleurs", "Cite", ""), "  a b  ");
    EXPECT_EQ(ini.ReadString("", "orphan", "none"), "none");
    EXPECT_TRUE(ini.ReadBool("Options", "Son", false));
    EXPECT_FALSE(ini.ReadBool("Options", "Muet", true));
    EXPECT_TRUE(ini.ReadBool("Options", "Mot", true));   // not a number: the default
    EXPECT_FALSE(ini.ReadBool("Options", "Mot", false));

    TStringList l;
    ini.ReadSections(l);
    EXPECT_EQ(l.CommaText(), "Couleurs,Options");
    ini.ReadSection("COULEURS", l);
    EXPECT_EQ(l.CommaText(), "Fond,Texte,Bordure,Mauvais,Vide,Cite");
    ini.ReadSectionValues("Options", l);
    EXPECT_EQ(l.CommaText(), "Son=1,Muet=0,Mot=oui");
    EXPECT_TRUE(ini.ValueExists("options", "MOT"));
    EXPECT_FALSE(ini.ValueExists("options", "Cadre"));

    // A change keeps the comments and the lines it does not understand.
    ini.WriteBool("Options", "Son", false);
    ini.WriteString("Couleurs", "Nouveau", "x");
    const std::string b = Bytes(name);
    EXPECT_NE(b.find("; settings\r\norphan=1\r\n[ Couleurs ]\r\n"), std::string::npos);
    EXPECT_NE(b.find("; Cadre=3\r\n"), std::string::npos);
    EXPECT_NE(b.find("Cite=\"  a b  \"\r\nNouveau=x\r\n\r\n[Options]\r\nSon=0\r\n"), std::string::npos);
}

TEST(IniFiles, EraseSectionAndDeleteKey)
{
    TempDir dir;
    TIniFile ini(dir.File("e.ini"));
    ini.WriteString("A", "x", "1");
    ini.WriteString("A", "y", "2");
    ini.WriteString("B", "z", "3");
    ini.DeleteKey("a", "X");
    EXPECT_FALSE(ini.ValueExists("A", "x"));
    EXPECT_EQ(ini.ReadString("A", "y", ""), "2");
    ini.EraseSection("a");
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_TRUE(ini.SectionExists("b"));
    EXPECT_EQ(ini.ReadString("B", "z", ""), "3");
    ini.DeleteKey("B", "z");
    EXPECT_FALSE(ini.SectionExists("B"));   // a section without keys does not count
}

TEST(IniFiles, NumbersAndLineBreaksInValues)
{
    TempDir dir;
    TIniFile ini(dir.File("n.ini"));
    ini.WriteInteger("N", "neg", -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -2147483647 - 1);
    // One form in the file whatever the decimal separator shown to the user.
    for (char sep : {'.', ','})
    {
        FormatSettings().DecimalSeparator = sep;
        ini.WriteFloat("N", "f", 2.5);
        EXPECT_EQ(ini.ReadString("N", "f", ""), "2,5");
        EXPECT_DOUBLE_EQ(ini.ReadFloat("N", "f", 0), 2.5);
    }
    EXPECT_DOUBLE_EQ(ini.ReadFloat("N", "neg", 1), -2147483648.0);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("N", "none", 1.5), 1.5);
    // A value cannot make new lines (or keys) of the file.
    ini.WriteString("N", "texte", "a\r\n[X]\nb=c");
    EXPECT_FALSE(ini.SectionExists("X"));
    EXPECT_EQ(ini.ReadString("N", "texte", ""), "a  [X] b=c");
}

TEST(IniFiles, FailedWriteRaisesAndKeepsTheFile)
{
    TempDir dir;
    const std::string name = dir.File("x.ini");
    TIniFile ini(name);
    ini.WriteString("S", "k", "v");
    {
        FileSizeLimit limit(100);   // the next file cannot be written in full
        EXPECT_THROW(ini.WriteString("S", "k", std::string(500, 'w')), EIniFileException);
    }
    EXPECT_EQ(ini.ReadString("S", "k", ""), "v");
    EXPECT_EQ(ListFiles(dir.Path(), "*").size(), 1u);
    EXPECT_THROW(TIniFile(dir.File("none/x.ini")).WriteInteger("S", "k", 1), EIniFileException);
}

// The file is read once and shared while it stays the same; every change, by
// this program or another, in place or by a new file, of the same size and in
// the same instant, is seen by the next read.
TEST(IniFiles, ReadOnceAndEveryChangeSeen)
{
    TempDir dir;
    const std::string name = dir.File("partage.ini");
    TIniFile a(name);
    TIniFile b(name);
    auto enPlace = [&](const std::string& texte) {
        FILE* f = std::fopen(name.c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        std::fwrite(texte.data(), 1, texte.size(), f);
        std::fclose(f);
    };
    for (int i = 0; i < 200; ++i) {
        const std::string v = std::to_string(100 + i % 900);
        switch (i % 4) {
        case 0: a.WriteString("S", "K", v); break;                          // through the reader
        case 1: ASSERT_TRUE(WriteFileAtomic(name, "[S]\r\nK=" + v + "\r\n")); break;   // a new file
        case 2: enPlace("[S]\r\nK=" + v + "\r\n"); break;                   // in place, same size
        case 3: b.WriteInteger("s", "k", 100 + i % 900); break;
        }
        EXPECT_EQ(a.ReadString("S", "K", ""), v) << i;
        EXPECT_EQ(b.ReadInteger("S", "K", 0), 100 + i % 900) << i;
    }
    DeleteFile(name);
    EXPECT_EQ(a.ReadString("S", "K", "absent"), "absent");
}

// Listing a section of many keys, some repeated in other cases, gives each key
// once (its first line), in time linear in the section.
TEST(IniFiles, SectionOfManyKeysListedOnce)
{
    TempDir dir;
    const std::string name = dir.File("cles.ini");
    std::string texte = "[S]\r\n";
    for (int i = 0; i < 50000; ++i)
        texte += "Cle" + std::to_string(i % 20000) + (i < 20000 ? "=a" : "=b") + "\r\n";
    texte += "cle5=c\r\n";
    ASSERT_TRUE(WriteFileAtomic(name, texte));
    TIniFile ini(name);
    TStringList cles, valeurs;
    ini.ReadSection("S", cles);
    ini.ReadSectionValues("S", valeurs);
    ASSERT_EQ(cles.Count(), 20000);
    ASSERT_EQ(valeurs.Count(), 20000);
    EXPECT_EQ(valeurs[5], "Cle5=a");
}

// A file kept aside: the first free name, an earlier copy never replaced.
TEST(Files, CopyAsideKeepsEveryEarlierCopy)
{
    TempDir dir;
    const std::string f = dir.File("stat1_1.txt");
    ASSERT_TRUE(WriteFileAtomic(f, "un"));
    EXPECT_EQ(CopyAside(f), f + ".bak");
    ASSERT_TRUE(WriteFileAtomic(f, "deux"));
    EXPECT_EQ(CopyAside(f), f + ".1.bak");
    EXPECT_EQ(Bytes(f + ".bak"), "un");
    EXPECT_EQ(Bytes(f + ".1.bak"), "deux");
    EXPECT_EQ(CopyAside(dir.File("absent.txt")), "");
    EXPECT_FALSE(FileExists(dir.File("absent.txt.bak")));
}

// A value reads back as it was written: blanks or control characters at its
// ends, matching quotes around it (a line break becomes a blank).
TEST(IniFiles, ValuesReadBackAsWritten)
{
    TempDir dir;
    TIniFile ini(dir.File("valeurs.ini"));
    const std::string valeurs[] = {"/saisons/ligue 2 ", " a", "\"cite\"", "'x'", "\"", "a\"b\"",
                                   std::string("\x04\0\0", 3), "\t", " ", "normale", "", "\"a'"};
    for (const std::string& v : valeurs) {
        ini.WriteString("S", "K", v);
        EXPECT_EQ(ini.ReadString("S", "K", "absent"), v) << v;
    }
    // Ordinary values are written as they are.
    ini.WriteString("S", "K", "normale");
    EXPECT_EQ(Bytes(dir.File("valeurs.ini")), "[S]\r\nK=normale\r\n");
}
