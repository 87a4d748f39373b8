// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_fixture.h"

#include "engine/zone_catalogue.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMouseEvent>
#include <QWindow>

#include <algorithm>

namespace {

void sendMouse(QWidget &target, QEvent::Type type, Qt::MouseButton button, QPoint local, Qt::MouseButtons held)
{
    const QPointF global = target.mapToGlobal(QPointF(local));
    QMouseEvent event(type, QPointF(local), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

TEST(MainWindow, ControlsStandAtTheirPlacesWithTheirCaptionsAndTips)
{
    MainWindowFixture f;
    frm_main &w = f.make();
    EXPECT_EQ(w.size(), QSize(180, 80));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::Tool)) << "no taskbar button";

    const struct {
        QWidget *control;
        QRect geometry;
        const char *caption;
        const char *tip;
    } controls[] = {
        {&w.Image1(), QRect(0, 0, 180, 80), nullptr, "Right click for options"},
        {&w.lab_zone(), QRect(34, 8, 140, 17), "Waiting for data", "Right click for options"},
        {&w.lab_time(), QRect(7, 24, 166, 35), "12:12:12 pm", "Right click for options"},
        {&w.lab_local(), QRect(8, 58, 150, 17), "Local time: 12:12:12", "Right click for options"},
        {&w.Image2(), QRect(159, 60, 13, 10), nullptr, "Click here to move on to the next time zone"},
    };
    for (const auto &c : controls) {
        EXPECT_EQ(c.control->geometry(), c.geometry) << c.control->objectName().toStdString();
        EXPECT_EQ(c.control->toolTip(), QString::fromLatin1(c.tip));
        if (c.caption) {
            EXPECT_EQ(static_cast<QLabel *>(c.control)->text(), QString::fromLatin1(c.caption));
        }
    }
    EXPECT_EQ(w.lab_time().font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(w.lab_time().font().pointSizeF(), 20.25);
    EXPECT_DOUBLE_EQ(w.lab_zone().font().pointSizeF(), 8.25);
    EXPECT_FALSE(w.Image1().pixmap().isNull()) << "the built-in background";
    EXPECT_FALSE(w.Image2().pixmap().isNull());
}

TEST(MainWindow, MenuTreeInItsOrder)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("tz2"), QStringLiteral("Kathmandu & Pokhara"));
    frm_main &w = f.load();
    const ContextMenu &m = w.menu();

    QStringList top;
    for (QAction *a : m.mnu_settings->actions())
        top << a->text();
    EXPECT_EQ(top,
              QStringList({"&Settings", "Show Time Zone", "Freeze current time zone", "About Horalux",
                           "Instructions and Help", "&Exit"}));

    QStringList zones, names;
    for (QAction *a : m.mnu_showzone->actions()) {
        if (a->isVisible()) {
            zones << a->text();
            names << a->objectName();
        }
    }
    ASSERT_EQ(zones.size(), 25);
    EXPECT_EQ(zones.first(), QStringLiteral("Abu Dhabi + Muscat"));
    EXPECT_EQ(names.first(), QStringLiteral("mnu_showdubai"));
    EXPECT_EQ(zones.at(14), QStringLiteral("Mountain Time, USA"));
    EXPECT_EQ(zones.at(15), QStringLiteral("Moscow, Volgograd"));
    EXPECT_EQ(zones.at(23), QStringLiteral("Wellington, New Zealand"));
    EXPECT_EQ(names.last(), QStringLiteral("mnu_custom2"));
    EXPECT_EQ(zones.last(), QStringLiteral("Kathmandu && Pokhara")) << "a typed & is no access key";
    EXPECT_FALSE(m.mnu_custom1->isVisible());
}

TEST(MainWindow, AnEmptyStoreStartsAtTheDefaultPlaceNotOnTopWithTheFirstZone)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    EXPECT_EQ(w.pos(), QPoint(13, 13));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.lab_zone().text(), QStringLiteral("United Kingdom"));
    EXPECT_EQ(w.lab_time().text(), QStringLiteral("12:12:12 pm")) << "no tick before the first second";
    EXPECT_EQ(w.Timer1().interval(), 1000);
    EXPECT_EQ(w.zonetimer().interval(), 20000);
    EXPECT_EQ(w.state().zoneindex, 2);
}

TEST(MainWindow, NoTickRunsWhileTheFirstNameIsTyped)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("scan"), QStringLiteral("60"));
    frm_main &w = f.make();
    std::vector<std::pair<int, int>> intervalsWhileTyping;
    for (int at = 0; at < 400; at += 30)
        f.fake.loop.postAt(at,
                           [&] { intervalsWhileTyping.emplace_back(w.Timer1().interval(), w.zonetimer().interval()); });
    w.Form_Load();
    ASSERT_FALSE(intervalsWhileTyping.empty());
    for (const auto &[tick, rotation] : intervalsWhileTyping) {
        EXPECT_EQ(tick, 0);
        EXPECT_EQ(rotation, 0);
    }
    EXPECT_EQ(w.zonetimer().interval(), 60000);
}

TEST(MainWindow, FirstStartDecidesTheClockFormatOnce)
{
    MainWindowFixture f;
    f.fake.settings.DeleteSetting(QStringLiteral("Horalux"), QStringLiteral("data"), QStringLiteral("24hr"));
    f.load();
    EXPECT_TRUE(f.fake.settings.has(QStringLiteral("24hr")));
    f.fake.settings.set(QStringLiteral("24hr"), QStringLiteral("whatever"));
    f.load();
    EXPECT_EQ(f.fake.settings.value(QStringLiteral("24hr")), QStringLiteral("whatever"));
}

TEST(MainWindow, ASecondInstanceEndsBeforeAnythingElse)
{
    MainWindowFixture f;
    f.fake.processes.anotherInstance = true;
    f.fake.settings.DeleteSetting(QStringLiteral("Horalux"), QStringLiteral("data"), QStringLiteral("24hr"));
    frm_main &w = f.make();
    EXPECT_THROW(w.Form_Load(), ProcessEnded);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(f.fake.settings.has(QStringLiteral("24hr")));
}

TEST(MainWindow, ExitIsRefusedDuringAnUpdate)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    int cancelled = 0;
    w.cancelTransfers = [&] { ++cancelled; };
    w.state().updating = true;
    w.mnu_exit_Click();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, QStringLiteral("Sorry, you can`t exit during an update. Please wait!"));
    EXPECT_EQ(f.messages.shown[0].title, QStringLiteral("Please wait!"));
    EXPECT_EQ(f.messages.shown[0].icon, platform::MessageBoxes::Icon::Information);
    EXPECT_EQ(cancelled, 0);

    w.state().updating = false;
    EXPECT_THROW(w.mnu_exit_Click(), ProcessEnded);
    EXPECT_EQ(cancelled, 1) << "the transfer is cancelled on the way out";
    EXPECT_EQ(f.fake.settings.flushes, 1) << "saves reach the disk before the process ends at once";
}

TEST(MainWindow, DraggingByTheTimeSavesThePlaceForTheNextStart)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    QLabel &time = w.lab_time();
    sendMouse(time, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10), Qt::LeftButton);
    sendMouse(time, QEvent::MouseMove, Qt::NoButton, QPoint(30, 15), Qt::LeftButton);
    EXPECT_EQ(w.pos(), QPoint(33, 18));
    EXPECT_EQ(f.fake.settings.value(QStringLiteral("FormX")), QStringLiteral("495"));
    // The label moved with the window: the same pointer is now 20 px nearer its left.
    sendMouse(time, QEvent::MouseMove, Qt::NoButton, QPoint(110, 60), Qt::LeftButton);
    sendMouse(time, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(110, 60), Qt::NoButton);
    EXPECT_EQ(w.pos(), QPoint(133, 68));
    EXPECT_EQ(f.fake.settings.value(QStringLiteral("FormX")), QStringLiteral("1995"));
    EXPECT_EQ(f.fake.settings.value(QStringLiteral("FormY")), QStringLiteral("1020"));
    sendMouse(time, QEvent::MouseMove, Qt::NoButton, QPoint(0, 0), Qt::NoButton);
    EXPECT_EQ(w.pos(), QPoint(133, 68)) << "no drag after the release";

    frm_main &again = f.load();
    EXPECT_EQ(again.pos(), QPoint(133, 68));
}

TEST(MainWindow, EveryTextAndTheBackgroundDragAlike)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    for (QWidget *control : std::initializer_list<QWidget *> {&w.lab_zone(), &w.lab_local(), &w.Image1()}) {
        const QPoint start = w.pos();
        sendMouse(*control, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
        sendMouse(*control, QEvent::MouseMove, Qt::NoButton, QPoint(15, 8), Qt::LeftButton);
        sendMouse(*control, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(15, 8), Qt::NoButton);
        EXPECT_EQ(w.pos(), start + QPoint(10, 3)) << control->objectName().toStdString();
    }
}

TEST(MainWindow, MiddleButtonNeverDragsAndRightReleaseOpensTheMenu)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    QLabel &zone = w.lab_zone();
    const QPoint start = w.pos();

    sendMouse(zone, QEvent::MouseButtonPress, Qt::MiddleButton, QPoint(5, 5), Qt::MiddleButton);
    sendMouse(zone, QEvent::MouseMove, Qt::NoButton, QPoint(50, 5), Qt::MiddleButton);
    EXPECT_EQ(w.pos(), start);

    // A left press, then a right release: the drag ends and the menu opens.
    sendMouse(zone, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
    sendMouse(zone, QEvent::MouseButtonRelease, Qt::MiddleButton, QPoint(5, 5), Qt::LeftButton);
    EXPECT_FALSE(w.menu().mnu_settings->isVisible()) << "a middle release opens no menu";
    sendMouse(zone, QEvent::MouseMove, Qt::NoButton, QPoint(40, 5), Qt::LeftButton);
    EXPECT_EQ(w.pos(), start) << "the middle release ended the drag";

    sendMouse(zone, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
    sendMouse(zone, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(5, 5), Qt::NoButton);
    EXPECT_TRUE(w.menu().mnu_settings->isVisible());
    w.menu().mnu_settings->hide();

    sendMouse(w.Image2(), QEvent::MouseButtonPress, Qt::RightButton, QPoint(3, 3), Qt::RightButton);
    sendMouse(w.Image2(), QEvent::MouseButtonRelease, Qt::RightButton, QPoint(3, 3), Qt::NoButton);
    EXPECT_FALSE(w.menu().mnu_settings->isVisible()) << "the arrow has no menu";
}

TEST(MainWindow, ClickingTheArrowMovesOnAtOnce)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    w.commands().mnu_freeze_Click();
    sendMouse(w.Image2(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(3, 3), Qt::LeftButton);
    sendMouse(w.Image2(), QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(3, 3), Qt::NoButton);
    EXPECT_EQ(w.zonetimer().interval(), 1);
    ASSERT_EQ(f.fake.sound.played.size(), 1u);
    EXPECT_TRUE(f.fake.sound.played[0].file.endsWith(QStringLiteral("/blip.wav")));
}

TEST(MainWindow, OnTopFollowsOnlyTheExactSwitchButPlaceAndSizeAlwaysApply)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("True"));
    frm_main &w = f.load();
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("true"));
    f.fake.settings.SaveSetting(QStringLiteral("Horalux"), QStringLiteral("Data"), QStringLiteral("FormX"),
                                QStringLiteral("3000"));
    w.resize(300, 300);
    w.ontop();
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "z-order unchanged";
    EXPECT_EQ(w.pos().x(), 200);
    EXPECT_EQ(w.size(), QSize(180, 80));

    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("False"));
    f.fake.settings.set(QStringLiteral("FormY"), QStringLiteral("not a number"));
    const int yBefore = w.pos().y();
    w.ontop();
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.pos().y(), yBefore) << "an edge that is not a number stays";
}

// Counts the times a window is hidden, as a window manager would see an unmap.
class HideCounter final : public QObject {
public:
    int hides = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

TEST(MainWindow, OnTopChangesInPlaceWithoutANewNativeWindow)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("False"));
    frm_main &w = f.load();
    QWindow *native = w.windowHandle();
    ASSERT_NE(native, nullptr);
    const WId id = w.winId();
    HideCounter counter;
    w.installEventFilter(&counter);
    for (const bool on : {true, false, true}) {
        f.fake.settings.set(QStringLiteral("ontop"), on ? QStringLiteral("True") : QStringLiteral("False"));
        w.ontop();
        EXPECT_EQ(w.windowHandle(), native);
        EXPECT_EQ(w.winId(), id);
        EXPECT_EQ(native->flags().testFlag(Qt::WindowStaysOnTopHint), on) << "the window system is asked";
        EXPECT_EQ(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(w.isVisible());
    }
    EXPECT_EQ(counter.hides, 0) << "never unmapped";
}

TEST(MainWindow, ItsDialogsKeepItsOnTopStateInPlaceAndItsMenuIsLeftAlone)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("True"));
    frm_main &w = f.load();
    QDialog dialog(&w);
    dialog.show();
    const WId id = dialog.winId();
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "shown beside an on-top clock";
    for (const bool on : {false, true, false}) {
        f.fake.settings.set(QStringLiteral("ontop"), on ? QStringLiteral("True") : QStringLiteral("False"));
        w.ontop();
        EXPECT_EQ(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(dialog.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(dialog.winId(), id) << "changed in place";
        EXPECT_TRUE(dialog.isVisible());
    }
    QDialog later(&w);
    later.show();
    EXPECT_FALSE(later.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "shown beside a normal clock";
    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("True"));
    w.ontop();
    EXPECT_TRUE(later.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(w.menu().mnu_settings->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "menus are popups";
}

TEST(MainWindow, TheWindowAppearsOnceStartUpIsDoneWhateverTheOnTopSwitch)
{
    for (const char *ontop : {"True", "False", "true"}) {
        SCOPED_TRACE(ontop);
        MainWindowFixture f;
        f.fake.settings.set(QStringLiteral("ontop"), QString::fromLatin1(ontop));
        frm_main &w = f.make();
        std::vector<bool> visibleWhileTyping;
        for (int at = 0; at < 400; at += 30)
            f.fake.loop.postAt(at, [&] { visibleWhileTyping.push_back(w.isVisible()); });
        const qint64 before = f.fake.loop.now();
        w.Form_Load();
        ASSERT_FALSE(visibleWhileTyping.empty());
        EXPECT_EQ(std::count(visibleWhileTyping.begin(), visibleWhileTyping.end(), true), 0);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.lab_zone().text(), QStringLiteral("United Kingdom")) << "typed before it appears";
        EXPECT_LT(f.fake.loop.now() - before, Rotation::TypingStepMs) << "unseen letters keep nobody waiting";
        EXPECT_EQ(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), QLatin1String(ontop) == QLatin1String("True"));
    }
}

TEST(MainWindow, CustomMenuEntriesFollowTheStoredNames)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("tz1"), QString());
    f.fake.settings.set(QStringLiteral("tz2"), QStringLiteral("Goa"));
    frm_main &w = f.load();
    EXPECT_FALSE(w.menu().mnu_custom1->isVisible());
    EXPECT_TRUE(w.menu().mnu_custom2->isVisible());
    EXPECT_EQ(w.menu().mnu_custom2->text(), QStringLiteral("Goa"));
}

// Renders the window at the four times of day into the temporary folder, so a
// person can look at them; checks the scenery and the night colours took.
TEST(MainWindow, RendersEachTimeOfDay)
{
    const QString folder = QDir::temp().filePath(QStringLiteral("horalux-scenes"));
    QDir().mkpath(folder);
    const struct {
        QTime time;
        const char *name;
        bool night;
    } scenes[] = {{QTime(12, 5, 9), "day", false},
                  {QTime(19, 30, 0), "eve", false},
                  {QTime(5, 30, 0), "night", false},
                  {QTime(23, 59, 0), "nighttime", true}};
    for (const auto &s : scenes) {
        MainWindowFixture f;
        f.fake.clock.setStart(QDate(2026, 12, 7), s.time);
        frm_main &w = f.load();
        w.Timer1().setInterval(0);
        f.fake.clock.setNow(QDate(2026, 12, 7), s.time);
        w.state().zonefresh = true;
        w.Timer1_Timer();
        const QImage image = w.grab().toImage();
        ASSERT_TRUE(image.save(folder + QStringLiteral("/%1.png").arg(QLatin1String(s.name))));
        EXPECT_EQ(w.lab_time().palette().color(QPalette::WindowText) == QColor(Qt::yellow), s.night) << s.name;
    }
}

TEST(MainWindow, TheDateLabelKeepsItsDesignCaptionUntilTheFirstTick)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    w.Timer1().setInterval(0);
    EXPECT_EQ(w.lab_zone().text(), QStringLiteral("United Kingdom"));
    EXPECT_EQ(w.lab_local().text(), QStringLiteral("Local time: 12:12:12")) << "no tick has run yet";
    w.Timer1_Timer();
    EXPECT_EQ(w.lab_local().text(), QStringLiteral("07th December 2026"));
}

TEST(MainWindow, WithNoCustomZoneNamedTheSubmenuEndsWithWellington)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("tz1"), QString());
    frm_main &w = f.load();
    QStringList zones;
    for (QAction *a : w.menu().mnu_showzone->actions()) {
        if (a->isVisible())
            zones << a->text();
    }
    ASSERT_EQ(zones.size(), 24);
    EXPECT_EQ(zones.last(), QStringLiteral("Wellington, New Zealand"));
    EXPECT_FALSE(w.menu().mnu_custom1->isVisible());
    EXPECT_FALSE(w.menu().mnu_custom2->isVisible());
}

TEST(MainWindow, MoscowFromTheRealMenuIsTypedWithAPlus)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    QAction *moscow = nullptr;
    for (QAction *a : w.menu().mnu_showzone->actions()) {
        if (a->text() == QLatin1String("Moscow, Volgograd"))
            moscow = a;
    }
    ASSERT_NE(moscow, nullptr);
    EXPECT_EQ(moscow->objectName(), QStringLiteral("mnu_showmoscow"));
    moscow->trigger();
    EXPECT_EQ(w.lab_zone().text(), QStringLiteral("Moscow + Volgograd"));
    EXPECT_EQ(w.zonetimer().interval(), 60000);
    EXPECT_EQ(w.state().zonediff.hours, 3);
    EXPECT_TRUE(w.state().zonedst);
    EXPECT_TRUE(w.state().zonefresh);
}

// The window manager's close is not the Exit command: it ends the clock even
// while an update downloads, and asks nothing.
TEST(MainWindow, ClosedByTheWindowManagerDuringAnUpdateItEndsWithoutAsking)
{
    MainWindowFixture f;
    frm_main &w = f.load();
    int cancelled = 0;
    w.cancelTransfers = [&] { ++cancelled; };
    w.state().updating = true;
    QCloseEvent close;
    EXPECT_THROW(QApplication::sendEvent(&w, &close), ProcessEnded);
    EXPECT_TRUE(f.messages.shown.empty()) << "no question and no refusal";
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(f.fake.settings.flushes, 1);
}

} // namespace
