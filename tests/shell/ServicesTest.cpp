// The services of the shell without windows: settings keys, connection
// settings, help topics and pages, the diagnostic report.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "net/Connexions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/HtmlHelp.h"
#include "platform/sys/WinInet.h"
#include "shell/Aide.h"
#include "shell/PageHtml.h"
#include "shell/Parametres.h"
#include "tests/shell/Programme.h"

namespace {

std::string Lit(const std::string& f)
{
    std::string s;
    ReadFileBytes(f, s);
    return s;
}

}  // namespace

TEST(Parametres, RecentFilesSkipEmptyEntriesAndKeepEightAtMost)
{
    const std::string dir = essai::PrepareProgramme("recent");
    TIniFile ini(MakePath(dir, "brivantel.ini"));
    ini.WriteInteger("lastfile", "count", 3);
    ini.WriteString("LastFile", "File0", "/a.xmc");
    ini.WriteString("LastFile", "File2", "/c.xmc");
    TStringList l;
    LitDerniersFichiers(ini, l);
    ASSERT_EQ(l.Count(), 2);
    EXPECT_EQ(l[1], "/c.xmc");

    TStringList douze;
    for (int i = 0; i < 12; ++i)
        douze.Add("/f" + IntToStr(i) + ".xmc");
    ini.WriteString("LastFile", "File9", "ancien");
    EcritDerniersFichiers(ini, douze);
    EXPECT_EQ(ini.ReadInteger("LastFile", "Count", 0), 8);
    EXPECT_EQ(ini.ReadString("LastFile", "File7", ""), "/f7.xmc");
    EXPECT_EQ(ini.ReadString("LastFile", "File9", ""), "ancien");   // left, not read
    TStringList relu;
    LitDerniersFichiers(ini, relu);
    EXPECT_EQ(relu.Count(), 8);
}

// A count larger than the list shows, or one that is no count, reads no more
// than the list's maximum; a value longer than any path is no file name.
TEST(Parametres, RecentFilesBoundedByTheListAndThePath)
{
    const std::string dir = essai::PrepareProgramme("recent_bornes");
    const std::string f = MakePath(dir, "brivantel.ini");
    struct Cas
    {
        std::string count;
        int lus;
    };
    const Cas cas[] = {{"12", 7}, {"2147483647", 7}, {"9", 7}, {"-3", 0}, {"x", 0}, {"3", 2}};   // File1 is too long
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.count);
        std::string texte = "[LastFile]\r\nCount=" + c.count + "\r\n";
        for (int i = 0; i < 12; ++i)
            texte += "File" + IntToStr(i) + "=" + (i == 1 ? std::string(5000, 'n') : "/f" + IntToStr(i)) + "\r\n";
        ASSERT_TRUE(WriteFileAtomic(f, texte));
        TStringList l;
        LitDerniersFichiers(TIniFile(f), l);
        EXPECT_EQ(l.Count(), c.lus);
        for (int i = 0; i < l.Count(); ++i)
            EXPECT_LE(l[i].size(), LongueurNomFichierMax);
    }
    EXPECT_EQ(LangueValide("fr"), "fr");
    EXPECT_EQ(LangueValide("en"), "en");
    EXPECT_EQ(LangueValide(""), "");
    EXPECT_EQ(LangueValide("../x"), "");
    EXPECT_EQ(LangueValide(std::string(100, 'a')), "");
}

TEST(Parametres, CommandListsReadNonNumbersAsZero)
{
    EXPECT_EQ(LitListeCommandes(""), std::vector<int>{});
    EXPECT_EQ(LitListeCommandes("5-x-198"), (std::vector<int>{5, 0, 198}));
    EXPECT_EQ(TexteListeCommandes({11, 15, 16}), "11-15-16");
    EXPECT_EQ(CheminParametres(), MakePath(RepertoireEcriture(), "brivantel.ini"));
}

// Damaged connection settings: what was read before the damage is kept, the
// file keeps its bytes while it is only read, and the first write keeps it
// aside whole.
TEST(Connexions, DamagedFileIsToldAndKeptBeforeItIsWritten)
{
    const std::string entier =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<connexion>\r\n<url>http://x/</url>\r\n"
        "<timeout>30000</timeout>\r\n<siteconnexion>\r\n<url>s</url>\r\n<sport>murvaline</sport>\r\n"
        "</siteconnexion>\r\n</connexion>\r\n";
    struct Cas
    {
        const char* nom;
        std::string octets;
        bool endommage;
        std::string url;
    };
    const Cas cas[] = {
        {"whole", entier, false, "http://x/"},
        {"empty root", "<?xml version=\"1.0\"?><connexion/>", false, ""},
        {"cut in half", entier.substr(0, entier.size() / 2), true, "http://x/"},
        {"cut before the root's end", entier.substr(0, entier.rfind("</connexion>")), true, "http://x/"},
        {"another root", "<?xml version=\"1.0\"?>\r\n<designs><url>y</url></designs>\r\n", true, ""},
        {"no declaration", "<connexion><url>y</url></connexion>", true, ""},
        {"garbage", std::string("\x01\xFF<<>>\0\0x", 9), true, ""},
        {"empty", "", true, ""},
        {"huge timeout", "<?xml version=\"1.0\"?><connexion><timeout>99999999999999</timeout></connexion>", false, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::string dir = essai::PrepareProgramme("connexion_abimee", false);
        const std::string f = MakePath(dir, "connexion.xml");
        ASSERT_TRUE(WriteFileAtomic(f, c.octets));
        TConnexions lu(f);
        EXPECT_EQ(lu.Endommage(), c.endommage);
        EXPECT_EQ(lu.Url, c.url);
        EXPECT_EQ(Lit(f), c.octets);
        lu.Pseudo = "moi";
        ASSERT_TRUE(lu.Ecrit());
        EXPECT_FALSE(lu.Endommage());
        if (c.endommage) {
            EXPECT_EQ(lu.CopieGardee(), f + ".bak");
            EXPECT_EQ(Lit(f + ".bak"), c.octets);
        } else {
            EXPECT_EQ(lu.CopieGardee(), "");
            EXPECT_FALSE(FileExists(f + ".bak"));
        }
        TConnexions relu(f);
        EXPECT_FALSE(relu.Endommage());
        EXPECT_EQ(relu.Pseudo, "moi");
    }
}

// Sites of mixed sports: in order of sport, those of one sport in file order,
// as one by one insertion gives them.
TEST(Connexions, SitesPlacedBySportInFileOrder)
{
    const std::string dir = essai::PrepareProgramme("connexion_ordre", false);
    const std::string f = MakePath(dir, "connexion.xml");
    const char* const sports[] = {"murvaline", "gormelide", "autre", "pollinarque", "gormelide", "tessavonde",
                                  "murvaline", "autre", "gormelide"};
    std::string x = "<?xml version=\"1.0\"?>\r\n<connexion>\r\n";
    for (int i = 0; i < 9; ++i)
        x += "<siteconnexion><url>" + IntToStr(i) + "</url><sport>" + sports[i] + "</sport></siteconnexion>\r\n";
    x += "</connexion>\r\n";
    ASSERT_TRUE(WriteFileAtomic(f, x));
    TConnexions c(f);
    std::string ordre;
    for (int i = 0; i < c.NbSite(); ++i)
        ordre += c.Site(i)->Url;
    EXPECT_EQ(ordre, "148530627");
    auto s = std::make_unique<TSiteConnexion>(&c);
    s->Url = "n";
    s->Sport = 1;
    EXPECT_EQ(c.AjouteSite(std::move(s)), 4);
}

TEST(Connexions, WritesAndReadsBackSortedBySport)
{
    const std::string dir = essai::PrepareProgramme("connexion", false);
    const std::string f = MakePath(dir, "connexion.xml");
    TConnexions vide(f);
    EXPECT_FALSE(vide.Lit());
    EXPECT_TRUE(vide.Url.empty());

    {
        std::ofstream o(f, std::ios::binary);
        o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<connexion>\r\n<timeout>abc</timeout>\r\n"
             "<siteconnexion>\r\n<url>b1</url>\r\n<sport>pollinarque</sport>\r\n<default>2</default>\r\n"
             "</siteconnexion>\r\n<inconnu><x>1</x></inconnu>\r\n"
             "<siteconnexion>\r\n<url>b2</url>\r\n<sport>pollinarque</sport>\r\n<default>1</default>\r\n"
             "</siteconnexion>\r\n<siteconnexion>\r\n<url>f</url>\r\n<sport>gormelide</sport>\r\n"
             "<fichierconnexion>\r\n<nomfichier>a.xmd</nomfichier>\r\n<choixmatch>0</choixmatch>\r\n"
             "</fichierconnexion>\r\n</siteconnexion>\r\n<url>http://x/</url>\r\n</connexion>\r\n";
    }
    TConnexions c(f);
    EXPECT_EQ(c.Url, "http://x/");
    EXPECT_EQ(c.Timeout, 0);
    ASSERT_EQ(c.NbSite(), 3);
    EXPECT_EQ(c.Site(0)->Url, "f");
    EXPECT_EQ(c.Site(1)->Url, "b1");
    EXPECT_EQ(c.Site(2)->Url, "b2");
    EXPECT_FALSE(c.Site(1)->Defaut);
    EXPECT_TRUE(c.Site(2)->Defaut);
    ASSERT_EQ(c.Site(0)->NbFichier(), 1);
    EXPECT_FALSE(c.Site(0)->Fichier(0)->ChoixMatch);

    c.Timeout = 30000;
    c.Passwd = "secret";
    ASSERT_TRUE(c.Ecrit());
    const std::string texte = Lit(f);
    EXPECT_EQ(texte.find("<pseudo>"), std::string::npos);
    EXPECT_NE(texte.find("<passwd>secret</passwd>"), std::string::npos);
    EXPECT_EQ(texte.rfind("<?xml", 0), 0u);
    struct stat st{};
    ASSERT_EQ(::stat(f.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);   // it holds the password

    TConnexions relu(f);
    EXPECT_EQ(relu.Timeout, 30000);
    EXPECT_EQ(relu.Pseudo, "");
    ASSERT_EQ(relu.NbSite(), 3);
    EXPECT_EQ(relu.Site(2)->Sport, 2);
    EXPECT_EQ(Lit(f), texte);   // written again, same bytes
    relu.Ecrit();
    EXPECT_EQ(Lit(f), texte);
}

TEST(Aide, TopicsNamePagesOfTheHelpFolder)
{
    const std::string dir = essai::PrepareProgramme("aide");
    const std::string fr = FichierAideLangue("fr");
    EXPECT_EQ(FichierAideLangue("en"), MakePath(dir, "help/en"));
    EXPECT_EQ(HtmlHelpPage(fr), MakePath(fr, "index.htm"));
    EXPECT_EQ(HtmlHelpPage(fr + "::/html/menuopt.htm"), MakePath(fr, "html/menuopt.htm"));
    EXPECT_EQ(HtmlHelpPage(fr + "::/../../etc/passwd"), "");
    // Every topic the windows open exists in both languages, and every link of
    // every page leads to a page that exists.
    for (const char* langue : {"fr", "en"})
        for (const char* topic : {"", "html/menuopt.htm", "html/menueff.htm"})
        {
            const std::string f = FichierAideLangue(langue);
            const std::string page = HtmlHelpPage(*topic ? f + "::/" + topic : f);
            ASSERT_TRUE(FileExists(page)) << page;
        }
    for (const char* langue : {"fr", "en"})
    {
        const std::string f = FichierAideLangue(langue);
        for (const std::string& p : {MakePath(f, "index.htm"), MakePath(f, "html/demarrage.htm"),
                                     MakePath(f, "html/premier.htm"), MakePath(f, "html/menuopt.htm"),
                                     MakePath(f, "html/menueff.htm"), MakePath(f, "html/internet.htm")})
        {
            const TPageHtml page = AnalyseHtml(Utf8ToCp1252(Lit(p)));
            EXPECT_FALSE(page.Titre.empty()) << p;
            for (const std::string& lien : page.Liens)
            {
                std::string cible = MakePath(ExtractFileDir(p), lien);
                if (lien.rfind("../", 0) == 0)
                    cible = MakePath(ExtractFileDir(ExtractFileDir(p)), lien.substr(3));
                EXPECT_TRUE(FileExists(cible)) << p << " -> " << lien;
            }
        }
    }
}

TEST(Aide, PagesBecomeBlocksOfStyledText)
{
    const TPageHtml p = AnalyseHtml(
        "<html><head><title>T &amp; U</title><style>p{}</style></head><body>"
        "<h1>Titre</h1><p>Un  <b>gras</b>\n texte <a href=\"x.htm\">lien</a>.</p>"
        "<ul><li>a</li><li>b<br>c</li></ul><ol><li>un</li><li>deux</li></ol><hr></body></html>");
    EXPECT_EQ(p.Titre, "T & U");
    ASSERT_EQ(p.Blocs.size(), 7u);
    EXPECT_EQ(p.Blocs[0].Genre, TBlocHtml::Titre1);
    const auto& m = p.Blocs[1].Morceaux;
    ASSERT_EQ(m.size(), 5u);
    // White space folds into one blank, kept before the next word.
    EXPECT_EQ(m[0].Texte, "Un");
    EXPECT_EQ(m[1].Texte, " gras");
    EXPECT_EQ(m[1].Style, unsigned(shGras));
    EXPECT_EQ(m[2].Texte, " texte");
    EXPECT_EQ(m[3].Texte, " lien");
    EXPECT_EQ(m[3].Lien, 0);
    EXPECT_EQ(p.Liens[0], "x.htm");
    EXPECT_EQ(p.Blocs[2].Genre, TBlocHtml::Puce);
    EXPECT_EQ(p.Blocs[3].Morceaux[1].Texte, "\n");
    EXPECT_EQ(p.Blocs[5].Numero, 2);
    EXPECT_EQ(p.Blocs[6].Genre, TBlocHtml::Trait);
    EXPECT_EQ(DecodeEntitesHtml("&eacute;&#233;&lt;&zz;"), L1("éé<&zz;"));
}

TEST(Aide, DebugSwitchWritesTheReportAndAnOldOneIsDeleted)
{
    const std::string dir = essai::PrepareProgramme("diag");
    const std::string module = MakePath(dir, "brivantel");
    TDiagnosticAide sans = CalculeDiagnostic({module}, module, FichierAideLangue("fr"));
    EXPECT_FALSE(sans.Actif);
    EXPECT_EQ(sans.Rapport, ExcludeTrailingPathDelimiter(dir) + "/HHDebug.txt");
    TDiagnosticAide avec = CalculeDiagnostic({module, "/DEBUG"}, module, FichierAideLangue("fr"));
    ASSERT_TRUE(avec.Actif);
    LanceDiagnostic(avec);
    TStringList lignes;
    lignes.LoadFromFile(avec.Rapport);
    ASSERT_EQ(lignes.Count(), 19);
    EXPECT_EQ(lignes[0], "Filename:             \t" + avec.Rapport);
    EXPECT_EQ(lignes[6], std::string(79, '-'));
    EXPECT_EQ(lignes[8], "_RunDir =           \t" + ExcludeTrailingPathDelimiter(dir));
    EXPECT_EQ(lignes[2].rfind("SysLocale.DefaultLCID: \t0x", 0), 0u);
    EcritLigneDiagnostic(avec.Rapport, "texte");
    lignes.LoadFromFile(avec.Rapport);
    EXPECT_EQ(lignes[19].substr(8), "   texte");   // after hh:nn:ss
    LanceDiagnostic(sans);   // switched off: the old report goes
    EXPECT_FALSE(FileExists(avec.Rapport));
    // A flag file beside the program switches it on too.
    std::ofstream(MakePath(dir, "debug.debug")).put('\n');
    EXPECT_TRUE(CalculeDiagnostic({module}, module, "").Actif);
}

TEST(Aide, ConnectedStateCanBeForced)
{
    uint32_t flags = 0;
    SetInternetConnectedStateOverride(0);
    EXPECT_FALSE(InternetGetConnectedState(&flags, 0));
    EXPECT_EQ(flags, uint32_t(INTERNET_CONNECTION_OFFLINE));
    SetInternetConnectedStateOverride(1);
    EXPECT_TRUE(InternetGetConnectedState(&flags, 0));
    EXPECT_EQ(flags, uint32_t(INTERNET_CONNECTION_LAN));
    SetInternetConnectedStateOverride(-1);
    InternetGetConnectedState(nullptr, 0);   // asks the system, whatever it answers
}
