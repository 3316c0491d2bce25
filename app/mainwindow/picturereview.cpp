#include "app/mainwindow/picturereview.h"

void PictureReview::Reset(QSize pictureArea) {
    m_bSplit = false;
    m_nActivePane = 0;
    ClearSlots();
    m_imgPane = QImage();
    m_imgWork = QImage();
    m_szPicture = pictureArea;
    m_nStrokePoints = 0;
    for (HistoryEntry& entry : m_history) entry = HistoryEntry();
    m_nHistLevel = 0;
}

void PictureReview::SetSlot(int slot, int index, const QString& path) {
    m_nPaneIndex[slot] = index;
    m_strPanePath[slot] = path;
}

void PictureReview::ClearSlots() {
    for (int slot = 0; slot < kSlots; ++slot) ClearSlot(slot);
}

void PictureReview::StoreEntryState(int level) {
    HistoryEntry& entry = m_history[level];
    entry.activePane = m_nActivePane;
    for (int slot = 0; slot < kSlots; ++slot) {
        entry.paneIndex[slot] = m_nPaneIndex[slot];
        entry.panePath[slot] = m_strPanePath[slot];
    }
}

void PictureReview::ResetHistory(const std::function<QImage()>& capture) {
    m_bStrokesUnsaved = false;
    m_nActivePane = 0;
    m_nHistLevel = 0;
    for (int e = 1; e < kHistorySize; ++e) m_history[e] = HistoryEntry();
    m_history[0].image = QImage();  // released before the new one is taken
    m_history[0].image = capture();
    StoreEntryState(0);
}

bool PictureReview::PushHistory(const std::function<QImage()>& capture) {
    if (m_nHistLevel == kHistorySize - 1) return false;  // full: the stroke stays on screen only
    ++m_nHistLevel;
    m_history[m_nHistLevel].image = QImage();
    m_history[m_nHistLevel].image = capture();
    StoreEntryState(m_nHistLevel);
    return true;
}

const PictureReview::HistoryEntry& PictureReview::Undo() {
    m_nHistLevel = 0;
    m_bStrokesUnsaved = false;  // every stroke since the picture was shown is gone
    const HistoryEntry& base = m_history[0];
    m_nActivePane = base.activePane;
    for (int slot = 0; slot < kSlots; ++slot) SetSlot(slot, base.paneIndex[slot], base.panePath[slot]);
    return base;
}

void PictureReview::BeginStroke(QPoint at) {
    m_ptDraw = at;
    m_nStrokePoints = 1;
}

QPoint PictureReview::ContinueStroke(QPoint to) {
    ++m_nStrokePoints;
    const QPoint from = m_ptDraw;
    m_ptDraw = to;
    return from;
}
