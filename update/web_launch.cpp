// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/web_launch.h"

#include "engine/pause.h"
#include "platform/browser.h"
#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/services.h"
#include "update/build_urls.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWidget>

QString homePageAddress(const QString &webSite, const ProgramVersion &version)
{
    return webSite + QStringLiteral("/horalux/index.html?DirectConnection_via_Horalux") + version.digits();
}

QString helpPagePath(const platform::Desktop &desktop, const QString &language)
{
    const QDir folder(desktop.programFolder());
    if (!language.isEmpty()) {
        const QString translated = folder.filePath(QStringLiteral("help/index.%1.html").arg(language));
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return folder.filePath(QStringLiteral("help/index.html"));
}

WebLaunch::WebLaunch(const platform::Services &services, platform::MessageBoxes &messages, platform::Browser &browser,
                     QString webSite, ProgramVersion version)
    : m_services(services),
      m_messages(messages),
      m_browser(browser),
      m_webSite(webSite.isEmpty() ? build_urls::webSite() : std::move(webSite)),
      m_version(version)
{
}

void WebLaunch::helpThenHomePage(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
    if (!showHelp())
        return;

    PauseSeconds(1, m_services.ticks, m_services.events);
    const auto answer = m_messages.show(
        tr("Do you want to connect to the Horalux home page on the Internet? You may be able to find help there?"),
        tr("Do you want more help?"), platform::MessageBoxes::Icon::None, platform::MessageBoxes::Buttons::YesNo);
    if (answer == platform::MessageBoxes::Answer::Yes)
        openWebPage(homePageAddress(m_webSite, m_version));
}

void WebLaunch::openWebPage(const QString &address)
{
    using Icon = platform::MessageBoxes::Icon;
    if (!m_browser.hasWebBrowser()) {
        m_messages.show(tr("Could not find associated browser!"), tr("BROWSER NOT FOUND"), Icon::Exclamation);
        return;
    }
    if (!m_browser.openPage(address))
        m_messages.show(tr("Web Page not Opened"), tr("URL FAILED"), Icon::Exclamation);
}

bool WebLaunch::showHelp()
{
    // The browser has logged why; the user is told here.
    if (m_browser.showDocument(helpPagePath(m_services.desktop, m_language)))
        return true;
    m_messages.show(tr("Could not find associated browser!"), tr("BROWSER NOT FOUND"),
                    platform::MessageBoxes::Icon::Exclamation);
    return false;
}

HelpKey::HelpKey(std::function<void()> showHelp, QObject *parent) : QObject(parent), m_showHelp(std::move(showHelp))
{
}

bool HelpKey::eventFilter(QObject *watched, QEvent *event)
{
    // Keys reach a window's widget after its platform window; answer them once, at the widget.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    if (!key->isAutoRepeat())
        m_showHelp();
    return true;
}
