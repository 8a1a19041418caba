#pragma once

#include <QStringList>

#include <functional>

// Exit statuses of velacps-cli.
namespace CliExit {
enum : int { Success = 0, Failed = 1, Usage = 2 };
}

// One sub-command: its usage line and what runs it with the remaining
// arguments. A command returns a CliExit status.
struct CliCommand
{
    const char *name;
    const char *usage;
    std::function<int(const QStringList &args)> run;
};

// A command whose body runs only with minArgs..maxArgs arguments; other
// counts print its usage.
CliCommand makeCommand(const char *name, const char *usage, int minArgs, int maxArgs,
                       std::function<int(const QStringList &)> body);

// The command groups, each in its own file.
QList<CliCommand> profileFileCommands();
QList<CliCommand> imageCommands();
QList<CliCommand> radioCommands();

// Prints "usage: velacps-cli <usage>" to stderr and returns CliExit::Usage.
int usageError(const CliCommand &command);
