// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/main_window.h"

#include "engine/local_zone.h"
#include "engine/typed_settings.h"
#include "engine/zone_catalogue.h"
#include "mainwindow/desktop_accessory.h"
#include "mainwindow/twips.h"
#include "mainwindow/window_placement.h"
#include "platform/image_file.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "settings/first_start.h"

#include <QAction>
#include <QChildEvent>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace {

const QString kOptionsTip = QStringLiteral("Right click for options");

QFont arial(double points)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    return font;
}

void setUpLabel(QLabel &label, const QRect &geometry, const QString &caption, const QFont &font)
{
    label.setGeometry(geometry);
    label.setText(caption);
    label.setFont(font);
    // Top-aligned like the original labels, so the roll clips the text from below.
    label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label.setToolTip(kOptionsTip);
    label.setAttribute(Qt::WA_TranslucentBackground);
    label.setAutoFillBackground(false);
    label.setTextFormat(Qt::PlainText);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(palette);
}

} // namespace

frm_main::frm_main(const platform::Services &services, platform::MessageBoxes &messages, UpdateCheck &updateCheck,
                   QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Tool),
      m_services(services),
      m_messages(messages),
      m_menu(buildContextMenu(this)),
      m_tick(m_state, services, {m_zonePiece, m_timePiece, m_localPiece}, m_backgroundPiece),
      m_rotation(m_state, services, m_zonePiece, m_zonetimer, updateCheck),
      m_commands(services, m_rotation, m_zonetimer)
{
    setObjectName(QStringLiteral("frm_main"));
    setWindowTitle(QStringLiteral("Horalux"));
    // Shown without taking the focus from what the user is doing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    buildControls();
    connectMenu();
    m_timer1.setAlignedToWallSeconds(true);
    m_timer1.setHandler([this] { Timer1_Timer(); });
    m_zonetimer.setHandler([this] { zonetimer_Timer(); });
}

frm_main::~frm_main() = default;

void frm_main::buildControls()
{
    setFont(arial(8.25));
    setFixedSize(window_placement::WindowSize);
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(platform::readPixmap(QStringLiteral(":/horalux/icon-%1.png").arg(size), "png"));
    setWindowIcon(icon);

    m_image1.setObjectName(QStringLiteral("Image1"));
    m_image1.setGeometry(twips::rect(0, 0, 2700, 1200));
    m_image1.setToolTip(kOptionsTip);
    m_backgroundPiece.loadPicture(QStringLiteral(":/horalux/background.bmp"));

    m_labZone.setObjectName(QStringLiteral("lab_zone"));
    setUpLabel(m_labZone, twips::rect(510, 120, 2100, 255), QStringLiteral("Waiting for data"), arial(8.25));
    m_labTime.setObjectName(QStringLiteral("lab_time"));
    setUpLabel(m_labTime, twips::rect(100, 360, 2490, 525), QStringLiteral("12:12:12 pm"), arial(20.25));
    m_labLocal.setObjectName(QStringLiteral("lab_local"));
    setUpLabel(m_labLocal, twips::rect(120, 870, 2250, 255), QStringLiteral("Local time: 12:12:12"), arial(8.25));
    m_image1.carry({&m_labZone, &m_labTime, &m_labLocal});

    m_image2.setObjectName(QStringLiteral("Image2"));
    m_image2.setGeometry(twips::rect(2390, 900, 195, 150));
    m_image2.setPixmap(loadPixmapForScreen(QStringLiteral(":/horalux/next.png"), devicePixelRatioF()));
    m_image2.setToolTip(QStringLiteral("Click here to move on to the next time zone"));
    m_image2.setCursor(Qt::PointingHandCursor);

    for (QLabel *control : std::initializer_list<QLabel *> {&m_image1, &m_labZone, &m_labTime, &m_labLocal, &m_image2})
        control->installEventFilter(this);
}

void frm_main::connectMenu()
{
    connect(m_menu.mnu_showsettings, &QAction::triggered, this, [this] { mnu_showsettings_Click(); });
    for (const auto &[action, zone] : m_menu.presetItems) {
        const PresetZone *shown = zone;
        connect(action, &QAction::triggered, this, [this, shown] { m_commands.showPreset(*shown); });
    }
    connect(m_menu.mnu_custom1, &QAction::triggered, this, [this] { m_commands.mnu_custom1_Click(); });
    connect(m_menu.mnu_custom2, &QAction::triggered, this, [this] { m_commands.mnu_custom2_Click(); });
    connect(m_menu.mnu_freeze, &QAction::triggered, this, [this] { m_commands.mnu_freeze_Click(); });
    connect(m_menu.mnu_about, &QAction::triggered, this, [this] { mnu_about_Click(); });
    connect(m_menu.mnu_help, &QAction::triggered, this, [this] { mnu_help_Click(); });
    connect(m_menu.mnu_exit, &QAction::triggered, this, [this] { mnu_exit_Click(); });
}

TypedSettings frm_main::settings() const
{
    return TypedSettings(m_services.settings);
}

void frm_main::Form_Load()
{
    if (m_services.processes.previousInstanceRunning())
        m_services.processes.endNow(0);

    settings::settleFirstStart24hr(m_services.settings, QLocale::system());
    m_state.timesynced = false;

    for (int number : {1, 2}) {
        const QString name = settings().text(setting::customName(number));
        setCustomMenuEntryVisible(number, !name.isEmpty());
        if (!name.isEmpty())
            setCustomMenuEntryCaption(number, name);
    }

    setLocalOffset(m_state, GetLocalTZ(m_services.timeZone));
    m_loading = true;
    ontop();
    // The first name is typed unseen: the clock appears once it is ready,
    // without keeping the user waiting for letters nobody saw.
    m_rotation.loadzone(Rotation::Typing::Unseen);
    m_timer1.setInterval(1000);
    m_zonetimer.setInterval(m_rotation.scanIntervalMs());
    m_loading = false;
    keepOutOfTaskbarAndPager(*this);
    show();
}

void frm_main::mnu_exit_Click()
{
    if (m_state.updating) {
        m_messages.show(QStringLiteral("Sorry, you can`t exit during an update. Please wait!"),
                        QStringLiteral("Please wait!"), platform::MessageBoxes::Icon::Information);
        return;
    }
    Form_Unload();
}

void frm_main::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void frm_main::Form_Unload()
{
    if (cancelTransfers)
        cancelTransfers();
    // Everything is already saved (positions while dragging, settings when
    // changed); only the flush to disk may still be waiting.
    m_services.settings.flush();
    m_services.processes.endNow(0);
}

void frm_main::mnu_showsettings_Click()
{
    if (openSettings)
        openSettings();
}

void frm_main::mnu_about_Click()
{
    if (openAbout)
        openAbout();
}

void frm_main::mnu_help_Click()
{
    if (openHelp)
        openHelp();
}

void frm_main::ontop()
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

void frm_main::applyTopmost(bool topmost)
{
    setStaysOnTop(*this, topmost);
    for (QWidget *dialog : ownDialogs())
        setStaysOnTop(*dialog, topmost);
    if (!m_loading)
        show();
}

QList<QWidget *> frm_main::ownDialogs() const
{
    QList<QWidget *> dialogs;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->windowType() == Qt::Dialog)
            dialogs << child;
    }
    return dialogs;
}

void frm_main::childEvent(QChildEvent *event)
{
    // A dialog is told how to stand when it is shown, not when made: its
    // own constructor still sets its flags after it is added here.
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWidget::childEvent(event);
}

void frm_main::dialog_Show(QWidget &dialog)
{
    // Window managers keep a transient above its owner within one layer
    // only: an on-top clock would otherwise cover its own dialog.
    setStaysOnTop(dialog, windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    withoutMinimiseUnderOpenbox(dialog);
}

void frm_main::moveToStoredPlace()
{
    const auto left = window_placement::parseEdge(settings().text(setting::FormX));
    const auto top = window_placement::parseEdge(settings().text(setting::FormY));
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->geometry();
    const QScreen *primary = QGuiApplication::primaryScreen();
    move(window_placement::place(left, top, pos(), screens, primary ? primary->geometry() : QRect()));
}

QRect frm_main::placeOnScreen() const
{
    return QRect(topLeftOnScreen(*this), size());
}

void frm_main::setCustomMenuEntryVisible(int number, bool visible)
{
    m_menu.customItem(number)->setVisible(visible);
}

void frm_main::setCustomMenuEntryCaption(int number, const QString &caption)
{
    QString escaped = caption;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    m_menu.customItem(number)->setText(escaped);
}

void frm_main::loadBackgroundPicture(const QString &path)
{
    m_backgroundPiece.loadPicture(path);
}

bool frm_main::eventFilter(QObject *watched, QEvent *event)
{
    const bool isImage2 = watched == &m_image2;
    const bool isControl =
        isImage2 || watched == &m_image1 || watched == &m_labZone || watched == &m_labTime || watched == &m_labLocal;
    if (!isControl) {
        auto *owned = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && owned->windowType() == Qt::Dialog && owned->parentWidget() == this)
            dialog_Show(*owned);
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (isImage2)
            return true;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        control_MouseDown(mouse->button(), mouse->position() * twips::PerPixel);
        return true;
    }
    case QEvent::MouseMove: {
        if (isImage2)
            return true;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        control_MouseMove(mouse->position() * twips::PerPixel);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (isImage2) {
            if (mouse->button() == Qt::LeftButton && m_image2.rect().contains(mouse->position().toPoint()))
                m_commands.Image2_Click();
            return true;
        }
        control_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
        return true;
    }
    default: return QWidget::eventFilter(watched, event);
    }
}

void frm_main::control_MouseDown(Qt::MouseButton button, QPointF positionTwips)
{
    if (button != Qt::LeftButton || m_dragging)
        return;
    m_grabx = qint32(std::lround(positionTwips.x()));
    m_graby = qint32(std::lround(positionTwips.y()));
    // Asked of the window system, or the drag would jump from where Qt
    // thinks a freshly framed clock stands.
    const QPoint edge = topLeftOnScreen(*this);
    m_formleft = float(twips::fromPixels(edge.x()));
    m_formtop = float(twips::fromPixels(edge.y()));
    m_dragging = true;
}

void frm_main::control_MouseMove(QPointF positionTwips)
{
    if (!m_dragging)
        return;
    // Keeps the grabbed point under the pointer; the control moves with the
    // window, so the pointer's offset inside it is the distance still to go.
    move(twips::toPixels(m_formleft + (positionTwips.x() - m_grabx)),
         twips::toPixels(m_formtop + (positionTwips.y() - m_graby)));
    m_formleft = float(twips::fromPixels(x()));
    m_formtop = float(twips::fromPixels(y()));
    settings().save(setting::FormX, window_placement::edgeText(m_formleft));
    settings().save(setting::FormY, window_placement::edgeText(m_formtop));
}

void frm_main::control_MouseUp(Qt::MouseButton button, QPoint globalPosition)
{
    m_dragging = false;
    if (button != Qt::RightButton)
        return;
    QMenu *popup = m_menu.mnu_settings;
    const QSize size = popup->sizeHint();
    popup->popup(QPoint(globalPosition.x() - size.width() / 2, globalPosition.y()));
}
