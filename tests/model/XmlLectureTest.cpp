// The reader's shortcuts give what the general reading gives: integer
// attributes read several at once, the raw text without a copy, names
// compared in place, and the line-up ratings read from the attribute or the
// child element.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/InfoComp.h"
#include "model/Saison.h"
#include "model/ioXml.h"
#include "tests/model/XmlEssai.h"
#include "tests/support/SaisonBuilder.h"

namespace {

// For each start tag: the attributes asked one by one, then all at once;
// the text through its three accessors.
std::vector<std::string> Lectures(TXmlReader& r)
{
    // Fields that hold any 32-bit number.
    static constexpr auto champ = [](std::string_view nom) {
        return TChampXml{"Tit", nom, true, TFormeXml::Entier, INT32_MIN, INT32_MAX};
    };
    static constexpr TChampXml champs[] = {champ("ID"), champ("idremp"), champ("Note"), champ("Absent"), champ("ID")};
    static constexpr const TChampXml* noms[] = {&champs[0], &champs[1], &champs[2], &champs[3], &champs[4]};
    std::vector<std::string> v;
    for (uint8_t j = r.ElementSuivant(); j != xmlFinFlux; j = r.ElementSuivant()) {
        if (j == xmlFin)
            continue;
        std::string ligne = r.Nom() + ":";
        int32_t ensemble[5] = {-1, -2, 255, 7, -1};
        r.AttributsEntiers(noms, ensemble);
        const int32_t defauts[5] = {-1, -2, 255, 7, -1};
        for (size_t i = 0; i < 5; ++i) {
            const int32_t seul = r.AttributEntier(*noms[i], defauts[i]);
            ligne.append(" ").append(std::to_string(seul));
            if (seul != ensemble[i])
                ligne.append("!=").append(std::to_string(ensemble[i]));
        }
        const std::string vue(r.TexteVue());
        ligne.append(" [").append(vue).append("]");
        if (vue != r.TexteBrut() || r.Texte() != DecodeTexteXml(vue))
            ligne += " texts differ";
        v.push_back(ligne);
    }
    return v;
}

}   // namespace

TEST(XmlLecture, IntegerAttributesAtOnceAsOneByOne)
{
    const std::string doc =
        "<r>\r\n"
        "<Tit ID=\"2809\" Note=\"7\">\r\n</Tit>\r\n"
        "<Rempl id=\"937\" IdRemp=\"625\">\r\n<Minute>67</Minute>\r\n</Rempl>\r\n"
        "<Tit ID=\" 12 \" Note=\"##3#5\" ID=\"99\">a##1#b</Tit>\r\n"   // blanks, an escape, the first of two
        "<Tit ID=\"-40\" NOTE=\"\" IdRemp=\" \"/>\r\n"      // empty: the defaults
        "<Tit IDREMP='-0' Note=''>texte plus long que seize octets</Tit>\r\n"
        "<Tit>##0#</Tit>\r\n"
        "</r>\r\n";
    const std::vector<std::string> attendu = {
        "r: -1 -2 255 7 -1 [\r\n]",
        "Tit: 2809 -2 7 7 2809 [\r\n]",
        "Rempl: 937 625 255 7 937 [\r\n]",
        "Minute: -1 -2 255 7 -1 [67]",
        "Tit: 12 -2 5 7 12 [a##1#b]",
        "Tit: -40 -2 255 7 -40 []",
        "Tit: -1 0 255 7 -1 [texte plus long que seize octets]",
        "Tit: -1 -2 255 7 -1 [##0#]",
    };
    EXPECT_EQ(xml_essai::EnPlace(doc, Lectures), attendu);
    for (long morceau : {1L, 3L, 7L, 64L})
        EXPECT_EQ(xml_essai::ParMorceaux(doc, Lectures, morceau), attendu) << morceau;
}

TEST(XmlLecture, NamesComparedInPlace)
{
    struct Cas
    {
        std::string_view a, b;
        bool egaux;
    };
    const Cas cas[] = {
        {"Tit", "Tit", true},     {"Tit", "tit", false}, {"Tit", "Tits", false}, {"", "", true},
        {"Rempl", "Rempx", false}, {"\xE9t\xE9", "\xE9t\xE9", true}, {"Ti", "Tit", false},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(MemesNomsXml(c.a, c.b), c.egaux) << c.a << " " << c.b;
    EXPECT_TRUE(NomXml(std::string("Capitaine"), "Capitaine"));
    EXPECT_FALSE(NomXml(std::string("Capitain"), "Capitaine"));
    EXPECT_FALSE(NomXml(std::string("capitaine"), "Capitaine"));
    EXPECT_FALSE(NomXml(std::string_view("Tit\0", 4), "Tit"));
}

TEST(XmlLecture, LineUpRatingsFromTheAttributeOrTheChild)
{
    // Number form: the child's Note wins over the attribute, even blank (no
    // rating then); 255 is none; none without either.
    const std::string compo =
        "<Compo Equipe=\"1\">\r\n"
        "<Tit ID=\"11\" Note=\"7\">\r\n</Tit>\r\n"
        "<Tit ID=\"12\" Note=\"7\">\r\n<Note>3</Note>\r\n</Tit>\r\n"
        "<Tit ID=\"13\" Note=\"7\">\r\n<Note>\t</Note>\r\n</Tit>\r\n"
        "<Tit ID=\"14\" Note=\"255\">\r\n</Tit>\r\n"
        "<Tit ID=\"15\">\r\n</Tit>\r\n"
        "<Rempl ID=\"16\" IdRemp=\"12\" Note=\"4\">\r\n<Minute> 61 </Minute>\r\n</Rempl>\r\n"
        "<Capitaine>13</Capitaine>\r\n"
        "</Compo>\r\n";
    const std::string doc =
        "<Gormelide>\r\n<SaisonData>\r\n<Equipes><Equipe><ID>0</ID><Nom>Lens</Nom></Equipe>"
        "<Equipe><ID>1</ID><Nom>Lille</Nom></Equipe></Equipes>\r\n</SaisonData>\r\n<Championnats>\r\n"
        "<Championnat><CodeChamp>1</CodeChamp><Type TypeChamp=\"1\" TypeNational=\"1\"></Type>"
        "<NbEquipe>2</NbEquipe><NbJour>1</NbJour><NbMatch>1</NbMatch><Conversion>0-1</Conversion>"
        "<Journee Numero=\"1\"><Match><e1>0</e1><e2>1</e2><NbTitulaire>5</NbTitulaire><NbRemp>1</NbRemp>\r\n" +
        compo + "</Match></Journee></Championnat>\r\n</Championnats>\r\n</Gormelide>\r\n";
    auto s = essai::Lit(0, doc);
    ASSERT_TRUE(s);
    const TDonneesChampionnat* c = s->Arbre().ChampionnatParCode(1);
    ASSERT_NE(c, nullptr);
    const TInfoComp* m = c->MatchEquipes(1, 0, 1);
    ASSERT_NE(m, nullptr);
    const int attendues[] = {7, 3, 255, 255, 255, 4};
    for (int place = 1; place <= 5; ++place)
        EXPECT_EQ(m->JoueurTitulaire(0, place), 10 + place) << place;
    for (int place = 1; place <= 6; ++place)
        EXPECT_EQ(m->Note(0, place), attendues[place - 1]) << place;
    EXPECT_EQ(m->Capitaine(0), 13);
}

TEST(XmlLecture, NamesOfEveryLengthDifferingAnywhere)
{
    // Names of 0 to 24 bytes, equal, then differing at each position in
    // turn, or by their length: the word comparison sees every byte.
    for (size_t n = 0; n <= 24; ++n) {
        std::string a;
        for (size_t i = 0; i < n; ++i)
            a += static_cast<char>('A' + i);
        const std::string b = a;
        EXPECT_TRUE(MemesNomsXml(a, b)) << n;
        for (size_t i = 0; i < n; ++i) {
            std::string c = a;
            c[i] = static_cast<char>(c[i] ^ 0x20);
            EXPECT_FALSE(MemesNomsXml(a, c)) << n << " " << i;
            EXPECT_FALSE(MemesNomsXml(c, a)) << n << " " << i;
        }
        EXPECT_FALSE(MemesNomsXml(a, a + "x")) << n;
    }
}

TEST(XmlLecture, NameAsViewAndAsStringAgreeAfterEveryToken)
{
    // The view and the string of the name after each kind of token, in place
    // and by refills of any size; the name of a start tag read in place is
    // still valid after the tokens that follow it.
    const std::string doc =
        "<?xml version=\"1.0\"?>\r\n<!DOCTYPE Gormelide>\r\n<Gormelide a=\"1\">\r\n<!-- note -->\r\n"
        "<StatBasket Equipe=\"1\">\r\n<TempsJeu>19</TempsJeu>\r\n<Tir2Pts>2/6</Tir2Pts>\r\n</StatBasket>\r\n"
        "<Tres_long_nom_d_element_de_plus_de_seize>x</Tres_long_nom_d_element_de_plus_de_seize>\r\n"
        "<v/>\r\n</Gormelide>\r\n";
    const auto jetons = [](TXmlReader& r) {
        std::vector<std::string> v;
        std::string_view premier;
        for (uint8_t j = r.ElementSuivant(); j != xmlFinFlux; j = r.ElementSuivant()) {
            const std::string vue(r.NomVue());
            v.push_back(std::to_string(j) + ":" + vue + (vue == r.Nom() ? "" : "!=" + r.Nom()));
            if (j == xmlDebut && premier.empty() && r.NomsStables())
                premier = r.NomVue();
        }
        if (!premier.empty())
            v.push_back(std::string(premier));
        return v;
    };
    std::vector<std::string> attendu = {
        "2:xml", "2:Gormelide", "0:Gormelide", "0:StatBasket", "2:TempsJeu", "2:Tir2Pts", "1:",
        "2:Tres_long_nom_d_element_de_plus_de_seize", "2:v", "1:",
    };
    const auto parMorceaux = attendu;
    attendu.push_back("Gormelide");
    EXPECT_EQ(xml_essai::EnPlace(doc, jetons), attendu);
    for (long morceau : {1L, 5L, 16L})
        EXPECT_EQ(xml_essai::ParMorceaux(doc, jetons, morceau), parMorceaux) << morceau;
}

TEST(XmlLecture, AChildsNameStaysValidWhileItIsReadOn)
{
    // The callback reads the child's own children before it looks at the
    // child's name again: the name must still be the child's, read in place
    // or by refills however small.
    const std::string doc =
        "<Match>\r\n<Compo Equipe=\"1\">\r\n<Tit ID=\"1\">\r\n<Nom>A</Nom>\r\n</Tit>\r\n</Compo>\r\n"
        "<Buteur Equipe=\"2\">\r\n<Joueur>5</Joueur>\r\n<Minute>12</Minute>\r\n</Buteur>\r\n"
        "<?xml version=\"1.0\"?>\r\n<e1>0</e1>\r\n</Match>\r\n";
    const auto lecture = [](TXmlReader& r) {
        std::vector<std::string> v;
        const uint8_t racine = r.ElementSuivant();
        EnfantsXml(r, racine, [&](std::string_view nom, uint8_t k) {
            std::string enfants;
            EnfantsXml(r, k, [&](std::string_view sous, uint8_t k2) {
                r.SauteElement(k2);
                enfants.append(sous).append(",");
            });
            v.push_back(std::string(nom) + "(" + enfants + ")");
        });
        return v;
    };
    const std::vector<std::string> attendu = {"Compo(Tit,)", "Buteur(Joueur,Minute,)", "xml()", "e1()"};
    EXPECT_EQ(xml_essai::EnPlace(doc, lecture), attendu);
    for (long morceau : {1L, 2L, 9L})
        EXPECT_EQ(xml_essai::ParMorceaux(doc, lecture, morceau), attendu) << morceau;
}
