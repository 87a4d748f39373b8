// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/web_launch.h"

#include "platform/browser.h"
#include "update_test_support.h"

#include "fake_message_boxes.h"
#include "fake_platform.h"
#include "log_capture.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

using Answer = platform::MessageBoxes::Answer;
using Icon = platform::MessageBoxes::Icon;

class FakeBrowser final : public platform::Browser {
public:
    bool hasWebBrowser() override
    {
        ++asked;
        return found;
    }
    bool openPage(const QString &address) override
    {
        opened << address;
        return openWorks;
    }
    bool showDocument(const QString &path) override
    {
        shownDocuments << path;
        return showWorks;
    }

    bool found = true;
    bool showWorks = true;
    bool openWorks = true;
    int asked = 0;
    QStringList opened;
    QStringList shownDocuments;
};

// No key filter is installed here: help is a call, not a key press.
class WebLaunchTest : public ::testing::Test {
protected:
    void pressKey(QWidget &target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), repeat);
        QCoreApplication::sendEvent(&target, &press);
    }

    FakePlatform fake;
    FakeMessageBoxes messages;
    FakeBrowser browser;
    WebLaunch web {fake.services, messages, browser, QStringLiteral("http://www.web.test"), ProgramVersion {2, 3, 11}};
    const QString helpPage = QStringLiteral("/opt/horalux/help/index.html");
    const QString homePage = QStringLiteral("http://www.web.test/horalux/index.html?DirectConnection_via_Horalux2311");
};

TEST_F(WebLaunchTest, HelpShowsThePageThenAsksAboutTheHomePage)
{
    QWidget mainWindow;
    QDialog settingsDialog;
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"the menu command", [&] { web.helpThenHomePage(mainWindow); }},
        {"the settings link", [&] { web.helpThenHomePage(settingsDialog); }},
    };
    for (const auto &[name, command] : commands) {
        messages.shown.clear();
        browser.shownDocuments.clear();
        const qint64 start = fake.loop.now();
        bool eventHandledDuringWait = false;
        fake.loop.postAt(start + 500, [&] { eventHandledDuringWait = true; });
        qint64 askedAt = -1;
        messages.whileShown = [&] { askedAt = fake.loop.now(); };

        command();
        EXPECT_EQ(browser.shownDocuments, QStringList {helpPage}) << name;
        EXPECT_TRUE(eventHandledDuringWait) << name;
        EXPECT_GE(askedAt - start, 1000) << name << ": a second's pause before the question";
        ASSERT_EQ(messages.shown.size(), 1u) << name;
        EXPECT_EQ(messages.shown[0].text,
                  QStringLiteral("Do you want to connect to the Horalux home page on the "
                                 "Internet? You may be able to find help there?"));
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Do you want more help?"));
        EXPECT_EQ(messages.shown[0].icon, Icon::None);
        EXPECT_EQ(messages.shown[0].buttons, platform::MessageBoxes::Buttons::YesNo);
    }
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(settingsDialog.isVisible());
    EXPECT_EQ(browser.asked, 0) << "No: no browser asked for";
    EXPECT_TRUE(browser.opened.empty());
}

TEST_F(WebLaunchTest, YesOpensTheHomePageInTheBrowserForWebPages)
{
    QWidget mainWindow;
    messages.answers = {Answer::Yes};
    web.helpThenHomePage(mainWindow);
    EXPECT_EQ(browser.asked, 1);
    EXPECT_EQ(browser.opened, QStringList {homePage});
    EXPECT_EQ(messages.shown.size(), 1u) << "no failure message";
}

// The page of the program's language where the folder has one; English otherwise.
TEST_F(WebLaunchTest, HelpIsThePageOfTheProgramsLanguage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("help")));
    for (const char *page : {"help/index.html", "help/index.de.html"}) {
        QFile file(folder.filePath(QLatin1String(page)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    fake.desktop.folder = folder.path();
    for (const auto &[language, page] : {std::pair {"de", "help/index.de.html"}, std::pair {"fr", "help/index.html"},
                                         std::pair {"", "help/index.html"}}) {
        browser.shownDocuments.clear();
        web.setLanguage(QLatin1String(language));
        web.showHelp();
        EXPECT_EQ(browser.shownDocuments, QStringList {folder.filePath(QLatin1String(page))}) << language;
    }
}

TEST_F(WebLaunchTest, FailuresToOpenAPageAreReported)
{
    struct Case {
        bool help; // the help command, else the home page
        bool found;
        bool openWorks;
        bool showWorks;
        const char *text;
        const char *title;
        qsizetype opens;
    };
    const Case cases[] = {
        {false, false, true, true, "Could not find associated browser!", "BROWSER NOT FOUND", 0},
        {false, true, false, true, "Web Page not Opened", "URL FAILED", 1},
        // Nothing shows the help page: said at once, and no home page offered.
        {true, true, true, false, "Could not find associated browser!", "BROWSER NOT FOUND", 0},
    };
    QWidget window;
    for (const Case &c : cases) {
        browser.found = c.found;
        browser.openWorks = c.openWorks;
        browser.showWorks = c.showWorks;
        browser.asked = 0;
        browser.opened.clear();
        messages.shown.clear();
        LogCapture log;
        if (c.help)
            web.helpThenHomePage(window);
        else
            web.openWebPage(homePage);
        ASSERT_EQ(messages.shown.size(), 1u) << c.title;
        EXPECT_EQ(messages.shown[0].text, QString::fromLatin1(c.text));
        EXPECT_EQ(messages.shown[0].title, QString::fromLatin1(c.title));
        EXPECT_EQ(messages.shown[0].icon, Icon::Exclamation);
        EXPECT_EQ(browser.opened.size(), c.opens) << c.title;
        EXPECT_EQ(browser.asked, c.help ? 0 : 1) << c.title;
        EXPECT_TRUE(log.messages().isEmpty()) << "the browser logs why; the user is told";
    }
}

TEST_F(WebLaunchTest, EveryBoxIsLookedUpWhenShown)
{
    const BracketTranslation brackets;
    QWidget mainWindow;
    browser.found = false;
    messages.answers = {Answer::Yes};
    web.helpThenHomePage(mainWindow);
    browser.found = true;
    browser.openWorks = false;
    web.openWebPage(homePage);
    QStringList titles;
    for (const auto &box : messages.shown) {
        titles << box.title;
        EXPECT_TRUE(isBracketed(box.text)) << box.text.toStdString();
    }
    EXPECT_EQ(titles,
              (QStringList {QStringLiteral("[Do you want more help?]"), QStringLiteral("[BROWSER NOT FOUND]"),
                            QStringLiteral("[URL FAILED]")}));
}

TEST_F(WebLaunchTest, F1InAnyWindowShowsTheHelpPage)
{
    HelpKey helpKey {[this] { web.showHelp(); }};
    qApp->installEventFilter(&helpKey);
    const auto uninstall = qScopeGuard([&helpKey] { qApp->removeEventFilter(&helpKey); });
    QWidget mainWindow;
    QDialog dialog;
    QLineEdit box(&dialog);
    pressKey(mainWindow, Qt::Key_F1);
    pressKey(dialog, Qt::Key_F1);
    pressKey(box, Qt::Key_F1);
    EXPECT_EQ(browser.shownDocuments, (QStringList {helpPage, helpPage, helpPage}));

    pressKey(box, Qt::Key_F1, Qt::ShiftModifier);
    pressKey(box, Qt::Key_A);
    pressKey(box, Qt::Key_F1, Qt::NoModifier, true); // held down: one page is enough
    EXPECT_EQ(browser.shownDocuments.size(), 3);
}

} // namespace
