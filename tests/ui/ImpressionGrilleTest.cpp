// A colour grid printed and read back with the boxes of its words: whatever
// its columns, texts and rows, no word runs into another or off the page,
// every word of its cells is printed whole (but a word wider than the page,
// cut with an ellipsis), its headings come on each page, and its value bars
// leave the file small.
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/MotsPdf.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/ColorStringGrid.h"

namespace {

// A grid of heading row and n body rows; cell(c, r) gives each body text.
std::unique_ptr<TColorGridModel> Grille(const std::vector<std::string>& titres, int n,
                                        const std::function<std::string(int, int)>& cellule)
{
    auto g = std::make_unique<TColorGridModel>();
    g->SetColCount(static_cast<int>(titres.size()));
    g->SetRowCount(n + 1);
    g->SetFixedCols(0);
    for (int c = 0; c < g->ColCount(); ++c) {
        g->ChangeLargeurColonne(c, 40);
        g->RemplitCellule(c, 0, titres[static_cast<size_t>(c)], 1, 1, clBlack, clWhite, true);
        for (int r = 1; r <= n; ++r)
            g->RemplitCellule(c, r, cellule(c, r), c == 0 ? 0 : 1, 1, clBlack, clWhite, false);
    }
    return g;
}

struct TCas
{
    const char* nom;
    std::function<std::unique_ptr<TColorGridModel>()> grille;
    TEnTeteHTML entete;
    int pagesMin;             // at least that many pages
    const char* coupe;        // a word that must be cut, nullptr when none
    long tailleMax;           // bytes
};

const std::string Long = "Association Sportive Olympique de la Vall\xE9" "e du Haut-Rhin";

}  // namespace

TEST(ImpressionGrille, EveryCellWholeAndApartWithinThePage)
{
    const TCas cas[] = {
        {"a long name in a narrow column",
         [] { return Grille({"Pos", "Equipe", "Pts"}, 4, [](int c, int r) { return c == 1 && r == 2 ? Long : IntToStr(r * 10 + c); }); },
         {}, 1, nullptr, 200'000},
        {"forty columns take a smaller font",
         [] {
             std::vector<std::string> t;
             for (int c = 0; c < 40; ++c)
                 t.push_back("Colonne" + IntToStr(c));
             return Grille(t, 5, [](int c, int r) { return IntToStr(1000 * c + r); });
         },
         {}, 1, nullptr, 200'000},
        {"a column too wide wraps at its blanks",
         [] {
             return Grille({"Nom", "Remarque"}, 3, [](int c, int r) {
                 std::string t = "Remarque" + IntToStr(r);
                 for (int k = 0; c == 1 && k < 60; ++k)
                     t += " mot" + IntToStr(k);
                 return c == 0 ? Long : t;
             });
         },
         {}, 1, nullptr, 200'000},
        {"a word wider than the page is cut with an ellipsis",
         [] { return Grille({"Nom", "Code"}, 2, [](int c, int r) { return c == 1 && r == 1 ? std::string(400, 'W') : "x" + IntToStr(r); }); },
         {}, 1, "WWWW", 200'000},
        {"three hundred rows go on over pages under their headings",
         [] { return Grille({"Joueur", "Buts"}, 300, [](int c, int r) { return c == 0 ? "Joueur" + IntToStr(r) : IntToStr(r); }); },
         {{"Meilleurs buteurs", "Division 1"}, {}}, 4, nullptr, 1'000'000},
        {"titles and a band of groups above the table",
         [] { return Grille({"Equipe", "G", "N", "P", "G", "N", "P"}, 6, [](int c, int r) { return IntToStr(r + c); }); },
         {{"Classement g\xE9n\xE9ral", "France : Division 1"}, {{1, 3, "Domicile"}, {4, 6, "Ext\xE9rieur"}}}, 1,
         nullptr, 200'000},
        {"value bars are drawn as one shape each",
         [] {
             auto g = Grille({"Equipe", "Affluence"}, 120, [](int c, int r) { return c == 0 ? Long : IntToStr(1000 + 37 * r); });
             g->ChangeValeursColonne(1, CouleursGraphe(0x00FFFF, 0x0080FF));
             return g;
         },
         {}, 2, nullptr, 300'000},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        auto g = k.grille();
        const std::string pdf = MakePath(kit::TempDir(), "impression-grille.pdf");
        DeleteFile(pdf);
        Printer().SetOutputFileName(pdf);
        ASSERT_TRUE(g->Imprime(k.entete));
        Printer().SetOutputFileName("");
        const std::vector<essai::TPagePdf> pages = essai::LitPdf(pdf);
        std::map<std::string, int> voulus;
        auto mots = [&](const std::string& t) {
            std::istringstream in(Cp1252ToUtf8(t));
            for (std::string m; in >> m;)
                if (!k.coupe || m.find(k.coupe) == std::string::npos)
                    ++voulus[m];
        };
        for (int c = 0; c < g->ColCount(); ++c)
            for (int r = 1; r < g->RowCount(); ++r)
                mots(g->Cells(c, r));
        for (const std::string& t : k.entete.Titres)
            mots(t);
        for (const auto& b : k.entete.Bandes)
            mots(b.Texte);
        // the headings on every page
        for (int c = 0; c < g->ColCount(); ++c)
            for (size_t p = 0; p < pages.size(); ++p)
                mots(g->Cells(c, 0));
        EXPECT_EQ(essai::DefautsPdf(pages, static_cast<long>(FileSize(pdf)), voulus), std::vector<std::string>{});
        EXPECT_GE(static_cast<int>(pages.size()), k.pagesMin);
        EXPECT_LE(FileSize(pdf), k.tailleMax);
        if (k.coupe) {
            bool ellipse = false;
            for (const essai::TPagePdf& p : pages)
                for (const essai::TMotPdf& m : p.mots)
                    ellipse = ellipse || m.texte.find("\xE2\x80\xA6") != std::string::npos;
            EXPECT_TRUE(ellipse);
        }
        essai::SortieCommande("pdftoppm -r 50 -png -f 1 -l 1 '" + pdf + "' '" + MakePath(kit::OutputDir(), "impression-grille-" + IntToStr(static_cast<int>(&k - cas))) + "'");
    }
}
