#include <gtest/gtest.h>

#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Strings.h"
#include "tests/model/Outils.h"

TEST(Traducteur, GapsAndMissingIds)
{
    DossierTemp d;
    TTraducteur t(d.Ecrit("Textefr.txt", "1\tOui\r\n2\tNon\r\n10\tDix\r\n25\t" + L1("Équipe") + "\r\n"));
    EXPECT_TRUE(t.Charge());
    EXPECT_EQ(t.NbTexte(), 4);
    EXPECT_EQ(t.Traduire(0), "");
    EXPECT_EQ(t.Traduire(1), "Oui");
    EXPECT_EQ(t.Traduire(2), "Non");
    EXPECT_EQ(t.Traduire(3), "");
    EXPECT_EQ(t.Traduire(10), "Dix");
    EXPECT_EQ(t.Traduire(25), L1("Équipe"));
    EXPECT_EQ(t.Traduire(26), "");
    EXPECT_EQ(t.Traduire(1000), "");
    EXPECT_EQ(t.Traduire(-1), "");
}

TEST(Traducteur, LinesWithoutTabHideNothing)
{
    DossierTemp d;
    // A byte-order mark, a heading, blank lines in the middle, a bad id, LF only.
    TTraducteur t(d.Ecrit("T.txt", "\xEF\xBB\xBF" "1\tUn\r\nEn-tete\r\n\r\n5\tCinq\n\nx\tSans id\r\n7\tSept\ttab\r\n9\t"));
    EXPECT_EQ(t.Traduire(1), "Un");
    EXPECT_EQ(t.Traduire(5), "Cinq");
    EXPECT_EQ(t.Traduire(7), "Sept\ttab");
    EXPECT_EQ(t.Traduire(9), "");
    // The explicit id 0 (a non-numeric id) wins over the lines without a tab.
    EXPECT_EQ(t.Traduire(0), "Sans id");

    TTraducteur seul(d.Ecrit("U.txt", "Titre\r\n3\tTrois\r\n"));
    EXPECT_EQ(seul.Traduire(0), "Titre");
    EXPECT_EQ(seul.Traduire(3), "Trois");
}

TEST(Traducteur, MissingFile)
{
    TTraducteur t("/nonexistent/texte/Textefr.txt");
    EXPECT_FALSE(t.Charge());
    EXPECT_EQ(t.NbTexte(), 0);
    EXPECT_EQ(t.Traduire(1), "");
    EXPECT_EQ(t.TraduireFormat(1, {"x"}), "");
}

TEST(Traducteur, Formatted)
{
    DossierTemp d;
    TTraducteur t(d.Ecrit("T.txt",
                          "1\tPremier %rc second\r\n"
                          "2\t  a  %rc%rc b %rc  \r\n"
                          "3\tLe joueur %s a %d buts\r\n"
                          "4\tLigne %s %rc suite %s\r\n"
                          "5\tSans argument %s\r\n"
                          "6\t50 % des matchs\r\n"
                          "7\t%d buts\r\n"));
    EXPECT_EQ(t.TraduireFormat(1, {}), "Premier\rsecond");
    EXPECT_EQ(t.TraduireFormat(2, {}), "a\r\rb\r");
    EXPECT_EQ(t.TraduireFormat(3, {"Zidane", 12}), "Le joueur Zidane a 12 buts");
    EXPECT_EQ(t.TraduireFormat(4, {"A", "B"}), "Ligne A\rsuite B");
    // A text that does not match its arguments is given back unformatted.
    EXPECT_EQ(t.TraduireFormat(5, {}), "Sans argument %s");
    EXPECT_EQ(t.TraduireFormat(6, {}), "50 % des matchs");
    EXPECT_EQ(t.TraduireFormat(7, {"douze"}), "%d buts");
    // Traduire leaves "%rc" alone.
    EXPECT_EQ(t.Traduire(1), "Premier %rc second");
}

TEST(Traducteur, GlobalInstance)
{
    InstalleTraducteur(nullptr);
    EXPECT_EQ(Traducteur(), nullptr);
    EXPECT_EQ(Traduire(314), "");
    EXPECT_EQ(LibelleTypeBut(4), "()");

    DossierTemp d;
    InstalleTraducteur(std::make_unique<TTraducteur>(
        d.Ecrit("Textefr.txt", "225\tcsc\r\n314\t(pen)\r\n315\t(tab)\r\n532\tDomicile\r\n533\tExterieur\r\n616\tBut de %s\r\n")));
    ASSERT_NE(Traducteur(), nullptr);
    Traducteur()->SetProduit("Brivantel", "Brivantel Zelvor");
    EXPECT_EQ(Traducteur()->NomCourt(), "Brivantel");
    EXPECT_EQ(Traduire(532), "Domicile");
    EXPECT_EQ(TraduireFormat(616, {"Paul"}), "But de Paul");
    EXPECT_EQ(LibelleTypeBut(1), "(pen)");
    EXPECT_EQ(LibelleTypeBut(2), "(tab)");
    EXPECT_EQ(LibelleTypeBut(3), "");
    EXPECT_EQ(LibelleTypeBut(4), "(csc)");
    EXPECT_EQ(LibelleTypeButCourt(1), "pen");
    EXPECT_EQ(LibelleTypeButCourt(4), "csc");
    EXPECT_EQ(LibelleTypeButCourt(5), "");
    EXPECT_EQ(LibelleEtat(0x100 | 0x200), "Domicile");
    EXPECT_EQ(LibelleEtat(0x200), "Exterieur");
    EXPECT_EQ(LibelleEtat(0), "Domicile");
    InstalleTraducteur(nullptr);
    EXPECT_EQ(Traducteur(), nullptr);
}

// A language file of another kind, or cut short, is told from a whole one: the
// program then takes the other language.
TEST(Traducteur, DamagedFilesAreToldFromWholeOnes)
{
    DossierTemp d;
    std::string entier;
    for (int id = 1; id <= 300; ++id)
        entier += std::to_string(id) + "\tTexte " + std::to_string(id) + "\r\n";
    const TTraducteur reference(d.Ecrit("Texteen.txt", entier));
    struct Cas
    {
        const char* nom;
        std::string octets;
        bool endommage;
        bool couvre;
    };
    const Cas cas[] = {
        {"whole", entier, false, true},
        {"one more text", entier + "301\tEn plus\r\n", false, true},
        {"cut in half", entier.substr(0, entier.size() / 2), false, false},
        {"cut in its last line", entier.substr(0, entier.size() - 5), false, true},
        {"last line missing", entier.substr(0, entier.rfind("300\t")), false, false},
        {"XML", "<?xml version=\"1.0\"?>\n<textes>\n<texte id=\"1\">Oui</texte>\n</textes>\n", true, false},
        {"garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), true, false},
        {"empty", "", true, false},
        {"ids out of range", "99999999999\tTrop\r\n-5\tMoins\r\n", false, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const TTraducteur t(d.Ecrit("Textefr.txt", c.octets));
        EXPECT_EQ(t.Endommage(), c.endommage);
        EXPECT_EQ(t.CouvreTextes(reference), c.couvre);
    }
    EXPECT_FALSE(TTraducteur("/nonexistent/Textefr.txt").Endommage());
}
