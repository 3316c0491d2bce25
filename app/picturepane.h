// One of the three picture panes of the main window. What is drawn into a pane is kept in a
// picture of the pane's size and painted from there, so a repaint never loses anything; a pane
// with nothing drawn is transparent and lets the panes below it show.
#pragma once

#include <QImage>
#include <QWidget>

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage& EnsureCanvas();
    QImage m_canvas;
};
