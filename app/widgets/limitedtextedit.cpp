#include "app/widgets/limitedtextedit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include <algorithm>

#include "app/widgets/textutil.h"

namespace {

// Line breaks as the box holds them: one unit each.
QString PlainLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// What a key would insert: its text when that is printable or a line break or tab.
bool InsertsText(const QKeyEvent* event) {
    if (event->text().isEmpty()) return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    for (QChar c : event->text()) {
        if (!c.isPrint() && c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char('\t') &&
            !c.isSurrogate())
            return false;
    }
    return true;
}

}  // namespace

CLimitedTextEdit::CLimitedTextEdit(int maxUnits, QWidget* parent) : QTextEdit(parent), m_maxUnits(maxUnits) {
    setAcceptRichText(false);
}

int CLimitedTextEdit::Room() const {
    const int selected = int(textCursor().selectedText().size());
    return std::max(0, m_maxUnits - int(toPlainText().size()) + selected);
}

void CLimitedTextEdit::keyPressEvent(QKeyEvent* event) {
    if (InsertsText(event) && PlainLines(event->text()).size() > Room()) {
        QApplication::beep();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void CLimitedTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = PlainLines(event->commitString());
    const int room = Room();
    if (commit.size() <= room) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(LeftUnits(commit, room), event->replacementStart(), event->replacementLength());
    QTextEdit::inputMethodEvent(&cut);
}

void CLimitedTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    const QString text = PlainLines(source->text());
    const int room = Room();
    if (text.size() > room) QApplication::beep();
    const QString fits = LeftUnits(text, room);
    QTextCursor cursor = textCursor();
    if (fits.isEmpty() && !cursor.hasSelection()) return;
    cursor.insertText(fits);
    setTextCursor(cursor);
    ensureCursorVisible();
}
