// The language files against the list of text ids the program uses: every id
// has a text in both languages, and every formatted text formats with the
// arguments its callers give.
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "DataFolder.h"
#include "model/oTraducteur.h"
#include "model/Rang.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

using namespace datatest;

namespace {

const char* const kLanguages[] = {"fr", "en"};

std::string LanguageFile(const std::string& lang)
{
    return MakePath(DataDir(), "texte\\Texte" + lang + ".txt");
}

// Counts the Format directives of a text ("%%" is a literal percent sign).
int CountDirectives(const std::string& t)
{
    int n = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '%')
            continue;
        size_t j = i + 1;
        if (j < t.size() && t[j] == '%') {
            i = j;
            continue;
        }
        while (j < t.size() && (isdigit(static_cast<unsigned char>(t[j])) || t[j] == ':' || t[j] == '-' ||
                                t[j] == '.' || t[j] == '*'))
            ++j;
        if (j < t.size() && isalpha(static_cast<unsigned char>(t[j])))
            ++n;
        i = j;
    }
    return n;
}

// Sample arguments of the kinds given ("s,d,..."), distinct enough to be found
// in the formatted text.
std::vector<TVarRec> SampleArgs(const std::string& kinds, std::vector<std::string>& shown)
{
    std::vector<TVarRec> args;
    if (kinds.empty() || kinds == "-")
        return args;
    int k = 0;
    for (size_t p = 0; p < kinds.size(); p += 2, ++k) {
        if (kinds[p] == 's') {
            std::string s = "Arg" + std::to_string(k) + "x";
            shown.push_back(s);
            args.emplace_back(s);
        } else {
            int v = 4100 + k;
            shown.push_back(std::to_string(v));
            args.emplace_back(v);
        }
    }
    return args;
}

class Texts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(DataDir().empty()) << "no data folder: set BZ_DATA_DIR";
        ids_ = ReadIds(MakePath(DataDir(), "texte\\ids.tsv"));
    }
    std::vector<TextId> ids_;
};

}  // namespace

TEST_F(Texts, ListIsSortedAndHasUsageAndArgumentKinds)
{
    ASSERT_GT(ids_.size(), 1000u);
    for (size_t i = 0; i < ids_.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(ids_[i - 1].id, ids_[i].id) << "ids.tsv not sorted or id repeated";
        }
        EXPECT_FALSE(ids_[i].usage.empty()) << ids_[i].id;
        const std::string& a = ids_[i].args;
        bool ok = a.empty() || a == "-";
        if (!ok) {
            ok = true;
            for (size_t p = 0; p < a.size(); ++p)
                ok = ok && ((p % 2 == 0) ? (a[p] == 's' || a[p] == 'd') : a[p] == ',');
            ok = ok && a.size() % 2 == 1;
        }
        EXPECT_TRUE(ok) << ids_[i].id << " arguments '" << a << "'";
    }
}

TEST_F(Texts, EveryIdHasATextInBothLanguages)
{
    for (const char* lang : kLanguages) {
        TTraducteur t(LanguageFile(lang));
        ASSERT_TRUE(t.Charge()) << LanguageFile(lang);
        EXPECT_EQ(t.NbTexte(), static_cast<int>(ids_.size())) << lang << ": a line for every id, and no other";
        for (const TextId& e : ids_)
            EXPECT_FALSE(t.Traduire(e.id).empty()) << lang << " has no text for id " << e.id << " (" << e.usage << ")";
    }
}

TEST_F(Texts, LanguageFilesAreSortedWindows1252WithCrLf)
{
    std::set<int> listed;
    for (const TextId& e : ids_)
        listed.insert(e.id);
    for (const char* lang : kLanguages) {
        const std::string data = ReadFile(LanguageFile(lang));
        ASSERT_FALSE(data.empty()) << lang;
        int previous = -1;
        size_t start = 0;
        int lines = 0;
        while (start < data.size()) {
            size_t end = data.find('\n', start);
            ASSERT_NE(end, std::string::npos) << lang << ": last line without an end";
            ASSERT_GT(end, start);
            EXPECT_EQ(data[end - 1], '\r') << lang << ": line " << lines + 1 << " does not end in CR LF";
            const std::string line = data.substr(start, end - 1 - start);
            const size_t tab = line.find('\t');
            ASSERT_NE(tab, std::string::npos) << lang << ": line without a tab: " << line;
            const int id = std::stoi(line.substr(0, tab));
            EXPECT_GT(id, previous) << lang << ": ids not ascending at " << id;
            EXPECT_TRUE(listed.count(id)) << lang << ": id " << id << " is not in ids.tsv";
            previous = id;
            // Windows-1252 has no character in 0x81, 0x8D, 0x8F, 0x90, 0x9D, and
            // a UTF-8 lead byte followed by a continuation byte betrays UTF-8.
            for (size_t i = tab + 1; i < line.size(); ++i) {
                const unsigned char c = static_cast<unsigned char>(line[i]);
                EXPECT_FALSE(c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D || c < 0x20)
                    << lang << " id " << id << ": byte " << int(c);
                if ((c == 0xC3 || c == 0xC2) && i + 1 < line.size()) {
                    const unsigned char d = static_cast<unsigned char>(line[i + 1]);
                    EXPECT_FALSE(d >= 0x80 && d <= 0xBF) << lang << " id " << id << " looks like UTF-8";
                }
            }
            ++lines;
            start = end + 1;
        }
    }
}

// texts.tsv is the source the language files are written from (make_texts.py):
// a text added to a language file alone is lost at the next writing.
TEST_F(Texts, LanguageFilesAreWhatTheirSourceGives)
{
    std::map<int, std::pair<std::string, std::string>> source;
    std::istringstream in(ReadFile(MakePath(DataDir(), "texte\\texts.tsv")));
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#' || line.rfind("id\t", 0) == 0)
            continue;
        const size_t a = line.find('\t'), b = line.find('\t', a + 1);
        ASSERT_NE(b, std::string::npos) << line;
        source[std::stoi(line.substr(0, a))] = {Utf8ToCp1252(line.substr(a + 1, b - a - 1)), Utf8ToCp1252(line.substr(b + 1))};
    }
    for (const char* lang : kLanguages) {
        TTraducteur t(LanguageFile(lang));
        ASSERT_TRUE(t.Charge());
        EXPECT_EQ(t.NbTexte(), static_cast<int>(source.size())) << lang;
        for (const auto& [id, texts] : source)
            EXPECT_EQ(t.Traduire(id), std::string(lang) == "fr" ? texts.first : texts.second) << lang << " id " << id;
    }
}

TEST_F(Texts, FormattedTextsMatchTheArgumentsOfTheirCallers)
{
    for (const char* lang : kLanguages) {
        TTraducteur t(LanguageFile(lang));
        ASSERT_TRUE(t.Charge());
        for (const TextId& e : ids_) {
            std::string text = t.Traduire(e.id);
            if (e.args.empty()) {
                // Fetched as it is: a line break or a directive would show raw.
                EXPECT_EQ(text.find("%rc"), std::string::npos) << lang << " plain text " << e.id << " holds %rc";
                continue;
            }
            std::vector<std::string> shown;
            std::vector<TVarRec> args = SampleArgs(e.args, shown);
            text = StringReplace(text, "%rc", "\r", rfReplaceAll);
            EXPECT_EQ(CountDirectives(text), static_cast<int>(args.size()))
                << lang << " id " << e.id << " (" << e.usage << "): '" << t.Traduire(e.id) << "' for arguments "
                << e.args;
            try {
                (void)Format(text, args.data(), static_cast<int>(args.size()));
            } catch (const Exception& x) {
                ADD_FAILURE() << lang << " id " << e.id << ": " << x.Message;
            }
            // Through the translator, every argument shows in the result.
            const std::string r = t.TraduireFormat(e.id, args.data(), static_cast<int>(args.size()));
            for (const std::string& s : shown)
                EXPECT_NE(r.find(s), std::string::npos) << lang << " id " << e.id << ": '" << r << "' lacks " << s;
        }
    }
}

TEST_F(Texts, LineBreaksComeOutAsCarriageReturns)
{
    TTraducteur t(LanguageFile("fr"));
    ASSERT_TRUE(t.Charge());
    // The update check's failure message: two phrases on two lines.
    const std::string r = t.TraduireFormat(1327, {"http://x.invalid/"});
    const size_t cr = r.find('\r');
    ASSERT_NE(cr, std::string::npos) << r;
    EXPECT_NE(r.find("http://x.invalid/"), std::string::npos);
    EXPECT_NE(r[cr - 1], ' ');
    EXPECT_NE(r[cr + 1], ' ');
}

TEST_F(Texts, GivenFrenchTextsAreKeptAsTheyStand)
{
    // A plain text that the windows are designed with keeps that wording in
    // French (ids.tsv, last column, UTF-8).
    TTraducteur t(LanguageFile("fr"));
    ASSERT_TRUE(t.Charge());
    std::istringstream in(ReadFile(MakePath(DataDir(), "texte\\ids.tsv")));
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("id\t", 0) == 0)
            continue;
        const size_t a = line.find('\t'), b = line.find('\t', a + 1), c = line.find('\t', b + 1);
        ASSERT_NE(c, std::string::npos) << line;
        const std::string args = line.substr(b + 1, c - b - 1), given = line.substr(c + 1);
        if (given.empty() || !args.empty())
            continue;
        const int id = std::stoi(line.substr(0, a));
        EXPECT_EQ(t.Traduire(id), L1(given)) << "id " << id;
        ++checked;
    }
    EXPECT_GT(checked, 30);
    EXPECT_EQ(t.Traduire(27), "Continuer");
    EXPECT_EQ(t.Traduire(75), L1("Club précédent"));
}

// The English texts are English: no French accented letter, no French spelling
// of the sports.
TEST_F(Texts, EnglishTextsHaveNoFrenchLetters)
{
    const std::string data = ReadFile(LanguageFile("en"));
    ASSERT_FALSE(data.empty());
    for (const char* french : {"\xE0", "\xE2", "\xE7", "\xE8", "\xE9", "\xEA", "\xEB", "\xEE", "\xEF", "\xF4", "\xF9",
                               "\xFB", "Basket-ball"})
        EXPECT_EQ(data.find(french), std::string::npos) << Cp1252ToUtf8(french) << " in the English texts";
}

// The captions of the rugby windows and the standings statistics name the
// figure under them, in both languages: the word of each figure, and not the
// word of the figure they stood over before.
TEST_F(Texts, CaptionsNameTheFigureUnderThem)
{
    struct TCaption
    {
        int id;
        const char *fr, *en, *pasFr, *pasEn;
    };
    const TCaption cas[] = {
        {188, "plus de victoires", "Most wins", "bilan", "record"},
        {189, "moins de victoires", "Fewest wins", "bilan", "record"},
        {190, "plus de matchs nuls", "Most draws", "victoires", "wins"},
        {191, "moins de matchs nuls", "Fewest draws", "victoires", "wins"},
        {192, "plus de défaites", "Most defeats", "nuls", "draws"},
        {193, "moins de défaites", "Fewest defeats", "nuls", "draws"},
        {195, "plus de buts encaissés", "Most goals conceded", "moins", "Fewest"},
        {507, "plus de points encaissés", "Most points conceded", "moins", "Fewest"},
        {1097, "Essais", "Tries", "Scores", "Scores"},
        {1098, "Pénalités", "Penalty goals", "Bonus", "Bonus"},
        {1099, "Drops", "Drop goals", "Essais", "Tries"},
        {499, "essais", "Try", "Réalisateurs", "Points"},
        {300, "Note", "rating", "Cartons", "Cards"},
        {504, "Marqués par minute", "Scored by minute", "joueurs", "Player"},
        {505, "Encaissés par minute", "Conceded by minute", "Statistiques", "Statistics"},
        {1095, "Drops", "Drop goals", "lancers", "Free-throw"},
        {4500, "pénalité", "Penalty kicks", "sifflés", "awarded"},
        {4501, "essais", "Tries", "buts", "Goals"},
        {4502, "essai", "try", "but", "clean sheet"},
        {4503, "essai", "try", "but", "clean sheet"},
        {4504, "essai", "try", "but", "goal"},
        {4505, "essai", "try", "but", "goal"},
        // the football yellow card, one word in each language
        {78, "Cartons jaunes", "Yellow cards", "Avertissements", "Bookings"},
        {95, "Cartons jaunes", "Yellow cards", "Avertissements", "Bookings"},
        {310, "Cartons jaunes", "Yellow cards", "Avertissements", "Bookings"},
        {941, "Cartons jaunes", "Yellow cards", "Avertissements", "Bookings"},
        {305, "cartons jaunes", "yellow cards", "avertissements", "bookings"},
        // the shoot-out, as the results page names it
        {3987, "tirs au but", "Shoot-out", "penaltys", "Penalt"},
        {5201, "Tirs au but", "Shoot-out", "enalty", "enalt"},
        // one player's position
        {5205, "Attaquant", "Forward", "Attaquants", "Forwards"},
        {5202, "Gardien de but", "Goalkeeper", "Gardiens", "Goalkeepers"},
        // an average under a count's caption
        {5200, "par match", "per match", "Buteurs", "Scorers"},
        // the kind of a folder in the file dialogs
        {5206, "Dossier", "Folder", "Folder", "Dossier"},
        // basketball counts points, an average says per match, handball warns
        // and expels, a cup's last matchday holds the third place too
        {5450, "points encaissés", "points conceded", "Essais", "Tries"},
        {5451, "points marqués", "points scored", "Essais", "Tries"},
        {5452, "/match", "/match", "Buteurs", "Scorers"},
        {103, "Avertissements", "Warnings", "Cartons", "Yellow"},
        {1520, "Expulsions", "Expulsions", "Cartons", "Sendings-off"},
        {5453, "3e place", "third place", "Match 5", "Game 5"},
        // the points added or removed by decision: a bonus or a penalty, not penalty kicks
        {5503, "onus", "onus", "Pénalités", "Penalties"},
        {5504, "onus", "onus", "Pénalités", "Penalties"},
        // the forecast's match card
        {5502, "la fiche", "match card", "le fiche", "sheet"},
    };
    TTraducteur fr(LanguageFile("fr")), en(LanguageFile("en"));
    ASSERT_TRUE(fr.Charge());
    ASSERT_TRUE(en.Charge());
    for (const TCaption& c : cas) {
        const std::string f = fr.Traduire(c.id), e = en.Traduire(c.id);
        EXPECT_NE(f.find(L1(c.fr)), std::string::npos) << c.id << ": " << Cp1252ToUtf8(f);
        EXPECT_NE(e.find(c.en), std::string::npos) << c.id << ": " << e;
        EXPECT_EQ(f.find(L1(c.pasFr)), std::string::npos) << c.id << ": " << Cp1252ToUtf8(f);
        EXPECT_EQ(e.find(c.pasEn), std::string::npos) << c.id << ": " << e;
    }
}

// The statistic captions of basketball and handball name the figure they
// stand over, in both languages (the codes as the team sheet, the box score
// grids and the rankings use them).
TEST_F(Texts, StatisticCaptionsNameTheirFigures)
{
    struct Caption
    {
        int id;
        const char *fr, *en;   // UTF-8
    };
    const Caption captions[] = {
        {587, "BP", "TO"},                                   // turnovers
        {588, "Ct", "Blk"},                                  // blocks
        {649, "Ft", "Fls"},                                  // fouls
        {581, "Temps de jeu", "Playing time"},               // ranking kind 27
        {92, "minutes", "minutes"},                          // minutes of matchday detail, team information
        {648, "Éliminés (5 fautes)", "Fouled out"},          // players of a referee's matches fouled out
        {1162, "Meilleure moyenne par match", "Best average per match"},
        {1163, "Plus faible moyenne par match", "Lowest average per match"},
        {1165, "Plus de rebonds par match", "Most rebounds per match"},
        {1166, "Moins de rebonds par match", "Fewest rebounds per match"},
        {4551, "Ratio", "Ratio"},                            // points for / against
        {1531, "Jets 7 m", "7m throws"},                     // codes 24 and 28
        {1532, "Arr. 7 m", "7m saves"},                      // code 27
        {1495, "Avert.", "Warn."},                           // code 32
        {1493, "Disq.", "Disq."},                            // code 34
        {1494, "Expuls.", "Excl."},                          // code 35
        {1497, "Efficacité au tir", "Shooting efficiency"},  // goals of shots
        {1499, "Efficacité sur 7 m", "7-metre efficiency"},  // 7-metre goals or saves of throws
        {1533, "Pourcentage d'arrêts", "Save percentage"},   // saves of shots faced
        {1526, "Meilleure réussite au tir", "Best shooting rate"},
        {1602, "Buts (jets de 7 m compris)", "Goals incl. 7-metre throws"},
        {1524, "Moyenne exclusions 2 min", "Average 2-minute suspensions"},
        {1525, "Moyenne disqualifications", "Average disqualifications"},
        {1545, "Arrêts sur tirs", "Saves on shots"},         // the menu's saves ranking (code 25)
        {5151, "Arrêts (jets de 7 m compris)", "Saves incl. 7-metre throws"},   // codes 25 and 27
        {4550, "Arrêts sur 7 m", "7-metre saves"},           // ranking kind 58
    };
    TTraducteur fr(LanguageFile("fr")), en(LanguageFile("en"));
    ASSERT_TRUE(fr.Charge());
    ASSERT_TRUE(en.Charge());
    for (const Caption& c : captions) {
        EXPECT_EQ(Cp1252ToUtf8(fr.Traduire(c.id)), c.fr) << "fr " << c.id;
        EXPECT_EQ(en.Traduire(c.id), c.en) << "en " << c.id;
    }
    // No two captions of one box score say the same.
    for (const TTraducteur* t : {&fr, &en}) {
        std::set<std::string> basket, hand;
        for (int id : {1240, 1241, 585, 649, 1293, 586, 588, 587})
            EXPECT_TRUE(basket.insert(t->Traduire(id)).second) << id;
        for (int id : {68, 1127, 302, 1531, 1492, 1532, 587, 585, 586, 1495, 1493, 1494})
            EXPECT_TRUE(hand.insert(t->Traduire(id)).second) << id;
    }
}

// The French texts write each word one way: the penalty as most texts write
// it, the capital A with its accent, "extérieur" with its own.
TEST_F(Texts, FrenchTextsSpellEachWordOneWay)
{
    const struct
    {
        const char *faute, *mot;   // UTF-8
    } graphies[] = {
        {"pénalty", "penalty"}, {"Pénalty", "Penalty"},   {"pénaltys", "penaltys"},
        {"A domicile", "À domicile"}, {"A Domicile", "À domicile"}, {"A l'", "À l'"},
        {"A propos", "À propos"},     {"exterieur", "extérieur"},   {"Exterieur", "Extérieur"},
        {"Meilleures series", "séries"}, {"d'equipe", "équipe"},   {"séléction", "sélection"},
        {"d'ecart", "écart"},         {"detaill", "détaillé"},      {"Serie en", "Série en"},
    };
    TTraducteur fr(LanguageFile("fr"));
    ASSERT_TRUE(fr.Charge());
    int avecMot = 0;
    for (const TextId& e : ids_) {
        const std::string t = fr.Traduire(e.id);
        for (const auto& g : graphies) {
            EXPECT_EQ(t.find(L1(g.faute)), std::string::npos)
                << e.id << ": \"" << Cp1252ToUtf8(t) << "\" writes " << g.mot << " as " << g.faute;
            avecMot += t.find(L1(g.mot)) != std::string::npos;
        }
    }
    EXPECT_GT(avecMot, 10);
    EXPECT_EQ(Cp1252ToUtf8(fr.Traduire(759)), "À domicile");
    EXPECT_EQ(Cp1252ToUtf8(fr.Traduire(763)), "À l'extérieur");
}

// A count takes the singular text where its language does: French for 0 and
// 1, English for 1 alone (the sign aside in both).
TEST_F(Texts, CountsTakeTheNumberOfTheirLanguage)
{
    const struct
    {
        const char* lang;
        int nombre;
        bool singulier;
    } cas[] = {
        {"fr", 0, true},  {"fr", 1, true},  {"fr", -1, true}, {"fr", 2, false}, {"fr", 10, false},
        {"en", 0, false}, {"en", 1, true},  {"en", -1, true}, {"en", 2, false}, {"en", 10, false},
    };
    for (const auto& k : cas) {
        InstalleTraducteur(std::make_unique<TTraducteur>(LanguageFile(k.lang)));
        EXPECT_EQ(IdTexteNombre(235, 236, k.nombre), k.singulier ? 236 : 235) << k.lang << " " << k.nombre;
    }
    // No rule in the language file: 1 alone.
    InstalleTraducteur(nullptr);
    EXPECT_EQ(IdTexteNombre(235, 236, 1), 236);
    EXPECT_EQ(IdTexteNombre(235, 236, 0), 235);

    // A count of one in a sentence, in each language, and two.
    const struct
    {
        const char* lang;
        int pluriel, singulier;
        const char *un, *deux;
    } phrases[] = {
        {"fr", 3321, 5950, "Ce stade accueille 1 match : il ne peut pas être supprimé.",
         "Ce stade accueille 2 matchs : il ne peut pas être supprimé."},
        {"en", 3321, 5950, "This stadium hosts 1 match: it cannot be removed.",
         "This stadium hosts 2 matches: it cannot be removed."},
        {"fr", 3322, 5951, "Cette salle accueille 1 match : elle ne peut pas être supprimée.",
         "Cette salle accueille 2 matchs : elle ne peut pas être supprimée."},
        {"en", 3322, 5951, "This hall hosts 1 match: it cannot be removed.",
         "This hall hosts 2 matches: it cannot be removed."},
        {"fr", 3323, 5952, "Cet arbitre a dirigé 1 match : il ne peut pas être supprimé.",
         "Cet arbitre a dirigé 2 matchs : il ne peut pas être supprimé."},
        {"en", 3323, 5952, "This referee has officiated 1 match: he cannot be removed.",
         "This referee has officiated 2 matches: he cannot be removed."},
        // the counts of the head-to-head, the questions, the charts and the box scores
        {"fr", 294, 294, "Ce championnat n'a pas assez d'équipes : il lui en faut au moins 1.",
         "Ce championnat n'a pas assez d'équipes : il lui en faut au moins 2."},
        {"en", 294, 294, "This championship has too few teams: it needs at least 1.",
         "This championship has too few teams: it needs at least 2."},
        {"fr", 352, 5970, "1 victoire pour Club 1", "2 victoires pour Club 1"},
        {"en", 352, 5970, "1 win for Club 1", "2 wins for Club 1"},
        {"fr", 627, 5970, "1 victoire pour Club 1", "2 victoires pour Club 1"},
        {"en", 627, 5970, "1 win for Club 1", "2 wins for Club 1"},
        {"fr", 353, 5971, "1 match nul", "2 matchs nuls"},
        {"en", 353, 5971, "1 draw", "2 draws"},
        {"fr", 628, 5971, "1 match nul", "2 matchs nuls"},
        {"en", 628, 5971, "1 draw", "2 draws"},
        {"fr", 5580, 5972, "1 match ajouté au calendrier : Club 1.", "2 matchs ajoutés au calendrier : Club 1."},
        {"en", 5580, 5972, "1 match added to the fixtures: Club 1.", "2 matches added to the fixtures: Club 1."},
        {"fr", 5584, 5973, "et 1 autre", "et 2 autres"},
        {"en", 5584, 5973, "and 1 more", "and 2 more"},
        {"fr", 5974, 5975, "1 carton jaune", "2 cartons jaunes"},
        {"en", 5974, 5975, "1 yellow card", "2 yellow cards"},
        {"fr", 5976, 5977, "1 carton rouge", "2 cartons rouges"},
        {"en", 5976, 5977, "1 red card", "2 red cards"},
        {"fr", 5978, 5979, "1 exclusion", "2 exclusions"},
        {"en", 5978, 5979, "1 suspension", "2 suspensions"},
        {"fr", 5980, 5981, "1 disqualification", "2 disqualifications"},
        {"en", 5980, 5981, "1 disqualification", "2 disqualifications"},
        {"fr", 5982, 5983, "1 réussi", "2 réussis"},
        {"en", 5982, 5983, "1 made", "2 made"},
        {"fr", 5984, 5985, "1 tenté", "2 tentés"},
        {"en", 5984, 5985, "1 attempted", "2 attempted"},
        {"fr", 5986, 5987, "1 arrêt", "2 arrêts"},
        {"en", 5986, 5987, "1 save", "2 saves"},
        {"fr", 5988, 5989, "1 tir subi", "2 tirs subis"},
        {"en", 5988, 5989, "1 shot faced", "2 shots faced"},
    };
    for (const auto& p : phrases) {
        InstalleTraducteur(std::make_unique<TTraducteur>(LanguageFile(p.lang)));
        // a text naming a team or matchdays after its count names "Club 1"
        EXPECT_EQ(Cp1252ToUtf8(TraduireFormat(IdTexteNombre(p.pluriel, p.singulier, 1), {1, "Club 1"})), p.un);
        EXPECT_EQ(Cp1252ToUtf8(TraduireFormat(IdTexteNombre(p.pluriel, p.singulier, 2), {2, "Club 1"})), p.deux);
    }
    InstalleTraducteur(nullptr);
}

// A place in the standings reads as an ordinal in each language: the English
// ending follows the last digits.
TEST_F(Texts, PlacesReadAsOrdinals)
{
    const struct
    {
        int rang;
        const char *fr, *en;
    } places[] = {{1, "1er", "1st"},     {2, "2e", "2nd"},     {3, "3e", "3rd"},     {4, "4e", "4th"},
                  {10, "10e", "10th"},   {11, "11e", "11th"},  {12, "12e", "12th"},  {13, "13e", "13th"},
                  {21, "21e", "21st"},   {22, "22e", "22nd"},  {23, "23e", "23rd"},  {111, "111e", "111th"},
                  {101, "101e", "101st"}};
    for (const char* lang : kLanguages) {
        InstalleTraducteur(std::make_unique<TTraducteur>(LanguageFile(lang)));
        for (const auto& p : places)
            EXPECT_EQ(TraduireRang(p.rang), lang == std::string("fr") ? p.fr : p.en) << lang << " " << p.rang;
    }
    InstalleTraducteur(nullptr);
}

// A message that sends the user elsewhere names the road as its captions
// read, each quoted as its language quotes (a blank inside the French
// guillemets, breaking or not).
TEST_F(Texts, MessagesNameTheirRoadAsItsCaptionsRead)
{
    const struct
    {
        int id;
        std::vector<int> legendes;   // menu entries and buttons, in order
    } messages[] = {
        {289, {872, 883}},    // no play-off: the composition's "add a play-off"
        {5370, {872, 3902}},  {5787, {872, 3902}}, {5910, {872, 3902}}, {5911, {872, 3902}},
        {5918, {10, 902}},    {5919, {10, 902}},   {5960, {10, 902}},   {5962, {10, 902}},
    };
    for (const char* lang : kLanguages) {
        TTraducteur t(LanguageFile(lang));
        ASSERT_TRUE(t.Charge());
        const bool fr = lang == std::string("fr");
        for (const auto& m : messages) {
            std::string texte = t.Traduire(m.id);
            std::replace(texte.begin(), texte.end(), '\xA0', ' ');
            size_t depuis = 0;
            for (const int l : m.legendes) {
                const std::string cite = fr ? "\xAB " + t.Traduire(l) + " \xBB" : "\"" + t.Traduire(l) + "\"";
                const size_t ou = texte.find(cite, depuis);
                EXPECT_NE(ou, std::string::npos) << lang << " " << m.id << ": " << Cp1252ToUtf8(texte) << " lacks "
                                                 << Cp1252ToUtf8(cite);
                depuis = ou == std::string::npos ? depuis : ou + cite.size();
            }
        }
    }
}
