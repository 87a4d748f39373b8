// SPDX-License-Identifier: GPL-3.0-or-later
#include "log_capture.h"

#include <QLoggingCategory>
#include <QMutex>

namespace {

// Messages may come from the settings store's flush thread.
QMutex mutex;
QList<LogCapture::Message> captured;
QtMessageHandler previousHandler = nullptr;

void capture(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QString category = QString::fromLatin1(context.category ? context.category : "");
    if (!category.startsWith(QLatin1String("horalux."))) {
        if (previousHandler)
            previousHandler(type, context, text);
        return;
    }
    const QMutexLocker lock(&mutex);
    captured.append({category, type, text});
}

} // namespace

LogCapture::LogCapture()
{
    clear();
    QLoggingCategory::setFilterRules(QStringLiteral("horalux.*=true"));
    previousHandler = qInstallMessageHandler(capture);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previousHandler);
    QLoggingCategory::setFilterRules(QString());
}

QList<LogCapture::Message> LogCapture::messages() const
{
    const QMutexLocker lock(&mutex);
    return captured;
}

QStringList LogCapture::texts(const QString &category) const
{
    QStringList found;
    for (const Message &message : messages()) {
        if (message.category == category)
            found << message.text;
    }
    return found;
}

void LogCapture::clear()
{
    const QMutexLocker lock(&mutex);
    captured.clear();
}
