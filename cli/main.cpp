#include "CliCommand.h"
#include "base/MessageReporter.h"

#include <QCoreApplication>

#include <cstdio>

int usageError(const CliCommand &command)
{
    std::fprintf(stderr, "usage: velacps-cli %s\n", command.usage);
    return CliExit::Usage;
}

CliCommand makeCommand(const char *name, const char *usage, int minArgs, int maxArgs,
                       std::function<int(const QStringList &)> body)
{
    CliCommand result {name, usage, {}};
    result.run = [result, minArgs, maxArgs, body](const QStringList &args) {
        if (args.size() < minArgs || args.size() > maxArgs)
            return usageError(result);
        return body(args);
    };
    return result;
}

namespace {

QList<CliCommand> allCommands()
{
    QList<CliCommand> commands;
    commands << profileFileCommands() << imageCommands() << radioCommands();
    return commands;
}

int printUsage(const QList<CliCommand> &commands)
{
    std::fprintf(stderr, "usage: velacps-cli <command> [arguments]\n\ncommands:\n");
    for (const CliCommand &command : commands)
        std::fprintf(stderr, "  %s\n", command.usage);
    return CliExit::Usage;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    // Questions are answered No unless the command line says --yes.
    const bool answerYes = args.removeAll(QStringLiteral("--yes")) > 0;
    StderrReporter reporter(answerYes);
    MessageReporter::install(&reporter);

    const QList<CliCommand> commands = allCommands();
    if (args.isEmpty())
        return printUsage(commands);
    const QString name = args.takeFirst();
    for (const CliCommand &command : commands) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    std::fprintf(stderr, "velacps-cli: unknown command \"%s\"\n", qPrintable(name));
    return printUsage(commands);
}
