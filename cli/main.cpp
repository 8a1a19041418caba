#include "CliCommand.h"
#include "CliReporter.h"

#include <QCoreApplication>

#include <cstdio>

int usageError(const CliCommand &command)
{
    std::fprintf(stderr, "usage: velacps-cli %s\n", command.usage);
    return CliExit::Usage;
}

namespace {

const QCommandLineOption kHelpOption(
    { QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Shows this help."));

QList<CliCommand> allCommands()
{
    QList<CliCommand> commands;
    commands << profileFileCommands() << imageCommands() << radioCommands() << reportCommands()
             << fieldCommands() << channelCsvCommands() << compareCommands() << fleetCommands();
    return commands;
}

QByteArray toolUsage(const QList<CliCommand> &commands)
{
    QByteArray text = "usage: velacps-cli <command> [arguments]\n\ncommands:\n";
    for (const CliCommand &command : commands)
        text += QByteArray("  ") + command.usage + '\n';
    text += "\noptions:\n"
            "  -h, --help     shows this help; after a command, that command's help\n"
            "  -v, --version  shows the version\n";
    return text;
}

int printUsage(const QList<CliCommand> &commands)
{
    std::fputs(toolUsage(commands).constData(), stderr);
    return CliExit::Usage;
}

// The help of one command: its usage line, then what Qt's parser says about
// its summary and options (its own first line, a generic usage, dropped).
void printCommandHelp(const CliCommand &command, const QCommandLineParser &parser)
{
    const QString generated = parser.helpText();
    const QString details = generated.mid(generated.indexOf(QLatin1Char('\n')) + 1);
    std::printf("usage: velacps-cli %s\n\n%s", command.usage, details.toLocal8Bit().constData());
}

// Parses the command's own options (anywhere among its arguments, "--"
// ending them) and runs it.
int runCommand(const CliCommand &command, const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(command.summary));
    parser.addOption(kHelpOption);
    parser.addOptions(command.options);
    if (!parser.parse(QStringList(QStringLiteral("velacps-cli")) + args)) {
        usageError(command);
        std::fprintf(stderr, "velacps-cli: %s\n", qPrintable(parser.errorText()));
        return CliExit::Usage;
    }
    if (parser.isSet(kHelpOption)) {
        printCommandHelp(command, parser);
        return CliExit::Success;
    }
    const qsizetype count = parser.positionalArguments().size();
    if (count < command.minArgs || count > command.maxArgs)
        return usageError(command);
    // Questions are answered No unless the command line says --yes.
    CliReporter reporter(parser.optionNames().contains(QStringLiteral("yes")));
    MessageReporter::install(&reporter);
    const int status = command.run(parser);
    MessageReporter::install(nullptr);
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QList<CliCommand> commands = allCommands();

    // The tool's own options come before the command; what follows the
    // command belongs to it.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption versionOption({ QStringLiteral("v"), QStringLiteral("version") }, QString());
    parser.addOption(kHelpOption);
    parser.addOption(versionOption);
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "velacps-cli: %s\n", qPrintable(parser.errorText()));
        return printUsage(commands);
    }
    if (parser.isSet(kHelpOption)) {
        std::fputs(toolUsage(commands).constData(), stdout);
        return CliExit::Success;
    }
    if (parser.isSet(versionOption)) {
        std::printf("velacps-cli %s\n", VELA_VERSION);
        return CliExit::Success;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return printUsage(commands);
    const QString name = args.takeFirst();
    for (const CliCommand &command : commands) {
        if (name == QLatin1String(command.name))
            return runCommand(command, args);
    }
    std::fprintf(stderr, "velacps-cli: unknown command \"%s\"\n", qPrintable(name));
    return printUsage(commands);
}
