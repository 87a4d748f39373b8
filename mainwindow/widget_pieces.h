// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/window_pieces.h"

#include <QObject>
#include <QSet>
#include <QTimer>

class QLabel;
class QPixmap;

// Window pieces over real widgets: the engine drives these, never the widgets.

class RollingLabel;

class LabelPiece final : public platform::Label {
public:
    explicit LabelPiece(RollingLabel &label) : m_label(label) {}
    void setText(const QString &text) override;
    QString text() const override;
    void setForeColor(quint32 bgr) override;
    int height() const override;
    void setHeight(int twips) override;

private:
    RollingLabel &m_label;
};

class PicturePiece final : public platform::Picture {
public:
    explicit PicturePiece(QLabel &label) : m_label(label) {}
    // Keeps the old picture when the file cannot be read.
    void loadPicture(const QString &path) override;

private:
    QLabel &m_label;
    QSet<QString> m_reported; // pictures that failed, logged once each
};

// Loads a picture, preferring its "@2x" twin on a high-density screen.
QPixmap loadPixmapForScreen(const QString &path, qreal devicePixelRatio);

class TimerPiece final : public QObject, public platform::Timer {
public:
    explicit TimerPiece(QObject *parent = nullptr);

    int interval() const override { return m_interval; }
    void setInterval(int ms) override;
    bool isEnabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override;
    void setHandler(std::function<void()> handler) override { m_handler = std::move(handler); }

    // A one-second timer that fires just after each wall-clock second, so the
    // seconds shown never skip or stutter. wallMillisecond gives how far into
    // its second the wall clock is (0..999); by default the system's clock.
    void setAlignedToWallSeconds(bool aligned, std::function<int()> wallMillisecond = {});

private:
    void restart();
    void fire();

    QTimer m_timer;
    std::function<void()> m_handler;
    int m_interval = 0;
    bool m_enabled = true;
    bool m_aligned = false;
    std::function<int()> m_wallMillisecond;
};
