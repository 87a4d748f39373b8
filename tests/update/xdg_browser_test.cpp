// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real/xdg_browser.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <functional>

namespace {

TEST(XdgCommandLine, FieldCodesBecomeTheAddress)
{
    const QString url = QStringLiteral("http://web.test/a b?x=1");
    struct Case {
        const char *exec;
        QStringList expected;
    };
    const Case cases[] = {
        {"firefox %u", {QStringLiteral("firefox"), url}},
        {"/usr/bin/browser", {QStringLiteral("/usr/bin/browser"), url}},
        {"\"/opt/My Browser/run\" --new-window %U",
         {QStringLiteral("/opt/My Browser/run"), QStringLiteral("--new-window"), url}},
        {"browser %i %c --flag %%x %f",
         {QStringLiteral("browser"), QStringLiteral("--flag"), QStringLiteral("%x"), url}},
        {"flatpak run org.web @@u %u @@",
         {QStringLiteral("flatpak"), QStringLiteral("run"), QStringLiteral("org.web"), QStringLiteral("@@u"), url,
          QStringLiteral("@@")}},
        {"browser --url=%u", {QStringLiteral("browser"), QStringLiteral("--url=") + url}},
        {"sh -c \"echo \\\"quoted\\\" \\$HOME\"",
         {QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("echo \"quoted\" $HOME"), url}},
        {"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(platform::XdgBrowser::commandLine(QString::fromLatin1(c.exec), url), c.expected) << c.exec;
}

// XDG folders of our own for one test, with the variables put back after.
class XdgFolders : public ::testing::Test {
protected:
    XdgFolders()
    {
        for (const char *name : kVariables)
            m_saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        qputenv("XDG_CONFIG_HOME", path("config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", path("etc-xdg").toUtf8());
        qputenv("XDG_DATA_HOME", path("data").toUtf8());
        qputenv("XDG_DATA_DIRS", path("usr-share").toUtf8());
        qputenv("XDG_CURRENT_DESKTOP", "Test:Other");
        // The MIME database, without the system's applications.
        QDir().mkpath(path("usr-share"));
        QFile::link(QStringLiteral("/usr/share/mime"), path("usr-share/mime"));
    }
    ~XdgFolders() override
    {
        for (const auto &[name, wasSet, value] : m_saved) {
            if (wasSet)
                qputenv(name, value);
            else
                qunsetenv(name);
        }
    }
    QString path(const char *relative) const { return m_root.filePath(QString::fromLatin1(relative)); }
    void write(const char *relative, const QByteArray &text)
    {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
    void entry(const char *relative, const QByteArray &exec, const QByteArray &more = QByteArray())
    {
        write(relative, "[Desktop Entry]\nType=Application\nName=Web\nExec=" + exec + "\n" + more);
    }
    QString find() { return platform::XdgBrowser(QString()).webBrowserCommand(); }
    // An entry whose program writes its arguments to `opened`.
    void recordingEntry(const char *relative, const char *fieldCode)
    {
        write("bin/record",
              "#!/bin/sh\nprintf '%s\\n' \"$@\" >\"$0.part\" && mv \"$0.part\" " + path("opened").toUtf8() + "\n");
        QFile::setPermissions(path("bin/record"), QFile::ReadOwner | QFile::ExeOwner);
        entry(relative, path("bin/record").toUtf8() + " --new " + fieldCode);
    }
    // The arguments the recording entry was started with.
    QStringList opened()
    {
        for (int waited = 0; waited < 5000 && !QFile::exists(path("opened")); waited += 20)
            QThread::msleep(20);
        QFile file(path("opened"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                              : QStringList();
    }

    QTemporaryDir m_root;

private:
    static constexpr const char *kVariables[] = {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS",
                                                 "XDG_CURRENT_DESKTOP"};
    std::vector<std::tuple<const char *, bool, QByteArray>> m_saved;
};

TEST_F(XdgFolders, TheDefaultApplicationOfTheUserComesFirst)
{
    write("config/mimeapps.list", "[Default Applications]\ntext/html=gone.desktop;mine.desktop;\n");
    write("etc-xdg/mimeapps.list", "[Default Applications]\ntext/html=system.desktop\n");
    entry("data/applications/mine.desktop", "my-browser --new %u");
    entry("usr-share/applications/system.desktop", "system-browser %u");
    EXPECT_EQ(find(), QStringLiteral("my-browser --new %u"));

    // The desktop's own list outranks the common one.
    write("config/test-mimeapps.list", "[Default Applications]\ntext/html=system.desktop\n");
    EXPECT_EQ(find(), QStringLiteral("system-browser %u"));
}

TEST_F(XdgFolders, EntriesThatCannotRunAreSkipped)
{
    write("config/mimeapps.list",
          "[Default Applications]\ntext/html=hidden.desktop;blank.desktop;tryexec.desktop\n"
          "[Added Associations]\ntext/html=vendor-web.desktop\n");
    entry("data/applications/hidden.desktop", "hidden %u", "Hidden=true\n");
    entry("data/applications/blank.desktop", "\\s\\s");
    entry("data/applications/tryexec.desktop", "absent %u", "TryExec=/nonexistent/absent-browser\n");
    entry("usr-share/applications/vendor/web.desktop", "vendor\\sweb %u"); // in a vendor folder, escaped space
    EXPECT_EQ(find(), QStringLiteral("vendor web %u"));
}

TEST_F(XdgFolders, TheMimeCacheIsTheLastResort)
{
    write("usr-share/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=cached.desktop;\n");
    entry("usr-share/applications/cached.desktop", "cached-browser %u");
    EXPECT_EQ(find(), QStringLiteral("cached-browser %u"));
}

TEST_F(XdgFolders, XdgMimeIsAskedFirstWhenThere)
{
    write("config/mimeapps.list", "[Default Applications]\ntext/html=mine.desktop\n");
    entry("data/applications/mine.desktop", "my-browser %u");
    entry("data/applications/scripted.desktop", "scripted-browser %u");
    write("bin/xdg-mime", "#!/bin/sh\n[ \"$1 $2 $3\" = 'query default text/html' ] && echo scripted.desktop\n");
    QFile::setPermissions(path("bin/xdg-mime"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(platform::XdgBrowser(path("bin/xdg-mime")).webBrowserCommand(), QStringLiteral("scripted-browser %u"));
}

TEST_F(XdgFolders, TheHandlerOfHttpsAddressesComesBeforeTheViewerOfHtmlFiles)
{
    write("config/mimeapps.list", "[Default Applications]\ntext/html=viewer.desktop\n");
    write("etc-xdg/mimeapps.list", "[Default Applications]\nx-scheme-handler/https=browser.desktop\n");
    entry("data/applications/viewer.desktop", "html-viewer %f");
    entry("usr-share/applications/browser.desktop", "web-browser %u");
    EXPECT_EQ(find(), QStringLiteral("web-browser %u"));

    // What xdg-mime says about either outranks our own lookup.
    write("bin/xdg-mime", "#!/bin/sh\n[ \"$3\" = text/html ] && echo viewer.desktop\n");
    QFile::setPermissions(path("bin/xdg-mime"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(platform::XdgBrowser(path("bin/xdg-mime")).webBrowserCommand(), QStringLiteral("html-viewer %f"));
}

TEST_F(XdgFolders, NoAssociationOrNoDocumentFindsNothing)
{
    EXPECT_EQ(find(), QString());
    EXPECT_FALSE(platform::XdgBrowser(QString()).hasWebBrowser());
    EXPECT_FALSE(platform::XdgBrowser(QString()).openPage(QStringLiteral("https://web.test/")));
    write("config/mimeapps.list", "[Default Applications]\ntext/html=mine.desktop\n");
    entry("data/applications/mine.desktop", "my-browser %u");
    EXPECT_TRUE(platform::XdgBrowser(QString()).hasWebBrowser());
    EXPECT_FALSE(platform::XdgBrowser(QString()).showDocument(path("missing.htm")));
    EXPECT_FALSE(
        platform::XdgBrowser::start(QStringLiteral("/nonexistent/browser %u"), QStringLiteral("http://web.test/")));
}

// The tests' platform has no opener of its own, so the browser's entry is started.
TEST_F(XdgFolders, PagesAndDocumentsOpenInTheDesktopsProgramsWhereQtHasNoOpener)
{
    const struct {
        const char *what;
        const char *mimeType;
        std::function<bool(platform::XdgBrowser &)> open;
        QString expected;
    } cases[] = {
        {"a page", "x-scheme-handler/https",
         [](platform::XdgBrowser &b) { return b.openPage(QStringLiteral("https://web.test/a?b=1")); },
         QStringLiteral("https://web.test/a?b=1")},
        {"the help page", "text/html", [this](platform::XdgBrowser &b) { return b.showDocument(path("help.html")); },
         path("help.html")},
    };
    write("help.html", "<html></html>");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path("opened"));
        write("config/mimeapps.list", QByteArray("[Default Applications]\n") + c.mimeType + "=record.desktop\n");
        recordingEntry("data/applications/record.desktop", "%u");
        platform::XdgBrowser browser {QString()};
        EXPECT_TRUE(c.open(browser));
        EXPECT_EQ(opened(), (QStringList {QStringLiteral("--new"), c.expected}));
    }
}

// Records the addresses Qt's opener hands it.
class UrlHandler : public QObject {
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl &url) { urls << url.toString(); }
};

TEST_F(XdgFolders, APageGoesToQtsOpenerFirst)
{
    UrlHandler handler;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &handler, "open");
    EXPECT_TRUE(platform::XdgBrowser(QString()).openPage(QStringLiteral("https://web.test/home")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(handler.urls, QStringList {QStringLiteral("https://web.test/home")});

    // Qt's opener (xdg-open) takes any document, even where no program can
    // show it: only a document some program opens goes to it.
    write("help.html", "<html></html>");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &handler, "open");
    const bool shown = platform::XdgBrowser(QString()).showDocument(path("help.html"));
    write("config/mimeapps.list", "[Default Applications]\ntext/html=mine.desktop\n");
    entry("data/applications/mine.desktop", "my-browser %u");
    const bool shownWithABrowser = platform::XdgBrowser(QString()).showDocument(path("help.html"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_FALSE(shown);
    EXPECT_TRUE(shownWithABrowser);
    EXPECT_EQ(handler.urls.size(), 2) << handler.urls.join(u' ').toStdString();
}

} // namespace

#include "xdg_browser_test.moc"
