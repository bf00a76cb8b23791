// The language files against the list of text ids the program uses: every id
// has a text in both languages, and every formatted text formats with the
// arguments its callers give.
#include <map>
#include <memory>
#include <set>

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
