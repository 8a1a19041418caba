// fleet: one profile written into many radios, on several cables at once or
// one radio after another on one cable, with per-radio values and a log.

#include "CliCommand.h"
#include "CliSession.h"
#include "base/MessageReporter.h"
#include "operations/FleetBatch.h"
#include "reports/BatchReport.h"

#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMap>
#include <QMetaEnum>

#include <cstdio>
#include <unistd.h>

namespace {

const QCommandLineOption kPortOption(QStringLiteral("port"),
    QStringLiteral("A cable of the batch: usb or a serial device; give it once per cable."),
    QStringLiteral("P"));
const QCommandLineOption kValuesOption(QStringLiteral("values"),
    QStringLiteral("Per-radio values: a CSV file whose first column is serial or order and whose other "
                   "columns are field names (setting.powerupString)."),
    QStringLiteral("VALUES.csv"));
const QCommandLineOption kLogOption(QStringLiteral("log"),
    QStringLiteral("Writes batch.csv, batch.json and the report batch.html into DIR instead of a new folder "
                   "of the user's data."),
    QStringLiteral("DIR"));
const QCommandLineOption kCountOption(QStringLiteral("count"),
    QStringLiteral("Radios in all; more than the cables given waits on each cable for the next radio."),
    QStringLiteral("N"));
const QCommandLineOption kPasswordOption(QStringLiteral("password"),
    QStringLiteral("The radios' codeplug password; a radio with another one fails."), QStringLiteral("PPPP"));
const QCommandLineOption kYesOption(QStringLiteral("yes"),
    QStringLiteral("Answers Yes to the questions of each write; without it such a radio fails."));

// The progress of every port on one line of a terminal, rewritten in place;
// nothing when standard error is no terminal.
class PortProgressLine {
public:
    explicit PortProgressLine(const QStringList &ports)
    {
        for (const QString &port : ports)
            m_states.insert(port, QStringLiteral("waiting"));
    }
    void set(const QString &port, const QString &state)
    {
        m_states[port] = state;
        draw();
    }
    // Clears the line, so a message or status line starts a line of its own.
    void clear()
    {
        if (m_inPlace)
            std::fputs("\r\033[K", stderr);
    }

private:
    void draw()
    {
        if (!m_inPlace)
            return;
        QStringList parts;
        for (auto it = m_states.cbegin(); it != m_states.cend(); ++it)
            parts << it.key() + QLatin1Char(' ') + it.value();
        std::fprintf(stderr, "\r\033[K%s", qPrintable(parts.join(QStringLiteral("  |  "))));
    }

    bool m_inPlace = ::isatty(STDERR_FILENO);
    QMap<QString, QString> m_states;
};

QString stageName(CRadioOperations::Stage stage)
{
    return QString::fromLatin1(QMetaEnum::fromType<CRadioOperations::Stage>().valueToKey(int(stage)));
}

QString orDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : text;
}

// The options as the batch takes them; nothing after a usage message.
std::optional<FleetOptions> fleetOptions(const QCommandLineParser &parser)
{
    FleetOptions options;
    options.ports = parser.values(kPortOption);
    options.logFolder = parser.value(kLogOption);
    options.answerYes = parser.isSet(kYesOption);
    if (parser.isSet(kPasswordOption))
        options.password = parser.value(kPasswordOption);
    if (parser.isSet(kCountOption)) {
        bool ok = false;
        options.count = parser.value(kCountOption).toInt(&ok);
        if (!ok || options.count < 1) {
            std::fprintf(stderr, "velacps-cli: --count needs a number from 1, not \"%s\"\n",
                qPrintable(parser.value(kCountOption)));
            return std::nullopt;
        }
    }
    if (options.ports.isEmpty()) {
        std::fputs("velacps-cli: fleet needs at least one --port\n", stderr);
        return std::nullopt;
    }
    return options;
}

// The printable report beside the log. The tool prints English, so the
// page is English with its decimal point too.
void writeBatchReport(const CFleetBatch &batch, const QString &profileName, const QDateTime &started)
{
    BatchReportContent content { QString(), profileName, started, {} };
    for (const FleetRecord &record : batch.records())
        content.radios << BatchReport::RadioOf(record);
    if (const std::optional<WrittenReport> report
        = BatchReport::Write(batch.logFolder(), content, QStringLiteral(".")))
        std::fprintf(stderr, "Batch report: %s\n", qPrintable(QDir::toNativeSeparators(report->filePath)));
}

int runFleet(const QCommandLineParser &parser)
{
    const std::optional<FleetOptions> options = fleetOptions(parser);
    if (!options)
        return CliExit::Usage;
    const QString path = parser.positionalArguments().constFirst();
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    const ProfileSource profile = [&session, path]() -> std::unique_ptr<CProfileDocument> {
        auto document = session.openDocument(path);
        // As when the profile is shown: a profile its rules refuse is not written.
        return document && document->RunLoadTimeRules() ? std::move(document) : nullptr;
    };
    FleetValues values;
    QString error;
    if (parser.isSet(kValuesOption) && !values.load(parser.value(kValuesOption), error)) {
        showMessage(error, MsgStyle::IconError);
        return CliExit::Failed;
    }

    CFleetBatch batch(session.context().settings());
    PortProgressLine line(options->ports);
    QObject::connect(&batch, &CFleetBatch::radioStarted,
        [&](const QString &port) { line.set(port, QStringLiteral("identifying")); });
    QMap<QString, QString> stages;
    QObject::connect(
        &batch, &CFleetBatch::stageStarted, [&](const QString &port, CRadioOperations::Stage stage) {
            stages[port] = stageName(stage);
            line.set(port, stages[port]);
        });
    QObject::connect(&batch, &CFleetBatch::progress, [&](const QString &port, int percent) {
        line.set(port, QStringLiteral("%1 %2%").arg(stages.value(port)).arg(percent));
    });
    QObject::connect(&batch, &CFleetBatch::waitingForRadio, [&](const QString &port, int done) {
        line.clear();
        std::fprintf(stderr, "%s: connect the next radio (%d done)\n", qPrintable(port), done);
    });
    QObject::connect(&batch, &CFleetBatch::radioAlreadyDone, [&](const QString &port, const QString &serial) {
        line.clear();
        std::fprintf(stderr, "%s: %s is already written in this batch; connect the next radio\n",
            qPrintable(port), qPrintable(serial));
    });
    QObject::connect(&batch, &CFleetBatch::radioFinished, [&](const FleetRecord &record) {
        line.clear();
        if (!record.ok)
            std::fprintf(stderr, "%s: %s\n", qPrintable(record.port), record.message.toUtf8().constData());
        std::printf("%s %s %s %s %.1f\n", qPrintable(record.port), qPrintable(orDash(record.serial)),
            qPrintable(orDash(record.model)), qPrintable(record.result()), record.seconds);
        std::fflush(stdout);
    });
    QObject::connect(&batch, &CFleetBatch::logFailed, [&](const QString &why) {
        line.clear();
        showMessage(why, MsgStyle::IconError);
    });
    QEventLoop loop;
    bool allSucceeded = false;
    QObject::connect(&batch, &CFleetBatch::finished, [&](bool succeeded) {
        allSucceeded = succeeded;
        loop.quit();
    });
    const QDateTime started = QDateTime::currentDateTimeUtc();
    if (!batch.start(profile, values, *options, error)) {
        showMessage(error, MsgStyle::IconError);
        return CliExit::Failed;
    }
    if (batch.isRunning())
        loop.exec();
    line.clear();
    std::fprintf(stderr, "Batch log: %s\n", qPrintable(QDir::toNativeSeparators(batch.logFolder())));
    writeBatchReport(batch, QFileInfo(path).fileName(), started);
    return allSucceeded ? CliExit::Success : CliExit::Failed;
}

} // namespace

QList<CliCommand> fleetCommands()
{
    return {
        { "fleet",
            "fleet FILE --port P [--port P]... [--values VALUES.csv] [--log DIR] [--count N] [--password "
            "PPPP] "
            "[--yes]",
            "Writes a profile into many radios, backing up and verifying each: one worker per cable at the "
            "same time, or with --count more radios than cables, one after another as they are put on the "
            "cable. Prints PORT SERIAL MODEL result seconds for each radio; exits 1 when any failed.",
            { kPortOption, kValuesOption, kLogOption, kCountOption, kPasswordOption, kYesOption }, 1, 1,
            runFleet },
    };
}
