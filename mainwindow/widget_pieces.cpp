// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/widget_pieces.h"

#include "mainwindow/rolling_label.h"
#include "mainwindow/twips.h"
#include "mainwindow/window_log.h"
#include "platform/image_file.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

void LabelPiece::setText(const QString &text)
{
    m_label.setText(text);
}

QString LabelPiece::text() const
{
    return m_label.text();
}

void LabelPiece::setForeColor(quint32 bgr)
{
    const QColor colour(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
    QPalette palette = m_label.palette();
    if (palette.color(QPalette::WindowText) == colour)
        return;
    palette.setColor(QPalette::WindowText, colour);
    m_label.setPalette(palette);
}

int LabelPiece::height() const
{
    return int(twips::fromPixels(m_label.visibleHeight()));
}

void LabelPiece::setHeight(int value)
{
    m_label.setVisibleHeight(twips::toPixels(value));
}

QPixmap loadPixmapForScreen(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const QFileInfo info(path);
        const QString doubled =
            info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
        QPixmap pixmap = platform::readPixmap(doubled, info.suffix().toLatin1());
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return platform::readPixmap(path, QFileInfo(path).suffix().toLatin1());
}

void PicturePiece::loadPicture(const QString &path)
{
    const QPixmap pixmap = loadPixmapForScreen(path, m_label.devicePixelRatioF());
    if (!pixmap.isNull()) {
        m_label.setPixmap(pixmap);
        return;
    }
    // Every zone change asks again for the same few pictures.
    if (m_reported.contains(path))
        return;
    m_reported.insert(path);
    qCWarning(lcWindow).noquote() << "cannot load the picture" << path
                                  << (QFileInfo::exists(path) ? "(not a picture of its kind);" : "(no such file);")
                                  << "the window keeps the picture it shows";
}

TimerPiece::TimerPiece(QObject *parent) : QObject(parent)
{
    // Armed afresh for every event: a re-armed QTimer may fire again while its
    // handler still runs, as a window timer does when the handler waits.
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { fire(); });
}

void TimerPiece::setAlignedToWallSeconds(bool aligned, std::function<int()> wallMillisecond)
{
    m_aligned = aligned;
    // Zone offsets are whole seconds: the milliseconds are the same in UTC,
    // which is read without looking up the local zone (a stat per call).
    m_wallMillisecond =
        wallMillisecond ? std::move(wallMillisecond) : [] { return int(QDateTime::currentMSecsSinceEpoch() % 1000); };
    restart();
}

void TimerPiece::setInterval(int ms)
{
    m_interval = std::max(ms, 0);
    restart();
}

void TimerPiece::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void TimerPiece::restart()
{
    if (!m_enabled || m_interval == 0) {
        m_timer.stop();
        return;
    }
    if (m_aligned && m_interval == 1000) {
        // Just past the next wall-clock second, every time, so it never drifts.
        constexpr int pastTheSecondMs = 20;
        m_timer.start(1000 - m_wallMillisecond() + pastTheSecondMs);
        return;
    }
    m_timer.start(m_interval);
}

void TimerPiece::fire()
{
    restart();
    // A copy: the handler may replace itself, or this timer's handler, while it runs.
    if (const std::function<void()> handler = m_handler)
        handler();
}
