// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace translations {

// The languages the program speaks besides English, as two-letter codes.
QStringList shipped();

// The first of the user's interface languages ("de-AT", "fr") the program
// speaks, as its two-letter code; empty when English comes first or none is spoken.
QString chooseLanguage(const QStringList &uiLanguages);

// Installs the program's translation and Qt's own (standard buttons and the
// like) for the first of the locale's interface languages the program speaks,
// and returns that language; English, or a language not shipped, installs
// nothing and returns an empty text.
QString install(QCoreApplication &app, const QLocale &locale = QLocale());

} // namespace translations
