// The message boxes every part of the application shows: the text is shown as written, never
// read as markup, whoever wrote it.
#include <QtTest>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "app/widgets/messagebox.h"

class MessageBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsMarkupAsPlainText();
};

void MessageBoxTest::showsMarkupAsPlainText() {
    // What a lock file's host name might hold.
    const QString text =
        QStringLiteral("kavimo.lock is held by <h1 style=color:red>x</h1><img src=/usr/share/pixmaps/debian-logo.png>");
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            format = label->textFormat();
            shown = label->text();
        }
        box->button(QMessageBox::Ok)->click();
    });
    const QMessageBox::StandardButton pressed =
        ShowMessageBox(nullptr, text, QStringLiteral("Oral image acquisition system"), QMessageBox::Critical);
    QCOMPARE(pressed, QMessageBox::Ok);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shown, text);
}

QTEST_MAIN(MessageBoxTest)
#include "messagebox_test.moc"
