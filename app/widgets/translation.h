// The language kavimo speaks: the texts shown to the user are written in the code in the
// product's own words and looked up in the translations compiled into the program.
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// Every text of the application is one context for the translators: `Ui::tr("Save")`. Tables
// of texts mark theirs with QT_TRANSLATE_NOOP("kavimo", ...) and pass them through Ui::tr where
// they are shown.
struct Ui {
    Q_DECLARE_TR_FUNCTIONS(kavimo)
};

// The languages the program ships, as locale names ("de", "zh_CN").
QStringList ShippedLanguages();

// Installs the translators for `language` (a locale name; empty: the desktop's, from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG) into the running application: kavimo's own texts and Qt's
// (its dialogs, the print dialog); a language not shipped gets English. Replaces the translators
// an earlier call installed. Returns the locale name whose translation was installed, empty
// when the source texts stay (the C locale).
QString InstallTranslation(const QString& language);

// A date, or a date and time of day, as the user's locale writes them short, with the year in
// full: records are kept for years.
QString LocalDateFormat(const QLocale& locale = QLocale());
QString LocalDateText(const QDate& date, const QLocale& locale = QLocale());
QString LocalDateTimeText(const QDateTime& time, const QLocale& locale = QLocale());
