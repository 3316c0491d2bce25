// CCompareDlg: two pictures side by side, each with the date it was taken and its teeth, for
// following a tooth over time. Zoom (the wheel, or + and -) and pan (dragging) act on both
// pictures alike: the same part of the two is always in view. Double-click or 0 fits both again.
//
// Objects for tests: "CompareLeft" and "CompareRight" (the panes), "CompareLeftCaption" and
// "CompareRightCaption". User-interface thread only.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

class QLabel;

// One picture of the comparison. The view is a zoom factor over "fit" and the point of the
// picture (as fractions of its width and height) at the pane's centre.
class CComparePane : public QWidget {
    Q_OBJECT
public:
    explicit CComparePane(const QImage& picture, QWidget* parent = nullptr);

    double Zoom() const { return m_zoom; }
    QPointF Centre() const { return m_centre; }
    void SetView(double zoom, QPointF centre);

Q_SIGNALS:
    // The user zoomed or panned this pane.
    void ViewChanged(double zoom, QPointF centre);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double FitScale() const;
    void Change(double zoom, QPointF centre);

    QImage m_picture;
    double m_zoom = 1.0;
    QPointF m_centre{0.5, 0.5};
    QPointF m_dragFrom;
};

class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    struct Side {
        QImage picture;
        QString caption;  // its date and teeth
    };
    CCompareDlg(const Side& left, const Side& right, QWidget* parent = nullptr);

    CComparePane* Left() const { return m_left; }
    CComparePane* Right() const { return m_right; }

private:
    CComparePane* m_left = nullptr;
    CComparePane* m_right = nullptr;
};
