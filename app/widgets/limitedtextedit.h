// CLimitedTextEdit: a plain-text box that holds at most a fixed number of UTF-16 code units, the
// size of the record field it is stored in. Typing beyond the limit is not taken; pasted or
// dropped text and input-method text are cut to the room that is left. The text set by the
// program is not cut. User-interface thread.
#pragma once

#include <QTextEdit>

class CLimitedTextEdit : public QTextEdit {
    Q_OBJECT
public:
    CLimitedTextEdit(int maxUnits, QWidget* parent = nullptr);
    int MaxUnits() const { return m_maxUnits; }
    // Code units the box can still take, replacing the selection.
    int Room() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int m_maxUnits;
};
