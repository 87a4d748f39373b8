// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/download_dialog.h"

#include "platform/event_pump.h"
#include "platform/http.h"
#include "platform/message_box.h"
#include "platform/tick_counter.h"
#include "update/download_format.h"
#include "update/server_text.h"
#include "update/update_log.h"

#include <QCloseEvent>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>

#include <climits>

namespace {

constexpr qint64 kChunkBytes = 1024;
// A wait for the header wakes at least this often to look at the Cancel flag.
constexpr int kHeaderWaitMs = 250;
// The progress texts change at most this often: enough for the eye, and the
// transfer does not spend its time drawing.
constexpr quint32 kProgressEveryMs = 100;

// The design is in twips, 15 to the device-independent pixel.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// Our texts break lines with a carriage return alone; a label breaks at line feeds.
QString shownText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

int kilobytes(qint64 bytes)
{
    return int(qMin<qint64>(bytes / 1024, INT_MAX));
}

} // namespace

DownloadDialog::DownloadDialog(platform::Http &http, platform::MessageBoxes &messages,
                               const platform::TickCounter &ticks, platform::EventPump &events, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_http(http),
      m_messages(messages),
      m_ticks(ticks),
      m_events(events)
{
    setObjectName(QStringLiteral("DownloadDialog"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    setFont(font);
    setFixedSize(px(4950), px(2970));

    m_statusLabel.setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel.setGeometry(twipRect(120, 120, 4695, 735));
    m_progressBar.setObjectName(QStringLiteral("progressBar"));
    m_progressBar.setGeometry(twipRect(120, 1080, 4695, 225));
    m_progressBar.setTextVisible(false);
    m_progressBar.setRange(0, 1);
    m_progressBar.setValue(0);
    m_progressLabel.setObjectName(QStringLiteral("progressLabel"));
    m_progressLabel.setGeometry(twipRect(120, 1440, 4815, 855));
    for (QLabel *label : {&m_statusLabel, &m_progressLabel}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
    }
    m_cancelButton.setObjectName(QStringLiteral("cancelButton"));
    setFixedTexts();
    m_cancelButton.setGeometry(twipRect(1920, 2520, 1215, 375));
    m_cancelButton.setAutoDefault(false);
    connect(&m_cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] {
        qCWarning(lcUpdate) << "download of" << m_http.url() << "not done within" << m_timeLimitMs / 1000 << "s";
        m_outOfTime = true;
        m_http.cancel();
    });
}

void DownloadDialog::setFixedTexts()
{
    setWindowTitle(tr("Download File"));
    m_cancelButton.setText(tr("Cancel"));
}

QString DownloadDialog::errorTitle()
{
    return tr("Error Downloading File");
}

void DownloadDialog::setStatus(const QString &text)
{
    m_status = text;
    m_statusLabel.setText(shownText(text));
}

void DownloadDialog::setProgressText(const QString &text)
{
    m_progressText = text;
    m_progressLabel.setText(shownText(text));
    emit progressTextChanged(text);
}

void DownloadDialog::cancel()
{
    m_cancelRequested = true;
    close();
}

void DownloadDialog::closeEvent(QCloseEvent *event)
{
    m_cancelRequested = true;
    // A transfer waiting for a slow server sees the flag at once.
    if (m_transferring)
        m_http.cancel();
    QDialog::closeEvent(event);
}

void DownloadDialog::reject()
{
    m_cancelRequested = true;
    if (m_transferring)
        m_http.cancel();
    QDialog::reject();
}

bool DownloadDialog::downloadFile(const QString &url, const QString &destination, const QString &userName,
                                  const QString &password)
{
    if (m_transferring)
        return false;
    m_transferring = true;
    const auto idle = qScopeGuard([this] { m_transferring = false; });
    m_cancelRequested = false;

    const QString fileName = fileNameOf(destination, PathKind::Local);
    const QString urlFolder = folderOf(url, PathKind::Url);

    setFixedTexts();
    setStatus(QString());
    m_progressBar.setRange(0, 1);
    m_progressBar.setValue(0);
    show();
    raise();
    activateWindow();
    //: The progress line under the bar, which has room for two or three short lines.
    setProgressText(tr("Getting file information..."));
    m_events.pumpEvents();

    m_outOfTime = false;
    m_timeLimit.start(m_timeLimitMs);
    const auto timeKept = qScopeGuard([this] { m_timeLimit.stop(); });
    m_http.execute(url, userName, password, m_maxBytes);
    //: The line above the bar. %1 is the file's name, %2 the web folder it comes from.
    setStatus(tr("Saving:\r\r%1 from %2").arg(fileName, shownFolder(urlFolder)));
    const quint32 startTick = m_ticks.tickCount();

    bool complete = false;
    if (waitForHeader() && statusIsOk()) {
        complete = receive(destination, fileName, startTick);
        setProgressText(QString());
        m_events.pumpEvents();
    }

    if (complete) {
        setStatus(tr("Download completed!"));
    } else {
        if (!m_into && QFile::exists(destination))
            QFile::remove(destination);
        if (!m_cancelRequested) {
            setStatus(tr("Download failed!"));
            m_messages.show(tr("Download failed!"), errorTitle(), platform::MessageBoxes::Icon::Critical);
        }
    }
    succeeded = complete;

    m_http.cancel();
    m_events.pumpEvents();
    close();
    m_events.pumpEvents();
    return complete;
}

bool DownloadDialog::downloadFile(const QString &url, QFileDevice &destination, const QString &shownPath)
{
    if (m_transferring)
        return false;
    m_into = &destination;
    const auto done = qScopeGuard([this] { m_into = nullptr; });
    return downloadFile(url, shownPath, QString(), QString());
}

bool DownloadDialog::waitForHeader()
{
    m_events.waitUntil([this] { return !m_http.stillExecuting() || m_cancelRequested; }, [] { return kHeaderWaitMs; });
    return !m_cancelRequested;
}

bool DownloadDialog::statusIsOk()
{
    const int status = m_http.status();
    if (status == 200)
        return true;

    hide();
    using Icon = platform::MessageBoxes::Icon;
    if (status == 401) {
        m_messages.show(tr("Authorization failed!"), tr("Unauthorized"), Icon::Critical);
    } else if (status == 404) {
        //: %1 is the address of the file.
        m_messages.show(tr("The file, %1 was not found!").arg(shownServerText(m_http.url())), tr("File Not Found"),
                        Icon::Critical);
    } else if (status == platform::Http::Unreached) {
        m_messages.show(tr("Cannot establish connection.\r\rCheck your Internet connection and try again."),
                        tr("Cannot Establish Connection"), Icon::Exclamation);
    } else {
        const QString line = m_http.statusLine();
        //: %1 is the server's status line (e.g. "HTTP/1.1 500 Internal Server Error") and a line break, or nothing.
        m_messages.show(tr("The server returned the following response:\r\r%1")
                            .arg(line.isEmpty() ? QString() : shownServerText(line) + QLatin1Char('\r')),
                        tr("Download Error"), Icon::Critical);
    }
    return false;
}

qint64 DownloadDialog::contentLength() const
{
    bool ok = false;
    const qint64 length = m_http.header(QStringLiteral("Content-Length")).trimmed().toLongLong(&ok);
    return ok && length >= 0 ? length : -1;
}

bool DownloadDialog::receive(const QString &destination, const QString &fileName, quint32 startTick)
{
    const qint64 length = contentLength();
    if (length == 0)
        return false; // nothing to save is no update
    if (length > m_maxBytes) {
        qCWarning(lcUpdate) << "refused" << m_http.url() << "of" << length << "bytes, more than" << m_maxBytes;
        return false;
    }
    // Without a length the bar shows that something is happening, not how much.
    m_progressBar.setRange(0, length > 0 ? qMax(1, kilobytes(length + 1023)) : 0);
    m_progressBar.setValue(0);
    m_events.pumpEvents();

    if (m_http.responseCode() != 0)
        return false;
    if (m_into) { // a file the caller made, and removes when this fails
        if (!writeChunks(*m_into, length, fileName, startTick))
            return false;
        if (!m_into->flush()) {
            reportWriteFailure();
            return false;
        }
        return true;
    }
    // The file appears under its name only once it is whole.
    QSaveFile file(destination);
    if (!file.open(QIODevice::WriteOnly)) {
        reportWriteFailure();
        return false;
    }
    if (!writeChunks(file, length, fileName, startTick))
        return false;
    if (!file.commit()) {
        reportWriteFailure();
        return false;
    }
    return true;
}

bool DownloadDialog::writeChunks(QFileDevice &file, qint64 length, const QString &fileName, quint32 startTick)
{
    qint64 received = 0;
    quint32 lastShown = startTick;
    QByteArray chunk = m_http.getChunk(kChunkBytes);
    while (!chunk.isEmpty()) {
        if (file.write(chunk) != chunk.size()) {
            reportWriteFailure();
            return false;
        }
        received += chunk.size();
        if (received > m_maxBytes) {
            qCWarning(lcUpdate) << "refused" << m_http.url() << "past" << m_maxBytes << "bytes";
            return false;
        }
        chunk = m_http.getChunk(kChunkBytes);
        if (m_cancelRequested)
            return false;
        const quint32 now = m_ticks.tickCount();
        // Unsigned differences of the monotonic counter survive its wrap.
        if ((length < 0 || received < length) && quint32(now - lastShown) >= kProgressEveryMs) {
            lastShown = now;
            showProgress(received, length, qint64(quint32(now - startTick)), fileName);
        }
    }
    // Whole only when the body ended properly and, when announced, at its length.
    return !m_cancelRequested && !m_outOfTime && m_http.responseCode() == 0 && received > 0
        && (length < 0 || received == length);
}

void DownloadDialog::showProgress(qint64 received, qint64 length, qint64 elapsedMs, const QString &fileName)
{
    const std::optional<TransferProgress> progress =
        transferProgress(received, length, elapsedMs, fileName, QLocale(), m_timeLimit.remainingTime());
    if (!progress)
        return;
    if (length > 0) {
        m_progressBar.setValue(qMin(kilobytes(received), m_progressBar.maximum()));
        setWindowTitle(progress->caption);
    }
    setProgressText(progress->progressText);
    m_events.pumpEvents();
}

void DownloadDialog::reportWriteFailure()
{
    // The transfer ends here, so the user hears of it once, not once a chunk.
    m_http.cancel();
    m_messages.show(tr("Cannot write file to disk!"), errorTitle(), platform::MessageBoxes::Icon::Critical);
}
