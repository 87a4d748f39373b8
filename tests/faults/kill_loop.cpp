// SPDX-License-Identifier: GPL-3.0-or-later
#include "kill_loop.h"

#include "save_sequence.h"
#include "settingsstore/ini_format.h"
#include "settingsstore/settings_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <random>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace faults {

using namespace Qt::StringLiterals;
using Clock = std::chrono::steady_clock;

namespace {

const QString kApp = u"Horalux"_s;
// Set in a report when flush() returned after that save.
constexpr quint32 kFlushed = 0x8000'0000u;

// The saver's rhythm, fixed by the number so that a failure repeats: a flush
// now and then (Apply, OK), a pause now and then (a drag ends, the store's
// thread writes).
bool flushesAfter(quint32 number)
{
    return number % 17 == 0;
}

std::chrono::microseconds pauseAfter(quint32 number)
{
    return std::chrono::microseconds(number % 71 == 0 ? 55'000 + (number % 3) * 10'000 : 0);
}

[[noreturn]] void saveUntilKilled(const QString &root, quint32 first, int keyCount, int reportFd)
{
    // A parent that dies must not leave a saver running for ever.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    settings::IniSettingsStore store(root);
    for (quint32 number = first;; ++number) {
        const NumberedSave save = numberedSave(number, keyCount);
        store.SaveSetting(kApp, save.section, save.key, save.value);
        quint32 report = number;
        if (flushesAfter(number)) {
            if (!store.flush())
                ::_exit(4);
            report |= kFlushed;
        }
        if (::write(reportFd, &report, sizeof report) != sizeof report)
            ::_exit(3);
        if (const auto pause = pauseAfter(number); pause.count() > 0)
            ::usleep(useconds_t(pause.count()));
    }
}

// The numbers a saver reported, read as they come.
class Reports {
public:
    explicit Reports(int fd) : m_fd(fd) {}

    // Reads what arrives within `wait` (negative: until the pipe closes).
    void readFor(std::chrono::nanoseconds wait)
    {
        if (m_closed)
            return;
        pollfd ready {m_fd, POLLIN, 0};
        timespec timeout {};
        if (wait.count() > 0) {
            timeout.tv_sec = time_t(wait.count() / 1'000'000'000);
            timeout.tv_nsec = long(wait.count() % 1'000'000'000);
        }
        if (::ppoll(&ready, 1, wait.count() < 0 ? nullptr : &timeout, nullptr) <= 0)
            return;
        char buffer[64 * 1024];
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            return;
        if (n <= 0) {
            m_closed = true;
            return;
        }
        m_pending.append(buffer, n);
        qsizetype used = 0;
        for (; m_pending.size() - used >= qsizetype(sizeof(quint32)); used += sizeof(quint32)) {
            quint32 number;
            std::memcpy(&number, m_pending.constData() + used, sizeof number);
            m_numbers.push_back(number);
        }
        m_pending.remove(0, used);
    }
    void waitUntil(Clock::time_point deadline)
    {
        for (auto now = Clock::now(); now < deadline && !m_closed; now = Clock::now())
            readFor(deadline - now);
    }
    void readToEnd()
    {
        while (!m_closed)
            readFor(std::chrono::nanoseconds(-1));
    }
    bool closed() const { return m_closed; }
    const std::vector<quint32> &numbers() const { return m_numbers; }

private:
    int m_fd;
    bool m_closed = false;
    QByteArray m_pending;
    std::vector<quint32> m_numbers;
};

class KillLoop {
public:
    explicit KillLoop(const KillLoopOptions &options)
        : m_options(options),
          m_random(options.seed),
          m_folder(options.root + u"/Horalux"_s),
          m_file(m_folder + u"/Horalux.ini"_s)
    {
    }

    KillLoopFigures run()
    {
        QElapsedTimer timer;
        timer.start();
        for (int kill = 1; kill <= m_options.kills; ++kill) {
            killOneSaver();
            checkFolder();
            checkFile();
            if (m_options.progress)
                m_options.progress(kill);
        }
        m_figures.seconds = double(timer.nsecsElapsed()) / 1e9;
        m_figures.fileBytes = quint64(QFile(m_file).size());
        return m_figures;
    }

private:
    template <typename Duration>
    Duration randomUpTo(Duration most)
    {
        return Duration(std::uniform_int_distribution<qint64>(0, most.count())(m_random));
    }

    void problem(const QString &text)
    {
        if (m_figures.problems.size() < m_options.keptProblems)
            m_figures.problems << u"kill %1 (after save %2, flushed to %3): "_s.arg(m_figures.kills)
                                      .arg(m_lastReported)
                                      .arg(m_lastFlushed)
                    + text;
    }

    void killOneSaver()
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            qFatal("pipe: %s", std::strerror(errno));
        const pid_t child = ::fork();
        if (child < 0)
            qFatal("fork: %s", std::strerror(errno));
        if (child == 0) {
            ::close(fds[0]);
            saveUntilKilled(m_options.root, m_at + 1, m_options.keyCount, fds[1]);
        }
        ::close(fds[1]);
        const auto started = Clock::now();
        Reports reports(fds[0]);
        const auto mode = m_random() % 3;
        if (mode == 0) {
            reports.waitUntil(started + randomUpTo(m_options.maxDelay));
        } else {
            const size_t wanted =
                size_t(std::uniform_int_distribution<int>(1, m_options.maxReportsBeforeKill)(m_random));
            const auto giveUp = started + std::chrono::seconds(20);
            while (reports.numbers().size() < wanted && !reports.closed() && Clock::now() < giveUp)
                reports.readFor(giveUp - Clock::now());
            reports.waitUntil(Clock::now()
                              + randomUpTo(mode == 1 ? m_options.maxDelayAfterReports : m_options.maxLateDelay));
        }
        ::kill(child, SIGKILL);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
        reports.readToEnd();
        ::close(fds[0]);
        ++m_figures.kills;
        if (!(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)) {
            ++m_figures.unexpectedEnds;
            problem(u"the saver ended by itself, status %1"_s.arg(status));
        }
        takeReports(reports.numbers());
    }

    void takeReports(const std::vector<quint32> &reports)
    {
        m_lastReported = m_at;
        m_lastFlushed = m_at;
        if (reports.empty())
            ++m_figures.killsBeforeAnySave;
        for (const quint32 report : reports) {
            const quint32 number = report & ~kFlushed;
            if (number != m_lastReported + 1) {
                ++m_figures.misreportedSaves;
                problem(u"save %1 reported out of sequence"_s.arg(number));
                return;
            }
            ++m_lastReported;
            ++m_figures.savesReported;
            if (report & kFlushed) {
                m_lastFlushed = number;
                ++m_figures.flushesReported;
            }
        }
    }

    // Only the file and leftovers of interrupted saves may lie beside it.
    void checkFolder()
    {
        QDir folder(m_folder);
        const QStringList names =
            folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : names) {
            if (name == u"Horalux.ini")
                continue;
            if (name.startsWith(u".Horalux.ini.tmp-")) {
                // Cleared by the store once a minute old; removed here so the
                // count stays per kill.
                ++m_figures.leftoverTempFiles;
                folder.remove(name);
            } else if (name.endsWith(u".bad")) {
                ++m_figures.badCopies;
                problem(u"the store kept the file aside as damaged"_s);
                folder.remove(name);
            } else {
                ++m_figures.strayFiles;
                problem(u"stray file "_s + name);
            }
        }
    }

    void checkFile()
    {
        QFile file(m_file);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        else if (m_lastFlushed > 0)
            problem(u"the file cannot be read: "_s + file.errorString());
        const settings::ParsedIni parsed = settings::parseIni(bytes);
        if (parsed.hadDamagedLines) {
            ++m_figures.damagedFiles;
            problem(u"the file has unreadable lines"_s);
        }

        // Any version from the last flush on, up to the save under way,
        // which may have landed before its report.
        const QByteArray found = settings::serialiseIni(parsed.document, QString());
        settings::IniDocument version = m_onFile;
        settings::IniDocument flushed;
        for (quint32 number = m_at;; ++number) {
            if (number > m_at)
                applySave(version, numberedSave(number, m_options.keyCount));
            if (number == m_lastFlushed)
                flushed = version;
            if (number >= m_lastFlushed && settings::serialiseIni(version, QString()) == found) {
                takeVersion(number, std::move(version));
                return;
            }
            if (number == m_lastReported + 1)
                break;
        }
        const int lost = countLost(parsed.document, flushed);
        m_figures.lostSaves += lost;
        if (lost == 0) {
            ++m_figures.damagedFiles;
            problem(u"the file holds what no sequence of the saves gives"_s);
        }
        // Go on from what the file holds: the next saver starts there.
        m_onFile = parsed.document;
        m_at = m_lastReported;
    }

    void takeVersion(quint32 number, settings::IniDocument &&version)
    {
        if (number > m_lastFlushed)
            ++m_figures.killsAfterAThreadWrite;
        if (number > m_lastReported)
            ++m_figures.unreportedSavesFound;
        else
            m_figures.unflushedSavesGone += m_lastReported - number;
        checkFreshStore(version);
        m_onFile = std::move(version);
        // The next saver repeats what the kill took; it changes nothing then.
        m_at = number;
    }

    int countLost(const settings::IniDocument &found, const settings::IniDocument &flushed)
    {
        int lost = 0;
        QString example;
        for (const auto &section : flushed.sections()) {
            for (const auto &entry : section.entries) {
                const QString *value = found.find(section.name, entry.key);
                if (value && *value == entry.value)
                    continue;
                if (lost++ == 0)
                    example =
                        u"[%1] %2 %3"_s.arg(section.name, entry.key, value ? u"has another value"_s : u"is missing"_s);
            }
        }
        if (lost > 0)
            problem(u"%1 flushed saves lost; %2"_s.arg(lost).arg(example));
        return lost;
    }

    // What a program started now reads.
    void checkFreshStore(const settings::IniDocument &expected)
    {
        settings::IniSettingsStore store(m_options.root);
        const QString missing = u"\x01missing"_s;
        for (const auto &section : expected.sections()) {
            for (const auto &entry : section.entries) {
                if (store.GetSetting(kApp, section.name, entry.key, missing) != entry.value) {
                    ++m_figures.lostSaves;
                    problem(u"a fresh store reads [%1] %2 wrong"_s.arg(section.name, entry.key));
                }
            }
        }
        m_figures.keysInFile = 0;
        for (const auto &section : expected.sections())
            m_figures.keysInFile += int(section.entries.size());
    }

    const KillLoopOptions &m_options;
    std::mt19937_64 m_random;
    const QString m_folder;
    const QString m_file;
    settings::IniDocument m_onFile; // what the file held at the last look
    quint32 m_at = 0;               // the number of that version
    quint32 m_lastReported = 0;
    quint32 m_lastFlushed = 0;
    KillLoopFigures m_figures;
};

} // namespace

KillLoopFigures runKillLoop(const KillLoopOptions &options)
{
    return KillLoop(options).run();
}

} // namespace faults
