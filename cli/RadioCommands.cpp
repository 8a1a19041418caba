#include "CliCommand.h"
#include "CliSession.h"
#include "base/MessageReporter.h"
#include "document/ProfileDocument.h"
#include "operations/RadioChecks.h"
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
};

const QCommandLineOption kPortOption(QStringLiteral("port"),
    QStringLiteral("The cable: usb (the programming cable) or a serial device."), QStringLiteral("P"));
const QCommandLineOption kPasswordOption(QStringLiteral("password"),
    QStringLiteral("The radio's codeplug password, if it has one."), QStringLiteral("PPPP"));
const QCommandLineOption kYesOption(
    QStringLiteral("yes"), QStringLiteral("Answers Yes to the tier question."));

RadioArguments radioArguments(const QCommandLineParser &parser)
{
    RadioArguments parsed;
    parsed.port = parser.isSet(kPortOption) ? parser.value(kPortOption) : CablePort::current();
    parsed.positional = parser.positionalArguments();
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
        case CRadioOperations::Stage::Writing:
            return "Writing radio\u2026";
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

QString identityCharacter(uint8_t byte)
{
    return byte ? QString(QChar(byte)) : QString();
}

void printIdentity(const RadioIdentity &identity)
{
    QString model;
    for (uint8_t letter : identity.modelLetters)
        model += QChar(letter);
    for (uint8_t digit : identity.modelDigits)
        model += QString::number(digit);
    const QList<QPair<const char *, QString>> fields = {
        { "model", model },
        { "firmware_phase", identityCharacter(identity.firmwarePhase) },
        { "firmware_version", identityCharacter(identity.firmwareVersion) },
        { "firmware_revision", identityCharacter(identity.firmwareRevision) },
        { "codeplug_phase", identityCharacter(identity.codeplugPhase) },
        { "codeplug_version", QString::number(identity.codeplugVersion) },
        { "password", RadioChecks::RadioPassword(identity) },
        { "max_valid_freqs", QString::number(identity.frequencyCount) },
        { "serial_clone_compatibility", QString::number(identity.serial_clone_compatibility) },
        { "maxCodes", QString::number(identity.maxCodes) },
    };
    for (const auto &[name, value] : fields)
        std::printf("%s: %s\n", name, value.toUtf8().constData());
}

// Starts the product and runs body with radio operations ready.
int withOperations(const QCommandLineParser &parser,
    const std::function<int(CliSession &, CRadioOperations &, const RadioArguments &)> &body)
{
    const RadioArguments arguments = radioArguments(parser);
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
    return body(session, operations, arguments);
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
    return withOperations(parser,
        [](CliSession &session, CRadioOperations &operations, const RadioArguments &arguments) -> int {
            const auto document = session.openDocument(arguments.positional[0]);
            if (!document)
                return CliExit::Failed;
            // As when the profile is shown in the desktop program; a
            // profile that fails them (its message shown) cannot be written.
            if (!document->RunLoadTimeRules())
                return CliExit::Failed;
            return runToEnd(operations, [&] { return operations.startWrite(*document); }) ? CliExit::Success
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
QList<CliCommand> radioCommands()
{
    return {
        { "identify", "identify [--port P]", "Identifies the radio on the cable and prints its identity.",
            { kPortOption }, 0, 0, identifyRadio },
        { "read", "read [--port P] OUT [--password PPPP]", "Reads the radio into a new profile file.",
            { kPortOption, kPasswordOption }, 1, 1, readRadio },
        { "write", "write [--port P] FILE [--password PPPP] [--yes]",
            "Writes a profile into the radio after every compatibility check.",
            { kPortOption, kPasswordOption, kYesOption }, 1, 1, writeRadio },
        { "reset", "reset [--port P]", "Resets the radio.", { kPortOption }, 0, 0, resetRadio },
    };
}
