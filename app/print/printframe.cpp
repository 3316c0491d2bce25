#include "app/print/printframe.h"

#include <QKeySequence>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

#include "app/print/printview.h"
#include "app/widgets/dialogunits.h"
#include "app/widgets/messagebox.h"
#include "app/widgets/translation.h"

namespace {

// The preview toolbar, a dialog bar of 342 x 36 dialog units; its buttons in the order shown.
constexpr int kToolBarWidthDlu = 342;
constexpr int kToolBarHeightDlu = 36;
constexpr int kButtonWidthDlu = 50;
constexpr int kButtonHeightDlu = 20;
constexpr int kButtonGapDlu = 3;

struct ToolButtonSpec {
    int id;
    const char* name;
    const char* text;
};

const ToolButtonSpec kToolButtons[] = {
    {CPrintFrame::IdPreviewPrint, "IdPreviewPrint", "Print(&P)..."},
    {CPrintFrame::IdPreviewSavePdf, "IdPreviewSavePdf", "Save as PDF"},
    {CPrintFrame::IdPreviewNext, "IdPreviewNext", "Next(&N)"},
    {CPrintFrame::IdPreviewPrev, "IdPreviewPrev", "Prev(&V)"},
    {CPrintFrame::IdPreviewZoomIn, "IdPreviewZoomIn", "ZoomIn(&I)"},
    {CPrintFrame::IdPreviewZoomOut, "IdPreviewZoomOut", "ZoomOut(&O)"},
    {CPrintFrame::IdPreviewClose, "IdPreviewClose", "Close(&C)"},
};

}  // namespace

CPrintFrame::CPrintFrame(CPrintOwner* owner, QWidget* parent) : QMainWindow(parent, Qt::Window), m_pOwner(owner) {
    setObjectName(QStringLiteral("CPrintFrame"));
    setWindowTitle(Ui::tr("Print-diagnose"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent) setWindowModality(Qt::WindowModal);

    m_pView = new CPrintView(owner, this);
    setCentralWidget(m_pView);
    CreateToolBar();

    auto* print = new QShortcut(QKeySequence::Print, this);
    print->setObjectName(QStringLiteral("IdFilePrint"));
    connect(print, &QShortcut::activated, this, &CPrintFrame::OnFilePrint);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(m_pView, &CPrintView::previewChanged, this, &CPrintFrame::UpdateButtons);
}

CPrintFrame::~CPrintFrame() = default;

void CPrintFrame::CreateToolBar() {
    m_toolBar = new QWidget(this);
    m_toolBar->setObjectName(QStringLiteral("PreviewToolBar"));
    m_toolBar->setMinimumWidth(DluX(kToolBarWidthDlu));
    m_toolBar->setFixedHeight(DluY(kToolBarHeightDlu));
    const QRect cell =
        DialogUnitRect(kButtonGapDlu, (kToolBarHeightDlu - kButtonHeightDlu) / 2, kButtonWidthDlu, kButtonHeightDlu);
    int left = cell.left();
    for (const ToolButtonSpec& spec : kToolButtons) {
        auto* button = new QPushButton(QString::fromLatin1(spec.text), m_toolBar);
        button->setObjectName(QString::fromLatin1(spec.name));
        button->setProperty("controlId", spec.id);
        button->setAutoDefault(false);
        // A caption longer than the cell (a larger system font) widens its button.
        const int width = std::max(cell.width(), button->sizeHint().width());
        button->setGeometry(left, cell.top(), width, cell.height());
        left += width + DluX(kButtonGapDlu);
    }
    setMenuWidget(m_toolBar);

    connect(Button(IdPreviewPrint), &QPushButton::clicked, this, &CPrintFrame::OnFilePrint);
    connect(Button(IdPreviewSavePdf), &QPushButton::clicked, m_pView, &CPrintView::OnSavePdf);
    connect(Button(IdPreviewNext), &QPushButton::clicked, m_pView, &CPrintView::OnNextPage);
    connect(Button(IdPreviewPrev), &QPushButton::clicked, m_pView, &CPrintView::OnPrevPage);
    connect(Button(IdPreviewZoomIn), &QPushButton::clicked, m_pView, &CPrintView::OnZoomIn);
    connect(Button(IdPreviewZoomOut), &QPushButton::clicked, m_pView, &CPrintView::OnZoomOut);
    connect(Button(IdPreviewClose), &QPushButton::clicked, this, &QWidget::close);
}

QPushButton* CPrintFrame::Button(int id) const {
    for (QPushButton* button : m_toolBar->findChildren<QPushButton*>()) {
        if (button->property("controlId").toInt() == id) return button;
    }
    return nullptr;
}

void CPrintFrame::StartPreview() {
    m_pView->Preview()->updatePreview();
    UpdateButtons();
    showMaximized();
}

void CPrintFrame::UpdateButtons() {
    const QPrintPreviewWidget* preview = m_pView->Preview();
    Button(IdPreviewNext)->setEnabled(preview->currentPage() < preview->pageCount());
    Button(IdPreviewPrev)->setEnabled(preview->currentPage() > 1);
}

void CPrintFrame::OnFilePrint() {
    if (m_pView->PrintWithDialog() < 0) {
        ShowMessageBox(this, Ui::tr("The report could not be printed."), windowTitle(), QMessageBox::Critical);
        return;
    }
    close();
}
