// A batch of four radios on four emulated cables at once beside the same
// batch with one radio on one cable, in the same run, with the emulator
// sending at the cable's wire speed: the ratio of their times (the cables
// should not wait for each other), and the CPU time the batch took in this
// process as a share of its wall time.

#include "BenchProfiles.h"

#include "RadioEmulator.h"
#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "operations/FleetBatch.h"
#include "settings/ProductContext.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double processCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double wallSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct FleetEnvironment {
    FleetEnvironment()
    {
        QFile file(profilePath);
        if (!context.start() || radios.paths().size() != 4 || !file.open(QIODevice::WriteOnly)
            || file.write(fullProfileText().toUtf8()) < 0)
            error = "the product, the emulator or the profile did not start";
    }

    // One batch on the first cables of the emulator; its wall and CPU
    // seconds, or false when a radio failed.
    bool runBatch(int cables, double &wall, double &cpu)
    {
        const ProfileSource profile = [this] {
            auto document = std::make_unique<CProfileDocument>(context.versionRules());
            return document->Open(profilePath) && document->loadTimeRulesPassed() ? std::move(document)
                                                                                  : nullptr;
        };
        FleetOptions options;
        options.ports = radios.paths().mid(0, cables);
        options.logFolder = logs.filePath(QString::number(++batches));
        options.resetSettle = std::chrono::milliseconds(0);
        CFleetBatch batch(context.settings());
        QEventLoop loop;
        bool succeeded = false;
        QObject::connect(&batch, &CFleetBatch::finished, [&](bool all) {
            succeeded = all;
            loop.quit();
        });
        const double wallStart = wallSeconds(), cpuStart = processCpuSeconds();
        QString startError;
        if (!batch.start(profile, FleetValues(), options, startError))
            return false;
        loop.exec();
        wall = wallSeconds() - wallStart;
        cpu = processCpuSeconds() - cpuStart;
        return succeeded;
    }

    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir logs;
    QString profilePath = logs.filePath(QStringLiteral("full.kv9"));
    RadioEmulator radios { { QStringLiteral("--radios"), QStringLiteral("4"), QStringLiteral("--model"),
        QStringLiteral("KUD51900"), QStringLiteral("--frequencies"), QStringLiteral("99"),
        QStringLiteral("--pace") } };
    int batches = 0;
    const char *error = nullptr;
};

void BM_Fleet_FourCablesAgainstOne(benchmark::State &state)
{
    static FleetEnvironment env;
    if (env.error) {
        state.SkipWithError(env.error);
        return;
    }
    double oneWall = 0, fourWall = 0, fourCpu = 0;
    for (auto _ : state) {
        double wall = 0, cpu = 0;
        if (!env.runBatch(1, wall, cpu)) {
            state.SkipWithError("the batch on one cable failed");
            return;
        }
        oneWall += wall;
        if (!env.runBatch(4, wall, cpu)) {
            state.SkipWithError("the batch on four cables failed");
            return;
        }
        fourWall += wall;
        fourCpu += cpu;
    }
    const double n = double(state.iterations());
    state.counters["one_cable_ms"] = oneWall / n * 1e3;
    state.counters["four_cables_ms"] = fourWall / n * 1e3;
    state.counters["ratio_four_to_one"] = fourWall / oneWall;
    state.counters["cpu_percent_of_wall"] = fourCpu / fourWall * 100;
}
BENCHMARK(BM_Fleet_FourCablesAgainstOne)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

} // namespace
