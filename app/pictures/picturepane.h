// One of the three picture panes of the main window. What is drawn into a pane is kept in a
// picture of the pane's size and painted from there, so a repaint never loses anything; a pane
// with nothing drawn is transparent and lets the panes below it show.
//
// Pane 1098 is also the live video window: bound to a video play object it becomes a native
// window of its own (an X11 window id), which the player draws into from its display thread.
// While bound the pane paints nothing itself; an expose asks the owner to have the player draw
// its last picture again.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdint>
#include <functional>

class CPicturePane : public QWidget {
    Q_OBJECT
public:
    explicit CPicturePane(QWidget* parent = nullptr);

    // Draws a picture stretched over the whole pane (smooth scaling).
    void DrawStretched(const QImage& picture);
    // Fills a rectangle of the pane with a colour.
    void FillRect(const QRect& area, QColor colour);
    // Forgets everything drawn: the pane becomes transparent again.
    void ClearPane();
    // The pane's picture (null while nothing is drawn).
    const QImage& Canvas() const { return m_canvas; }
    // Draws on the pane's picture with a painter (the picture is made, transparent, on first use)
    // and repaints the pane.
    void Paint(const std::function<void(QPainter&)>& paint);
    // Makes a rectangle of the pane transparent again (nothing happens while nothing is drawn).
    void ClearRect(const QRect& area);

    // Makes the pane the native window a video play object draws into and returns its id. The
    // window stays the same for the pane's whole life (it is made once, on the first call), so
    // the id stays valid until the pane is destroyed; the play object must be deleted before.
    uintptr_t BindVideo();
    // The play object is gone: the pane paints with Qt again (it stays a native window).
    void UnbindVideo();
    bool VideoBound() const { return m_videoBound; }
    bool IsNativeWindow() const { return testAttribute(Qt::WA_NativeWindow); }
    // What an expose of a bound pane runs (the owner refreshes the player's picture).
    void SetExposeHandler(std::function<void()> handler) { m_onExpose = std::move(handler); }

    QPaintEngine* paintEngine() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage& EnsureCanvas();
    QImage m_canvas;
    bool m_videoBound = false;
    std::function<void()> m_onExpose;
};
