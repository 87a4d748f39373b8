// SPDX-License-Identifier: GPL-3.0-or-later
// Settings store figures: one read (target <= 1 us), one save on the calling
// thread (p99 target <= 200 us), a save the user asked for (save + flush, on
// disk when it returns), a 20-step window drag (the files written for it),
// and, for scale, a QSettings write + sync and the load of a 10 MB file.
#include "engine/settings_schema.h"
#include "engine/zone_catalogue.h"
#include "settingsstore/settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include <sys/inotify.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kApp = settings_schema::App;

// A store holding what the clock keeps: about 40 keys in data, a few versions.
void fillLikeTheClock(settings::IniSettingsStore &store)
{
    for (const PresetZone &zone : zone_catalogue::presets()) {
        const settings_schema::Setting flag = setting::zoneEnabled(QLatin1String(zone.key));
        store.SaveSetting(kApp, flag.section, flag.key, u"1"_s);
    }
    for (const settings_schema::Setting *fixed : setting::fixedSettings())
        store.SaveSetting(kApp, fixed->section, fixed->key, u"20"_s);
    for (int number : {1, 2}) {
        for (const settings_schema::Setting &custom : {setting::customName(number), setting::customOffset(number)})
            store.SaveSetting(kApp, custom.section, custom.key, u"20"_s);
    }
    for (int i = 0; i < 5; ++i) {
        const settings_schema::Setting offered = setting::versionOffered(u"1.0."_s + QString::number(i));
        store.SaveSetting(kApp, offered.section, offered.key, u"1"_s);
    }
}

void reportPercentiles(benchmark::State &state, std::vector<double> &micros)
{
    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[size_t(q * double(micros.size() - 1))]; };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
}

void BM_GetSetting(benchmark::State &state, QString section, QString key)
{
    QTemporaryDir root;
    settings::IniSettingsStore store(root.path());
    fillLikeTheClock(store);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.GetSetting(kApp, section, key, u"20"_s));
}
BENCHMARK_CAPTURE(BM_GetSetting, hit, setting::Scan.section, setting::Scan.key);
BENCHMARK_CAPTURE(BM_GetSetting, hit_other_case, setting::section::DataCapital, setting::Scan.key);
BENCHMARK_CAPTURE(BM_GetSetting, miss_key, setting::Scan.section, u"nosuchkey"_s);
BENCHMARK_CAPTURE(BM_GetSetting, miss_section, u"nosuchsection"_s, setting::Scan.key);

// What a window drag does: a new FormX each time.
void BM_SaveSetting(benchmark::State &state)
{
    QTemporaryDir root;
    std::vector<double> micros;
    {
        settings::IniSettingsStore store(root.path());
        fillLikeTheClock(store);
        int i = 0;
        for (auto _ : state) {
            const QString value = QString::number(++i);
            const auto start = std::chrono::steady_clock::now();
            store.SaveSetting(kApp, setting::FormX.section, setting::FormX.key, value);
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    reportPercentiles(state, micros);
}
BENCHMARK(BM_SaveSetting)->Iterations(5000);

// Apply or OK: the save is on disk when flush() returns.
void BM_SaveAndFlush(benchmark::State &state)
{
    QTemporaryDir root;
    std::vector<double> micros;
    settings::IniSettingsStore store(root.path());
    fillLikeTheClock(store);
    store.flush();
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        store.SaveSetting(kApp, setting::Scan.section, setting::Scan.key, QString::number(++i % 50 + 5));
        store.flush();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    reportPercentiles(state, micros);
}
BENCHMARK(BM_SaveAndFlush)->Iterations(200);

// A drag of 20 moves 16 ms apart, each saving FormX and FormY; counts the
// files moved into place for it, until the last move is on disk.
void BM_TwentyStepDrag(benchmark::State &state)
{
    QTemporaryDir root;
    settings::IniSettingsStore store(root.path());
    fillLikeTheClock(store);
    store.flush();
    const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    ::inotify_add_watch(watch, QFile::encodeName(root.path() + u"/Horalux"_s).constData(), IN_MOVED_TO);
    std::vector<double> micros;
    int drags = 0;
    int writes = 0;
    for (auto _ : state) {
        for (int step = 1; step <= 20; ++step) {
            const QString place = QString::number(drags * 100 + step);
            const auto start = std::chrono::steady_clock::now();
            store.SaveSetting(kApp, setting::FormX.section, setting::FormX.key, place);
            store.SaveSetting(kApp, setting::FormY.section, setting::FormY.key, place);
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
            std::this_thread::sleep_for(std::chrono::milliseconds(16));
        }
        ++drags;
        // Past the store's half second, then what was written for this drag.
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        alignas(inotify_event) char events[16 * 1024];
        for (ssize_t n; (n = ::read(watch, events, sizeof events)) > 0;) {
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(events + at);
                writes += qstrcmp(event->name, "Horalux.ini") == 0 ? 1 : 0;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
    }
    ::close(watch);
    reportPercentiles(state, micros);
    state.counters["files_written_per_drag"] = double(writes) / std::max(drags, 1);
}
BENCHMARK(BM_TwentyStepDrag)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_QSettingsSaveAndSync(benchmark::State &state)
{
    QTemporaryDir root;
    QSettings qsettings(root.filePath(u"Horalux.ini"_s), QSettings::IniFormat);
    std::vector<double> micros;
    const QString key = setting::FormX.section + u'/' + setting::FormX.key;
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        qsettings.setValue(key, QString::number(++i));
        qsettings.sync();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    reportPercentiles(state, micros);
}
BENCHMARK(BM_QSettingsSaveAndSync)->Iterations(1000);

// First read after the file changed: the whole file is parsed again.
void BM_LoadTenMegabyteFile(benchmark::State &state)
{
    QTemporaryDir root;
    QByteArray text = "[version]\n";
    for (int i = 0; text.size() < 10 * 1024 * 1024; ++i)
        text += "1.0." + QByteArray::number(i) + "=1\n";
    text += "[data]\nscan=30\n";
    QFile file(root.path() + u"/Horalux/Horalux.ini"_s);
    QDir(root.path()).mkdir(u"Horalux"_s);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    for (auto _ : state) {
        settings::IniSettingsStore store(root.path());
        benchmark::DoNotOptimize(store.GetSetting(kApp, setting::Scan.section, setting::Scan.key));
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LoadTenMegabyteFile)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
