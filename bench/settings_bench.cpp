// Settings store figures: one read (target <= 1 us), one save (p99 target
// <= 200 us), and, for scale, a QSettings write + sync and the load of a
// 10 MB file.
#include "settings/settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString kApp = u"Horalux"_s;

// A store holding what the clock keeps: about 40 keys in data, a few versions.
void fillLikeTheClock(settings::IniSettingsStore &store)
{
    const char *zones[] = {"abu", "amst", "ariz", "auc", "bang", "beij", "braz", "bris",
                           "bruss", "cent", "east", "fin", "ger", "haw", "islam", "jer",
                           "kuw", "mos", "pert", "seo", "spa", "turk", "uk", "vlad"};
    for (const char *zone : zones)
        store.SaveSetting(kApp, u"data"_s, QString::fromLatin1(zone), u"1"_s);
    for (const char *key : {"scan", "24hr", "dst", "graphic", "sync", "ontop", "FormX", "FormY",
                            "tz1", "diff1", "tz2", "diff2", "lastupdatecheck", "check"})
        store.SaveSetting(kApp, u"data"_s, QString::fromLatin1(key), u"20"_s);
    for (int i = 0; i < 5; ++i)
        store.SaveSetting(kApp, u"version"_s, u"1.0."_s + QString::number(i), u"1"_s);
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
BENCHMARK_CAPTURE(BM_GetSetting, hit, u"data"_s, u"scan"_s);
BENCHMARK_CAPTURE(BM_GetSetting, hit_other_case, u"Data"_s, u"FormX"_s);
BENCHMARK_CAPTURE(BM_GetSetting, miss_key, u"data"_s, u"nosuchkey"_s);
BENCHMARK_CAPTURE(BM_GetSetting, miss_section, u"nosuchsection"_s, u"scan"_s);

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
            store.SaveSetting(kApp, u"Data"_s, u"FormX"_s, value);
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
    reportPercentiles(state, micros);
}
BENCHMARK(BM_SaveSetting)->Iterations(5000);

void BM_QSettingsSaveAndSync(benchmark::State &state)
{
    QTemporaryDir root;
    QSettings qsettings(root.filePath(u"Horalux.ini"_s), QSettings::IniFormat);
    std::vector<double> micros;
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        qsettings.setValue(u"data/FormX"_s, QString::number(++i));
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
        benchmark::DoNotOptimize(store.GetSetting(kApp, u"data"_s, u"scan"_s));
    }
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_LoadTenMegabyteFile)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
