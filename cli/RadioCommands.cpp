#include "CliCommand.h"
#include "CliFiles.h"
#include "CliSession.h"
#include "DifferenceOutput.h"
#include "RadioImageRead.h"
#include "base/MessageReporter.h"
#include "document/ProfileDocument.h"
#include "operations/RadioIdentityFields.h"
#include "operations/ReadWriteOperations.h"
#include "radio/CablePort.h"

#include <QEventLoop>

#include <cstdio>
#include <unistd.h>

namespace {

// The options the radio commands share; the rest are positional.
struct RadioArguments {
    QStringList positional;
    QString port;
    QString password;
    bool hasPassword = false;
    QString trace; // where the run's radio traffic goes, if anywhere
};

const QCommandLineOption kPortOption(QStringLiteral("port"),
    QStringLiteral("The cable: usb (the programming cable) or a serial device."), QStringLiteral("P"));
const QCommandLineOption kPasswordOption(QStringLiteral("password"),
    QStringLiteral("The radio's codeplug password, if it has one."), QStringLiteral("PPPP"));
const QCommandLineOption kTraceOption(QStringLiteral("trace"),
    QStringLiteral("Writes the radio traffic of this run to FILE (passwords masked)."),
    QStringLiteral("FILE"));
const QCommandLineOption kYesOption(
    QStringLiteral("yes"), QStringLiteral("Answers Yes to the tier question."));
const QCommandLineOption kDryRunOption(QStringLiteral("dry-run"),
    QStringLiteral("Reads the radio, prints what the write would change in it and writes nothing."));

RadioArguments radioArguments(const QCommandLineParser &parser)
{
    RadioArguments parsed;
    parsed.port = parser.isSet(kPortOption) ? parser.value(kPortOption) : CablePort::current();
    parsed.positional = parser.positionalArguments();
    parsed.trace = parser.value(kTraceOption);
    // Only the commands that take a password define its option.
    parsed.hasPassword = parser.optionNames().contains(kPasswordOption.names().constFirst());
    if (parsed.hasPassword)
        parsed.password = parser.value(kPasswordOption);
    return parsed;
}

// The prompt of the command line: the --password value once; asked again
// (a wrong or missing password), it shows the prompt's text and cancels.
std::function<void(PasswordRequest &)> passwordPrompt(const RadioArguments &arguments)
{
    auto offered = std::make_shared<bool>(false);
    return [arguments, offered](PasswordRequest &request) {
        if (arguments.hasPassword && !*offered) {
            *offered = true;
            request.typed = arguments.password;
            request.accepted = true;
            return;
        }
        showMessage(QStringLiteral("Please enter the password:"), MsgStyle::IconQuestion);
    };
}

// The progress on stderr: on a terminal one line per stage, rewritten in
// place as the stage advances; otherwise one line per report.
class ProgressLines {
public:
    void stage(CRadioOperations::Stage stage)
    {
        endLine();
        m_label = label(stage);
        if (m_inPlace) {
            std::fputs(m_label, stderr);
            m_open = true;
        }
    }
    void progress(int percent)
    {
        if (m_inPlace) {
            std::fprintf(stderr, "\r%s %d%%", m_label, percent);
            m_open = true;
        } else {
            std::fprintf(stderr, "%d%%\n", percent);
        }
    }
    // Ends a line being rewritten, so a message starts a line of its own.
    void endLine()
    {
        if (m_open)
            std::fputc('\n', stderr);
        m_open = false;
    }

private:
    static const char *label(CRadioOperations::Stage stage)
    {
        switch (stage) {
        case CRadioOperations::Stage::Identifying:
            return "Identifying radio\u2026";
        case CRadioOperations::Stage::Reading:
            return "Reading radio\u2026";
        case CRadioOperations::Stage::BackingUp:
            return "Backing up radio\u2026";
        case CRadioOperations::Stage::Writing:
            return "Writing radio\u2026";
        case CRadioOperations::Stage::Verifying:
            return "Verifying radio\u2026";
        case CRadioOperations::Stage::Resetting:
            return "Resetting radio\u2026";
        }
        return "";
    }

    bool m_inPlace = ::isatty(STDERR_FILENO);
    bool m_open = false;
    const char *m_label = "";
};

// Starts an operation and waits for its end; whether it succeeded. A cable
// that is not there gets a hint after the operation's message.
bool runToEnd(CRadioOperations &operations, const std::function<bool()> &start)
{
    QEventLoop loop;
    CRadioOperations::Outcome outcome = CRadioOperations::Outcome::Failed;
    QObject::connect(&operations, &CRadioOperations::finished, &loop, [&](CRadioOperations::Outcome end) {
        outcome = end;
        loop.quit();
    });
    if (!start())
        return false;
    loop.exec();
    if (operations.cableStatus() == CableError::DeviceNotFound)
        std::fputs("Name the cable's device with --port, or try the tool without a radio: velacps-radiosim "
                   "emulates one and prints the terminal to give to --port.\n",
            stderr);
    return outcome == CRadioOperations::Outcome::Succeeded;
}

void printIdentity(const RadioIdentity &identity)
{
    for (const auto &[name, value] : radioIdentityFields(identity))
        std::printf("%s: %s\n", qPrintable(name), value.toUtf8().constData());
}

// Starts the product and runs body with radio operations ready.
using RadioBody = std::function<int(CliSession &, CRadioOperations &, const RadioArguments &)>;

int withRadio(const RadioArguments &arguments, const RadioBody &body)
{
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    CRadioOperations operations(
        session.context().settings(), [port = arguments.port] { return CablePort::open(port); });
    ProgressLines lines;
    QObject::connect(&operations, &CRadioOperations::stageStarted,
        [&](CRadioOperations::Stage stage) { lines.stage(stage); });
    QObject::connect(&operations, &CRadioOperations::progress, [&](int percent) { lines.progress(percent); });
    QObject::connect(&operations, &CRadioOperations::message, [&](RadioMessage &message) {
        lines.endLine();
        showWithReporter(message);
    });
    QObject::connect(&operations, &CRadioOperations::passwordRequested,
        [&, prompt = passwordPrompt(arguments)](PasswordRequest &request) {
            lines.endLine();
            prompt(request);
        });
    QObject::connect(&operations, &CRadioOperations::finished, [&] { lines.endLine(); });
    const int status = body(session, operations, arguments);
    const QString &trace = operations.lastTrace();
    if (!arguments.trace.isEmpty() && !trace.isEmpty()
        && !writeOutputFile(arguments.trace, trace.toUtf8(), true))
        return CliExit::Failed;
    return status;
}

int withOperations(const QCommandLineParser &parser, const RadioBody &body)
{
    return withRadio(radioArguments(parser), body);
}

int identifyRadio(const QCommandLineParser &parser)
{
    return withOperations(
        parser, [](CliSession &, CRadioOperations &operations, const RadioArguments &) -> int {
            if (!runToEnd(operations, [&] { return operations.startIdentify(); }))
                return CliExit::Failed;
            printIdentity(operations.identity());
            return CliExit::Success;
        });
}

int readRadio(const QCommandLineParser &parser)
{
    return withOperations(parser,
        [](CliSession &session, CRadioOperations &operations, const RadioArguments &arguments) -> int {
            if (!runToEnd(operations, [&] { return operations.startRead(); }))
                return CliExit::Failed;
            const auto document = session.newDocument();
            VirtualCP image = operations.image();
            if (!document->NewFromImage(image))
                return CliExit::Failed;
            return CliSession::showAndSave(*document, arguments.positional[0]);
        });
}

int writeRadio(const QCommandLineParser &parser)
{
    const bool dryRun = parser.isSet(kDryRunOption);
    return withOperations(parser,
        [dryRun](CliSession &session, CRadioOperations &operations, const RadioArguments &arguments) -> int {
            const auto document = session.openDocument(arguments.positional[0]);
            if (!document)
                return CliExit::Failed;
            // A profile that failed the load-time rules (its message shown
            // as it opened) cannot be written.
            if (!document->loadTimeRulesPassed())
                return CliExit::Failed;
            bool printed = true;
            if (dryRun)
                QObject::connect(&operations, &CRadioOperations::writeReviewed,
                    [&](const QList<ProfileDifference> &changes, bool &) {
                        printed = printDifferences(changes, false);
                    });
            const bool done = runToEnd(operations, [&] {
                return dryRun ? operations.startDryRunWrite(*document) : operations.startWrite(*document);
            });
            return done && printed ? CliExit::Success : CliExit::Failed;
        });
}

// The backup to restore: the file named, or the newest backup of the radio
// on the cable from before this command (which reads it to learn its serial).
std::optional<VirtualCP> backupToRestore(CRadioOperations &operations, const RadioArguments &arguments)
{
    VirtualCP image;
    RadioBackup backup;
    QString error;
    if (!arguments.positional.isEmpty()) {
        if (RadioBackups::load(arguments.positional[0], image, backup, error))
            return image;
        showMessage(error, MsgStyle::IconError);
        return std::nullopt;
    }
    if (!runToEnd(operations, [&] { return operations.startRead(); }))
        return std::nullopt;
    const QString serial = RadioBackups::serialOf(operations.image());
    const QString justRead = operations.lastBackup() ? operations.lastBackup()->imagePath : QString();
    for (const RadioBackup &stored : RadioBackups::list(serial)) {
        if (stored.imagePath != justRead && RadioBackups::load(stored.imagePath, image, backup, error))
            return image;
    }
    showMessage(QStringLiteral("There is no backup of the radio with the serial number %1 in %2.")
                    .arg(serial, RadioBackups::folder()),
        MsgStyle::IconError);
    return std::nullopt;
}

int restoreRadio(const QCommandLineParser &parser)
{
    return withOperations(
        parser, [](CliSession &, CRadioOperations &operations, const RadioArguments &arguments) -> int {
            const std::optional<VirtualCP> backup = backupToRestore(operations, arguments);
            return backup && runToEnd(operations, [&] { return operations.startRestore(*backup); })
                ? CliExit::Success
                : CliExit::Failed;
        });
}

int resetRadio(const QCommandLineParser &parser)
{
    return withOperations(
        parser, [](CliSession &, CRadioOperations &operations, const RadioArguments &) -> int {
            return runToEnd(operations, [&] { return operations.startReset(); }) ? CliExit::Success
                                                                                 : CliExit::Failed;
        });
}

} // namespace

std::optional<VirtualCP> readRadioImage(const QString &port)
{
    RadioArguments arguments;
    arguments.port = port;
    std::optional<VirtualCP> image;
    withRadio(arguments, [&](CliSession &, CRadioOperations &operations, const RadioArguments &) {
        if (runToEnd(operations, [&] { return operations.startRead(); }))
            image = operations.image();
        return CliExit::Success;
    });
    return image;
}

QList<CliCommand> radioCommands()
{
    return {
        { "identify", "identify [--port P] [--trace FILE]",
            "Identifies the radio on the cable and prints its identity.", { kPortOption, kTraceOption }, 0, 0,
            identifyRadio },
        { "read", "read [--port P] OUT [--password PPPP] [--trace FILE]",
            "Reads the radio into a new profile file.", { kPortOption, kPasswordOption, kTraceOption }, 1, 1,
            readRadio },
        { "write", "write [--port P] FILE [--password PPPP] [--yes] [--dry-run] [--trace FILE]",
            "Writes a profile into the radio after every compatibility check, backing up the radio first "
            "and reading back what it kept.",
            { kPortOption, kPasswordOption, kYesOption, kDryRunOption, kTraceOption }, 1, 1, writeRadio },
        { "restore", "restore [--port P] [BACKUP.img] [--password PPPP] [--yes] [--trace FILE]",
            "Writes a radio backup back into the radio: the one named, or the newest of the radio's serial.",
            { kPortOption, kPasswordOption, kYesOption, kTraceOption }, 0, 1, restoreRadio },
        { "reset", "reset [--port P] [--trace FILE]", "Resets the radio.", { kPortOption, kTraceOption }, 0,
            0, resetRadio },
    };
}
