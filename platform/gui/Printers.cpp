// The printer on Qt's QPrinter, with a PDF file when no printer is installed.
#include "platform/gui/Printers.h"

#include <QCoreApplication>
#include <QFile>
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

std::function<std::string(const std::string&)> pdfChooser;
std::function<void(const std::string&, bool)> pdfWritten;
std::function<void(const std::string&)> printerFailed;

// The printer a document goes to when it goes to none of the files.
std::string PrinterName(const QPrinter& p) { return QStringToAnsi(p.printerName()); }

}  // namespace

void SetPdfChooser(std::function<std::string(const std::string& title)> chooser,
                   std::function<void(const std::string& file, bool written)> written)
{
    pdfChooser = std::move(chooser);
    pdfWritten = std::move(written);
}

void SetPrinterFailed(std::function<void(const std::string& printer)> failed) { printerFailed = std::move(failed); }

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
    if (printing_) throw EPrinter("printing");
    orientation_ = orientation;
    d_->Get().setPageOrientation(orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TPrinter::BeginDoc()
{
    if (printing_) throw EPrinter("printing");
    QPrinter& p = d_->Get();
    p.setPageOrientation(orientation_ == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    p.setDocName(AnsiToQString(title_));
    p.setCreator(QStringLiteral("Brivantel Zelvor"));
    outputFile_.clear();
    partFile_.clear();
    chosen_ = false;
    if (!outputSetting_.empty()) outputFile_ = outputSetting_;
    else if (QPrinterInfo::availablePrinters().isEmpty()) {
        if (pdfChooser) {
            outputFile_ = pdfChooser(title_);
            if (outputFile_.empty()) throw EPrinterCancelled(title_);
            chosen_ = true;
        } else {
            outputFile_ = GetTempDir() + SafeFileName(title_) + ".pdf";
        }
    }
    if (!outputFile_.empty()) {
        partFile_ = ExtractFilePath(outputFile_) + "." + ExtractFileName(outputFile_) + ".part";
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(partFile_)));
    } else {
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    }
    p.setResolution(kResolution);
    d_->painter = std::make_unique<QPainter>();
    if (!d_->painter->begin(&p)) {
        d_->painter.reset();
        if (chosen_ && pdfWritten) pdfWritten(outputFile_, false);
        if (outputFile_.empty() && printerFailed) printerFailed(PrinterName(p));
        throw EPrinter(outputFile_.empty() ? PrinterName(p) : outputFile_);
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
    const bool ended = d_->painter->end();
    d_->painter.reset();
    printing_ = false;
    if (partFile_.empty()) {
        if (ended) return;
        if (printerFailed) printerFailed(PrinterName(*d_->printer));
        throw EPrinter(PrinterName(*d_->printer));
    }
    // The whole document takes the place of the file.
    const bool written = ended && RenameFile(partFile_, outputFile_);
    if (!written) DeleteFile(partFile_);
    if (chosen_ && pdfWritten) pdfWritten(outputFile_, written);
    if (!written) throw EPrinter(outputFile_);
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
    if (!partFile_.empty()) DeleteFile(partFile_);
    if (chosen_ && pdfWritten) pdfWritten(outputFile_, false);
    if (outputFile_.empty() && printerFailed) printerFailed(PrinterName(*d_->printer));
}

void TPrinter::NewPage()
{
    if (!printing_) throw EPrinter("not printing");
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
