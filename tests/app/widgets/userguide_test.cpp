// The user guide: found from a build tree, every picture and section it links to is there, and
// its window shows it with its pictures.
#include <QtTest>

#include <QRegularExpression>
#include <QTextBrowser>

#include "app/widgets/userguide.h"

class UserGuideTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void guideIsFoundAndShowsAllItsPictures();
};

void UserGuideTest::guideIsFoundAndShowsAllItsPictures() {
    const QString path = UserGuidePath();
    QVERIFY2(!path.isEmpty(), qPrintable(UserGuideCandidates().join(' ')));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression picture(QStringLiteral("!\\[[^\\]]*\\]\\(([^)]+)\\)"));
    int pictures = 0;
    for (auto it = picture.globalMatch(text); it.hasNext(); ++pictures) {
        const QString name = it.next().captured(1);
        QVERIFY2(QFileInfo(QFileInfo(path).dir().filePath(name)).isFile(), qPrintable(name));
    }
    QVERIFY(pictures >= 3);
    // Every section the contents list links to is there.
    static const QRegularExpression link(QStringLiteral("\\]\\(#([a-z0-9-]+)\\)"));
    for (auto it = link.globalMatch(text); it.hasNext();) {
        const QString anchor = it.next().captured(1);
        bool found = false;
        for (const QString& line : text.split('\n')) {
            if (!line.startsWith(QStringLiteral("## "))) continue;
            QString slug = line.mid(3).toLower();
            slug.remove(QRegularExpression(QStringLiteral("[^a-z0-9 -]")));
            slug.replace(' ', '-');
            found = found || slug == anchor;
        }
        QVERIFY2(found, qPrintable(anchor));
    }

    // The window shows the guide with its pictures loaded.
    QWidget* window = ShowUserGuide(nullptr);
    QVERIFY(window);
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("UserGuideText"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("The daily workflow")));
    const QVariant shot = browser->document()->resource(QTextDocument::ImageResource,
                                                        QUrl(QStringLiteral("user-guide/main-window-live.png")));
    QVERIFY(!shot.isNull());
    QCOMPARE(ShowUserGuide(nullptr), window);  // one window at a time
    window->close();
}

QTEST_MAIN(UserGuideTest)
#include "userguide_test.moc"
