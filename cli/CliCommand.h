#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>

#include <functional>

// Exit statuses of velacps-cli.
namespace CliExit {
enum : int { Success = 0, Failed = 1, Usage = 2 };
}

// One sub-command: its usage line, what it does (for --help), its options
// and what runs it once its command line has parsed with minArgs..maxArgs
// positional arguments. A command returns a CliExit status.
struct CliCommand {
    const char *name;
    const char *usage;
    const char *summary;
    QList<QCommandLineOption> options;
    int minArgs;
    int maxArgs;
    std::function<int(const QCommandLineParser &arguments)> run;
};

// The command groups, each in its own file.
QList<CliCommand> profileFileCommands();
QList<CliCommand> imageCommands();
QList<CliCommand> radioCommands();
QList<CliCommand> reportCommands();
QList<CliCommand> fieldCommands();
QList<CliCommand> channelCsvCommands();
QList<CliCommand> compareCommands();
QList<CliCommand> fleetCommands();

// Prints "usage: velacps-cli <usage>" to stderr and returns CliExit::Usage.
int usageError(const CliCommand &command);
