// The text pane: writing lines, colours and HTML, wrapping and justification
// (characters 8 pixels wide), automatic height, printing over pages.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/gui/Forms.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/ui/HtmlLu.h"
#include "ui/Editeur.h"
#include "ui/GridHtml.h"

namespace {

class EditeurFixe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetTextMeasurer(&mesure_);
        e_.reset(new TEditeur(nullptr));
        e_->SetBounds(0, 0, 100, 40);
    }
    void TearDown() override
    {
        e_.reset();
        SetTextMeasurer(nullptr);
    }
    std::vector<std::string> Textes(int largeur)
    {
        TBitmap b(10, 10);
        std::vector<std::string> v;
        for (const auto& r : e_->Disposition(b.Canvas(), largeur))
            v.push_back(r.Texte);
        return v;
    }
    TFixedTextMeasurer mesure_{8, 13};
    TOwned<TEditeur> e_;
};

}   // namespace

TEST_F(EditeurFixe, WritesLinesThatFit)
{
    e_->SetNbLigne(3);
    EXPECT_EQ(e_->EcritLigne(3, "abc", false, false, 1), 2);   // 13 + 2 x 18 > 40
    EXPECT_EQ(e_->Ligne(3)->Texte, "");
    EXPECT_EQ(e_->EcritLigne(3, "abc", true, false, 1), 0);
    EXPECT_EQ(e_->Ligne(3)->Texte, "abc");
    EXPECT_EQ(e_->EcritLigne(1, "abcdefghijklm", false, false, 1), 1);   // 104 > 100
    EXPECT_EQ(e_->EcritLigne(1, "abcdefghijkl", false, false, 1), 0);
    EXPECT_EQ(e_->EcritLigne(0, "x", true, false, 1), 255);
    EXPECT_EQ(e_->EcritLigne(4, "x", true, false, 1), 255);
    EXPECT_EQ(e_->Ligne(4), nullptr);
    e_->EffaceLigne(1);
    EXPECT_EQ(e_->Ligne(1)->Texte, "");
    e_->SetNbLigne(1);
    EXPECT_EQ(e_->NbLigne(), 1);
}

TEST_F(EditeurFixe, ColoursAndHtml)
{
    e_->SetNbLigne(4);
    e_->EcritLigne(1, "abc", true, false, 1);
    e_->EcritLigne(1, "de", true, true, 4);
    EXPECT_EQ(e_->Ligne(1)->Texte, "abcde");
    EXPECT_EQ(e_->Ligne(1)->Couleurs, std::string("\x01\x01\x01\x04\x04", 5));
    EXPECT_EQ(e_->LigneHTML(1), "<FONT COLOR=#000080>abc</FONT><FONT COLOR=#FF0000>de</FONT><BR>");
    // Colour 16 and above is entry 0, and an empty line is a line break.
    e_->EcritLigne(2, "x", true, false, 0);
    e_->EcritLigne(2, "y", true, true, 20);
    EXPECT_EQ(e_->LigneHTML(2), "<FONT COLOR=#000000>xy</FONT><BR>");
    EXPECT_EQ(e_->LigneHTML(3), "<BR>");
    // Names are escaped, the markup written on purpose (a line marked so) kept.
    e_->EcritLigne(4, "<b>Brighton & Hove</b><hr/>", true, false, 2);
    e_->Ligne(4)->Balises = true;
    EXPECT_EQ(e_->LigneHTML(4), "<FONT COLOR=#008000><b>Brighton &amp; Hove</b><hr/></FONT><BR>");
    e_->SetCouleurPalette(2, 0x0080FF);
    e_->SetCouleurPalette(16, clRed);   // ignored
    EXPECT_EQ(e_->LigneHTML(4).substr(0, 20), "<FONT COLOR=#FF8000>");
    EXPECT_EQ(e_->Texte(), e_->LigneHTML(1) + e_->LigneHTML(2) + e_->LigneHTML(3) + e_->LigneHTML(4));

    std::string fichier = kit::TempDir() + "editeur.htm";
    e_->PageHTML(fichier, true);
    e_->PageHTML(fichier, false);
    std::string lu;
    ASSERT_TRUE(ReadFileBytes(fichier, lu));
    EXPECT_EQ(lu, "<HTML>\r\n  <HEAD>\r\n    " + MetaCharset() +
                      "\r\n    <TITLE></TITLE>\r\n  </HEAD>\r\n  <BODY BGCOLOR=\"#00306F\">\r\n" + e_->Texte() +
                      "  </BODY>\r\n</HTML>\r\n" + e_->Texte());
    // A browser reads the accented names right.
    e_->EcritLigne(1, L1("Stade Brestois à Nîmes – Cœur d’Évreux"), true, false, 1);
    e_->PageHTML(fichier, true);
    EXPECT_NE(TexteLuParNavigateur(fichier).find("Stade Brestois à Nîmes – Cœur d’Évreux"), std::string::npos);
    std::string absent = kit::TempDir() + "absent-editeur.htm";
    DeleteFile(absent);
    EXPECT_THROW(e_->PageHTML(absent, false), Exception);
    EXPECT_FALSE(FileExists(absent));
}

TEST_F(EditeurFixe, WrapsAndAlwaysMakesProgress)
{
    e_->SetNbLigne(5);
    e_->EcritLigne(1, "aaaa bbbb cccc dddd eeee", true, false, 0);
    e_->EcritLigne(2, "Supercalifragilistique", true, false, 0);   // one word wider than the pane
    e_->EcritLigne(3, " abcdefghijklmnopqrstuvwxyz abc", true, false, 0);
    e_->EcritLigne(4, "", true, false, 0);
    e_->EcritLigne(5, "un deux", true, false, 0);
    std::vector<std::string> t = Textes(100);
    ASSERT_GE(t.size(), 7u);
    // Every piece but a lone long word fits; nothing is lost but the blanks cut at.
    std::string l1;
    size_t i = 0;
    for (; i < t.size() && t[i].find("Super") == std::string::npos; ++i) {
        EXPECT_LE(8 * static_cast<int>(t[i].size()), 100) << t[i];
        l1 += (l1.empty() ? "" : " ") + t[i];
    }
    EXPECT_EQ(l1, "aaaa bbbb cccc dddd eeee");
    ASSERT_LT(i, t.size());
    EXPECT_EQ(t[i], "Supercalifragilistique");
    std::string l3;
    for (++i; i < t.size() && !t[i].empty(); ++i)
        l3 += t[i] + "|";
    EXPECT_EQ(l3, " abcdefghijklmnopqrstuvwxyz|abc|");
    ASSERT_LT(i, t.size());
    EXPECT_EQ(t[i], "");   // the empty line takes a row
    EXPECT_EQ(t.back(), "un deux");
    EXPECT_EQ(e_->NbLignesDessinees(100), static_cast<int>(t.size()));

    // Text without any blank at a tiny width still ends.
    e_->SetNbLigne(1);
    e_->EcritLigne(1, std::string(500, 'x'), true, false, 0);
    EXPECT_EQ(Textes(3).size(), 1u);
}

TEST_F(EditeurFixe, JustifiesWrappedPiecesButNotBeforeACarriageReturn)
{
    e_->SetNbLigne(2);
    e_->SetdecalX(2);
    // A piece of 8 characters of 8 pixels: 100 - 64 - 2 x 2 = 32 pixels to share.
    e_->EcritLigne(1, "abc defg hijk lmno", true, false, 0);
    e_->EcritLigne(2, "abc defg hijklm\r", true, false, 0);
    TBitmap b(10, 10);
    std::vector<TEditeur::TRangee> r = e_->Disposition(b.Canvas(), 100);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].Texte, "abc defg");
    EXPECT_EQ(r[0].X.front(), 2);
    // Spread over the piece: the last character ends at the right margin.
    EXPECT_EQ(r[0].X.back() + 8, 100 - 2 - 4);   // the last character's share comes after it
    EXPECT_EQ(r[0].X[1], 2 + 8 + 4);
    EXPECT_EQ(r[1].Texte, "hijk lmno");
    // A piece ending with a carriage return is left as it is, and the return not drawn.
    EXPECT_EQ(r[2].Texte, "abc defg");
    EXPECT_EQ(r[2].X[1], 2 + 8 + 4);
    EXPECT_EQ(r[3].Texte, "hijklm");
    EXPECT_EQ(r[3].X[1], 2 + 8);
    e_->SetJustifyDoc(false);
    EXPECT_EQ(e_->Disposition(b.Canvas(), 100)[0].X[1], 10);

    // Alignment, indent and the fixed grid.
    e_->SetNbLigne(3);
    e_->EcritLigne(1, "ab", true, false, 0);
    e_->Ligne(1)->Alignement = 1;
    e_->EcritLigne(2, "ab", true, false, 0);
    e_->Ligne(2)->Alignement = 2;
    e_->Ligne(2)->Decalage = 5;
    e_->EcritLigne(3, "a  b", true, false, 0);
    e_->Ligne(3)->Fixe = 1;
    r = e_->Disposition(b.Canvas(), 100);
    EXPECT_EQ(r[0].X[0], (100 - 16) / 2);
    EXPECT_EQ(r[1].X[0], 100 - 16 - 2 + 5);
    EXPECT_EQ(r[2].X[3], 2 + 3 * 8);
}

TEST_F(EditeurFixe, AutomaticHeight)
{
    e_->SetNbLigne(3);
    e_->EcritLigne(1, "aaaa bbbb cccc dddd", true, false, 0);
    e_->EcritLigne(3, "c", true, false, 0);
    e_->SetdecalY(4);
    e_->SetajustAuto(true);
    // Two pieces, one empty line, one short line.
    EXPECT_EQ(e_->Height(), 18 * 4 + 4);
    e_->SetWidth(400);
    EXPECT_EQ(e_->Height(), 18 * 3 + 4);
}

TEST(EditeurImpression, PrintsOnTwoPagesAndIntoARectangle)
{
    TOwned<TForm> f(new TForm(nullptr));
    f->SetBounds(0, 0, 420, 300);
    auto* e = new TEditeur(f.get());
    e->SetParent(f.get());
    e->SetBounds(10, 10, 390, 240);
    e->SetColor(clWhite);
    e->SetNbLigne(70);
    for (int i = 1; i <= 70; ++i) {
        std::string t = "Ligne " + IntToStr(i) + L1(" : le club a gagné son match de championnat à domicile contre une "
                                                     "équipe difficile");
        e->EcritLigne(i, t, true, false, static_cast<uint8_t>(i % 6));
    }
    e->SetajustAuto(true);
    int hauteur = e->Height();
    kit::ShowForm(f.get());
    std::string png = kit::GrabToPng(f.get(), "editeur");
    EXPECT_TRUE(FileExists(png));

    std::string pdf = kit::TempDir() + "editeur.pdf";
    DeleteFile(pdf);
    Printer().SetOutputFileName(pdf);
    EXPECT_TRUE(e->Imprime());
    Printer().SetOutputFileName("");
    EXPECT_GE(e->PagesImprimees(), 2);
    EXPECT_EQ(e->Height(), hauteur);   // printing leaves the pane's height alone
    std::string info = kit::TempDir() + "editeur-pdfinfo.txt";
    std::string cmd = "pdfinfo '" + pdf + "' > '" + info + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::string texte;
    ASSERT_TRUE(ReadFileBytes(info, texte));
    size_t pos = texte.find("Pages:");
    ASSERT_NE(pos, std::string::npos) << texte;
    EXPECT_EQ(StrToIntDef(Trim(texte.substr(pos + 6, texte.find('\n', pos) - pos - 6)), 0), e->PagesImprimees());
    cmd = "pdftoppm -r 40 -png -f 1 -l 2 '" + pdf + "' '" + MakePath(kit::OutputDir(), "editeur-pdf") + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);

    // Into the lower half of a page of an open document.
    std::string pdf2 = kit::TempDir() + "editeur-rect.pdf";
    TPrinter& p = Printer();
    p.SetOutputFileName(pdf2);
    p.BeginDoc();
    e->ImprimeDans(p, Rect(p.PageWidth() / 10, p.PageHeight() / 2, p.PageWidth() * 9 / 10, p.PageHeight()));
    int pages = e->PagesImprimees();
    p.EndDoc();
    p.SetOutputFileName("");
    EXPECT_GT(pages, 2);
    cmd = "pdftoppm -r 40 -png -singlefile '" + pdf2 + "' '" + MakePath(kit::OutputDir(), "editeur-rect") + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}

// What a user typed reads back whole from the pane's page, whatever it holds.
TEST_F(EditeurFixe, AUsersTextReadsBackWholeFromThePage)
{
    const std::vector<std::string> textes = {
        "Equipe <Reserve> Lyon", "<b>gras</b> ?", "R&amp;D &nbsp; &#233;", "a < b > c & \"d\"", "<!-- x -->",
    };
    e_->SetNbLigne(static_cast<int>(textes.size()));
    for (size_t i = 0; i < textes.size(); ++i)
        e_->EcritLigne(static_cast<int>(i) + 1, textes[i], true, false, 1);
    const std::string fichier = kit::TempDir() + "editeur_texte.htm";
    DeleteFile(fichier);
    e_->PageHTML(fichier, true);
    const std::string lu = TexteLuParNavigateur(fichier);
    size_t depuis = 0;
    for (const std::string& t : textes) {
        const size_t p = lu.find(t, depuis);
        EXPECT_NE(p, std::string::npos) << t << " in " << lu;
        if (p != std::string::npos)
            depuis = p + t.size();
    }
}
