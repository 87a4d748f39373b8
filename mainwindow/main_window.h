// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/clock_state.h"
#include "engine/clock_tick.h"
#include "engine/rotation.h"
#include "engine/typed_settings.h"
#include "engine/zone_commands.h"
#include "mainwindow/clock_face.h"
#include "mainwindow/context_menu.h"
#include "mainwindow/rolling_label.h"
#include "mainwindow/widget_pieces.h"
#include "settings/main_window_link.h"

#include <QLabel>
#include <QWidget>

#include <functional>

class UpdateCheck;

namespace platform {
class MessageBoxes;
struct Services;
} // namespace platform

// The clock's one window: borderless, 180 x 80, a background picture with the
// zone's name, time and date over it and a small next-zone arrow.
class frm_main final : public QWidget, public MainWindowLink {
    Q_OBJECT

public:
    frm_main(const platform::Services &services, platform::MessageBoxes &messages, UpdateCheck &updateCheck,
             QWidget *parent = nullptr);
    ~frm_main() override;

    // Everything between launch and the first tick.
    void Form_Load();

    void Timer1_Timer() { m_tick.Timer1_Timer(); }
    void zonetimer_Timer() { m_rotation.zonetimer_Timer(); }
    void mnu_showsettings_Click();
    void mnu_about_Click();
    void mnu_help_Click();
    void mnu_exit_Click();

    // MainWindowLink
    void ontop() override;
    void setCustomMenuEntryVisible(int number, bool visible) override;
    void setCustomMenuEntryCaption(int number, const QString &caption) override;
    void loadBackgroundPicture(const QString &path) override;
    QRect placeOnScreen() const override;

    // Commands the later parts of the program plug in.
    std::function<void()> openSettings;
    std::function<void()> openAbout;
    std::function<void()> openHelp;
    std::function<void()> cancelTransfers;

    ClockState &state() { return m_state; }
    const ContextMenu &menu() const { return m_menu; }
    Rotation &rotation() { return m_rotation; }
    ZoneCommands &commands() { return m_commands; }
    TimerPiece &Timer1() { return m_timer1; }
    TimerPiece &zonetimer() { return m_zonetimer; }
    QLabel &Image1() { return m_image1; }
    QLabel &Image2() { return m_image2; }
    RollingLabel &lab_zone() { return m_labZone; }
    RollingLabel &lab_time() { return m_labTime; }
    RollingLabel &lab_local() { return m_labLocal; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void childEvent(QChildEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectMenu();
    void Form_Unload();
    // The drag family, shared by the three labels and the background.
    void control_MouseDown(Qt::MouseButton button, QPointF positionTwips);
    void control_MouseMove(QPointF positionTwips);
    void control_MouseUp(Qt::MouseButton button, QPoint globalPosition);
    // The clock's on-top state holds for it and for the dialogs it owns.
    void applyTopmost(bool topmost);
    QList<QWidget *> ownDialogs() const;
    void dialog_Show(QWidget &dialog);
    void moveToStoredPlace();
    TypedSettings settings() const;

    const platform::Services &m_services;
    platform::MessageBoxes &m_messages;

    ClockFace m_image1 {this};
    RollingLabel m_labZone {this};
    RollingLabel m_labTime {this};
    RollingLabel m_labLocal {this};
    QLabel m_image2 {this};
    ContextMenu m_menu;

    LabelPiece m_zonePiece {m_labZone};
    LabelPiece m_timePiece {m_labTime};
    LabelPiece m_localPiece {m_labLocal};
    PicturePiece m_backgroundPiece {m_image1};
    TimerPiece m_timer1;
    TimerPiece m_zonetimer;

    ClockState m_state;
    ClockTick m_tick;
    Rotation m_rotation;
    ZoneCommands m_commands;

    // Form_Load runs: the window is shown once, at its end.
    bool m_loading = false;
    bool m_dragging = false;
    float m_formleft = 0;
    float m_formtop = 0;
    qint32 m_grabx = 0;
    qint32 m_graby = 0;
};
