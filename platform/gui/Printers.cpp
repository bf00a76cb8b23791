// The printer on Qt's QPrinter, with a PDF file when no printer is installed.
#include "platform/gui/Printers.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cctype>

#include "platform/gui/GraphicsQt.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr int kResolution = 600;

std::string SafeFileName(const std::string& title)
{
    std::string s;
    for (unsigned char c : title) s += (std::isalnum(c) || c == '-' || c == '_') ? static_cast<char>(c) : '_';
    return s.empty() ? std::string("Impression") : s;
}

}  // namespace

struct TPrinter::Impl
{
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;
    TCanvas canvas;

    QPrinter& Get()
    {
        if (!printer) {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setResolution(kResolution);
            printer->setPageSize(QPageSize(QPageSize::A4));
        }
        return *printer;
    }
};

TPrinter::TPrinter() : d_(std::make_unique<Impl>()) {}

TPrinter::~TPrinter()
{
    if (printing_) Abort();
}

std::vector<std::string> TPrinter::Printers()
{
    std::vector<std::string> names;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) names.push_back(QStringToAnsi(info.printerName()));
    return names;
}

void TPrinter::SetOrientation(TPrinterOrientation orientation)
{
    if (printing_) throw EPrinter(L1("Impossible de changer l'orientation pendant l'impression"));
    orientation_ = orientation;
    d_->Get().setPageOrientation(orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::BeginDoc()
{
    if (printing_) throw EPrinter(L1("Impression en cours"));
    QPrinter& p = d_->Get();
    p.setPageOrientation(orientation_ == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    p.setDocName(AnsiToQString(title_));
    p.setCreator(QStringLiteral("Brivantel Zelvor"));
    outputFile_.clear();
    if (!outputSetting_.empty()) outputFile_ = outputSetting_;
    else if (QPrinterInfo::availablePrinters().isEmpty()) outputFile_ = GetTempDir() + SafeFileName(title_) + ".pdf";
    if (!outputFile_.empty()) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(outputFile_));
    } else {
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    }
    p.setResolution(kResolution);
    d_->painter = std::make_unique<QPainter>();
    if (!d_->painter->begin(&p)) {
        d_->painter.reset();
        throw EPrinter(outputFile_.empty() ? L1("Impossible d'ouvrir l'imprimante")
                                           : L1("Impossible de créer le fichier ") + outputFile_);
    }
    d_->canvas.AttachPainter(d_->painter.get());
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
}

void TPrinter::EndDoc()
{
    if (!printing_) return;
    d_->canvas.DetachPainter();
    d_->painter->end();
    d_->painter.reset();
    printing_ = false;
}

void TPrinter::Abort()
{
    if (!printing_) return;
    d_->canvas.DetachPainter();
    d_->printer->abort();
    d_->painter->end();
    d_->painter.reset();
    printing_ = false;
    aborted_ = true;
    if (!outputFile_.empty()) DeleteFile(outputFile_);
}

void TPrinter::NewPage()
{
    if (!printing_) throw EPrinter(L1("Aucune impression en cours"));
    d_->printer->newPage();
    ++pageNumber_;
}

TCanvas& TPrinter::Canvas() { return d_->canvas; }

int TPrinter::PageWidth() const { return d_->Get().width(); }
int TPrinter::PageHeight() const { return d_->Get().height(); }
int TPrinter::XResolution() const { return d_->Get().logicalDpiX(); }
int TPrinter::YResolution() const { return d_->Get().logicalDpiY(); }

struct PrinterAccess
{
    // The program's printer lets its Qt printer go with the application object.
    static void Release()
    {
        TPrinter& p = Printer();
        if (p.printing_) p.Abort();
        p.d_->painter.reset();
        p.d_->printer.reset();
    }
};

bool PrintDocument(TPrinter& printer, TPrinterOrientation orientation, const std::function<void(TPrinter&)>& draw)
{
    bool begun = false;
    try {
        printer.SetOrientation(orientation);
        printer.BeginDoc();
        begun = true;
        draw(printer);
        printer.EndDoc();
        return true;
    } catch (const std::exception&) {
        // Only this document is abandoned, not one the printer was busy with.
        if (begun && printer.Printing())
            printer.Abort();
        return false;
    }
}

TPrinter& Printer()
{
    static TPrinter printer;
    static bool hooked = [] {
        if (QCoreApplication::instance()) qAddPostRoutine(&PrinterAccess::Release);
        return true;
    }();
    (void)hooked;
    return printer;
}
