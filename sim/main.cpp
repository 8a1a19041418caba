// velacps-radiosim: radios on pseudo-terminals, for testing and trying the
// radio link without a radio. Prints each terminal's path on a line of its
// own; point the link's cable port at it.

#include "SimOptions.h"
#include "SimStation.h"

#include <QCoreApplication>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void installStopHandlers()
{
    struct sigaction action { };
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (int signal : { SIGINT, SIGTERM, SIGHUP })
        sigaction(signal, &action, nullptr);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "velacps-radiosim: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SimOptions options;
    QString error;
    if (!SimOptions::parse(app.arguments(), options, error)) {
        if (app.arguments().contains(QStringLiteral("--help"))
            || app.arguments().contains(QStringLiteral("-h"))) {
            std::fputs(qPrintable(error), stdout);
            return 0;
        }
        return fail(error);
    }

    // Each radio answers on its own thread, so paced replies of one never
    // hold up another.
    std::atomic<int> serials { 0 };
    std::vector<std::unique_ptr<SimStation>> stations;
    for (int radio = 1; radio <= options.radios; ++radio) {
        SimOptions own = options;
        if (options.faultRadio != 0 && radio != options.faultRadio)
            own.fault = SimOptions::Fault::None;
        stations.push_back(std::make_unique<SimStation>(own, [&serials] { return ++serials; }));
        if (!stations.back()->open(error))
            return fail(error);
    }
    installStopHandlers();
    for (const auto &station : stations)
        std::printf("%s\n", qPrintable(station->path()));
    std::fflush(stdout);

    std::vector<QString> errors(stations.size());
    std::vector<std::thread> threads;
    for (size_t i = 0; i < stations.size(); ++i)
        threads.emplace_back([&, i] {
            if (!stations[i]->run(stopRequested, errors[i]))
                stopRequested = 1;
        });
    for (std::thread &thread : threads)
        thread.join();
    for (const QString &stationError : errors) {
        if (!stationError.isEmpty())
            return fail(stationError);
    }
    if (!options.saveFile.isEmpty() && !stations.front()->memory().save(options.saveFile, error))
        return fail(error);
    return 0;
}
