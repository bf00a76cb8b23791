#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/historique.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempsCpu.h"

namespace {

struct Dossier
{
    std::filesystem::path chemin;
    Dossier()
    {
        std::string modele = (std::filesystem::temp_directory_path() / "bzhistXXXXXX").string();
        chemin = mkdtemp(modele.data());
    }
    ~Dossier() { std::filesystem::remove_all(chemin); }
    std::string operator/(const std::string& nom) const { return (chemin / nom).string(); }
};

std::string Lit(const std::string& nom)
{
    std::ifstream in(nom, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void Ecrit(const std::string& nom, const std::string& s)
{
    std::ofstream(nom, std::ios::binary).write(s.data(), static_cast<std::streamsize>(s.size()));
}

// A history of nbSaisons seasons of n teams; results vary with the season.
void Remplit(TStat& st, int n, int nbSaisons)
{
    for (int i = 0; i < n; ++i)
        st.IdEquipe("Equipe " + std::to_string(i));
    for (int s = 1; s <= nbSaisons; ++s) {
        auto saison = std::make_unique<TSaisonStat>(n, s);
        saison->SystemePoints = static_cast<uint8_t>(s % 4);
        for (int i = 0; i < n; ++i)
            saison->AjouteEquipe((i + s) % n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                if (i != j && (i + j + s) % 5 != 0)
                    saison->EcritResultat(i, j, (i * 3 + s) % 6, (j + s) % 4);
        st.AjouteSaison(std::move(saison));
    }
}

void CompareStat(const TStat& a, const TStat& b)
{
    ASSERT_EQ(a.IdChampionnat, b.IdChampionnat);
    ASSERT_EQ(a.NombreEquipes(), b.NombreEquipes());
    for (int i = 0; i < a.NombreEquipes(); ++i) {
        EXPECT_EQ(a.NomIndex(i), b.NomIndex(i));
        EXPECT_EQ(a.IdIndex(i), b.IdIndex(i));
    }
    ASSERT_EQ(a.NombreSaisons(), b.NombreSaisons());
    for (int k = 0; k < a.NombreSaisons(); ++k) {
        const TSaisonStat& x = *a.Saison(k);
        const TSaisonStat& y = *b.Saison(k);
        ASSERT_EQ(x.Saison(), y.Saison());
        ASSERT_EQ(x.NombreEquipes(), y.NombreEquipes());
        EXPECT_EQ(x.SystemePoints, y.SystemePoints);
        ASSERT_EQ(x.NbIds(), y.NbIds());
        for (int i = 0; i < x.NbIds(); ++i)
            ASSERT_EQ(x.IdEquipe(i), y.IdEquipe(i)) << "season " << x.Saison() << " team " << i;
        for (int i = 0; i < x.NombreEquipes(); ++i)
            for (int j = 0; j < x.NombreEquipes(); ++j)
                ASSERT_EQ(x.Resultat(i, j), y.Resultat(i, j));
    }
}

} // namespace

TEST(Historique, RoundTripOfTwentyAndSixtyTeams)
{
    Dossier d;
    for (int n : {20, 60}) {
        TStats stats;
        TStat* st = stats.AjouteStat(d.chemin.string(), 12, 1);
        Remplit(*st, n, 5);
        ASSERT_TRUE(st->Sauve());
        EXPECT_EQ(std::filesystem::path(st->NomFichier).filename(), "stat12_2.txt");

        TStat relu;
        ASSERT_TRUE(relu.Charge(st->NomFichier));
        EXPECT_EQ(relu.Sport, 1);
        CompareStat(*st, relu);
        // With 60 teams the team of id 59 keeps its own results.
        if (n == 60) {
            EXPECT_EQ(relu.NomEquipe(59), "Equipe 59");
            EXPECT_EQ(relu.Saison(0)->PositionEquipe(59), 54);   // season 5: position i holds (i + 5) % 60
            EXPECT_EQ(relu.Saison(0)->PositionEquipe(24), 19);
        }
        // Written again, the bytes are the same.
        const std::string avant = Lit(st->NomFichier);
        relu.NomFichier = d / "copie.txt";
        ASSERT_TRUE(relu.Sauve());
        EXPECT_EQ(Lit(relu.NomFichier), avant);
        std::filesystem::remove(st->NomFichier);
        std::filesystem::remove(relu.NomFichier);
    }
}

TEST(Historique, FolderLoadTakesTxtExtensionsOnly)
{
    Dossier d;
    TStat a;
    Remplit(a, 4, 2);
    a.IdChampionnat = 7;
    a.NomFichier = d / "stat7_3.txt";
    ASSERT_TRUE(a.Sauve());
    std::filesystem::copy_file(a.NomFichier, d / "stat7_4.TXT~");
    std::filesystem::copy_file(a.NomFichier, d / "stat7_1.dat");
    std::filesystem::create_directory(d / "sub.txt");

    TStats stats;
    stats.ChargeDossier(d.chemin.string() + "/");
    ASSERT_EQ(stats.Nombre(), 2);
    ASSERT_NE(stats.ChercheStat(7, 2), nullptr);
    ASSERT_NE(stats.ChercheStat(7, 3), nullptr);
    EXPECT_EQ(stats.ChercheStat(7, 0), nullptr);
    EXPECT_EQ(stats.IndexStat(stats.ChercheStat(7, 3)), 1);
    EXPECT_EQ(stats.ChercheStat(7, 2)->NombreSaisons(), 2);
}

TEST(Historique, SportFromTheFileName)
{
    EXPECT_EQ(TStat::SportNomFichier("x/stat3_4.txt"), 3);
    EXPECT_EQ(TStat::SportNomFichier("x/stat3_1.txt"), 0);
    EXPECT_EQ(TStat::SportNomFichier("x/stat3.txt"), 0);
    EXPECT_EQ(TStat::SportNomFichier("x/stat3_b.txt"), 0);
    EXPECT_EQ(TStat::SportNomFichier("x/stat3_9.txt"), 0);
    EXPECT_EQ(TStat::SportNomFichier("x/stat3_2.txt~"), 1);
}

TEST(Historique, OldFormatWithoutMarker)
{
    // Name count 1, id 3 "AB", one season of 2 teams numbered 9, system 1,
    // ids 3 and 4, results 2-1 and (not played).
    static const char octets[] = "\x00\x01\x00\x03" "AB\xFF" "\x01" "\x02\x09\x01\x02\x00\x03\x00\x04"
                                 "\xFF\xFF\x02\x01\xFF\x00\xFF\xFF";
    const std::string s(octets, sizeof octets - 1);
    TStat st;
    ASSERT_TRUE(st.ChargeOctets(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
    EXPECT_EQ(st.IdChampionnat, 1);
    EXPECT_EQ(st.NomEquipe(3), "AB");
    EXPECT_EQ(st.ProchainId(), 4);
    ASSERT_EQ(st.NombreSaisons(), 1);
    const TSaisonStat& x = *st.Saison(0);
    EXPECT_EQ(x.Saison(), 9);
    EXPECT_EQ(x.SystemePoints, 1);
    EXPECT_EQ(x.ResultatEquipes(3, 4), std::make_pair(2, 1));
    // (255, 0) counts as not played.
    EXPECT_EQ(x.ResultatEquipes(4, 3), std::make_pair(255, 255));
}

TEST(Historique, TeamNameWithByteFFDoesNotCorruptTheFile)
{
    Dossier d;
    TStat st;
    st.NomFichier = d / "stat1_1.txt";
    const std::string odd = std::string("Ha\xFF" "e ") + '\0' + "X";
    const int id = st.IdEquipe(odd);
    st.IdEquipe("Next");
    Remplit(st, 2, 1);
    ASSERT_TRUE(st.Sauve());

    TStat relu;
    ASSERT_TRUE(relu.Charge(st.NomFichier));
    CompareStat(st, relu);
    EXPECT_EQ(relu.NomEquipe(id), std::string("Hay" "e ") + '\0' + "X");
    // The name is found again under its original spelling.
    EXPECT_EQ(relu.ChercheEquipe(odd), id);
    EXPECT_EQ(relu.ChercheEquipe("NEXT"), 1);
}

TEST(Historique, TruncatedFilesKeepWhatWasReadCompletely)
{
    TStat st;
    Remplit(st, 6, 3);
    std::string s;
    st.EcritOctets(s);
    int saisonsVues = 0;
    for (size_t taille = 0; taille < s.size(); ++taille) {
        TStat t;
        ASSERT_FALSE(t.ChargeOctets(reinterpret_cast<const uint8_t*>(s.data()), taille)) << taille;
        ASSERT_LE(t.NombreEquipes(), 6);
        ASSERT_LE(t.NombreSaisons(), 2);
        for (int k = 0; k < t.NombreSaisons(); ++k)
            ASSERT_EQ(t.Saison(k)->NbIds(), 6);
        saisonsVues = std::max(saisonsVues, t.NombreSaisons());
    }
    EXPECT_EQ(saisonsVues, 2);
    TStat complet;
    EXPECT_TRUE(complet.ChargeOctets(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
    EXPECT_EQ(complet.NombreSaisons(), 3);

    // A file cut inside a name (no end byte) ends the reading.
    Dossier d;
    Ecrit(d / "stat2_1.txt", std::string("\xFF\x00\x02\x00\x01\x00\x00" "Endless name", 19));
    TStat u;
    EXPECT_FALSE(u.Charge(d / "stat2_1.txt"));
    EXPECT_EQ(u.IdChampionnat, 2);
    EXPECT_EQ(u.NombreEquipes(), 0);
    // A missing file does nothing.
    EXPECT_FALSE(u.Charge(d / "none.txt"));
}

TEST(Historique, IdFiftyNineRepairedOnlyInFilesThatNeedIt)
{
    auto fichier = [](bool nomme59) {
        std::string s("\xFF\x00\x01", 3);
        s += '\x00';
        s += nomme59 ? '\x02' : '\x01';
        s += std::string("\x00\x18" "Vingt-quatre\xFF", 15);
        if (nomme59)
            s += std::string("\x00\x3B" "Cinquante-neuf\xFF", 17);
        // One season of 2 teams: ids 59 and 3.
        s += std::string("\x01\x02\x05\x00\x02\x00\x3B\x00\x03\x00\x00\x01\x00\x00\x00\x00\x00", 17);
        return s;
    };
    for (bool nomme59 : {false, true}) {
        const std::string s = fichier(nomme59);
        TStat st;
        ASSERT_TRUE(st.ChargeOctets(reinterpret_cast<const uint8_t*>(s.data()), s.size()));
        ASSERT_EQ(st.NombreSaisons(), 1);
        EXPECT_EQ(st.Saison(0)->IdEquipe(0), nomme59 ? 59 : 24);
        EXPECT_EQ(st.Saison(0)->ResultatEquipes(3, nomme59 ? 59 : 24), std::make_pair(0, 0));
    }
}

TEST(Historique, SeasonsSortedHighestFirstAndReplaced)
{
    TStat st;
    st.AjouteSaison(std::make_unique<TSaisonStat>(2, 3));
    st.AjouteSaison(std::make_unique<TSaisonStat>(2, 7));
    EXPECT_EQ(st.AjouteSaison(std::make_unique<TSaisonStat>(2, 5)), 1);
    auto remplace = std::make_unique<TSaisonStat>(4, 5);
    EXPECT_EQ(st.AjouteSaison(std::move(remplace)), 1);
    ASSERT_EQ(st.NombreSaisons(), 3);
    EXPECT_EQ(st.Saison(0)->Saison(), 7);
    EXPECT_EQ(st.Saison(1)->NombreEquipes(), 4);
    EXPECT_EQ(st.Saison(2)->Saison(), 3);
    int index = 0;
    auto retiree = st.SupprimeSaison(st.Saison(0), &index);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(retiree->Saison(), 7);
    EXPECT_EQ(st.NombreSaisons(), 2);

    TSaisonStat s(2, 10);
    s.SetSaison(200);
    EXPECT_EQ(s.Saison(), 10);
    s.EcritResultat(0, 1, 255, 1);
    s.EcritResultat(2, 0, 1, 1);
    EXPECT_EQ(s.Resultat(0, 1), std::make_pair(255, 255));
    auto flux = s.EcritFlux();
    EXPECT_EQ(flux->Size(), 4 + 8);
}

TEST(Historique, StandingsOfASeasonByHand)
{
    // Three teams. 0-1: 3-0, 1-0: 1-1, 0-2: 0-2, 2-0: 4-1, 1-2: 2-2, 2-1 not played.
    TSaisonStat s(3, 1);
    s.EcritResultat(0, 1, 3, 0);
    s.EcritResultat(1, 0, 1, 1);
    s.EcritResultat(0, 2, 0, 2);
    s.EcritResultat(2, 0, 4, 1);
    s.EcritResultat(1, 2, 2, 2);
    std::vector<int32_t> t, o;

    s.CalculeClassement(1, t, o);
    // Team 0: W1 (3-0) D1 L2, GF 5 GA 7; team 1: D2 L1, GF 3 GA 6; team 2: W2 D1, GF 8 GA 3.
    EXPECT_EQ(std::vector<int32_t>(t.begin(), t.begin() + 7), (std::vector<int32_t>{4, 1, 1, 2, 5, 7, -2}));
    EXPECT_EQ(std::vector<int32_t>(t.begin() + 7, t.begin() + 14), (std::vector<int32_t>{2, 0, 2, 1, 3, 6, -3}));
    EXPECT_EQ(std::vector<int32_t>(t.begin() + 14, t.end()), (std::vector<int32_t>{7, 2, 1, 0, 8, 3, 5}));
    EXPECT_EQ(o[0], 2);
    EXPECT_EQ(o[5], 0);
    EXPECT_EQ(o[10], 1);

    // System 3: a win by 3 goals or more earns one more (team 0's 3-0, team 2's 4-1).
    s.SystemePoints = 3;
    s.CalculeClassement(1, t, o);
    EXPECT_EQ(t[0], 2 + 1 + 1);
    EXPECT_EQ(t[14], 4 + 1 + 1);
    // System 2: one more per match with 3 goals or more (team 0: 3-0; team 2: 4-1).
    s.SystemePoints = 2;
    s.CalculeClassement(1, t, o);
    EXPECT_EQ(t[0], 4);
    EXPECT_EQ(t[7], 2);
    // Home table, system 2: the bonus counts over every match.
    s.CalculeClassement(2, t, o);
    EXPECT_EQ(std::vector<int32_t>(t.begin(), t.begin() + 7), (std::vector<int32_t>{3, 1, 0, 1, 3, 2, 1}));
    s.SystemePoints = 0;
    s.CalculeClassement(3, t, o);
    EXPECT_EQ(std::vector<int32_t>(t.begin() + 14, t.end()), (std::vector<int32_t>{4, 1, 1, 0, 4, 2, 2}));

    s.CalculeClassement(4, t, o);
    EXPECT_EQ(t[3], 2);
    EXPECT_EQ(o[0], 0);
    EXPECT_EQ(o[1], 2);
    s.CalculeClassement(5, t, o);
    EXPECT_EQ(t[14 + 4], 8);
    EXPECT_EQ(o[0], 2);
    EXPECT_EQ(o[1], 8);
    EXPECT_EQ(o[5], 0);
    EXPECT_EQ(o[10], 1);
    // defence: goals against, 7, 6 and 3
    s.CalculeClassement(6, t, o);
    EXPECT_EQ((std::vector<int32_t>{t[5], t[12], t[19]}), (std::vector<int32_t>{7, 6, 3}));
    EXPECT_EQ((std::vector<int32_t>{o[0], o[5], o[10]}), (std::vector<int32_t>{0, 1, 2}));
}

// A file naming as many teams as it may (ids are 16 bits), names of one length
// that differ late: read in time proportional to its size, measured against
// a file of a quarter of the names in the same run.
// Alpha 3-2 Bravo under each points system, as the history window names them:
// 0 "3 points for a win", 1 "2 points for a win", 2 "a bonus point for 3 goals
// scored", 3 "a bonus point for a 3-goal margin". Bravo 0-3 Alpha then gives
// Alpha both bonuses.
TEST(Historique, EachPointsSystemCountsWhatItsLabelSays)
{
    struct Cas
    {
        uint8_t systeme;
        int32_t alpha, bravo;                   // after Alpha 3-2 Bravo
        int32_t alphaRetour, bravoRetour;       // after Bravo 0-3 Alpha too
    };
    const Cas cas[] = {
        {0, 3, 0, 6, 0},
        {1, 2, 0, 4, 0},
        {2, 3, 0, 6, 0},
        {3, 2, 0, 5, 0},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(static_cast<int>(k.systeme));
        TSaisonStat s(2, 1);
        s.SystemePoints = k.systeme;
        s.EcritResultat(0, 1, 3, 2);
        std::vector<int32_t> t, o;
        s.CalculeClassement(1, t, o);
        EXPECT_EQ(std::make_pair(t[0], t[7]), std::make_pair(k.alpha, k.bravo));
        s.EcritResultat(1, 0, 0, 3);
        s.CalculeClassement(1, t, o);
        EXPECT_EQ(std::make_pair(t[0], t[7]), std::make_pair(k.alphaRetour, k.bravoRetour));
    }
}

TEST(Historique, ManyNamesReadInLinearTime)
{
    auto fichier = [](int n) {
        std::string o = "\xFF";
        auto mot = [&o](int v) {
            o += static_cast<char>(v >> 8);
            o += static_cast<char>(v & 0xFF);
        };
        mot(1);
        mot(n);
        for (int i = 0; i < n; ++i) {
            mot(i);
            o += "Equipe " + std::to_string(100000 + i) + "\xFF";
        }
        o += '\0';   // no season
        return o;
    };
    double durees[2];
    for (int k = 0; k < 2; ++k) {
        const std::string o = fichier(k == 0 ? 16000 : 64000);
        durees[k] = essai::MeilleurTempsCpu([&] {
            TStat s;
            ASSERT_TRUE(s.ChargeOctets(reinterpret_cast<const uint8_t*>(o.data()), o.size()));
            EXPECT_EQ(s.NombreEquipes(), k == 0 ? 16000 : 64000);
            EXPECT_EQ(s.IdEquipe("EQUIPE 100007"), 7);
        });
    }
    EXPECT_LT(durees[1], 8 * durees[0] + 0.05) << durees[0] << " s, then " << durees[1] << " s";
}

namespace {

// A pid that no process holds any longer: a child that has ended.
long PidTermine()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    int statut = 0;
    ::waitpid(pid, &statut, 0);
    return pid;
}

}   // namespace

// A history file damaged in many ways is reported by name, keeps its bytes
// while it is only read, and is copied aside whole before it is ever written
// again; a sound file beside it is neither reported nor copied. A damaged file
// keeps the championship of its name and never takes the place of division 1's
// sound file. Two seasons of one year are no damage: both are kept. In each
// sport.
TEST(Historique, DamagedFileIsReportedAndKeptBeforeItIsWritten)
{
    TStat modele;
    Remplit(modele, 6, 5);
    modele.IdChampionnat = 10;
    std::string sain;
    modele.EcritOctets(sain);
    std::string division1 = sain;
    division1[2] = 1;   // the championship code, bytes 1 and 2
    // Byte 5 + 6 names: the season count; the first season starts after it.
    const size_t saisons = sain.size() - 5 * (4 + 6 * 2 + 6 * 6 * 2) - 1;
    ASSERT_EQ(static_cast<uint8_t>(sain[saisons]), 5);
    struct Cas
    {
        const char* nom;
        std::string octets;
        bool endommage = true;
        const char* fichier = "stat10";   // its name, before "_<sport>.txt"
    };
    std::string equipes = sain;
    equipes[saisons + 1 + (4 + 12 + 72)] = 40;   // season 2's team count
    std::string saisonsEnTrop = sain;
    saisonsEnTrop[saisons] = static_cast<char>(255);
    std::string nomsEnTrop = sain;
    nomsEnTrop[3] = '\x7F';
    std::string memeAnnee = sain;
    memeAnnee[saisons + 1 + (4 + 12 + 72) + 1] = 5;   // season 4 numbered as season 5
    std::string points = sain;
    points[saisons + 1 + 2] = 7;   // season 5's points system
    const std::vector<Cas> cas = {
        {"cut after its names", sain.substr(0, saisons + 1)},
        {"cut in a season", sain.substr(0, sain.size() / 2)},
        {"one byte short", sain.substr(0, sain.size() - 1)},
        {"team count changed", equipes},
        {"season count too high", saisonsEnTrop},
        {"name count too high", nomsEnTrop},
        {"garbage", std::string(300, '\xA5')},
        {"a name without its end", std::string("\xFF\x00\x0A\x00\x01\x00\x01", 7) + std::string(70000, 'a')},
        {"empty", ""},
        {"a lone end byte", "\xFF"},
        {"empty, its name without a championship", "", true, "historique"},
        {"a points system out of range", points},
        {"two seasons of one year", memeAnnee, false},
    };
    for (const Cas& c : cas)
        for (int sport = 0; sport < 4; ++sport) {
            SCOPED_TRACE(std::string(c.nom) + ", sport " + std::to_string(sport));
            Dossier d;
            const std::string suffixe = "_" + std::to_string(sport + 1) + ".txt";
            const std::string fichier = d / (c.fichier + suffixe);
            const std::string voisin = d / ("stat10_" + std::to_string((sport + 1) % 4 + 1) + ".txt");
            const std::string premiere = d / ("stat1" + suffixe);
            Ecrit(fichier, c.octets);
            Ecrit(voisin, sain);
            Ecrit(premiere, division1);

            TStats stats;
            const std::vector<std::string> endommages = stats.ChargeDossier(d.chemin.string());
            TStat* st = nullptr;
            for (int i = 0; i < stats.Nombre(); ++i)
                if (stats.Stat(i)->NomFichier == fichier)
                    st = stats.Stat(i);
            ASSERT_NE(st, nullptr);
            ASSERT_NE(stats.ChercheStat(1, sport), nullptr);
            EXPECT_EQ(stats.ChercheStat(1, sport)->NomFichier, premiere);
            EXPECT_FALSE(stats.ChercheStat(10, (sport + 1) % 4)->Endommage());
            if (!c.endommage) {
                // read as it is: written again, the same bytes
                EXPECT_TRUE(endommages.empty());
                EXPECT_EQ(st->NombreSaisons(), 5);
                ASSERT_TRUE(st->Sauve());
                EXPECT_EQ(Lit(fichier), c.octets);
                EXPECT_FALSE(std::filesystem::exists(fichier + ".bak"));
                continue;
            }
            ASSERT_EQ(endommages, std::vector<std::string>{fichier});
            EXPECT_TRUE(st->Endommage());
            if (c.fichier == std::string("stat10")) {
                EXPECT_EQ(stats.ChercheStat(10, sport), st);
            }
            EXPECT_EQ(Lit(fichier), c.octets);

            // A season added: the file was kept aside first, then written whole.
            st->AjouteSaison(std::make_unique<TSaisonStat>(2, 99));
            ASSERT_TRUE(st->Sauve());
            EXPECT_EQ(st->CopieGardee(), fichier + ".bak");
            EXPECT_EQ(Lit(fichier + ".bak"), c.octets);
            EXPECT_FALSE(st->Endommage());
            TStat relu;
            EXPECT_TRUE(relu.Charge(fichier));
            EXPECT_EQ(relu.NombreSaisons(), st->NombreSaisons());
            // Written again: the copy of the damaged file is not made twice.
            ASSERT_TRUE(st->Sauve());
            EXPECT_FALSE(std::filesystem::exists(fichier + ".1.bak"));
            EXPECT_FALSE(std::filesystem::exists(voisin + ".bak"));
            EXPECT_FALSE(std::filesystem::exists(premiere + ".bak"));
        }
}

// A damaged file whose copy cannot be made is not written at all; an earlier
// copy of another damage is never replaced.
TEST(Historique, DamagedFileIsNotWrittenWithoutItsCopy)
{
    Dossier d;
    const std::string fichier = d / "stat3_1.txt";
    const std::string abime("\xFF\x00\x03\x00\x05", 5);
    Ecrit(fichier, abime);
    Ecrit(fichier + ".bak", "older");
    TStat st;
    EXPECT_FALSE(st.Charge(fichier));
    ASSERT_TRUE(st.Endommage());
    ASSERT_TRUE(st.Sauve());
    EXPECT_EQ(st.CopieGardee(), fichier + ".1.bak");
    EXPECT_EQ(Lit(fichier + ".bak"), "older");
    EXPECT_EQ(Lit(fichier + ".1.bak"), abime);

    // The folder refuses new files: neither the copy nor the file is written.
    Ecrit(fichier, abime);
    TStat bloque;
    bloque.Charge(fichier);
    ASSERT_TRUE(bloque.Endommage());
    std::filesystem::permissions(d.chemin, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (::access(d.chemin.c_str(), W_OK) != 0) {   // not when the tests run as root
        EXPECT_FALSE(bloque.Sauve());
        EXPECT_EQ(Lit(fichier), abime);
    }
    std::filesystem::permissions(d.chemin, std::filesystem::perms::owner_all);
}

// What a save killed midway leaves beside the file (its hidden temporary) is
// removed by the next save; a temporary of a writer still running, or of
// another file, stays.
TEST(Historique, NextSaveRemovesWhatAKilledSaveLeft)
{
    Dossier d;
    TStat st;
    Remplit(st, 4, 2);
    st.NomFichier = d / "stat5_1.txt";
    ASSERT_TRUE(st.Sauve());
    // What a writer of that pid leaves: "." + name + "." + pid + "." + counter + "." + hex + ".tmp".
    auto temporaire = [](const std::string& nom, long pid, int compteur) {
        std::string t = ".";
        t += nom;
        t += '.';
        t += std::to_string(pid);
        t += '.';
        t += std::to_string(compteur);
        t += ".3f.tmp";
        return t;
    };
    const std::string mort = temporaire("stat5_1.txt", PidTermine(), 1);
    const std::string vivant = temporaire("stat5_1.txt", ::getpid(), 7);
    const std::string autre = temporaire("stat5_2.txt", PidTermine(), 1);
    for (const std::string& n : {mort, vivant, autre})
        Ecrit(d / n, "x");
    ASSERT_TRUE(st.Sauve());
    EXPECT_FALSE(std::filesystem::exists(d / mort));
    EXPECT_TRUE(std::filesystem::exists(d / vivant));
    EXPECT_TRUE(std::filesystem::exists(d / autre));
}
