// An element's leaves read in one go (TXmlReader::FeuillesEnPlace) give what
// reading them token by token gives, and leave the reader in the same state;
// every other shape is left whole to the token-by-token reading.
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
        for (int i = 0; i < n; ++i)
            v.push_back(std::string(feuilles[static_cast<size_t>(i)].Nom()) + "=[" +
                        std::string(feuilles[static_cast<size_t>(i)].Texte()) + "]");
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
        {"a '>' in the text", Document("<Nom>a>b</Nom>\r\n"), 1},
        {"names of digits, ':' and '_'", Document("<e1>0</e1>\r\n<_x:y>1</_x:y>\r\n"), 2},
        {"blanks before the first child", Document("  <Pts>3</Pts>\r\n"), 1},
        {"a text starting with a blank", Document("<Nom> x</Nom>\r\n"), -1},
        {"a leaf with an attribute", Document("<Pts v=\"1\">3</Pts>\r\n"), -1},
        {"an empty element", Document("<Pts/>\r\n<Passe />\r\n"), -1},
        {"a child with children", Document("<Nom><a>1</a></Nom>\r\n"), -1},
        {"a tabulation between leaves", Document("<Pts>3</Pts>\t<Passe>1</Passe>\r\n"), -1},
        {"a leaf's end tag with a blank", Document("<Pts>3</Pts >\r\n"), -1},
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
