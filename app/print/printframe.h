// CPrintFrame: the window of the report's print preview, "Print-diagnose".
//
// The main window creates one for each press of "Print" with itself as owner; the frame's view
// hands every printing step to that owner, which draws the report. The frame shows the preview
// maximised with the preview toolbar above it: "Print(&P)...", "Save as PDF", "Next(&N)",
// "Prev(&V)", "ZoomIn(&I)", "ZoomOut(&O)" and "Close(&C)". While it is open the window that
// created it takes no input, so the patient and the picked pictures cannot change under the
// preview. Closing the frame destroys it with its view.
//
// Runs on the user-interface thread.
#pragma once

#include <QMainWindow>

class CPrintOwner;
class CPrintView;
class QPushButton;

class CPrintFrame : public QMainWindow {
    Q_OBJECT
public:
    // Command ids of the frame and its preview toolbar; each button's objectName is its id's name.
    enum Id : int {
        IdFilePrint = 57607,  // the frame's print command (Ctrl+P)
        IdPreviewClose = 58112,
        IdPreviewNext = 58114,
        IdPreviewPrev = 58115,
        IdPreviewPrint = 58116,
        IdPreviewZoomIn = 58117,
        IdPreviewZoomOut = 58118,
        IdPreviewSavePdf = 58119,  // "Save as PDF"
    };

    // `owner` draws the report and must outlive the frame; `parent` is the window the preview
    // belongs to (the frame is a top-level window of its own above it).
    explicit CPrintFrame(CPrintOwner* owner, QWidget* parent = nullptr);
    ~CPrintFrame() override;

    CPrintOwner* Owner() const { return m_pOwner; }
    CPrintView* View() const { return m_pView; }
    QWidget* ToolBar() const { return m_toolBar; }
    QPushButton* Button(int id) const;

    // Draws the preview and shows the frame maximised.
    void StartPreview();

public Q_SLOTS:
    // The print command: the print dialog, then printing. Printed or cancelled, the preview ends
    // and the frame closes; a printer that cannot be drawn on is reported and the preview stays.
    void OnFilePrint();

private:
    void CreateToolBar();
    void UpdateButtons();

    CPrintOwner* m_pOwner;
    CPrintView* m_pView = nullptr;
    QWidget* m_toolBar = nullptr;
};
