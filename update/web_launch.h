// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/program_version.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>

namespace platform {
class Browser;
class Desktop;
class MessageBoxes;
struct Services;
} // namespace platform
class QWidget;

// The product's home page on the web site, tagged with the version's digits.
QString homePageAddress(const QString &webSite, const ProgramVersion &version);

// The help page installed beside the program: help/index.<language>.html when
// the program's folder has one for that language, else the English help/index.html.
QString helpPagePath(const platform::Desktop &desktop, const QString &language = QString());

// The help commands: show the help page, then offer the home page.
class WebLaunch {
    Q_DECLARE_TR_FUNCTIONS(WebLaunch)

public:
    // webSite: scheme, host and optional port; empty means the build's site.
    WebLaunch(const platform::Services &services, platform::MessageBoxes &messages, platform::Browser &browser,
              QString webSite = QString(), ProgramVersion version = ProgramVersion::current());

    // The menu's "Instructions and Help" and the settings dialog's help link:
    // the help page, then, once it shows, the offer of the home page over `window`.
    void helpThenHomePage(QWidget &window);
    // Opens address in the desktop's web browser.
    void openWebPage(const QString &address);
    // Shows the help page in the desktop's viewer; where nothing shows it,
    // says that no browser was found and returns false.
    bool showHelp();
    // The language the program speaks ("de"), for the help page; empty is English.
    void setLanguage(const QString &language) { m_language = language; }

private:
    const platform::Services &m_services;
    platform::MessageBoxes &m_messages;
    platform::Browser &m_browser;
    QString m_webSite;
    ProgramVersion m_version;
    QString m_language;
};

// F1 in any of the program's windows shows the help. Installed on the
// application, it sees every window's keys.
class HelpKey final : public QObject {
public:
    explicit HelpKey(std::function<void()> showHelp, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_showHelp;
};
