#include "app/print/printview.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QVBoxLayout>

#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"

namespace {

const QString& DocumentName() {
    static const QString name = Ui::tr("Print-diagnose");
    return name;
}

// The report is laid out on the printable area and centred on it by its own margin, so the
// printer's page margins are kept as small as the printer allows.
void UseSmallestMargins(QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
    printer.setFullPage(false);
}

void PrepareReportPrinter(QPrinter& printer) {
    printer.setDocName(DocumentName());
    printer.setCreator(QStringLiteral("kavimo"));
    UseSmallestMargins(printer);
}

}  // namespace

CPrintView::CPrintView(CPrintOwner* owner, QWidget* parent)
    : QWidget(parent),
      m_pOwner(owner),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_runPrintDialog([](QPrinter& printer, QWidget* dialogParent) {
          QPrintDialog dialog(&printer, dialogParent);
          dialog.setWindowTitle(DocumentName());
          return dialog.exec() == QDialog::Accepted;
      }),
      m_choosePdfFile([](QWidget* dialogParent) {
          return QFileDialog::getSaveFileName(dialogParent, Ui::tr("Save as PDF"),
                                              QDir::home().filePath(DocumentName() + QStringLiteral(".pdf")),
                                              Ui::tr("PDF (*.pdf)"));
      }) {
    setObjectName(QStringLiteral("CPrintView"));
    PrepareReportPrinter(*m_printer);

    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("PrintPreview"));
    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_preview->setZoomMode(QPrintPreviewWidget::FitInView);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_preview);

    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* printer) {
        if (printer) PrintTo(*printer, true);
    });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &CPrintView::previewChanged);
}

CPrintView::~CPrintView() {
    // The preview goes before the printer it draws for.
    delete m_preview;
    m_preview = nullptr;
}

bool CPrintView::PrintTo(QPrinter& printer, bool preview) {
    if (!m_pOwner) return false;
    QPainter dc;
    if (!dc.begin(&printer)) return false;
    CPrintInfo info;
    info.printer = &printer;
    info.preview = preview;
    m_pOwner->OnBeginPrinting(dc, info);
    for (int page = 1; page <= info.maxPage; ++page) {
        if (page > 1) printer.newPage();
        info.currentPage = page;
        m_pOwner->OnPrintPage(dc, info);
    }
    m_pOwner->OnEndPrinting(dc, info);
    return dc.end();
}

bool CPrintView::SaveAsPdf(const QString& path) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(DocumentName());
    pdf.setCreator(QStringLiteral("kavimo"));
    pdf.setPageLayout(m_printer->pageLayout());
    UseSmallestMargins(pdf);  // a file has no unprintable edges
    return PrintTo(pdf, false);
}

int CPrintView::PrintWithDialog() {
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    if (!m_runPrintDialog || !m_runPrintDialog(printer, this)) return 0;
    UseSmallestMargins(printer);  // the chosen printer's own limits
    return PrintTo(printer, false) ? 1 : -1;
}

void CPrintView::OnNextPage() {
    if (m_preview->currentPage() < m_preview->pageCount()) m_preview->setCurrentPage(m_preview->currentPage() + 1);
    Q_EMIT previewChanged();
}

void CPrintView::OnPrevPage() {
    if (m_preview->currentPage() > 1) m_preview->setCurrentPage(m_preview->currentPage() - 1);
    Q_EMIT previewChanged();
}

void CPrintView::OnZoomIn() { m_preview->zoomIn(); }

void CPrintView::OnZoomOut() { m_preview->zoomOut(); }

void CPrintView::OnSavePdf() {
    if (!m_choosePdfFile) return;
    QString path = m_choosePdfFile(this);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    if (!SaveAsPdf(path)) {
        ShowMessageBox(this, Ui::tr("The report could not be saved as %1.").arg(QDir::toNativeSeparators(path)),
                       Ui::tr("Save as PDF"), QMessageBox::Critical);
    }
}
