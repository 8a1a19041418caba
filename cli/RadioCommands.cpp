#include "CliCommand.h"
#include "CliSession.h"
#include "base/MessageReporter.h"
#include "document/ProfileDocument.h"
#include "radio/CablePort.h"
#include "operations/RadioChecks.h"
#include "operations/ReadWriteOperations.h"

#include <cstdio>

namespace {

// The options the radio commands share; the rest are positional.
struct RadioArguments
{
    QStringList positional;
    QString password;
    bool hasPassword = false;
};

bool parseRadioArguments(const QStringList &args, RadioArguments &parsed)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--port") || arg == QLatin1String("--password")) {
            if (i + 1 >= args.size())
                return false;
            const QString value = args[++i];
            if (arg == QLatin1String("--port")) {
                CablePort::setForThisRun(value);
            } else {
                parsed.password = value;
                parsed.hasPassword = true;
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            return false;
        } else {
            parsed.positional << arg;
        }
    }
    return true;
}

// The prompt of the command line: the --password value once; asked again
// (a wrong or missing password), it shows the prompt's text and cancels.
CRadioOperations::PasswordPrompt passwordPrompt(const RadioArguments &arguments)
{
    auto offered = std::make_shared<bool>(false);
    return [arguments, offered](QString &typed) {
        if (arguments.hasPassword && !*offered) {
            *offered = true;
            typed = arguments.password;
            return true;
        }
        showMessage(QStringLiteral("Please enter the password:"), MsgStyle::IconQuestion);
        return false;
    };
}

void printProgress(int percent)
{
    std::fprintf(stderr, "%d%%\n", percent);
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
        {"model", model},
        {"firmware_phase", identityCharacter(identity.firmwarePhase)},
        {"firmware_version", identityCharacter(identity.firmwareVersion)},
        {"firmware_revision", identityCharacter(identity.firmwareRevision)},
        {"codeplug_phase", identityCharacter(identity.codeplugPhase)},
        {"codeplug_version", QString::number(identity.codeplugVersion)},
        {"password", RadioChecks::RadioPassword(identity)},
        {"max_valid_freqs", QString::number(identity.frequencyCount)},
        {"serial_clone_compatibility", QString::number(identity.serial_clone_compatibility)},
        {"maxCodes", QString::number(identity.maxCodes)},
    };
    for (const auto &[name, value] : fields)
        std::printf("%s: %s\n", name, value.toUtf8().constData());
}

// Starts the product and runs body with radio operations ready.
int withOperations(const QStringList &args, int positionalCount, const char *usage,
                   const std::function<int(CliSession &, CRadioOperations &, const RadioArguments &)> &body)
{
    RadioArguments arguments;
    if (!parseRadioArguments(args, arguments) || arguments.positional.size() != positionalCount) {
        std::fprintf(stderr, "usage: velacps-cli %s\n", usage);
        return CliExit::Usage;
    }
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    CRadioOperations operations(session.context().settings());
    operations.setProgressCallback(printProgress);
    operations.setPasswordPrompt(passwordPrompt(arguments));
    return body(session, operations, arguments);
}

int identifyRadio(const QStringList &args)
{
    return withOperations(args, 0, "identify [--port P]", [](CliSession &, CRadioOperations &operations, const RadioArguments &) -> int {
        if (!operations.Identify())
            return CliExit::Failed;
        printIdentity(operations.identity());
        return CliExit::Success;
    });
}

int readRadio(const QStringList &args)
{
    return withOperations(args, 1, "read [--port P] OUT [--password PPPP]",
                          [](CliSession &session, CRadioOperations &operations, const RadioArguments &arguments) -> int {
                              if (!operations.Read())
                                  return CliExit::Failed;
                              const auto document = session.newDocument();
                              VirtualCP image = operations.image();
                              if (!document->NewFromImage(image))
                                  return CliExit::Failed;
                              return CliSession::showAndSave(*document, arguments.positional[0]);
                          });
}

int writeRadio(const QStringList &args)
{
    return withOperations(args, 1, "write [--port P] FILE [--password PPPP] [--yes]",
                          [](CliSession &session, CRadioOperations &operations, const RadioArguments &arguments) -> int {
                              const auto document = session.newDocument();
                              if (!document->Open(arguments.positional[0]))
                                  return CliExit::Failed;
                              // As when the profile is shown in the desktop program; a
                              // profile that fails them (its message shown) cannot be written.
                              if (!document->RunLoadTimeRules())
                                  return CliExit::Failed;
                              return operations.Write(*document) ? CliExit::Success : CliExit::Failed;
                          });
}

int resetRadio(const QStringList &args)
{
    return withOperations(args, 0, "reset [--port P]", [](CliSession &, CRadioOperations &operations, const RadioArguments &) -> int {
        return operations.Reset() ? CliExit::Success : CliExit::Failed;
    });
}

} // namespace

QList<CliCommand> radioCommands()
{
    return {
        {"identify", "identify [--port P]", identifyRadio},
        {"read", "read [--port P] OUT [--password PPPP]", readRadio},
        {"write", "write [--port P] FILE [--password PPPP] [--yes]", writeRadio},
        {"reset", "reset [--port P]", resetRadio},
    };
}
