// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace platform {
class EventPump;
class Http;
class MessageBoxes;
class TickCounter;
} // namespace platform
class QFileDevice;

// "Download File": fetches one file over HTTP into a local file while it
// shows what it saves, a progress bar, the rate and the time left. One
// object for the program's life; modeless, and the rest of the program runs
// on while it transfers, since every wait handles events.
class DownloadDialog final : public QDialog {
    Q_OBJECT

public:
    // http: the dialog's own transfer control. ticks: a monotonic clock for
    // the rate and the time left.
    DownloadDialog(platform::Http &http, platform::MessageBoxes &messages, const platform::TickCounter &ticks,
                   platform::EventPump &events, QWidget *parent = nullptr);

    // Runs the whole transfer and closes the dialog before it returns. True
    // when every byte the server announced (or, when it announced no length,
    // the whole body up to its proper end) was written and the file is in
    // place; otherwise no file is left at destination. A call while a
    // transfer runs changes nothing and returns false.
    bool downloadFile(const QString &url, const QString &destination, const QString &userName, const QString &password);
    // The same into a file the caller opened, and removes when this fails;
    // nothing is done by name (shownPath only names it in the dialog).
    bool downloadFile(const QString &url, QFileDevice &destination, const QString &shownPath);
    // The largest file saved: a longer announced length or body fails the transfer.
    void setMaxBytes(qint64 maxBytes) { m_maxBytes = maxBytes; }
    // How long a whole transfer may take, however steadily the bytes come; an hour unless set.
    void setTimeLimit(int milliseconds) { m_timeLimitMs = milliseconds; }
    // The outcome of the last transfer.
    bool succeeded = false;
    bool isTransferring() const { return m_transferring; }

    void cancel();

    // The texts as set, lines broken by CR.
    QString statusText() const { return m_status; }
    QString progressText() const { return m_progressText; }
    QLabel &statusLabel() { return m_statusLabel; }
    QProgressBar &progressBar() { return m_progressBar; }
    QLabel &progressLabel() { return m_progressLabel; }
    QPushButton &cancelButton() { return m_cancelButton; }

signals:
    void progressTextChanged(const QString &text);

protected:
    // Closing the dialog by any means cancels the transfer.
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    bool waitForHeader();
    bool statusIsOk();
    bool receive(const QString &destination, const QString &fileName, quint32 startTick);
    bool writeChunks(QFileDevice &file, qint64 length, const QString &fileName, quint32 startTick);
    qint64 contentLength() const;
    void showProgress(qint64 received, qint64 length, qint64 elapsedMs, const QString &fileName);
    void reportWriteFailure();
    // The title and the button's text, looked up again at each transfer.
    void setFixedTexts();
    static QString errorTitle();
    void setStatus(const QString &text);
    void setProgressText(const QString &text);

    platform::Http &m_http;
    platform::MessageBoxes &m_messages;
    const platform::TickCounter &m_ticks;
    platform::EventPump &m_events;

    QLabel m_statusLabel {this};
    QProgressBar m_progressBar {this};
    QLabel m_progressLabel {this};
    QPushButton m_cancelButton {this};

    QString m_status;
    QString m_progressText;
    bool m_cancelRequested = false;
    bool m_transferring = false;
    QFileDevice *m_into = nullptr; // set while downloadFile writes into a caller's file
    qint64 m_maxBytes = std::numeric_limits<qint64>::max();
    int m_timeLimitMs = 60 * 60 * 1000;
    QTimer m_timeLimit; // ends the transfer when its time is up
    bool m_outOfTime = false;
};
