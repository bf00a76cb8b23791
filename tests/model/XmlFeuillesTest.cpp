// The reader's fast paths over the writer's shapes: an element's leaves read in
// one go (TXmlReader::FeuillesEnPlace), and the next box-score line opened at
// once (ElementSimple), give what reading token by token gives and leave the
// reader in the same state; every other shape is left whole to the tokens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/ioXml.h"
#include "tests/model/XmlEssai.h"

namespace {

// A document whose element <b> holds the children given, followed by another
// element, so that what is read after <b> shows the reader's state.
std::string Document(const std::string& enfants, const std::string& fin = "</b>")
{
    return "<r>\r\n<b Equipe=\"1\" Joueur=\"42\">\r\n" + enfants + fin + "\r\n<apres>x</apres>\r\n</r>\r\n";
}

// The tokens up to <b>; then <b>'s children, in one go when `enUneFois` (the
// count answered is recorded) and token by token otherwise or when refused;
// then the reader's state and every token after.
std::vector<std::string> Trace(TXmlReader& r, bool enUneFois, size_t place, int* compte = nullptr)
{
    std::vector<std::string> v;
    uint8_t j = r.ElementSuivant();
    while (j != xmlFinFlux && !(j == xmlDebut && r.Nom() == "b"))
        j = r.ElementSuivant();
    if (j == xmlFinFlux)
        return {"no <b>"};
    int n = -1;
    if (enUneFois) {
        std::vector<TFeuilleXml> feuilles(place);
        n = r.FeuillesEnPlace(feuilles);
        for (int i = 0; i < n; ++i) {
            const TFeuilleXml& f = feuilles[static_cast<size_t>(i)];
            v.push_back(std::string(f.Nom()) + "=[" + std::string(f.Texte()) + "]");
            EXPECT_EQ(f.diese, f.Texte().find('#') != std::string_view::npos) << f.Texte();
        }
    }
    if (compte)
        *compte = n;
    if (n < 0) {
        for (j = r.ElementSuivant(); j != xmlFin && j != xmlFinFlux; j = r.ElementSuivant()) {
            if (j == xmlComplet) {
                v.push_back(r.Nom() + "=[" + std::string(r.TexteVue()) + "]");
            } else {
                v.push_back(r.Nom() + "{");
                r.SauteElement(j);
            }
        }
        if (j == xmlFinFlux)
            v.push_back("end of input");
    }
    v.push_back("after: [" + r.Nom() + "] [" + std::string(r.TexteVue()) + "] " + std::to_string(r.NbAttribut()) +
                " attributes, depth " + std::to_string(r.Profondeur()) + (r.Malforme() ? ", malformed" : "") +
                (r.FinAtteinte() ? ", cut short" : ""));
    for (j = r.ElementSuivant(); j != xmlFinFlux; j = r.ElementSuivant())
        v.push_back(std::to_string(j) + " " + r.Nom() + " [" + std::string(r.TexteVue()) + "]");
    v.push_back(r.Malforme() ? "malformed" : "whole");
    return v;
}

struct TCas
{
    const char* quoi;
    std::string doc;
    int compte;   // the leaves read in one go, or -1: left to the tokens
    size_t place = 24;
};

}   // namespace

TEST(XmlFeuilles, InOneGoAsTokenByToken)
{
    const TCas cas[] = {
        {"a box-score line", Document("<TempsJeu>19</TempsJeu>\r\n<Tir2Pts>2/6</Tir2Pts>\r\n<Faute>1</Faute>\r\n"), 3},
        {"an empty text", Document("<Pts></Pts>\r\n"), 1},
        {"a raw escape", Document("<Nom>a##0#b</Nom>\r\n"), 1},
        {"an escape after a plain text", Document("<Pts>3</Pts>\r\n<Nom>Dupont ##233#</Nom>\r\n"), 2},
        {"a '>' in the text", Document("<Nom>a>b</Nom>\r\n"), 1},
        {"names of digits, ':' and '_'", Document("<e1>0</e1>\r\n<_x:y>1</_x:y>\r\n"), 2},
        {"blanks before the first child", Document("  <Pts>3</Pts>\r\n"), 1},
        {"a text starting with a blank", Document("<Nom> x</Nom>\r\n"), -1},
        {"a leaf with an attribute", Document("<Pts v=\"1\">3</Pts>\r\n"), -1},
        {"an empty element", Document("<Pts/>\r\n<Passe />\r\n"), -1},
        {"a child with children", Document("<Nom><a>1</a></Nom>\r\n"), -1},
        {"a tabulation between leaves", Document("<Pts>3</Pts>\t<Passe>1</Passe>\r\n"), -1},
        {"a leaf's end tag with a blank", Document("<Pts>3</Pts >\r\n"), -1},
        {"a tabulation before a leaf's '>'", Document("<Pts\t>3</Pts\t>\r\n"), -1},
        {"a line break before a leaf's '>'", Document("<Pts>3</Pts>\r\n<Passe\n>1</Passe\n>\r\n"), -1},
        {"a name starting with a digit", Document("<1a>2</1a>\r\n"), -1},
        {"a leaf closed by another name", Document("<Pts>3</Ptz>\r\n"), -1},
        {"the element's end tag with a blank", Document("<Pts>3</Pts>\r\n", "</b >"), -1},
        {"the element closed by another name", Document("<Pts>3</Pts>\r\n", "</c>"), -1},
        {"more leaves than room", Document("<a>1</a>\r\n<b>2</b>\r\n<c>3</c>\r\n"), -1, 2},
        {"a document cut short", "<r>\r\n<b>\r\n<Pts>3</Pts>\r\n<Passe>1</Pa", -1},
    };
    for (const TCas& c : cas) {
        const auto general = [&](TXmlReader& r) { return Trace(r, false, c.place); };
        int compte = -2;
        const auto enUneFois = [&](TXmlReader& r) { return Trace(r, true, c.place, &compte); };
        const std::vector<std::string> attendu = xml_essai::EnPlace(c.doc, general);
        EXPECT_EQ(xml_essai::EnPlace(c.doc, enUneFois), attendu) << c.quoi;
        EXPECT_EQ(compte, c.compte) << c.quoi;
        // An input read by refills is always left to the tokens.
        for (long morceau : {5L, 1L << 20}) {
            EXPECT_EQ(xml_essai::ParMorceaux(c.doc, enUneFois, morceau), xml_essai::ParMorceaux(c.doc, general, morceau))
                << c.quoi << " " << morceau;
            EXPECT_EQ(compte, -1) << c.quoi;
        }
    }
}

namespace {

// A document of two <b> lines, the second one's start tag given, then another
// element.
std::string DeuxLignes(const std::string& seconde)
{
    return "<r>\r\n<b Equipe=\"1\" Joueur=\"42\">\r\n<Pts>3</Pts>\r\n</b>\r\n" + seconde + "\r\n<apres>x</apres>\r\n</r>\r\n";
}

// Reads the first <b> whole, then opens what follows it by ElementSimple when
// `simple` (recording whether it did), else by ElementSuivant; then the
// reader's state, the two numbers as AttributsEntiers reads them, and every
// token after.
std::vector<std::string> TraceLignes(TXmlReader& r, bool simple, bool* ouvert = nullptr)
{
    static constexpr TChampXml champs[2] = {{"b", "Equipe", true, TFormeXml::Entier, INT32_MIN, INT32_MAX},
                                            {"b", "Joueur", true, TFormeXml::Entier, INT32_MIN, INT32_MAX}};
    static constexpr const TChampXml* noms[2] = {&champs[0], &champs[1]};
    std::vector<std::string> v;
    uint8_t j = r.ElementSuivant();
    while (j != xmlFinFlux && !(j == xmlDebut && r.Nom() == "b"))
        j = r.ElementSuivant();
    r.SauteElement(j);
    int32_t valeurs[2] = {-7, -7};
    uint8_t jeton = 99;
    const bool fait = simple && r.ElementSimple("b", noms, valeurs, jeton);
    if (ouvert)
        *ouvert = fait;
    if (!fait) {
        EXPECT_EQ(jeton, 99);
        j = r.ElementSuivant();
        v.push_back(std::to_string(j));
        valeurs[0] = valeurs[1] = -7;
        if (j != xmlFin && j != xmlFinFlux && r.Nom() == "b")
            r.AttributsEntiers(noms, valeurs);
    } else {
        v.push_back(std::to_string(jeton));
    }
    v.push_back(r.Nom() + " [" + std::string(r.TexteVue()) + "] " + std::to_string(r.NbAttribut()) +
                " attributes, depth " + std::to_string(r.Profondeur()) + " = " + std::to_string(valeurs[0]) + " " +
                std::to_string(valeurs[1]));
    int32_t relus[2] = {-9, -9};
    r.AttributsEntiers(noms, relus);
    v.push_back("read again " + std::to_string(relus[0]) + " " + std::to_string(relus[1]));
    for (j = r.ElementSuivant(); j != xmlFinFlux; j = r.ElementSuivant())
        v.push_back(std::to_string(j) + " " + r.Nom() + " [" + std::string(r.TexteVue()) + "]");
    v.push_back(r.Malforme() ? "malformed" : "whole");
    return v;
}

}   // namespace

// The next box-score line or line-up entry opened at once
// (TXmlReader::ElementSimple) leaves the reader as ElementSuivant leaves it;
// every other shape is left to it.
TEST(XmlFeuilles, NextLineOpenedAtOnceAsByTokens)
{
    const struct
    {
        const char* quoi;
        std::string seconde;
        bool ouvert;
    } cas[] = {
        {"the writer's line", "<b Equipe=\"2\" Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</b>", true},
        {"bare line breaks", "<b Equipe=\"2\" Joueur=\"7\">\n<Pts>1</Pts>\n</b>", true},
        {"the child right after the tag", "<b Equipe=\"2\" Joueur=\"7\"><Pts>1</Pts></b>", true},
        {"nine digits", "<b Equipe=\"2\" Joueur=\"999999999\">\r\n<Pts>1</Pts>\r\n</b>", true},
        {"ten digits", "<b Equipe=\"2\" Joueur=\"9999999999\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"a sign", "<b Equipe=\"2\" Joueur=\"-7\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"an empty value", "<b Equipe=\"\" Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"an escape in a value", "<b Equipe=\"&#50;\" Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"the attributes the other way", "<b Joueur=\"7\" Equipe=\"2\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"a name in another case", "<b equipe=\"2\" Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"single quotes", "<b Equipe='2' Joueur='7'>\r\n<Pts>1</Pts>\r\n</b>", false},
        {"two blanks", "<b Equipe=\"2\"  Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"a third attribute", "<b Equipe=\"2\" Joueur=\"7\" x=\"1\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"the first attribute only", "<b Equipe=\"2\">\r\n<Pts>1</Pts>\r\n</b>", true},
        {"the second attribute only", "<b Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</b>", true},
        {"no attribute", "<b>\r\n<Pts>1</Pts>\r\n</b>", true},
        {"an attribute twice", "<b Equipe=\"2\" Equipe=\"3\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"closed at once", "<b Equipe=\"2\" Joueur=\"7\"/>", false},
        {"no child", "<b Equipe=\"2\" Joueur=\"7\"></b>", true},
        {"an end tag on the next line", "<b Equipe=\"2\" Joueur=\"7\">\r\n</b>", true},
        {"an end tag with a blank", "<b Equipe=\"2\" Joueur=\"7\">\r\n</b >", false},
        {"another element's end tag", "<b Equipe=\"2\" Joueur=\"7\">\r\n</c>", false},
        {"a line break and a text", "<b Equipe=\"2\" Joueur=\"7\">\r\nx</b>", false},
        {"a text before the child", "<b Equipe=\"2\" Joueur=\"7\">x<Pts>1</Pts></b>", false},
        {"a blank before the tag", " <b Equipe=\"2\" Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"a longer name", "<bb Equipe=\"2\" Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</bb>", false},
        {"a name running into the attributes", "<bxEquipe=\"2\" Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</b>", false},
        {"another element", "<c Equipe=\"2\" Joueur=\"7\">\r\n<Pts>1</Pts>\r\n</c>", false},
        {"no line at all", "", false},
    };
    for (const auto& c : cas) {
        const std::string doc = DeuxLignes(c.seconde);
        const auto general = [&](TXmlReader& r) { return TraceLignes(r, false); };
        bool ouvert = !c.ouvert;
        const auto simple = [&](TXmlReader& r) { return TraceLignes(r, true, &ouvert); };
        EXPECT_EQ(xml_essai::EnPlace(doc, simple), xml_essai::EnPlace(doc, general)) << c.quoi;
        EXPECT_EQ(ouvert, c.ouvert) << c.quoi;
        // A document cut inside the line, and one read by refills, are left
        // to the tokens.
        for (size_t coupe = doc.find("<Pts>1"); coupe != std::string::npos && coupe < doc.find("<Pts>1") + 3; ++coupe) {
            const std::string court = doc.substr(0, coupe);
            EXPECT_EQ(xml_essai::EnPlace(court, simple), xml_essai::EnPlace(court, general)) << c.quoi << " cut";
            EXPECT_FALSE(ouvert) << c.quoi << " cut at " << coupe;
        }
        EXPECT_EQ(xml_essai::ParMorceaux(doc, simple, 5), xml_essai::ParMorceaux(doc, general, 5)) << c.quoi;
        EXPECT_FALSE(ouvert) << c.quoi;
    }
}
