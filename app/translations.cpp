// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include "app/language_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Built in (see translations/CMakeLists.txt), so a translation is read in
// place from the program's mapped image rather than copied.
constexpr char kProgramFolder[] = ":/i18n";

} // namespace

namespace translations {

QStringList shipped()
{
    // What the build put in, so the list of languages lives in CMake alone.
    QStringList languages;
    const QString prefix = QStringLiteral("horalux_"), suffix = QStringLiteral(".qm");
    for (const QString &file : QDir(QString::fromLatin1(kProgramFolder)).entryList({prefix + u'*' + suffix}))
        languages << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
    return languages;
}

// English first in the order of preference stops the search: a user who
// prefers English over German gets English, not the German second choice.
QString chooseLanguage(const QStringList &uiLanguages)
{
    const QStringList spoken = shipped();
    for (const QString &tag : uiLanguages) {
        const QString language = QLocale(tag).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            return {};
        if (spoken.contains(language))
            return language;
    }
    return {};
}

QString install(QCoreApplication &app, const QLocale &locale)
{
    const QString language = chooseLanguage(locale.uiLanguages());
    if (language.isEmpty())
        return {};
    auto *program = new QTranslator(&app);
    if (!program->load(QStringLiteral("horalux_") + language, QString::fromLatin1(kProgramFolder))) {
        qCWarning(lcLanguage()) << "the built-in translation for" << language << "cannot be loaded";
        delete program;
        return {};
    }
    QCoreApplication::installTranslator(program);
    // Qt's own texts (Yes, No, Cancel, the line edit's menu) are Qt's to translate.
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else {
        qCDebug(lcLanguage()) << "no Qt translation for" << language << "in"
                              << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        delete qt;
    }
    return language;
}

} // namespace translations
