// The colour grid written as HTML: the page (or appended table) in the grid's
// own colours, the table coloured by the caller, and the table of nested groups.
#include <string>

#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/ui/HtmlLu.h"
#include "ui/ColorStringGrid.h"
#include "ui/GridHtml.h"

namespace {

const TCouleursHTML Couleurs = {"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"};

// Three columns (the middle one without width), a title row and two body rows.
struct Grille
{
    TColorGridModel g;
    Grille()
    {
        g.SetAutoResize(false);
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetFixedCols(0);
        g.SetFixedColor(clSilver);
        g.ChangeLargeurColonne(0, 30);
        g.ChangeLargeurColonne(1, 0);
        g.ChangeLargeurColonne(2, 100);
        g.RemplitCellule(0, 0, "Pl", 1, 1, clBlack, clWhite, true);
        g.RemplitCellule(1, 0, "hidden", 0, 1, clBlack, clWhite, false);
        g.RemplitCellule(2, 0, "Equipe", 0, 1, clBlack, clWhite, false);
        g.RemplitCellule(0, 1, "1", 2, 1, clRed, 0x80FF00, false);
        g.RemplitCellule(2, 1, "A&B <x>", 0, 1, clBlack, clWhite, false);
        g.RemplitCellule(0, 2, "", 2, 1, clBlack, clWhite, false);
        g.RemplitCellule(2, 2, "Nice", 0, 1, clGreen, clWhite, true);
    }
};

}   // namespace

TEST(GridHtml, PageInTheGridsOwnColours)
{
    Grille t;
    const std::string table =
        "    <table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\r\n"
        "    \t<tr>"
        "    \t  <td bgcolor=\"#C0C0C0\" align=\"center\" width=30>\r\n"
        "    \t\t<b><font color=\"#000000\">Pl</font></b></td>\r\n"
        "    \t  <td bgcolor=\"#C0C0C0\" align=\"left\" width=100>\r\n"
        "<font color=\"#000000\">Equipe</font></td>\r\n"
        "      </tr>"
        "    \t<tr>"
        "    \t  <td bgcolor=\"#00FF80\" align=\"right\" width=30>\r\n"
        "<font color=\"#FF0000\">1</font></td>\r\n"
        "    \t  <td bgcolor=\"#FFFFFF\" align=\"left\" width=100>\r\n"
        "<font color=\"#FF0000\">A&amp;B &lt;x&gt;</font></td>\r\n"
        "      </tr>"
        "    \t<tr>"
        "    \t  <td bgcolor=\"#FFFFFF\" align=\"right\" width=30>\r\n"
        "<font color=\"#000000\">&nbsp;</font></td>\r\n"
        "    \t  <td bgcolor=\"#FFFFFF\" align=\"left\" width=100>\r\n"
        "    \t\t<b><font color=\"#000000\">Nice</font></b></td>\r\n"
        "      </tr>"
        "    </table>\r\n";
    EXPECT_EQ(t.g.TexteHTML(false), table);
    const std::string page = "<html>\r\n  <head>\r\n    " + MetaCharset() +
                             "\r\n    <title></title>\r\n  </head>\r\n"
                             "  <body bgcolor=\"#80CCFE\">\r\n" +
                             table + "  </body>\r\n</html>\r\n";
    EXPECT_EQ(t.g.TexteHTML(true), page);

    // Written to a file, then a table appended to it.
    std::string fichier = kit::TempDir() + "grille.htm";
    t.g.EnregistreHTML(fichier, true);
    t.g.EnregistreHTML(fichier, false);
    std::string lu;
    ASSERT_TRUE(ReadFileBytes(fichier, lu));
    EXPECT_EQ(lu, page + table);

    // A browser reads the accented names right.
    t.g.RemplitCellule(2, 2, L1("Nîmes Olympique – Cœur d’Évreux"), 0, 1, clGreen, clWhite, true);
    t.g.EnregistreHTML(fichier, true);
    EXPECT_NE(TexteLuParNavigateur(fichier).find("Nîmes Olympique – Cœur d’Évreux"), std::string::npos);

    // Appending to a file that does not exist is an error; nothing is created.
    std::string absent = kit::TempDir() + "absent-grille.htm";
    DeleteFile(absent);
    EXPECT_THROW(t.g.EnregistreHTML(absent, false), Exception);
    EXPECT_FALSE(FileExists(absent));
    EXPECT_THROW(t.g.EnregistreHTML(MakePath(kit::OutputDir(), "pas-de-dossier/x.htm"), true), Exception);
}

TEST(GridHtml, TableInTheCallersColours)
{
    Grille t;
    std::string texte;
    t.g.TableHTML(Couleurs, texte, 600, "#FFFFFF");
    const std::string attendu =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"600\">"
        "\t<tr bgcolor=\"#000080\">\r\n"
        "\t  <td align=\"center\" width=30><b><font color=\"#F0E020\">Pl</font></b></td>\r\n"
        "\t  <td align=\"left\" width=100><font color=\"#F0E020\">Equipe</font></td>\r\n"
        "  </tr>\r\n"
        "\t<tr bgcolor=\"#FFFFFF\">\r\n"
        "\t  <td align=\"right\" ><font color=\"#000000\">1</font></td>\r\n"
        "\t  <td align=\"left\" ><font color=\"#000000\">A&amp;B &lt;x&gt;</font></td>\r\n"
        "  </tr>\r\n"
        "\t<tr bgcolor=\"#C0C0C0\">\r\n"
        "\t  <td align=\"right\" ><font color=\"#000000\">&nbsp;</font></td>\r\n"
        "\t  <td align=\"left\" ><b><font color=\"#000000\">Nice</font></b></td>\r\n"
        "  </tr>\r\n"
        "</table>";
    EXPECT_EQ(texte, attendu);

    // No width; empty body cells take the given colour; a fixed column its own.
    t.g.SetFixedCols(1);
    t.g.TableHTML(Couleurs, texte, 0, "#EEEEEE");
    EXPECT_EQ(texte.rfind("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\t<tr", 0), 0u);
    EXPECT_NE(texte.find("\t  <td bgcolor=\"#000080\" bgcolor=\"#EEEEEE\" align=\"right\" >"
                         "<font color=\"#F0E020\">&nbsp;</font></td>"),
              std::string::npos);
    EXPECT_EQ(texte.find("hidden"), std::string::npos);
}

TEST(GridHtml, NestedGroupsAtSeparatorLines)
{
    TColorGridModel g;
    g.SetAutoResize(false);
    g.SetColCount(2);
    g.SetRowCount(10);
    g.SetFixedCols(0);
    g.ChangeLargeurColonne(0, 40);
    g.ChangeLargeurColonne(1, 0);
    for (int r = 0; r < 10; ++r)
        g.EcritCellule(0, r, r == 0 ? "T" : IntToStr(r));
    auto groupes = [](const std::string& s) {
        int n = 0;
        for (size_t p = s.find("<td colspan="); p != std::string::npos; p = s.find("<td colspan=", p + 1))
            ++n;
        return n;
    };
    std::string texte;
    // With the default options every body row is a group of its own.
    g.TableHTMLImbriquee(Couleurs, texte);
    EXPECT_EQ(groupes(texte), 9);

    g.SetOptions(g.Options() & ~static_cast<TGridOptions>(goHorzLine));
    g.TableHTMLImbriquee(Couleurs, texte);
    EXPECT_EQ(groupes(texte), 1);

    g.ChangeTraitLigne(3, true);
    g.ChangeTraitLigne(6, true);
    g.TableHTMLImbriquee(Couleurs, texte);
    EXPECT_EQ(groupes(texte), 3);
    const std::string debut =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"
        "<tr bgcolor=\"#000080\">\r\n"
        "<td align=\"left\" width=\"40\"><font color=\"#F0E020\">T</font></td>\r\n"
        "</tr>\r\n"
        "<tr bgcolor=\"#FFFFFF\">\r\n"
        "<td colspan=\"2\">\r\n"
        "<table cellspacing=\"0\" cellpadding=\"3\">\r\n"
        "<tr><td align=\"left\" width=\"40\"><font color=\"#000000\">1</font></td>\r\n"
        "</tr>\r\n"
        "        <TR><td align=\"left\" width=\"40\"><font color=\"#000000\">2</font></td>\r\n"
        "</tr>\r\n"
        "        <TR><td align=\"left\" width=\"40\"><font color=\"#000000\">3</font></td>\r\n"
        "</tr>\r\n"
        "</table></td></tr><tr bgcolor=\"#C0C0C0\">\r\n";
    EXPECT_EQ(texte.substr(0, debut.size()), debut);
    const std::string fin = "9</font></td>\r\n</tr>\r\n</table></td></tr></table>";
    EXPECT_EQ(texte.substr(texte.size() - fin.size()), fin);
}

TEST(GridHtml, EscapingKeepsEntitiesAndOnPurposeMarkup)
{
    EXPECT_EQ(EchappeHTML("Brighton & Hove <U21>"), "Brighton &amp; Hove &lt;U21&gt;");
    EXPECT_EQ(EchappeHTML("a&nbsp;b &#233; &x;y"), "a&nbsp;b &#233; &x;y");
    EXPECT_EQ(EchappeHTML("R&D; 3 < 4"), "R&D; 3 &lt; 4");
    EXPECT_EQ(EchappeHTML("<b>Nice & co</b><hr/> 2 < 3", true), "<b>Nice &amp; co</b><hr/> 2 &lt; 3");
    EXPECT_EQ(EchappeHTML("x > y", true), "x &gt; y");
    EXPECT_EQ(CouleurHTML(0x80FF00), "#00FF80");
    EXPECT_EQ(CouleurHTML(clWhite), "#FFFFFF");
    EXPECT_EQ(CouleurHTML(clBtnFace).size(), 7u);   // system colours resolved
}
