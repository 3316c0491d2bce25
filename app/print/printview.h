// CPrintView: the view of the print frame. It hosts the print preview and hands every printing
// step to its owner (the main window), which draws the report; the view draws nothing itself.
//
// A print run, for the preview, for paper or for a PDF file, is always the same sequence on one
// painter: the owner's beginning (which says how many pages there are), each page, the end.
//
// Runs on the user-interface thread.
#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QPrintPreviewWidget;

// What the owner learns about a print run.
struct CPrintInfo {
    QPrinter* printer = nullptr;
    bool preview = false;  // drawn for the preview, not for paper or a file
    int maxPage = 1;       // the number of pages; the owner sets it at the beginning
    int currentPage = 1;   // the page being drawn
};

// The window that draws what a print view shows.
class CPrintOwner {
public:
    // Beginning of printing: fonts and metrics for the printer. Returns 1.
    virtual int OnBeginPrinting(QPainter& dc, CPrintInfo& info) = 0;
    // One page. Returns 1.
    virtual int OnPrintPage(QPainter& dc, CPrintInfo& info) = 0;
    // End of printing: releases what the beginning made. Returns 1.
    virtual int OnEndPrinting(QPainter& dc, CPrintInfo& info) = 0;

protected:
    ~CPrintOwner() = default;
};

class CPrintView : public QWidget {
    Q_OBJECT
public:
    // The owner must outlive the view.
    explicit CPrintView(CPrintOwner* owner, QWidget* parent = nullptr);
    ~CPrintView() override;

    CPrintOwner* Owner() const { return m_pOwner; }
    QPrintPreviewWidget* Preview() const { return m_preview; }
    // The printer the preview draws for; its page layout is also used for PDF files.
    QPrinter& PreviewPrinter() const { return *m_printer; }

    // Draws the report on `printer` through the owner. False when the printer cannot be drawn on
    // (nothing is sent to the owner then).
    bool PrintTo(QPrinter& printer, bool preview);

    // Writes the report as a PDF file with the preview's page layout. False when the file cannot
    // be written.
    bool SaveAsPdf(const QString& path);

    // Runs the print dialog and prints on the chosen printer. Returns 1 printed, 0 cancelled,
    // -1 failed.
    int PrintWithDialog();

    // How the print dialog and the PDF file dialog are run (tests answer them instead).
    using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;
    using PdfFileChooser = std::function<QString(QWidget* parent)>;
    void SetPrintDialogRunner(PrintDialogRunner runner) { m_runPrintDialog = std::move(runner); }
    void SetPdfFileChooser(PdfFileChooser chooser) { m_choosePdfFile = std::move(chooser); }

public Q_SLOTS:
    void OnNextPage();
    void OnPrevPage();
    void OnZoomIn();
    void OnZoomOut();
    // Asks for a file name and writes the report there; a failure is shown in a message box.
    void OnSavePdf();

Q_SIGNALS:
    // The preview was drawn anew or shows another page.
    void previewChanged();

private:
    CPrintOwner* m_pOwner;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_preview = nullptr;
    PrintDialogRunner m_runPrintDialog;
    PdfFileChooser m_choosePdfFile;
};
