// Start to main window shown, and peak memory with one profile open, of the
// desktop program beside a bare Qt MDI window with one menu
// (velacps-bench-bare). Each case runs as a program of its own, from the
// start of the process to the main window on the screen, as a user starts
// it; this program runs itself again for the desktop program's cases, so
// it loads the same libraries velacps does. The splash screen is closed as
// soon as it is up, as by a dealer's key press, so the main window shows
// once it is built and the splash's own time is not counted.

#include "DocumentCommands.h"
#include "MainFrame.h"
#include "PeakMemory.h"
#include "SplashScreen.h"
#include "TestEnvironment.h"
#include "VelaCPSApp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <benchmark/benchmark.h>

#include <cstring>
#include <optional>

namespace {

constexpr char kChildOption[] = "--shown-with=";
constexpr int kWaitMs = 60000;

struct Shown {
    double seconds;
    double peakMegabytes;
    double processorSeconds;
};

// Starts program and waits for its "shown" line; how long that took and
// the peak it reported.
std::optional<Shown> runUntilShown(const QString &program, const QStringList &arguments)
{
    QProcess copy;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    copy.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    copy.start(program, arguments);
    while (!copy.canReadLine() && copy.waitForReadyRead(kWaitMs)) { }
    const double seconds = double(timer.nsecsElapsed()) * 1e-9;
    const QList<QByteArray> line = copy.readLine().trimmed().split(' ');
    copy.waitForFinished(kWaitMs);
    if (line.value(0) != "shown")
        return std::nullopt;
    return Shown { seconds, line.value(1).toDouble(), line.value(2).toDouble() };
}

std::optional<Shown> bareWindow()
{
    return runUntilShown(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("velacps-bench-bare")), {});
}

std::optional<Shown> desktopProgram(const char *which)
{
    return runUntilShown(QCoreApplication::applicationFilePath(),
        { QString::fromLatin1(kChildOption) + QLatin1String(which) });
}

void BM_App_StartToMainWindowShown(benchmark::State &state)
{
    // The copies share one configuration, which the first start prepares:
    // the measured starts are those of a user who has started it before.
    ScopedConfig config;
    if (!desktopProgram("nothing")) {
        state.SkipWithError("the program did not start");
        return;
    }
    double elapsed = 0, floor = 0, processor = 0, processorFloor = 0;
    for (auto _ : state) {
        const std::optional<Shown> bare = bareWindow();
        const std::optional<Shown> app = desktopProgram("nothing");
        if (!bare || !app) {
            state.SkipWithError("a measured program did not show its window");
            return;
        }
        floor += bare->seconds;
        elapsed += app->seconds;
        processorFloor += bare->processorSeconds;
        processor += app->processorSeconds;
        state.SetIterationTime(app->seconds);
    }
    const double n = double(state.iterations());
    state.counters["floor_ms"] = floor / n * 1e3;
    state.counters["ratio"] = elapsed / floor;
    // The processor time of the two starts, which a busy machine disturbs less.
    state.counters["cpu_ms"] = processor / n * 1e3;
    state.counters["cpu_floor_ms"] = processorFloor / n * 1e3;
    state.counters["cpu_ratio"] = processor / processorFloor;
}
BENCHMARK(BM_App_StartToMainWindowShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

void BM_App_PeakMemoryOneProfileOpen(benchmark::State &state)
{
    ScopedConfig config;
    std::optional<Shown> bare, app;
    for (auto _ : state) {
        bare = bareWindow();
        app = desktopProgram("profile");
        if (!bare || !app) {
            state.SkipWithError("a measured program did not show its window");
            return;
        }
    }
    state.counters["peak_MB"] = app->peakMegabytes;
    state.counters["floor_MB"] = bare->peakMegabytes;
    state.counters["ratio"] = app->peakMegabytes / bare->peakMegabytes;
}
BENCHMARK(BM_App_PeakMemoryOneProfileOpen)->Unit(benchmark::kMillisecond)->Iterations(1);

// The desktop program's start-up in this copy, with nothing or a profile
// template on its command line, on the configuration of the benchmark that
// started it.
int startDesktopProgram(int argc, char **argv, const char *which)
{
    QApplication app(argc, argv);
    CVelaCPSApp vela;
    QStringList arguments;
    if (std::strcmp(which, "profile") == 0)
        arguments << dataPath(QStringLiteral("profiletemplate/KUD51900.kv9"));
    if (!vela.InitInstance(arguments))
        return 1;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *splash = qobject_cast<CSplashScreen *>(widget))
            splash->dismiss();
    }
    reportShown(*vela.mainFrame());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kChildOption, std::strlen(kChildOption)) == 0)
            return startDesktopProgram(argc, argv, argv[i] + std::strlen(kChildOption));
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
