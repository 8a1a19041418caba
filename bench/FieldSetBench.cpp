// velacps-cli set of one field on a 19-channel profile (open, the rules of
// the command, save) against velacps-cli check of the same file, both
// measured in the same run: the target is a ratio of at most 3.

#include "BenchProfiles.h"
#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "base/TextFile.h"
#include "document/FieldAssignments.h"
#include "document/ProfileDocument.h"
#include "document/ProfileFileCheck.h"
#include "settings/ProductContext.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

double secondsOf(const std::function<void()> &work)
{
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Environment {
    Environment()
    {
        context.start();
        WriteTextFile(profile, EncodeProfileFile(fullProfileText()));
    }

    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir files;
    const QString profile = files.filePath(QStringLiteral("full.kv9"));
    const QString output = files.filePath(QStringLiteral("out.kv9"));
};

// What velacps-cli set does with one assignment, without starting a process.
bool setOneField(Environment &env, const QString &assignment)
{
    CProfileDocument document(env.context.versionRules());
    QString error;
    const auto parsed = parseAssignment(assignment, error);
    return parsed && document.Open(env.profile) && applyAssignments(document, { *parsed }, {}).accepted()
        && document.Save(env.output);
}

void BM_SetOneFieldAgainstCheck(benchmark::State &state)
{
    static Environment env;
    double check = 0;
    double set = 0;
    for (auto _ : state) {
        check += secondsOf([] { ProfileFileCheck::CheckProfileFile(env.profile, env.context.settings()); });
        set += secondsOf([] {
            if (!setOneField(env, QStringLiteral("channel[12].rx_freq_ndx=5")))
                std::abort();
        });
    }
    const double runs = double(state.iterations());
    state.counters["check_ms"] = check / runs * 1e3;
    state.counters["set_ms"] = set / runs * 1e3;
    state.counters["ratio"] = set / check;
}
BENCHMARK(BM_SetOneFieldAgainstCheck)->Unit(benchmark::kMillisecond);

} // namespace
