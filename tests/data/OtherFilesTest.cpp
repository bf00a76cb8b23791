// The other files of the data folder: the connection settings and the team
// categories are read by the program's XML reader, and every crest of the
// catalogue has its picture.
#include <set>

#include "DataFolder.h"
#include "model/ioXml.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

using namespace datatest;

namespace {

class OtherFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(DataDir().empty()) << "no data folder: set BZ_DATA_DIR";
    }
};

}  // namespace

TEST_F(OtherFiles, ConnectionSettingsPointAtNoRealHost)
{
    const std::string path = MakePath(DataDir(), "connexion.xml");
    ASSERT_TRUE(FileExists(path));
    TXmlReader r(path);
    ASSERT_EQ(r.ElementSuivant(), xmlComplet);
    EXPECT_EQ(r.Nom(), "xml");
    ASSERT_EQ(r.ElementSuivant(), xmlDebut);
    ASSERT_EQ(r.Nom(), "connexion");
    std::string url;
    int timeout = -1, sites = 0, files = 0;
    std::vector<std::string> urls;
    for (uint8_t j = r.ElementSuivant(); j != xmlFin && j != xmlFinFlux; j = r.ElementSuivant()) {
        if (r.Nom() == "url")
            url = r.Texte();
        else if (r.Nom() == "timeout")
            timeout = r.TexteEntier();
        else if (r.Nom() == "siteconnexion" && j == xmlDebut) {
            ++sites;
            for (uint8_t k = r.ElementSuivant(); k != xmlFin && k != xmlFinFlux; k = r.ElementSuivant()) {
                if (r.Nom() == "url")
                    urls.push_back(r.Texte());
                else if (r.Nom() == "sport")
                    EXPECT_EQ(r.Texte(), "gormelide");
                else if (r.Nom() == "fichierconnexion") {
                    ++files;
                    const std::vector<std::string> names = {"nomfichier", "choixmatch"};
                    std::vector<std::string> values(2);
                    r.LitChamps(names, values);
                    EXPECT_FALSE(values[0].empty());
                    EXPECT_EQ(values[1], "1");
                } else
                    r.SauteElement(k);
            }
        } else
            r.SauteElement(j);
    }
    EXPECT_EQ(r.ElementSuivant(), xmlFinFlux);
    EXPECT_EQ(timeout, 60000);
    urls.push_back(url);
    EXPECT_EQ(sites, 1);
    EXPECT_EQ(files, 1);
    for (const std::string& u : urls) {
        // The reserved top-level domain ".invalid" never resolves.
        EXPECT_EQ(u.rfind("http://", 0), 0u) << u;
        EXPECT_NE(u.find(".invalid/"), std::string::npos) << u;
        EXPECT_EQ(u.back(), '/') << "paths are appended to the base address directly";
    }
}

TEST_F(OtherFiles, CategoriesHaveIdsNamesAndShortNames)
{
    const std::string path = MakePath(DataDir(), "categories.xml");
    ASSERT_TRUE(FileExists(path));
    TXmlReader r(path);
    ASSERT_EQ(r.ElementSuivant(), xmlDebut) << "no declaration, the root first";
    ASSERT_EQ(r.Nom(), "categories");
    std::set<int> ids;
    std::vector<std::string> names;
    for (uint8_t j = r.ElementSuivant(); j != xmlFin && j != xmlFinFlux; j = r.ElementSuivant()) {
        ASSERT_EQ(r.Nom(), "categorie");
        ASSERT_EQ(j, xmlDebut);
        const int id = StrToIntDef(r.ValeurAttribut("ID"), 0);
        EXPECT_GE(id, 1);
        EXPECT_TRUE(ids.insert(id).second) << "id " << id << " repeated";
        const std::vector<std::string> fields = {"nom", "nomcourt"};
        std::vector<std::string> values(2);
        r.LitChamps(fields, values);
        EXPECT_FALSE(values[0].empty()) << "category " << id;
        EXPECT_EQ(values[0].find('/'), std::string::npos) << "the dialog joins the names with \" / \"";
        names.push_back(values[0]);
    }
    EXPECT_GE(ids.size(), 5u);
    EXPECT_NE(std::find(names.begin(), names.end(), L1("Réserve")), names.end()) << "accents in Windows-1252";
}

TEST_F(OtherFiles, EveryCrestOfTheCatalogueHasItsPicture)
{
    const std::string index = ReadFile(MakePath(DataDir(), "blasons\\blasons.txt"));
    ASSERT_FALSE(index.empty());
    EXPECT_EQ(index.find('\n'), std::string::npos) << "the index is one line";
    std::set<int> countries, teams;
    size_t start = 0;
    while (start < index.size()) {
        const size_t end = index.find('#', start);
        ASSERT_NE(end, std::string::npos) << "entry without its closing #";
        const std::string entry = index.substr(start, end - start);
        const size_t d1 = entry.find('-'), d2 = entry.find('-', d1 + 1);
        ASSERT_NE(d2, std::string::npos) << entry;
        const int id = StrToIntDef(entry.substr(0, d1), 0);
        const int parent = StrToIntDef(entry.substr(d1 + 1, d2 - d1 - 1), -1);
        EXPECT_FALSE(entry.substr(d2 + 1).empty()) << entry;
        if (parent == 0) {
            EXPECT_TRUE(id >= 1 && id <= 100) << entry;
            countries.insert(id);
        } else {
            EXPECT_GT(id, 1000) << entry;
            EXPECT_TRUE(countries.count(parent)) << entry << ": its country comes first";
            teams.insert(id);
        }
        const std::string png = ReadFile(MakePath(DataDir(), "blasons\\" + std::to_string(id) + ".png"));
        ASSERT_GE(png.size(), 33u) << id;
        EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << id;
        EXPECT_EQ(png.substr(12, 4), "IHDR") << id;
        start = end + 1;
    }
    EXPECT_GE(countries.size(), 3u);
    EXPECT_GE(teams.size(), 4u);
}
