// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_fixture.h"

#include "engine/zone_catalogue.h"
#include "log_capture.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <functional>

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
    ClockWindow &w = f.make();
    EXPECT_EQ(w.size(), QSize(180, 80));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::Tool)) << "no taskbar button";

    const struct {
        QWidget *control;
        QRect geometry;
        const char *caption;
        const char *tip;
    } controls[] = {
        {&w.clockFace(), QRect(0, 0, 180, 80), nullptr, "Right click for options"},
        {&w.zoneLabel(), QRect(34, 8, 140, 17), "Waiting for data", "Right click for options"},
        {&w.timeLabel(), QRect(7, 24, 166, 35), "12:12:12 pm", "Right click for options"},
        {&w.dateLabel(), QRect(8, 58, 150, 17), "Local time: 12:12:12", "Right click for options"},
        {&w.nextZoneArrow(), QRect(159, 60, 13, 10), nullptr, "Click here to move on to the next time zone"},
    };
    for (const auto &c : controls) {
        EXPECT_EQ(c.control->geometry(), c.geometry) << c.control->objectName().toStdString();
        EXPECT_EQ(c.control->toolTip(), QString::fromLatin1(c.tip));
        if (c.caption) {
            EXPECT_EQ(static_cast<RollingLabel *>(c.control)->text(), QString::fromLatin1(c.caption));
        }
    }
    EXPECT_EQ(w.timeLabel().font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(w.timeLabel().font().pointSizeF(), 20.25);
    EXPECT_DOUBLE_EQ(w.zoneLabel().font().pointSizeF(), 8.25);
    EXPECT_FALSE(w.clockFace().pixmap().isNull()) << "the built-in background";
    EXPECT_FALSE(w.nextZoneArrow().pixmap().isNull());
}

TEST(MainWindow, MenuTreeInItsOrder)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("tz2"), QStringLiteral("Kathmandu & Pokhara"));
    ClockWindow &w = f.load();
    const ContextMenu &m = w.menu();

    QStringList top;
    for (QAction *a : m.settingsMenu->actions())
        top << a->text();
    EXPECT_EQ(top,
              QStringList({"&Settings", "Show Time Zone", "Freeze current time zone", "About Horalux",
                           "Instructions and Help", "&Exit"}));

    QStringList zones, names;
    for (QAction *a : m.showZoneMenu->actions()) {
        if (a->isVisible()) {
            zones << a->text();
            names << a->objectName();
        }
    }
    ASSERT_EQ(zones.size(), 25);
    EXPECT_EQ(zones.first(), QStringLiteral("Abu Dhabi + Muscat"));
    EXPECT_EQ(names.first(), QStringLiteral("showAbuDhabiAction"));
    EXPECT_EQ(zones.at(14), QStringLiteral("Mountain Time, USA"));
    EXPECT_EQ(zones.at(15), QStringLiteral("Moscow, Volgograd"));
    EXPECT_EQ(zones.at(23), QStringLiteral("Wellington, New Zealand"));
    EXPECT_EQ(names.last(), QStringLiteral("custom2Action"));
    EXPECT_EQ(zones.last(), QStringLiteral("Kathmandu && Pokhara")) << "a typed & is no access key";
    EXPECT_FALSE(m.customItem(1)->isVisible());
}

TEST(MainWindow, AnEmptyStoreStartsAtTheDefaultPlaceNotOnTopWithTheFirstZone)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    EXPECT_EQ(w.pos(), QPoint(13, 13));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.zoneLabel().text(), QStringLiteral("United Kingdom"));
    EXPECT_EQ(w.timeLabel().text(), QStringLiteral("12:12:12 pm")) << "no tick before the first second";
    EXPECT_EQ(w.clockTimer().interval(), 1000);
    EXPECT_EQ(w.zoneTimer().interval(), 20000);
    EXPECT_EQ(w.state().nextZonePosition, 2);
}

TEST(MainWindow, StartUpHandlesNoEventsAndStartsTheTimersOnceTheFirstNameIsTyped)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("scan"), QStringLiteral("60"));
    ClockWindow &w = f.make();
    bool ranInside = false;
    f.fake.loop.post([&] { ranInside = true; });
    const int pumps = f.fake.loop.pumpCount();
    w.start();
    EXPECT_FALSE(ranInside);
    EXPECT_EQ(f.fake.loop.pumpCount(), pumps);
    EXPECT_FALSE(w.rotation().isTyping());
    EXPECT_EQ(w.clockTimer().interval(), 1000);
    EXPECT_EQ(w.zoneTimer().interval(), 60000);
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
    ClockWindow &w = f.make();
    EXPECT_THROW(w.start(), ProcessEnded);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(f.fake.settings.has(QStringLiteral("24hr")));
}

TEST(MainWindow, ALaterStartBringsTheClockBack)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    ASSERT_TRUE(f.fake.processes.activationRequest);
    w.hide();
    f.fake.processes.activationRequest(QByteArray("a-launcher-token"));
    EXPECT_TRUE(w.isVisible());
}

TEST(MainWindow, ExitIsRefusedDuringAnUpdate)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    int cancelled = 0;
    w.cancelTransfers = [&] { ++cancelled; };
    w.state().updating = true;
    w.requestExit();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, QStringLiteral("Sorry, you can`t exit during an update. Please wait!"));
    EXPECT_EQ(f.messages.shown[0].title, QStringLiteral("Please wait!"));
    EXPECT_EQ(f.messages.shown[0].icon, platform::MessageBoxes::Icon::Information);
    EXPECT_EQ(cancelled, 0);

    w.state().updating = false;
    EXPECT_THROW(w.requestExit(), ProcessEnded);
    EXPECT_EQ(cancelled, 1) << "the transfer is cancelled on the way out";
    EXPECT_EQ(f.fake.settings.flushes, 1) << "saves reach the disk before the process ends at once";
}

TEST(MainWindow, DraggingByTheTimeSavesThePlaceForTheNextStart)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    RollingLabel &time = w.timeLabel();
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

    ClockWindow &again = f.load();
    EXPECT_EQ(again.pos(), QPoint(133, 68));
}

// A window manager that moves the window late reports the next motions from
// the window's old place: the pointer's way counts, not its place inside.
TEST(MainWindow, ADragFollowsThePointerWhenTheWindowMovesLate)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    RollingLabel &time = w.timeLabel();
    const QPoint start = w.pos();
    const QPointF grabbed = time.mapToGlobal(QPointF(10, 10));
    auto motion = [&](QEvent::Type type, QPointF travelled) {
        // Local as measured before the window's first move.
        QMouseEvent event(type, QPointF(10, 10) + travelled, grabbed + travelled, Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&time, &event);
    };
    motion(QEvent::MouseButtonPress, {});
    motion(QEvent::MouseMove, {20, 5});
    motion(QEvent::MouseMove, {40, 10});
    motion(QEvent::MouseButtonRelease, {40, 10});
    EXPECT_EQ(w.pos(), start + QPoint(40, 10));
}

TEST(MainWindow, UnderWaylandTheCompositorMovesTheWindowAndNoPlaceIsStored)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("FormX"), QStringLiteral("1500"));
    f.fake.settings.set(QStringLiteral("FormY"), QStringLiteral("900"));
    ClockWindow &w = f.make();
    w.platformName = QStringLiteral("wayland");
    w.start();
    const QPoint start = w.pos();
    LogCapture log;
    RollingLabel &time = w.timeLabel();
    sendMouse(time, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10), Qt::LeftButton);
    sendMouse(time, QEvent::MouseMove, Qt::NoButton, QPoint(210, 310), Qt::LeftButton);
    sendMouse(time, QEvent::MouseMove, Qt::NoButton, QPoint(230, 320), Qt::LeftButton);
    sendMouse(time, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(230, 320), Qt::NoButton);
    EXPECT_EQ(w.pos(), start);
    EXPECT_EQ(f.fake.settings.value(QStringLiteral("FormX")), QStringLiteral("1500"));
    EXPECT_EQ(f.fake.settings.value(QStringLiteral("FormY")), QStringLiteral("900"));
    // Offscreen has no compositor to hand the drag to: said once.
    EXPECT_EQ(log.texts(QStringLiteral("horalux.window")).size(), 1);
}

TEST(MainWindow, EveryTextAndTheBackgroundDragAlike)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    for (QWidget *control : std::initializer_list<QWidget *> {&w.zoneLabel(), &w.dateLabel(), &w.clockFace()}) {
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
    ClockWindow &w = f.load();
    RollingLabel &zone = w.zoneLabel();
    const QPoint start = w.pos();

    sendMouse(zone, QEvent::MouseButtonPress, Qt::MiddleButton, QPoint(5, 5), Qt::MiddleButton);
    sendMouse(zone, QEvent::MouseMove, Qt::NoButton, QPoint(50, 5), Qt::MiddleButton);
    EXPECT_EQ(w.pos(), start);

    // A left press, then a right release: the drag ends and the menu opens.
    sendMouse(zone, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
    sendMouse(zone, QEvent::MouseButtonRelease, Qt::MiddleButton, QPoint(5, 5), Qt::LeftButton);
    EXPECT_FALSE(w.menu().settingsMenu->isVisible()) << "a middle release opens no menu";
    sendMouse(zone, QEvent::MouseMove, Qt::NoButton, QPoint(40, 5), Qt::LeftButton);
    EXPECT_EQ(w.pos(), start) << "the middle release ended the drag";

    sendMouse(zone, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(5, 5), Qt::LeftButton);
    sendMouse(zone, QEvent::MouseButtonRelease, Qt::RightButton, QPoint(5, 5), Qt::NoButton);
    EXPECT_TRUE(w.menu().settingsMenu->isVisible());
    w.menu().settingsMenu->hide();

    sendMouse(w.nextZoneArrow(), QEvent::MouseButtonPress, Qt::RightButton, QPoint(3, 3), Qt::RightButton);
    sendMouse(w.nextZoneArrow(), QEvent::MouseButtonRelease, Qt::RightButton, QPoint(3, 3), Qt::NoButton);
    EXPECT_FALSE(w.menu().settingsMenu->isVisible()) << "the arrow has no menu";
}

TEST(MainWindow, MenuKeyAndShiftF10OpenTheMenuAtTheClock)
{
    const struct {
        const char *what;
        std::function<void(ClockWindow &)> ask;
    } ways[] = {
        {"Menu key", [](ClockWindow &w) { QTest::keyClick(w.windowHandle(), Qt::Key_Menu); }},
        {"Shift+F10", [](ClockWindow &w) { QTest::keyClick(w.windowHandle(), Qt::Key_F10, Qt::ShiftModifier); }},
        {"keyboard menu event",
         [](ClockWindow &w) {
             QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), w.mapToGlobal(QPoint(5, 5)));
             QApplication::sendEvent(&w, &event);
         }},
    };
    for (const auto &way : ways) {
        MainWindowFixture f;
        ClockWindow &w = f.load();
        w.move(40, 40);
        QCursor::setPos(700, 500);
        QTest::keyClick(w.windowHandle(), Qt::Key_F10);
        ASSERT_FALSE(w.menu().settingsMenu->isVisible()) << "F10 alone is not the menu's key";

        way.ask(w);
        const QMenu &menu = *w.menu().settingsMenu;
        EXPECT_TRUE(menu.isVisible()) << way.what;
        EXPECT_TRUE(QRect(w.mapToGlobal(QPoint(0, 0)), w.size()).contains(menu.geometry().topLeft()))
            << way.what << ": opens at the clock, not at the pointer";
    }
}

TEST(MainWindow, ClickingTheArrowMovesOnAtOnce)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    w.commands().freeze();
    sendMouse(w.nextZoneArrow(), QEvent::MouseButtonPress, Qt::LeftButton, QPoint(3, 3), Qt::LeftButton);
    sendMouse(w.nextZoneArrow(), QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(3, 3), Qt::NoButton);
    EXPECT_EQ(w.zoneTimer().interval(), 1);
    ASSERT_EQ(f.fake.sound.played.size(), 1u);
    EXPECT_TRUE(f.fake.sound.played[0].file.endsWith(QStringLiteral("/blip.wav")));
}

TEST(MainWindow, AScreenReaderReadsTheLabelsAndPressesTheArrowButton)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    for (RollingLabel *label : {&w.zoneLabel(), &w.timeLabel(), &w.dateLabel()}) {
        label->setText(label->objectName() + QStringLiteral(" now"));
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(label);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->role(), QAccessible::StaticText);
        EXPECT_EQ(read->text(QAccessible::Name), label->objectName() + QStringLiteral(" now"));
    }

    // A window, where a plain widget would be a "filler" to AT-SPI.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);

    w.commands().freeze();
    QAccessibleInterface *arrow = QAccessible::queryAccessibleInterface(&w.nextZoneArrow());
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->role(), QAccessible::Button);
    EXPECT_EQ(arrow->text(QAccessible::Name), QStringLiteral("Next time zone"));
    ASSERT_TRUE(arrow->actionInterface());
    arrow->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.zoneTimer().interval(), 1) << "pressed as a click moves on";
}

TEST(MainWindow, OnTopFollowsOnlyTheExactSwitchButPlaceAndSizeAlwaysApply)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("True"));
    ClockWindow &w = f.load();
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("true"));
    f.fake.settings.SaveSetting(QStringLiteral("Horalux"), QStringLiteral("Data"), QStringLiteral("FormX"),
                                QStringLiteral("3000"));
    w.resize(300, 300);
    w.applyOnTopAndPlace();
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "z-order unchanged";
    EXPECT_EQ(w.pos().x(), 200);
    EXPECT_EQ(w.size(), QSize(180, 80));

    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("False"));
    f.fake.settings.set(QStringLiteral("FormY"), QStringLiteral("not a number"));
    const int yBefore = w.pos().y();
    w.applyOnTopAndPlace();
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
    ClockWindow &w = f.load();
    QWindow *native = w.windowHandle();
    ASSERT_NE(native, nullptr);
    const WId id = w.winId();
    HideCounter counter;
    w.installEventFilter(&counter);
    for (const bool on : {true, false, true}) {
        f.fake.settings.set(QStringLiteral("ontop"), on ? QStringLiteral("True") : QStringLiteral("False"));
        w.applyOnTopAndPlace();
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
    ClockWindow &w = f.load();
    QDialog dialog(&w);
    dialog.show();
    const WId id = dialog.winId();
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "shown beside an on-top clock";
    for (const bool on : {false, true, false}) {
        f.fake.settings.set(QStringLiteral("ontop"), on ? QStringLiteral("True") : QStringLiteral("False"));
        w.applyOnTopAndPlace();
        EXPECT_EQ(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(dialog.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_EQ(dialog.winId(), id) << "changed in place";
        EXPECT_TRUE(dialog.isVisible());
    }
    QDialog later(&w);
    later.show();
    EXPECT_FALSE(later.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "shown beside a normal clock";
    f.fake.settings.set(QStringLiteral("ontop"), QStringLiteral("True"));
    w.applyOnTopAndPlace();
    EXPECT_TRUE(later.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(w.menu().settingsMenu->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "menus are popups";
}

TEST(MainWindow, TheWindowAppearsOnceStartUpIsDoneWhateverTheOnTopSwitch)
{
    for (const char *ontop : {"True", "False", "true"}) {
        SCOPED_TRACE(ontop);
        MainWindowFixture f;
        f.fake.settings.set(QStringLiteral("ontop"), QString::fromLatin1(ontop));
        ClockWindow &w = f.make();
        const qint64 before = f.fake.loop.now();
        w.start();
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.zoneLabel().text(), QStringLiteral("United Kingdom")) << "typed before it appears";
        EXPECT_LT(f.fake.loop.now() - before, Rotation::TypingStepMs) << "unseen letters keep nobody waiting";
        EXPECT_EQ(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint), QLatin1String(ontop) == QLatin1String("True"));
    }
}

TEST(MainWindow, CustomMenuEntriesFollowTheStoredNames)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("tz1"), QString());
    f.fake.settings.set(QStringLiteral("tz2"), QStringLiteral("Goa"));
    ClockWindow &w = f.load();
    EXPECT_FALSE(w.menu().customItem(1)->isVisible());
    EXPECT_TRUE(w.menu().customItem(2)->isVisible());
    EXPECT_EQ(w.menu().customItem(2)->text(), QStringLiteral("Goa"));
}

// The roll follows the tick counter, which the fixture's virtual time drives:
// moved past the roll's end, the next frame of the window's timer ends it.
void rollOut(MainWindowFixture &f, ClockWindow &w)
{
    f.fake.loop.advance(2 * 37 * ClockTick::RollStepMs);
    const QDeadlineTimer deadline(5000);
    while (w.state().zoneJustShown && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
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
        ClockWindow &w = f.load();
        w.clockTimer().setInterval(0);
        f.fake.clock.setNow(QDate(2026, 12, 7), s.time);
        w.state().zoneJustShown = true;
        w.onClockTimer();
        rollOut(f, w);
        const QImage image = w.grab().toImage();
        ASSERT_TRUE(image.save(folder + QStringLiteral("/%1.png").arg(QLatin1String(s.name))));
        EXPECT_EQ(w.timeLabel().palette().color(QPalette::WindowText) == QColor(Qt::yellow), s.night) << s.name;
    }
}

TEST(MainWindow, TheDateLabelKeepsItsDesignCaptionUntilTheFirstTick)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    w.clockTimer().setInterval(0);
    EXPECT_EQ(w.zoneLabel().text(), QStringLiteral("United Kingdom"));
    EXPECT_EQ(w.dateLabel().text(), QStringLiteral("Local time: 12:12:12")) << "no tick has run yet";
    w.onClockTimer();
    rollOut(f, w);
    EXPECT_EQ(w.dateLabel().text(), QStringLiteral("07th December 2026"));
}

TEST(MainWindow, WithNoCustomZoneNamedTheSubmenuEndsWithWellington)
{
    MainWindowFixture f;
    f.fake.settings.set(QStringLiteral("tz1"), QString());
    ClockWindow &w = f.load();
    QStringList zones;
    for (QAction *a : w.menu().showZoneMenu->actions()) {
        if (a->isVisible())
            zones << a->text();
    }
    ASSERT_EQ(zones.size(), 24);
    EXPECT_EQ(zones.last(), QStringLiteral("Wellington, New Zealand"));
    EXPECT_FALSE(w.menu().customItem(1)->isVisible());
    EXPECT_FALSE(w.menu().customItem(2)->isVisible());
}

TEST(MainWindow, MoscowFromTheRealMenuIsTypedWithAPlus)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
    QAction *moscow = nullptr;
    for (QAction *a : w.menu().showZoneMenu->actions()) {
        if (a->text() == QLatin1String("Moscow, Volgograd"))
            moscow = a;
    }
    ASSERT_NE(moscow, nullptr);
    EXPECT_EQ(moscow->objectName(), QStringLiteral("showMoscowAction"));
    w.clockTimer().setInterval(0); // no tick to read the zone meanwhile
    moscow->trigger();
    EXPECT_TRUE(w.rotation().isTyping());
    // The letters come from the window's own timer, on the program's one event loop.
    const QDeadlineTimer deadline(5000);
    while (w.rotation().isTyping() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_EQ(w.zoneLabel().text(), QStringLiteral("Moscow + Volgograd"));
    EXPECT_EQ(w.zoneTimer().interval(), 60000);
    EXPECT_EQ(w.state().zoneOffset.hours, 3);
    EXPECT_TRUE(w.state().zoneDaylightSaving);
    EXPECT_TRUE(w.state().zoneJustShown);
}

// The window manager's close is not the Exit command: it ends the clock even
// while an update downloads, and asks nothing.
TEST(MainWindow, ClosedByTheWindowManagerDuringAnUpdateItEndsWithoutAsking)
{
    MainWindowFixture f;
    ClockWindow &w = f.load();
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
