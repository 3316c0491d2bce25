// PictureReview: the state of the main window's picture area while pictures are reviewed and
// drawn on: which picture each pane slot shows, the undo history, the stroke under way, the pen,
// and the working picture. The window draws; this holds what it draws from.
//
// Slot 0 is the picture of single view and the left-top quadrant of split view; kEmptySlot and an
// empty path mark an empty slot. Paths are the records' logical paths.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>

class PictureReview {
public:
    static constexpr int kEmptySlot = 999;
    static constexpr int kSlots = 4;
    static constexpr int kHistorySize = 32;

    // One state of the picture area: the picture as displayed (24-bit, PictureSize()) and the
    // slots it was drawn from.
    struct HistoryEntry {
        QImage image;
        int activePane = 0;
        int paneIndex[kSlots] = {kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot};
        QString panePath[kSlots];
    };

    // Everything back to the start: single view, empty slots, no pictures, no history; the undo
    // pictures take the picture area's size until a picture is drawn.
    void Reset(QSize pictureArea);

    // --- Slots ------------------------------------------------------------------------------------
    bool Split() const { return m_bSplit; }
    void SetSplit(bool split) { m_bSplit = split; }
    int ActivePane() const { return m_nActivePane; }
    void SetActivePane(int slot) { m_nActivePane = slot; }
    int PaneIndex(int slot) const { return m_nPaneIndex[slot]; }
    const QString& PanePath(int slot) const { return m_strPanePath[slot]; }
    void SetSlot(int slot, int index, const QString& path);
    void ClearSlot(int slot) { SetSlot(slot, kEmptySlot, QString()); }
    void ClearSlots();

    // --- Undo history -----------------------------------------------------------------------------
    int HistLevel() const { return m_nHistLevel; }
    const HistoryEntry& Entry(int level) const { return m_history[level]; }
    const HistoryEntry& Current() const { return m_history[m_nHistLevel]; }
    // The area as `capture` takes it now becomes the bottom of the stack; the pictures above it can
    // never be reached again and are released first. No strokes are unsaved then.
    void ResetHistory(const std::function<QImage()>& capture);
    // A new entry on top; false (nothing taken) when the stack is full.
    bool PushHistory(const std::function<QImage()>& capture);
    // Back to the bottom entry: its slots again, every stroke since gone. Returns that entry.
    const HistoryEntry& Undo();

    // --- Strokes and the pen ----------------------------------------------------------------------
    // 0 no stroke under way, else 1 + the segments drawn.
    int StrokePoints() const { return m_nStrokePoints; }
    // The drawing position of the stroke under way (pane coordinates).
    QPoint DrawPosition() const { return m_ptDraw; }
    void BeginStroke(QPoint at);
    // One segment more, to `to`; returns where it starts.
    QPoint ContinueStroke(QPoint to);
    void EndStroke() { m_nStrokePoints = 0; }
    bool StrokesUnsaved() const { return m_bStrokesUnsaved; }
    void SetStrokesUnsaved(bool unsaved) { m_bStrokesUnsaved = unsaved; }
    // "Thick", "Medium", "Thin" and "Red", "Green", "Blue".
    int PenWidthIdx() const { return m_nPenWidthIdx; }
    int ColorIdx() const { return m_nColorIdx; }
    void SetPenWidthIdx(int index) { m_nPenWidthIdx = index; }
    void SetColorIdx(int index) { m_nColorIdx = index; }

    // --- The pictures drawn -----------------------------------------------------------------------
    // The picture last drawn into a pane.
    const QImage& PaneImage() const { return m_imgPane; }
    QImage& PaneImage() { return m_imgPane; }
    // Single view: pane 0's picture at its own size with the strokes drawn on it.
    const QImage& WorkImage() const { return m_imgWork; }
    QImage& WorkImage() { return m_imgWork; }
    // Size of the undo pictures: the picture's own (single), the area's (split).
    QSize PictureSize() const { return m_szPicture; }
    void SetPictureSize(QSize size) { m_szPicture = size; }
    // Where the last picture number was drawn.
    QPoint LabelPosition() const { return m_ptLabel; }
    void SetLabelPosition(QPoint at) { m_ptLabel = at; }
    // Pane 0's file was decoded when it was last drawn.
    bool PictureLoaded() const { return m_bPictureLoaded; }
    void SetPictureLoaded(bool loaded) { m_bPictureLoaded = loaded; }
    // The size of the picture area the panes were drawn for.
    QSize DrawnArea() const { return m_szDrawnArea; }
    void SetDrawnArea(QSize size) { m_szDrawnArea = size; }

private:
    void StoreEntryState(int level);

    bool m_bSplit = false;
    int m_nActivePane = 0;
    int m_nPaneIndex[kSlots] = {kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot};
    QString m_strPanePath[kSlots];

    HistoryEntry m_history[kHistorySize];
    int m_nHistLevel = 0;

    int m_nStrokePoints = 0;
    QPoint m_ptDraw;
    bool m_bStrokesUnsaved = false;
    int m_nPenWidthIdx = 1;
    int m_nColorIdx = 0;

    QImage m_imgPane;
    QImage m_imgWork;
    QSize m_szPicture;
    QPoint m_ptLabel;
    bool m_bPictureLoaded = false;
    QSize m_szDrawnArea;
};
