#include "app/widgets/translation.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include "platform/text.h"

namespace {

constexpr const char* kResourceFolder = ":/i18n";

// The translators installed last, taken out again when another language is installed.
QPointer<QTranslator> g_own;
QPointer<QTranslator> g_qt;

// The C locale (also "C.UTF-8", "POSIX") speaks the program's own texts.
bool IsCLocale(const QString& name) {
    return name == QLatin1String("C") || name == QLatin1String("POSIX") || name.startsWith(QLatin1String("C."));
}

// The user's languages in order of preference: a language set in the settings, else the
// desktop's. LANGUAGE's list counts only when a locale other than C is set, as gettext does.
QStringList Preferred(const QString& language) {
    const QString chosen = language.trimmed();
    if (IsCLocale(chosen)) return {};
    if (!chosen.isEmpty()) return {chosen};
    QStringList names;
    const QString messages = [] {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const QString value = qEnvironmentVariable(name);
            if (!value.isEmpty()) return value;
        }
        return QString();
    }();
    if (messages.isEmpty() || IsCLocale(messages)) return names;
    for (const QString& part : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        names.append(part);
    }
    names.append(messages);
    return names;
}

// "zh_CN.UTF-8@x" -> "zh_CN"; "pt-BR" -> "pt_BR".
QString LocaleName(QString name) {
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}

// The shipped language that serves `name`: the same language and country, else the language
// alone, else the language's one shipped country ("zh_SG" -> "zh_CN").
QString Match(const QString& name, const QStringList& shipped) {
    if (shipped.contains(name)) return name;
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (shipped.contains(language)) return language;
    for (const QString& s : shipped) {
        if (s.section(QLatin1Char('_'), 0, 0) == language) return s;
    }
    return QString();
}

}  // namespace

QStringList ShippedLanguages() {
    QStringList names;
    const QStringList files =
        QDir(QString::fromLatin1(kResourceFolder)).entryList({QStringLiteral("kavimo_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) names.append(file.mid(7, file.size() - 10));
    return names;
}

QString InstallTranslation(const QString& language) {
    // The libraries' texts (records, archive, practice system) are looked up in the same translation.
    text::SetLookup([](const char* source, const char* disambiguation, int n) {
        return QCoreApplication::translate("text", source, disambiguation, n).toStdString();
    });
    for (QPointer<QTranslator>* installed : {&g_own, &g_qt}) {
        if (*installed) {
            QCoreApplication::removeTranslator(*installed);
            delete installed->data();
        }
    }
    // Arabic reads right to left: the windows' layouts mirror with the language.
    const auto setDirection = [](const QString& name) {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QGuiApplication::setLayoutDirection(name.isEmpty() ? Qt::LeftToRight : QLocale(name).textDirection());
    };
    const QStringList shipped = ShippedLanguages();
    QString chosen;
    const QStringList preferred = Preferred(language);
    for (const QString& name : preferred) {
        chosen = Match(LocaleName(name), shipped);
        if (!chosen.isEmpty()) break;
    }
    // A language not shipped reads English rather than the program's own mix of words.
    if (chosen.isEmpty() && !preferred.isEmpty() && shipped.contains(QStringLiteral("en"))) {
        chosen = QStringLiteral("en");
    }
    setDirection(QString());
    if (chosen.isEmpty()) return QString();
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(QStringLiteral("kavimo_") + chosen, QString::fromLatin1(kResourceFolder))) {
        delete own;
        return QString();
    }
    QCoreApplication::installTranslator(own);
    g_own = own;
    setDirection(chosen);
    // Qt's own dialogs; missing when Qt's translations are not installed, which leaves them in English.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        g_qt = qt;
    } else {
        delete qt;
    }
    // A language chosen in the settings also sets how dates and numbers are written; the
    // desktop's already does.
    if (!language.trimmed().isEmpty()) QLocale::setDefault(QLocale(chosen));
    return chosen;
}

QString LocalDateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString LocalDateText(const QDate& date, const QLocale& locale) {
    return locale.toString(date, LocalDateFormat(locale));
}

QString LocalDateTimeText(const QDateTime& time, const QLocale& locale) {
    return LocalDateText(time.date(), locale) + QLatin1Char(' ') + locale.toString(time.time(), QLocale::ShortFormat);
}
