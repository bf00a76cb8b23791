// Printing to a PDF file and reading the text back.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/gui/Pictures.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

namespace {

// The text of a PDF file (pdftotext, from poppler-utils); "" when the tool is missing.
std::string PdfText(const std::string& pdf)
{
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) return "";
    std::string cmd = "pdftotext -layout '" + pdf + "' -";
    std::string out;
    if (FILE* f = popen(cmd.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
        pclose(f);
    }
    return out;
}

bool HavePdfToText() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

std::string OutFile(const std::string& name)
{
    std::string dir = GetTempDir() + "bz_printer_test/";
    ForceDirectories(dir);
    DeleteFile(dir + name);
    return dir + name;
}

}  // namespace

TEST(Printer, PrintsTwoPagesToPdfWithTheirText)
{
    TPrinter p;
    std::string file = OutFile("two_pages.pdf");
    p.SetOutputFileName(file);
    p.SetTitle("Classement");
    p.SetOrientation(poLandscape);
    p.BeginDoc();
    EXPECT_TRUE(p.Printing());
    EXPECT_EQ(p.OutputFileName(), file);
    EXPECT_GT(p.PageWidth(), p.PageHeight());   // landscape
    EXPECT_NEAR(p.PageWidth() / static_cast<double>(p.XResolution()), 11.69, 0.5);   // A4 across, in inches
    TCanvas& c = p.Canvas();
    c.Font.SetName("DejaVu Sans");
    c.Font.SetSize(14);
    int h = c.TextHeight("X");
    EXPECT_NEAR(h, 14 * p.YResolution() / 72.0 * 1.17, 0.5 * h);   // 14 points on paper
    c.TextOut(p.PageWidth() / 10, p.PageHeight() / 10, L1("Première page: Équipe Rouge"));
    c.Pen.SetWidth(5);
    c.Brush.SetStyle(bsClear);
    c.Rectangle(100, 100, p.PageWidth() - 100, p.PageHeight() - 100);
    TBitmap check;
    check.LoadFromResourceName("CHECK");
    c.StretchDraw(Bounds(200, 400, 160, 160), check);
    TBitmap arrow;
    arrow.LoadFromResourceName("FLECHEHAUT");
    c.SetCopyMode(cmSrcAnd);   // a printer cannot mix: the white is left out
    c.StretchDraw(Bounds(400, 400, 160, 160), arrow);
    c.SetCopyMode(cmSrcCopy);
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    c.TextOut(300, 300, "Seconde page");
    p.EndDoc();
    EXPECT_FALSE(p.Printing());
    EXPECT_FALSE(p.Aborted());
    ASSERT_TRUE(FileExists(file));
    EXPECT_GT(FileSize(file), 500);
    if (!HavePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    std::string text = PdfText(file);
    EXPECT_NE(text.find("Première page: Équipe Rouge"), std::string::npos) << text;   // UTF-8 out of pdftotext
    EXPECT_NE(text.find("Seconde page"), std::string::npos) << text;
    EXPECT_NE(text.find('\f'), std::string::npos);   // two pages
}

TEST(Printer, AbortLeavesNoFileAndSaysSo)
{
    TPrinter p;
    std::string file = OutFile("aborted.pdf");
    p.SetOutputFileName(file);
    p.BeginDoc();
    p.Canvas().TextOut(10, 10, "rien");
    EXPECT_THROW(p.BeginDoc(), EPrinter);
    EXPECT_THROW(p.SetOrientation(poLandscape), EPrinter);
    p.Abort();
    EXPECT_TRUE(p.Aborted());
    EXPECT_FALSE(p.Printing());
    EXPECT_FALSE(FileExists(file));
    EXPECT_THROW(p.NewPage(), EPrinter);
}

TEST(Printer, WithoutAPrinterTheDocumentGoesToAPdfInTheTemporaryFolder)
{
    if (!TPrinter::Printers().empty()) GTEST_SKIP() << "a printer is installed";
    TPrinter p;
    p.SetTitle(L1("Fiche équipe/2"));
    p.BeginDoc();
    p.Canvas().TextOut(100, 100, "Fiche");
    p.EndDoc();
    EXPECT_TRUE(p.PrintsToFile());
    EXPECT_EQ(p.OutputFileName(), GetTempDir() + "Fiche__quipe_2.pdf");
    EXPECT_TRUE(FileExists(p.OutputFileName()));
    DeleteFile(p.OutputFileName());
    EXPECT_EQ(&Printer(), &Printer());
}

// Without a printer the chooser names the file; the PDF takes its place only
// when whole, and the chooser's owner hears how it went.
TEST(Printer, WithoutAPrinterTheChooserNamesTheFileAndHearsTheResult)
{
    if (!TPrinter::Printers().empty()) GTEST_SKIP() << "a printer is installed";
    const std::string file = OutFile("choisi.pdf");
    ASSERT_TRUE(WriteFileAtomic(file, "ancien"));
    std::string answer, told;
    std::vector<std::string> titles;
    int written = -1;
    SetPdfChooser([&](const std::string& t) { titles.push_back(t); return answer; },
                  [&](const std::string& f, bool ok) { told = f; written = ok; });
    TPrinter p;
    p.SetTitle("Classement");
    auto draw = [](TPrinter& q) { q.Canvas().TextOut(100, 100, "Classement"); };
    auto bytes = [&] {
        std::string b;
        ReadFileBytes(file, b);
        return b;
    };
    // Cancelled: nothing written, nothing told.
    EXPECT_FALSE(PrintDocument(p, poPortrait, draw));
    EXPECT_EQ(bytes(), "ancien");
    EXPECT_EQ(written, -1);
    // A drawing that fails leaves the old file as it was.
    answer = file;
    EXPECT_FALSE(PrintDocument(p, poPortrait, [](TPrinter&) { throw Exception("panne"); }));
    EXPECT_EQ(bytes(), "ancien");
    EXPECT_EQ(written, 0);
    // Whole: in place, and told.
    EXPECT_TRUE(PrintDocument(p, poPortrait, draw));
    EXPECT_EQ(bytes().substr(0, 5), "%PDF-");
    EXPECT_EQ(told, file);
    EXPECT_EQ(written, 1);
    EXPECT_EQ(titles, (std::vector<std::string>(3, "Classement")));
    EXPECT_TRUE(ListFiles(ExtractFilePath(file), "*.part").empty());
    SetPdfChooser(nullptr, nullptr);
}

TEST(Printer, PrintDocumentPrintsWholeOrAbandons)
{
    TPrinter p;
    const std::string file = OutFile("document.pdf");
    p.SetOutputFileName(file);
    int largeur = 0, hauteur = 0;
    EXPECT_TRUE(PrintDocument(p, poLandscape, [&](TPrinter& q) {
        largeur = q.PageWidth();
        hauteur = q.PageHeight();
        q.Canvas().TextOut(100, 100, "Document");
    }));
    EXPECT_GT(largeur, hauteur);
    EXPECT_FALSE(p.Printing());
    EXPECT_TRUE(FileExists(file));

    // A drawing that fails leaves no document behind and the printer free.
    DeleteFile(file);
    EXPECT_FALSE(PrintDocument(p, poPortrait, [](TPrinter& q) {
        q.Canvas().TextOut(100, 100, "Moitié");
        throw Exception("panne");
    }));
    EXPECT_FALSE(p.Printing());
    EXPECT_TRUE(p.Aborted());
    EXPECT_FALSE(FileExists(file));
    // A printer already busy: the call fails and the open document stays.
    p.BeginDoc();
    EXPECT_FALSE(PrintDocument(p, poPortrait, [](TPrinter&) {}));
    EXPECT_TRUE(p.Printing());
    p.Abort();
}
