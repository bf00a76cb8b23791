// The championship templates beside the program: each file is read by the
// template reader into the competitions it describes, and every play-off
// scenario is one that season composition can build.
#include <map>
#include <set>

#include "DataFolder.h"
#include "model/LectureParametre.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

using namespace datatest;

namespace {

struct Expected
{
    int id;
    const char* name;   // UTF-8
    std::vector<int> codes;
};

struct SportFile
{
    const char* file;
    int sport;
    int win, draw, loss;   // points of every division of the sport
    std::vector<Expected> templates;
};

const std::vector<SportFile>& Files()
{
    static const std::vector<SportFile> files = {
        {"Championnatfoot.fr", 0, 3, 1, 0,
         {{0, "Championnat personnalisé", {0}},
          {1, "Championnat de France", {1, 2, 3, 4, 10004}},
          {2, "Championnat d'Angleterre", {11, 12, 13, 14}},
          {3, "Championnat d'Espagne", {21, 22}},
          {4, "Championnat d'Italie", {31, 32, 33}},
          {5, "Championnat d'Allemagne", {41, 42, 43}},
          {20, "Tournoi mondial des nations", {200, 10200}},
          {21, "Coupe continentale des clubs", {210, 10210}}}},
        {"Championnatrugby.fr", 1, 4, 2, 0,
         {{0, "Championnat personnalisé", {0}},
          {1, "Championnat de France", {1, 2, 3, 10001}},
          {2, "Championnat d'Angleterre", {11, 12}},
          {3, "Championnat celte et sud-africain", {21}},
          {10, "Tournoi des nations", {100}},
          {20, "Tournoi mondial des nations", {200, 10200}},
          {21, "Coupe continentale des clubs", {210, 10210}}}},
        {"Championnatbasket.fr", 2, 2, 0, 1,
         {{0, "Championnat personnalisé", {0}},
          {1, "Championnat de France", {1, 2, 3, 10001}},
          {2, "Championnat d'Espagne", {11, 10011}},
          {3, "Ligue professionnelle fermée", {21, 10021}},
          {21, "Ligue continentale des clubs", {210, 10210}},
          {20, "Tournoi mondial des nations", {200, 10200}}}},
        {"Championnathand.fr", 3, 2, 1, 0,
         {{0, "Championnat personnalisé", {0}},
          {1, "Championnat de France", {1, 2, 3}},
          {2, "Championnat d'Allemagne", {11, 12}},
          {3, "Championnat d'Espagne", {21}},
          {21, "Ligue continentale des clubs", {210, 10210}},
          {20, "Championnat mondial des nations", {200, 10200}}}},
    };
    return files;
}

std::string TemplatePath(const char* file)
{
    return MakePath(DataDir(), std::string("config\\") + file);
}

// A scenario: its INI lines grouped by section.
using Section = std::map<std::string, std::string>;
std::map<std::string, Section> ParseScenario(const TStringList& items)
{
    std::map<std::string, Section> ini;
    std::string section;
    for (int i = 0; i < items.Count(); ++i) {
        const std::string& s = items[i];
        if (!s.empty() && s.front() == '[' && s.back() == ']') {
            section = s.substr(1, s.size() - 2);
            EXPECT_EQ(ini.count(section), 0u) << "section repeated: " << s;
            ini[section];
            continue;
        }
        const size_t eq = s.find('=');
        EXPECT_NE(eq, std::string::npos) << "not a key: " << s;
        EXPECT_FALSE(section.empty()) << "key before any section: " << s;
        if (eq != std::string::npos)
            ini[section][s.substr(0, eq)] = s.substr(eq + 1);
    }
    return ini;
}

int Int(const Section& s, const std::string& key, int def = 0)
{
    auto it = s.find(key);
    return it == s.end() ? def : StrToIntDef(it->second, def);
}

// "Tp_G<g>_<p>" -> (g, p); false for anything else.
bool GroupPlace(const std::string& v, int& g, int& p)
{
    if (v.rfind("Tp_G", 0) != 0)
        return false;
    const size_t u = v.find('_', 4);
    if (u == std::string::npos)
        return false;
    g = StrToIntDef(v.substr(4, u - 4), -1);
    p = StrToIntDef(v.substr(u + 1), -1);
    return g > 0 && p > 0;
}

// Checks a scenario against the division it belongs to: the group stage is
// the division's sub-divisions, every cup round pairs places that qualify and
// winners of its previous sub-round, each once.
void CheckScenario(const TLectureParam& p, int code)
{
    SCOPED_TRACE("division " + std::to_string(code));
    std::unique_ptr<TStringList> items = p.ListePlayoff(code);
    ASSERT_TRUE(items);
    ASSERT_GT(items->Count(), 0);
    auto ini = ParseScenario(*items);
    ASSERT_TRUE(ini.count("General"));
    const int rounds = Int(ini["General"], "nTour");
    ASSERT_GE(rounds, 2);
    const std::string kind = ini["General"]["TypeEquipe"];
    EXPECT_TRUE(kind == "International" || kind == "Club") << kind;
    EXPECT_EQ(static_cast<int>(ini.size()), rounds + 1) << "one section per round";

    const TStringList* subs = p.ListeDivision(code);
    ASSERT_TRUE(subs) << "a division above 10000 is made of sub-divisions";
    int teams = 0;
    for (int i = 0; i < subs->Count(); ++i) {
        EXPECT_EQ(StrToIntDef((*subs)[i], 0), i + 1) << "sub-divisions numbered from 1";
        teams += static_cast<int>(subs->Objects(i));
    }
    EXPECT_EQ(teams, p.NbEquipeDivision(code));

    int groups = 0, qualified = 0;
    for (int n = 1; n <= rounds; ++n) {
        const std::string name = "Tour" + std::to_string(n);
        ASSERT_TRUE(ini.count(name)) << name;
        Section& t = ini[name];
        EXPECT_FALSE(t["Titre"].empty()) << name;
        if (t["Type"] == "Champ") {
            groups = Int(t, "nGroupe");
            qualified = Int(t, "nQualifieGroupe");
            EXPECT_GT(groups, 0) << name;
            EXPECT_GT(qualified, 0) << name;
            if (n == 1) {
                EXPECT_EQ(groups, subs->Count()) << "round 1 is the group stage of the sub-divisions";
            }
            int win = 0, draw = 0, loss = 0;
            p.PointsDivision(code, win, draw, loss);
            EXPECT_EQ(Int(t, "PtsVictoire", -1), win);
            EXPECT_EQ(Int(t, "PtsNul", -1), draw);
            EXPECT_EQ(Int(t, "PtsDefaite", -1), loss);
            continue;
        }
        ASSERT_EQ(t["Type"], "Coupe") << name;
        ASSERT_GT(n, 1) << "a cup round follows the group stage";
        const int subRounds = Int(t, "nTour");
        ASSERT_GT(subRounds, 0) << name;
        std::set<std::pair<int, int>> places;
        int previousMatches = 0;
        for (int s = 1; s <= subRounds; ++s) {
            const std::string m = std::to_string(s);
            const int matches = Int(t, "MatchTour" + m);
            EXPECT_GT(matches, 0) << name << " sub-round " << s;
            static const std::set<std::string> kinds = {"Simple", "AllerRetour", "3manches", "5manches", "7manches"};
            EXPECT_TRUE(kinds.count(t["TypeTour" + m])) << name << " TypeTour" << m << "=" << t["TypeTour" + m];
            std::set<int> winners;
            for (int k = 1; k <= matches; ++k) {
                for (int side = 1; side <= 2; ++side) {
                    const std::string key = "T" + m + "_" + std::to_string(k) + "Equipe" + std::to_string(side);
                    auto it = t.find(key);
                    if (it == t.end()) {
                        // Only a round after another cup round leaves its pairings open.
                        EXPECT_EQ(ini["Tour" + std::to_string(n - 1)]["Type"], "Coupe") << name << " " << key;
                        continue;
                    }
                    int g = 0, pl = 0;
                    if (GroupPlace(it->second, g, pl)) {
                        EXPECT_LE(g, groups) << key;
                        EXPECT_LE(pl, qualified) << key;
                        EXPECT_TRUE(places.insert({g, pl}).second) << key << " place used twice";
                    } else {
                        ASSERT_GE(s, 2) << key << "=" << it->second;
                        std::string prefix = "T";
                        prefix += std::to_string(s - 1);
                        prefix += '_';
                        ASSERT_EQ(it->second.rfind(prefix, 0), 0u) << key << "=" << it->second;
                        const int w = StrToIntDef(it->second.substr(prefix.size()), 0);
                        EXPECT_TRUE(w >= 1 && w <= previousMatches) << key << "=" << it->second;
                        EXPECT_TRUE(winners.insert(w).second) << key << " winner used twice";
                    }
                }
            }
            if (s >= 2) {
                EXPECT_EQ(static_cast<int>(winners.size()), previousMatches)
                    << name << " sub-round " << s << ": every winner goes on";
            }
            previousMatches = matches;
        }
        EXPECT_EQ(previousMatches, 1) << name << " ends with one final";
        if (ini["Tour" + std::to_string(n - 1)]["Type"] == "Champ") {
            EXPECT_EQ(static_cast<int>(places.size()), groups * qualified) << name << ": every qualified team plays";
        }
    }
}

class Templates : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(DataDir().empty()) << "no data folder: set BZ_DATA_DIR";
    }
};

}  // namespace

TEST_F(Templates, EachFileHoldsTheCompetitionsItDescribes)
{
    for (const SportFile& f : Files()) {
        SCOPED_TRACE(f.file);
        ASSERT_TRUE(FileExists(TemplatePath(f.file)));
        TLectureParam p(TemplatePath(f.file));
        ASSERT_EQ(p.NbChampionnat(), static_cast<int>(f.templates.size()));
        for (int i = 0; i < p.NbChampionnat(); ++i) {
            const Expected& e = f.templates[i];
            const TCfgChampionnat* c = p.Championnat(i);
            ASSERT_TRUE(c);
            EXPECT_EQ(c->Id, e.id);
            EXPECT_EQ(c->Nom, L1(e.name));
            EXPECT_EQ(p.ChampionnatParId(e.id), c);
            ASSERT_EQ(c->NbDivision(), static_cast<int>(e.codes.size())) << e.name;
            for (size_t k = 0; k < e.codes.size(); ++k) {
                const int code = e.codes[k];
                EXPECT_EQ(c->Division(static_cast<int>(k))->Code, code) << "divisions sorted by code";
                // Every division is found by its code, in this template.
                const TDivisionParam* d = p.DivisionParCode(code);
                ASSERT_TRUE(d) << "code " << code;
                EXPECT_EQ(d->Code, code);
                EXPECT_EQ(p.IdChampionnat(code), e.id);
                EXPECT_FALSE(p.NomDivision(code).empty()) << code;
                EXPECT_FALSE(p.NomAfficheDivision(code).empty()) << code;
                EXPECT_EQ(p.NomCompletDivision(code), c->Nom + " : " + p.NomDivision(code));
                EXPECT_GE(p.NbEquipeDivision(code), 4) << code;
                int win = 0, draw = 0, loss = 0;
                p.PointsDivision(code, win, draw, loss);
                EXPECT_EQ(win, f.win) << code;
                EXPECT_EQ(draw, f.draw) << code;
                EXPECT_EQ(loss, f.loss) << code;
                // Bands of the standings fit in the division.
                const int n = p.NbEquipeDivision(code);
                const int top = p.NbChampLigue(code) + p.NbEuropeen(code) + p.NbPromu(code) + p.NbBarragePromu(code);
                const int bottom = p.NbRelegue(code) + p.NbBarrageRelegue(code);
                if (p.NbGroupeDivision(code) == 0 || code < 10000) {
                    EXPECT_LE(top + bottom, n) << code;
                }
                if (p.NbGroupeDivision(code) > 0) {
                    EXPECT_FALSE(d->NomGroupe.empty()) << code;
                }
                if (code > 10000)
                    CheckScenario(p, code);
                else
                    EXPECT_TRUE(p.ListePlayoff(code)->Count() == 0) << code;
            }
        }
        // The lists the creation windows show.
        TStringList names, divisions;
        p.ListeChampionnats(names);
        p.ListeDivisions(divisions);
        EXPECT_EQ(names.Count(), p.NbChampionnat());
        size_t all = 0;
        for (const Expected& e : f.templates)
            all += e.codes.size();
        EXPECT_EQ(divisions.Count(), static_cast<int>(all));
    }
}

TEST_F(Templates, TheFourSportsLoadIntoTheMultiSportReader)
{
    TLectureParamMulti m;
    for (const SportFile& f : Files())
        EXPECT_TRUE(m.ChargeParam(TemplatePath(f.file), f.sport)) << f.file;
    for (const SportFile& f : Files()) {
        m.SetSport(f.sport);
        ASSERT_TRUE(m.ParamCourant());
        EXPECT_EQ(m.ParamCourant()->NbChampionnat(), static_cast<int>(f.templates.size()));
    }
}

TEST_F(Templates, FilesAreWindows1252WithCrLfAndStartWithConfig)
{
    for (const SportFile& f : Files()) {
        const std::string data = ReadFile(TemplatePath(f.file));
        ASSERT_EQ(data.rfind("<config>\r\n", 0), 0u) << f.file;
        for (size_t i = 0; i < data.size(); ++i)
            if (data[i] == '\n') {
                ASSERT_TRUE(i > 0 && data[i - 1] == '\r') << f.file << " at " << i;
            }
        EXPECT_EQ(data.find("\xC3\xA9"), std::string::npos) << f.file << " looks like UTF-8";
        EXPECT_NE(data.find('\xE8'), std::string::npos) << f.file << " has its accents in Windows-1252";
    }
}
