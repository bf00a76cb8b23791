// The files beside the seasons given to the program damaged, at its start:
// each is reported by name, keeps its bytes, and the program goes on with what
// it can use (the other language) or stops as for a missing file (templates).
#include <gtest/gtest.h>

#include <functional>

#include "engine/historique.h"
#include "model/oTraducteur.h"
#include "net/Connexions.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/WinInet.h"
#include "records/Blasons.h"
#include "shell/Aide.h"
#include "shell/w_AideHtml.h"
#include "shell/w_Principale.h"
#include "tests/shell/Programme.h"
#include "tests/support/gui/GuiKit.h"

namespace {

std::string Octets(const std::string& f)
{
    std::string s;
    ReadFileBytes(f, s);
    return s;
}

class FichiersAnnexes : public ::testing::Test
{
protected:
    void SetUp() override { SetInternetConnectedStateOverride(0); }
    void TearDown() override
    {
        SetInternetConnectedStateOverride(-1);
        InstalleVisionneuseAide();
        FermeAides();
        kit::ResetAnswers();
    }
};

// A history file of one whole season.
std::string HistoriqueSain()
{
    TStat st;
    st.IdEquipe("Lyon");
    st.IdEquipe("Nantes");
    auto s = std::make_unique<TSaisonStat>(2, 120);
    s->AjouteEquipe(0);
    s->AjouteEquipe(1);
    s->EcritResultat(0, 1, 2, 1);
    st.AjouteSaison(std::move(s));
    std::string o;
    st.EcritOctets(o);
    return o;
}

}   // namespace

TEST_F(FichiersAnnexes, EachDamagedFileIsReportedByNameAndKeepsItsBytes)
{
    struct Cas
    {
        const char* nom;
        const char* langue;
        const char* fichier;                                   // relative to the program folder
        std::function<std::string(const std::string&)> abime;   // the damaged bytes from the sound ones
        const char* message;                                   // a piece of the first message
        bool arret;                                            // the program stops (Tag 255)
        const char* texteAttendu;                              // language file used ("" none)
    };
    auto moitie = [](const std::string& s) { return s.substr(0, s.size() / 2); };
    auto racine = [](const std::string&) {
        return std::string("<designs>\r\n<championnat Id=\"1\"><nom>X</nom></championnat>\r\n</designs>\r\n");
    };
    auto xml = [](const std::string&) {
        return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<texts>\n<text id=\"1\">File</text>\n</texts>\n");
    };
    auto dechets = [](const std::string&) {
        std::string d;
        for (int i = 0; i < 5000; ++i)
            d += static_cast<char>((i * 7919) % 251);
        return d;
    };
    auto historique = [](const std::string&) {
        const std::string s = HistoriqueSain();
        return s.substr(0, s.size() - 3);   // its last results cut
    };
    const Cas cas[] = {
        {"language file holding XML", "fr", "texte/Textefr.txt", xml, "The language file", false, "texte/Texteen.txt"},
        {"language file cut in half", "en", "texte/Texteen.txt", moitie, "Le fichier de langue", false,
         "texte/Textefr.txt"},
        {"language file of garbage", "en", "texte/Texteen.txt", dechets, "Le fichier de langue", false,
         "texte/Textefr.txt"},
        {"template cut in half", "fr", "config/Championnatrugby.fr", moitie, "Championnatrugby.fr", true,
         "texte/Textefr.txt"},
        {"template of another root", "en", "config/Championnatfoot.fr", racine, "Championnatfoot.fr", true,
         "texte/Texteen.txt"},
        {"template of garbage", "fr", "config/Championnathand.fr", dechets, "Championnathand.fr", true,
         "texte/Textefr.txt"},
        {"connection settings cut in half", "fr", "connexion.xml", moitie, "connexion.xml", false, "texte/Textefr.txt"},
        {"connection settings of another root", "en", "connexion.xml", racine, "connexion.xml", false,
         "texte/Texteen.txt"},
        {"crest index of garbage", "fr", "blasons/blasons.txt", dechets, "blasons.txt", false, "texte/Textefr.txt"},
        {"history file cut", "fr", "stats/stat3_1.txt", historique, "stat3_1.txt", false, "texte/Textefr.txt"},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        kit::ResetAnswers();
        const std::string dir = essai::PrepareProgramme("annexes");
        {
            TIniFile ini(MakePath(dir, "brivantel.ini"));
            ini.WriteString("General", "Langue", c.langue);
            ini.WriteBool("General", "FirstLaunch", false);
            ini.WriteBool("General", "ShowAstuce", false);
        }
        const std::string fichier = MakePath(dir, c.fichier);
        ForceDirectories(ExtractFileDir(fichier));
        const std::string abime = c.abime(Octets(fichier));
        ASSERT_TRUE(WriteFileAtomic(fichier, abime));

        kit::AnswerMessages({mrOk});
        auto f = essai::LanceProgramme();
        EXPECT_EQ(Application->Tag, c.arret ? 255 : 0);
        ASSERT_FALSE(kit::Messages().empty());
        const std::string message = kit::Messages()[0].Text;
        EXPECT_NE(message.find(fichier), std::string::npos) << message;
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        ASSERT_NE(Traducteur(), nullptr);
        EXPECT_EQ(Traducteur()->NomFichier(), MakePath(dir, c.texteAttendu));
        if (!c.arret)
        {
            // The window speaks the language it could read.
            EXPECT_FALSE(f->bc_Charger->Caption().empty());
            kit::GrabToPng(f.get(), std::string("annexes_") + c.langue + "_" + std::to_string(&c - cas));
        }
        essai::TermineProgramme(f);
        EXPECT_EQ(Octets(fichier), abime);
        std::filesystem::remove_all(dir);
    }
}

// A language file that is damaged while the other one is missing or damaged
// too: the program stops as for a missing file, and says which file.
TEST_F(FichiersAnnexes, DamagedLanguageWithoutTheOtherStops)
{
    for (bool autreAbsent : {true, false})
    {
        SCOPED_TRACE(autreAbsent ? "other missing" : "other damaged");
        kit::ResetAnswers();
        const std::string dir = essai::PrepareProgramme("langue_abimee");
        {
            TIniFile ini(MakePath(dir, "brivantel.ini"));
            ini.WriteString("General", "Langue", "fr");
            ini.WriteBool("General", "FirstLaunch", false);
        }
        const std::string fr = MakePath(dir, "texte/Textefr.txt");
        const std::string en = MakePath(dir, "texte/Texteen.txt");
        ASSERT_TRUE(WriteFileAtomic(fr, "<textes/>"));
        if (autreAbsent)
            DeleteFile(en);
        else
            ASSERT_TRUE(WriteFileAtomic(en, "<textes/>"));
        kit::AnswerMessages({mrOk});
        auto f = essai::LanceProgramme();
        EXPECT_EQ(Application->Tag, 255);
        ASSERT_FALSE(kit::Messages().empty());
        EXPECT_EQ(kit::Messages()[0].Text, "Le fichier \"" + fr + L1("\" est endommagé"));
        EXPECT_EQ(Octets(fr), "<textes/>");
        essai::TermineProgramme(f);
        std::filesystem::remove_all(dir);
    }
}

// Settings files that once stopped the program at every start: a huge count of
// recent files, values of megabytes. The program starts with no message; the
// recent list holds what a list may show.
TEST_F(FichiersAnnexes, SettingsWithHugeCountsAndValuesStart)
{
    struct Cas
    {
        const char* nom;
        std::vector<std::pair<std::string, std::string>> lastFile;
        int recents;
    };
    const std::string enorme(1024 * 1024, 'z');
    const Cas cas[] = {
        {"largest count", {{"Count", "2147483647"}, {"File0", "/a.xmc"}, {"File1", "/b.xmc"}}, 2},
        {"negative count", {{"Count", "-2147483648"}, {"File0", "/a.xmc"}}, 0},
        {"count past 32 bits", {{"Count", "99999999999999"}, {"File0", "/a.xmc"}}, 0},
        {"more files than the list shows",
         {{"Count", "12"}, {"File0", "/0"}, {"File1", "/1"}, {"File2", "/2"}, {"File3", "/3"}, {"File4", "/4"},
          {"File5", "/5"}, {"File6", "/6"}, {"File7", "/7"}, {"File8", "/8"}, {"File9", "/9"}},
         8},
        {"a name of megabytes", {{"Count", "2"}, {"File0", enorme}, {"File1", "/b.xmc"}}, 1},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        kit::ResetAnswers();
        const std::string dir = essai::PrepareProgramme("parametres");
        const std::string ini = MakePath(dir, "brivantel.ini");
        std::string texte = "[General]\r\nLangue=fr\r\nFirstLaunch=0\r\nShowAstuce=0\r\nModeleDesign=" + enorme +
                            "\r\nInconnue=" + enorme + "\r\n[LastFile]\r\n";
        for (const auto& [k, v] : c.lastFile)
            texte += k + "=" + v + "\r\n";
        ASSERT_TRUE(WriteFileAtomic(ini, texte));
        auto f = essai::LanceProgramme();
        EXPECT_EQ(Application->Tag, 0);
        EXPECT_TRUE(kit::Messages().empty());
        EXPECT_EQ(f->lb_DerniersFichiers->Items().Count(), c.recents);
        essai::TermineProgramme(f);
        std::filesystem::remove_all(dir);
    }
}

// The side files as an editor may save them by hand: a byte-order mark first,
// blanks around numbers and around "=". The program starts with what they say,
// reports none of them damaged, and the settings keep one section of a name.
TEST_F(FichiersAnnexes, HandEditedSideFilesReadAsTheyAreMeant)
{
    kit::ResetAnswers();
    const std::string dir = essai::PrepareProgramme("annexes_main");
    const std::string bom = "\xEF\xBB\xBF";
    const std::string ini = MakePath(dir, "brivantel.ini");
    ASSERT_TRUE(WriteFileAtomic(ini, bom + "[General]\r\nLangue=en\r\nFirstLaunch=0\r\nShowAstuce=0\r\n"));
    const std::string connexion = MakePath(dir, "connexion.xml");
    ASSERT_TRUE(WriteFileAtomic(connexion, bom + "<?xml version = \"1.0\" encoding = 'UTF-8'?>\r\n<!-- edited -->\r\n"
                                                 "<connexion>\r\n<url>http://&#109;aj.invalid/</url>\r\n"
                                                 "<timeout> 60000 </timeout>\r\n</connexion>\r\n"));
    const std::string index = MakePath(dir, "blasons/blasons.txt");
    ForceDirectories(ExtractFileDir(index));
    ASSERT_TRUE(WriteFileAtomic(index, bom + " 1 - 0 -France# 1001 -1-Zelvor#\r\n 2-0-Italie#"));

    auto f = essai::LanceProgramme();
    EXPECT_EQ(Application->Tag, 0);
    EXPECT_TRUE(kit::Messages().empty()) << kit::Messages()[0].Text;
    ASSERT_NE(Traducteur(), nullptr);
    EXPECT_EQ(Traducteur()->NomFichier(), MakePath(dir, "texte/Texteen.txt"));
    ASSERT_NE(Connexion(), nullptr);
    EXPECT_EQ(Connexion()->Timeout, 60000);
    EXPECT_EQ(Connexion()->Url, "http://maj.invalid/");
    EXPECT_FALSE(Connexion()->Endommage());
    ASSERT_NE(Blasons(), nullptr);
    EXPECT_FALSE(Blasons()->Endommage());
    ASSERT_EQ(Blasons()->Nombre(), 3);
    int id = 0, parent = 0;
    std::string nom;
    ASSERT_TRUE(Blasons()->Element(1, id, parent, nom));
    EXPECT_EQ(id, 1001);
    EXPECT_EQ(parent, 1);
    EXPECT_EQ(nom, "Zelvor");
    essai::TermineProgramme(f);
    // The settings written at the end: one [General], the language kept.
    const std::string ecrit = Octets(ini);
    EXPECT_EQ(ecrit.find("[General]"), ecrit.rfind("[General]")) << ecrit;
    EXPECT_EQ(TIniFile(ini).ReadString("General", "Langue", ""), "en");
    std::filesystem::remove_all(dir);
}
