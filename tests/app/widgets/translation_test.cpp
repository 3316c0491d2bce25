// The language the application speaks: which translation the desktop's variables or the
// settings choose, and translations that keep what the code fills into their texts.
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/widgets/translation.h"
#include "dicom/picturelimit.h"

namespace {

const char* const kLocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

struct Case {
    const char* language;  // LANGUAGE
    const char* all;       // LC_ALL
    const char* messages;  // LC_MESSAGES
    const char* lang;      // LANG
    const char* setting;   // [ui] language
    const char* chosen;
    const char* title;  // the report's title then
};

void SetVariable(const char* name, const char* value) {
    if (value)
        qputenv(name, value);
    else
        qunsetenv(name);
}

QSet<QString> Placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) found.insert(m.captured());
    return found;
}

// The texts of a <translation>: itself, or each of its plural forms.
QStringList TranslationForms(QXmlStreamReader& xml) {
    QStringList forms;
    QString text;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters) text += xml.text();
        if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("numerusform"))
            forms.append(xml.readElementText());
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("translation")) break;
    }
    return forms.isEmpty() ? QStringList{text} : forms;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void languageFollowsTheDesktopOrTheSetting();
    void translationsKeepTheFilledInParts();
};

void TranslationTest::languageFollowsTheDesktopOrTheSetting() {
    QMap<QByteArray, QByteArray> saved;
    for (const char* name : kLocaleVariables) saved[name] = qgetenv(name);

    const Case cases[] = {
        // The C locale shows the program's own texts; LANGUAGE counts only beside a real locale.
        {"zh_CN", nullptr, nullptr, "C.UTF-8", "", "", "Resualt"},
        {nullptr, nullptr, nullptr, nullptr, "", "", "Resualt"},
        {nullptr, "C", nullptr, "zh_CN.UTF-8", "", "", "Resualt"},
        {nullptr, nullptr, nullptr, "zh_CN.UTF-8", "", "zh_CN", "结果"},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", "", "en", "Result"},
        // LC_MESSAGES before LANG; a country not shipped takes the language's shipped one.
        {nullptr, nullptr, "zh_SG.UTF-8", "en_US.UTF-8", "", "zh_CN", "结果"},
        // LANGUAGE's list in order, past a language not shipped.
        {"xx:zh_CN", nullptr, nullptr, "en_US.UTF-8", "", "zh_CN", "结果"},
        // Nothing shipped for the desktop: English, not the program's mixed words.
        {nullptr, nullptr, nullptr, "xx_YY.UTF-8", "", "en", "Result"},
        // The settings' choice wins over the desktop.
        {nullptr, nullptr, nullptr, "zh_CN.UTF-8", "en", "en", "Result"},
        {nullptr, nullptr, nullptr, "C", "zh-CN", "zh_CN", "结果"},
    };
    for (const Case& c : cases) {
        SetVariable("LANGUAGE", c.language);
        SetVariable("LC_ALL", c.all);
        SetVariable("LC_MESSAGES", c.messages);
        SetVariable("LANG", c.lang);
        const QString what = QStringLiteral("LANGUAGE=%1 LC_ALL=%2 LC_MESSAGES=%3 LANG=%4 setting=%5")
                                 .arg(c.language, c.all, c.messages, c.lang, c.setting);
        QCOMPARE(InstallTranslation(QString::fromUtf8(c.setting)), QString::fromUtf8(c.chosen));
        QVERIFY2(Ui::tr("Resualt") == QString::fromUtf8(c.title), qPrintable(what));
        if (QString::fromUtf8(c.chosen) == QLatin1String("zh_CN")) {
            QCOMPARE(Ui::tr("关于 kavimo"), QStringLiteral("关于 kavimo"));
            // Qt's own buttons follow (Debian's Qt translations are installed with the program).
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
            // The libraries' texts come through the same translation, the values filled in after it.
            QCOMPARE(QString::fromStdString(dicom::PictureTooLargeReason(40000, 30000)),
                     QStringLiteral("图片声称有 40000 × 30000 像素，超出了 kavimo 能打开的大小"));
        }
        if (QString::fromUtf8(c.chosen) == QLatin1String("en")) {
            QCOMPARE(Ui::tr("关于 kavimo"), QStringLiteral("About kavimo"));
        }
        if (QString::fromUtf8(c.chosen).isEmpty()) {
            QCOMPARE(Ui::tr("Settings(&S)..."), QStringLiteral("Settings(&S)..."));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
            QCOMPARE(QString::fromStdString(dicom::PictureTooLargeReason(40000, 30000)),
                     QStringLiteral("the picture claims 40000 \u00d7 30000 pixels, more than kavimo opens"));
        }
    }

    for (const char* name : kLocaleVariables)
        SetVariable(name, saved[name].isNull() ? nullptr : saved[name].constData());
    InstallTranslation(QStringLiteral("C"));
    QLocale::setDefault(QLocale::c());
}

// A translation that drops or invents a %1 shows the wrong value or a bare "%2"; a lost "&"
// loses the menu entry's key. English ones read ASCII punctuation.
void TranslationTest::translationsKeepTheFilledInParts() {
    const QDir folder(QStringLiteral(KAVIMO_SOURCE_DIR "/translations"));
    const QStringList files = folder.entryList({QStringLiteral("kavimo_*.ts")}, QDir::Files);
    QVERIFY(files.contains(QStringLiteral("kavimo_zh_CN.ts")));
    QCOMPARE(ShippedLanguages().size(), files.size());
    static const QRegularExpression fullWidth(QStringLiteral("[！：？，。（）\\x{4e00}-\\x{9fff}]"));
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                for (const QString& translation : TranslationForms(xml)) {
                    const QString where = QStringLiteral("%1: \"%2\" -> \"%3\"").arg(name, source, translation);
                    QVERIFY2(!translation.isEmpty(), qPrintable(where));
                    QVERIFY2(Placeholders(translation) == Placeholders(source), qPrintable(where));
                    QVERIFY2(translation.count(QLatin1Char('&')) == source.count(QLatin1Char('&')), qPrintable(where));
                    if (name == QLatin1String("kavimo_en.ts")) {
                        QVERIFY2(!fullWidth.match(translation).hasMatch(), qPrintable(where));
                    }
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(name + QLatin1String(": ") + xml.errorString()));
        QVERIFY2(messages > 100, qPrintable(name));
    }
}

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
