// Picture review and annotation in the main window: the patient's pictures in one pane or four
// quadrants, stepping through them, free-hand strokes with the undo stack, and the viewer.
//
// The picture area is three overlapping panes, each keeping what was drawn into it:
//   1097 (m_pane3) the pictures and the strokes,
//   1096 (m_pane2) picture numbers, quadrant frames and the grey of empty slots, over 1097,
//   1098 (m_pane1) the live video or the picture camera's previews, on top.
// What is drawn last shows, as on one screen: drawing into 1097 clears the same pixels of 1096
// (a stroke crosses a number or a grey slot), and a picture drawn for review clears a preview
// left in 1098 unless pictures are still coming in.
//
// Undo pictures are taken from the pictures and strokes as displayed (not the numbers over them),
// at the picture's own size in single view. There the strokes are also drawn, scaled, onto the
// review's working picture, the picture at its own resolution, so that "Save" writes the picture
// itself and not a copy stretched back from the screen.
#include <QListWidgetItem>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "app/mainwindow/kavimodlg.h"
#include "app/pictures/bigpic.h"
#include "app/pictures/listimagectrl.h"
#include "app/pictures/pictureio.h"
#include "app/pictures/picturepane.h"
#include "app/widgets/translation.h"
#include "app/widgets/uicolors.h"

using namespace MainCtl;

namespace {

constexpr int kEmptySlot = PictureReview::kEmptySlot;
constexpr int kPenWidths[3] = {8, 4, 1};  // "Thick", "Medium", "Thin"
const QColor kPenColours[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
const QColor kNumberColour(255, 0, 0);
const QColor kActiveFrameColour(255, 0, 0);

// Cursor resource 106: the pen tip is the hot spot.
const QCursor& DrawingCursor() {
    static const QCursor cursor(QPixmap(QStringLiteral(":/cursor/106.png")), 1, 30);
    return cursor;
}

// A rectangle's outline as a 1-pixel pen draws a window rectangle (right and bottom exclusive).
QRect Outline(const QRect& r) { return r.adjusted(0, 0, -1, -1); }

bool StrictlyInside(QPoint p, const QRect& r) {
    return p.x() > r.left() && p.x() < RightEdge(r) && p.y() > r.top() && p.y() < BottomEdge(r);
}

}  // namespace

// --- State ----------------------------------------------------------------------------------------

void CkavimoDlg::InitPictureState() {
    m_review.Reset(m_rcPictureArea.size());
    m_nCursorKind = 0;

    // The panes only show pictures: the window itself takes the mouse over the picture area, and
    // its cursor shows there only (every other control keeps the arrow).
    for (CPicturePane* pane : {m_pane1, m_pane2, m_pane3}) pane->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != m_pane1 && child != m_pane2 && child != m_pane3) child->setCursor(Qt::ArrowCursor);
    }
    setMouseTracking(true);
    // "Prev" and "Next" scroll the list by pixels.
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

int CkavimoDlg::HitQuadrant(QPoint client) const {
    if (!StrictlyInside(client, m_rcPictureArea)) return 0;
    const QPoint p = client - m_rcPictureArea.topLeft();
    for (int q = 0; q < 4; ++q) {
        if (StrictlyInside(p, m_rcQuad[q])) return q + 1;
    }
    return 0;  // on a middle line
}

// --- Showing pictures -----------------------------------------------------------------------------

void CkavimoDlg::ShowPictures(int k) {
    m_store.GetCurrentUser(&m_curPatient);
    m_review.ClearSlots();
    // While the live view runs its picture keeps slot 0.
    const int first = m_live.State() != LiveState::Idle ? 1 : 0;
    for (int slot = first; slot < PictureReview::kSlots; ++slot) {
        const int index = k - (slot - first);
        _DISE_PIC picture = {};
        if (index < 0 || m_store.GetPicture(index, &picture) != 1) continue;
        m_review.SetSlot(slot, index, PicturePathText(picture));
        m_review.SetActivePane(slot);
    }
    if (m_review.Split()) {
        for (int q = 1; q <= 4; ++q) DrawPane(q);
    } else {
        DrawPane(0);
    }
    ResetHistory();

    // The list follows: picture k selected and in view.
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (QListWidgetItem* previous = selected.isEmpty() ? m_list->item(0) : selected.first())
        previous->setSelected(false);
    if (QListWidgetItem* item = m_list->ItemOfFile(k)) {
        m_list->scrollToItem(item);
        // The highlight the arrow keys move on from.
        m_list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
        item->setSelected(true);
    }
    m_list->setFocus();
}

bool CkavimoDlg::PicturesComingIn() const {
    return m_live.State() != LiveState::Idle || (m_nCameraType == CAMERA_PICTURE && m_bJpegDisplay);
}

void CkavimoDlg::FollowListHighlight(int index) {
    // While pictures come in, the live view keeps the big pane.
    if (PicturesComingIn()) return;
    if (index == m_nCurIndex && m_review.PaneIndex(0) == index) return;
    if (!ConfirmUnsavedStrokes()) {
        ShowPictures(m_nCurIndex);  // the highlight goes back to the picture with the strokes
        return;
    }
    m_nCurIndex = index;
    ShowPictures(m_nCurIndex);
}

void CkavimoDlg::ShowNewestPictures() {
    _USER_INFO user = {};
    m_nCurIndex = m_store.GetCurrentUser(&user) >= 0 && user.picCount > 0 ? user.picCount - 1 : 0;
    ShowPictures(m_nCurIndex);  // with no pictures every pane is drawn empty
}

void CkavimoDlg::ShowNextPicture() {
    if (m_live.State() != LiveState::Idle) {
        OnSample();
        return;
    }
    if (!ConfirmUnsavedStrokes()) return;  // stay with the strokes
    if (m_nCurIndex < m_list->count() - 1) ++m_nCurIndex;
    ShowPictures(m_nCurIndex);
}

void CkavimoDlg::ShowPrevPicture() {
    if (m_live.State() != LiveState::Idle) {
        OnSample();
        return;
    }
    if (!ConfirmUnsavedStrokes()) return;
    if (m_nCurIndex > 0) --m_nCurIndex;
    ShowPictures(m_nCurIndex);
}

// Slot 0 in single view (q = 0) or quadrant q = 1..4 in split view. 1 when a picture was drawn;
// 2 for an empty slot, and for a picture that cannot be loaded in split view; 0 for one that
// cannot be loaded in single view.
int CkavimoDlg::DrawPane(int q) {
    const bool split = q != 0;
    const int slot = split ? q - 1 : 0;
    const QRect target = split ? m_rcQuad[slot] : m_pane3->rect();
    m_review.SetDrawnArea(m_rcPictureArea.size());
    QImage& picture = m_review.PaneImage();
    QImage& work = m_review.WorkImage();
    picture = QImage();
    if (!split) work = QImage();
    if (slot == 0) m_review.SetPictureLoaded(false);
    if (m_review.PanePath(slot).isEmpty()) {
        DrawEmptyPane(target);
        return 2;
    }
    const QString host = HostPathOf(m_review.PanePath(slot));
    QString unreadable;  // the pane shows nothing either way; the file stays as it is
    if (!m_decodeAhead.Take(host, &picture) && (picture = ReadPictureFile(host, &unreadable)).isNull()) {
        DrawEmptyPane(target);
        return split ? 2 : 0;
    }
    if (slot == 0) m_review.SetPictureLoaded(true);
    UncoverPictureArea(target);
    m_pane3->Paint([&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, picture);
    });
    m_review.SetPictureSize(split ? m_rcPictureArea.size() : picture.size());

    const QSize area = m_rcPictureArea.size();
    m_review.SetLabelPosition(split
                                  ? QPoint(target.left() + area.width() / 2 - 32, target.top() + area.height() / 2 - 32)
                                  : QPoint(m_pane3->width() - 32, m_pane3->height() - 32));
    DrawPictureNumber(slot);
    // The picture as it is, without its number: the number is its place in the list, which
    // changes, and never becomes part of the picture.
    if (!split && m_pane3->width() > 0 && m_pane3->height() > 0) work = picture.convertToFormat(QImage::Format_RGB32);
    return 1;
}

// The picture number (store index + 1) in pane 1096, over the picture, at the label position.
void CkavimoDlg::DrawPictureNumber(int slot) {
    const QPoint at = m_review.LabelPosition();
    const QString number = QString::number(m_review.PaneIndex(slot) + 1);
    m_pane2->Paint([&](QPainter& p) {
        p.setFont(m_fontLarge);
        p.setPen(kNumberColour);
        p.drawText(QRect(at, QSize(400, 100)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, number);
    });
}

void CkavimoDlg::DrawEmptyPane(const QRect& target) {
    UncoverPictureArea(QRect());  // only a preview left over pane 1096 gives way
    m_pane3->ClearRect(target);   // no picture drawn earlier stays under the grey
    m_pane2->Paint([&](QPainter& p) { p.fillRect(target, kEmptyPaneColour); });
}

// Makes what is drawn next into pane 1097 at `target` show: pane 1096 is cleared there, and a
// preview picture left in pane 1098 goes unless the live view keeps drawing there.
void CkavimoDlg::UncoverPictureArea(const QRect& target) {
    if (!target.isNull()) m_pane2->ClearRect(target);
    const bool live = m_pane1->VideoBound() || (m_nCameraType == CAMERA_PICTURE && m_bJpegDisplay);
    if (!live && !m_pane1->Canvas().isNull()) {
        m_pane1->ClearPane();
        UpdateLivePane();
    }
}

// --- Strokes ----------------------------------------------------------------------------------------

void CkavimoDlg::ReadToolButtons() {
    for (int i = 0; i < 3; ++i) {
        if (Button(IdThick + i)->isChecked()) m_review.SetPenWidthIdx(i);
        if (Button(IdRed + i)->isChecked()) m_review.SetColorIdx(i);
    }
}

void CkavimoDlg::WriteToolButtons() {
    const int penWidth = m_review.PenWidthIdx(), penColour = m_review.ColorIdx();
    if (penWidth >= 0 && penWidth < 3) Button(IdThick + penWidth)->setChecked(true);
    if (penColour >= 0 && penColour < 3) Button(IdRed + penColour)->setChecked(true);
}

void CkavimoDlg::DrawStrokeSegment(QPoint from, QPoint to) {
    if (from == to) return;
    auto line = [&](QPainter& p) {
        p.setPen(m_penStroke);
        p.drawLine(from, to);
    };
    m_pane3->Paint(line);
    if (!m_pane2->Canvas().isNull()) {
        m_pane2->Paint([&](QPainter& p) {
            p.setCompositionMode(QPainter::CompositionMode_Clear);
            line(p);
        });
    }
    QImage& work = m_review.WorkImage();
    if (!m_review.Split() && !work.isNull() && m_pane3->width() > 0 && m_pane3->height() > 0) {
        QPainter p(&work);
        p.scale(double(work.width()) / m_pane3->width(), double(work.height()) / m_pane3->height());
        line(p);
    }
}

void CkavimoDlg::SetDrawingCursor(int kind) {
    if (m_nCursorKind == kind) return;
    m_nCursorKind = kind;
    if (kind == 2)
        setCursor(DrawingCursor());
    else
        setCursor(Qt::ArrowCursor);
}

void CkavimoDlg::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    const int h = HitQuadrant(point);
    if (h == 0) return;
    if (m_review.Split()) {
        m_pane2->Paint([&](QPainter& p) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::black, 1));
            for (const QRect& quad : m_rcQuad) p.drawRect(Outline(quad));
            p.setPen(QPen(kActiveFrameColour, 1));
            p.drawRect(Outline(m_rcQuad[h - 1]));
        });
        m_review.SetActivePane(h - 1);
    }
    ReadToolButtons();
    m_penStroke = QPen(kPenColours[m_review.ColorIdx()], kPenWidths[m_review.PenWidthIdx()], Qt::SolidLine,
                       Qt::RoundCap, Qt::RoundJoin);
    m_review.BeginStroke(point - m_rcPictureArea.topLeft());
}

void CkavimoDlg::mouseMoveEvent(QMouseEvent* event) {
    QDialog::mouseMoveEvent(event);
    const QPoint point = event->position().toPoint();
    const int h = HitQuadrant(point);
    SetDrawingCursor(h != 0 ? 2 : 1);
    // In split view the pen stays in its quadrant: outside it nothing is drawn, and coming back
    // the line joins the last point drawn inside.
    const bool draw = m_review.StrokePoints() > 0 && (m_review.Split() ? h == m_review.ActivePane() + 1 : h != 0);
    if (!draw) return;
    const QPoint to = point - m_rcPictureArea.topLeft();
    const QPoint from = m_review.ContinueStroke(to);
    DrawStrokeSegment(from, to);
}

void CkavimoDlg::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || m_review.StrokePoints() == 0) return;
    if (m_review.StrokePoints() > 1) {  // a click without movement is no stroke
        PushHistory();
        m_review.SetStrokesUnsaved(true);
    }
    m_review.EndStroke();
}

void CkavimoDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    // Not a button press: a double click starts no stroke.
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const int h = HitQuadrant(event->position().toPoint());
    if (h != 0) OpenViewer(h);
}

void CkavimoDlg::OpenViewer(int q) {
    BigPic viewer;
    viewer.SetPicturePath(m_review.PanePath(m_review.Split() ? q - 1 : 0));
    viewer.SetCaption(TeethCaptionOf(viewer.PicturePath()));
    if (m_runViewer)
        m_runViewer(viewer);
    else
        viewer.exec();
}

// --- Undo stack -------------------------------------------------------------------------------------

QImage CkavimoDlg::CaptureView() const {
    if (!m_review.Split() && !m_review.WorkImage().isNull())
        return m_review.WorkImage().convertToFormat(QImage::Format_RGB888);
    const QSize area = m_rcPictureArea.size();
    const QSize size = m_review.PictureSize().isEmpty() ? area : m_review.PictureSize();
    if (area.isEmpty()) return QImage();
    QImage shown(area, QImage::Format_RGB32);
    if (shown.isNull()) return QImage();
    shown.fill(kBackgroundColour);
    QPainter p(&shown);
    // The pictures and the strokes, not what pane 1096 lays over them (numbers, frames): a
    // quadrant without a picture is grey, as shown.
    if (m_review.Split()) {
        for (const QRect& quad : m_rcQuad) p.fillRect(quad, kEmptyPaneColour);
    }
    if (!m_pane3->Canvas().isNull()) p.drawImage(0, 0, m_pane3->Canvas());
    p.end();
    if (size != area) shown = shown.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return shown.convertToFormat(QImage::Format_RGB888);
}

// After a new picture or view: the area as it is now becomes the bottom of the stack.
void CkavimoDlg::ResetHistory() {
    m_review.ResetHistory([this] { return CaptureView(); });
}

void CkavimoDlg::PushHistory() {
    m_review.PushHistory([this] { return CaptureView(); });
}

void CkavimoDlg::OnUndo() {
    const PictureReview::HistoryEntry& base = m_review.Undo();
    if (!base.image.isNull()) {
        UncoverPictureArea(m_pane3->rect());
        m_pane3->Paint([&](QPainter& p) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(m_pane3->rect(), base.image);
        });
        if (!m_review.Split() && !m_review.WorkImage().isNull())
            m_review.WorkImage() = base.image.convertToFormat(QImage::Format_RGB32);
        RedrawOverlay();
    }
}

// The area was drawn anew from an undo picture, which holds the pictures and strokes only: what
// pane 1096 lays over them comes back, the picture numbers and the grey of a single view without
// a picture (in split view the undo picture holds the grey of empty quadrants).
void CkavimoDlg::RedrawOverlay() {
    if (!m_review.Split()) {
        if (m_review.PanePath(0).isEmpty() || !m_review.PictureLoaded()) {
            m_pane2->Paint([&](QPainter& p) { p.fillRect(m_pane3->rect(), kEmptyPaneColour); });
            return;
        }
        m_review.SetLabelPosition(QPoint(m_pane3->width() - 32, m_pane3->height() - 32));
        DrawPictureNumber(0);
        return;
    }
    const QSize area = m_rcPictureArea.size();
    for (int slot = 0; slot < PictureReview::kSlots; ++slot) {
        if (m_review.PanePath(slot).isEmpty()) continue;
        const QRect& quad = m_rcQuad[slot];
        m_review.SetLabelPosition(QPoint(quad.left() + area.width() / 2 - 32, quad.top() + area.height() / 2 - 32));
        DrawPictureNumber(slot);
    }
}

// --- View and navigation ----------------------------------------------------------------------------

void CkavimoDlg::OnSplit() {
    if (!ConfirmUnsavedStrokes()) return;  // the other view would drop them
    if (m_review.Split()) {
        m_review.SetSplit(false);
        m_review.SetActivePane(0);
        Button(IdSplit)->setText(Ui::tr("Split"));
        DrawPane(0);
    } else {
        m_review.SetSplit(true);
        m_review.SetActivePane(0);
        Button(IdSplit)->setText(Ui::tr("Single"));
        for (int q = 1; q <= 4; ++q) DrawPane(q);
    }
    ResetHistory();
    MoveLivePaneForView();
}

// Pane 1098 covers the whole picture area in single view and the left-top quadrant in split view.
void CkavimoDlg::MoveLivePaneForView() {
    const QRect area = m_rcPictureArea;
    m_pane1->setGeometry(m_review.Split() ? QRect(area.topLeft(), QSize(area.width() / 2, area.height() / 2)) : area);
    m_rcPaneClient = m_pane1->rect();
}

// The panes took the new size of the picture area: the picture as it stands (the current undo
// entry) is drawn again over the whole area, so that nothing drawn so far is lost or misplaced.
void CkavimoDlg::OnPictureAreaResized() {
    MoveLivePaneForView();
    const PictureReview::HistoryEntry& current = m_review.Current();
    if (current.image.isNull() || m_review.DrawnArea() == m_rcPictureArea.size()) return;
    m_review.SetDrawnArea(m_rcPictureArea.size());
    if (m_review.Split()) m_review.SetPictureSize(m_rcPictureArea.size());
    UncoverPictureArea(m_pane3->rect());
    m_pane3->Paint([&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(m_pane3->rect(), current.image);
    });
    if (!m_review.Split() && !m_review.WorkImage().isNull())
        m_review.WorkImage() = current.image.convertToFormat(QImage::Format_RGB32);
    RedrawOverlay();
}

void CkavimoDlg::ScrollThumbnails(int dy) {
    QScrollBar* bar = m_list->verticalScrollBar();
    bar->setValue(bar->value() + dy);
}

void CkavimoDlg::OnPrev() {
    ScrollThumbnails(-(m_nThumbSize + 40));
    WriteToolButtons();
}

void CkavimoDlg::OnNext() {
    ScrollThumbnails(m_nThumbSize + 40);
    WriteToolButtons();
}

void CkavimoDlg::OnListClick(QListWidgetItem* item) {
    if (m_picks.PickMode() && item) PickThumbnail(m_list->FileIndexOf(item));
}

void CkavimoDlg::OnListDoubleClick(QListWidgetItem* item) {
    int index = m_list->FileIndexOf(item);
    _DISE_PIC picture = {};
    if (index < 0 || m_store.GetPicture(index, &picture) != 1) return;
    // Strokes on the picture about to be replaced are asked about first; saving them reloads the
    // list and may move the picture in the store, so it is looked up again by its path.
    if (HasUnsavedStrokes()) {
        const QString path = PicturePathText(picture);
        if (!ConfirmUnsavedStrokes()) return;
        index = StoreIndexOfPath(path, index);
        if (index < 0 || m_store.GetPicture(index, &picture) != 1) return;
    }
    if (!m_review.Split() && !PicturesComingIn()) {
        // The picture becomes the current one, as if paged to: the slots behind it follow, so
        // that "Split" then shows it with the pictures before it.
        m_nCurIndex = index;
        ShowPictures(index);
        return;
    }
    const int slot = m_review.Split() ? m_review.ActivePane() : 0;
    m_review.SetSlot(slot, index, PicturePathText(picture));
    if (m_review.Split()) {
        DrawPane(slot + 1);
        PushHistory();
    } else {
        DrawPane(0);
        ResetHistory();
    }
}
