// A season document edited by hand into other XML that means the same (a
// comment, blanks around "=", character references, a CDATA section, a
// number with blanks, a byte-order mark...) reads as the document the program
// wrote: the two seasons write the same document again, in each sport, read
// in place and by small refills.
#include <gtest/gtest.h>

#include <functional>
#include <regex>

#include "model/ioXml.h"
#include "tests/model/XmlEssai.h"
#include "tests/support/GrandeSaison.h"
#include "tests/support/SaisonBuilder.h"

namespace {

// The season of a sport read from the bytes, by refills of `morceau` bytes
// (0: in place).
std::unique_ptr<TSaison> LitSaison(int sport, const std::string& octets, long morceau)
{
    if (morceau == 0)
        return essai::Lit(sport, octets);
    auto s = TMultiSport::CreeSaison(sport);
    xml_essai::TFluxOctets f(octets, morceau);
    TXmlStreamReader x(f);
    uint8_t j = x.ElementSuivant();
    while (j == xmlComplet)
        j = x.ElementSuivant();
    if (j == xmlDebut)
        s->Lit(x);
    return s;
}

// The document with its first match of the expression (found from the first
// `apres`, when given) replaced; format as std::regex_replace takes it.
std::string Premier(const std::string& doc, const std::string& expr, const std::string& format,
                    const std::string& apres = {})
{
    const size_t debut = apres.empty() ? 0 : doc.find(apres);
    if (debut == std::string::npos)
        return doc;
    const std::string tete = doc.substr(0, debut), reste = doc.substr(debut);
    return tete + std::regex_replace(reste, std::regex(expr), format, std::regex_constants::format_first_only);
}

// Every match replaced.
std::string Tous(const std::string& doc, const std::string& expr, const std::string& format)
{
    return std::regex_replace(doc, std::regex(expr), format);
}

// The first digit of the first element of that name written as a character
// reference.
std::string ChiffreEnReference(const std::string& doc, const std::string& nom, bool hexa)
{
    const size_t p = doc.find("<" + nom + ">");
    if (p == std::string::npos)
        return doc;
    const size_t c = p + nom.size() + 2;
    const int u = doc[c];
    char ref[16];
    std::snprintf(ref, sizeof ref, hexa ? "&#x%X;" : "&#%d;", u);
    return doc.substr(0, c) + ref + doc.substr(c + 1);
}

}   // namespace

TEST(XmlVariantes, EachVariantReadsAsThePlainDocument)
{
    struct Variante
    {
        const char* nom;
        std::function<std::string(const std::string&)> change;
        std::vector<int> sports;   // the sports whose documents hold what it changes
    };
    const std::vector<int> tous = {0, 1, 2, 3}, foot = {0, 1}, boite = {2, 3};
    const Variante variantes[] = {
        // Comments and processing instructions between entries.
        {"comment between two countries",
         [](const std::string& d) { return Premier(d, "</Nom>\r\n", "</Nom><!-- c -->\r\n", "<ListePays>"); }, tous},
        {"comment holding markup between two teams",
         [](const std::string& d) { return Premier(d, "</Equipe>\r\n", "</Equipe>\r\n<!-- <Equipe> -> -->\r\n", "<Equipes>"); }, tous},
        {"comment in a line-up",
         [](const std::string& d) { return Premier(d, "\r\n<Tit ", "\r\n<!-- titulaire -->\r\n<Tit "); }, foot},
        {"processing instruction in a line-up",
         [](const std::string& d) { return Premier(d, "\r\n<Rempl ", "\r\n<?note a > b?>\r\n<Rempl "); }, foot},
        {"comment after a league's first option",
         [](const std::string& d) { return Premier(d, "</Option>\r\n", "</Option>\r\n<!-- deuxieme -->\r\n", "<Championnat>"); }, tous},
        {"comment inside a number and a name",
         [](const std::string& d) {
             return Premier(Premier(d, "<s1>([0-9])", "<s1><!-- x -->$1"), "<Nom>([A-Za-z])", "<Nom>$1<!-- x -->");
         }, tous},
        {"comment in a box score",
         [](const std::string& d) { return Premier(d, "</(Pts|But)>\r\n", "</$1>\r\n<!-- c -->\r\n"); }, boite},
        // Blanks around "=", and a tag over several lines.
        {"blanks around = in every tag",
         [](const std::string& d) { return Tous(d, " ([A-Za-z]+)=\"", " $1 = \""); }, tous},
        {"tabulations and line breaks around =",
         [](const std::string& d) { return Tous(d, " ([A-Za-z]+)=\"", "\r\n\t$1\t=\r\n\""); }, tous},
        // References and CDATA.
        {"character reference in a name",
         [](const std::string& d) { return Premier(d, "<Nom>France", "<Nom>&#70;r&#x61;nce"); }, tous},
        {"predefined entities in a name",
         [](const std::string& d) { return Premier(d, "<Nom>L'Eq\"uipe</Nom>", "<Nom>L&apos;Eq&quot;uipe</Nom>"); }, tous},
        {"CDATA section for a name",
         [](const std::string& d) { return Premier(d, "<Nom>France</Nom>", "<Nom><![CDATA[Fra]]>nce</Nom>"); }, tous},
        {"character reference in a starter's id",
         [](const std::string& d) { return Premier(d, "<Tit ID=\"([0-9])", "<Tit ID=\"&#x3$1;"); }, foot},
        {"character reference in a score", [](const std::string& d) { return ChiffreEnReference(d, "s1", false); }, tous},
        {"character reference in points",
         [](const std::string& d) { return ChiffreEnReference(ChiffreEnReference(d, "Pts", false), "But", true); }, boite},
        // Type flags and numbers as numbers.
        {"01 for a type flag", [](const std::string& d) { return Tous(d, "TypeCoupe=\"1\"", "TypeCoupe=\"01\""); }, tous},
        {"blanks around numbers",
         [](const std::string& d) {
             std::string r = Tous(d, "<s1>([0-9]+)</s1>", "<s1>$1 </s1>");
             r = Tous(r, "<Capitaine>([0-9]+)</Capitaine>", "<Capitaine>$1 </Capitaine>");
             r = Tous(r, "<Arbitre>([0-9]+)</Arbitre>", "<Arbitre>\t$1\r\n</Arbitre>");
             return Tous(r, "<Option>([0-9]+)</Option>", "<Option>$1 </Option>");
         }, tous},
        {"byte-order mark", [](const std::string& d) { return "\xEF\xBB\xBF" + d; }, tous},
        // Blanks of every kind before the ">" of a box score's leaves.
        {"tabulation before > in box-score leaves",
         [](const std::string& d) { return Tous(d, "<(Pts|But|Match|Passe)>([^<]*)</\\1>", "<$1\t>$2</$1\t>"); }, boite},
        {"line break before > in box-score leaves",
         [](const std::string& d) { return Tous(d, "<(Pts|But|Match|Faute)>([^<]*)</\\1>", "<$1\n>$2</$1\n>"); }, boite},
        {"blank before > in box-score leaves",
         [](const std::string& d) { return Tous(d, "<(Pts|But|Tir2Pts|Tir)>([^<]*)</\\1>", "<$1 >$2</$1 >"); }, boite},
    };
    for (int sport : tous) {
        SCOPED_TRACE(sport);
        essai::TParamsGrandeSaison p;
        p.sport = sport;
        p.nbChamps = 2;
        p.nbEquipes = 8;
        p.nbJoueurs = 2 * 8 * (essai::EffectifMatch(sport) + 3);
        p.nbArbitres = 6;
        p.coupe = true;
        auto g = essai::GenereGrandeSaison(p);
        // A country whose name holds quotes, which the writer leaves as they are.
        g->saison->Pays().AjoutePays("L'Eq\"uipe");
        const std::string plain = essai::Document(*g->saison);
        const std::string attendu = essai::SansDate(essai::Document(*essai::Lit(sport, plain)));
        ASSERT_NE(attendu.find("<Championnat>"), std::string::npos);
        for (const Variante& v : variantes) {
            if (std::find(v.sports.begin(), v.sports.end(), sport) == v.sports.end())
                continue;
            SCOPED_TRACE(v.nom);
            const std::string doc = v.change(plain);
            ASSERT_TRUE(doc != plain) << "nothing changed";
            for (long morceau : {0L, 7L}) {
                SCOPED_TRACE(morceau);
                const std::string relu = essai::SansDate(essai::Document(*LitSaison(sport, doc, morceau)));
                // Where the two first differ, not the whole documents.
                const size_t ecart = std::mismatch(relu.begin(), relu.end(), attendu.begin(), attendu.end()).first - relu.begin();
                EXPECT_TRUE(relu == attendu) << "from byte " << ecart << ": " << relu.substr(ecart > 200 ? ecart - 200 : 0, 400)
                                             << "\n--- instead of ---\n" << attendu.substr(ecart > 200 ? ecart - 200 : 0, 400);
            }
        }
    }
}

// A box-score line says which side its figures belong to: a side that is not
// a number makes the document damaged (filed under side 1, a player's figures
// would move to the other team), in place as by refills; a number with blanks
// reads as the number, and a line without a side is the home side's.
TEST(XmlVariantes, ABoxScoreSideThatIsNotANumberIsDamage)
{
    struct Cas
    {
        const char* nom;
        const char* expr;
        const char* format;
        bool endommage;
    };
    const Cas cas[] = {
        {"a word", "<(Stat[A-Za-z]+) Equipe=\"2\"", "<$1 Equipe=\"x\"", true},
        {"a '<' before the number", "<(Stat[A-Za-z]+) Equipe=\"2\"", "<$1 Equipe=\"<2\"", true},
        {"an empty side", "<(Stat[A-Za-z]+) Equipe=\"2\"", "<$1 Equipe=\"\"", true},
        {"blanks around the number", "<(Stat[A-Za-z]+) Equipe=\"2\"", "<$1 Equipe=\" 2 \"", false},
        {"a home line without a side", "<(Stat[A-Za-z]+) Equipe=\"1\"", "<$1", false},
    };
    for (int sport : {2, 3}) {
        SCOPED_TRACE(sport);
        auto g = essai::GenerePetiteSaison(sport);
        const std::string plain = essai::Document(*g->saison);
        const std::string attendu = essai::SansDate(essai::Document(*essai::Lit(sport, plain)));
        for (const Cas& c : cas) {
            SCOPED_TRACE(c.nom);
            const std::string doc = Premier(plain, c.expr, c.format);
            ASSERT_NE(doc, plain);
            for (long morceau : {0L, 7L}) {
                SCOPED_TRACE(morceau);
                auto s = TMultiSport::CreeSaison(sport);
                TMemoryStream m;
                m.WriteBuffer(doc.data(), static_cast<long>(doc.size()));
                m.SetPosition(0);
                xml_essai::TFluxOctets f(doc, morceau);
                TXmlStreamReader x(morceau == 0 ? static_cast<TStream&>(m) : f);
                uint8_t j = x.ElementSuivant();
                while (j == xmlComplet)
                    j = x.ElementSuivant();
                ASSERT_EQ(j, xmlDebut);
                s->Lit(x);
                EXPECT_EQ(x.Malforme(), c.endommage);
                if (!c.endommage) {
                    EXPECT_EQ(essai::SansDate(essai::Document(*s)), attendu);
                }
            }
        }
    }
}

// A malformed reference, or one naming a character Windows-1252 has not,
// makes the document damaged: the reading ends there, no number read as 0.
TEST(XmlVariantes, ReferencesThatCannotBeUndoneEndTheReading)
{
    struct Cas
    {
        const char* texte;
        bool malforme;
        const char* lu;
    };
    const Cas cas[] = {
        {"&#8364;", false, "\x80"},  {"&#x20AC;&#X41;", true, ""},  {"&#0;", true, ""},   {"&#x4E2D;", true, ""},
        {"&#;", true, ""},           {"&#12a;", true, ""},          {"&#65", true, ""},   {"A & B", true, ""},
        {"&nbsp;", true, ""},        {"&#0000065;", false, "A"},    {"&#1;", true, ""},   {"&#9;x", false, "\tx"},
        {"A&#10;B&#13;C", false, "A B C"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        for (const std::string& doc : {std::string("<a><b>") + c.texte + "</b></a>",
                                       std::string("<a><b v=\"") + c.texte + "\" /></a>"}) {
            TMemoryStream m;
            m.WriteBuffer(doc.data(), static_cast<long>(doc.size()));
            m.SetPosition(0);
            TXmlStreamReader r(m);
            ASSERT_EQ(r.ElementSuivant(), xmlDebut);
            const uint8_t j = r.ElementSuivant();
            EXPECT_EQ(r.Malforme(), c.malforme);
            if (!c.malforme) {
                EXPECT_EQ(j, xmlComplet);
                EXPECT_EQ(doc.find("v=") == std::string::npos ? r.Texte() : r.ValeurAttribut("v"), c.lu);
            }
        }
    }
}

// Attributes left without a value (not XML, but an editor may leave them) read
// as empty: nothing is looked for in a value that is not there.
TEST(XmlVariantes, AttributesWithoutValueReadEmpty)
{
    for (const std::string doc : {"<a><b v w=\"1\" /></a>", "<a><b w=\"1\" v /></a>"}) {
        SCOPED_TRACE(doc);
        TMemoryStream m;
        m.WriteBuffer(doc.data(), static_cast<long>(doc.size()));
        m.SetPosition(0);
        TXmlStreamReader r(m);
        ASSERT_EQ(r.ElementSuivant(), xmlDebut);
        r.ElementSuivant();
        EXPECT_EQ(r.ValeurAttribut("v"), "");
    }
}
