// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_platform.h"

void FakeClock::setNow(const QDate &date, const QTime &time)
{
    m_start = QDateTime(date, time, Qt::UTC).addMSecs(-m_loop.now());
}

QDateTime FakeClock::localWallTime() const
{
    const QDateTime now = exactNow();
    const QTime t = now.time();
    return QDateTime(now.date(), QTime(t.hour(), t.minute(), t.second()), Qt::UTC);
}

QDateTime FakeClock::utcNow() const
{
    return localWallTime().addSecs(-m_localOffset);
}

double FakeClock::secondsSinceMidnight() const
{
    return exactNow().time().msecsSinceStartOfDay() / 1000.0;
}

QString MemorySettingsStore::id(const QString &app, const QString &section, const QString &key)
{
    return (app + QChar(0) + section + QChar(0) + key).toCaseFolded();
}

QString MemorySettingsStore::GetSetting(const QString &app, const QString &section, const QString &key,
                                        const QString &defaultValue)
{
    ++m_reads;
    return m_values.value(id(app, section, key), defaultValue);
}

void MemorySettingsStore::SaveSetting(const QString &app, const QString &section, const QString &key,
                                      const QString &value)
{
    const QString at = id(app, section, key);
    m_values.insert(at, value);
    if (!m_spellings.contains(at))
        m_spellings.insert(at, key);
}

void MemorySettingsStore::DeleteSetting(const QString &app, const QString &section, const QString &key)
{
    m_values.remove(id(app, section, key));
    m_spellings.remove(id(app, section, key));
}

bool MemorySettingsStore::flush(QString *problem)
{
    ++flushes;
    if (problem)
        *problem = flushProblem;
    return flushProblem.isEmpty();
}

QStringList MemorySettingsStore::keysAsWritten() const
{
    QStringList keys;
    const QString prefix = id(QStringLiteral("Horalux"), QStringLiteral("data"), QString());
    for (auto at = m_spellings.cbegin(); at != m_spellings.cend(); ++at) {
        if (at.key().startsWith(prefix))
            keys << at.value();
    }
    keys.sort();
    return keys;
}

void MemorySettingsStore::set(const QString &key, const QString &value)
{
    SaveSetting(QStringLiteral("Horalux"), QStringLiteral("data"), key, value);
}

bool MemorySettingsStore::has(const QString &key) const
{
    return m_values.contains(id(QStringLiteral("Horalux"), QStringLiteral("data"), key));
}

QString MemorySettingsStore::value(const QString &key) const
{
    return m_values.value(id(QStringLiteral("Horalux"), QStringLiteral("data"), key));
}

bool FakeAutostart::setEnabled(bool on, QString *problem)
{
    ++stores;
    if (problem)
        *problem = failure;
    if (!failure.isEmpty())
        return false;
    enabled = on;
    return true;
}

bool FakeProcesses::start(const QString &program, const QStringList &arguments, Show show)
{
    started.push_back({m_loop.now(), program, arguments, show});
    return startSucceeds;
}

void FakeProcesses::endNow(int exitCode)
{
    throw ProcessEnded {exitCode};
}
