// A push button drawn with a settable face colour and font: a raised 3-D face, sunken while
// pressed or checked, grey text when disabled. A text too long for the face is set smaller
// rather than cut.
#pragma once

#include <QColor>
#include <QPushButton>

class CFaceButton : public QPushButton {
    Q_OBJECT
public:
    explicit CFaceButton(const QString& text, QWidget* parent = nullptr);

    void SetFaceColor(QColor colour);
    QColor FaceColor() const { return m_face; }

    // Where the text goes (the face inside the 3-D edge, not pressed) and the font it is drawn
    // with there.
    QRect TextRect() const;
    QFont TextFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_face;
};
