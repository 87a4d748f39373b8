// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/clock_state.h"
#include "engine/clock_tick.h"
#include "engine/rotation.h"
#include "engine/typed_settings.h"
#include "engine/zone_commands.h"
#include "mainwindow/clock_accessibility.h"
#include "mainwindow/clock_face.h"
#include "mainwindow/context_menu.h"
#include "mainwindow/rolling_label.h"
#include "mainwindow/widget_pieces.h"
#include "settingsdialog/main_window_link.h"

#include <QGuiApplication>
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
class ClockWindow final : public QWidget, public MainWindowLink {
    Q_OBJECT

public:
    ClockWindow(const platform::Services &services, platform::MessageBoxes &messages, UpdateCheck &updateCheck,
                QWidget *parent = nullptr);
    ~ClockWindow() override;

    // Everything between launch and the first tick.
    void start();

    void onClockTimer() { m_tick.onClockTimer(); }
    void onZoneTimer() { m_rotation.onZoneTimer(); }
    void showSettings();
    void showAbout();
    void showHelp();
    void requestExit();
    // Shown, raised and given the focus, for a later start of the program,
    // with its leave to take the focus (it may be empty).
    void comeToFront(const QByteArray &token = QByteArray());

    // MainWindowLink
    void applyOnTopAndPlace() override;
    void setCustomMenuEntryVisible(int number, bool visible) override;
    void setCustomMenuEntryCaption(int number, const QString &caption) override;
    void loadBackgroundPicture(const QString &path) override;
    QRect placeOnScreen() const override;

    // Commands the later parts of the program plug in.
    std::function<void()> openSettings;
    std::function<void()> openAbout;
    std::function<void()> openHelp;
    std::function<void()> cancelTransfers;
    // Qt's platform plugin. Under Wayland only the compositor moves windows,
    // and a client never learns where its window stands.
    QString platformName = QGuiApplication::platformName();

    ClockState &state() { return m_state; }
    const ContextMenu &menu() const { return m_menu; }
    Rotation &rotation() { return m_rotation; }
    ZoneCommands &commands() { return m_commands; }
    TimerPiece &clockTimer() { return m_clockTimer; }
    TimerPiece &zoneTimer() { return m_zoneTimer; }
    QLabel &clockFace() { return m_clockFace; }
    QLabel &nextZoneArrow() { return m_nextZoneArrow; }
    RollingLabel &zoneLabel() { return m_zoneLabel; }
    RollingLabel &timeLabel() { return m_timeLabel; }
    RollingLabel &dateLabel() { return m_dateLabel; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void childEvent(QChildEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void connectMenu();
    void quit();
    // The drag family, shared by the three labels and the background.
    void onControlPressed(Qt::MouseButton button, QPointF globalPosition);
    void onControlMoved(QPointF globalPosition);
    void onControlReleased(Qt::MouseButton button, QPoint globalPosition);
    bool underWayland() const;
    // For the keyboard: the pointer may be anywhere, so the menu opens on the clock.
    void openMenuAtClock();
    // The clock's on-top state holds for it and for the dialogs it owns.
    void applyTopmost(bool topmost);
    QList<QWidget *> ownDialogs() const;
    void onDialogShown(QWidget &dialog);
    void onActiveDialogClosed();
    void moveToStoredPlace();
    TypedSettings settings() const;

    const platform::Services &m_services;
    platform::MessageBoxes &m_messages;

    ClockFace m_clockFace {this};
    RollingLabel m_zoneLabel {this};
    RollingLabel m_timeLabel {this};
    RollingLabel m_dateLabel {this};
    NextZoneArrow m_nextZoneArrow {this};
    ContextMenu m_menu;

    LabelPiece m_zonePiece {m_zoneLabel};
    LabelPiece m_timePiece {m_timeLabel};
    LabelPiece m_datePiece {m_dateLabel};
    PicturePiece m_backgroundPiece {m_clockFace};
    TimerPiece m_clockTimer;
    TimerPiece m_zoneTimer;
    TimerPiece m_typingTimer;
    TimerPiece m_rollTimer;

    ClockState m_state;
    ClockTick m_tick;
    Rotation m_rotation;
    ZoneCommands m_commands;

    // While start() runs: the window is shown once, at its end.
    bool m_loading = false;
    bool m_dragging = false;
    QPointF m_grabbedAt;
    QPoint m_edgeAtGrab;
};
