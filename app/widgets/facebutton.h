// A push button drawn with a settable face colour and font: a raised 3-D face, sunken while
// pressed or checked, grey text when disabled.
#pragma once

#include <QColor>
#include <QPushButton>

class CFaceButton : public QPushButton {
    Q_OBJECT
public:
    explicit CFaceButton(const QString& text, QWidget* parent = nullptr);

    void SetFaceColor(QColor colour);
    QColor FaceColor() const { return m_face; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_face;
};
