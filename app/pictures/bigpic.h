// BigPic: shows one picture file over the whole screen. The mouse wheel, a two-finger pinch or
// the keys + and - zoom it, 0 shows it as it came; a one-finger circular drag on a touch screen,
// the key R (Shift+R back) or the two turn buttons turn it about the screen's centre; the arrow
// keys move it; Esc or "Exit" closes the viewer. A line at the bottom says so. It changes no file.
//
//     BigPic viewer(parent);          // the main window passes no parent
//     viewer.SetPicturePath(path);    // a d: path or a host path
//     viewer.exec();
//
// The viewer draws into a picture of the window's size that stands for the window's device
// context: every zoom or turn draws there at once (clearing only the margins a smaller picture
// leaves), and painting copies the touched part of it to the screen. The turned picture is
// rebuilt only when the angle changes; zoom steps only stretch it.
#pragma once

#include <QBrush>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QKeyEvent;
class QLabel;
class QPushButton;
class QFrame;
class QTouchEvent;

class BigPic : public QDialog {
    Q_OBJECT
public:
    enum Id : int { IdOK = 1, IdFrame = 1061 };  // "Exit" (the default button), the hidden frame

    explicit BigPic(QWidget* parent = nullptr);

    // Showing the dialog the first time fills the screen and loads the picture.
    void setVisible(bool visible) override;

    // Copies the path of the picture to show; call before the dialog runs.
    void SetPicturePath(const QString& path) { m_strPath = path; }
    const QString& PicturePath() const { return m_strPath; }
    // A line shown over the picture's top-left corner (the teeth it shows); empty: none.
    void SetCaption(const QString& caption);
    QString Caption() const;

    // Zooms by d (the scale stays within 0.2..10) and draws.
    void Zoom(float d);
    // Turns the picture by d radians (the angle stays within 0..6.2831853) and draws.
    void Rotate(double d);
    // Moves the picture by d window pixels and draws.
    void Pan(QPoint d);
    // Back to the picture as it came: scale 1, no turn, centred.
    void ResetView();

    // What the viewer shows now.
    float Scale() const { return m_fScale; }
    double Angle() const { return m_dAngle; }
    int RotateState() const { return m_nRotateState; }
    int ZoomDir() const { return m_nZoomDir; }
    QRect DrawRect() const { return m_rcDraw; }
    QPoint PanOffset() const { return m_ptPan; }
    bool HasPicture() const { return !m_imgSource.isNull(); }
    const QImage& ViewImage() const { return m_imgView; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void InitDialog();

    QString m_strPath;  // full path of the picture, set before the dialog runs
    void LoadPicture();
    QRect DrawPicture();
    void RebuildView();
    bool EnsureCanvas();
    void OnTouch(const QTouchEvent* event);

    QPushButton* m_btnExit = nullptr;
    QLabel* m_caption = nullptr;
    QPushButton* m_btnTurnLeft = nullptr;
    QPushButton* m_btnTurnRight = nullptr;
    QLabel* m_hint = nullptr;
    QPoint m_ptPan;             // the picture's centre from the window's centre
    bool m_bRedrawAll = false;  // the picture moved: the whole canvas is drawn anew
    QFrame* m_frame = nullptr;
    QFont m_fontExit;
    QImage m_imgSource;  // the picture as loaded, opaque RGB32
    QImage m_imgView;    // the picture turned by m_dAngle
    QBrush m_hbrBack;
    QImage m_canvas;  // the window's drawing surface
    float m_fScale = 1.0f;
    double m_dAngle = 0;
    int m_nRotateState = 1;  // 0 nothing pending; 1 rebuild m_imgView; after a rebuild 1, or -1 when it shrank
    int m_nZoomDir = 0;      // sign of the last zoom step, 0 before the first
    QPoint m_ptCentre;
    QRect m_rcDraw{0, 0, 10, 10};
    QRect m_rcPrevDraw{0, 0, 10, 10};
    QSize m_szRotated{0, 0};
    QPoint m_ptRotOrigin;
    QPoint m_ptTouch1;
    QPoint m_ptTouch2;
    int m_nTouchId1 = -1;  // contacts whose positions m_ptTouch1 and m_ptTouch2 hold (-1 none)
    int m_nTouchId2 = -1;
    int m_nWheelPending = 0;  // wheel delta short of a whole notch
    bool m_bInitialised = false;
};
