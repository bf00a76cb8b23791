// The printer: one document at a time, drawn page by page on its canvas in
// device pixels (PageWidth x PageHeight); fonts keep their size in points.
// With no printer installed, or when an output file is set, the document goes
// to a PDF file, and OutputFileName() says where. Without a printer the
// program's chooser (SetPdfChooser) names the file; the PDF is written beside
// it and put in its place only once whole, so an abandoned document replaces
// nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Graphics.h"
#include "platform/rtl/Exceptions.h"

BZ_DECLARE_EXCEPTION(EPrinter, Exception)

enum TPrinterOrientation { poPortrait, poLandscape };

class TPrinter
{
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // EPrinter when a document is already open or the output cannot be opened.
    void BeginDoc();
    void EndDoc();
    // Ends the document without printing it (a PDF file is removed).
    void Abort();
    void NewPage();
    TCanvas& Canvas();

    int PageWidth() const;    // device pixels of the printable area
    int PageHeight() const;
    int PageNumber() const { return pageNumber_; }
    int XResolution() const;  // device pixels per inch
    int YResolution() const;
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation orientation);   // EPrinter while printing
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }

    // Printers of the system; empty when none is installed.
    static std::vector<std::string> Printers();
    // A PDF file to print to instead of the printer ("" = the printer, or, with
    // none installed, the chooser's file; without a chooser
    // <temporary folder>/<title>.pdf).
    void SetOutputFileName(const std::string& fileName) { outputSetting_ = fileName; }
    // Where the current or last document goes: the PDF file, "" on a printer.
    const std::string& OutputFileName() const { return outputFile_; }
    bool PrintsToFile() const { return !outputFile_.empty(); }

private:
    friend struct PrinterAccess;
    struct Impl;
    std::unique_ptr<Impl> d_;
    TPrinterOrientation orientation_ = poPortrait;
    std::string title_;
    std::string outputSetting_;
    std::string outputFile_;
    std::string partFile_;   // where the PDF is written until it is whole
    bool chosen_ = false;    // outputFile_ came from the chooser
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
};

// The program's printer.
TPrinter& Printer();

// Without a printer, BeginDoc asks chooser(title) where the PDF goes ("" =
// the user cancelled: BeginDoc fails, nothing is written), and tells
// written(file, true) once that file is in place, written(file, false) when it
// could not be written. nullptr: the temporary folder, nothing told.
// Cancelling is no error: an EPrinterCancelled that reaches the application
// shows nothing.
BZ_DECLARE_EXCEPTION(EPrinterCancelled, EPrinter)
void SetPdfChooser(std::function<std::string(const std::string& title)> chooser,
                   std::function<void(const std::string& file, bool written)> written);
// On a printer, failed(printer name) is told when a document could not be
// printed there: not begun, not ended, or abandoned. nullptr: nothing told.
void SetPrinterFailed(std::function<void(const std::string& printer)> failed);

// One document on printer in that orientation: BeginDoc, draw, EndDoc. When
// anything fails (the printer or the drawing), the document is abandoned and
// the answer is false; a document the printer is already printing is left as
// it is.
bool PrintDocument(TPrinter& printer, TPrinterOrientation orientation, const std::function<void(TPrinter&)>& draw);
