// velacps-radiosim: a radio on a pseudo-terminal, for testing and trying
// the radio link without a radio. Prints the terminal's path on the first
// line of its output; point the link's cable port at it.

#include "PtyPort.h"
#include "SimMemory.h"
#include "SimOptions.h"
#include "SimRadio.h"
#include "SimRequestParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>
#include <cstdio>

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

    SimMemory memory;
    if (options.memoryFile.isEmpty())
        memory.fillFactoryDefaults(options);
    else if (!memory.load(options.memoryFile, error))
        return fail(error);
    memory.applyGivenOptions(options);

    PtyPort port;
    if (!port.open(error))
        return fail(error);
    installStopHandlers();
    std::printf("%s\n", qPrintable(port.path()));
    std::fflush(stdout);

    SimRadio radio(memory, options);
    SimRequestParser parser;
    QElapsedTimer clock;
    clock.start();
    while (!stopRequested) {
        const QByteArray received = port.read(100);
        if (received.isEmpty())
            port.releaseAbandonedTerminal();
        // Like the cable, every byte comes straight back; a reply follows
        // the frame it answers.
        QByteArray out;
        for (char byte : received) {
            out.append(byte);
            if (auto request = parser.feed(quint8(byte), clock.elapsed()))
                out.append(radio.answer(*request));
        }
        if (!out.isEmpty() && !port.write(out, options.pace))
            return fail(QStringLiteral("the terminal went away"));
    }

    if (!options.saveFile.isEmpty() && !memory.save(options.saveFile, error))
        return fail(error);
    return 0;
}
