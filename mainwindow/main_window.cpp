// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/main_window.h"

#include "engine/first_start.h"
#include "engine/local_zone.h"
#include "engine/typed_settings.h"
#include "engine/zone_catalogue.h"
#include "mainwindow/desktop_accessory.h"
#include "mainwindow/twips.h"
#include "mainwindow/window_log.h"
#include "mainwindow/window_placement.h"
#include "platform/image_file.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/settings_store.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cmath>

namespace {

QFont arial(double points)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    return font;
}

void setUpLabel(RollingLabel &label, const QRect &geometry, const QString &caption, const QFont &font)
{
    label.setGeometry(geometry);
    label.setText(caption);
    label.setFont(font);
    label.setToolTip(ClockWindow::tr("Right click for options"));
    label.setAttribute(Qt::WA_TranslucentBackground);
    label.setAutoFillBackground(false);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
}

} // namespace

ClockWindow::ClockWindow(const platform::Services &services, platform::MessageBoxes &messages, UpdateCheck &updateCheck,
                         QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool),
      m_services(services),
      m_messages(messages),
      m_menu(buildContextMenu(this)),
      m_tick(m_state, services, {m_zonePiece, m_timePiece, m_datePiece}, m_backgroundPiece, m_rollTimer),
      m_rotation(m_state, services, m_zonePiece, m_zoneTimer, m_typingTimer, updateCheck),
      m_commands(services, m_rotation, m_zoneTimer)
{
    setObjectName(QStringLiteral("ClockWindow"));
    setWindowTitle(QStringLiteral("Horalux"));
    // Shown without taking the focus from what the user is doing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    installClockAccessibility();
    buildControls();
    connectMenu();
    m_clockTimer.setAlignedToWallSeconds(true);
    m_clockTimer.setHandler([this] { onClockTimer(); });
    m_zoneTimer.setHandler([this] { onZoneTimer(); });
}

ClockWindow::~ClockWindow() = default;

void ClockWindow::buildControls()
{
    setFont(arial(8.25));
    setFixedSize(window_placement::WindowSize);
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(platform::readPixmap(QStringLiteral(":/horalux/icon-%1.png").arg(size), "png"));
    setWindowIcon(icon);

    m_clockFace.setObjectName(QStringLiteral("clockFace"));
    m_clockFace.setGeometry(twips::rect(0, 0, 2700, 1200));
    m_clockFace.setToolTip(tr("Right click for options"));
    m_backgroundPiece.loadPicture(QStringLiteral(":/horalux/background.bmp"));

    m_zoneLabel.setObjectName(QStringLiteral("zoneLabel"));
    setUpLabel(m_zoneLabel, twips::rect(510, 120, 2100, 255), tr("Waiting for data"), arial(8.25));
    m_timeLabel.setObjectName(QStringLiteral("timeLabel"));
    setUpLabel(m_timeLabel, twips::rect(100, 360, 2490, 525), QStringLiteral("12:12:12 pm"), arial(20.25));
    m_dateLabel.setObjectName(QStringLiteral("dateLabel"));
    setUpLabel(m_dateLabel, twips::rect(120, 870, 2250, 255), tr("Local time: 12:12:12"), arial(8.25));
    m_clockFace.carry({&m_zoneLabel, &m_timeLabel, &m_dateLabel});

    m_nextZoneArrow.setObjectName(QStringLiteral("nextZoneArrow"));
    m_nextZoneArrow.setGeometry(twips::rect(2390, 900, 195, 150));
    m_nextZoneArrow.setPixmap(loadPixmapForScreen(QStringLiteral(":/horalux/next.png"), devicePixelRatioF()));
    m_nextZoneArrow.setToolTip(tr("Click here to move on to the next time zone"));
    m_nextZoneArrow.setCursor(Qt::PointingHandCursor);

    for (QWidget *control :
         std::initializer_list<QWidget *> {&m_clockFace, &m_zoneLabel, &m_timeLabel, &m_dateLabel, &m_nextZoneArrow})
        control->installEventFilter(this);
}

void ClockWindow::connectMenu()
{
    connect(m_menu.settingsAction, &QAction::triggered, this, [this] { showSettings(); });
    for (const auto &[action, zone] : m_menu.presetItems) {
        const PresetZone *shown = zone;
        connect(action, &QAction::triggered, this, [this, shown] { m_commands.showPreset(*shown); });
    }
    for (int number = 1; number <= zone_catalogue::CustomCount; ++number)
        connect(m_menu.customItem(number), &QAction::triggered, this,
                [this, number] { m_commands.showCustom(number); });
    connect(m_menu.freezeAction, &QAction::triggered, this, [this] { m_commands.freeze(); });
    connect(m_menu.aboutAction, &QAction::triggered, this, [this] { showAbout(); });
    connect(m_menu.helpAction, &QAction::triggered, this, [this] { showHelp(); });
    connect(m_menu.exitAction, &QAction::triggered, this, [this] { requestExit(); });
}

TypedSettings ClockWindow::settings() const
{
    return TypedSettings(m_services.settings);
}

void ClockWindow::start()
{
    if (m_services.processes.previousInstanceRunning())
        m_services.processes.endNow(0);
    // With no taskbar entry, starting the program again is how a user finds
    // a clock buried under other windows.
    m_services.processes.onActivationRequest([this](const QByteArray &token) { comeToFront(token); });

    settings::settleFirstStart24hr(m_services.settings, QLocale::system());
    m_state.timeSyncStarted = false;

    for (int number = 1; number <= zone_catalogue::CustomCount; ++number) {
        const QString name = settings().text(setting::customName(number));
        setCustomMenuEntryVisible(number, !name.isEmpty());
        if (!name.isEmpty())
            setCustomMenuEntryCaption(number, name);
    }

    setLocalOffset(m_state, machineGmtOffset(m_services.timeZone));
    m_loading = true;
    applyOnTopAndPlace();
    // The first name is typed unseen: the clock appears once it is ready,
    // without keeping the user waiting for letters nobody saw.
    m_rotation.showNextZone(Rotation::Typing::Unseen);
    m_clockTimer.setInterval(1000);
    m_zoneTimer.setInterval(m_rotation.scanIntervalMs());
    m_loading = false;
    keepOutOfTaskbarAndPager(*this);
    show();
}

void ClockWindow::requestExit()
{
    if (m_state.updating) {
        m_messages.show(tr("Sorry, you can`t exit during an update. Please wait!"), tr("Please wait!"),
                        platform::MessageBoxes::Icon::Information);
        return;
    }
    quit();
}

void ClockWindow::comeToFront(const QByteArray &token)
{
    show();
    raise();
    bringForward(*this, token);
}

void ClockWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    quit();
}

void ClockWindow::quit()
{
    if (cancelTransfers)
        cancelTransfers();
    // Everything is already saved (positions while dragging, settings when
    // changed); only the flush to disk may still be waiting.
    m_services.settings.flush();
    m_services.processes.endNow(0);
}

void ClockWindow::showSettings()
{
    if (openSettings)
        openSettings();
}

void ClockWindow::showAbout()
{
    if (openAbout)
        openAbout();
}

void ClockWindow::showHelp()
{
    if (openHelp)
        openHelp();
}

void ClockWindow::applyOnTopAndPlace()
{
    const TypedSettings::SwitchState wanted = settings().switchState(setting::OnTop);
    // Place before showing, so a first start does not flash at the screen's corner.
    moveToStoredPlace();
    if (wanted == TypedSettings::SwitchState::True)
        applyTopmost(true);
    else if (wanted == TypedSettings::SwitchState::False)
        applyTopmost(false);
    moveToStoredPlace();
    setFixedSize(window_placement::WindowSize);
}

void ClockWindow::applyTopmost(bool topmost)
{
    setStaysOnTop(*this, topmost);
    for (QWidget *dialog : ownDialogs())
        setStaysOnTop(*dialog, topmost);
    if (!m_loading)
        show();
}

QList<QWidget *> ClockWindow::ownDialogs() const
{
    QList<QWidget *> dialogs;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->windowType() == Qt::Dialog)
            dialogs << child;
    }
    return dialogs;
}

void ClockWindow::childEvent(QChildEvent *event)
{
    // A dialog is told how to stand when it is shown, not when made: its
    // own constructor still sets its flags after it is added here.
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWidget::childEvent(event);
}

void ClockWindow::onDialogShown(QWidget &dialog)
{
    // Window managers keep a transient above its owner within one layer
    // only: an on-top clock would otherwise cover its own dialog.
    setStaysOnTop(dialog, windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    withoutMinimiseUnderOpenbox(dialog);
}

void ClockWindow::onActiveDialogClosed()
{
    // Openbox gives the focus to no window when a dialog of a clock kept out
    // of the taskbar closes, and its Alt+Tab passes over the clock: the keys
    // would reach nothing. Asked for only where the window manager chose no
    // window of ours, after it has had time to choose.
    constexpr int kFocusSettleMs = 200;
    QTimer::singleShot(kFocusSettleMs, this, [this] {
        if (!QApplication::activeWindow() && isVisible())
            activateWindow();
    });
}

void ClockWindow::moveToStoredPlace()
{
    const auto left = window_placement::parseEdge(settings().text(setting::FormX));
    const auto top = window_placement::parseEdge(settings().text(setting::FormY));
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QScreen *primary = QGuiApplication::primaryScreen();
    move(window_placement::place(left, top, pos(), screens, primary ? primary->geometry() : QRect()));
}

QRect ClockWindow::placeOnScreen() const
{
    return QRect(topLeftOnScreen(*this), size());
}

void ClockWindow::setCustomMenuEntryVisible(int number, bool visible)
{
    m_menu.customItem(number)->setVisible(visible);
}

void ClockWindow::setCustomMenuEntryCaption(int number, const QString &caption)
{
    QString escaped = caption;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    m_menu.customItem(number)->setText(escaped);
}

void ClockWindow::loadBackgroundPicture(const QString &path)
{
    m_backgroundPiece.loadPicture(path);
}

bool ClockWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool isNextZoneArrow = watched == &m_nextZoneArrow;
    const bool isControl = isNextZoneArrow || watched == &m_clockFace || watched == &m_zoneLabel
        || watched == &m_timeLabel || watched == &m_dateLabel;
    if (!isControl) {
        auto *owned = static_cast<QWidget *>(watched);
        const bool ownDialog = owned->windowType() == Qt::Dialog && owned->parentWidget() == this;
        if (event->type() == QEvent::Show && ownDialog)
            onDialogShown(*owned);
        else if (event->type() == QEvent::Close && ownDialog && owned->isActiveWindow())
            onActiveDialogClosed();
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (isNextZoneArrow)
            return true;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        onControlPressed(mouse->button(), mouse->globalPosition());
        return true;
    }
    case QEvent::MouseMove: {
        if (isNextZoneArrow)
            return true;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        onControlMoved(mouse->globalPosition());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (isNextZoneArrow) {
            if (mouse->button() == Qt::LeftButton && m_nextZoneArrow.rect().contains(mouse->position().toPoint()))
                m_commands.showNextZoneNow();
            return true;
        }
        onControlReleased(mouse->button(), mouse->globalPosition().toPoint());
        return true;
    }
    default: return QWidget::eventFilter(watched, event);
    }
}

void ClockWindow::onControlPressed(Qt::MouseButton button, QPointF globalPosition)
{
    if (button != Qt::LeftButton || m_dragging)
        return;
    m_grabbedAt = globalPosition;
    // Asked of the window system, or the drag would jump from where Qt
    // thinks a freshly framed clock stands.
    m_edgeAtGrab = topLeftOnScreen(*this);
    m_dragging = true;
}

void ClockWindow::onControlMoved(QPointF globalPosition)
{
    if (!m_dragging)
        return;
    if (underWayland()) {
        // The compositor takes the drag over, pointer and all, and where it
        // leaves the window is never told: the place stored from X sessions
        // stays theirs.
        m_dragging = false;
        if (QWindow *native = windowHandle(); !native || !native->startSystemMove())
            qCWarning(lcWindow) << "the compositor refused to move the window";
        return;
    }
    // From where the pointer and the window were at the press, never from
    // the pointer inside the window: a window manager that moves the window
    // late leaves motions measured from its old place, and each would be
    // counted twice.
    const QPointF travelled = globalPosition - m_grabbedAt;
    move(m_edgeAtGrab + travelled.toPoint());
    settings().save(setting::FormX, window_placement::edgeText(float(twips::fromPixels(x()))));
    settings().save(setting::FormY, window_placement::edgeText(float(twips::fromPixels(y()))));
}

void ClockWindow::onControlReleased(Qt::MouseButton button, QPoint globalPosition)
{
    m_dragging = false;
    if (button != Qt::RightButton)
        return;
    QMenu *popup = m_menu.settingsMenu;
    const QSize size = popup->sizeHint();
    popup->popup(QPoint(globalPosition.x() - size.width() / 2, globalPosition.y()));
}

bool ClockWindow::underWayland() const
{
    return platformName.startsWith(QLatin1String("wayland"));
}

void ClockWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // The pointer's menu opens on the right button's release instead.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    openMenuAtClock();
}

void ClockWindow::keyPressEvent(QKeyEvent *event)
{
    // Not every platform makes a menu event of these keys (none does of Shift+F10 here).
    if (event->key() == Qt::Key_Menu || event->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)) {
        openMenuAtClock();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClockWindow::openMenuAtClock()
{
    // Under X11 the Menu key brings a menu event and then the key itself.
    if (m_menu.settingsMenu->isVisible())
        return;
    m_menu.settingsMenu->popup(topLeftOnScreen(*this) + rect().center());
}
